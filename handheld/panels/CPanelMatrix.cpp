#include "CPanelMatrix.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "CHandheldRTA.h"
#include "PanelSlider.h"

namespace kvt::handheld {

namespace {

struct MatrixSlider {
    int id;
    const char* label;
    int minimum;
    int maximum;
};

// Delay: position = -ms; gains: -10 x dB; frequency: -Hz / 10.
constexpr std::array<MatrixSlider, CPanelMatrix::kRoles> kSliders{{
    {1019, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Sur\nDelay"), -220, -10},
    {1020, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Sur\nGain"), -60, 60},
    {1021, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Sub\nGain"), -60, 60},
    {1023, QT_TRANSLATE_NOOP("kvt::handheld::CPanelMatrix", "Sub\nFreq"), -8, -5},
}};

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
    row->setSpacing(16);
    row->addStretch(1);
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
    row->addStretch(1);
    layout->addLayout(row, 1);
}

void CPanelMatrix::Write(Role role, int position) {
    const double value = ValueOf(role, position);
    sliders_[role]->SetValueText(OneDecimal(value));
    switch (role) {
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
    int32_t delay = 0;
    double surround = 0;
    double sub = 0;
    double frequency = 0;
    engine_.get_Delay(&delay);
    engine_.get_SurroundGain(&surround);
    engine_.get_SubwooferGain(&sub);
    engine_.get_SubwooferFreq(&frequency);
    const std::array<int, kRoles> positions{-delay, static_cast<int>(std::lround(-10 * surround)),
                                            static_cast<int>(std::lround(-10 * sub)),
                                            static_cast<int>(std::lround(-frequency / 10))};
    for (int role = 0; role < kRoles; ++role) {
        sliders_[role]->SetPosition(positions[role]);
        sliders_[role]->SetValueText(OneDecimal(ValueOf(Role(role), sliders_[role]->Position())));
    }
}

}  // namespace kvt::handheld
