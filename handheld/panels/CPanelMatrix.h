// CPanelMatrix: the surround matrix and the subwoofer feed. The analyser window on top, then the
// surround delay and gain and the subwoofer's gain and crossover frequency as sliders with their
// values.
#pragma once

#include <array>

#include "CPanel.h"

namespace kvt::handheld {

class CHandheldRTA;
class PanelSlider;

class CPanelMatrix : public CPanel {
    Q_OBJECT

  public:
    enum Role : int { kSurroundDelay, kSurroundGain, kSubGain, kSubFreq, kRoles };

    CPanelMatrix(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                 QWidget* parent = nullptr);

    CHandheldRTA* Analyser() const { return analyser_; }
    PanelSlider* Slider(Role role) const { return sliders_[role]; }
    // The engine value of a slider position: ms, dB or Hz.
    static double ValueOf(Role role, int position);

    void Refresh() override;

  private:
    void Write(Role role, int position);

    CHandheldRTA* analyser_ = nullptr;
    std::array<PanelSlider*, kRoles> sliders_{};
};

}  // namespace kvt::handheld
