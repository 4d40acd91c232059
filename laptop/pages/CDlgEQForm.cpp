#include "CDlgEQForm.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "Texts.h"
#include "pages/CDlgSubParametricForm.h"
#include "widgets/CTabberWnd.h"
#include "widgets/CTrackbar.h"

namespace kvt::laptop {

namespace {

struct ChannelButton {
    int id;
    const char* text;
    int generatorBit;
};

// By channel index.
constexpr std::array<ChannelButton, CDlgEQForm::kChannels> kChannelButtons{{
    {1490, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "Left"), GeneratorLeft},
    {1491, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "Center"), GeneratorCenter},
    {1492, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "Right"), GeneratorRight},
    {1493, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "Left Surround"), GeneratorLeftSurround},
    {1497, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "Subwoofer"), GeneratorSubwoofer},
    {1494, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "Right Surround"), GeneratorRightSurround},
    {1495, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "Back Surround Left"), GeneratorLeftEX},
    {1496, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "Back Surround Right"), GeneratorRightEX},
}};

// Where each channel's button stands: the front channels and the subwoofer above, the
// surrounds below.
constexpr std::array<std::pair<int, int>, CDlgEQForm::kChannels> kChannelGrid{
    {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {0, 3}, {1, 1}, {1, 2}, {1, 3}}};

// Band labels, lowest band first.
constexpr std::array<const char*, CDlgEQForm::kBands> kBandLabels{
    "40",   "50",   "63",  "80",  "100",  "125", "160",  "200",  "250",
    "315",  "400",  "500", "630", "800",  "1k",  "1.25", "1.6k", "2k",
    "2.5k", "3.15", "4k",  "5k",  "6.3k", "8k",  "10k",  "12.5", "16k"};

constexpr int kFirstBandId = 1122;
constexpr int kFirstBandDisplayId = 1277;
constexpr int kFirstBandLabelId = 1424;

struct FormatButton {
    int id;
    const char* text;
};

// By button index (the index ButtonFormat takes).
constexpr std::array<FormatButton, 8> kFormatButtons{{
    {1352, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "MONO")},
    {1353, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "STEREO")},
    {1354, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "For SR")},
    {1355, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "EXT 1 (Analog)")},
    {1356, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "EXT 2 (Digital)")},
    {1357, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "NON/SYNC")},
    {1358, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "AUX")},
    {1359, QT_TRANSLATE_NOOP("kvt::laptop::CDlgEQForm", "MIC")},
}};
// The buttons that cannot be used while the generator plays.
constexpr std::array<int, 4> kGeneratorLockedButtons{0, 1, 2, 7};

constexpr int kFormats = 16;

const QColor kEQThumb(Qt::black);
const QColor kGainThumb(0, 0xCC, 0);
const QString kMutedStyle =
    QStringLiteral("QRadioButton { color: white; background-color: #ff0000; }");

// Engine values in dB to slider positions (the top of a slider is its largest value).
int TenthsPosition(double value) {
    return static_cast<int>(std::lround(-10.0 * value));
}

int HalvesPosition(double value) {
    return static_cast<int>(std::lround(-2.0 * value));
}

QString DbText(int position) {
    return EQOneDecimal(-position);
}

QString GainText(int position) {
    return EQOneDecimal(-5 * position);
}

}  // namespace

int CDlgEQForm::GeneratorBit(int channel) {
    if (channel < 0 || channel >= kChannels) {
        return 0;
    }
    return kChannelButtons[static_cast<size_t>(channel)].generatorBit;
}

int CDlgEQForm::ChannelOfGeneratorBit(int bit) {
    for (int channel = 0; channel < kChannels; ++channel) {
        if (GeneratorBit(channel) == bit) {
            return channel;
        }
    }
    return -1;
}

int CDlgEQForm::FormatButtonOf(int format) {
    switch (format) {
        case 0:
        case 1:
        case 2:
        case 3:
            return format;
        case 8:
            return 4;
        case 4:
        case 5:
        case 6:
            return format + 1;
        default:
            return -1;
    }
}

CDlgEQForm::CDlgEQForm(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    setObjectName(QStringLiteral("302"));
    BuildLayout();
    connect(&bridge, &frontend::EngineBridge::signalGenState, this, &CDlgEQForm::OnSignalGenState);
    connect(&bridge, &frontend::EngineBridge::inputFormatChanged, this,
            &CDlgEQForm::ShowInputFormat);
    connect(&bridge, &frontend::EngineBridge::channelMuteUpdated, this,
            &CDlgEQForm::ShowChannelMutes);
    SelectChannel(kCenter, false);
    Refresh();
}

