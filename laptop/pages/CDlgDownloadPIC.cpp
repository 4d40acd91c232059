#include "CDlgDownloadPIC.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "Texts.h"
#include "kvtcomm.h"

namespace kvt::laptop {

using frontend::ReadText;
using frontend::TextVariant;

namespace {

constexpr const char* kContext = "kvt::laptop::CDlgDownloadPIC";

// A target's radio button, its engine arguments (card 0: the control card) and its files.
struct TargetItem {
    int id;
    const char* label;
    int card;
    int dsp;
    const char* filter;
};
constexpr std::array<TargetItem, CDlgDownloadPIC::kTargetCount> kTargets{{
    {1509, QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Control Card"), 0, 0,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "INHEX32 Files (*.HEX)")},
    {1510, QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "NR Left"), 9, 1,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "NR Files (*.NR)")},
    {1511, QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "NR Right"), 9, 2,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "NR Files (*.NR)")},
    {1512, QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Matrix"), 9, 3,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Matrix Files (*.MAT,*.MTX)")},
    {1513, QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "EQ 1"), 6, 1,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "EQ Files (*.EQ)")},
    {1514, QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "EQ 2"), 6, 2,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "EQ Files (*.EQ)")},
}};

// The patterns behind each filter's description (the matrix description lists its two with a
// comma, which a file dialog would not read).
constexpr std::array<const char*, CDlgDownloadPIC::kTargetCount> kPatterns{{
    "*.HEX *.hex",
    "*.NR *.nr",
    "*.NR *.nr",
    "*.MAT *.MTX *.mat *.mtx",
    "*.EQ *.eq",
    "*.EQ *.eq",
}};

// The step labels' identifiers, Step 1 to Step 5.
constexpr std::array<int, 5> kStepIds{1392, 1391, 1393, 1394, 1395};

// The engine's states (0 ... 12) and what the page makes of them: the list's message, whether
// it warns, whether the download ends with it, and the animated status text.
struct StateItem {
    const char* message;
    bool warning;
    bool final;
    const char* status;
};
constexpr const char* kFailedMessage = QT_TRANSLATE_NOOP(
    "kvt::laptop::CDlgDownloadPIC",
    "A download error has occured.  Please verify that all cabling and settings are correct and "
    "try again.");
constexpr const char* kCompletedMessage = QT_TRANSLATE_NOOP(
    "kvt::laptop::CDlgDownloadPIC", "The firmware download has completed successfully.");
constexpr const char* kWaitingStatus = QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Waiting");
constexpr const char* kWritingStatus = QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Writing");
constexpr std::array<StateItem, 13> kStates{{
    // 0 ... 5: the control card.
    {nullptr, false, false, kWaitingStatus},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Erasing PIC program memory..."), false,
     false, QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Erasing")},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC",
                       "Writing to PIC program memory, this can take almost 5 minutes to "
                       "complete..."),
     false, false, kWritingStatus},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Writing PIC EEPROM data..."), false, false,
     QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Writing EEPROM")},
    {kFailedMessage, true, true, nullptr},
    {kCompletedMessage, false, true, nullptr},
    // 6 ... 12: a signal processor.
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Waiting for response from DSP"), false,
     false, kWaitingStatus},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Initializing DSP for download"), false,
     false, QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Initializing")},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC",
                       "Writing to DSP program memory, this can take almost 2 minutes to "
                       "complete..."),
     false, false, kWritingStatus},
    {kFailedMessage, true, true, nullptr},
    {kCompletedMessage, false, true, nullptr},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC", "Verifying DSP data..."), false, false,
     nullptr},
    {QT_TRANSLATE_NOOP("kvt::laptop::CDlgDownloadPIC",
                       "DSP CRC Verification has failed,  Please try the download again."),
     true, true, nullptr},
}};

const StateItem* StateOf(int state) {
    if (state < 0 || static_cast<size_t>(state) >= kStates.size()) {
        return nullptr;
    }
    return &kStates[static_cast<size_t>(state)];
}

QString Translated(const char* text) {
    return text == nullptr ? QString() : QCoreApplication::translate(kContext, text);
}

// The status animation's phase, shared by every page of the program.
int spinnerPhase = 0;

constexpr int kAnimationMs = 250;
constexpr int kIconSize = 32;

}  // namespace

