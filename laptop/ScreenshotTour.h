// The screenshot tour: in demo mode the program walks through its windows by itself and saves a
// picture of each (the splash, the main window connected and not, the Profile page, the
// Inputs page with the analyser showing pink noise on a channel and the zoomed analyser, the
// communication settings, the disconnect prompt, a progress dialog, the About box), disconnecting
// with a store and closing as a technician would. It makes the documentation's pictures and is
// the smoke test of the real program under a virtual display.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

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
    void When(std::function<bool()> condition, const QString& what, Step step);
    void Save(QWidget& window, const QString& name);
    void Fail(const QString& why);
    void ShowDialogFor(QWidget* dialog, const QString& name);

    CMainFrame& frame_;
    QString folder_;
    QList<Step> steps_;
    QStringList saved_;
    QString failure_;
    std::unique_ptr<frontend::RemoteAddressStore> addresses_;
};

}  // namespace kvt::laptop
