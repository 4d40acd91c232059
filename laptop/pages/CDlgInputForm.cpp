#include "CDlgInputForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "CCtlRTA.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "widgets/CFaderValueDisplay.h"
#include "widgets/CTabberWnd.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {

using frontend::IntProperty;

enum class SliderRole : int {
    LeftGain,
    RightGain,
    SlitEQ,
    MonoEQ,
    Delay,
    SurroundGain,
    SubGain,
    SubFreq
};

// A slider of the page: its controls' identifiers, its range of positions and how a position
// becomes the engine's value and the display's text.
struct InputSlider {
    SliderRole role;
    int id;
    int displayId;
    int labelId;
    const char* label;
    Qt::Orientation orientation;
    bool matrix;  // dark blue thumb (the matrix controls), else olive
    int minimum;
    int maximum;
    const char* unit;  // nullptr: the number alone
};

namespace {

constexpr int kDisplayOnly = -1;
constexpr int kNonSyncMinimum = -60;
constexpr int kNonSyncMaximum = 240;
constexpr int kGainMinimum = -119;
constexpr int kGainMaximum = 239;
constexpr int kProjector1Id = 1412;
constexpr int kProjector2Id = 1413;
constexpr int kModeId = 1486;
constexpr int kFirstLampId = 1478;
constexpr int kLeftLevelId = 1487;
constexpr int kRightLevelId = 1488;
constexpr double kLampBand = 0.5;
constexpr double kInnerBand = 0.25;

const QColor kOlive(0xAA, 0xAA, 0);
const QColor kDarkBlue(0, 0, 0x77);
constexpr int kThumbBreadth = 15;  // across the sliders; they have no ticks beside them

// In the order of the page's sliders array.
const std::array<InputSlider, 8> kSliders{{
    {SliderRole::LeftGain, 1011, 1220, 1397,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "Left\nGain"), Qt::Vertical, false,
     kGainMinimum, kGainMaximum, nullptr},
    {SliderRole::RightGain, 1013, 1221, 1398,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "Right\nGain"), Qt::Vertical, false,
     kGainMinimum, kGainMaximum, nullptr},
    {SliderRole::SlitEQ, 1015, 1218, 1399,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "Slit EQ"), Qt::Horizontal, false, 10, 32,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "KHz")},
    {SliderRole::MonoEQ, 1017, 1219, 1400,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "Mono EQ"), Qt::Horizontal, false, 6, 30,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "KHz")},
    {SliderRole::Delay, 1019, 1222, 1402,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "Surround\nDelay"), Qt::Vertical, false, -220,
     -10, QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "mS")},
    {SliderRole::SurroundGain, 1020, 1223, 1403,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "Surround\nGain"), Qt::Vertical, true, -60, 60,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "dB")},
    {SliderRole::SubGain, 1021, 1224, 1404,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "Sub\nGain"), Qt::Vertical, true, -60, 60,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "dB")},
    {SliderRole::SubFreq, 1023, 1226, 1406,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "Sub\nFreq."), Qt::Vertical, true, -8, -5,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "Hz")},
}};

constexpr std::array<const char*, 8> kFormatButtonTexts{
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "MONO"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "STEREO"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "For SR"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "EXT 1 (Analog)"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "EXT 2 (Digital)"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "NON/SYNC"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "AUX"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgInputForm", "MIC"),
};
// The buttons the generator takes away on a refresh: "MONO", "STEREO", "For SR", "MIC".
constexpr std::array<int, 4> kGeneratorDisabledButtons{0, 1, 2, 7};

constexpr std::array<const char*, 4> kLampImages{
    ":/icons/level-outer-lit.svg",
    ":/icons/level-outer-unlit.svg",
    ":/icons/level-inner-lit.svg",
    ":/icons/level-inner-unlit.svg",
};
constexpr int kLampSize = 16;

const InputSlider& Row(SliderRole role) {
    return kSliders[static_cast<size_t>(role)];
}

bool FlagSet(IKVT80& engine, int32_t (IKVT80::*getter)(const Variant&, Variant*), int format) {
    Variant value;
    return (engine.*getter)(Variant::Int(format), &value) == status::Ok &&
           value.BoolField() == VARIANT_TRUE;
}