// ---- Layout -------------------------------------------------------------------------------------

void CDlgEQForm::BuildLayout() {
    auto* page = new QVBoxLayout(this);
    page->setSpacing(4);

    auto* top = new QHBoxLayout;
    top->addWidget(BuildChannelButtons(), 1);
    auto* actions = new QVBoxLayout;
    flat_ = new QPushButton(tr("Flat"), this);
    flat_->setObjectName(QStringLiteral("1308"));
    CTabberWnd::Wrap(flat_);
    connect(flat_, &QPushButton::clicked, this, &CDlgEQForm::SetFlat);
    pinkNoise_ = new QPushButton(tr("Pink Noise"), this);
    pinkNoise_->setObjectName(QStringLiteral("1489"));
    pinkNoise_->setCheckable(true);
    CTabberWnd::Wrap(pinkNoise_);
    connect(pinkNoise_, &QPushButton::clicked, this, [this](bool checked) {
        if (checked) {
            StartPinkNoise(selected_);
        } else {
            engine_.put_GeneratorChannels(Variant::Int(GeneratorOff));
        }
    });
    actions->addWidget(flat_);
    actions->addWidget(pinkNoise_);
    actions->addStretch(1);
    top->addLayout(actions);
    page->addLayout(top);

    auto* sliders = new QGridLayout;
    sliders->setHorizontalSpacing(0);
    sliders->setVerticalSpacing(1);
    BuildSliders(sliders);
    page->addLayout(sliders, 1);

    page->addWidget(BuildFormatButtons());
}

