#include "CPanelEqualizer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "CHandheldRTA.h"
#include "EngineBridge.h"
#include "PanelSlider.h"

namespace kvt::handheld {

namespace {

constexpr std::array<const char*, 27> kBandLabels{
    "40",   "50",   "63",  "80",  "100",  "125", "160",  "200",  "250",
    "315",  "400",  "500", "630", "800",  "1K",  "1.25", "1.6K", "2K",
    "2.5K", "3.15", "4K",  "5K",  "6.3K", "8K",  "10K",  "12.5", "16K",
};
// The radios left to right and the engine's channel of each.
constexpr std::array<int, 8> kRadioChannels{0, 1, 2, 4, 3, 5, 6, 7};
constexpr std::array<const char*, 8> kRadioLabels{
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "L"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "C"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "R"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "SW"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "LS"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "RS"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "BL"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "BR"),
};
constexpr int kFirstSliderId = 1100;
constexpr int kFirstRadioId = 1200;
constexpr int kBandMinimum = -60;
constexpr int kBandMaximum = 60;

// The subwoofer's parametric band: level (position -10 x dB), Q (-4 x Q) and frequency (-Hz).
struct SubSlider {
    const char* label;
    int minimum;
    int maximum;
};
constexpr std::array<SubSlider, 3> kSubSliders{{
    {QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "Level"), 0, 119},
    {QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", " Q"), -40, -2},
    {QT_TRANSLATE_NOOP("kvt::handheld::CPanelEqualizer", "Freq"), -120, -20},
}};

}  // namespace

QString CPanelEqualizer::EntryLabel(int entry) {
    if (entry == 0) {
        return tr("Bass");
    }
    if (entry == kEntries - 1) {
        return tr("Treble");
    }
    return QLatin1String(kBandLabels[entry - 1]);
}

