#include "CDlgFormatsForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "dialogs/CDlgChangeFormatName.h"
#include "widgets/CFaderValueDisplay.h"
#include "widgets/CTabberWnd.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {

namespace {

constexpr int kFirstFormatButton = 1352;
constexpr int kFirstPowerOn = 1469;
constexpr int kFirstFallback = 1500;
constexpr int kSliderThumbBreadth = 21;

// The format each button stands for, in the buttons' order.
constexpr std::array<int, CDlgFormatsForm::kFormatButtons> kButtonFormats{0, 1, 2, 3, 8, 4, 5, 6};
constexpr std::array<const char*, CDlgFormatsForm::kFormatButtons> kButtonLabels{
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "MONO"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "STEREO"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "For SR"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "EXT 1 (Analog)"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "EXT 2 (Digital)"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "NON/SYNC"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "AUX"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "MIC"),
};
// The buttons of the formats that cannot play while the generator does.
constexpr std::array<int, 4> kGeneratorLockedButtons{0, 1, 2, 7};

// A radio of a group: its text and the value it stands for.
struct Choice {
    const char* text;
    int value;
};

constexpr int kLastSelected = 128;
constexpr std::array<Choice, 9> kPowerOnChoices{{
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "NON/SYNC"), 4},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "MONO"), 0},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "STEREO"), 1},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "For SR"), 2},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "EXT 1 (Analog)"), 3},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "EXT 2 (Digital)"), 8},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "AUX"), 5},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "MIC"), 6},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "Last Selected"), kLastSelected},
}};

constexpr std::array<Choice, 8> kFallbackChoices{{
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "EXT 2 (Digital)"), 0},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "MONO"), 1},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "STEREO"), 2},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "For SR"), 3},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "EXT 1 (Analog)"), 4},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "NON/SYNC"), 6},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "AUX"), 7},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgFormatsForm", "MIC"), 8},
}};

constexpr int kMicFormat = 6;
constexpr int kDigitalBFormat = 8;
constexpr int kPresetLevel = 70;

// The formats whose input type is chosen here, and those with advanced options.
bool HasInputType(int format) {
    return format == 4 || format == 5 || format == kDigitalBFormat;
}
bool HasAdvancedOptions(int format) {
    return format >= 0 && format <= 2;
}

// Audio decode entries and what each stores: mono EQ, matrix, output mask.
enum Decode { kDecode51, kDecode20, kDecodeMono, kDecodeLCR, kDecodeLR };
struct DecodeSetting {
    bool monoEQ;
    int matrix;
    int outputMask;
};
constexpr std::array<DecodeSetting, 5> kDecodeSettings{{
    {false, 0, 0},
    {false, 1, 0},
    {true, 0, 0},
    {false, 1, 240},
    {false, 1, 244},
}};
// In a mask, this bit tells "L,R Only" from "L,C,R Only".
constexpr int kWithoutCentreBit = 4;

// Input entries and the flags each stores.
enum Input { kInputProjector, kInputNonSync, kInputAux, kInputAESEBU };
struct InputSetting {
    bool p1, p2, nonSync, aux, slitEQ, aesEbu;
};
constexpr std::array<InputSetting, 4> kInputSettings{{
    {true, true, false, false, true, false},
    {false, false, true, false, false, false},
    {false, false, false, true, false, false},
    {false, false, false, false, false, true},
}};

// Checks the group's button of that identifier, or none when it has no such button.
void CheckOnly(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) {
        button->setChecked(false);
    }
    group->setExclusive(true);
}

QString ButtonText(const QString& name) {
    QString text = name;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Hidden controls keep their place, so showing the options of another format moves nothing.
void KeepPlaceWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

void Identify(QWidget* widget, int id) {
    widget->setObjectName(QString::number(id));
}

}  // namespace