QWidget* CDlgEQForm::BuildChannelButtons() {
    auto* box = new QGroupBox(tr("Channel"), this);
    box->setObjectName(QStringLiteral("channels"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    for (int channel = 0; channel < kChannels; ++channel) {
        const ChannelButton& spec = kChannelButtons[static_cast<size_t>(channel)];
        auto* button = new QRadioButton(tr(spec.text), box);
        button->setObjectName(QString::number(spec.id));
        const auto [row, column] = kChannelGrid[static_cast<size_t>(channel)];
        grid->addWidget(button, row, column);
        connect(button, &QRadioButton::clicked, this, [this, channel] {
            SelectChannel(channel, true);
            emit channelChosen(channel);
        });
        channelButtons_[static_cast<size_t>(channel)] = button;
    }
    return box;
}

void CDlgEQForm::BuildSliders(QGridLayout* grid) {
    bass_ = EQSliderColumn::Add(this, grid, 0, 0,
                                {1009, QStringLiteral("bassValue"), QStringLiteral("1454"),
                                 tr("Bass"), -60, 60, kEQThumb, 60, DbText});
    treble_ = EQSliderColumn::Add(this, grid, 0, 1,
                                  {1010, QStringLiteral("trebleValue"), QStringLiteral("1455"),
                                   tr("Treble"), -60, 60, kEQThumb, 60, DbText});
    grid->setColumnMinimumWidth(2, 8);
    for (int band = 0; band < kBands; ++band) {
        bands_[static_cast<size_t>(band)] =
            EQSliderColumn::Add(this, grid, 0, 3 + band,
                                {kFirstBandId + band, QString::number(kFirstBandDisplayId + band),
                                 QString::number(kFirstBandLabelId + band),
                                 QString::fromLatin1(kBandLabels[static_cast<size_t>(band)]), -60,
                                 60, kEQThumb, 60, DbText});
    }
    const int gainColumn = 3 + kBands + 1;
    grid->setColumnMinimumWidth(gainColumn - 1, 8);
    // The label keeps a name of its own: its number is the parametric band's frequency slider's.
    gain_ = EQSliderColumn::Add(this, grid, 0, gainColumn,
                                {1150, QStringLiteral("gainValue"), QStringLiteral("gainLabel"),
                                 tr("Gain"), -16, 44, kGainThumb, 4, GainText});
    for (int column = 0; column < gainColumn + 1; ++column) {
        grid->setColumnStretch(column, column == 2 || column == gainColumn - 1 ? 0 : 1);
    }
    grid->setRowStretch(1, 1);

    subParametric_ = new CDlgSubParametricForm(engine_, this);
    grid->addWidget(subParametric_, 0, 0, 3, gainColumn - 1);

    const auto writeTenths = [this](const EQSliderColumn& slider, auto put) {
        connect(slider.trackbar, &CTrackbar::positionWritten, this,
                [this, put](int p) { (engine_.*put)(Variant::Int(selected_), -p / 10.0); });
    };
    writeTenths(bass_, &IKVT80::put_Bass);
    writeTenths(treble_, &IKVT80::put_Treble);
    for (int band = 0; band < kBands; ++band) {
        connect(bands_[static_cast<size_t>(band)].trackbar, &CTrackbar::positionWritten, this,
                [this, band](int p) {
                    engine_.put_EQBand(Variant::Int(selected_), Variant::Int(band), -p / 10.0);
                });
    }
    connect(gain_.trackbar, &CTrackbar::positionWritten, this,
            [this](int p) { engine_.put_OutputGain(Variant::Int(selected_), -p / 2.0); });
    // The Outputs page shows the same level: it follows what the user does here.
    connect(gain_.trackbar, &CTrackbar::positionTracked, this, [this](int p) {
        if (!isVisible()) {
            return;
        }
        sendingLevel_ = true;
        emit channelLevelMoved(selected_, p);
        sendingLevel_ = false;
    });
}

QWidget* CDlgEQForm::BuildFormatButtons() {
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("formatButtons"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int index = 0; index < static_cast<int>(kFormatButtons.size()); ++index) {
        const FormatButton& spec = kFormatButtons[static_cast<size_t>(index)];
        auto* button = new QPushButton(tr(spec.text), row);
        button->setObjectName(QString::number(spec.id));
        button->setCheckable(true);
        button->setMinimumWidth(40);
        button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        CTabberWnd::Wrap(button);
        connect(button, &QPushButton::clicked, this, [this, index] { OnFormatButton(index); });
        layout->addWidget(button, 1);
        formatButtons_[static_cast<size_t>(index)] = button;
    }
    return row;
}

// ---- Channel selection --------------------------------------------------------------------------

void CDlgEQForm::SelectChannel(int channel, bool moveNoise) {
    selected_ = channel;
    channelButtons_[static_cast<size_t>(channel)]->setChecked(true);
    ShowChannelLayout();
    if (moveNoise && pinkNoise_->isChecked()) {
        StartPinkNoise(channel);
    }
    ReadChannelValues();
}

void CDlgEQForm::SelectCompanionChannel(int channel) {
    SelectChannel(channel >= 1 && channel < kChannels ? channel : 0, true);
}

void CDlgEQForm::ShowChannelLayout() {
    const bool sub = selected_ == kSubwoofer;
    // Hidden first, then shown, so the page never holds both at once.
    if (!sub) {
        subParametric_->setVisible(false);
    }
    flat_->setEnabled(!sub);
    bass_.SetVisible(!sub);
    treble_.SetVisible(!sub);
    for (const EQSliderColumn& band : bands_) {
        band.SetVisible(!sub);
    }
    subParametric_->setVisible(sub);
}

// ---- Reading the engine -------------------------------------------------------------------------

int CDlgEQForm::GeneratorChannels() const {
    return frontend::IntProperty(engine_, &IKVT80::get_GeneratorChannels);
}

void CDlgEQForm::ReadChannelValues() {
    const int generator = GeneratorChannels();
    for (int index : kGeneratorLockedButtons) {
        formatButtons_[static_cast<size_t>(index)]->setEnabled(generator == 0);
    }

    const Variant channel = Variant::Int(selected_);
    double value = 0;
    engine_.get_Bass(channel, &value);
    bass_.Show(TenthsPosition(value));
    value = 0;
    engine_.get_Treble(channel, &value);
    treble_.Show(TenthsPosition(value));
    for (int band = 0; band < kBands; ++band) {
        value = 0;
        engine_.get_EQBand(channel, Variant::Int(band), &value);
        bands_[static_cast<size_t>(band)].Show(TenthsPosition(value));
    }
    value = 0;
    engine_.get_OutputGain(channel, &value);
    gain_.Show(HalvesPosition(value));

    pinkNoise_->setChecked(generator != 0);

    for (int format = 0; format < kFormats; ++format) {
        const int index = FormatButtonOf(format);
        if (index < 0) {
            continue;
        }
        std::u16string first;
        std::u16string second;
        engine_.get_FormatTxt1(Variant::Int(format), &first);
        engine_.get_FormatTxt2(Variant::Int(format), &second);
        const QString name = frontend::ToQString(first) + frontend::ToQString(second);
        QPushButton* button = formatButtons_[static_cast<size_t>(index)];
        // A format without a name keeps the button's own label.
        if (!name.trimmed().isEmpty() && button->text() != name) {
            button->setText(name);
        }
    }
}

void CDlgEQForm::Refresh() {
    ReadChannelValues();
    subParametric_->Refresh();
    ShowInputFormat(frontend::IntProperty(engine_, &IKVT80::get_Mode));
    int32_t config = 0;
    engine_.get_InputConfig(&config);
    SetChannelConfig(config);
    ShowChannelMutes();
}

void CDlgEQForm::ShowChannelMutes() {
    for (int channel = 0; channel < kChannels; ++channel) {
        Variant muted;
        const bool on =
            engine_.get_Mute(Variant::Int(channel), &muted) == status::Ok && muted.IsTrue();
        QRadioButton* button = channelButtons_[static_cast<size_t>(channel)];
        const QString style = on ? kMutedStyle : QString();
        if (button->styleSheet() != style) {
            button->setStyleSheet(style);
        }
    }
}

void CDlgEQForm::ShowInputFormat(int format) {
    const int checked = FormatButtonOf(format);
    for (int index = 0; index < static_cast<int>(formatButtons_.size()); ++index) {
        formatButtons_[static_cast<size_t>(index)]->setChecked(index == checked);
    }
}

void CDlgEQForm::SetChannelConfig(int config) {
    const bool centres = config != 0;
    channelButtons_[6]->setText(centres ? tr("Left Center") : tr(kChannelButtons[6].text));
    channelButtons_[7]->setText(centres ? tr("Right Center") : tr(kChannelButtons[7].text));
}

void CDlgEQForm::SyncChannelLevel(int channel, int level) {
    // The page's own move, broadcast back to every page.
    if (sendingLevel_ || channel != selected_) {
        return;
    }
    gain_.Show(level);
}

// ---- Commands -----------------------------------------------------------------------------------

void CDlgEQForm::StartPinkNoise(int channel) {
    engine_.put_GeneratorMode(Variant::Int(TestToneModePink));
    engine_.put_GeneratorChannels(Variant::Int(GeneratorBit(channel)));
}

bool CDlgEQForm::AskFlat() {
    return QMessageBox::question(this, frontend::ProgramTitle(), tr("SET ALL EQ SETTINGS TO 0dB?"),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void CDlgEQForm::SetFlat() {
    if (!AskFlat()) {
        return;
    }
    // Each slider is written on its own, even where it already stands at 0 dB.
    bass_.trackbar->SetPosition(0, true);
    treble_.trackbar->SetPosition(0, true);
    for (const EQSliderColumn& band : bands_) {
        band.trackbar->SetPosition(0, true);
    }
}

void CDlgEQForm::OnFormatButton(int index) {
    ShowInputFormat(-1);
    formatButtons_[static_cast<size_t>(index)]->setChecked(true);
    int32_t format = 0;
    if (engine_.get_ButtonFormat(Variant::Int(index), &format) != status::Ok) {
        return;
    }
    engine_.put_Mode(Variant::Int(format));
    emit formatChosen(format);
}

// ---- Events -------------------------------------------------------------------------------------

void CDlgEQForm::OnSignalGenState(int /*mode*/, int channels) {
    for (QPushButton* button : formatButtons_) {
        button->setEnabled(channels == 0);
    }
    const int added = channels >= lastGeneratorMask_ ? channels ^ lastGeneratorMask_ : 0;
    // Another page routed the generator: the page opens on the channel that plays. Selecting it
    // never routes the generator again, or the page would undo what the other page did.
    if (!isVisible()) {
        for (int bit = GeneratorLeft; bit <= GeneratorRightEX; bit <<= 1) {
            if ((added & bit) != 0) {
                SelectChannel(ChannelOfGeneratorBit(bit), false);
            }
        }
    }
    lastGeneratorMask_ = channels;
    ReadChannelValues();
}

void CDlgEQForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) {
        return;
    }
    ShowChannelMutes();
    if (pinkNoise_->isChecked()) {
        StartPinkNoise(selected_);
    }
}

}  // namespace kvt::laptop
