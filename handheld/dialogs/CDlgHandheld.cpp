#include "CDlgHandheld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "EngineValues.h"
#include "PanelSlider.h"
#include "PortList.h"
#include "Version.h"
#include "dialogs/CDlgCopyEQ.h"

namespace kvt::handheld {

namespace {

constexpr int kSmallWidth = 240;
constexpr int kSmallHeight = 320;
// Around a dialog's content: a small screen has no pixels to spare.
constexpr int kDialogMargin = 5;
// Two delay sliders side by side, each wide enough for its label in every language.
constexpr int kDelaySliderWidth = 112;

QPushButton* FingerButton(QDialogButtonBox* box, const QString& text, int id,
                          QDialogButtonBox::ButtonRole role) {
    QPushButton* button = box->addButton(text, role);
    button->setObjectName(QString::number(id));
    button->setMinimumHeight(kFingerHeight);
    return button;
}

}  // namespace

QDialogButtonBox* AddOkCancel(QDialog* dialog) {
    auto* box = new QDialogButtonBox(dialog);
    FingerButton(box, QDialog::tr("OK"), 1, QDialogButtonBox::AcceptRole)->setDefault(true);
    FingerButton(box, QDialog::tr("Cancel"), 2, QDialogButtonBox::RejectRole);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    if (auto* layout = dialog->layout()) {
        layout->addWidget(box);
    }
    return box;
}

// Qt's own file dialog shows a places list, view and folder buttons beside the path and a row
// for the one file type: more than a small screen's width. The handheld keeps the folder, back
// and up, the list, the name and the two buttons.
void CompactFileDialog(QFileDialog* dialog) {
    constexpr int kFolderCharacters = 4;
    constexpr int kButtonWidth = 64;
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    for (const char* name : {"sidebar", "forwardButton", "newFolderButton", "listModeButton",
                             "detailModeButton", "fileTypeLabel", "fileTypeCombo"}) {
        if (auto* widget = dialog->findChild<QWidget*>(QLatin1String(name))) {
            widget->hide();
        }
    }
    if (auto* lookIn = dialog->findChild<QComboBox*>(QStringLiteral("lookInCombo"))) {
        lookIn->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        lookIn->setMinimumContentsLength(kFolderCharacters);
    }
    if (auto* buttons = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
        for (QAbstractButton* button : buttons->buttons()) {
            button->setMinimumWidth(kButtonWidth);
        }
    }
}

void FitToSmallScreen(QDialog* dialog, const QWidget* frame) {
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
        CompactFileDialog(files);
    }
    QSize room(kSmallWidth, kSmallHeight);
    if (frame != nullptr && frame->screen() != nullptr) {
        const QSize screen = frame->screen()->availableSize();
        // On a desktop the handheld is a phone-sized window: its dialogs keep to its size.
        room = QSize(std::min(screen.width(), std::max(frame->width(), kSmallWidth)),
                     std::min(screen.height(), std::max(frame->height(), kSmallHeight)));
    }
    // The laptop's dialogs ask for a width of their own; here the screen decides, and their
    // buttons grow to a finger's size.
    dialog->setMinimumSize(dialog->minimumSize().boundedTo(room));
    if (QLayout* layout = dialog->layout()) {
        layout->setContentsMargins(kDialogMargin, kDialogMargin, kDialogMargin, kDialogMargin);
    }
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        button->setMinimumHeight(std::max(button->minimumHeight(), kFingerHeight));
    }
    dialog->setMaximumSize(room);
    dialog->adjustSize();
    if (frame != nullptr) {
        const QRect area = frame->geometry();
        dialog->move(area.x() + std::max(0, (area.width() - dialog->width()) / 2),
                     area.y() + std::max(0, (area.height() - dialog->height()) / 2));
    }
}

// ---- About ------------------------------------------------------------------------------------