CDlgFormatsForm::CDlgFormatsForm(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    BuildLayout();
    connect(&bridge, &frontend::EngineBridge::inputFormatChanged, this,
            &CDlgFormatsForm::SelectFormat);
    connect(&bridge, &frontend::EngineBridge::signalGenState, this, [this](int, int channels) {
        for (QPushButton* button : formatButtons_) {
            button->setEnabled(channels == 0);
        }
    });
    CheckFormatButton(CurrentFormat());
    Refresh();
}

int CDlgFormatsForm::FormatOfButton(int button) {
    return button >= 0 && button < kFormatButtons ? kButtonFormats[button] : -1;
}

int CDlgFormatsForm::ButtonOfFormat(int format) {
    for (int button = 0; button < kFormatButtons; ++button) {
        if (kButtonFormats[button] == format) {
            return button;
        }
    }
    return -1;
}

// ---- Construction -------------------------------------------------------------------------------

void CDlgFormatsForm::BuildLayout() {
    QWidget* buttons = BuildFormatButtons();
    QWidget* preset = BuildPreset();
    QGroupBox* powerOn = BuildPowerOn();
    QWidget* inputs = BuildInputSettings();
    QWidget* delays = BuildDelays();
    QGroupBox* fallback = BuildFallback();

    auto* columns = new QHBoxLayout;
    columns->addWidget(preset);
    columns->addWidget(powerOn, 0, Qt::AlignTop);
    columns->addWidget(inputs, 1);
    columns->addWidget(delays);
    columns->addWidget(fallback, 0, Qt::AlignTop);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addWidget(buttons);
    page->addLayout(columns, 1);
}

QWidget* CDlgFormatsForm::BuildFormatButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    formatGroup_ = new QButtonGroup(this);
    for (int button = 0; button < kFormatButtons; ++button) {
        buttonLabels_[button] = tr(kButtonLabels[button]);
        auto* push = new QPushButton(buttonLabels_[button], row);
        Identify(push, kFirstFormatButton + button);
        push->setAccessibleName(buttonLabels_[button]);
        push->setCheckable(true);
        push->setContextMenuPolicy(Qt::CustomContextMenu);
        push->setMinimumWidth(40);
        push->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        connect(push, &QWidget::customContextMenuRequested, this,
                [this, button] { RenameFormat(FormatOfButton(button)); });
        formatGroup_->addButton(push, button);
        layout->addWidget(push);
        formatButtons_[button] = push;
    }
    connect(formatGroup_, &QButtonGroup::idClicked, this, &CDlgFormatsForm::OnFormatButton);
    return row;
}

QWidget* CDlgFormatsForm::BuildPreset() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    enablePreset_ = new QPushButton(tr("Enable Preset"), column);
    Identify(enablePreset_, 1557);
    enablePreset_->setCheckable(true);
    connect(enablePreset_, &QPushButton::clicked, this, &CDlgFormatsForm::OnEnablePreset);

    levelLabel_ = new QLabel(tr("Format\nLevel"), column);
    Identify(levelLabel_, 1344);
    levelLabel_->setAlignment(Qt::AlignCenter);
    level_ = new CTrackbar(Qt::Vertical, column);
    Identify(level_, 1343);
    level_->setAccessibleName(tr("Format Level"));
    level_->setRange(-100, 0);
    level_->SetThumbBreadth(kSliderThumbBreadth);
    level_->SetTickInterval(10);
    level_->setPageStep(10);
    level_->SetMark(-kPresetLevel);
    level_->SetThumbColour(QColor(0xCC, 0, 0));
    levelValue_ = new QLabel(column);
    Identify(levelValue_, 1345);
    levelValue_->setAlignment(Qt::AlignCenter);
    connect(level_, &CTrackbar::positionDisplayed, this,
            [this](int position) { levelValue_->setText(FaderText(-position)); });
    connect(level_, &CTrackbar::positionTracked, this, &CDlgFormatsForm::OnLevelMoved);
    connect(level_, &CTrackbar::trackEnded, this, &CDlgFormatsForm::OnLevelTrackEnded);
    // Left and Right leave the level where it is: they would move the focus off it.
    CTabberWnd::Wrap(level_);

    layout->addWidget(enablePreset_);
    layout->addWidget(levelLabel_);
    layout->addWidget(level_, 1, Qt::AlignHCenter);
    layout->addWidget(levelValue_);
    return column;
}

