// The screenshot tour: in demo mode the program walks through its windows by itself and saves a
// picture of each (the splash, the main window connected and not, every page: the Inputs page
// with the analyser showing pink noise on a channel and the zoomed analyser, the Equalizer and the
// Copy EQ dialog, Formats, Outputs, the diagnostics pages and the clock dialog, the communication
// settings, the disconnect prompt, a progress dialog, the About box, the Download page after a
// firmware download, the room EQ assistant's pages), disconnecting with a store and closing as a
// technician would. It makes the documentation's pictures and is the smoke test of the real program
// under a virtual display.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTemporaryDir;
class QWidget;

namespace kvt::frontend {
class RemoteAddressStore;
}

namespace kvt::laptop {

class CMainFrame;

class ScreenshotTour : public QObject {
    Q_OBJECT

  public:
    ScreenshotTour(CMainFrame& frame, QString folder, QObject* parent = nullptr);
    ~ScreenshotTour() override;

    void Start();
    // The pictures saved so far, and what went wrong (empty while all is well).
    const QStringList& Saved() const { return saved_; }
    const QString& Failure() const { return failure_; }

  signals:
    void finished(bool succeeded);

  private:
    using Step = std::function<void()>;
    void Next();
    // Runs step once condition holds, or fails the tour after the time-out.
    void When(std::function<bool()> condition, const QString& what, Step step, int limitMs = 30000);
    // The room EQ assistant's wizard: its setup, a run under way and the results.
    QList<Step> RoomEQSteps();
    void Save(QWidget& window, const QString& name);
    void Fail(const QString& why);
    void ShowDialogFor(QWidget* dialog, const QString& name);
    void DownloadFirmware();
    // The diagnostics pages: the unlock, a terminal session, the event log read, the clock dialog.
    QList<Step> DiagnosticsSteps();
    // Shows a tab page of the frame (CMainFrame::Page) and saves the window.
    void SavePage(int page, const QString& name);
    // Clicks a channel button of the Equalizer page, as the technician does.
    void ClickChannel(const QString& id);

    CMainFrame& frame_;
    QString folder_;
    QList<Step> steps_;
    QStringList saved_;
    QString failure_;
    std::unique_ptr<frontend::RemoteAddressStore> addresses_;
    std::unique_ptr<QTemporaryDir> scratch_;  // the demonstration firmware and its images
};

}  // namespace kvt::laptop
