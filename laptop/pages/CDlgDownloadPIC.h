// CDlgDownloadPIC: the "Download" tab, shown after the diagnostics unlock. It loads new firmware
// into the control card's microcontroller (an Intel HEX image, through the boot loader the unit
// runs when it is powered up holding S5) or a new program into one of the five signal processors.
//
// The engine opens the port itself for a download, runs it on a thread of its own and closes the
// port at its end; the page follows it through the state events (messages in the list, the
// animated status text) and the position events (the progress bar, a progress line, and on a
// failure what went wrong and what to check). The frame learns of the start and the end through
// connectionStatus, as it does for a connection, so its panes and menus follow the open port.
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <thread>

#include "IKVT80.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;
class QTimer;

namespace kvt::frontend {
class EngineBridge;
}

namespace kvt::laptop {

class CDlgDownloadPIC : public QWidget {
    Q_OBJECT

  public:
    // What the download goes to: the control card, or a processor by its card and number.
    enum Target : int { kControlCard, kNRLeft, kNRRight, kMatrix, kEQ1, kEQ2, kTargetCount };

    // The message list's icons.
    enum MessageIcon : int { kInformation, kWarning, kError };
    // What a line of the message list is, under kKindRole: a state's message, the position of a
    // phase (updated in place), or the reason a download failed.
    enum MessageKind : int { kStateMessage, kProgressLine, kReasonLine };
    static constexpr int kKindRole = Qt::UserRole;
    static constexpr int kIconRole = Qt::UserRole + 1;

    CDlgDownloadPIC(IKVT80& engine, frontend::EngineBridge& bridge, QWidget* parent = nullptr);
    ~CDlgDownloadPIC() override;

    Target SelectedTarget() const;
    void SelectTarget(Target target);
    // Takes the file as Browse does once the dialog returned it: a control-card image is checked
    // (and split into its memory images) by the engine first.
    void ChooseFile(const QString& path);
    bool FileChosen() const { return fileChosen_; }
    bool Downloading() const { return downloading_; }
    // The last download state the engine reported.
    int DownloadState() const { return downloadState_; }

    // The file filter of a target's Browse dialog.
    static QString FileFilter(Target target);

    // Demo mode: a button beside the power-cycle steps switches the simulated unit off and on
    // again holding S5, as the technician does at a real unit.
    void SetDemoPowerCycle(std::function<void()> powerCycle);

  signals:
    // (1, 0) when a download has opened the port, (0, 0) when it has ended and closed it.
    void connectionStatus(int w, int l);

  public slots:
    void Browse();
    void Download();
    void ClearMessages();
    // The status animation's step (every 250 ms while a download runs).
    void AnimateStatus();

  protected:
    // The file dialog and the message box; tests answer them.
    virtual std::optional<QString> AskFileName(const QString& filter);
    virtual void ShowWarning(const QString& text);

  private:
    void BuildLayout();
    QLabel* CreateStepLabel(int id, const QString& text);
    QLabel* CreateText(int id, const QString& text);
    void ApplyTargetLayout();
    void OnTargetChanged();

    // From the download's starting thread: the engine's answer to the call.
    void OnDownloadCalled(int32_t result, const QString& openError);
    void OnDownloadStateChange(int state);
    void OnDownloadProgress(int state, int done, int total, const QString& note);
    void EndDownload(const QString& text, MessageIcon icon);
    void AddMessage(const QString& text, MessageIcon icon);
    void ShowProgressLine(int state, int done, int total);

    IKVT80& engine_;
    std::array<QIcon, 3> icons_;

    QButtonGroup* targets_ = nullptr;
    QGridLayout* steps_ = nullptr;
    std::array<QLabel*, 5> stepLabels_{};
    QLineEdit* fileName_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* clickDownload_ = nullptr;
    QPushButton* download_ = nullptr;
    QLabel* powerOff_ = nullptr;
    QLabel* powerOn_ = nullptr;
    QPushButton* demoPowerCycle_ = nullptr;
    QListWidget* messages_ = nullptr;
    QPushButton* clear_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTimer* timer_ = nullptr;

    bool fileChosen_ = false;
    int downloadState_ = 0;
    // From the click until the engine's answer and the final state have both arrived.
    bool downloading_ = false;
    bool callAnswered_ = false;
    bool finalStateSeen_ = false;
    // The list's line that follows the position of the phase running now.
    QListWidgetItem* progressLine_ = nullptr;
    int progressLineState_ = -1;
    std::function<void()> powerCycle_;
    std::jthread caller_;
};

}  // namespace kvt::laptop
