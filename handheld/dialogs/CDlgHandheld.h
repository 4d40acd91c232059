// The handheld's own dialogs, each sized for a 240 x 320 screen with finger-sized controls:
// About, the communication settings (a port list only), Copy EQ and the digital delays.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "IKVT80.h"

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QPushButton;
class QRadioButton;

namespace kvt::handheld {

class PanelSlider;

// Height of the handheld dialogs' buttons and check rows.
inline constexpr int kFingerHeight = 28;

// Adds an OK and a Cancel button, finger-sized, to a dialog's layout.
QDialogButtonBox* AddOkCancel(QDialog* dialog);

// Fits a dialog to the small screen: never wider than the screen it is on (or than 240 pixels
// when there is none), never taller than it.
void FitToSmallScreen(QDialog* dialog, const QWidget* frame);

// "About KVTExecCE": the program's name and its version.
class CDlgAbout : public QDialog {
    Q_OBJECT

  public:
    explicit CDlgAbout(QWidget* parent = nullptr);
    QString Text() const;

  private:
    QString text_;
};

// "Configure Communications": the port the engine connects through. The list holds "COM1" to
// "COM9", the serial devices present and the engine's port when it is none of these; the network
// and USB links of the laptop program are not offered. OK writes ComPort; Cancel writes nothing.
class CDlgCommSettings : public QDialog {
    Q_OBJECT

  public:
    using DeviceLister = std::function<std::vector<std::string>()>;

    CDlgCommSettings(IKVT80& engine, QWidget* parent = nullptr, DeviceLister listDevices = {});

    QComboBox* PortList() const { return ports_; }
    void accept() override;

  private:
    IKVT80& engine_;
    QComboBox* ports_ = nullptr;
};

// "Copy EQ": the channel copied from ("Channel 1" ... "Channel 8") and the channels copied to;
// channel 5 (the subwoofer, with no bands of its own) is in neither list. "Copy >>" closes the
// dialog with the choice, which Apply hands to the engine's CopyEQ.
class CDlgCopyEQ : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kChannels = 8;
    static constexpr int kSubwoofer = 4;

    // sourceChannel starts checked (none for the subwoofer or an index out of range).
    explicit CDlgCopyEQ(int sourceChannel, QWidget* parent = nullptr);

    QRadioButton* SourceButton(int channel) const { return sources_[channel]; }
    QCheckBox* DestinationBox(int channel) const { return destinations_[channel]; }
    QPushButton* CopyButton() const { return copy_; }
    // The source channel, -1 while none is chosen.
    int SourceChannel() const;
    std::array<bool, kChannels> Destinations() const;
    int32_t Apply(IKVT80& engine) const;

  private:
    void UpdateCopyButton();

    std::array<QRadioButton*, kChannels> sources_{};
    std::array<QCheckBox*, kChannels> destinations_{};
    QPushButton* copy_ = nullptr;
};

// "Digital Delays": the input delay (32 to 140 ms) and the surround delay (0 to 100 ms) that
// apply to every digital format. OK writes the delays that changed; Cancel writes nothing.
class CDlgDigitalDelays : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kInputDelayMin = 32;
    static constexpr int kInputDelayMax = 140;
    static constexpr int kSurroundDelayMax = 100;

    explicit CDlgDigitalDelays(IKVT80& engine, QWidget* parent = nullptr);

    PanelSlider* InputDelay() const { return input_; }
    PanelSlider* SurroundDelay() const { return surround_; }
    void accept() override;

  private:
    void ShowValues();

    IKVT80& engine_;
    PanelSlider* input_ = nullptr;
    PanelSlider* surround_ = nullptr;
    int readInput_ = 0;
    int readSurround_ = 0;
};

}  // namespace kvt::handheld
