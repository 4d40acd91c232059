#include "CDlgRoomEQ.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "CRoomEQPlot.h"
#include "EngineValues.h"

namespace kvt::laptop {

namespace {

constexpr int kRestorePollMs = 500;

QString Decibels(double db) {
    return QStringLiteral("%1 dB").arg(db, 0, 'f', 1);
}

}  // namespace

CDlgRoomEQ::CDlgRoomEQ(IKVT80& engine, QWidget* parent) : QDialog(parent), engine_(engine) {
    setWindowTitle(tr("Room EQ Assistant"));
    pages_ = new QStackedWidget(this);
    pages_->addWidget(CreateSetupPage());
    pages_->addWidget(CreateRunPage());
    pages_->addWidget(CreateResultsPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    restoreTimer_ = new QTimer(this);
    restoreTimer_->setInterval(kRestorePollMs);
    connect(restoreTimer_, &QTimer::timeout, this, &CDlgRoomEQ::CheckPendingRestore);
    UpdateSetup();
}

// The assistant stops at the cancel flag within a poll and then puts the generator and analyser
// back; the window is gone by then, so its finishing call is dropped.
CDlgRoomEQ::~CDlgRoomEQ() {
    cancel_ = true;
    JoinWorker();
}

void CDlgRoomEQ::JoinWorker() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

// ---- Setup ------------------------------------------------------------------------------------

QWidget* CDlgRoomEQ::CreateSetupPage() {
    auto* page = new QWidget;
    auto* intro = new QLabel(
        tr("Place the measurement microphones in the seating area and make sure the room is "
           "quiet. The assistant plays pink noise on each chosen channel in turn, measures it "
           "with the unit's analyser and sets the channel's equalizer and output level."),
        page);
    intro->setWordWrap(true);

    auto* channelBox = new QGroupBox(tr("Channels"), page);
    auto* channelGrid = new QGridLayout(channelBox);
    const std::vector<int> chosen{roomeq::L,  roomeq::C,  roomeq::R,
                                  roomeq::LS, roomeq::SW, roomeq::RS};
    for (int channel = 0; channel < roomeq::kChannels; ++channel) {
        auto* box = new QCheckBox(
            QString::fromLatin1(roomeq::ChannelName(channel).data(),
                                static_cast<qsizetype>(roomeq::ChannelName(channel).size())),
            channelBox);
        box->setObjectName(QStringLiteral("channel%1").arg(channel));
        box->setChecked(std::find(chosen.begin(), chosen.end(), channel) != chosen.end());
        connect(box, &QCheckBox::toggled, this, &CDlgRoomEQ::UpdateSetup);
        channelGrid->addWidget(box, channel / 4, channel % 4);
        channels_[static_cast<size_t>(channel)] = box;
    }

    auto* targetBox = new QGroupBox(tr("Target"), page);
    auto* targetGrid = new QGridLayout(targetBox);
    xcurve_ = new QRadioButton(tr("X-curve, moved by"), targetBox);
    xcurve_->setChecked(true);
    offset_ = new QDoubleSpinBox(targetBox);
    offset_->setRange(-20.0, 20.0);
    offset_->setDecimals(1);
    offset_->setSingleStep(0.5);
    offset_->setSuffix(tr(" dB"));
    file_ = new QRadioButton(tr("Target file:"), targetBox);
    path_ = new QLineEdit(targetBox);
    path_->setPlaceholderText(tr("One line per band: frequency in Hz and level in dB"));
    browse_ = new QPushButton(tr("Browse..."), targetBox);
    targetGrid->addWidget(xcurve_, 0, 0);
    targetGrid->addWidget(offset_, 0, 1);
    targetGrid->addWidget(file_, 1, 0);
    targetGrid->addWidget(path_, 1, 1, 1, 2);
    targetGrid->addWidget(browse_, 1, 3);
    targetGrid->setColumnStretch(2, 1);
    for (QRadioButton* button : {xcurve_, file_}) {
        connect(button, &QRadioButton::toggled, this, &CDlgRoomEQ::UpdateSetup);
    }
    connect(path_, &QLineEdit::textChanged, this, [this] {
        if (!path_->text().isEmpty()) {
            file_->setChecked(true);
        }
        UpdateSetup();
    });
    connect(browse_, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, tr("Target File"), path_->text(), tr("Target files (*.txt);;All files (*)"));
        if (!path.isEmpty()) {
            path_->setText(path);
        }
    });