CPanelEqualizer::CPanelEqualizer(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                                 QWidget* parent)
    : CPanel(engine, bridge, parent) {
    setObjectName(QStringLiteral("EqualizerPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 2);
    layout->setSpacing(2);
    analyser_ = new CHandheldRTA(engine, bridge, languageCode, this);
    layout->addWidget(analyser_);

    auto* radios = new QHBoxLayout;
    radios->setSpacing(0);
    QFont small = font();
    small.setPixelSize(10);
    for (int i = 0; i < 8; ++i) {
        const int channel = kRadioChannels[i];
        // Push-like radios: a finger-sized target each, all eight across the small screen.
        auto* radio = new QPushButton(tr(kRadioLabels[i]), this);
        radio->setObjectName(QString::number(kFirstRadioId + channel));
        radio->setCheckable(true);
        radio->setAutoExclusive(true);
        radio->setFixedSize(PanelSlider::kWidth - 1, 26);
        radio->setFont(small);
        radio->setFocusPolicy(Qt::NoFocus);
        connect(radio, &QPushButton::clicked, this, [this, channel] { SelectChannel(channel); });
        channels_[channel] = radio;
        radios->addWidget(radio);
    }
    layout->addLayout(radios);

    auto* sliders = new QHBoxLayout;
    sliders->setSpacing(4);
    back_ = new QPushButton(QStringLiteral("<"), this);
    back_->setObjectName(QStringLiteral("back"));
    forward_ = new QPushButton(QStringLiteral(">"), this);
    forward_->setObjectName(QStringLiteral("forward"));
    for (QPushButton* button : {back_, forward_}) {
        button->setFixedSize(28, 40);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(back_, &QPushButton::clicked, this, &CPanelEqualizer::MoveBack);
    connect(forward_, &QPushButton::clicked, this, &CPanelEqualizer::MoveForward);
    sliders->addWidget(back_, 0, Qt::AlignVCenter);
    for (int index = 0; index < kSliders; ++index) {
        auto* slider =
            new PanelSlider(kFirstSliderId + index, QString(), kBandMinimum, kBandMaximum, this);
        sliders_[index] = slider;
        connect(slider, &PanelSlider::positionChanged, this,
                [this, index](int position) { Write(index, position); });
        sliders->addWidget(slider);
    }
    sliders->addWidget(forward_, 0, Qt::AlignVCenter);
    layout->addLayout(sliders, 1);

    channels_[0]->setChecked(true);
    Layout();
}

void CPanelEqualizer::SelectChannel(int channel) {
    channel_ = channel;
    channels_[channel]->setChecked(true);
    Layout();
    Refresh();
}

void CPanelEqualizer::MoveBack() {
    if (first_ > 0) {
        --first_;
        Layout();
        Refresh();
    }
}

void CPanelEqualizer::MoveForward() {
    if (first_ < kLastFirstEntry) {
        ++first_;
        Layout();
        Refresh();
    }
}

// The labels and ranges for the channel and the window.
void CPanelEqualizer::Layout() {
    const bool sub = channel_ == kSubwooferChannel;
    back_->setVisible(!sub);
    forward_->setVisible(!sub);
    for (int index = 0; index < kSliders; ++index) {
        PanelSlider* slider = sliders_[index];
        if (sub) {
            slider->setVisible(index < static_cast<int>(kSubSliders.size()));
            if (index < static_cast<int>(kSubSliders.size())) {
                slider->SetLabel(tr(kSubSliders[index].label));
                slider->SetRange(kSubSliders[index].minimum, kSubSliders[index].maximum);
                slider->Slider()->setPageStep(index == 1 ? 4 : 10);
            }
        } else {
            slider->setVisible(true);
            slider->SetLabel(EntryLabel(first_ + index));
            slider->SetRange(kBandMinimum, kBandMaximum);
            slider->Slider()->setPageStep(10);
        }
    }
    back_->setEnabled(first_ > 0);
    forward_->setEnabled(first_ < kLastFirstEntry);
}

double CPanelEqualizer::ReadEntry(int entry) const {
    const Variant channel = Variant::Int(channel_);
    double value = 0;
    if (entry == 0) {
        engine_.get_Bass(channel, &value);
    } else if (entry == kEntries - 1) {
        engine_.get_Treble(channel, &value);
    } else {
        engine_.get_EQBand(channel, Variant::Int(entry - 1), &value);
    }
    return value;
}

void CPanelEqualizer::Refresh() {
    if (channel_ == kSubwooferChannel) {
        double level = 0;
        double q = 0;
        double frequency = 0;
        engine_.get_SubParametricGain(&level);
        engine_.get_SubParametricQ(&q);
        engine_.get_SubParametricFreq(&frequency);
        const std::array<int, 3> positions{static_cast<int>(std::lround(-10 * level)),
                                           static_cast<int>(std::lround(-4 * q)),
                                           static_cast<int>(std::lround(-frequency))};
        for (int index = 0; index < 3; ++index) {
            sliders_[index]->SetPosition(positions[index]);
        }
        sliders_[0]->SetValueText(OneDecimal(-sliders_[0]->Position() / 10.0));
        sliders_[1]->SetValueText(QString::asprintf("%.2f", -sliders_[1]->Position() / 4.0));
        sliders_[2]->SetValueText(OneDecimal(-sliders_[2]->Position()));
        return;
    }
    for (int index = 0; index < kSliders; ++index) {
        sliders_[index]->SetPosition(
            static_cast<int>(std::lround(-10 * ReadEntry(first_ + index))));
        sliders_[index]->SetValueText(OneDecimal(-sliders_[index]->Position() / 10.0));
    }
}

void CPanelEqualizer::Write(int index, int position) {
    const Variant channel = Variant::Int(channel_);
    if (channel_ == kSubwooferChannel) {
        switch (index) {
            case 0:
                engine_.put_SubParametricGain(-position / 10.0);
                sliders_[0]->SetValueText(OneDecimal(-position / 10.0));
                break;
            case 1:
                engine_.put_SubParametricQ(-position / 4.0);
                sliders_[1]->SetValueText(QString::asprintf("%.2f", -position / 4.0));
                break;
            default:
                engine_.put_SubParametricFreq(-position);
                sliders_[2]->SetValueText(OneDecimal(-position));
                break;
        }
        return;
    }
    const int entry = first_ + index;
    const double value = -position / 10.0;
    sliders_[index]->SetValueText(OneDecimal(value));
    if (entry == 0) {
        engine_.put_Bass(channel, value);
    } else if (entry == kEntries - 1) {
        engine_.put_Treble(channel, value);
    } else {
        engine_.put_EQBand(channel, Variant::Int(entry - 1), value);
    }
}

}  // namespace kvt::handheld
