// CPanelMatrix: the other inputs' gain, the surround matrix and the subwoofer feed. The analyser
// window on top; then the "Gain" slider of the preamp chosen with "NSync", "Aux" or "Mic", the
// surround delay and gain and the subwoofer's gain and crossover frequency as sliders with their
// values; and the two input level indicators.
//
// The Gain slider writes NonSyncGain for NSync; for Mic both mic gains (linked, as on the laptop's
// Inputs page); for Aux the left aux gain, with the right one moved by the same step so that a
// balance set on the laptop survives. The preamp shown follows the current format when it is one
// of the three; otherwise the last one chosen stays.
#pragma once

#include <array>

#include "CPanel.h"

class QPushButton;

namespace kvt::handheld {

class CHandheldRTA;
class CLevelMeter;
class PanelSlider;

class CPanelMatrix : public CPanel {
    Q_OBJECT

  public:
    enum Role : int { kGain, kSurroundDelay, kSurroundGain, kSubGain, kSubFreq, kRoles };
    enum Preamp : int { kNonSync, kAux, kMic, kPreamps };

    CPanelMatrix(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                 QWidget* parent = nullptr);

    CHandheldRTA* Analyser() const { return analyser_; }
    PanelSlider* Slider(Role role) const { return sliders_[role]; }
    QPushButton* PreampButton(Preamp preamp) const { return preampButtons_[preamp]; }
    Preamp SelectedPreamp() const { return preamp_; }
    CLevelMeter* Meter(int side) const { return meters_[side]; }
    // The engine value of a slider position: ms, dB or Hz.
    static double ValueOf(Role role, int position);

    void SelectPreamp(Preamp preamp);
    void Refresh() override;

  private:
    void Write(Role role, int position);
    void WriteGain(double value);
    double ReadGain() const;
    void ShowLevels(double left, double right);

    CHandheldRTA* analyser_ = nullptr;
    std::array<PanelSlider*, kRoles> sliders_{};
    std::array<QPushButton*, kPreamps> preampButtons_{};
    std::array<CLevelMeter*, 2> meters_{};
    Preamp preamp_ = kNonSync;
};

}  // namespace kvt::handheld
