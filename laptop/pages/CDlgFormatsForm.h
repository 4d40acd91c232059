// CDlgFormatsForm: the "Formats" tab. It shows and edits the stored settings of the format the unit
// plays (the engine's Mode): its name, preset fader level, input type, noise reduction, audio
// decode, input, the "Discrete" option, the microphone channel and the projector delays, and the
// unit's power-on format and digital fallback. Its format buttons select the format as those of
// the Inputs page do; a right click on one renames its format.
//
// Most edits end by showing the current format again, which also decides from the stored settings
// whether the advanced options are shown: they are whenever a setting differs from the format's
// standard one.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "IKVT80.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kvt::frontend {
class EngineBridge;
}

namespace kvt::laptop {

class CTrackbar;

class CDlgFormatsForm : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kFormatButtons = 8;

    CDlgFormatsForm(kvt::IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr);

    // The format a format button stands for (its check and its name) and the button of a format:
    // 0 "MONO" ... 3 "EXT 1 (Analog)", 4 "EXT 2 (Digital)" format 8, then "NON/SYNC", "AUX" and
    // "MIC" formats 4 to 6; -1 for a format without a button.
    static int FormatOfButton(int button);
    static int ButtonOfFormat(int format);

    // Renames a format: the first 11 characters go to its first name half, the rest to the second.
    void RenameFormat(int format);

  public slots:
    // Shows the current format (the engine's Mode) and the unit's format settings again.
    void Refresh();
    // A format key or another page's format button selected the format.
    void SelectFormat(int format);

  signals:
    // The format shown or its input settings changed: the frame's format pane and the other pages
    // follow.
    void inputFormatChanged(int format);
    // The main fader is to move to this level (0 ... 100) and the unit's fader with it.
    void faderRequested(int level);

  protected:
    // Asks for a format's new name; nothing when cancelled.
    virtual std::optional<QString> AskFormatName(const QString& current);

  private:
    struct DelayControl {
        QLabel* label = nullptr;
        CTrackbar* slider = nullptr;
        QLabel* value = nullptr;
    };

    void BuildLayout();
    QWidget* BuildFormatButtons();
    QWidget* BuildPreset();
    QGroupBox* BuildPowerOn();
    QWidget* BuildInputSettings();
    QWidget* BuildDelays();
    QGroupBox* BuildFallback();
    DelayControl BuildDelay(int labelId, const QString& label, int sliderId, int valueId,
                            int minimum, int maximum, int mark);

    int CurrentFormat() const;
    QString FormatName(int format) const;
    bool FormatFlag(int format, int32_t (IKVT80::*get)(const Variant&, Variant*)) const;
    void CheckFormatButton(int format);
    void ShowFormatButtonNames();
    void ShowAdvancedOptions(int format);
    void FillAdvancedOptions(int format);
    void SetAdvancedShown(bool shown);
    void ShowLevelControls(bool preset);
    void ShowDelay(const DelayControl& delay, int position);

    void OnFormatButton(int button);
    void OnEnablePreset(bool checked);
    void OnLevelMoved(int position);
    void OnLevelTrackEnded(int position);
    void OnInputType();
    void OnNoiseReduction(int index);
    void OnAudioDecode(int index);
    void OnInputSource(int index);
    void OnAdvancedOptions(bool checked);
    void OnProjectorDelays();

    kvt::IKVT80& engine_;
    std::array<QPushButton*, kFormatButtons> formatButtons_{};
    std::array<QString, kFormatButtons> buttonLabels_{};
    QButtonGroup* formatGroup_ = nullptr;

    QPushButton* enablePreset_ = nullptr;
    QLabel* levelLabel_ = nullptr;
    CTrackbar* level_ = nullptr;
    QLabel* levelValue_ = nullptr;

    QButtonGroup* powerOn_ = nullptr;

    QLabel* inputTypeLabel_ = nullptr;
    QRadioButton* analog_ = nullptr;
    QRadioButton* digital_ = nullptr;  // "S/PDIF", or "AES/EBU" for EXT 2
    QLabel* micLabel_ = nullptr;
    QRadioButton* micCenter_ = nullptr;
    QRadioButton* micSurround_ = nullptr;

    QCheckBox* advanced_ = nullptr;
    QLabel* noiseReductionLabel_ = nullptr;
    QComboBox* noiseReduction_ = nullptr;
    QLabel* audioDecodeLabel_ = nullptr;
    QComboBox* audioDecode_ = nullptr;
    QLabel* inputLabel_ = nullptr;
    QComboBox* input_ = nullptr;
    QCheckBox* discrete_ = nullptr;

    QCheckBox* projectorDelays_ = nullptr;
    QGroupBox* delayGroup_ = nullptr;
    DelayControl inputDelay_;
    DelayControl surroundDelay_;

    QGroupBox* fallbackGroup_ = nullptr;
    QButtonGroup* fallback_ = nullptr;
};

}  // namespace kvt::laptop
