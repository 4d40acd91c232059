// CMainFrame: the laptop program's main window and its hub.
//
// It owns the menus, the toolbar with the main fader, the status bar with the format and
// connection panes, and the tab pages. Its commands start the connection and file flows
// (frontend/ConnectionFlows), whose questions and progress dialogs it shows. Pages never call one
// another: they talk to the engine and to the frame's signals, which carry the program's private
// messages (refresh, select format, input format changed, diagnostics unlocked and the others).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>
#include <memory>
#include <optional>

#include "CFlowFrame.h"
#include "IKVT80.h"
#include "image/ParameterImage.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QTabWidget;
class QToolBar;

namespace kvt::frontend {
class CompanionLink;
class ConnectionFlows;
class EngineBridge;
}  // namespace kvt::frontend

namespace kvt::laptop {

class CDlgEQForm;
class CDlgInputForm;
class CDlgProfileForm;
class CDlgZoomedSLA;
class CDlgProgressStatus;
class CDlgRoomEQ;
class CFaderValueDisplay;
class CMainFader;

class CMainFrame : public frontend::CFlowFrame {
    Q_OBJECT

  public:
    // The language code is the one in effect; the Language menu changes the stored one.
    CMainFrame(IKVT80& engine, int languageCode, QWidget* parent = nullptr);
    ~CMainFrame() override;

    IKVT80& Engine() const { return engine_; }
    frontend::ConnectionFlows& Flows() { return *flows_; }
    // The configuration when the unit was last connected (the start of the service visit).
    const std::optional<ParameterImage>& VisitStart() const { return visitStart_; }
    frontend::EngineBridge& Bridge() { return *bridge_; }
    frontend::CompanionLink& Companion() { return *companion_; }

    // The window size that gives the client area the size asked for (menu, toolbar and status
    // bar outside it), widened where the toolbar needs more room.
    QSize FrameSizeForClient(QSize client) const;

    int LanguageCode() const { return languageCode_; }
    bool LanguageChanged() const { return languageChanged_; }

    // At start-up: a running companion program is offered the link.
    void OfferCompanionLink();

    // The format shown on a format key's menu item (F4 ... F11), and the button its command
    // passes to ButtonFormat.
    struct FormatKey {
        int id;
        Qt::Key key;
        int shownFormat;
        int button;
    };
    static const std::array<FormatKey, 8>& FormatKeys();

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

    // The diagnostics password prompt; nothing when cancelled.
    virtual std::optional<QString> AskPassword();
    // A plain message box (the language change note, help documents that are missing).
    virtual void ShowInformation(const QString& text);

    // The screenshot tour runs the flows unattended: the disconnect prompt is answered Yes
    // (without the personality module), other questions No, and messages go to the error output.
    void AnswerAutomatically(bool on) { SetAnswerAutomatically(on); }

    // The tab pages, in their order on the tab strip; the last three appear after the
    // diagnostics unlock.
    enum Page : int {
        kProfilePage,
        kFormatsPage,
        kInputsPage,
        kEqualizerPage,
        kOutputsPage,
        kDownloadPage,
        kTerminalPage,
        kEventLogPage,
        kPageCount,
    };
    // The page's widget (nullptr when the program has no such page).
    QWidget* PageWidget(Page page) const;
    // Selects the page's tab when it is on the strip.
    void ShowPage(Page page);

    // The action of a menu command by its identifier, for tests and the toolbar.
    QAction* Action(int id) const;
    QTabWidget& Tabs() const { return *tabs_; }
    // The "Real Time Analyzer" window (made at start, shown when asked for).
    CDlgZoomedSLA& ZoomedAnalyser() const { return *zoomedAnalyser_; }
    bool DiagnosticsUnlocked() const { return diagnosticsUnlocked_; }

