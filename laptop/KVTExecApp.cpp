#include "KVTExecApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <iostream>
#include <utility>

#include "AppSettings.h"
#include "CMainFrame.h"
#include "ConnectionFlows.h"
#include "DemoSession.h"
#include "EngineValues.h"
#include "IKVT80.h"
#include "ProgramStart.h"
#include "ScreenshotTour.h"
#include "Texts.h"
#include "dialogs/CDlgSplash.h"
#include "pages/CDlgDownloadPIC.h"

namespace kvt::laptop {

namespace {

// The splash stays up this long at least, while the frame is already usable behind it.
constexpr int kSplashMilliseconds = 2000;

int Rounded(double value) {
    return static_cast<int>(value + 0.5);
}

// With KVTEXEC_STARTUP_TIMING set, the first paint of the main window or a widget in it (not the
// splash, a window of its own) is reported on the error output, for the start-up benchmark.
class FirstPaintReport : public QObject {
  public:
    FirstPaintReport(const QWidget& frame, std::chrono::steady_clock::time_point started)
        : frame_(frame), started_(started) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &frame_) {
            const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
                std::chrono::steady_clock::now() - started_);
            std::cerr << "KVTExec: first paint after " << elapsed.count() << " ms" << std::endl;
            QCoreApplication::instance()->removeEventFilter(this);
        }
        return false;
    }

  private:
    const QWidget& frame_;
    std::chrono::steady_clock::time_point started_;
};

}  // namespace

LaunchOptions ParseLaunchOptions(const QStringList& arguments) {
    LaunchOptions options;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        // Anything not starting with '-', and everything after "--", names the file to open.
        if (optionsEnded || !argument.startsWith(QLatin1Char('-'))) {
            if (options.file) {
                options.error = QStringLiteral("only one file can be opened (got '%1' and '%2')")
                                    .arg(*options.file, argument);
                break;
            }
            options.file = argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!frontend::ReadStartOption(arguments, i, options,
                                       QStringLiteral("9 (English) or 7 (German)"))) {
            options.error = QStringLiteral("unknown option '%1'").arg(argument);
        }
        if (!options.error.isEmpty()) {
            break;
        }
    }
    frontend::CheckDemoAndPort(options);
    return options;
}

QString UsageText() {
    return QStringLiteral(
        "KVTExec [--demo] [--port PORT] [--lang CODE] [FILE.kvt]\n"
        "The KVT-80 laptop service program. A configuration FILE is opened as File > Open\n"
        "opens it, with the same questions.\n\n"
        "--demo       starts the built-in simulated unit and connects to it (the stored port is\n"
        "             not changed)\n"
        "--port PORT  sets the communication port, as the Communication Settings dialog does:\n"
        "             COM1 ... COM9, USB, TCP/IP, a device path or host:port\n"
        "--lang CODE  the language for this run: 9 English, 10 Spanish, 16 Italian, 12 French,\n"
        "             7 German, 4 Chinese (the stored choice is kept)\n"
        "--screenshots DIR\n"
        "             with --demo: walks through the windows, saves a picture of each in DIR\n"
        "             and ends (the documentation's pictures)\n"
        "--help       shows this text\n");
}

QSize FrameClientSize(double dpiX, double dpiY) {
    const double sx = dpiX / 96.0;
    const double sy = dpiY / 96.0;
    double width = 755.0 * sx;
    if (sx != 1.0) {
        width += sx * dpiX;
    }
    return {Rounded(width), Rounded(430.0 * sy)};
}

bool KVTExecFrame::OpenFile(const QString& path) {
    fileArgument_ = path;
    const bool started = Flows().Open();
    fileArgument_.reset();
    return started;
}

void KVTExecFrame::OpenFileWhenIdle(const QString& path) {
    if (Flows().Busy()) {
        QTimer::singleShot(100, this, [this, path] { OpenFileWhenIdle(path); });
        return;
    }
    OpenFile(path);
}

