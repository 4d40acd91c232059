#include "CDlgRoomLevels.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "widgets/CFaderValueDisplay.h"
#include "widgets/CTabberWnd.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {

namespace {

// Control identifiers: each kind counts up by channel index, except the Pink boxes, which count by
// generator bit.
constexpr int kFirstMute = 1309;
constexpr int kFirstSlider = 1317;
constexpr int kFirstValue = 1325;
constexpr int kFirstLabel = 1333;
constexpr int kFirstInvert = 1374;
constexpr int kFirstPink = 1382;
constexpr int kFirstGeneratorMode = 1459;

constexpr int kTickInterval = 4;
constexpr int kPageStep = 4;  // one tick, 2 dB
constexpr int kThumbBreadth = 21;
constexpr int kAllChannels = 0xFF;

// Left to right on the page: L, C, R, Sub, LS, RS and the two back (or centre) channels.
constexpr std::array<int, CDlgRoomLevels::kChannels> kShownOrder{0, 1, 2, 4, 3, 5, 6, 7};

constexpr std::array<const char*, CDlgRoomLevels::kChannels> kChannelNames{
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "\nLeft"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "\nCenter"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "\nRight"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "Left\nSurround"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "\nSub"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "Right\nSurround"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "Back Surround Left"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "Back Surround Right"),
};

constexpr std::array<const char*, 4> kGeneratorModes{
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "Pink Noise"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "100 Hz Tone"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "1 kHz Tone"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "10 kHz Tone"),
};

// The Pink boxes name the signal the generator plays.
constexpr std::array<const char*, 5> kSignalCaptions{
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "Pink"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "100 Hz"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "1 kHz"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "10 kHz"),
    QT_TRANSLATE_NOOP("kvt::laptop::CDlgRoomLevels", "Thump"),
};

// A focus the user gave: a click, Tab, Backtab, the arrow keys (which move it as Tab does) or a
// mnemonic. A tab change, a window coming back to the front or the program's own moves are not.
bool UserGaveFocus(Qt::FocusReason reason) {
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason ||
           reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
}

QString AccessibleText(QString label) {
    return label.replace(QLatin1Char('\n'), QLatin1Char(' ')).trimmed();
}

}  // namespace

CDlgRoomLevels::CDlgRoomLevels(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    BuildLayout();
    connect(&bridge, &frontend::EngineBridge::signalGenState, this,
            &CDlgRoomLevels::OnSignalGenState);
    connect(&bridge, &frontend::EngineBridge::channelMuteUpdated, this,
            &CDlgRoomLevels::OnChannelMuteUpdated);
    Refresh();
}

QString CDlgRoomLevels::LevelText(int position) {
    // The level in tenths of a decibel: -position / 2 * 10.
    return FaderText(-position * 5);
}

int CDlgRoomLevels::GeneratorBit(int channel) {
    // The generator counts the sub before the left surround.
    constexpr std::array<int, kChannels> kBits{1, 2, 4, 16, 8, 32, 64, 128};
    return channel >= 0 && channel < kChannels ? kBits[channel] : 0;
}

CTrackbar* CDlgRoomLevels::Slider(int channel) const {
    return channels_.at(channel).slider;
}

// ---- Construction -------------------------------------------------------------------------------

