#include "ConnectionFlows.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaObject>
#include <QStandardPaths>
#include <array>
#include <utility>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "kvtcomm.h"

namespace kvt::frontend {

namespace {

// Connection status codes (w, l) the flows send.
constexpr int kVerifying = -1;
constexpr int kVerifyFailed = -2;
constexpr int kSavingPersonalityModule = -3;

// The progress dialogs' texts by the engine's state numbers (0, 1, 2, ...); a state without a
// text shows an empty line.
constexpr const char* kContext = "kvt::frontend::ConnectionFlows";
constexpr std::array kSaveStates{
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Complete"),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Saving Preamp Parameters..."),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Saving EQ Parameters..."),
};
constexpr std::array kConnectionStates{
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Complete"),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Retrieving Preamp Parameters..."),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Retrieving EQ Parameters..."),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Retrieving Front Panel Parameters..."),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Retrieving Profile Information..."),
};
constexpr std::array kUploadStates{
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Waiting to upload..."),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows",
                      "Uploading unit parameters, please wait..."),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Complete"),
};
constexpr std::array kPersonalityModuleStates{
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows",
                      "Initializing Personality Module, please wait a few moments..."),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows",
                      "Saving to Personality Module, please wait a few moments..."),
    QT_TRANSLATE_NOOP("kvt::frontend::ConnectionFlows", "Complete"),
};

template <size_t N>
QString StateText(const std::array<const char*, N>& texts, int state) {
    if (state < 0 || static_cast<size_t>(state) >= N) {
        return {};
    }
    return QCoreApplication::translate(kContext, texts[static_cast<size_t>(state)]);
}

constexpr int kUploadComplete = 2;
constexpr int kPersonalityModuleComplete = 2;
constexpr int kPersonalityModuleFailed = 3;

}  // namespace

ConnectionFlows::ConnectionFlows(IKVT80& engine, EngineBridge& bridge, FlowView& view,
                                 QObject* parent)
    : QObject(parent), engine_(engine), view_(view) {
    connect(&bridge, &EngineBridge::connectionProgress, this,
            &ConnectionFlows::OnConnectionProgress);
    connect(&bridge, &EngineBridge::dspSaveProgress, this, &ConnectionFlows::OnSaveProgress);
    connect(&bridge, &EngineBridge::uploadProgress, this, &ConnectionFlows::OnUploadProgress);
    connect(&bridge, &EngineBridge::saveMMCProgress, this, &ConnectionFlows::OnSaveMMCProgress);
    connect(&bridge, &EngineBridge::unitDisappeared, this, &ConnectionFlows::OnUnitDisappeared);
}

ConnectionFlows::~ConnectionFlows() {
    // A flow thread may be waiting for the GUI thread: keep serving it until it ends.
    while (flowRunning_) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    if (flowThread_.joinable()) {
        flowThread_.join();
    }
}

bool ConnectionFlows::Busy() const {
    return flowRunning_ || transferRunning_ || downloadRunning_;
}

void ConnectionFlows::SetDownloadRunning(bool running) {
    downloadRunning_ = running;
    HandleConnectionStatus(running ? 1 : 0, 0);
}

QString ConnectionFlows::DisplayName() const {
    return currentPath_.isEmpty() ? tr("Untitled") : QFileInfo(currentPath_).fileName();
}

