#include "CPanelFormatSetup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScroller>
#include <QVBoxLayout>
#include <cmath>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "PanelSlider.h"

namespace kvt::handheld {

namespace {

constexpr std::array<const char*, CPanelFormatSetup::kPowerOnValues.size()> kPowerOnTexts{
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Mono"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Stereo"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "For SR"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Ext 1"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Ext 2"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "NON/Sync"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Aux"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Mic"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Last Selected"),
};
// The power-on radios carry the identifiers of the same choices on the laptop's Formats page.
constexpr std::array<int, CPanelFormatSetup::kPowerOnValues.size()> kPowerOnIds{
    1470, 1471, 1472, 1473, 1474, 1469, 1475, 1476, 1477};

constexpr std::array<const char*, CPanelFormatSetup::kFallbackValues.size()> kFallbackTexts{
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Ext 2"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Mono"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Stereo"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "For SR"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Ext 1"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "NON/Sync"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Aux"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelFormatSetup", "Mic"),
};
constexpr int kFirstFallbackId = 1500;

// Rows of radios a finger can hit, and buttons a little taller; the radios' texts are small so
// that three columns fit across the screen.
constexpr int kRadioHeight = 22;
constexpr int kButtonHeight = 28;
constexpr int kColumns = 3;
constexpr int kTextPixels = 11;
constexpr int kLevelSliderWidth = 40;
constexpr int kDesignWidth = 240;

QRadioButton* Radio(const QString& text, int id, QWidget* parent) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QString::number(id));
    QFont small = radio->font();
    small.setPixelSize(kTextPixels);
    radio->setFont(small);
    radio->setMinimumHeight(kRadioHeight);
    // A choice is never squeezed below its text.
    radio->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    radio->setFocusPolicy(Qt::NoFocus);
    return radio;
}

}  // namespace

bool CPanelFormatSetup::HasInputType(int format) {
    return format == FormatNonSync || format == FormatAux || format == FormatDigitalB;
}

CPanelFormatSetup::CPanelFormatSetup(IKVT80& engine, frontend::EngineBridge& bridge,
                                     QWidget* parent)
    : CPanel(engine, bridge, parent) {
    setObjectName(QStringLiteral("FormatSetupPanel"));
    // The content scrolls when a larger font or a translation makes it taller than the screen.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    QScroller::grabGesture(scroll->viewport(), QScroller::TouchGesture);
    outer->addWidget(scroll);

    auto* content = new QWidget(scroll);
    auto* layout = new QVBoxLayout(content);
    // The content never shrinks below what its controls need: the scroll bars take over.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    layout->setContentsMargins(3, 2, 3, 2);
    layout->setSpacing(2);
    formatName_ = new QLabel(content);
    formatName_->setObjectName(QStringLiteral("formatName"));
    formatName_->setAlignment(Qt::AlignCenter);
    QFont bold = formatName_->font();
    bold.setBold(true);
    formatName_->setFont(bold);
    layout->addWidget(formatName_);
    layout->addWidget(BuildPowerOn());
    layout->addWidget(BuildMiddle());
    layout->addWidget(BuildFallback());
    layout->addStretch(1);
    scroll->setWidget(content);
    // A translation wider than the screen: smaller radio texts first, and as a last resort the
    // panel scrolls sideways rather than cutting a choice off.
    if (content->sizeHint().width() > kDesignWidth) {
        for (QRadioButton* radio : content->findChildren<QRadioButton*>()) {
            QFont smaller = radio->font();
            smaller.setPixelSize(kTextPixels - 1);
            radio->setFont(smaller);
        }
    }

    connect(&bridge_, &frontend::EngineBridge::inputFormatChanged, this,
            &CPanelFormatSetup::Refresh);
}

QGroupBox* CPanelFormatSetup::BuildPowerOn() {
    auto* group = new QGroupBox(tr("Power On Format"), this);
    group->setObjectName(QStringLiteral("1468"));
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(4, 0, 2, 0);
    grid->setSpacing(0);
    powerOnGroup_ = new QButtonGroup(this);
    for (size_t i = 0; i < kPowerOnValues.size(); ++i) {
        QRadioButton* radio = Radio(tr(kPowerOnTexts[i]), kPowerOnIds[i], group);
        powerOn_[i] = radio;
        powerOnGroup_->addButton(radio, static_cast<int>(i));
        grid->addWidget(radio, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);
    }
    connect(powerOnGroup_, &QButtonGroup::idClicked, this, [this](int index) {
        engine_.put_PowerOnFormat(kPowerOnValues[index]);
        Refresh();
    });
    return group;
}