// A value in tenths with one decimal, as the main fader shows it.
QString Tenths(int tenths) {
    return FaderText(tenths);
}

// The page's positions are whole numbers; a value read back becomes the nearest one.
int Position(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

FormatKind FormatKind::Of(IKVT80& engine, int format) {
    FormatKind kind;
    kind.projector = FlagSet(engine, &IKVT80::get_FormatP1, format) ||
                     FlagSet(engine, &IKVT80::get_FormatP2, format);
    kind.monoEQ = FlagSet(engine, &IKVT80::get_FormatMonoEQ, format);
    kind.digital = FlagSet(engine, &IKVT80::get_FormatDigital, format);
    kind.spdif = FlagSet(engine, &IKVT80::get_FormatSPDIFF, format);
    kind.aux = FlagSet(engine, &IKVT80::get_FormatAux, format);
    kind.nonSync = FlagSet(engine, &IKVT80::get_FormatNS, format);
    kind.mic = FlagSet(engine, &IKVT80::get_FormatMic, format);
    return kind;
}

LevelLamps LampsForLevel(double level) {
    if (level < -kLampBand) {
        return {1, 3, 3, 0};
    }
    if (level > kLampBand) {
        return {0, 3, 3, 1};
    }
    if (level <= -kInnerBand) {
        return {1, 3, 2, 1};
    }
    if (level >= kInnerBand) {
        return {1, 2, 3, 1};
    }
    return {1, 2, 2, 1};
}

CDlgInputForm::CDlgInputForm(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                             QWidget* parent)
    : QWidget(parent), engine_(engine) {
    for (size_t i = 0; i < kLampImages.size(); ++i) {
        lampImages_[i] = QIcon(QString::fromLatin1(kLampImages[i])).pixmap(kLampSize, kLampSize);
    }
    BuildLayout(bridge, languageCode);

    connect(&bridge, &frontend::EngineBridge::inputLevelsUpdated, this,
            &CDlgInputForm::ShowInputLevels);
    connect(&bridge, &frontend::EngineBridge::selectedPreampChanged, this,
            [this](int) { OnInputFormatChanged(CurrentFormat()); });
    connect(&bridge, &frontend::EngineBridge::signalGenState, this,
            [this](int, int channels) { SetFormatButtonsEnabled(channels == 0); });

    for (const InputSlider& slider : kSliders) {
        SetPosition(slider.role, Controls(slider.role).trackbar->value());
    }
    ShowInputLevels(kNoInputLevel, kNoInputLevel);
    OnInputFormatChanged(CurrentFormat());
}

CDlgInputForm::~CDlgInputForm() = default;

// ---- Layout ----------------------------------------------------------------------------------

void CDlgInputForm::BuildLayout(frontend::EngineBridge& bridge, int languageCode) {
    analyser_ =
        new frontend::CCtlRTA(engine_, bridge, frontend::AnalyserMetrics::Page(languageCode), this);
    connect(analyser_, &frontend::CCtlRTA::showZoomedRequested, this,
            &CDlgInputForm::showZoomedRequested);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildFormatButtons());
    left->addWidget(BuildSliders(), 1);

    auto* right = new QVBoxLayout;
    right->addWidget(BuildLevels());
    right->addStretch(1);
    right->addWidget(analyser_, 0, Qt::AlignRight | Qt::AlignBottom);

    auto* page = new QHBoxLayout(this);
    page->addLayout(left, 1);
    page->addLayout(right);
}