QGroupBox* CDlgFormatsForm::BuildPowerOn() {
    auto* group = new QGroupBox(tr("Power on Format"), this);
    group->setObjectName(QStringLiteral("powerOnFormat"));
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(2);
    powerOn_ = new QButtonGroup(this);
    for (size_t i = 0; i < kPowerOnChoices.size(); ++i) {
        auto* radio = new QRadioButton(tr(kPowerOnChoices[i].text), group);
        Identify(radio, kFirstPowerOn + static_cast<int>(i));
        powerOn_->addButton(radio, kPowerOnChoices[i].value);
        layout->addWidget(radio);
    }
    connect(powerOn_, &QButtonGroup::idClicked, this,
            [this](int value) { engine_.put_PowerOnFormat(value); });
    return group;
}

QWidget* CDlgFormatsForm::BuildInputSettings() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);

    inputTypeLabel_ = new QLabel(tr("Input\nType"), column);
    Identify(inputTypeLabel_, 1346);
    analog_ = new QRadioButton(tr("Analog"), column);
    Identify(analog_, 1347);
    digital_ = new QRadioButton(tr("S/PDIF"), column);
    Identify(digital_, 1348);
    auto* inputType = new QButtonGroup(this);
    inputType->addButton(analog_);
    inputType->addButton(digital_);
    connect(inputType, &QButtonGroup::buttonClicked, this, &CDlgFormatsForm::OnInputType);

    micLabel_ = new QLabel(tr("Mic\nChannel"), column);
    Identify(micLabel_, 1349);
    micCenter_ = new QRadioButton(tr("Center"), column);
    Identify(micCenter_, 1350);
    micSurround_ = new QRadioButton(tr("Surround"), column);
    Identify(micSurround_, 1351);
    auto* mic = new QButtonGroup(this);
    mic->addButton(micCenter_);
    mic->addButton(micSurround_);
    connect(mic, &QButtonGroup::buttonClicked, this, [this] {
        engine_.put_MicPhase(Variant::Int(kMicFormat), micSurround_->isChecked() ? 1 : 0);
    });

    advanced_ = new QCheckBox(tr("Advanced Options:"), column);
    Identify(advanced_, 1556);
    connect(advanced_, &QCheckBox::clicked, this, &CDlgFormatsForm::OnAdvancedOptions);

    noiseReductionLabel_ = new QLabel(tr("Noise Reduction:"), column);
    Identify(noiseReductionLabel_, 1551);
    noiseReduction_ = new QComboBox(column);
    Identify(noiseReduction_, 1549);
    noiseReduction_->addItems({tr("None"), tr("A Type"), tr("SR Type")});
    connect(noiseReduction_, &QComboBox::activated, this, &CDlgFormatsForm::OnNoiseReduction);

    audioDecodeLabel_ = new QLabel(tr("Audio Decode:"), column);
    Identify(audioDecodeLabel_, 1552);
    audioDecode_ = new QComboBox(column);
    Identify(audioDecode_, 1550);
    audioDecode_->addItems(
        {tr("5.1 Stereo"), tr("2.0 Stereo"), tr("Mono"), tr("L,C,R Only"), tr("L,R Only")});
    connect(audioDecode_, &QComboBox::activated, this, &CDlgFormatsForm::OnAudioDecode);

    inputLabel_ = new QLabel(tr("Input:"), column);
    Identify(inputLabel_, 1559);
    input_ = new QComboBox(column);
    Identify(input_, 1558);
    input_->addItems({tr("Projector"), tr("Analog N/S"), tr("Analog Aux"), tr("AES/EBU")});
    connect(input_, &QComboBox::activated, this, &CDlgFormatsForm::OnInputSource);

    discrete_ = new QCheckBox(tr("Discrete"), column);
    Identify(discrete_, 1570);
    connect(discrete_, &QCheckBox::clicked, this, [this](bool checked) {
        engine_.put_FormatDiscrete(Variant::Int(CurrentFormat()), Variant::Bool(checked));
    });

    for (QComboBox* list : {noiseReduction_, audioDecode_, input_}) {
        // As wide as the entries need, not as the longest entry of any language.
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(10);
    }
    for (auto [label, list] : {std::pair<QLabel*, QWidget*>{noiseReductionLabel_, noiseReduction_},
                               {audioDecodeLabel_, audioDecode_},
                               {inputLabel_, input_}}) {
        label->setBuddy(list);
        list->setAccessibleName(label->text().remove(QLatin1Char(':')));
    }
    // A format has either an input type, a microphone channel or advanced options (or none of
    // them): the column shows the ones it has from the top.
    const auto pair = [](QWidget* first, QWidget* second) {
        auto* row = new QHBoxLayout;
        row->addWidget(first);
        row->addWidget(second);
        row->addStretch(1);
        return row;
    };
    layout->addWidget(inputTypeLabel_);
    layout->addLayout(pair(analog_, digital_));
    layout->addWidget(micLabel_);
    layout->addLayout(pair(micCenter_, micSurround_));
    layout->addWidget(advanced_);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{noiseReductionLabel_, noiseReduction_, audioDecodeLabel_,
                                         audioDecode_, inputLabel_, input_, discrete_}) {
        layout->addWidget(widget);
    }
    layout->addStretch(1);
    return column;
}

