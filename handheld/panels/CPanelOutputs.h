// CPanelOutputs: the eight output channels, each a level slider (+8.0 dB at the top to -22.0 dB at
// the bottom, 0.5 dB steps) with its value and the buttons "Mute", "Inv" and "Gen". "Gen" routes
// the test generator to its channel alone; releasing it switches the generator off. Its caption
// names the generator's signal.
#pragma once

#include <QPushButton>
#include <array>

#include "CPanel.h"

namespace kvt::handheld {

class PanelSlider;

class CPanelOutputs : public CPanel {
    Q_OBJECT

  public:
    static constexpr int kChannels = 8;
    static constexpr int kMinimum = -16;
    static constexpr int kMaximum = 44;

    CPanelOutputs(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr);

    // The engine's channel of a column (left to right: L, C, R, SW, LS, RS, BSL, BSR).
    static int ChannelOfColumn(int column);
    // The channel's bit in GeneratorChannels.
    static int GeneratorBit(int channel);
    // The caption of the "Gen" buttons for a generator mode; empty for a mode without one.
    static QString GeneratorName(int mode);

    PanelSlider* Slider(int channel) const { return sliders_[channel]; }
    QPushButton* MuteButton(int channel) const { return mutes_[channel]; }
    QPushButton* InvertButton(int channel) const { return inverts_[channel]; }
    QPushButton* GeneratorButton(int channel) const { return generators_[channel]; }

    void Refresh() override;
    // The "Gen" button of a channel was pressed (on) or released (off).
    void RouteGenerator(int channel, bool on);

  private:
    void ShowMuteAndInvert();
    void ShowGenerator(int mode, int channels);

    std::array<PanelSlider*, kChannels> sliders_{};
    std::array<QPushButton*, kChannels> mutes_{};
    std::array<QPushButton*, kChannels> inverts_{};
    std::array<QPushButton*, kChannels> generators_{};
};

}  // namespace kvt::handheld
