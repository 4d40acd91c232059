// CDlgEQForm: the "Equalizer" tab. For one output channel at a time it edits the 27-band
// third-octave equalizer, bass and treble, and the channel's output gain; it feeds pink noise to
// the selected channel, sets the channel's equalizer flat, and selects the input format. For the
// subwoofer the parametric band (CDlgSubParametricForm) takes the place of the bands.
//
// Every value lives in the engine; the page reads them again on Refresh and whenever the channel
// changes. Sliders write by the trackbar's rule (every step while the mouse button or an arrow key
// is held, otherwise by page, to either end or at the end of a track). Muted channels show their
// name in white on red.
//
// Channel index (the engine's Channel argument) and generator bit of each channel button:
// 0 Left 1, 1 Center 2, 2 Right 4, 3 Left Surround 16, 4 Subwoofer 8, 5 Right Surround 32,
// 6 Back Surround Left 64, 7 Back Surround Right 128 (Left Center and Right Center when the unit
// is set up for LCRC).
#pragma once

#include <QWidget>
#include <array>

#include "IKVT80.h"
#include "widgets/EQSliderColumn.h"

class QAbstractButton;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kvt::frontend {
class EngineBridge;
}

namespace kvt::laptop {

class CDlgSubParametricForm;

class CDlgEQForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kChannels = 8;
    static constexpr int kBands = 27;
    static constexpr int kSubwoofer = 4;
    static constexpr int kCenter = 1;

    CDlgEQForm(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr);

    int SelectedChannel() const { return selected_; }
    CDlgSubParametricForm& SubParametric() const { return *subParametric_; }

    // The generator bit of a channel index, and the channel of a generator bit (-1: none).
    static int GeneratorBit(int channel);
    static int ChannelOfGeneratorBit(int bit);
    // The format button index (0 ... 7) that shows a format checked, -1 for none.
    static int FormatButtonOf(int format);

  public slots:
    // Re-reads every value of the page from the engine.
    void Refresh();
    // The input format changed: its button is checked, the others not.
    void ShowInputFormat(int format);
    // Another page moved a channel's output level (gain slider position, -2 x dB): the gain
    // slider follows without writing when that channel is the selected one.
    void SyncChannelLevel(int channel, int level);
    // The unit's channel configuration (InputConfig): names of the last two channels.
    void SetChannelConfig(int config);
    // The companion program selected a channel: 1 ... 7 select that channel, anything else Left.
    // The companion is not told of it again.
    void SelectCompanionChannel(int channel);

  signals:
    // The user selected a channel with its button (for the companion program).
    void channelChosen(int channel);
    // A format button selected this format (already written to Mode).
    void formatChosen(int format);
    // The user moved the selected channel's gain slider while the page is shown.
    void channelLevelMoved(int channel, int level);

  protected:
    void showEvent(QShowEvent* event) override;
    // "SET ALL EQ SETTINGS TO 0dB?"; tests answer it themselves.
    virtual bool AskFlat();

  private:
    void BuildLayout();
    QWidget* BuildChannelButtons();
    void BuildSliders(class QGridLayout* grid);
    QWidget* BuildFormatButtons();

    // Selects the channel and lays the page out for it; with pink noise checked the noise
    // follows when `moveNoise` is set.
    void SelectChannel(int channel, bool moveNoise);
    void ShowChannelLayout();
    void ReadChannelValues();
    void ShowChannelMutes();
    void StartPinkNoise(int channel);
    void SetFlat();
    void OnFormatButton(int index);
    void OnSignalGenState(int mode, int channels);
    int GeneratorChannels() const;

    IKVT80& engine_;
    int selected_ = kCenter;
    int lastGeneratorMask_ = 0;
    bool sendingLevel_ = false;

    std::array<QRadioButton*, kChannels> channelButtons_{};
    QPushButton* flat_ = nullptr;
    QPushButton* pinkNoise_ = nullptr;
    EQSliderColumn bass_;
    EQSliderColumn treble_;
    std::array<EQSliderColumn, kBands> bands_{};
    EQSliderColumn gain_;
    CDlgSubParametricForm* subParametric_ = nullptr;
    std::array<QPushButton*, 8> formatButtons_{};
};

}  // namespace kvt::laptop