QWidget* CPanelFormatSetup::BuildMiddle() {
    auto* middle = new QWidget(this);
    auto* row = new QHBoxLayout(middle);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);

    // The preset level: position = -level (0 to 100, shown in tenths like the fader).
    level_ = new PanelSlider(1343, tr("Format\nLevel"), -100, 0, middle);
    level_->Slider()->setPageStep(10);
    level_->setFixedWidth(kLevelSliderWidth);
    connect(level_, &PanelSlider::positionChanged, this, &CPanelFormatSetup::OnLevel);
    // A drag writes once, where the finger lets go.
    connect(level_->Slider(), &QSlider::sliderReleased, this, &CPanelFormatSetup::WriteLevel);
    row->addWidget(level_);

    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    preset_ = new QPushButton(tr("Enable Preset"), middle);
    preset_->setObjectName(QStringLiteral("1557"));
    preset_->setCheckable(true);
    preset_->setMinimumHeight(kButtonHeight);
    preset_->setFocusPolicy(Qt::NoFocus);
    connect(preset_, &QPushButton::clicked, this, &CPanelFormatSetup::OnPreset);
    column->addWidget(preset_);

    // Input type and mic channel share their place: no format has both.
    const auto pair = [middle](const QString& label, int labelId, QRadioButton*& first,
                               const QString& firstText, int firstId, QRadioButton*& second,
                               const QString& secondText, int secondId) {
        auto* box = new QWidget(middle);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setHorizontalSpacing(4);
        grid->setVerticalSpacing(0);
        auto* caption = new QLabel(label, box);
        caption->setObjectName(QString::number(labelId));
        QFont small = caption->font();
        small.setPixelSize(kTextPixels);
        caption->setFont(small);
        grid->addWidget(caption, 0, 0);
        first = Radio(firstText, firstId, box);
        second = Radio(secondText, secondId, box);
        auto* buttons = new QButtonGroup(box);
        buttons->addButton(first);
        buttons->addButton(second);
        grid->addWidget(first, 0, 1);
        grid->addWidget(second, 0, 2);
        grid->setColumnStretch(2, 1);
        return box;
    };
    inputType_ =
        pair(tr("Input\nType"), 1346, analog_, tr("Analog"), 1347, digital_, tr("SPDIF"), 1348);
    micChannel_ = pair(tr("Mic\nChannel"), 1349, center_, tr("Center"), 1350, surround_,
                       tr("Surround"), 1351);
    connect(analog_, &QRadioButton::clicked, this, &CPanelFormatSetup::OnInputType);
    connect(digital_, &QRadioButton::clicked, this, &CPanelFormatSetup::OnInputType);
    connect(center_, &QRadioButton::clicked, this, &CPanelFormatSetup::OnMicChannel);
    connect(surround_, &QRadioButton::clicked, this, &CPanelFormatSetup::OnMicChannel);
    column->addWidget(inputType_);
    column->addWidget(micChannel_);
    column->addStretch(1);

    digitalDelay_ = new QPushButton(tr("Digital Delay"), middle);
    digitalDelay_->setObjectName(QStringLiteral("1569"));
    digitalDelay_->setMinimumHeight(kButtonHeight);
    digitalDelay_->setFocusPolicy(Qt::NoFocus);
    connect(digitalDelay_, &QPushButton::clicked, this, &CPanelFormatSetup::digitalDelaysRequested);
    column->addWidget(digitalDelay_);
    row->addLayout(column, 1);
    return middle;
}

QGroupBox* CPanelFormatSetup::BuildFallback() {
    fallbackGroup_ = new QGroupBox(tr("Digital Fallback"), this);
    fallbackGroup_->setObjectName(QStringLiteral("1499"));
    auto* grid = new QGridLayout(fallbackGroup_);
    grid->setContentsMargins(4, 0, 2, 0);
    grid->setSpacing(0);
    fallbackButtons_ = new QButtonGroup(this);
    for (size_t i = 0; i < kFallbackValues.size(); ++i) {
        QRadioButton* radio =
            Radio(tr(kFallbackTexts[i]), kFirstFallbackId + static_cast<int>(i), fallbackGroup_);
        fallback_[i] = radio;
        fallbackButtons_->addButton(radio, static_cast<int>(i));
        grid->addWidget(radio, static_cast<int>(i) / kColumns, static_cast<int>(i) % kColumns);
    }
    connect(fallbackButtons_, &QButtonGroup::idClicked, this, [this](int index) {
        engine_.put_DigitalFallbackMode(kFallbackValues[index]);
        Refresh();
    });
    return fallbackGroup_;
}