QString ConnectionFlows::StartFolder() const {
    if (!currentPath_.isEmpty()) {
        const QFileInfo file(currentPath_);
        if (file.dir().exists()) {
            return file.absolutePath();
        }
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString ConnectionFlows::WithKvtExtension(const QString& path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".kvt") : path;
}

void ConnectionFlows::SetCurrentPath(const QString& path) {
    if (path == currentPath_) {
        return;
    }
    currentPath_ = path;
    emit currentPathChanged(currentPath_);
}

void ConnectionFlows::SetUpdateInputs(bool on) {
    engine_.put_UpdateInputs(Variant::Bool(on));
}

// ---- Flow threads -------------------------------------------------------------------------------

bool ConnectionFlows::StartFlow(std::function<void()> fn) {
    if (Busy()) {
        return false;
    }
    RunOnFlowThread(std::move(fn));
    return true;
}

void ConnectionFlows::RunOnFlowThread(std::function<void()> fn) {
    if (flowThread_.joinable()) {
        flowThread_.join();
    }
    flowRunning_ = true;
    flowThread_ = std::thread([this, fn = std::move(fn)] {
        fn();
        OnGuiThread([this] {
            flowRunning_ = false;
            emit flowFinished();
            if (std::exchange(unitLostPending_, false)) {
                HandleUnitLost();
            }
        });
    });
}

void ConnectionFlows::OnGuiThread(std::function<void()> fn, bool wait) {
    QMetaObject::invokeMethod(this, std::move(fn),
                              wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

// ---- Connection status --------------------------------------------------------------------------

void ConnectionFlows::HandleConnectionStatus(int w, int l) {
    if (l == kVerifying) {
        view_.CloseStatus(StatusDialog::Save);
        view_.ShowStatus(StatusDialog::Connection, tr("Verifying..."));
        return;
    }
    if (l == kVerifyFailed) {
        view_.CloseStatus(StatusDialog::Connection);
        const QString mask =
            QString::number(static_cast<uint32_t>(w), 16).rightJustified(8, QLatin1Char('0'));
        view_.ShowError(tr("Data verification has failed.  Please upload and save your data file "
                           "again.  (%1)")
                            .arg(mask.toUpper()));
        return;
    }
    if (l == kSavingPersonalityModule) {
        view_.CloseStatus(StatusDialog::Connection);
        view_.ShowStatus(StatusDialog::PersonalityModule);
        return;
    }
    if (w != 0 && l != 0) {
        view_.ShowWarning(
            tr("Failed to communicate with a KVT unit.  Please verify that your KVT unit is "
               "powered on and that your communication settings and cabling are correct."));
    } else if (w == 0 && l != 0) {
        view_.CloseStatus(StatusDialog::Save);
        view_.ShowWarning(tr("Failed to save DSP parameters due to an internal error."));
        return;
    }
    ApplyConnectionState();
}

void ConnectionFlows::ApplyConnectionState() {
    const bool connected = IsConnected(engine_);
    if (!connected) {
        // A transfer whose unit is gone never completes.
        transferRunning_ = false;
        view_.CloseStatus(StatusDialog::Upload);
    }
    view_.ShowConnectionState(connected);
    view_.RefreshAll();
    CloseStatusDialogs();
}

void ConnectionFlows::CloseStatusDialogs() {
    view_.CloseStatus(StatusDialog::Connection);
    view_.CloseStatus(StatusDialog::Save);
    if (view_.StatusShown(StatusDialog::PersonalityModule)) {
        view_.CloseStatus(StatusDialog::PersonalityModule);
        if (!savePersonalityModule_) {
            SetUpdateInputs(true);
        }
    }
}

// ---- Connect ------------------------------------------------------------------------------------

bool ConnectionFlows::Connect() {
    if (Busy()) {
        return false;
    }
    view_.ShowStatus(StatusDialog::Connection);
    return StartFlow([this] { ConnectThread(); });
}

void ConnectionFlows::ConnectThread() {
    // Opening a TCP link can take seconds: it runs here, not on the GUI thread.
    const int32_t opened = engine_.Connect();
    if (opened != status::Ok) {
        // The transport says why on the thread that opened (a permission problem names the
        // dialout group).
        const QString reason = QString::fromUtf8(GetCommOpenErrorText());
        const QString port = ReadText(engine_, &IKVT80::get_ComPort);
        OnGuiThread([this, opened, reason, port] {
            view_.CloseStatus(StatusDialog::Connection);
            QString text =
                opened == status::RemoteUnreachable
                    ? tr("Failed to connect to remote address.  Please verify your communication "
                         "settings and try again.")
                    : tr("Failed to open the communication port (%1).  Please verify your "
                         "configuration and try again.")
                          .arg(port);
            if (!reason.isEmpty()) {
                text += QStringLiteral("\n\n") + reason;
            }
            view_.ShowWarning(text);
        });
        return;
    }
    if (engine_.QueryKVT() != status::Ok) {
        engine_.Disconnect();
        PostStatus(1, 1);
        return;
    }
    SetUpdateInputs(true);
    OnGuiThread([this] { SetCurrentPath({}); });
    PostStatus(1, 0);
}

// ---- Disconnect ---------------------------------------------------------------------------------

bool ConnectionFlows::Disconnect() {
    if (downloadRunning_ && !flowRunning_) {
        // The engine stops the download at its next step; its final state ends it on the page,
        // perhaps before the port is closed here: the state is shown once it is.
        RunOnFlowThread([this] {
            engine_.Disconnect();
            PostStatus(0, 0);
        });
        return true;
    }
    if (Busy()) {
        return false;
    }
    savePersonalityModule_ = false;
    const bool controlHeld = view_.ControlHeld();
    if (!controlHeld) {
        const DisconnectChoice choice = view_.AskDisconnect();
        switch (choice.answer) {
            case DisconnectAnswer::Cancel:
                // A close request that led here is cancelled with it.
                closing_ = false;
                return false;
            case DisconnectAnswer::Yes:
                savePersonalityModule_ = choice.savePersonalityModule;
                view_.ShowStatus(StatusDialog::Save);
                break;
            case DisconnectAnswer::DoNotSave:
                discard_ = true;
                break;
        }
    }
    return StartFlow([this, controlHeld] { DisconnectThread(controlHeld); });
}

void ConnectionFlows::DisconnectThread(bool controlHeld) {
    // The choice holds for this disconnect only, however it ends.
    const bool abandon = controlHeld || discard_.exchange(false);
    if (!abandon) {
        SetUpdateInputs(false);
        if (engine_.SaveKVTParameters() != status::Ok) {
            SendStatus(0, 1);
            SetUpdateInputs(true);
            return;
        }
    }
    SendStatus(0, kVerifying);
    Variant dsp;
    if (engine_.Verify(&dsp) != status::Ok) {
        SendStatus(dsp.Int32(), kVerifyFailed);
        SetUpdateInputs(true);
        return;
    }
    if (savePersonalityModule_) {
        SendStatus(0, kSavingPersonalityModule);
        if (engine_.SaveMMC(Variant::Bool(true)) != status::Ok) {
            // The unit stays connected. A card that could not be opened was reported by its
            // progress event; a transfer that did not finish is reported here, and the dialog
            // must not keep the frame disabled.
            SetUpdateInputs(true);
            OnGuiThread([this] {
                if (view_.StatusShown(StatusDialog::PersonalityModule)) {
                    view_.CloseStatus(StatusDialog::PersonalityModule);
                    view_.ShowError(
                        tr("Saving to the Personality Module did not finish.  The "
                           "unit stays connected; check the module and the "
                           "connection, then disconnect again."));
                }
            });
            return;
        }
    }
    if (abandon) {
        OnGuiThread([this] { view_.SetFrameEnabled(false); }, true);
        engine_.AbandonChanges();
        OnGuiThread([this] { view_.SetFrameEnabled(true); }, true);
    }
    engine_.Disconnect();
    OnGuiThread([this] {
        HandleConnectionStatus(0, 0);
        if (closing_) {
            // The flow ends first, so the close that follows is not refused as a second flow.
            QMetaObject::invokeMethod(
                this, [this] { Close(); }, Qt::QueuedConnection);
        }
    });
}

// ---- Close --------------------------------------------------------------------------------------

bool ConnectionFlows::Close() {
    if (Busy()) {
        return false;
    }
    closing_ = true;
    if (view_.ControlHeld() || !IsConnected(engine_)) {
        if (!SaveChangesAllowed()) {
            closing_ = false;
            return false;
        }
        return StartFlow([this] { CloseThread(); });
    }
    return Disconnect();
}

void ConnectionFlows::CloseThread() {
    engine_.Cleanup();
    OnGuiThread([this] { view_.DestroyAll(); });
}

// ---- Prompts ------------------------------------------------------------------------------------

bool ConnectionFlows::SaveChangesAllowed() {
    if (!IsTrueProperty(engine_, &IKVT80::get_ConfigFileDirty)) {
        return true;
    }
    switch (view_.AskSaveChanges(DisplayName())) {
        case SaveChangesAnswer::Yes:
            return Save();
        case SaveChangesAnswer::No:
            return true;
        case SaveChangesAnswer::Cancel:
            return false;
    }
    return false;
}

bool ConnectionFlows::OverwriteUnitAllowed() {
    return !IsConnected(engine_) ||
           view_.AskYesNo(tr("This operation will overwrite the current KVT-80 unit "
                             "configuration.  Do you want to perform this operation?"));
}

// ---- Configuration files ------------------------------------------------------------------------

bool ConnectionFlows::New() {
    if (Busy() || !SaveChangesAllowed()) {
        return false;
    }
    const auto chosen = view_.AskSaveFileName(StartFolder());
    if (!chosen || !OverwriteUnitAllowed()) {
        return false;
    }
    SendConfiguration(WithKvtExtension(*chosen), true);
    return true;
}

bool ConnectionFlows::Open() {
    if (Busy()) {
        return false;
    }
    const auto chosen = view_.AskOpenFileName(StartFolder());
    if (!chosen || !SaveChangesAllowed() || !OverwriteUnitAllowed()) {
        return false;
    }
    SendConfiguration(*chosen, false);
    return true;
}

// The engine queues the configuration for a connected unit with the line held, which waits for
// the exchange the worker has in flight: that runs on the flow thread. The worker then sends it
// and reports the upload, which keeps other flows off until it completes.
void ConnectionFlows::SendConfiguration(const QString& path, bool factory) {
    const bool connected = IsConnected(engine_);
    if (connected) {
        view_.ShowStatus(StatusDialog::Upload);
    }
    transferRunning_ = connected;
    RunOnFlowThread([this, path, factory] {
        const int32_t result = factory ? engine_.Save(TextVariant(path), Variant::Bool(true))
                                       : engine_.Load(TextVariant(path));
        OnGuiThread([this, path, factory, result] {
            if (result != status::Ok) {
                transferRunning_ = false;
                view_.ShowWarning(
                    factory ? tr("Failed to create the specified parameter file.  The file may "
                                 "be in use by another application.")
                            : tr("Failed to load the specified parameter file.  The file may not "
                                 "be a valid parameter file or might be corrupted."));
                view_.CloseStatus(StatusDialog::Upload);
                return;
            }
            // Only a file that holds the configuration becomes the current one: saving would
            // otherwise overwrite a file that did not load.
            SetCurrentPath(path);
            view_.RefreshAll();
        });
    });
}

bool ConnectionFlows::Save() {
    if (currentPath_.isEmpty()) {
        return SaveAs();
    }
    return SaveTo(currentPath_);
}

bool ConnectionFlows::SaveAs() {
    const auto chosen = view_.AskSaveFileName(StartFolder());
    if (!chosen) {
        return false;
    }
    return SaveTo(WithKvtExtension(*chosen));
}

bool ConnectionFlows::SaveTo(const QString& path) {
    if (engine_.Save(TextVariant(path), Variant::Bool(false)) != status::Ok) {
        view_.ShowWarning(
            tr("Failed to save to the specified parameter file.  The file may be "
               "in use by another application."));
        return false;
    }
    SetCurrentPath(path);
    view_.RefreshFrame();
    return true;
}

// ---- Personality module -------------------------------------------------------------------------

bool ConnectionFlows::SavePersonalityModule() {
    if (Busy()) {
        return false;
    }
    if (!view_.AskYesNo(tr("This operation will overwrite the current data stored on the "
                           "Personality Module.  Do you want to perform this operation?"))) {
        return false;
    }
    SetUpdateInputs(false);
    // Busy from here on: the flow thread starts without the check that would refuse it.
    transferRunning_ = true;
    view_.ShowStatus(StatusDialog::PersonalityModule);
    RunOnFlowThread([this] { PersonalityModuleThread(); });
    return true;
}

// The card is opened with an exchange, so the call runs here; the transfer that follows is the
// worker's, reported by SaveMMCProgress, and so is a card that could not be opened.
void ConnectionFlows::PersonalityModuleThread() {
    engine_.SaveMMC(Variant::Bool(false));
}

void ConnectionFlows::PersonalityModuleSaveDone() {
    transferRunning_ = false;
    view_.CloseStatus(StatusDialog::PersonalityModule);
    if (!savePersonalityModule_) {
        SetUpdateInputs(true);
    }
}

// ---- Engine events ------------------------------------------------------------------------------

void ConnectionFlows::OnConnectionProgress(int state, int position, int end) {
    view_.UpdateStatus(StatusDialog::Connection, StateText(kConnectionStates, state), position,
                       end);
}

void ConnectionFlows::OnSaveProgress(int state, int position, int end) {
    view_.UpdateStatus(StatusDialog::Save, StateText(kSaveStates, state), position, end);
}

void ConnectionFlows::OnUploadProgress(int state, int position, int end) {
    view_.UpdateStatus(StatusDialog::Upload, StateText(kUploadStates, state), position, end);
    if (state == kUploadComplete) {
        transferRunning_ = false;
        view_.CloseStatus(StatusDialog::Upload);
    }
}

void ConnectionFlows::OnSaveMMCProgress(int state, int position, int end) {
    if (state == kPersonalityModuleFailed) {
        view_.ShowError(
            tr("Personality module initialization failed.  Please verify that media "
               "is present and writeable."));
        PersonalityModuleSaveDone();
        return;
    }
    view_.UpdateStatus(StatusDialog::PersonalityModule, StateText(kPersonalityModuleStates, state),
                       position, end);
    if (state == kPersonalityModuleComplete) {
        PersonalityModuleSaveDone();
    }
}

// Disconnect waits for the line to settle, so it runs on the flow thread; a flow that runs now
// ends first (its own engine calls fail with the unit gone).
void ConnectionFlows::OnUnitDisappeared() {
    if (flowRunning_) {
        unitLostPending_ = true;
        return;
    }
    HandleUnitLost();
}

void ConnectionFlows::HandleUnitLost() {
    RunOnFlowThread([this] {
        engine_.Disconnect();
        OnGuiThread([this] {
            view_.ShowWarning(
                tr("Communication with the KVT unit has been lost.  If the unit was powered off "
                   "without disconnecting your recent settings have been lost."));
            HandleConnectionStatus(0, 0);
        });
    });
}

}  // namespace kvt::frontend