QWidget* CDlgInputForm::BuildFormatButtons() {
    auto* box = new QGroupBox(tr("Input Format"), this);
    box->setObjectName(QStringLiteral("inputFormat"));
    auto* grid = new QGridLayout(box);
    grid->setSpacing(4);
    for (int i = 0; i < static_cast<int>(formatButtons_.size()); ++i) {
        auto* button = new QPushButton(tr(kFormatButtonTexts[i]), box);
        button->setObjectName(QString::number(kFirstFormatButtonId + i));
        button->setAccessibleName(button->text());
        button->setCheckable(true);
        button->setAutoExclusive(false);
        connect(button, &QPushButton::clicked, this, [this, i] { ClickFormatButton(i); });
        formatButtons_[i] = button;
        grid->addWidget(button, i / 4, i % 4);
    }

    projector1_ = new QPushButton(tr("Projector 1"), box);
    projector2_ = new QPushButton(tr("Projector 2"), box);
    for (auto [button, id, preamp] :
         {std::tuple{projector1_, kProjector1Id, 0}, std::tuple{projector2_, kProjector2Id, 1}}) {
        button->setObjectName(QString::number(id));
        button->setAccessibleName(button->text());
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this, [this, p = preamp] { SelectProjector(p); });
        CTabberWnd::Wrap(button);
    }
    modeLabel_ = new QLabel(tr("Mode"), box);
    modeLabel_->setObjectName(QString::number(kModeId));
    modeLabel_->setAlignment(Qt::AlignCenter);
    modeLabel_->setFrameShape(QFrame::StyledPanel);
    grid->addWidget(projector1_, 2, 0);
    grid->addWidget(projector2_, 2, 1);
    grid->addWidget(modeLabel_, 2, 2, 1, 2);
    return box;
}

QWidget* CDlgInputForm::BuildSliders() {
    auto* box = new QGroupBox(tr("Levels and Matrix"), this);
    box->setObjectName(QStringLiteral("levelsAndMatrix"));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(2);
    int column = 0;
    for (const InputSlider& slider : kSliders) {
        SliderControls& controls = Controls(slider.role);
        controls.label = new QLabel(tr(slider.label), box);
        controls.label->setObjectName(QString::number(slider.labelId));
        controls.label->setAlignment(Qt::AlignCenter);
        controls.trackbar = new CTrackbar(slider.orientation, box);
        controls.trackbar->SetThumbColour(slider.matrix ? kDarkBlue : kOlive);
        controls.trackbar->SetThumbBreadth(kThumbBreadth);
        // Steps, drags and the ends move these sliders; page keys and the channel do not.
        controls.trackbar->setPageStep(0);
        controls.trackbar->setObjectName(QString::number(slider.id));
        controls.trackbar->setAccessibleName(controls.label->text().simplified());
        controls.trackbar->setRange(slider.minimum, slider.maximum);
        controls.label->setBuddy(controls.trackbar);
        controls.display = new QLabel(box);
        controls.display->setObjectName(QString::number(slider.displayId));
        controls.display->setAlignment(Qt::AlignCenter);
        controls.display->setMinimumWidth(
            controls.display->fontMetrics().horizontalAdvance(QStringLiteral("-23.9")) + 8);
        controls.display->setFrameShape(QFrame::StyledPanel);
        CTabberWnd::Wrap(controls.trackbar);

        const InputSlider* row = &slider;
        connect(controls.trackbar, &CTrackbar::positionDisplayed, this,
                [this, row](int position) { OnSliderShown(*row, position); });
        connect(controls.trackbar, &CTrackbar::positionWritten, this,
                [this, row](int position) { OnSliderWritten(*row, position); });

        if (slider.orientation == Qt::Horizontal) {
            // The two EQ sliders lie under the vertical ones, each across three columns.
            const int at = slider.role == SliderRole::SlitEQ ? 0 : 3;
            grid->addWidget(controls.label, 3, at, 1, 3);
            grid->addWidget(controls.trackbar, 4, at, 1, 2);
            grid->addWidget(controls.display, 4, at + 2);
            continue;
        }
        controls.trackbar->setMinimumHeight(110);
        grid->addWidget(controls.label, 0, column);
        grid->addWidget(controls.trackbar, 1, column, Qt::AlignHCenter);
        grid->addWidget(controls.display, 2, column);
        ++column;
    }
    leftGainText_ = Controls(SliderRole::LeftGain).label->text();
    rightGainText_ = Controls(SliderRole::RightGain).label->text();
    grid->setRowStretch(1, 1);
    return box;
}