std::optional<QString> KVTExecFrame::AskOpenFileName(const QString& startFolder) {
    if (fileArgument_) {
        return std::exchange(fileArgument_, std::nullopt);
    }
    return CMainFrame::AskOpenFileName(startFolder);
}

int RunKVTExec(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
    if (frontend::AsksForRegistration(argc, argv)) {
        return 0;
    }
    // The command line is read before any window system is asked for, so --help and a wrong
    // option work without a display.
    const LaunchOptions options = ParseLaunchOptions(frontend::ArgumentList(argc, argv));
    if (const auto ended =
            frontend::EndBeforeStart("KVTExec", options.help, options.error, UsageText())) {
        return *ended;
    }
    QApplication application(argc, argv);
    const frontend::ProgramLanguage start =
        frontend::StartProgram(QStringLiteral("KVTExec"), options.language);
    const int language = start.language;

    sim::DemoSession demo;
    const std::unique_ptr<IKVT80> engine = frontend::StartEngine(
        "KVT80.KVT80", frontend::ProgramTitle(), demo, options.demo, options.port);
    if (!engine) {
        return 1;
    }

    KVTExecFrame frame(*engine, language);
    if (options.demo) {
        // The technician's power cycle holding S5, for the firmware download.
        if (auto* download =
                qobject_cast<CDlgDownloadPIC*>(frame.PageWidget(CMainFrame::kDownloadPage))) {
            download->SetDemoPowerCycle([&demo] { demo.Unit().PowerCycleHoldingS5(); });
        }
    }
    const QScreen* screen = QApplication::primaryScreen();
    const QSize client = screen != nullptr ? FrameClientSize(screen->logicalDotsPerInchX(),
                                                             screen->logicalDotsPerInchY())
                                           : FrameClientSize(96, 96);
    frame.resize(frame.FrameSizeForClient(client));
    if (screen != nullptr) {
        frame.move(screen->availableGeometry().center() - frame.rect().center());
    }
    std::unique_ptr<FirstPaintReport> firstPaint;
    if (qEnvironmentVariableIsSet("KVTEXEC_STARTUP_TIMING")) {
        firstPaint = std::make_unique<FirstPaintReport>(frame, started);
        QCoreApplication::instance()->installEventFilter(firstPaint.get());
    }
    frame.show();

    auto* splash = new CDlgSplash(CDlgSplash::Mode::Splash, &frame);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    QTimer::singleShot(kSplashMilliseconds, splash, &QWidget::close);

    if (options.demo) {
        QTimer::singleShot(0, &frame, [&frame] { frame.Flows().Connect(); });
    }
    if (options.file) {
        // After demo mode's connection, so the unit is asked about like any connected unit.
        const QString path = QFileInfo(*options.file).absoluteFilePath();
        QTimer::singleShot(0, &frame, [&frame, path] { frame.OpenFileWhenIdle(path); });
    }
    std::unique_ptr<ScreenshotTour> tour;
    bool tourFailed = false;
    if (options.screenshots) {
        tour = std::make_unique<ScreenshotTour>(frame, *options.screenshots);
        QObject::connect(tour.get(), &ScreenshotTour::finished, &frame, [&](bool succeeded) {
            if (!succeeded) {
                std::cerr << "KVTExec: screenshot tour: " << tour->Failure().toStdString() << "\n";
                tourFailed = true;
            }
            frame.close();
        });
        tour->Start();
    } else {
        frame.OfferCompanionLink();
    }
    const int exitStatus = QApplication::exec();
    const int result = tourFailed ? 1 : exitStatus;

    // The menu's choice, or the stored code unchanged (also one without a translation); a code
    // given with --lang is for that run only.
    const int toStore = frame.LanguageChanged() ? frame.LanguageCode() : start.storedLanguage;
    frontend::WriteLanguageCode(start.settingsFolder, toStore);
    return result;
}

}  // namespace kvt::laptop