  signals:
    // Every page re-reads all of its values.
    void refreshRequested();
    void diagnosticsUnlocked(bool unlocked);
    // A format key or a page's format button selected this format (for the Formats page).
    void selectFormat(int format);
    // The input format changed; every page follows it.
    void inputFormatChanged(int format);
    // The companion program selected a channel (for the Equalizer page).
    void companionChannelChange(int channel);
    // The Equalizer or the Outputs page moved a channel's output level (the other follows
    // without writing it again). The level is the gain sliders' position, -2 x OutputGain.
    void syncChannelLevel(int channel, int level);
    // The channel configuration dialog stored a new InputConfig (0 ... 3): pages relabel.
    void channelConfigChanged(int config);

  public slots:
    // Moves the main fader; with write set, the engine's FaderLevel follows.
    void SetFader(int position, bool write);
    // A page changed the input format: the format pane follows, then every page.
    void OnInputFormatChanged(int format);
    void UnlockDiagnostics();
    // Tools > Room EQ Assistant: opens the wizard (or shows the one open) and returns it.
    CDlgRoomEQ* ShowRoomEQ();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // Wheel turns never reach a control, so a scroll over a slider cannot change the unit; only
    // views that merely scroll take them.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static bool ScrollsByWheel(const QObject* target);
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreatePages();
    // The page takes its place; the first five tabs are shown at once, the diagnostics pages
    // at the unlock.
    void AddPage(Page page, QWidget* widget, const QString& text);
    void InsertTab(Page page);
    void ConnectEngineEvents();
    QAction* AddAction(QMenu* menu, int id, const QString& text, const QString& help,
                       const QKeySequence& shortcut = {});

    void UpdateMenus();
    // The commands that need a unit, or need none connected.
    void EnableConnectionCommands(bool connected);
    bool RoomEQBusy() const;
    void UpdateMuteButton(bool connected, bool muted);
    // The mute button as the engine's SystemMute stands.
    void ShowUnitMute(bool connected);
    void UpdateFormatPane(int format);
    void UpdateTitle();
    void ToggleSystemMute();
    void CopyEQ();
    void CommitPageEdits();
    void SelectFormatKey(const FormatKey& key);
    void SelectLanguage(int code);
    void OpenHelpDocument(const QString& fileName);
    void ShowAbout();
    void ShowCommunicationSettings();
    // The unit clock dialog, from the File menu or the Event Log page.
    void ShowSetDateTime();
    void KeepVisitStart();
    void CompareWithFile();
    void ShowServiceReport();
    void OnTabChanged(int index);
    void ShowZoomedAnalyser();
    void ShowHeadroomAdjustment();
    void ShowChannelConfiguration();
    QString FormatName(int format) const;
    int GeneratorChannels() const;

    QString Caption() const override;

    IKVT80& engine_;
    std::unique_ptr<frontend::EngineBridge> bridge_;
    std::unique_ptr<frontend::CompanionLink> companion_;
    frontend::ConnectionFlows* flows_ = nullptr;  // owned as a child
    int languageCode_;
    bool languageChanged_ = false;
    bool diagnosticsUnlocked_ = false;
    bool destroying_ = false;
    // The configuration when the unit was last connected (for the service report).
    std::optional<ParameterImage> visitStart_;
    bool visitConnected_ = false;

    // The room EQ wizard while it is open (it deletes itself when closed).
    QPointer<CDlgRoomEQ> roomEQ_;

    std::map<int, QAction*> actions_;
    QActionGroup* formatGroup_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* faderLabel_ = nullptr;
    CMainFader* fader_ = nullptr;
    CFaderValueDisplay* faderValue_ = nullptr;
    QLabel* formatPane_ = nullptr;
    QLabel* connectionPane_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    CDlgProfileForm* profilePage_ = nullptr;
    CDlgEQForm* eqPage_ = nullptr;
    CDlgInputForm* inputPage_ = nullptr;
    CDlgZoomedSLA* zoomedAnalyser_ = nullptr;
    struct PageSlot {
        QWidget* widget = nullptr;
        QString text;
    };
    std::array<PageSlot, kPageCount> pages_{};
    frontend::StatusDialogs<CDlgProgressStatus> statusDialogs_;
};

}  // namespace kvt::laptop