QWidget* CDlgInputForm::BuildLevels() {
    auto* box = new QGroupBox(tr("Input Levels"), this);
    box->setObjectName(QStringLiteral("inputLevels"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    for (int side = 0; side < 2; ++side) {
        auto* name = new QLabel(side == 0 ? tr("Left") : tr("Right"), box);
        name->setAlignment(Qt::AlignCenter);
        grid->addWidget(name, 0, side);
        for (int lamp = 0; lamp < 4; ++lamp) {
            auto* image = new QLabel(box);
            image->setObjectName(QString::number(kFirstLampId + side * 4 + lamp));
            image->setFixedSize(kLampSize, kLampSize);
            lamps_[side * 4 + lamp] = image;
            grid->addWidget(image, 1 + lamp, side, Qt::AlignHCenter);
        }
        auto* value = new QLabel(box);
        value->setObjectName(QString::number(side == 0 ? kLeftLevelId : kRightLevelId));
        value->setAlignment(Qt::AlignCenter);
        value->setFrameShape(QFrame::StyledPanel);
        value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("-80.0")) +
                               10);
        grid->addWidget(value, 5, side);
        (side == 0 ? leftLevel_ : rightLevel_) = value;
    }
    return box;
}

// ---- Format and projector --------------------------------------------------------------------

int CDlgInputForm::CurrentFormat() const {
    return IntProperty(engine_, &IKVT80::get_Mode);
}

int CDlgInputForm::SelectedPreamp() const {
    return IntProperty(engine_, &IKVT80::get_SelectedPreamp);
}

bool CDlgInputForm::GeneratorActive() const {
    return IntProperty(engine_, &IKVT80::get_GeneratorChannels) != 0;
}

void CDlgInputForm::CheckFormatButton(int format) {
    for (size_t i = 0; i < formatButtons_.size(); ++i) {
        formatButtons_[i]->setChecked(kButtonShowsFormat[i] == format);
    }
}

void CDlgInputForm::ClickFormatButton(int index) {
    for (size_t i = 0; i < formatButtons_.size(); ++i) {
        formatButtons_[i]->setChecked(static_cast<int>(i) == index);
    }
    // The button plays what the unit's button table holds, as its front panel does.
    int32_t format = 0;
    if (engine_.get_ButtonFormat(Variant::Int(index), &format) != status::Ok) {
        return;
    }
    engine_.put_Mode(Variant::Int(format));
    emit inputFormatChanged(format);
    emit selectFormat(format);
}

void CDlgInputForm::SelectProjector(int preamp) {
    engine_.put_SelectedPreamp(Variant::Int(preamp));
    OnInputFormatChanged(CurrentFormat());
}

void CDlgInputForm::SetFormatButtonsEnabled(bool enabled) {
    for (QPushButton* button : formatButtons_) {
        button->setEnabled(enabled);
    }
}

void CDlgInputForm::OnInputFormatChanged(int format) {
    CheckFormatButton(format);
    projector1_->setChecked(false);
    projector2_->setChecked(false);

    const FormatKind kind = FormatKind::Of(engine_, format);
    const bool generator = GeneratorActive();
    projector1_->setEnabled(kind.projector);
    projector2_->setEnabled(kind.projector);
    if (kind.projector) {
        const int preamp = SelectedPreamp();
        projector1_->setChecked(preamp == 0);
        projector2_->setChecked(preamp == 1);
    }

    const bool single = kind.Single();
    const bool digitalInput = kind.digital || kind.spdif;
    const SliderControls& leftGain = Controls(SliderRole::LeftGain);
    const SliderControls& rightGain = Controls(SliderRole::RightGain);
    leftGain.label->setText(single ? tr("\nGain") : leftGainText_);
    rightGain.label->setText(single ? tr("\nGain") : rightGainText_);
    SetSliderEnabled(SliderRole::LeftGain, !digitalInput);
    SetSliderEnabled(SliderRole::RightGain, !single);

    SetSliderEnabled(SliderRole::SlitEQ, kind.projector);
    SetSliderEnabled(SliderRole::Delay, kind.projector);
    SetSliderEnabled(SliderRole::SurroundGain, kind.projector);
    SetSliderEnabled(SliderRole::MonoEQ, kind.monoEQ);
    SetSliderEnabled(SliderRole::SubGain, kind.projector || generator);
    SetSliderEnabled(SliderRole::SubFreq, kind.projector || generator);

    const int minimum = kind.nonSync ? kNonSyncMinimum : kGainMinimum;
    const int maximum = kind.nonSync ? kNonSyncMaximum : kGainMaximum;
    leftGain.trackbar->blockSignals(true);
    rightGain.trackbar->blockSignals(true);
    leftGain.trackbar->setRange(minimum, maximum);
    rightGain.trackbar->setRange(minimum, maximum);
    leftGain.trackbar->blockSignals(false);
    rightGain.trackbar->blockSignals(false);
    ReadValues();
}