CDlgFormatsForm::DelayControl CDlgFormatsForm::BuildDelay(int labelId, const QString& label,
                                                          int sliderId, int valueId, int minimum,
                                                          int maximum, int mark) {
    DelayControl delay;
    delay.label = new QLabel(label, delayGroup_);
    Identify(delay.label, labelId);
    delay.label->setAlignment(Qt::AlignCenter);
    delay.slider = new CTrackbar(Qt::Vertical, delayGroup_);
    Identify(delay.slider, sliderId);
    delay.slider->setAccessibleName(QString(label).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    delay.slider->setRange(minimum, maximum);
    delay.slider->SetThumbBreadth(kSliderThumbBreadth);
    delay.slider->SetTickInterval(10);
    delay.slider->setPageStep(10);
    delay.slider->SetMark(mark);
    delay.slider->SetThumbColour(QColor(0xAA, 0xAA, 0));
    delay.value = new QLabel(delayGroup_);
    Identify(delay.value, valueId);
    delay.value->setAlignment(Qt::AlignCenter);
    QLabel* value = delay.value;
    connect(delay.slider, &CTrackbar::positionDisplayed, this,
            [this, value](int position) { value->setText(tr("%1 mS").arg(-position)); });
    return delay;
}

QWidget* CDlgFormatsForm::BuildDelays() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    projectorDelays_ = new QCheckBox(tr("Projector Delays"), column);
    Identify(projectorDelays_, 1569);
    connect(projectorDelays_, &QCheckBox::clicked, this, &CDlgFormatsForm::OnProjectorDelays);

    delayGroup_ = new QGroupBox(column);
    Identify(delayGroup_, 1553);
    KeepPlaceWhenHidden(delayGroup_);
    inputDelay_ = BuildDelay(1554, tr("Input\nDelay"), 1519, 1522, -140, -32, -32);
    surroundDelay_ = BuildDelay(1555, tr("Surround\nDelay"), 1520, 1523, -100, 0, 0);
    connect(inputDelay_.slider, &CTrackbar::positionWritten, this,
            [this](int position) { engine_.put_DigitalInputDelay(Variant::Int(-position)); });
    connect(surroundDelay_.slider, &CTrackbar::positionWritten, this,
            [this](int position) { engine_.put_DigitalSurroundDelay(Variant::Int(-position)); });

    auto* grid = new QGridLayout(delayGroup_);
    int index = 0;
    for (const DelayControl* delay : {&inputDelay_, &surroundDelay_}) {
        grid->addWidget(delay->label, 0, index);
        grid->addWidget(delay->slider, 1, index, Qt::AlignHCenter);
        grid->addWidget(delay->value, 2, index);
        ++index;
    }
    grid->setRowStretch(1, 1);

    layout->addWidget(projectorDelays_);
    layout->addWidget(delayGroup_, 1);
    return column;
}