CDlgDownloadPIC::CDlgDownloadPIC(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent)
    : QWidget(parent), engine_(engine) {
    icons_ = {QIcon(QStringLiteral(":/icons/message-information.svg")),
              QIcon(QStringLiteral(":/icons/message-warning.svg")),
              QIcon(QStringLiteral(":/icons/message-error.svg"))};
    BuildLayout();

    timer_ = new QTimer(this);
    timer_->setInterval(kAnimationMs);
    connect(timer_, &QTimer::timeout, this, &CDlgDownloadPIC::AnimateStatus);

    connect(&bridge, &frontend::EngineBridge::picDownloadStateChange, this,
            &CDlgDownloadPIC::OnDownloadStateChange);
    connect(&bridge, &frontend::EngineBridge::dspDownloadStateChange, this,
            &CDlgDownloadPIC::OnDownloadStateChange);
    connect(&bridge, &frontend::EngineBridge::downloadProgress, this,
            &CDlgDownloadPIC::OnDownloadProgress);

    SelectTarget(kControlCard);
}

// The thread that started a download returns once the port is open; its answer is dropped with
// the page.
CDlgDownloadPIC::~CDlgDownloadPIC() = default;

// ---- Layout -------------------------------------------------------------------------------------

QLabel* CDlgDownloadPIC::CreateStepLabel(int id, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::number(id));
    label->setAutoFillBackground(true);
    label->setMargin(3);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Highlight));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::HighlightedText));
    label->setPalette(colours);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QLabel* CDlgDownloadPIC::CreateText(int id, const QString& text) {
    auto* label = new QLabel(text, this);
    if (id != 0) {
        label->setObjectName(QString::number(id));
    }
    label->setWordWrap(true);
    return label;
}

void CDlgDownloadPIC::BuildLayout() {
    auto* targetBox = new QGroupBox(tr("Target"), this);
    targetBox->setObjectName(QStringLiteral("target"));
    auto* targetColumn = new QVBoxLayout(targetBox);
    targets_ = new QButtonGroup(this);
    for (int target = 0; target < kTargetCount; ++target) {
        const TargetItem& item = kTargets[static_cast<size_t>(target)];
        auto* radio = new QRadioButton(Translated(item.label), targetBox);
        radio->setObjectName(QString::number(item.id));
        targets_->addButton(radio, target);
        targetColumn->addWidget(radio);
    }
    targetColumn->addStretch(1);
    connect(targets_, &QButtonGroup::idClicked, this, [this] { OnTargetChanged(); });

    for (size_t step = 0; step < kStepIds.size(); ++step) {
        stepLabels_[step] = CreateStepLabel(kStepIds[step], tr("Step %1:").arg(step + 1));
    }
    QLabel* disconnected =
        CreateText(0, tr("Make sure you are disconnected from the KVT unit and that all recent "
                         "modifications have been saved."));
    QLabel* selectFile = CreateText(0, tr("Select the file to be downloaded:"));
    fileName_ = new QLineEdit(this);
    fileName_->setObjectName(QStringLiteral("1388"));
    fileName_->setAccessibleName(tr("File to be downloaded"));
    // Only Browse fills it: the file shown is the file checked and downloaded.
    fileName_->setReadOnly(true);
    browse_ = new QPushButton(tr("Browse..."), this);
    browse_->setObjectName(QStringLiteral("1389"));
    connect(browse_, &QPushButton::clicked, this, &CDlgDownloadPIC::Browse);
    clickDownload_ = CreateText(1540, tr("Click the Download button:"));
    download_ = new QPushButton(tr("Download"), this);
    download_->setObjectName(QStringLiteral("1390"));
    connect(download_, &QPushButton::clicked, this, &CDlgDownloadPIC::Download);
    powerOff_ = CreateText(1515, tr("Turn OFF the power to the KVT unit that will be updated."));
    powerOn_ = CreateText(1516, tr("Power the KVT unit back ON while holding down S5 on the KVT-80 "
                                   "control card. Release the S5 switch after five seconds."));
    demoPowerCycle_ = new QPushButton(tr("Power Cycle with S5 Held"), this);
    demoPowerCycle_->setObjectName(QStringLiteral("powerCycleS5"));
    demoPowerCycle_->setToolTip(tr("Switches the demonstration unit off and on again holding S5"));
    demoPowerCycle_->hide();
    connect(demoPowerCycle_, &QPushButton::clicked, this, [this] {
        if (powerCycle_) {
            powerCycle_();
        }
    });

    steps_ = new QGridLayout;
    steps_->setColumnStretch(1, 1);
    steps_->setColumnMinimumWidth(2, 160);
    steps_->addWidget(stepLabels_[0], 0, 0);
    steps_->addWidget(disconnected, 0, 1, 1, 2);
    steps_->addWidget(stepLabels_[1], 1, 0);
    steps_->addWidget(selectFile, 1, 1, 1, 2);
    steps_->addWidget(fileName_, 2, 1);
    steps_->addWidget(browse_, 2, 2);
    for (int step = 2; step < 5; ++step) {
        steps_->addWidget(stepLabels_[static_cast<size_t>(step)], step + 1, 0);
    }

    auto* top = new QHBoxLayout;
    top->addWidget(targetBox);
    top->addLayout(steps_, 1);

    messages_ = new QListWidget(this);
    messages_->setObjectName(QStringLiteral("1396"));
    messages_->setAccessibleName(tr("Download messages"));
    messages_->setIconSize(QSize(kIconSize, kIconSize));
    messages_->setSelectionMode(QAbstractItemView::SingleSelection);
    messages_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("downloadProgress"));
    progress_->setAccessibleName(tr("Download progress"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setFormat(QString());
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("1398"));
    status_->setMinimumWidth(160);
    clear_ = new QPushButton(tr("Clear"), this);
    clear_->setObjectName(QStringLiteral("1397"));
    connect(clear_, &QPushButton::clicked, this, &CDlgDownloadPIC::ClearMessages);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(progress_, 1);
    bottom->addWidget(status_);
    bottom->addWidget(clear_);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(messages_, 1);
    page->addLayout(bottom);
}