CDlgInputForm::SliderControls& CDlgInputForm::Controls(SliderRole role) {
    return sliders_[static_cast<size_t>(role)];
}

void CDlgInputForm::SetSliderEnabled(SliderRole role, bool enabled) {
    const SliderControls& controls = Controls(role);
    controls.label->setEnabled(enabled);
    controls.trackbar->setEnabled(enabled);
    controls.display->setEnabled(enabled);
}

// ---- Values ----------------------------------------------------------------------------------

// A refresh may follow a retrieval that changed the format without an event: the enable rules
// and labels are those of the format the engine now holds.
void CDlgInputForm::Refresh() {
    OnInputFormatChanged(CurrentFormat());
}

void CDlgInputForm::ReadValues() {
    const bool generator = GeneratorActive();
    for (int index : kGeneratorDisabledButtons) {
        formatButtons_[index]->setEnabled(!generator);
    }

    const int format = CurrentFormat();
    const FormatKind kind = FormatKind::Of(engine_, format);
    if (kind.spdif) {
        modeLabel_->setText(tr("S/PDIF"));
    } else if (kind.digital) {
        modeLabel_->setText(tr("Digital"));
    } else if (kind.projector) {
        modeLabel_->setText(tr("Optical"));
    } else {
        std::u16string first;
        std::u16string second;
        engine_.get_FormatTxt1(Variant::Int(format), &first);
        engine_.get_FormatTxt2(Variant::Int(format), &second);
        modeLabel_->setText(frontend::ToQString(first) + frontend::ToQString(second));
    }

    const int preamp = SelectedPreamp();
    const Variant projector = Variant::Int(preamp);
    double left = 0;
    double right = 0;
    bool gainsRead = true;
    // In the order the sliders write them, so a format of two kinds shows what it writes.
    if (kind.projector) {
        engine_.get_LeftInputGain(projector, &left);
        engine_.get_RightInputGain(projector, &right);
    } else if (kind.aux) {
        engine_.get_LeftAuxGain(&left);
        engine_.get_RightAuxGain(&right);
    } else if (kind.mic) {
        engine_.get_LeftMicGain(&left);
        engine_.get_RightMicGain(&right);
    } else if (kind.nonSync) {
        engine_.get_NonSyncGain(&left);
        right = left;
    } else {
        gainsRead = false;
    }
    if (gainsRead) {
        SetPosition(SliderRole::LeftGain, Position(-10 * left));
        SetPosition(SliderRole::RightGain, Position(-10 * right));
    } else {
        ShowDisplay(SliderRole::LeftGain);
        ShowDisplay(SliderRole::RightGain);
    }

    double slit = 0;
    engine_.get_SlitEQ(projector, &slit);
    SetPosition(SliderRole::SlitEQ, Position(slit));
    double mono = 0;
    engine_.get_MonoEQ(&mono);
    SetPosition(SliderRole::MonoEQ, Position(2 * mono));
    int32_t delay = 0;
    engine_.get_Delay(&delay);
    SetPosition(SliderRole::Delay, -delay);
    double surround = 0;
    engine_.get_SurroundGain(&surround);
    SetPosition(SliderRole::SurroundGain, Position(-10 * surround));
    double sub = 0;
    engine_.get_SubwooferGain(&sub);
    SetPosition(SliderRole::SubGain, Position(-10 * sub));
    double frequency = 0;
    engine_.get_SubwooferFreq(&frequency);
    SetPosition(SliderRole::SubFreq, Position(-frequency / 10));
}

void CDlgInputForm::SetPosition(SliderRole role, int position) {
    Controls(role).trackbar->SetPosition(position);
    // Also when the position stays: the display follows the format's kind.
    ShowDisplay(role);
}

void CDlgInputForm::ShowDisplay(SliderRole role) {
    const SliderControls& controls = Controls(role);
    const FormatKind kind = FormatKind::Of(engine_, CurrentFormat());
    controls.display->setText(DisplayText(Row(role), controls.trackbar->value(), kind));
}