QGroupBox* CDlgFormatsForm::BuildFallback() {
    fallbackGroup_ = new QGroupBox(tr("Digital Fallback"), this);
    Identify(fallbackGroup_, 1499);
    KeepPlaceWhenHidden(fallbackGroup_);
    auto* layout = new QVBoxLayout(fallbackGroup_);
    layout->setSpacing(2);
    fallback_ = new QButtonGroup(this);
    for (size_t i = 0; i < kFallbackChoices.size(); ++i) {
        auto* radio = new QRadioButton(tr(kFallbackChoices[i].text), fallbackGroup_);
        Identify(radio, kFirstFallback + static_cast<int>(i));
        fallback_->addButton(radio, kFallbackChoices[i].value);
        layout->addWidget(radio);
    }
    connect(fallback_, &QButtonGroup::idClicked, this,
            [this](int value) { engine_.put_DigitalFallbackMode(value); });
    return fallbackGroup_;
}

// ---- Reading the engine -------------------------------------------------------------------------

int CDlgFormatsForm::CurrentFormat() const {
    return frontend::IntProperty(engine_, &IKVT80::get_Mode);
}

QString CDlgFormatsForm::FormatName(int format) const {
    std::u16string first;
    std::u16string second;
    engine_.get_FormatTxt1(Variant::Int(format), &first);
    engine_.get_FormatTxt2(Variant::Int(format), &second);
    return frontend::ToQString(first) + frontend::ToQString(second);
}

bool CDlgFormatsForm::FormatFlag(int format,
                                 int32_t (IKVT80::*get)(const Variant&, Variant*)) const {
    Variant value;
    return (engine_.*get)(Variant::Int(format), &value) == status::Ok && value.IsTrue();
}

// ---- Showing the current format -----------------------------------------------------------------

void CDlgFormatsForm::SelectFormat(int format) {
    CheckFormatButton(format);
    Refresh();
}

void CDlgFormatsForm::CheckFormatButton(int format) {
    CheckOnly(formatGroup_, ButtonOfFormat(format));
}

void CDlgFormatsForm::ShowFormatButtonNames() {
    for (int button = 0; button < kFormatButtons; ++button) {
        const QString name = FormatName(kButtonFormats[button]).trimmed();
        // A format without a name keeps the button's own label.
        const QString text = ButtonText(name.isEmpty() ? buttonLabels_[button] : name);
        if (formatButtons_[button]->text() != text) {
            formatButtons_[button]->setText(text);
            // A long name may not fit its button.
            formatButtons_[button]->setToolTip(name);
        }
    }
}

