// CPanelFormatSetup: the stored settings of the current input format (the engine's Mode) and the
// unit's start-up choices. "Power On Format" picks the format the unit starts in; "Enable Preset"
// and the "Format Level" slider set the format's preset fader level; "Input Type" (formats
// Non-Sync, Aux and Ext 2) and "Mic Channel" (the Mic format) are shown for their formats only;
// "Digital Delay" opens the digital delays; "Digital Fallback" is shown for Ext 2 while it takes
// AES/EBU. Every choice is written at once and the panel then reads the engine again.
#pragma once

#include <array>

#include "CPanel.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kvt::handheld {

class PanelSlider;

class CPanelFormatSetup : public CPanel {
    Q_OBJECT

  public:
    // PowerOnFormat of each "Power On Format" radio in the panel's order (Mono, Stereo, For SR,
    // Ext 1, Ext 2, NON/Sync, Aux, Mic, Last Selected), and DigitalFallbackMode of each
    // "Digital Fallback" radio (Ext 2, Mono, Stereo, For SR, Ext 1, NON/Sync, Aux, Mic).
    static constexpr std::array<int, 9> kPowerOnValues{0, 1, 2, 3, 8, 4, 5, 6, 128};
    static constexpr std::array<int, 8> kFallbackValues{0, 1, 2, 3, 4, 6, 7, 8};
    static constexpr int kPresetLevel = 70;
    static constexpr int kMicFormat = 6;
    static constexpr int kDigitalBFormat = 8;

    CPanelFormatSetup(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr);

    QRadioButton* PowerOnButton(int index) const { return powerOn_[index]; }
    QRadioButton* FallbackButton(int index) const { return fallback_[index]; }
    QGroupBox* FallbackGroup() const { return fallbackGroup_; }
    QPushButton* PresetButton() const { return preset_; }
    PanelSlider* LevelSlider() const { return level_; }
    QWidget* InputTypeControls() const { return inputType_; }
    QRadioButton* AnalogButton() const { return analog_; }
    QRadioButton* DigitalButton() const { return digital_; }
    QWidget* MicChannelControls() const { return micChannel_; }
    QRadioButton* CenterButton() const { return center_; }
    QRadioButton* SurroundButton() const { return surround_; }
    QPushButton* DigitalDelayButton() const { return digitalDelay_; }

    // Whether the format's input type is chosen here: Non-Sync, Aux and Ext 2.
    static bool HasInputType(int format);

    void Refresh() override;

  signals:
    // "Digital Delay": the frame opens the digital delays.
    void digitalDelaysRequested();

  private:
    QGroupBox* BuildPowerOn();
    QWidget* BuildMiddle();
    QGroupBox* BuildFallback();
    int CurrentFormat() const;
    bool FormatFlag(int format, int32_t (IKVT80::*get)(const Variant&, Variant*)) const;
    void OnPreset(bool checked);
    void OnLevel(int position);
    void WriteLevel();
    void OnInputType();
    void OnMicChannel();
    void ShowLevelControls(bool enabled);

    QLabel* formatName_ = nullptr;
    std::array<QRadioButton*, kPowerOnValues.size()> powerOn_{};
    std::array<QRadioButton*, kFallbackValues.size()> fallback_{};
    QButtonGroup* powerOnGroup_ = nullptr;
    QButtonGroup* fallbackButtons_ = nullptr;
    QGroupBox* fallbackGroup_ = nullptr;
    QPushButton* preset_ = nullptr;
    PanelSlider* level_ = nullptr;
    QWidget* inputType_ = nullptr;
    QRadioButton* analog_ = nullptr;
    QRadioButton* digital_ = nullptr;
    QWidget* micChannel_ = nullptr;
    QRadioButton* center_ = nullptr;
    QRadioButton* surround_ = nullptr;
    QPushButton* digitalDelay_ = nullptr;
};

}  // namespace kvt::handheld
