// The long-running commands of a front end: connect, disconnect (store, verify, personality
// module, or abandon the changes), close, and the configuration-file commands New, Open, Save,
// Save As, and the personality-module save.
//
// The controller lives on the GUI thread. Every engine member that talks to the unit runs on a
// flow thread, one flow at a time: while a flow runs (also after its progress dialog was closed
// by the user) or an upload is in progress, the commands that start another are refused. A flow
// thread reaches the windows only through queued calls to this object; the disconnect flow waits
// for each status change to be applied before its next engine call.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

#include "FlowView.h"
#include "IKVT80.h"

namespace kvt::frontend {

class EngineBridge;

class ConnectionFlows : public QObject {
    Q_OBJECT

  public:
    ConnectionFlows(IKVT80& engine, EngineBridge& bridge, FlowView& view,
                    QObject* parent = nullptr);
    ~ConnectionFlows() override;
    ConnectionFlows(const ConnectionFlows&) = delete;
    ConnectionFlows& operator=(const ConnectionFlows&) = delete;

    // Each returns false when it was refused because another flow runs or the user cancelled;
    // New and Open then run on the flow thread and report a failure themselves.
    bool Connect();
    bool Disconnect();
    // The window's close request: disconnects first when connected (unless Ctrl is held), asks
    // to save a changed file, then cleans the engine up on a flow thread and destroys the windows.
    bool Close();
    bool New();
    bool Open();
    bool Save();
    bool SaveAs();
    bool SavePersonalityModule();

    // A download page's download opened the port (true) or ended and closed it (false): the frame
    // follows the connection state. While it runs the other flows are refused, and Disconnect
    // stops the download without asking to store anything (the unit runs no configuration then).
    void SetDownloadRunning(bool running);
    bool DownloadRunning() const { return downloadRunning_; }

    // A flow thread runs, a download runs, or an upload or personality-module transfer is in
    // progress.
    bool Busy() const;
    // The current configuration file; empty while it is untitled.
    QString CurrentPath() const { return currentPath_; }
    // The file's name for titles and prompts: "Untitled" while there is none.
    QString DisplayName() const;
    bool Closing() const { return closing_; }

    // The folder the file dialogs start in: the current file's, else the user's documents.
    QString StartFolder() const;
    // The name with ".kvt" added when it has no extension.
    static QString WithKvtExtension(const QString& path);

  signals:
    // The current path changed (the frame's title follows it).
    void currentPathChanged(const QString& path);
    // A flow thread ended; the next command may start.
    void flowFinished();

  private:
    // The connection status message: (w, l) as the flows send it.
    void HandleConnectionStatus(int w, int l);
    void ApplyConnectionState();
    void CloseStatusDialogs();

    // The save-changes and overwrite-unit prompts; true when the command may go on.
    bool SaveChangesAllowed();
    bool OverwriteUnitAllowed();
    bool SaveTo(const QString& path);
    // New (the factory configuration into a new file) and Open: the file and, while connected,
    // the unit get the configuration.
    void SendConfiguration(const QString& path, bool factory);
    void SetCurrentPath(const QString& path);

    // Starts fn on the flow thread unless another flow or a transfer runs; false when refused.
    bool StartFlow(std::function<void()> fn);
    // Starts fn on the flow thread; no flow thread may be running.
    void RunOnFlowThread(std::function<void()> fn);
    // From the flow thread: run on the GUI thread, and wait for it when `wait` is set.
    void OnGuiThread(std::function<void()> fn, bool wait = false);
    void SendStatus(int w, int l) {
        OnGuiThread([this, w, l] { HandleConnectionStatus(w, l); }, true);
    }
    void PostStatus(int w, int l) {
        OnGuiThread([this, w, l] { HandleConnectionStatus(w, l); });
    }

    void ConnectThread();
    void DisconnectThread(bool controlHeld);
    void CloseThread();
    void PersonalityModuleThread();

    // Engine events.
    void OnConnectionProgress(int state, int position, int end);
    void OnSaveProgress(int state, int position, int end);
    void OnUploadProgress(int state, int position, int end);
    void OnSaveMMCProgress(int state, int position, int end);
    void OnUnitDisappeared();
    void HandleUnitLost();
    void PersonalityModuleSaveDone();

    void SetUpdateInputs(bool on);

    IKVT80& engine_;
    FlowView& view_;
    QString currentPath_;
    std::atomic<bool> savePersonalityModule_{false};
    std::atomic<bool> discard_{false};
    bool closing_ = false;
    // An upload or a personality-module transfer the worker carries out after its command
    // returned: no other flow starts until it completes.
    bool transferRunning_ = false;
    bool downloadRunning_ = false;

    std::thread flowThread_;
    std::atomic<bool> flowRunning_{false};
    bool unitLostPending_ = false;  // the unit went while a flow ran: handled when it ends
};

}  // namespace kvt::frontend