void CDlgRoomLevels::BuildLayout() {
    // The generator's radios come first in the tab order: the page's first focus never lands on a
    // slider.
    QWidget* generator = BuildGenerator();

    for (int channel = 0; channel < kChannels; ++channel) {
        Channel& shown = channels_[channel];
        shown.label = new QLabel(tr(kChannelNames[channel]), this);
        shown.label->setObjectName(QString::number(kFirstLabel + channel));
        shown.label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        shown.label->setWordWrap(true);
        shown.label->setMinimumHeight(2 * shown.label->fontMetrics().lineSpacing() + 2);
        shown.value = new QLabel(this);
        shown.value->setObjectName(QString::number(kFirstValue + channel));
        shown.value->setAlignment(Qt::AlignCenter);
    }
    // Sliders, then the Mute, Invert and Pink boxes, each row left to right, in the tab order.
    for (int channel : kShownOrder) {
        auto* slider = new CTrackbar(Qt::Vertical, this);
        slider->setObjectName(QString::number(kFirstSlider + channel));
        slider->setAccessibleName(AccessibleText(tr(kChannelNames[channel])));
        slider->setRange(kTopPosition, kBottomPosition);
        slider->SetThumbBreadth(kThumbBreadth);
        slider->SetTickInterval(kTickInterval);
        slider->setPageStep(kPageStep);
        slider->SetThumbColour(QColor(0, 204, 0));
        connect(slider, &CTrackbar::positionDisplayed, this,
                [this, channel](int position) { ShowLevel(channel, position); });
        connect(slider, &CTrackbar::positionWritten, this, [this, channel](int position) {
            engine_.put_OutputGain(Variant::Int(channel), -position / 2.0);
        });
        channels_[channel].slider = slider;
        WatchFocus(slider);
    }
    for (int channel : kShownOrder) {
        auto* mute = new QCheckBox(tr("Mute"), this);
        mute->setObjectName(QString::number(kFirstMute + channel));
        connect(mute, &QCheckBox::clicked, this, [this, channel](bool checked) {
            engine_.put_Mute(Variant::Int(channel), Variant::Bool(checked));
            ShowMuteAndInvert(channel);
        });
        channels_[channel].mute = mute;
        WatchFocus(mute);
    }
    for (int channel : kShownOrder) {
        auto* invert = new QCheckBox(tr("Invert"), this);
        invert->setObjectName(QString::number(kFirstInvert + channel));
        connect(invert, &QCheckBox::clicked, this, [this, channel](bool checked) {
            engine_.put_Invert(Variant::Int(channel), Variant::Bool(checked));
            ShowMuteAndInvert(channel);
        });
        channels_[channel].invert = invert;
        WatchFocus(invert);
    }
    for (int channel : kShownOrder) {
        auto* pink = new QCheckBox(tr(kSignalCaptions[0]), this);
        int bit = 0;
        while ((GeneratorBit(channel) >> bit) != 1) {
            ++bit;
        }
        pink->setObjectName(QString::number(kFirstPink + bit));
        // The box is a way to the channel's slider, which routes the generator.
        connect(pink, &QCheckBox::clicked, this, [this, channel] {
            CTrackbar* slider = channels_[channel].slider;
            slider->setFocus(Qt::OtherFocusReason);
            RouteGenerator(slider,
                           (QGuiApplication::keyboardModifiers() & Qt::ControlModifier) != 0);
        });
        channels_[channel].pink = pink;
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    for (int column = 0; column < kChannels; ++column) {
        const Channel& shown = channels_[kShownOrder[column]];
        grid->addWidget(shown.label, 0, column);
        grid->addWidget(shown.slider, 1, column, Qt::AlignHCenter);
        grid->addWidget(shown.value, 2, column);
        grid->addWidget(shown.mute, 3, column);
        grid->addWidget(shown.invert, 4, column);
        grid->addWidget(shown.pink, 5, column);
        grid->setColumnStretch(column, 1);
    }
    grid->setRowStretch(1, 1);

    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->addLayout(grid, 1);
    page->addSpacing(6);
    page->addWidget(generator, 0, Qt::AlignTop);

    for (const Channel& shown : channels_) {
        for (QWidget* control :
             {static_cast<QWidget*>(shown.slider), static_cast<QWidget*>(shown.mute),
              static_cast<QWidget*>(shown.invert)}) {
            // Left and Right walk the page's controls (from the last slider back to the first).
            CTabberWnd::Wrap(control);
        }
    }
}

QWidget* CDlgRoomLevels::BuildGenerator() {
    auto* group = new QGroupBox(tr("Signal Generator"), this);
    group->setObjectName(QStringLiteral("signalGenerator"));
    auto* column = new QVBoxLayout(group);
    generatorGroup_ = new QButtonGroup(this);
    for (int mode = 0; mode < static_cast<int>(generatorModes_.size()); ++mode) {
        auto* radio = new QRadioButton(tr(kGeneratorModes[mode]), group);
        radio->setObjectName(QString::number(kFirstGeneratorMode + mode));
        generatorGroup_->addButton(radio, mode);
        column->addWidget(radio);
        generatorModes_[mode] = radio;
    }
    connect(generatorGroup_, &QButtonGroup::idClicked, this, [this](int mode) {
        engine_.put_GeneratorMode(Variant::Int(mode));
        Refresh();
    });
    return group;
}

void CDlgRoomLevels::WatchFocus(QWidget* control) {
    control->installEventFilter(this);
}

// ---- Showing the engine's values ----------------------------------------------------------------

void CDlgRoomLevels::Refresh() {
    for (int channel = 0; channel < kChannels; ++channel) {
        double gain = 0;
        engine_.get_OutputGain(Variant::Int(channel), &gain);
        const int position = static_cast<int>(gain * -2);
        CTrackbar* slider = channels_[channel].slider;
        const QSignalBlocker quiet(slider);
        slider->SetPosition(position);
        ShowLevel(channel, slider->value());
        ShowMuteAndInvert(channel);
    }
    const int mode = frontend::IntProperty(engine_, &IKVT80::get_GeneratorMode);
    if (mode >= 0 && mode < static_cast<int>(kSignalCaptions.size())) {
        for (const Channel& shown : channels_) {
            shown.pink->setText(tr(kSignalCaptions[mode]));
        }
    }
    ShowGeneratorMode(mode);
    ShowGeneratorChannels(frontend::IntProperty(engine_, &IKVT80::get_GeneratorChannels));
    int32_t config = 0;
    if (engine_.get_InputConfig(&config) == status::Ok) {
        LabelBackChannels(config);
    }
}

void CDlgRoomLevels::ShowLevel(int channel, int position) {
    channels_[channel].value->setText(LevelText(position));
    if (isVisible() && !syncing_) {
        syncing_ = true;
        emit channelLevelMoved(channel, position);
        syncing_ = false;
    }
}

void CDlgRoomLevels::ShowMuteAndInvert(int channel) {
    Variant muted;
    Variant inverted;
    engine_.get_Mute(Variant::Int(channel), &muted);
    engine_.get_Invert(Variant::Int(channel), &inverted);
    channels_[channel].mute->setChecked(muted.IsTrue());
    channels_[channel].invert->setChecked(inverted.IsTrue());
}

// A mode without a radio (the thump) shows none checked.
void CDlgRoomLevels::ShowGeneratorMode(int mode) {
    if (mode >= 0 && mode < static_cast<int>(generatorModes_.size())) {
        generatorModes_[mode]->setChecked(true);
        return;
    }
    generatorGroup_->setExclusive(false);
    for (QRadioButton* radio : generatorModes_) {
        radio->setChecked(false);
    }
    generatorGroup_->setExclusive(true);
}

void CDlgRoomLevels::ShowGeneratorChannels(int channels) {
    for (int channel = 0; channel < kChannels; ++channel) {
        channels_[channel].pink->setChecked((channels & GeneratorBit(channel)) != 0);
    }
}

void CDlgRoomLevels::LabelBackChannels(int config) {
    const bool centres = config == 1 || config > 3;
    channels_[6].label->setText(centres ? tr("Left Center") : tr(kChannelNames[6]));
    channels_[7].label->setText(centres ? tr("Right Center") : tr(kChannelNames[7]));
    for (int channel : {6, 7}) {
        channels_[channel].slider->setAccessibleName(channels_[channel].label->text());
    }
}

void CDlgRoomLevels::SyncChannelLevel(int channel, int position) {
    if (syncing_ || channel < 0 || channel >= kChannels) {
        return;
    }
    syncing_ = true;
    channels_[channel].slider->SetPosition(position);
    channels_[channel].value->setText(LevelText(channels_[channel].slider->value()));
    syncing_ = false;
}

void CDlgRoomLevels::ChannelConfigChanged(int config) {
    LabelBackChannels(config);
}

void CDlgRoomLevels::OnSignalGenState(int mode, int channels) {
    Refresh();
    ShowGeneratorChannels(channels);
    // The thump has no radio: the one checked stays.
    if (mode >= 0 && mode < static_cast<int>(generatorModes_.size())) {
        ShowGeneratorMode(mode);
    }
}

void CDlgRoomLevels::OnChannelMuteUpdated() {
    for (int channel = 0; channel < kChannels; ++channel) {
        ShowMuteAndInvert(channel);
    }
}

// ---- The generator follows the focus ------------------------------------------------------------

bool CDlgRoomLevels::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && isVisible() &&
        UserGaveFocus(static_cast<QFocusEvent*>(event)->reason())) {
        RouteGenerator(static_cast<QWidget*>(watched),
                       (QGuiApplication::keyboardModifiers() & Qt::ControlModifier) != 0);
    }
    return QWidget::eventFilter(watched, event);
}