void CDlgFormatsForm::Refresh() {
    ShowFormatButtonNames();
    const bool generator = frontend::IntProperty(engine_, &IKVT80::get_GeneratorChannels) != 0;
    for (int button : kGeneratorLockedButtons) {
        formatButtons_[button]->setEnabled(!generator);
    }

    const int format = CurrentFormat();
    const bool aesEbu = FormatFlag(format, &IKVT80::get_FormatAESEBU);
    const bool inputType = HasInputType(format);
    for (QWidget* widget : {static_cast<QWidget*>(inputTypeLabel_), static_cast<QWidget*>(analog_),
                            static_cast<QWidget*>(digital_)}) {
        widget->setVisible(inputType);
    }
    digital_->setText(format == kDigitalBFormat ? tr("AES/EBU") : tr("S/PDIF"));
    ShowAdvancedOptions(format);
    for (QWidget* widget : {static_cast<QWidget*>(micLabel_), static_cast<QWidget*>(micCenter_),
                            static_cast<QWidget*>(micSurround_)}) {
        widget->setVisible(format == kMicFormat);
    }
    fallbackGroup_->setVisible(format == kDigitalBFormat && aesEbu);

    int32_t level = 0;
    if (engine_.get_FormatLevel(Variant::Int(format), &level) == status::Ok) {
        const QSignalBlocker quiet(level_);
        level_->SetPosition(-level);
        levelValue_->setText(FaderText(-level_->value()));
        ShowLevelControls(level > 0);
    }

    int32_t powerOn = 0;
    engine_.get_PowerOnFormat(&powerOn);
    CheckOnly(powerOn_, powerOn_->button(powerOn) != nullptr ? powerOn : kLastSelected);

    const bool analog =
        format == kDigitalBFormat ? !aesEbu : FormatFlag(format, &IKVT80::get_FormatAnalog);
    (analog ? analog_ : digital_)->setChecked(true);
    const bool delays = !analog || FormatFlag(format, &IKVT80::get_FormatProjectorDelays);
    delayGroup_->setVisible(delays);
    projectorDelays_->setChecked(delays);

    int32_t micPhase = 0;
    engine_.get_MicPhase(Variant::Int(format), &micPhase);
    (micPhase == 0 ? micCenter_ : micSurround_)->setChecked(true);

    int32_t fallback = 0;
    engine_.get_DigitalFallbackMode(&fallback);
    CheckOnly(fallback_, fallback);

    ShowDelay(inputDelay_, -frontend::IntProperty(engine_, &IKVT80::get_DigitalInputDelay));
    ShowDelay(surroundDelay_, -frontend::IntProperty(engine_, &IKVT80::get_DigitalSurroundDelay));

    emit inputFormatChanged(format);
}

void CDlgFormatsForm::ShowDelay(const DelayControl& delay, int position) {
    const QSignalBlocker quiet(delay.slider);
    delay.slider->SetPosition(position);
    delay.value->setText(tr("%1 mS").arg(-delay.slider->value()));
}

void CDlgFormatsForm::ShowLevelControls(bool preset) {
    enablePreset_->setChecked(preset);
    levelLabel_->setEnabled(preset);
    level_->setEnabled(preset);
    levelValue_->setEnabled(preset);
}

// The advanced options are shown for a format whose settings differ from its standard ones.
void CDlgFormatsForm::ShowAdvancedOptions(int format) {
    if (!HasAdvancedOptions(format)) {
        advanced_->setVisible(false);
        advanced_->setChecked(false);
        SetAdvancedShown(false);
        return;
    }
    advanced_->setVisible(true);
    Variant value;
    engine_.get_FormatNR(Variant::Int(format), &value);
    const int nr = value.Int32();
    const bool mono = FormatFlag(format, &IKVT80::get_FormatMonoEQ);
    engine_.get_FormatMatrix(Variant::Int(format), &value);
    const int matrix = value.Int32();
    int32_t mask = 0;
    engine_.get_FormatOutputMask(Variant::Int(format), &mask);
    const bool projector =
        FormatFlag(format, &IKVT80::get_FormatP1) || FormatFlag(format, &IKVT80::get_FormatP2);

    // The standard noise reduction of Mono, Stereo and Stereo SR is their index.
    bool differs = nr != format || mask != 0 || !projector;
    differs = differs || (format == 0 ? !mono : (matrix != 0 || mono));
    advanced_->setChecked(differs);
    if (differs) {
        FillAdvancedOptions(format);
    }
    SetAdvancedShown(differs);
}