int CPanelFormatSetup::CurrentFormat() const {
    return frontend::IntProperty(engine_, &IKVT80::get_Mode);
}

bool CPanelFormatSetup::FormatFlag(int format,
                                   int32_t (IKVT80::*get)(const Variant&, Variant*)) const {
    Variant value;
    return (engine_.*get)(Variant::Int(format), &value) == status::Ok && value.IsTrue();
}

void CPanelFormatSetup::Refresh() {
    const int format = CurrentFormat();
    const Variant f = Variant::Int(format);
    std::u16string first;
    std::u16string second;
    engine_.get_FormatTxt1(f, &first);
    engine_.get_FormatTxt2(f, &second);
    formatName_->setText((frontend::ToQString(first) + frontend::ToQString(second)).trimmed());

    // Power-on format: the radio of the value; any value of no radio is "Last Selected".
    int32_t powerOn = 0;
    engine_.get_PowerOnFormat(&powerOn);
    size_t shown = kPowerOnValues.size() - 1;
    for (size_t i = 0; i < kPowerOnValues.size(); ++i) {
        if (kPowerOnValues[i] == powerOn) {
            shown = i;
        }
    }
    powerOn_[shown]->setChecked(true);

    // Preset level: the controls are enabled exactly while the level is above 0. A failed read
    // leaves the slider where it is.
    int32_t level = 0;
    if (engine_.get_FormatLevel(f, &level) == status::Ok && !level_->Slider()->isSliderDown()) {
        level_->SetPosition(-level);
        level_->SetValueText(OneDecimal(level / 10.0));
    }
    ShowLevelControls(-level_->Position() > 0);

    // Input type: Ext 2 is AES/EBU or analog; Non-Sync and Aux are S/PDIF or analog.
    const bool aesEbu = FormatFlag(kDigitalBFormat, &IKVT80::get_FormatAESEBU);
    inputType_->setVisible(HasInputType(format));
    digital_->setText(format == kDigitalBFormat ? tr("AES/EBU") : tr("SPDIF"));
    const bool analog =
        format == kDigitalBFormat ? !aesEbu : FormatFlag(format, &IKVT80::get_FormatAnalog);
    (analog ? analog_ : digital_)->setChecked(true);

    micChannel_->setVisible(format == kMicFormat);
    int32_t phase = 0;
    engine_.get_MicPhase(f, &phase);
    (phase == 0 ? center_ : surround_)->setChecked(true);

    // Digital fallback: for Ext 2 taking AES/EBU; a value of no radio checks none.
    fallbackGroup_->setVisible(format == kDigitalBFormat && aesEbu);
    int32_t fallback = -1;
    engine_.get_DigitalFallbackMode(&fallback);
    fallbackButtons_->setExclusive(false);
    for (size_t i = 0; i < kFallbackValues.size(); ++i) {
        fallback_[i]->setChecked(kFallbackValues[i] == fallback);
    }
    fallbackButtons_->setExclusive(true);
}

void CPanelFormatSetup::ShowLevelControls(bool enabled) {
    preset_->setChecked(enabled);
    level_->setEnabled(enabled);
}

void CPanelFormatSetup::OnPreset(bool checked) {
    engine_.put_FormatLevel(Variant::Int(CurrentFormat()), checked ? kPresetLevel : 0);
    Refresh();
}

void CPanelFormatSetup::OnLevel(int /*position*/) {
    level_->SetValueText(OneDecimal(-level_->Position() / 10.0));
    // While the finger holds the thumb only the value follows; a tap or a key writes at once.
    if (!level_->Slider()->isSliderDown()) {
        WriteLevel();
    }
}

void CPanelFormatSetup::WriteLevel() {
    const int level = -level_->Position();
    engine_.put_FormatLevel(Variant::Int(CurrentFormat()), level);
    ShowLevelControls(level > 0);
}

void CPanelFormatSetup::OnInputType() {
    const int format = CurrentFormat();
    const Variant f = Variant::Int(format);
    const Variant second = Variant::Bool(digital_->isChecked());
    if (format == kDigitalBFormat) {
        engine_.put_FormatAESEBU(f, second);
    } else {
        engine_.put_FormatAnalog(f, Variant::Bool(analog_->isChecked()));
        engine_.put_FormatSPDIFF(f, second);
    }
    Refresh();
}

void CPanelFormatSetup::OnMicChannel() {
    engine_.put_MicPhase(Variant::Int(kMicFormat), surround_->isChecked() ? 1 : 0);
}

}  // namespace kvt::handheld
