#include "ScreenshotTour.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include "AppSettings.h"
#include "CMainFrame.h"
#include "ConnectionFlows.h"
#include "EngineValues.h"
#include "RemoteAddresses.h"
#include "dialogs/CDlgConfigComm.h"
#include "dialogs/CDlgConnectionStatus.h"
#include "dialogs/CDlgDisconnectPrompt.h"
#include "dialogs/CDlgSplash.h"
#include "pages/CDlgZoomedSLA.h"

namespace kvt::laptop {

namespace {

constexpr int kStepPauseMs = 300;
constexpr int kWaitLimitMs = 30000;
constexpr int kPollMs = 50;
// The analyser's slowest bands average ten reads (a second); the picture waits for them to settle.
constexpr int kAnalyserSettleMs = 2500;

}  // namespace

ScreenshotTour::ScreenshotTour(CMainFrame& frame, QString folder, QObject* parent)
    : QObject(parent), frame_(frame), folder_(std::move(folder)) {}

ScreenshotTour::~ScreenshotTour() = default;

void ScreenshotTour::Start() {
    if (!QDir().mkpath(folder_)) {
        Fail(QStringLiteral("cannot create the folder %1").arg(folder_));
        return;
    }
    frame_.AnswerAutomatically(true);
    steps_ = {
        [this] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* splash = qobject_cast<CDlgSplash*>(window);
                    splash && splash->isVisible()) {
                    Save(*splash, QStringLiteral("splash"));
                }
            }
            Next();
        },
        [this] {
            When(
                [this] { return !frame_.Flows().Busy() && frontend::IsConnected(frame_.Engine()); },
                QStringLiteral("the connection to the demonstration unit"),
                [this] {
                    // The splash has gone by now; the window shows what the unit holds.
                    When(
                        [] {
                            for (QWidget* window : QApplication::topLevelWidgets()) {
                                if (qobject_cast<CDlgSplash*>(window) && window->isVisible()) {
                                    return false;
                                }
                            }
                            return true;
                        },
                        QStringLiteral("the splash to close"),
                        [this] {
                            frame_.Tabs().setCurrentIndex(0);
                            Save(frame_, QStringLiteral("main-connected"));
                            Next();
                        });
                });
        },
        [this] {
            // Pink noise on the left channel: the analyser starts and shows the simulated room.
            frame_.Engine().put_GeneratorMode(Variant::Int(TestToneModePink));
            frame_.Engine().put_GeneratorChannels(Variant::Int(GeneratorLeft));
            frame_.ShowPage(CMainFrame::kInputsPage);
            QTimer::singleShot(kAnalyserSettleMs, this, [this] {
                Save(frame_, QStringLiteral("inputs"));
                Next();
            });
        },
        [this] {
            CDlgZoomedSLA& zoomed = frame_.ZoomedAnalyser();
            zoomed.show();
            QTimer::singleShot(kAnalyserSettleMs / 2, this, [this, &zoomed] {
                Save(zoomed, QStringLiteral("zoomed-analyser"));
                zoomed.hide();
                frame_.Engine().put_GeneratorChannels(Variant::Int(GeneratorOff));
                frame_.ShowPage(CMainFrame::kProfilePage);
                Next();
            });
        },
        [this] {
            ShowDialogFor(new CDlgDisconnectPrompt(&frame_), QStringLiteral("disconnect-prompt"));
        },
        [this] {
            auto* progress = new CDlgConnectionStatus(&frame_);
            progress->SetProgress(tr("Retrieving EQ Parameters..."), 46, 108);
            ShowDialogFor(progress, QStringLiteral("progress-dialog"));
        },
        [this] {
            ShowDialogFor(new CDlgSplash(CDlgSplash::Mode::About, &frame_),
                          QStringLiteral("about"));
        },
        [this] {
            frame_.Flows().Disconnect();
            When(
                [this] {
                    return !frame_.Flows().Busy() && !frontend::IsConnected(frame_.Engine());
                },
                QStringLiteral("the disconnection with a store"),
                [this] {
                    Save(frame_, QStringLiteral("main-disconnected"));
                    Next();
                });
        },
        [this] {
            addresses_ = std::make_unique<frontend::RemoteAddressStore>(frontend::SettingsFolder());
            ShowDialogFor(new CDlgConfigComm(frame_.Engine(), *addresses_, &frame_),
                          QStringLiteral("communication-settings"));
        },
        [this] { emit finished(failure_.isEmpty()); },
    };
    QTimer::singleShot(kStepPauseMs, this, &ScreenshotTour::Next);
}

void ScreenshotTour::Next() {
    if (steps_.isEmpty() || !failure_.isEmpty()) {
        return;
    }
    const Step step = steps_.takeFirst();
    QTimer::singleShot(kStepPauseMs, this, step);
}

void ScreenshotTour::When(std::function<bool()> condition, const QString& what, Step step) {
    auto* timer = new QTimer(this);
    auto* clock = new QElapsedTimer;
    clock->start();
    connect(timer, &QTimer::timeout, this, [=, this] {
        if (condition()) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            step();
        } else if (clock->elapsed() > kWaitLimitMs) {
            timer->stop();
            timer->deleteLater();
            delete clock;
            Fail(QStringLiteral("timed out waiting for %1").arg(what));
        }
    });
    timer->start(kPollMs);
}

void ScreenshotTour::ShowDialogFor(QWidget* dialog, const QString& name) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    QTimer::singleShot(kStepPauseMs, this, [this, dialog, name] {
        Save(*dialog, name);
        dialog->hide();
        dialog->deleteLater();
        Next();
    });
}

void ScreenshotTour::Save(QWidget& window, const QString& name) {
    const QString path = QDir(folder_).filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        Fail(QStringLiteral("cannot write %1").arg(path));
        return;
    }
    saved_.push_back(path);
}

void ScreenshotTour::Fail(const QString& why) {
    if (!failure_.isEmpty()) {
        return;
    }
    failure_ = why;
    emit finished(false);
}

}  // namespace kvt::laptop