void CDlgFormatsForm::FillAdvancedOptions(int format) {
    Variant value;
    engine_.get_FormatNR(Variant::Int(format), &value);
    noiseReduction_->setCurrentIndex(value.Int32() < noiseReduction_->count() ? value.Int32() : -1);
    const bool mono = FormatFlag(format, &IKVT80::get_FormatMonoEQ);
    engine_.get_FormatMatrix(Variant::Int(format), &value);
    const int matrix = value.Int32();
    int32_t mask = 0;
    engine_.get_FormatOutputMask(Variant::Int(format), &mask);
    Decode decode = kDecodeLCR;
    if (mono) {
        decode = kDecodeMono;
    } else if (matrix == 0) {
        decode = kDecode51;
    } else if (mask == 0) {
        decode = kDecode20;
    } else if ((mask & kWithoutCentreBit) != 0) {
        decode = kDecodeLR;
    }
    audioDecode_->setCurrentIndex(decode);

    const bool aesEbu = FormatFlag(format, &IKVT80::get_FormatAESEBU);
    int input = -1;
    if (FormatFlag(format, &IKVT80::get_FormatP1) || FormatFlag(format, &IKVT80::get_FormatP2)) {
        input = kInputProjector;
    } else if (FormatFlag(format, &IKVT80::get_FormatNS)) {
        input = kInputNonSync;
    } else if (FormatFlag(format, &IKVT80::get_FormatAux)) {
        input = kInputAux;
    } else if (aesEbu) {
        input = kInputAESEBU;
    }
    input_->setCurrentIndex(input);
    // A digital input is decoded by the unit: noise reduction and decode do not apply.
    for (QWidget* widget :
         {static_cast<QWidget*>(noiseReductionLabel_), static_cast<QWidget*>(noiseReduction_),
          static_cast<QWidget*>(audioDecodeLabel_), static_cast<QWidget*>(audioDecode_)}) {
        widget->setEnabled(!aesEbu);
    }
    discrete_->setChecked(FormatFlag(format, &IKVT80::get_FormatDiscrete));
}

void CDlgFormatsForm::SetAdvancedShown(bool shown) {
    for (QWidget* widget :
         std::initializer_list<QWidget*>{noiseReductionLabel_, noiseReduction_, audioDecodeLabel_,
                                         audioDecode_, inputLabel_, input_, discrete_}) {
        widget->setVisible(shown);
    }
    if (!shown) {
        discrete_->setChecked(false);
    }
}

// ---- The user's edits ---------------------------------------------------------------------------

void CDlgFormatsForm::OnFormatButton(int button) {
    int32_t format = 0;
    if (engine_.get_ButtonFormat(Variant::Int(button), &format) == status::Ok) {
        engine_.put_Mode(Variant::Int(format));
    }
    Refresh();
}

void CDlgFormatsForm::RenameFormat(int format) {
    if (format < 0) {
        return;
    }
    const std::optional<QString> name = AskFormatName(FormatName(format));
    if (!name) {
        return;
    }
    constexpr int kFirstHalf = 11;
    const QString whole = name->left(CDlgChangeFormatName::kMaxNameLength);
    engine_.put_FormatTxt1(Variant::Int(format), frontend::ToU16(whole.left(kFirstHalf)));
    engine_.put_FormatTxt2(Variant::Int(format), frontend::ToU16(whole.mid(kFirstHalf)));
    Refresh();
}

std::optional<QString> CDlgFormatsForm::AskFormatName(const QString& current) {
    CDlgChangeFormatName dialog(current, this);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Name();
}

void CDlgFormatsForm::OnEnablePreset(bool checked) {
    const int level = checked ? kPresetLevel : 0;
    engine_.put_FormatLevel(Variant::Int(CurrentFormat()), level);
    if (checked && frontend::IsConnected(engine_)) {
        emit faderRequested(level);
    }
    Refresh();
}