    auto* limitsBox = new QGroupBox(tr("Limits"), page);
    auto* limitsForm = new QFormLayout(limitsBox);
    maxBoost_ = new QDoubleSpinBox(limitsBox);
    maxCut_ = new QDoubleSpinBox(limitsBox);
    for (QDoubleSpinBox* spin : {maxBoost_, maxCut_}) {
        spin->setRange(0.0, 12.0);
        spin->setDecimals(1);
        spin->setSingleStep(0.5);
        spin->setSuffix(tr(" dB"));
    }
    maxBoost_->setValue(roomeq::Limits{}.maxBoostDb);
    maxCut_->setValue(roomeq::Limits{}.maxCutDb);
    limitsForm->addRow(tr("Largest boost:"), maxBoost_);
    limitsForm->addRow(tr("Deepest cut:"), maxCut_);
    auto* unitRange = new QLabel(tr("The unit's equalizer reaches 6 dB either way."), limitsBox);
    unitRange->setWordWrap(true);
    limitsForm->addRow(unitRange);

    setupMessage_ = new QLabel(page);
    setupMessage_->setWordWrap(true);
    setupMessage_->setObjectName(QStringLiteral("setupMessage"));
    start_ = new QPushButton(tr("Start"), page);
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, [this] { Start(); });
    auto* closeButton = new QPushButton(tr("Close"), page);
    connect(closeButton, &QPushButton::clicked, this, &CDlgRoomEQ::reject);

    auto* lower = new QHBoxLayout;
    lower->addWidget(targetBox, 2);
    lower->addWidget(limitsBox, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(setupMessage_, 1);
    buttons->addWidget(start_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(intro);
    layout->addWidget(channelBox);
    layout->addLayout(lower);
    layout->addStretch(1);
    layout->addLayout(buttons);
    return page;
}

void CDlgRoomEQ::UpdateSetup() {
    const bool anyChannel = !Channels().empty();
    const bool fileTarget = file_->isChecked();
    offset_->setEnabled(!fileTarget);
    const bool connected = frontend::IsConnected(engine_);
    start_->setEnabled(anyChannel && (!fileTarget || !path_->text().isEmpty()) && connected &&
                       !pendingRestore_);
    if (!connected) {
        setupMessage_->setText(tr("Connect to the unit first."));
    } else if (!anyChannel) {
        setupMessage_->setText(tr("Choose at least one channel."));
    } else {
        setupMessage_->clear();
    }
}

void CDlgRoomEQ::SetChannels(const std::vector<int>& channels) {
    for (int channel = 0; channel < roomeq::kChannels; ++channel) {
        channels_[static_cast<size_t>(channel)]->setChecked(
            std::find(channels.begin(), channels.end(), channel) != channels.end());
    }
}

std::vector<int> CDlgRoomEQ::Channels() const {
    std::vector<int> chosen;
    // In the order the unit's outputs are usually set up: screen, surrounds, subwoofer last.
    for (const int channel : {roomeq::L, roomeq::C, roomeq::R, roomeq::LEX, roomeq::REX, roomeq::LS,
                              roomeq::RS, roomeq::SW}) {
        if (channels_[static_cast<size_t>(channel)]->isChecked()) {
            chosen.push_back(channel);
        }
    }
    return chosen;
}

void CDlgRoomEQ::SetTargetFile(const QString& path) {
    path_->setText(path);
    (path.isEmpty() ? xcurve_ : file_)->setChecked(true);
}

void CDlgRoomEQ::SetXCurveOffset(double db) {
    offset_->setValue(db);
}

void CDlgRoomEQ::SetLimits(double maxBoostDb, double maxCutDb) {
    maxBoost_->setValue(maxBoostDb);
    maxCut_->setValue(maxCutDb);
}

CDlgRoomEQ::Stage CDlgRoomEQ::CurrentStage() const {
    return static_cast<Stage>(pages_->currentIndex());
}

// ---- Run --------------------------------------------------------------------------------------

QWidget* CDlgRoomEQ::CreateRunPage() {
    auto* page = new QWidget;
    runStatus_ = new QLabel(page);
    runStatus_->setWordWrap(true);
    progress_ = new QProgressBar(page);
    log_ = new QPlainTextEdit(page);
    log_->setReadOnly(true);
    log_->setObjectName(QStringLiteral("runLog"));
    cancelButton_ = new QPushButton(tr("Cancel"), page);
    connect(cancelButton_, &QPushButton::clicked, this, &CDlgRoomEQ::Cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(runStatus_);
    layout->addWidget(progress_);
    layout->addWidget(log_, 1);
    layout->addLayout(buttons);
    return page;
}

bool CDlgRoomEQ::Start() {
    if (worker_.joinable() && !workerDone_) {
        return false;
    }
    roomeq::AssistantOptions options;
    options.channels = Channels();
    if (options.channels.empty() || !frontend::IsConnected(engine_) || pendingRestore_) {
        UpdateSetup();
        return false;
    }
    if (file_->isChecked()) {
        std::string error;
        const auto target = roomeq::ReadTargetFile(path_->text().toStdString(), error);
        if (!target) {
            setupMessage_->setText(
                tr("The target file cannot be used: %1").arg(QString::fromStdString(error)));
            return false;
        }
        options.target = *target;
    } else {
        options.target = roomeq::XCurveTarget(offset_->value());
    }
    options.limits.maxBoostDb = maxBoost_->value();
    options.limits.maxCutDb = maxCut_->value();
    options.measure = measuring_;
    options.cancel = &cancel_;
    options.progress = [this](const std::string& text) {
        QMetaObject::invokeMethod(
            this, [this, line = QString::fromStdString(text)] { OnProgress(line); },
            Qt::QueuedConnection);
    };
    options.steps = [this](int done, int total) {
        QMetaObject::invokeMethod(
            this, [this, done, total] { OnSteps(done, total); }, Qt::QueuedConnection);
    };

    JoinWorker();
    cancel_ = false;
    workerDone_ = false;
    log_->clear();
    progress_->setRange(0, 0);
    runStatus_->setText(tr("Measuring and equalizing. Keep the room quiet."));
    cancelButton_->setEnabled(true);
    pages_->setCurrentIndex(static_cast<int>(Stage::Running));
    emit busyChanged(true);
    worker_ = std::thread([this, options] {
        roomeq::AssistantResult result = roomeq::RunAssistant(engine_, options);
        workerDone_ = true;
        QMetaObject::invokeMethod(
            this, [this, result = std::move(result)] { OnRunFinished(result); },
            Qt::QueuedConnection);
    });
    return true;
}

void CDlgRoomEQ::Cancel() {
    if (CurrentStage() != Stage::Running) {
        return;
    }
    cancel_ = true;
    cancelButton_->setEnabled(false);
    runStatus_->setText(tr("Cancelling: switching the generator off..."));
}

void CDlgRoomEQ::OnProgress(const QString& text) {
    log_->appendPlainText(text);
}

void CDlgRoomEQ::OnSteps(int done, int total) {
    progress_->setRange(0, total);
    progress_->setValue(done);
}

void CDlgRoomEQ::OnRunFinished(const roomeq::AssistantResult& result) {
    JoinWorker();
    emit busyChanged(false);
    result_ = result;
    undone_.assign(result_.channels.size(), false);
    if (result_.pendingRestore) {
        pendingRestore_ = result_.pendingRestore;
        restoreTimer_->start();
    }
    if (closeWhenFinished_) {
        emit runFinished(result_.completed);
        QDialog::reject();
        return;
    }
    FillResults();
    pages_->setCurrentIndex(static_cast<int>(Stage::Results));
    emit runFinished(result_.completed);
}

// Closing while the assistant runs cancels it; the window closes once the generator is off. A
// store or put-back under way is let finish first, so closing never waits for the unit.
void CDlgRoomEQ::reject() {
    if (!workerDone_) {
        closeWhenFinished_ = true;
        Cancel();
        return;
    }
    QDialog::reject();
}

// ---- Results ----------------------------------------------------------------------------------

QWidget* CDlgRoomEQ::CreateResultsPage() {
    auto* page = new QWidget;
    summary_ = new QLabel(page);
    summary_->setWordWrap(true);
    summary_->setObjectName(QStringLiteral("summary"));
    list_ = new QListWidget(page);
    list_->setObjectName(QStringLiteral("channelList"));
    list_->setMaximumWidth(list_->fontMetrics().horizontalAdvance(QStringLiteral("M")) * 18);
    plot_ = new CRoomEQPlot(page);
    figures_ = new QLabel(page);
    figures_->setWordWrap(true);
    undo_ = new QPushButton(tr("Undo Channel"), page);
    store_ = new QPushButton(tr("Store in Unit"), page);
    again_ = new QPushButton(tr("New Run..."), page);
    close_ = new QPushButton(tr("Close"), page);
    connect(list_, &QListWidget::currentRowChanged, this, &CDlgRoomEQ::ShowChannel);
    connect(undo_, &QPushButton::clicked, this, [this] { Undo(list_->currentRow()); });
    connect(store_, &QPushButton::clicked, this, &CDlgRoomEQ::Store);
    connect(again_, &QPushButton::clicked, this, [this] {
        pages_->setCurrentIndex(static_cast<int>(Stage::Setup));
        UpdateSetup();
    });
    connect(close_, &QPushButton::clicked, this, &CDlgRoomEQ::reject);

    auto* right = new QVBoxLayout;
    right->addWidget(plot_, 1);
    right->addWidget(figures_);
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_);
    middle->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(undo_);
    buttons->addStretch(1);
    buttons->addWidget(again_);
    buttons->addWidget(store_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(summary_);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    return page;
}

QString CDlgRoomEQ::ChannelLine(int index) const {
    const roomeq::ChannelResult& r = result_.channels[static_cast<size_t>(index)];
    const QString name =
        QString::fromLatin1(roomeq::ChannelName(r.channel).data(),
                            static_cast<qsizetype>(roomeq::ChannelName(r.channel).size()));
    if (undone_[static_cast<size_t>(index)]) {
        return tr("%1: undone").arg(name);
    }
    if (!result_.completed) {
        return tr("%1: not finished").arg(name);
    }
    return tr("%1: %2 \u2192 %3 %4")
        .arg(name, Decibels(r.errorBeforeDb), Decibels(r.errorAfterDb),
             r.withinTolerance ? tr("(ok)") : tr("(outside)"));
}

void CDlgRoomEQ::FillResults() {
    if (result_.completed) {
        summary_->setText(result_.AllWithinTolerance()
                              ? tr("Every channel is within tolerance of the target.")
                              : tr("Some channels are outside tolerance; see their curves."));
    } else if (result_.pendingRestore) {
        summary_->setText(
            tr("The unit stopped answering. The generator may still be playing: it is switched "
               "off and the analyser put back as soon as the unit is connected again."));
    } else {
        summary_->setText(tr("The run did not finish (%1). The generator is off and the analyser "
                             "is as it was; the channels already changed can be undone.")
                              .arg(QString::fromStdString(result_.failure)));
    }
    list_->clear();
    for (int i = 0; i < static_cast<int>(result_.channels.size()); ++i) {
        list_->addItem(ChannelLine(i));
    }
    if (!result_.channels.empty()) {
        list_->setCurrentRow(0);
    } else {
        plot_->Clear();
        figures_->clear();
    }
    UpdateResultButtons();
}

void CDlgRoomEQ::ShowChannel(int index) {
    if (index < 0 || index >= static_cast<int>(result_.channels.size())) {
        return;
    }
    if (list_->currentRow() != index) {
        list_->setCurrentRow(index);
        return;
    }
    const roomeq::ChannelResult& r = result_.channels[static_cast<size_t>(index)];
    CRoomEQPlot::Curves curves;
    curves.before = r.measuredBefore;
    curves.after = r.measuredAfter;
    curves.target = r.target;
    curves.judged = r.judged;
    // The target as the channel was judged against it: where it has points, at the channel's
    // level goal.
    for (size_t c = 0; c < roomeq::kColumns; ++c) {
        curves.hasTarget[c] = r.judged[c] || r.reference[c];
    }
    if (result_.completed) {
        plot_->SetCurves(curves);
    } else {
        plot_->Clear();
    }
    QStringList leftOut;
    for (const roomeq::Exclusion& e : r.excluded) {
        if (e.reason != roomeq::LeftOut::OutsideRange) {
            leftOut << QStringLiteral("%1 Hz (%2)")
                           .arg(QString::fromLatin1(
                                    roomeq::ColumnLabel(e.column).data(),
                                    static_cast<qsizetype>(roomeq::ColumnLabel(e.column).size())),
                                e.reason == roomeq::LeftOut::Null ? tr("null") : tr("noise floor"));
        }
    }
    QString text = tr("Rounds: %1. Output level %2 \u2192 %3. Largest deviation %4 \u2192 %5.")
                       .arg(r.rounds)
                       .arg(Decibels(r.before.outputGainDb), Decibels(r.written.outputGainDb),
                            Decibels(r.errorBeforeDb), Decibels(r.errorAfterDb));
    if (r.channel == roomeq::SW) {
        const roomeq::Parametric& band = r.written.eq.parametric;
        text += QLatin1Char(' ') + tr("Parametric band: %1 Hz, Q %2, %3.")
                                       .arg(band.hz, 0, 'f', 0)
                                       .arg(band.q, 0, 'f', 2)
                                       .arg(Decibels(band.gainDb));
    }
    if (!leftOut.isEmpty()) {
        text += QLatin1Char(' ') + tr("Left alone: %1.").arg(leftOut.join(QStringLiteral(", ")));
    }
    figures_->setText(result_.completed ? text : QString());
    UpdateResultButtons();
}

int CDlgRoomEQ::ShownChannel() const {
    return list_->currentRow();
}

void CDlgRoomEQ::UpdateResultButtons() {
    const int index = list_->currentRow();
    const bool idle = !storing_ && workerDone_;
    const bool ready = frontend::IsConnected(engine_) && !pendingRestore_;
    undo_->setEnabled(idle && ready && index >= 0 && index < static_cast<int>(undone_.size()) &&
                      !undone_[static_cast<size_t>(index)]);
    store_->setEnabled(idle && ready && !result_.channels.empty());
    again_->setEnabled(idle);
    close_->setEnabled(idle);
}

// The earlier settings go back through the engine's image; the engine sends them on its own
// thread, so this does not wait for the unit.
bool CDlgRoomEQ::Undo(int index) {
    if (index < 0 || index >= static_cast<int>(result_.channels.size()) ||
        undone_[static_cast<size_t>(index)] || !frontend::IsConnected(engine_)) {
        return false;
    }
    const roomeq::ChannelResult& r = result_.channels[static_cast<size_t>(index)];
    if (roomeq::RestoreChannel(engine_, r.channel, r.before) != status::Ok) {
        return false;
    }
    undone_[static_cast<size_t>(index)] = true;
    list_->item(index)->setText(ChannelLine(index));
    ShowChannel(index);
    return true;
}

bool CDlgRoomEQ::Undone(int index) const {
    return index >= 0 && index < static_cast<int>(undone_.size()) &&
           undone_[static_cast<size_t>(index)];
}

// Storing talks to the unit and waits for it: on the worker thread.
void CDlgRoomEQ::Store() {
    if (storing_ || !workerDone_) {
        return;
    }
    JoinWorker();
    storing_ = true;
    workerDone_ = false;
    UpdateResultButtons();
    emit busyChanged(true);
    summary_->setText(tr("Storing the settings in the unit..."));
    worker_ = std::thread([this] {
        const bool stored = engine_.SaveKVTParameters() == status::Ok;
        workerDone_ = true;
        QMetaObject::invokeMethod(
            this,
            [this, stored] {
                JoinWorker();
                storing_ = false;
                summary_->setText(stored ? tr("The settings are stored in the unit.")
                                         : tr("The unit did not store the settings."));
                UpdateResultButtons();
                emit busyChanged(false);
                emit storeFinished(stored);
                if (closeWhenFinished_) {
                    QDialog::reject();
                }
            },
            Qt::QueuedConnection);
    });
}

// Polled while a put-back waits: once the unit is connected and ready again it is done, off the
// window's thread like every write that follows a reconnection.
void CDlgRoomEQ::CheckPendingRestore() {
    if (!pendingRestore_ || !workerDone_ || !frontend::IsConnected(engine_)) {
        return;
    }
    VariantBool ready = VARIANT_FALSE;
    engine_.get_Initialized(&ready);
    if (ready != VARIANT_TRUE) {
        return;
    }
    JoinWorker();
    workerDone_ = false;
    emit busyChanged(true);
    const roomeq::AnalyserState state = *pendingRestore_;
    worker_ = std::thread([this, state] {
        const bool done = roomeq::PutBackAnalyser(engine_, state);
        workerDone_ = true;
        QMetaObject::invokeMethod(
            this,
            [this, done] {
                JoinWorker();
                emit busyChanged(false);
                if (closeWhenFinished_) {
                    QDialog::reject();
                    return;
                }
                if (!done) {
                    return;  // lost again: the timer tries once more
                }
                pendingRestore_.reset();
                restoreTimer_->stop();
                summary_->setText(
                    tr("The unit is back: the generator is off and the analyser is as it was."));
                UpdateResultButtons();
                UpdateSetup();
                emit analyserPutBack();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace kvt::laptop
