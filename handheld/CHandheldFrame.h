// CHandheldFrame: KVTExecCE's one window. A menu bar (File, Comm, Format, Panel) over six
// full-screen panels of which exactly one is shown; the title names it ("KVT80 - Optical").
//
// The connection and file flows are the front ends' shared ones; the frame answers their
// questions with the handheld's own dialogs and shows their progress dialogs. Closing the window
// asks "Are you sure you want to exit?" first, then runs the close flow (which disconnects and
// offers to save a changed file).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "CFlowFrame.h"
#include "IKVT80.h"

class QDialog;
class QStackedWidget;

namespace kvt::frontend {
class ConnectionFlows;
class EngineBridge;
}  // namespace kvt::frontend

namespace kvt::laptop {
class CDlgProgressStatus;
}

namespace kvt::handheld {

class CPanel;

class CHandheldFrame : public frontend::CFlowFrame {
    Q_OBJECT

  public:
    // The panels in the Panel menu's order.
    enum Panel : int {
        kProfilePanel,
        kOpticalPanel,
        kMatrixPanel,
        kEqualizerPanel,
        kFormatSetupPanel,
        kOutputsPanel,
        kPanelCount
    };
    // Menu command identifiers (the actions' object names).
    enum Command : int {
        kNew = 57600,
        kOpen = 57601,
        kSave = 57603,
        kSaveAs = 57604,
        kSavePersonalityModule = 32772,
        kCopyEQ = 32774,
        kHeadroomConfiguration = 32828,
        kInputConfiguration = 32829,
        kDigitalDelays = 32830,
        kAbout = 57664,
        kCommunicationSettings = 32775,
        kConnect = 32776,
        kDisconnect = 32777,
        kFormatMono = 32780,  // to 32787 "Mic"
        kFirstPanelCommand = 32790,
    };
    static constexpr int kFormatCommands = 8;

    CHandheldFrame(IKVT80& engine, int languageCode, QWidget* parent = nullptr);
    ~CHandheldFrame() override;

    IKVT80& Engine() { return engine_; }
    frontend::ConnectionFlows& Flows() { return *flows_; }
    frontend::EngineBridge& Bridge() { return *bridge_; }
    QAction* Action(int command) const;
    void ShowPanel(Panel panel);
    Panel CurrentPanel() const { return current_; }
    // The panel's widget; nullptr while it is not built.
    CPanel* PanelWidget(Panel panel) const { return panels_[panel]; }
    static QString PanelName(Panel panel);

    // Unattended (SetAnswerAutomatically, for the screenshot tour and tests) the exit question
    // is answered Yes as well.

    // Called with every dialog the frame opens from a menu, after it is fitted to the screen and
    // before it runs (the screenshot tour and tests look at it, or close it).
    void SetDialogShown(std::function<void(QDialog&)> shown) { dialogShown_ = std::move(shown); }

    // "Are you sure you want to exit?"; true for Yes.
    virtual bool AskExit();

    // ---- FlowView ----
    frontend::DisconnectChoice AskDisconnect() override;
    std::optional<QString> AskSaveFileName(const QString& startFolder) override;
    std::optional<QString> AskOpenFileName(const QString& startFolder) override;
    void ShowStatus(frontend::StatusDialog dialog, const QString& title = {}) override;
    void CloseStatus(frontend::StatusDialog dialog) override;
    bool StatusShown(frontend::StatusDialog dialog) const override;
    void UpdateStatus(frontend::StatusDialog dialog, const QString& text, int position,
                      int end) override;
    void SetFrameEnabled(bool enabled) override;
    void ShowConnectionState(bool connected) override;
    void RefreshAll() override;
    void RefreshFrame() override;
    void DestroyAll() override;

  signals:
    // Every panel re-reads the engine.
    void refreshRequested();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateMenus();
    void CreatePanels();
    QAction* AddCommand(QMenu* menu, int command, const QString& text);
    void UpdateMenus();
    // The Profile panel's texts go to the engine.
    void CommitEdits();
    void UpdateTitle();
    void SelectFormat(int index);
    void ShowAbout();
    void ShowCommunicationSettings();
    void ShowCopyEQ();
    void ShowHeadroomConfiguration();
    void ShowInputConfiguration();
    void ShowDigitalDelays();
    // Fits a dialog to the small screen and runs it.
    int Run(QDialog& dialog);
    QString Caption() const override;

    IKVT80& engine_;
    std::unique_ptr<frontend::EngineBridge> bridge_;
    frontend::ConnectionFlows* flows_ = nullptr;
    int languageCode_;
    QStackedWidget* stack_ = nullptr;
    std::array<CPanel*, kPanelCount> panels_{};
    Panel current_ = kOpticalPanel;
    std::map<int, QAction*> actions_;
    frontend::StatusDialogs<laptop::CDlgProgressStatus> statusDialogs_;
    bool destroying_ = false;
    std::function<void(QDialog&)> dialogShown_;
};

}  // namespace kvt::handheld
