#include "CPanelOutputs.h"

#include <QGridLayout>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "PanelSlider.h"

namespace kvt::handheld {

namespace {

constexpr std::array<int, CPanelOutputs::kChannels> kColumnChannels{0, 1, 2, 4, 3, 5, 6, 7};
constexpr std::array<int, CPanelOutputs::kChannels> kGeneratorBits{1, 2, 4, 16, 8, 32, 64, 128};
constexpr std::array<const char*, CPanelOutputs::kChannels> kLabels{
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelOutputs", "L"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelOutputs", "C"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelOutputs", "R"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelOutputs", "LS"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelOutputs", "SW"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelOutputs", "RS"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelOutputs", "BSL"),
    QT_TRANSLATE_NOOP("kvt::handheld::CPanelOutputs", "BSR"),
};
constexpr int kFirstSliderId = 1317;
constexpr int kFirstMuteId = 1309;
constexpr int kFirstInvertId = 1374;
constexpr int kFirstGeneratorId = 1382;
constexpr int kButtonHeight = 24;
constexpr int kButtonPixels = 9;

}  // namespace

int CPanelOutputs::ChannelOfColumn(int column) {
    return kColumnChannels[column];
}

int CPanelOutputs::GeneratorBit(int channel) {
    return kGeneratorBits[channel];
}

QString CPanelOutputs::GeneratorName(int mode) {
    switch (mode) {
        case 0:
            return tr("Pink");
        case 1:
            return tr("100Hz");
        case 2:
            return tr("1kHz");
        case 3:
            return tr("10kHz");
        default:
            return {};
    }
}

CPanelOutputs::CPanelOutputs(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent)
    : CPanel(engine, bridge, parent) {
    setObjectName(QStringLiteral("OutputsPanel"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 2, 0, 2);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(2);
    QFont small = font();
    small.setPixelSize(kButtonPixels);
    const auto button = [&](int id, const QString& text, int channel) {
        auto* made = new QPushButton(text, this);
        made->setObjectName(QString::number(id + channel));
        made->setCheckable(true);
        made->setFont(small);
        made->setFixedSize(PanelSlider::kWidth, kButtonHeight);
        made->setFocusPolicy(Qt::NoFocus);
        return made;
    };
    for (int column = 0; column < kChannels; ++column) {
        const int channel = ChannelOfColumn(column);
        auto* slider = new PanelSlider(kFirstSliderId + channel, tr(kLabels[channel]), kMinimum,
                                       kMaximum, this);
        slider->Slider()->setPageStep(4);
        sliders_[channel] = slider;
        connect(slider, &PanelSlider::positionChanged, this, [this, channel](int position) {
            const double level = -position / 2.0;
            sliders_[channel]->SetValueText(OneDecimal(level));
            engine_.put_OutputGain(Variant::Int(channel), level);
        });
        mutes_[channel] = button(kFirstMuteId, tr("Mute"), channel);
        connect(mutes_[channel], &QPushButton::clicked, this, [this, channel](bool checked) {
            engine_.put_Mute(Variant::Int(channel), Variant::Bool(checked));
        });
        inverts_[channel] = button(kFirstInvertId, tr("Inv"), channel);
        connect(inverts_[channel], &QPushButton::clicked, this, [this, channel](bool checked) {
            engine_.put_Invert(Variant::Int(channel), Variant::Bool(checked));
        });
        generators_[channel] = button(kFirstGeneratorId, tr("Gen"), channel);
        connect(generators_[channel], &QPushButton::clicked, this,
                [this, channel](bool checked) { RouteGenerator(channel, checked); });
        grid->addWidget(slider, 0, column, Qt::AlignHCenter);
        grid->addWidget(mutes_[channel], 1, column, Qt::AlignHCenter);
        grid->addWidget(inverts_[channel], 2, column, Qt::AlignHCenter);
        grid->addWidget(generators_[channel], 3, column, Qt::AlignHCenter);
    }
    grid->setRowStretch(0, 1);

    connect(&bridge_, &frontend::EngineBridge::signalGenState, this,
            [this](int mode, int channels) {
                Refresh();
                ShowGenerator(mode, channels);
            });
    connect(&bridge_, &frontend::EngineBridge::channelMuteUpdated, this,
            &CPanelOutputs::ShowMuteAndInvert);
}

void CPanelOutputs::RouteGenerator(int channel, bool on) {
    if (on) {
        engine_.put_GeneratorChannels(Variant::Int(GeneratorBit(channel)));
    } else if (frontend::IntProperty(engine_, &IKVT80::get_GeneratorChannels) != 0) {
        engine_.put_GeneratorChannels(Variant::Int(0));
    }
    ShowGenerator(frontend::IntProperty(engine_, &IKVT80::get_GeneratorMode),
                  frontend::IntProperty(engine_, &IKVT80::get_GeneratorChannels));
}

void CPanelOutputs::Refresh() {
    for (int channel = 0; channel < kChannels; ++channel) {
        double gain = 0;
        engine_.get_OutputGain(Variant::Int(channel), &gain);
        sliders_[channel]->SetPosition(static_cast<int>(gain * -2));
        sliders_[channel]->SetValueText(OneDecimal(-sliders_[channel]->Position() / 2.0));
    }
    ShowMuteAndInvert();
    ShowGenerator(frontend::IntProperty(engine_, &IKVT80::get_GeneratorMode),
                  frontend::IntProperty(engine_, &IKVT80::get_GeneratorChannels));
}

void CPanelOutputs::ShowMuteAndInvert() {
    for (int channel = 0; channel < kChannels; ++channel) {
        Variant muted;
        Variant inverted;
        engine_.get_Mute(Variant::Int(channel), &muted);
        engine_.get_Invert(Variant::Int(channel), &inverted);
        mutes_[channel]->setChecked(muted.IsTrue());
        inverts_[channel]->setChecked(inverted.IsTrue());
    }
}

void CPanelOutputs::ShowGenerator(int mode, int channels) {
    const QString name = GeneratorName(mode);
    for (int channel = 0; channel < kChannels; ++channel) {
        if (!name.isEmpty()) {
            generators_[channel]->setText(name);
        }
        generators_[channel]->setAccessibleName(generators_[channel]->text());
        generators_[channel]->setChecked((channels & GeneratorBit(channel)) != 0);
    }
}

}  // namespace kvt::handheld