QString CDlgInputForm::DisplayText(const InputSlider& slider, int position,
                                   const FormatKind& kind) const {
    QString number;
    switch (slider.role) {
        case SliderRole::LeftGain:
        case SliderRole::RightGain: {
            const bool routed = kind.projector || kind.aux || kind.mic || kind.nonSync;
            return routed ? Tenths(-position) : Tenths(0);
        }
        case SliderRole::SlitEQ:
            number = QString::number(position);
            break;
        case SliderRole::MonoEQ:
            number = Tenths(position * 5);
            break;
        case SliderRole::Delay:
            number = QString::number(-position);
            break;
        case SliderRole::SurroundGain:
        case SliderRole::SubGain:
            number = Tenths(-position);
            break;
        case SliderRole::SubFreq:
            number = QString::number(-position * 10);
            break;
    }
    return number + QLatin1Char('\n') + tr(slider.unit);
}

void CDlgInputForm::OnSliderShown(const InputSlider& slider, int position) {
    const FormatKind kind = FormatKind::Of(engine_, CurrentFormat());
    if (slider.role == SliderRole::LeftGain && kind.Linked()) {
        Controls(SliderRole::RightGain).trackbar->SetPosition(position);
    }
    Controls(slider.role).display->setText(DisplayText(slider, position, kind));
}

void CDlgInputForm::OnSliderWritten(const InputSlider& slider, int position) {
    const FormatKind kind = FormatKind::Of(engine_, CurrentFormat());
    const int preamp = SelectedPreamp();
    WriteSlider(slider, position, kind, preamp);
    if (slider.role == SliderRole::LeftGain && kind.Linked()) {
        WriteSlider(Row(SliderRole::RightGain), position, kind, preamp);
    }
}

void CDlgInputForm::WriteSlider(const InputSlider& slider, int position, const FormatKind& kind,
                                int preamp) {
    const Variant projector = Variant::Int(preamp);
    const double tenths = -position / 10.0;
    switch (slider.role) {
        case SliderRole::LeftGain:
        case SliderRole::RightGain: {
            const bool isLeft = slider.role == SliderRole::LeftGain;
            if (kind.projector) {
                isLeft ? engine_.put_LeftInputGain(projector, tenths)
                       : engine_.put_RightInputGain(projector, tenths);
            } else if (kind.aux) {
                isLeft ? engine_.put_LeftAuxGain(tenths) : engine_.put_RightAuxGain(tenths);
            } else if (kind.mic) {
                isLeft ? engine_.put_LeftMicGain(tenths) : engine_.put_RightMicGain(tenths);
            } else if (kind.nonSync) {
                engine_.put_NonSyncGain(tenths);
            }
            break;
        }
        case SliderRole::SlitEQ:
            engine_.put_SlitEQ(projector, position);
            break;
        case SliderRole::MonoEQ:
            engine_.put_MonoEQ(position / 2.0);
            break;
        case SliderRole::Delay:
            engine_.put_Delay(-position);
            break;
        case SliderRole::SurroundGain:
            engine_.put_SurroundGain(tenths);
            break;
        case SliderRole::SubGain:
            engine_.put_SubwooferGain(tenths);
            break;
        case SliderRole::SubFreq:
            engine_.put_SubwooferFreq(-position * 10);
            break;
    }
}

// ---- Input levels ----------------------------------------------------------------------------

void CDlgInputForm::ShowInputLevels(double left, double right) {
    const bool silent = left == kNoInputLevel && right == kNoInputLevel;
    const std::array<double, 2> levels{left, right};
    for (int side = 0; side < 2; ++side) {
        const LevelLamps lamps = silent ? kLampsDark : LampsForLevel(levels[side]);
        for (int lamp = 0; lamp < 4; ++lamp) {
            QLabel* image = lamps_[side * 4 + lamp];
            if (image->property("image").toInt() != lamps[lamp] || image->pixmap().isNull()) {
                image->setProperty("image", lamps[lamp]);
                image->setPixmap(lampImages_[lamps[lamp]]);
            }
        }
    }
    leftLevel_->setText(Tenths(static_cast<int>(left * 10)));
    rightLevel_->setText(Tenths(static_cast<int>(right * 10)));
}

}  // namespace kvt::laptop
