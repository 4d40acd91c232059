// CPanelOptical: the projectors' optical inputs. The analyser window on top; the left and right
// input gains, slit EQ of the selected projector and the mono EQ as sliders with their values;
// "Projector 1" and "Projector 2" choose the projector (the unit's preamp); two level indicators
// show the input levels against the calibration point.
#pragma once

#include <QPushButton>
#include <array>

#include "CPanel.h"

namespace kvt::handheld {

class CHandheldRTA;
class CLevelMeter;
class PanelSlider;

class CPanelOptical : public CPanel {
    Q_OBJECT

  public:
    enum Role : int { kLeftGain, kRightGain, kSlitEQ, kMonoEQ, kRoles };
    CPanelOptical(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                  QWidget* parent = nullptr);

    CHandheldRTA* Analyser() const { return analyser_; }
    PanelSlider* Slider(Role role) const { return sliders_[role]; }
    QPushButton* ProjectorButton(int projector) const { return projectors_[projector]; }
    CLevelMeter* Meter(int side) const { return meters_[side]; }

    void Refresh() override;
    void SelectProjector(int projector);
    // The engine value of a slider position, and its text.
    static double ValueOf(Role role, int position);

  private:
    void Write(Role role, int position);
    void ShowLevels(double left, double right);
    int Projector() const;

    CHandheldRTA* analyser_ = nullptr;
    std::array<PanelSlider*, kRoles> sliders_{};
    std::array<QPushButton*, 2> projectors_{};
    std::array<CLevelMeter*, 2> meters_{};
};

}  // namespace kvt::handheld