// The control card needs the unit powered up in its boot loader before the download: the two
// power-cycle instructions become steps 3 and 4, and Download step 5. For a processor the
// download is step 3 and the instructions are hidden.
void CDlgDownloadPIC::ApplyTargetLayout() {
    const bool controlCard = SelectedTarget() == kControlCard;
    for (QWidget* moving : {static_cast<QWidget*>(clickDownload_), static_cast<QWidget*>(download_),
                            static_cast<QWidget*>(powerOff_), static_cast<QWidget*>(powerOn_),
                            static_cast<QWidget*>(demoPowerCycle_)}) {
        steps_->removeWidget(moving);
    }
    constexpr int kStep3 = 3;
    constexpr int kStep4 = 4;
    constexpr int kStep5 = 5;
    const int downloadRow = controlCard ? kStep5 : kStep3;
    steps_->addWidget(clickDownload_, downloadRow, 1);
    steps_->addWidget(download_, downloadRow, 2);
    steps_->addWidget(powerOff_, controlCard ? kStep3 : kStep4, 1, 1, 2);
    steps_->addWidget(powerOn_, controlCard ? kStep4 : kStep5, 1);
    steps_->addWidget(demoPowerCycle_, controlCard ? kStep4 : kStep5, 2);
    powerOff_->setVisible(controlCard);
    powerOn_->setVisible(controlCard);
    demoPowerCycle_->setVisible(controlCard && powerCycle_ != nullptr);
    stepLabels_[3]->setVisible(controlCard);
    stepLabels_[4]->setVisible(controlCard);
}

void CDlgDownloadPIC::SetDemoPowerCycle(std::function<void()> powerCycle) {
    powerCycle_ = std::move(powerCycle);
    ApplyTargetLayout();
}

// ---- Target and file ----------------------------------------------------------------------------

CDlgDownloadPIC::Target CDlgDownloadPIC::SelectedTarget() const {
    const int checked = targets_->checkedId();
    return checked < 0 ? kControlCard : static_cast<Target>(checked);
}

void CDlgDownloadPIC::SelectTarget(Target target) {
    targets_->button(target)->setChecked(true);
    OnTargetChanged();
}

void CDlgDownloadPIC::OnTargetChanged() {
    fileName_->clear();
    fileChosen_ = false;
    ApplyTargetLayout();
}