// The main fader follows the level as it moves; the format keeps it when the user lets go.
void CDlgFormatsForm::OnLevelMoved(int position) {
    if (frontend::IsConnected(engine_)) {
        emit faderRequested(-position);
    }
}

void CDlgFormatsForm::OnLevelTrackEnded(int position) {
    const int level = -position;
    engine_.put_FormatLevel(Variant::Int(CurrentFormat()), level);
    if (frontend::IsConnected(engine_)) {
        emit faderRequested(level);
    }
    ShowLevelControls(level > 0);
}

void CDlgFormatsForm::OnInputType() {
    const int format = CurrentFormat();
    const Variant second = Variant::Bool(digital_->isChecked());
    if (format == kDigitalBFormat) {
        engine_.put_FormatAESEBU(Variant::Int(format), second);
    } else {
        engine_.put_FormatAnalog(Variant::Int(format), Variant::Bool(analog_->isChecked()));
        engine_.put_FormatSPDIFF(Variant::Int(format), second);
    }
    Refresh();
}

void CDlgFormatsForm::OnNoiseReduction(int index) {
    const int format = CurrentFormat();
    engine_.put_FormatNR(Variant::Int(format), Variant::Int(index));
    emit inputFormatChanged(format);
}

void CDlgFormatsForm::OnAudioDecode(int index) {
    if (index < 0 || index >= static_cast<int>(kDecodeSettings.size())) {
        return;
    }
    const int format = CurrentFormat();
    const DecodeSetting& setting = kDecodeSettings[index];
    engine_.put_FormatMonoEQ(Variant::Int(format), Variant::Bool(setting.monoEQ));
    engine_.put_FormatMatrix(Variant::Int(format), Variant::Int(setting.matrix));
    engine_.put_FormatOutputMask(Variant::Int(format), setting.outputMask);
    emit inputFormatChanged(format);
}

void CDlgFormatsForm::OnInputSource(int index) {
    if (index < 0 || index >= static_cast<int>(kInputSettings.size())) {
        return;
    }
    const int format = CurrentFormat();
    const Variant f = Variant::Int(format);
    const InputSetting& setting = kInputSettings[index];
    engine_.put_FormatP1(f, Variant::Bool(setting.p1));
    engine_.put_FormatP2(f, Variant::Bool(setting.p2));
    engine_.put_FormatNS(f, Variant::Bool(setting.nonSync));
    engine_.put_FormatAux(f, Variant::Bool(setting.aux));
    engine_.put_FormatSlitEQ(f, Variant::Bool(setting.slitEQ));
    engine_.put_FormatAESEBU(f, Variant::Bool(setting.aesEbu));
    engine_.put_FormatDiscrete(f, Variant::Bool(false));
    // What was just stored shows: the discrete option is off, and a digital input has no noise
    // reduction or decode to choose.
    discrete_->setChecked(false);
    for (QWidget* widget :
         {static_cast<QWidget*>(noiseReductionLabel_), static_cast<QWidget*>(noiseReduction_),
          static_cast<QWidget*>(audioDecodeLabel_), static_cast<QWidget*>(audioDecode_)}) {
        widget->setEnabled(!setting.aesEbu);
    }
    emit inputFormatChanged(format);
}

void CDlgFormatsForm::OnAdvancedOptions(bool checked) {
    if (checked) {
        FillAdvancedOptions(CurrentFormat());
    }
    SetAdvancedShown(checked);
}

// Only an analogue input has a choice: a digital one always runs with the delays. The choice
// follows the input type as shown, so a click never changes a setting the page does not show.
void CDlgFormatsForm::OnProjectorDelays() {
    const int format = CurrentFormat();
    if (analog_->isChecked()) {
        const bool delays = FormatFlag(format, &IKVT80::get_FormatProjectorDelays);
        engine_.put_FormatProjectorDelays(Variant::Int(format), Variant::Bool(!delays));
    }
    Refresh();
}

}  // namespace kvt::laptop
