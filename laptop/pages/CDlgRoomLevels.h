// CDlgRoomLevels: the "Outputs" tab, where the room is calibrated. Eight output channels, each with
// its level slider (+8.0 dB at the top to -22.0 dB at the bottom in half decibels), the level in
// dB, and its Mute, Invert and Pink boxes; the "Signal Generator" group picks the test signal.
//
// Giving a channel's slider the focus routes the generator to that channel, so the installer hears
// the signal on the channel being adjusted; with Ctrl held the channel is added to those already
// playing, and with all eight playing a plain focus turns the generator off. Only a focus the user
// gives (a click, Tab or the arrow keys) routes it, and only while a unit is connected: the page
// shown by a tab change, a refresh or the window coming back to the front stays silent.
#pragma once

#include <QWidget>
#include <array>

#include "IKVT80.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QRadioButton;

namespace kvt::frontend {
class EngineBridge;
}

namespace kvt::laptop {

class CTrackbar;

class CDlgRoomLevels : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kChannels = 8;
    // Slider positions: level in dB = -position / 2.
    static constexpr int kTopPosition = -16;
    static constexpr int kBottomPosition = 44;

    CDlgRoomLevels(kvt::IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr);

    // The level text of a slider position: 7 gives "-3.5", -16 gives "8.0".
    static QString LevelText(int position);
    // The generator bit of an output channel (the sub is 8, the left surround 16).
    static int GeneratorBit(int channel);

    CTrackbar* Slider(int channel) const;

  public slots:
    // Reads every channel's level, mute and polarity, and the generator, again.
    void Refresh();
    // Another page moved a channel's output level: the slider follows without writing it.
    void SyncChannelLevel(int channel, int position);
    // The channel configuration changed (0 ... 3): channels 7 and 8 are relabelled.
    void ChannelConfigChanged(int config);
    void OnSignalGenState(int mode, int channels);
    void OnChannelMuteUpdated();

  signals:
    // A channel's slider moved (also when it shows a new level) while the page is shown: the
    // Equalizer page follows.
    void channelLevelMoved(int channel, int position);
    // The user went to a channel's slider: the companion program follows.
    void channelSelected(int channel);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Channel {
        QLabel* label = nullptr;
        CTrackbar* slider = nullptr;
        QLabel* value = nullptr;
        QCheckBox* mute = nullptr;
        QCheckBox* invert = nullptr;
        QCheckBox* pink = nullptr;
    };

    void BuildLayout();
    QWidget* BuildGenerator();
    void WatchFocus(QWidget* control);
    void ShowLevel(int channel, int position);
    void ShowMuteAndInvert(int channel);
    void ShowGeneratorMode(int mode);
    void ShowGeneratorChannels(int channels);
    void LabelBackChannels(int config);
    // The user gave the control the focus.
    void RouteGenerator(QWidget* control, bool controlHeld);
    int ChannelOfSlider(const QWidget* control) const;

    kvt::IKVT80& engine_;
    std::array<Channel, kChannels> channels_{};
    std::array<QRadioButton*, 4> generatorModes_{};
    QButtonGroup* generatorGroup_ = nullptr;
    bool syncing_ = false;  // our own level is being passed on
};

}  // namespace kvt::laptop
