#include "CPanelMatrix.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "CHandheldRTA.h"
#include "CLevelMeter.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "PanelSlider.h"

namespace kvt::handheld {

namespace {

struct MatrixSlider {
    int id;
    const char* label;
    int minimum;
    int maximum;
};

// Gains: position = -10 x dB; delay: -ms; frequency: -Hz / 10. The gain's range is the preamp's.
constexpr std::array<MatrixSlider, CPanelMatrix::kRoles> kSliders{{
    {1009, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "\nGain"), -60, 240},
    {1019, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Sur\nDelay"), -220, -10},
    {1020, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Sur\nGain"), -60, 60},
    {1021, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Sub\nGain"), -60, 60},
    {1023, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Sub\nFreq"), -8, -5},
}};

struct PreampChoice {
    int id;
    const char* label;
    // Gain range in tenths of a dB.
    int lowest;
    int highest;
};
constexpr std::array<PreampChoice, CPanelMatrix::kPreamps> kPreampButtons{{
    {1416, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "NSync"), -240, 60},
    {1417, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Aux"), -239, 119},
    {1418, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Mic"), -239, 119},
}};
constexpr int kButtonHeight = 30;
constexpr int kButtonWidth = 62;
constexpr double kNoInputLevel = -80.0;

}  // namespace

double CPanelMatrix::ValueOf(Role role, int position) {
    switch (role) {
        case kSurroundDelay:
            return -position;
        case kSubFreq:
            return -position * 10.0;
        default:
            return -position / 10.0;
    }
}

CPanelMatrix::CPanelMatrix(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                           QWidget* parent)
    : CPanel(engine, bridge, parent) {
    setObjectName(QStringLiteral("MatrixPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(2);
    analyser_ = new CHandheldRTA(engine, bridge, languageCode, this);
    layout->addWidget(analyser_);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(2, 0, 2, 0);
    row->setSpacing(3);
    for (int role = 0; role < kRoles; ++role) {
        const MatrixSlider& spec = kSliders[role];
        auto* slider = new PanelSlider(spec.id, tr(spec.label), spec.minimum, spec.maximum, this);
        if (role == kSubFreq) {
            slider->Slider()->setPageStep(1);
        }
        sliders_[role] = slider;
        connect(slider, &PanelSlider::positionChanged, this,
                [this, role](int position) { Write(Role(role), position); });
        row->addWidget(slider);
    }
    sliders_[kGain]->Slider()->setAccessibleName(tr("Gain"));
    row->addStretch(1);

    auto* side = new QGridLayout;
    side->setSpacing(2);
    for (int preamp = 0; preamp < kPreamps; ++preamp) {
        auto* button = new QPushButton(tr(kPreampButtons[preamp].label), this);
        button->setObjectName(QString::number(kPreampButtons[preamp].id));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setMinimumHeight(kButtonHeight);
        button->setMinimumWidth(kButtonWidth);
        button->setMaximumWidth(kButtonWidth);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this,
                [this, preamp] { SelectPreamp(Preamp(preamp)); });
        preampButtons_[preamp] = button;
        side->addWidget(button, preamp, 0, 1, 2);
    }
    for (int meter = 0; meter < 2; ++meter) {
        meters_[meter] = new CLevelMeter(meter == 0 ? tr("Left") : tr("Right"), this);
        meters_[meter]->setObjectName(meter == 0 ? QStringLiteral("1487") : QStringLiteral("1488"));
        side->addWidget(meters_[meter], kPreamps, meter, Qt::AlignHCenter | Qt::AlignBottom);
    }
    side->setRowStretch(kPreamps, 1);
    row->addLayout(side);
    layout->addLayout(row, 1);
    preampButtons_[preamp_]->setChecked(true);

    connect(&bridge_, &frontend::EngineBridge::inputLevelsUpdated, this, &CPanelMatrix::ShowLevels);
    connect(&bridge_, &frontend::EngineBridge::inputFormatChanged, this, &CPanelMatrix::Refresh);
}

void CPanelMatrix::SelectPreamp(Preamp preamp) {
    preamp_ = preamp;
    preampButtons_[preamp]->setChecked(true);
    sliders_[kGain]->SetRange(-kPreampButtons[preamp].highest, -kPreampButtons[preamp].lowest);
    sliders_[kGain]->SetPosition(static_cast<int>(std::lround(-10 * ReadGain())));
    sliders_[kGain]->SetValueText(OneDecimal(ValueOf(kGain, sliders_[kGain]->Position())));
}

double CPanelMatrix::ReadGain() const {
    double value = 0;
    switch (preamp_) {
        case kNonSync:
            engine_.get_NonSyncGain(&value);
            break;
        case kAux:
            engine_.get_LeftAuxGain(&value);
            break;
        default:
            engine_.get_LeftMicGain(&value);
            break;
    }
    return value;
}

void CPanelMatrix::WriteGain(double value) {
    switch (preamp_) {
        case kNonSync:
            engine_.put_NonSyncGain(value);
            break;
        case kAux: {
            double left = 0;
            double right = 0;
            engine_.get_LeftAuxGain(&left);
            engine_.get_RightAuxGain(&right);
            const PreampChoice& range = kPreampButtons[kAux];
            const double moved = std::round((right + value - left) * 10) / 10;
            engine_.put_LeftAuxGain(value);
            engine_.put_RightAuxGain(std::clamp(moved, range.lowest / 10.0, range.highest / 10.0));
            break;
        }
        default:
            engine_.put_LeftMicGain(value);
            engine_.put_RightMicGain(value);
            break;
    }
}

void CPanelMatrix::Write(Role role, int position) {
    const double value = ValueOf(role, position);
    sliders_[role]->SetValueText(OneDecimal(value));
    switch (role) {
        case kGain:
            WriteGain(value);
            break;
        case kSurroundDelay:
            engine_.put_Delay(static_cast<int32_t>(value));
            break;
        case kSurroundGain:
            engine_.put_SurroundGain(value);
            break;
        case kSubGain:
            engine_.put_SubwooferGain(value);
            break;
        default:
            engine_.put_SubwooferFreq(value);
            break;
    }
}

void CPanelMatrix::Refresh() {
    // The current format chooses the preamp when it is one of the three.
    switch (frontend::IntProperty(engine_, &IKVT80::get_Mode)) {
        case FormatNonSync:
            preamp_ = kNonSync;
            break;
        case FormatAux:
            preamp_ = kAux;
            break;
        case FormatMicCenter:
        case FormatMicSurround:
            preamp_ = kMic;
            break;
        default:
            break;
    }
    SelectPreamp(preamp_);
    int32_t delay = 0;
    double surround = 0;
    double sub = 0;
    double frequency = 0;
    engine_.get_Delay(&delay);
    engine_.get_SurroundGain(&surround);
    engine_.get_SubwooferGain(&sub);
    engine_.get_SubwooferFreq(&frequency);
    const std::array<int, kRoles> positions{
        sliders_[kGain]->Position(), -delay, static_cast<int>(std::lround(-10 * surround)),
        static_cast<int>(std::lround(-10 * sub)), static_cast<int>(std::lround(-frequency / 10))};
    for (int role = kSurroundDelay; role < kRoles; ++role) {
        sliders_[role]->SetPosition(positions[role]);
        sliders_[role]->SetValueText(OneDecimal(ValueOf(Role(role), sliders_[role]->Position())));
    }
}

void CPanelMatrix::ShowLevels(double left, double right) {
    const bool silent = left == kNoInputLevel && right == kNoInputLevel;
    meters_[0]->SetLevel(left, silent);
    meters_[1]->SetLevel(right, silent);
}

}  // namespace kvt::handheld