CDlgAbout::CDlgAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About KVTExecCE"));
    auto* layout = new QVBoxLayout(this);
    text_ = tr("KVTExecCE") + QLatin1Char('\n') + tr("Version %1").arg(frontend::VersionText());
    auto* label = new QLabel(text_, this);
    label->setObjectName(QStringLiteral("aboutText"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* box = new QDialogButtonBox(this);
    FingerButton(box, tr("OK"), 1, QDialogButtonBox::AcceptRole)->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(box);
}

QString CDlgAbout::Text() const {
    return text_;
}

// ---- Communication settings -------------------------------------------------------------------

CDlgCommSettings::CDlgCommSettings(IKVT80& engine, QWidget* parent, DeviceLister listDevices)
    : QDialog(parent), engine_(engine) {
    setObjectName(QStringLiteral("CommSettingsDialog"));
    setWindowTitle(tr("Configure Communications"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("Port:"), this);
    layout->addWidget(caption);
    ports_ = new QComboBox(this);
    ports_->setObjectName(QStringLiteral("1000"));
    ports_->setMinimumHeight(kFingerHeight);
    caption->setBuddy(ports_);
    layout->addWidget(ports_);
    layout->addStretch(1);

    // The serial ports only: the laptop's USB and network links are not the handheld's.
    if (!listDevices) {
        listDevices = setip::ListSerialDevices;
    }
    for (const std::string& port : setip::BuildPortList(listDevices)) {
        if (port != "USB") {
            ports_->addItem(QString::fromStdString(port));
        }
    }
    Variant value;
    const QString current =
        engine_.get_ComPort(&value) == status::Ok ? frontend::ToQString(value.StringValue()) : "";
    if (!current.isEmpty()) {
        int index = ports_->findText(current, Qt::MatchFixedString);
        if (index < 0) {
            // A device not plugged in now, or a pseudo-terminal: still the engine's port.
            ports_->addItem(current);
            index = ports_->count() - 1;
        }
        ports_->setCurrentIndex(index);
    }
    AddOkCancel(this);
}

void CDlgCommSettings::accept() {
    // A name the engine refuses is its concern; it keeps the port it had.
    engine_.put_ComPort(frontend::TextVariant(ports_->currentText()));
    QDialog::accept();
}

// ---- Copy EQ ----------------------------------------------------------------------------------

CDlgCopyEQ::CDlgCopyEQ(int sourceChannel, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("CopyEQDialog"));
    setWindowTitle(tr("Copy EQ"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(3);
    auto* from = new QGroupBox(tr("Copy From"), this);
    auto* to = new QGroupBox(tr("Copy To"), this);
    auto* fromLayout = new QVBoxLayout(from);
    auto* toLayout = new QVBoxLayout(to);
    for (auto* column : {fromLayout, toLayout}) {
        column->setSpacing(0);
        column->setContentsMargins(4, 2, 2, 2);
    }
    for (int channel = 0; channel < kChannels; ++channel) {
        if (channel == kSubwoofer) {
            continue;
        }
        const QString name = tr("Channel %1").arg(channel + 1);
        auto* source = new QRadioButton(name, from);
        source->setObjectName(QStringLiteral("from%1").arg(channel));
        source->setMinimumHeight(kFingerHeight - 4);
        connect(source, &QRadioButton::toggled, this, &CDlgCopyEQ::UpdateCopyButton);
        fromLayout->addWidget(source);
        sources_[channel] = source;
        auto* destination = new QCheckBox(name, to);
        destination->setObjectName(QStringLiteral("to%1").arg(channel));
        destination->setMinimumHeight(kFingerHeight - 4);
        toLayout->addWidget(destination);
        destinations_[channel] = destination;
    }
    columns->addWidget(from);
    columns->addWidget(to);
    layout->addLayout(columns);
    auto* box = new QDialogButtonBox(this);
    copy_ = FingerButton(box, tr("Copy >>"), 1, QDialogButtonBox::AcceptRole);
    FingerButton(box, tr("Cancel"), 2, QDialogButtonBox::RejectRole);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    if (sourceChannel >= 0 && sourceChannel < kChannels && sourceChannel != kSubwoofer) {
        sources_[sourceChannel]->setChecked(true);
    }
    UpdateCopyButton();
}

int CDlgCopyEQ::SourceChannel() const {
    for (int channel = 0; channel < kChannels; ++channel) {
        if (sources_[channel] != nullptr && sources_[channel]->isChecked()) {
            return channel;
        }
    }
    return -1;
}

std::array<bool, CDlgCopyEQ::kChannels> CDlgCopyEQ::Destinations() const {
    std::array<bool, kChannels> chosen{};
    for (int channel = 0; channel < kChannels; ++channel) {
        chosen[channel] = destinations_[channel] != nullptr && destinations_[channel]->isChecked();
    }
    return chosen;
}

int32_t CDlgCopyEQ::Apply(IKVT80& engine) const {
    const int source = SourceChannel();
    if (source < 0) {
        return status::InvalidArgument;
    }
    return engine.CopyEQ(Variant::Int(source),
                         laptop::CDlgCopyEQ::DestinationArray(Destinations()));
}

void CDlgCopyEQ::UpdateCopyButton() {
    copy_->setEnabled(SourceChannel() >= 0);
}

// ---- Digital delays ---------------------------------------------------------------------------

CDlgDigitalDelays::CDlgDigitalDelays(IKVT80& engine, QWidget* parent)
    : QDialog(parent), engine_(engine) {
    setObjectName(QStringLiteral("DigitalDelaysDialog"));
    setWindowTitle(tr("Digital Delays"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    // Positions are -ms: the longest delay at the top.
    input_ = new PanelSlider(1519, tr("Input Delay"), -kInputDelayMax, -kInputDelayMin, this);
    surround_ = new PanelSlider(1520, tr("Surround Delay"), -kSurroundDelayMax, 0, this);
    for (PanelSlider* slider : {input_, surround_}) {
        slider->setFixedWidth(kDelaySliderWidth);
        slider->setMinimumHeight(130);
        slider->Slider()->setPageStep(10);
        connect(slider, &PanelSlider::positionChanged, this, &CDlgDigitalDelays::ShowValues);
        row->addWidget(slider);
        row->addStretch(1);
    }
    layout->addLayout(row, 1);
    auto* note = new QLabel(tr("Digital input and surround delays apply to all digital enabled "
                               "formats"),
                            this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    layout->addWidget(note);
    AddOkCancel(this);

    readInput_ = frontend::IntProperty(engine_, &IKVT80::get_DigitalInputDelay);
    readSurround_ = frontend::IntProperty(engine_, &IKVT80::get_DigitalSurroundDelay);
    input_->SetPosition(-std::clamp(readInput_, kInputDelayMin, kInputDelayMax));
    surround_->SetPosition(-std::clamp(readSurround_, 0, kSurroundDelayMax));
    ShowValues();
}

void CDlgDigitalDelays::ShowValues() {
    input_->SetValueText(tr("%1 mS").arg(-input_->Position()));
    surround_->SetValueText(tr("%1 mS").arg(-surround_->Position()));
}

void CDlgDigitalDelays::accept() {
    // Only a delay the user changed is written (each write recomputes every channel's delay).
    const int input = -input_->Position();
    const int surround = -surround_->Position();
    if (input != readInput_) {
        engine_.put_DigitalInputDelay(Variant::Int(input));
    }
    if (surround != readSurround_) {
        engine_.put_DigitalSurroundDelay(Variant::Int(surround));
    }
    QDialog::accept();
}

}  // namespace kvt::handheld
