// CDlgSubParametricForm: "Sub Bass Parametric Equalizer", the subwoofer's single parametric band,
// shown on the Equalizer page in place of the 27 bands while the subwoofer is selected.
//
// Three vertical sliders, their largest value at the top: "Level" 0 to -11.9 dB in 0.1 dB steps
// (SubParametricGain), "Q" 10.00 to 0.50 in steps of 0.25 (SubParametricQ), "Frequency" 120 to
// 20 Hz (SubParametricFreq). They write by the sliders' rule; Refresh shows the engine's values
// without writing. The form is the box that frames them, so the sliders are its own children.
#pragma once

#include <QGroupBox>

#include "IKVT80.h"
#include "widgets/EQSliderColumn.h"

namespace kvt::laptop {

class CDlgSubParametricForm : public QGroupBox {
    Q_OBJECT

  public:
    explicit CDlgSubParametricForm(IKVT80& engine, QWidget* parent = nullptr);

    // The sliders' positions for engine values and back.
    static int LevelPosition(double gain);
    static int QPosition(double q);
    static int FrequencyPosition(double hertz);

  public slots:
    void Refresh();

  private:
    IKVT80& engine_;
    EQSliderColumn level_;
    EQSliderColumn q_;
    EQSliderColumn frequency_;
};

}  // namespace kvt::laptop
