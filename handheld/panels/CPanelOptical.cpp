#include "CPanelOptical.h"

#include <QGridLayout>
#include <QVBoxLayout>
#include <cmath>

#include "CHandheldRTA.h"
#include "CLevelMeter.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "PanelSlider.h"

namespace kvt::handheld {

namespace {

struct OpticalSlider {
    int id;
    const char* label;
    int minimum;
    int maximum;
};

// Gains: position = -10 x dB; slit EQ: position = kHz; mono EQ: position = 2 x kHz.
constexpr std::array<OpticalSlider, CPanelOptical::kRoles> kSliders{{
    {1011, QT_TRANSLATE_NOOP("kvt::handheld::CPanelOptical", "Left\nGain"), -119, 239},
    {1013, QT_TRANSLATE_NOOP("kvt::handheld::CPanelOptical", "Right\nGain"), -119, 239},
    {1015, QT_TRANSLATE_NOOP("kvt::handheld::CPanelOptical", "Slit\nEQ"), 10, 32},
    {1017, QT_TRANSLATE_NOOP("kvt::handheld::CPanelOptical", "Mono\nEQ"), 6, 30},
}};
constexpr int kProjector1Id = 1412;
constexpr int kButtonHeight = 30;

}  // namespace

double CPanelOptical::ValueOf(Role role, int position) {
    switch (role) {
        case kLeftGain:
        case kRightGain:
            return -position / 10.0;
        case kSlitEQ:
            return position;
        default:
            return position / 2.0;
    }
}

CPanelOptical::CPanelOptical(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                             QWidget* parent)
    : CPanel(engine, bridge, parent) {
    setObjectName(QStringLiteral("OpticalPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(2);
    analyser_ = new CHandheldRTA(engine, bridge, languageCode, this);
    layout->addWidget(analyser_);

    auto* controls = new QGridLayout;
    controls->setHorizontalSpacing(2);
    for (int role = 0; role < kRoles; ++role) {
        const OpticalSlider& row = kSliders[role];
        auto* slider = new PanelSlider(row.id, tr(row.label), row.minimum, row.maximum, this);
        // The gains: the largest value at the top; the EQ frequencies: the highest at the top.
        if (role == kSlitEQ || role == kMonoEQ) {
            slider->Slider()->setInvertedAppearance(false);
            slider->Slider()->setInvertedControls(false);
            slider->Slider()->setPageStep(2);
        }
        sliders_[role] = slider;
        connect(slider, &PanelSlider::positionChanged, this,
                [this, role](int position) { Write(Role(role), position); });
        controls->addWidget(slider, 0, role, 3, 1);
    }
    for (int projector = 0; projector < 2; ++projector) {
        auto* button = new QPushButton(tr("Projector %1").arg(projector + 1), this);
        button->setObjectName(QString::number(kProjector1Id + projector));
        button->setCheckable(true);
        button->setAutoExclusive(true);
        button->setMinimumHeight(kButtonHeight);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, this,
                [this, projector] { SelectProjector(projector); });
        projectors_[projector] = button;
        controls->addWidget(button, projector, kRoles, 1, 2);
    }
    for (int side = 0; side < 2; ++side) {
        auto* meter = new CLevelMeter(side == 0 ? tr("Left") : tr("Right"), this);
        meter->setObjectName(side == 0 ? QStringLiteral("1487") : QStringLiteral("1488"));
        meters_[side] = meter;
        controls->addWidget(meter, 2, kRoles + side, Qt::AlignHCenter | Qt::AlignTop);
    }
    controls->setRowStretch(2, 1);
    layout->addLayout(controls, 1);

    connect(&bridge_, &frontend::EngineBridge::inputLevelsUpdated, this,
            &CPanelOptical::ShowLevels);
    connect(&bridge_, &frontend::EngineBridge::selectedPreampChanged, this,
            &CPanelOptical::Refresh);
}

int CPanelOptical::Projector() const {
    const int preamp = frontend::IntProperty(engine_, &IKVT80::get_SelectedPreamp);
    return preamp == 1 ? 1 : 0;
}

void CPanelOptical::SelectProjector(int projector) {
    engine_.put_SelectedPreamp(Variant::Int(projector));
    Refresh();
}

void CPanelOptical::Write(Role role, int position) {
    const double value = ValueOf(role, position);
    sliders_[role]->SetValueText(OneDecimal(value));
    const Variant projector = Variant::Int(Projector());
    switch (role) {
        case kLeftGain:
            engine_.put_LeftInputGain(projector, value);
            break;
        case kRightGain:
            engine_.put_RightInputGain(projector, value);
            break;
        case kSlitEQ:
            engine_.put_SlitEQ(projector, value);
            break;
        default:
            engine_.put_MonoEQ(value);
            break;
    }
}

void CPanelOptical::Refresh() {
    const int projector = Projector();
    projectors_[projector]->setChecked(true);
    const Variant which = Variant::Int(projector);
    double left = 0;
    double right = 0;
    double slit = 0;
    double mono = 0;
    engine_.get_LeftInputGain(which, &left);
    engine_.get_RightInputGain(which, &right);
    engine_.get_SlitEQ(which, &slit);
    engine_.get_MonoEQ(&mono);
    const std::array<int, kRoles> positions{
        static_cast<int>(std::lround(-10 * left)), static_cast<int>(std::lround(-10 * right)),
        static_cast<int>(std::lround(slit)), static_cast<int>(std::lround(2 * mono))};
    for (int role = 0; role < kRoles; ++role) {
        sliders_[role]->SetPosition(positions[role]);
        sliders_[role]->SetValueText(OneDecimal(ValueOf(Role(role), sliders_[role]->Position())));
    }
}

void CPanelOptical::ShowLevels(double left, double right) {
    // Both sides at the engine's silent level: no input at all (after a disconnect).
    constexpr double kNoInputLevel = -80.0;
    const bool silent = left == kNoInputLevel && right == kNoInputLevel;
    meters_[0]->SetLevel(left, silent);
    meters_[1]->SetLevel(right, silent);
}

}  // namespace kvt::handheld
