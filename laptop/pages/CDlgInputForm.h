// CDlgInputForm: the "Inputs" tab. The technician picks the input format (the unit's front-panel
// buttons) and the projector preamp, sets the preamp gains, the slit and mono EQ and the matrix
// controls (surround delay and gain, subwoofer gain and crossover), watches the two input levels
// against the calibration point, and runs the analyser.
//
// Every value lives in the engine; the page reads them all again on a refresh and after every
// format change. What the two gain sliders write depends on the kind of the current format: the
// projector preamp's gains, the aux gains, the mic gains (the two sliders linked) or the non-sync
// gain (linked), or nothing.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

#include "IKVT80.h"

class QLabel;
class QPushButton;

namespace kvt::frontend {
class CCtlRTA;
class EngineBridge;
}  // namespace kvt::frontend

namespace kvt::laptop {

class CTrackbar;
struct InputSlider;
enum class SliderRole : int;

// The kind of a format, from its flags in the engine.
struct FormatKind {
    bool projector = false;
    bool monoEQ = false;
    bool digital = false;
    bool spdif = false;
    bool aux = false;
    bool nonSync = false;
    bool mic = false;

    static FormatKind Of(IKVT80& engine, int format);
    // One input feeds both channels: the right gain slider has nothing of its own.
    bool Single() const { return nonSync || mic || digital || spdif; }
    bool Linked() const { return mic || nonSync; }
};

// The four lamps of a level indicator, top to bottom, as images: 0 outer lit, 1 outer unlit,
// 2 inner lit, 3 inner unlit.
using LevelLamps = std::array<int, 4>;
LevelLamps LampsForLevel(double level);
inline constexpr LevelLamps kLampsDark{1, 3, 3, 1};
inline constexpr double kNoInputLevel = -80.0;

class CDlgInputForm : public QWidget {
    Q_OBJECT

  public:
    // The format shown checked by each button (button index = id - 1352).
    static constexpr std::array<int, 8> kButtonShowsFormat{0, 1, 2, 3, 8, 4, 5, 6};
    static constexpr int kFirstFormatButtonId = 1352;

    CDlgInputForm(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                  QWidget* parent = nullptr);
    ~CDlgInputForm() override;

    frontend::CCtlRTA& Analyser() const { return *analyser_; }

  public slots:
    // Shows the current format and reads every value again.
    void Refresh();
    // The input format changed (a page, a format key or the unit): labels, enable rules, values.
    void OnInputFormatChanged(int format);
    void ShowInputLevels(double left, double right);

  signals:
    // A format button wrote Mode: the frame's format pane and the other pages follow.
    void inputFormatChanged(int format);
    void selectFormat(int format);
    void showZoomedRequested();

  private:
    void BuildLayout(frontend::EngineBridge& bridge, int languageCode);
    QWidget* BuildFormatButtons();
    QWidget* BuildSliders();
    QWidget* BuildLevels();
    void ReadValues();
    void ClickFormatButton(int index);
    void SelectProjector(int preamp);
    void SetFormatButtonsEnabled(bool enabled);
    void CheckFormatButton(int format);

    // Slider handling: the display always, the engine's value when write is set.
    void OnSliderShown(const InputSlider& slider, int position);
    void OnSliderWritten(const InputSlider& slider, int position);
    void WriteSlider(const InputSlider& slider, int position, const FormatKind& kind, int preamp);
    QString DisplayText(const InputSlider& slider, int position, const FormatKind& kind) const;
    void ShowDisplay(SliderRole role);
    void SetSliderEnabled(SliderRole role, bool enabled);
    void SetPosition(SliderRole role, int position);
    int CurrentFormat() const;
    int SelectedPreamp() const;
    bool GeneratorActive() const;

    IKVT80& engine_;
    std::array<QPushButton*, 8> formatButtons_{};
    QPushButton* projector1_ = nullptr;
    QPushButton* projector2_ = nullptr;
    QLabel* modeLabel_ = nullptr;
    QString leftGainText_;
    QString rightGainText_;
    struct SliderControls {
        QLabel* label = nullptr;
        CTrackbar* trackbar = nullptr;
        QLabel* display = nullptr;
    };
    SliderControls& Controls(SliderRole role);
    std::array<SliderControls, 8> sliders_{};
    std::array<QLabel*, 8> lamps_{};
    QLabel* leftLevel_ = nullptr;
    QLabel* rightLevel_ = nullptr;
    std::array<QPixmap, 4> lampImages_;
    frontend::CCtlRTA* analyser_ = nullptr;
};

}  // namespace kvt::laptop