QString CDlgDownloadPIC::FileFilter(Target target) {
    const QString description = Translated(kTargets[static_cast<size_t>(target)].filter);
    // The description's own patterns are replaced by the ones the dialog reads.
    const qsizetype open = description.lastIndexOf(QLatin1Char('('));
    const QString name = open > 0 ? description.left(open).trimmed() : description;
    return QStringLiteral("%1 (%2);;%3 (*)")
        .arg(name, QLatin1String(kPatterns[static_cast<size_t>(target)]),
             tr("All Files (*.*)").section(QLatin1Char('('), 0, 0).trimmed());
}

std::optional<QString> CDlgDownloadPIC::AskFileName(const QString& filter) {
    QFileDialog dialog(this, tr("Open"), QString(), filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void CDlgDownloadPIC::ShowWarning(const QString& text) {
    QMessageBox::warning(this, frontend::ProgramTitle(), text);
}

void CDlgDownloadPIC::Browse() {
    if (const auto chosen = AskFileName(FileFilter(SelectedTarget()))) {
        ChooseFile(*chosen);
    }
}

void CDlgDownloadPIC::ChooseFile(const QString& path) {
    if (SelectedTarget() == kControlCard &&
        engine_.ParseHexFile(frontend::ToU16(path)) != status::Ok) {
        fileName_->clear();
        fileChosen_ = false;
        ShowWarning(tr("The selected file is not a valid firmware image or has been corrupted."));
        return;
    }
    fileName_->setText(path);
    fileChosen_ = true;
}

// ---- Download -----------------------------------------------------------------------------------

void CDlgDownloadPIC::Download() {
    if (!fileChosen_) {
        ShowWarning(
            tr("The filename entered is not valid.  Please make sure you have the correct "
               "file selected."));
        return;
    }
    if (downloading_) {
        return;
    }
    downloading_ = true;
    callAnswered_ = false;
    finalStateSeen_ = false;
    download_->setEnabled(false);
    progressLine_ = nullptr;
    progressLineState_ = -1;
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setFormat(QString());

    const TargetItem& item = kTargets[static_cast<size_t>(SelectedTarget())];
    const bool controlCard = SelectedTarget() == kControlCard;
    const QString path = fileName_->text();
    // Opening the port can take seconds (a network address): not on the GUI thread. The engine
    // runs the download itself on a thread of its own once the port is open.
    caller_ = std::jthread([this, controlCard, card = item.card, dsp = item.dsp, path] {
        const int32_t result =
            controlCard
                ? engine_.DownloadToPIC()
                : engine_.DownloadToDSP(Variant::Int(card), Variant::Int(dsp), TextVariant(path));
        // The transport says why on the thread that tried to open the port.
        const QString openError =
            result == status::Ok ? QString() : QString::fromUtf8(GetCommOpenErrorText());
        QMetaObject::invokeMethod(
            this, [this, result, openError] { OnDownloadCalled(result, openError); },
            Qt::QueuedConnection);
    });
}

void CDlgDownloadPIC::OnDownloadCalled(int32_t result, const QString& openError) {
    callAnswered_ = true;
    if (result == status::Ok) {
        if (finalStateSeen_) {
            // Over before the answer came back (a file the engine refused at once).
            downloading_ = false;
            download_->setEnabled(true);
            return;
        }
        timer_->start();
        emit connectionStatus(1, 0);
        return;
    }
    downloading_ = false;
    download_->setEnabled(true);
    if (result == status::AlreadyConnected) {
        ShowWarning(
            tr("The program is connected to the KVT unit.  Please disconnect before "
               "downloading."));
        return;
    }
    if (result == status::InvalidArgument) {
        // The memory images Browse made from the firmware file are gone or were changed since.
        fileName_->clear();
        fileChosen_ = false;
        ShowWarning(tr("The selected file is not a valid firmware image or has been corrupted."));
        return;
    }
    QString text =
        result == status::RemoteUnreachable
            ? tr("Failed to connect to remote address.  Please verify your communication "
                 "settings and try again.")
            : tr("Failed to open the communication port (%1).  Please verify your configuration "
                 "and try again.")
                  .arg(ReadText(engine_, &IKVT80::get_ComPort));
    if (!openError.isEmpty()) {
        text += QStringLiteral("\n\n") + openError;
    }
    ShowWarning(text);
}

// Both downloads' states share one numbering (0 ... 5 the control card, 6 ... 12 a processor).
void CDlgDownloadPIC::OnDownloadStateChange(int state) {
    downloadState_ = state;
    const StateItem* item = StateOf(state);
    if (item == nullptr) {
        return;
    }
    const MessageIcon icon = item->warning ? kWarning : kInformation;
    if (item->final) {
        EndDownload(Translated(item->message), icon);
        return;
    }
    if (item->message != nullptr) {
        AddMessage(Translated(item->message), icon);
    }
}

void CDlgDownloadPIC::EndDownload(const QString& text, MessageIcon icon) {
    timer_->stop();
    status_->clear();
    AddMessage(text, icon);
    finalStateSeen_ = true;
    emit connectionStatus(0, 0);
    if (callAnswered_ || !downloading_) {
        downloading_ = false;
        download_->setEnabled(true);
    }
}

void CDlgDownloadPIC::AddMessage(const QString& text, MessageIcon icon) {
    auto* item = new QListWidgetItem(icons_[static_cast<size_t>(icon)], text);
    item->setData(kKindRole, kStateMessage);
    item->setData(kIconRole, icon);
    messages_->insertItem(0, item);
    messages_->setCurrentItem(item);
    if (icon == kWarning) {
        QApplication::beep();
    }
}

void CDlgDownloadPIC::ClearMessages() {
    messages_->clear();
    progressLine_ = nullptr;
    progressLineState_ = -1;
}

// ---- Position of the download -------------------------------------------------------------------

void CDlgDownloadPIC::OnDownloadProgress(int state, int done, int total, const QString& note) {
    const StateItem* item = StateOf(state);
    if (item != nullptr && item->final) {
        const bool completed =
            state == PICDownloadStateCompleted || state == DSPDownloadStateCompleted;
        if (progress_->maximum() == 0) {
            progress_->setRange(0, 1);
            progress_->setValue(0);
        }
        if (completed) {
            progress_->setValue(progress_->maximum());
        }
        progress_->setFormat(completed ? tr("Complete") : tr("Failed"));
        if (!note.isEmpty()) {
            auto* reason = new QListWidgetItem(icons_[kError], tr("What went wrong: %1").arg(note));
            reason->setData(kKindRole, kReasonLine);
            reason->setData(kIconRole, kError);
            messages_->insertItem(0, reason);
        }
        return;
    }
    if (total <= 0) {
        // A phase without a count (waiting for the unit, erasing, verifying): the bar is busy.
        progress_->setRange(0, 0);
        return;
    }
    progress_->setFormat(tr("%p% (%v of %m)"));
    progress_->setRange(0, total);
    progress_->setValue(std::clamp(done, 0, total));
    ShowProgressLine(state, done, total);
}

void CDlgDownloadPIC::ShowProgressLine(int state, int done, int total) {
    const int percent = static_cast<int>(static_cast<qint64>(done) * 100 / total);
    QString text;
    switch (state) {
        case PICDownloadStateWritingPM:
            text = tr("PIC program memory: %1 of %2 records written (%3%)");
            break;
        case PICDownloadStateWritingEEPROM:
            text = tr("PIC EEPROM data: %1 of %2 records written (%3%)");
            break;
        case DSPDownloadStateWriting:
            text = tr("DSP program memory: %1 of %2 words written (%3%)");
            break;
        default:
            text = tr("%1 of %2 written (%3%)");
            break;
    }
    text = text.arg(done).arg(total).arg(percent);
    if (progressLine_ == nullptr || progressLineState_ != state) {
        progressLine_ = new QListWidgetItem(icons_[kInformation], text);
        progressLine_->setData(kKindRole, kProgressLine);
        progressLine_->setData(kIconRole, kInformation);
        messages_->insertItem(0, progressLine_);
        progressLineState_ = state;
        return;
    }
    progressLine_->setText(text);
}

// ---- Status text --------------------------------------------------------------------------------

void CDlgDownloadPIC::AnimateStatus() {
    const StateItem* item = StateOf(downloadState_);
    const QString text = item != nullptr ? Translated(item->status) : QString();
    if (text.isEmpty()) {
        status_->clear();
        return;
    }
    static constexpr std::array<char, 4> kSpinner{'|', '/', '-', '\\'};
    const QChar mark = QLatin1Char(kSpinner[static_cast<size_t>(spinnerPhase)]);
    status_->setText(QString(mark) + QLatin1Char(' ') + text + QLatin1Char(' ') + mark);
    spinnerPhase = (spinnerPhase + 1) % static_cast<int>(kSpinner.size());
}

}  // namespace kvt::laptop