int CDlgRoomLevels::ChannelOfSlider(const QWidget* control) const {
    for (int channel = 0; channel < kChannels; ++channel) {
        if (channels_[channel].slider == control) {
            return channel;
        }
    }
    return -1;
}

void CDlgRoomLevels::RouteGenerator(QWidget* control, bool controlHeld) {
    const int channel = ChannelOfSlider(control);
    // Without a unit there is nothing to hear, and starting the generator would switch the
    // engine's format.
    if (frontend::IsConnected(engine_)) {
        int checked = 0;
        for (int c = 0; c < kChannels; ++c) {
            checked |= channels_[c].pink->isChecked() ? GeneratorBit(c) : 0;
        }
        if (controlHeld) {
            const int added = checked | GeneratorBit(channel);
            engine_.put_GeneratorChannels(Variant::Int(added));
        } else if (checked == kAllChannels) {
            if (frontend::IntProperty(engine_, &IKVT80::get_GeneratorChannels) != 0) {
                engine_.put_GeneratorChannels(Variant::Int(0));
            }
        } else if (channel >= 0) {
            engine_.put_GeneratorChannels(Variant::Int(GeneratorBit(channel)));
        }
    }
    ShowGeneratorChannels(frontend::IntProperty(engine_, &IKVT80::get_GeneratorChannels));
    if (channel >= 0) {
        emit channelSelected(channel);
    }
}

}  // namespace kvt::laptop
