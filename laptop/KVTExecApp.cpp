#include "KVTExecApp.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QTranslator>
#include <chrono>
#include <cmath>
#include <cstring>
#include <iostream>
#include <utility>

#include "AppSettings.h"
#include "CMainFrame.h"
#include "ConnectionFlows.h"
#include "DemoSession.h"
#include "EngineValues.h"
#include "IKVT80.h"
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

bool AsksForRegistration(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strstr(argv[i], "regserver") != nullptr) {
            return true;
        }
    }
    return false;
}

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
        const auto value = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size()) {
                options.error = QStringLiteral("%1 needs a value").arg(argument);
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (argument == QLatin1String("--demo")) {
            options.demo = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.help = true;
        } else if (argument == QLatin1String("--screenshots")) {
            options.screenshots = value();
        } else if (argument == QLatin1String("--port")) {
            options.port = value();
        } else if (argument == QLatin1String("--lang")) {
            if (const auto text = value()) {
                bool number = false;
                const int code = text->toInt(&number);
                if (!number) {
                    options.error = QStringLiteral(
                                        "--lang needs a language code such as 9 "
                                        "(English) or 7 (German), not '%1'")
                                        .arg(*text);
                } else {
                    options.language = code;
                }
            }
        } else {
            options.error = QStringLiteral("unknown option '%1'").arg(argument);
        }
        if (!options.error.isEmpty()) {
            break;
        }
    }
    if (options.error.isEmpty() && options.demo && options.port) {
        options.error =
            QStringLiteral("--demo and --port cannot be combined (--demo chooses the port)");
    }
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

QString TranslationName(int languageCode) {
    switch (languageCode) {
        case 4:
            return QStringLiteral("kvtexec_zh_CN");
        case 7:
            return QStringLiteral("kvtexec_de");
        case 10:
            return QStringLiteral("kvtexec_es");
        case 12:
            return QStringLiteral("kvtexec_fr");
        case 16:
            return QStringLiteral("kvtexec_it");
        default:
            return {};
    }
}

std::unique_ptr<QTranslator> LoadTranslation(int languageCode) {
    const QString name = TranslationName(languageCode);
    if (name.isEmpty()) {
        return nullptr;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(name, QStringLiteral(":/i18n"))) {
        return nullptr;
    }
    return translator;
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
    if (AsksForRegistration(argc, argv)) {
        return 0;
    }
    // The command line is read before any window system is asked for, so --help and a wrong
    // option work without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    }
    const LaunchOptions options = ParseLaunchOptions(arguments);
    if (options.help) {
        std::cout << UsageText().toStdString();
        return 0;
    }
    if (!options.error.isEmpty()) {
        std::cerr << "KVTExec: " << options.error.toStdString() << "\nTry 'KVTExec --help'.\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVTExec"));
    QApplication::setOrganizationName(QStringLiteral("Rodmere"));

    // Fixed before demo mode moves the engine's settings elsewhere.
    const QString settingsFolder = frontend::InitSettingsFolder();
    const int storedLanguage = frontend::ReadLanguageCode(settingsFolder);
    const int language = options.language.value_or(storedLanguage);
    const std::unique_ptr<QTranslator> translator = LoadTranslation(language);
    if (translator) {
        QApplication::installTranslator(translator.get());
    }

    sim::DemoSession demo;
    if (options.demo) {
        if (const std::string failure = demo.Start(); !failure.empty()) {
            QMessageBox::critical(nullptr, frontend::ProgramTitle(),
                                  QObject::tr("The demonstration unit could not be started: %1")
                                      .arg(QString::fromStdString(failure)));
            return 1;
        }
    }

    std::unique_ptr<IKVT80> engine;
    const int32_t created = CreateEngine("KVT80.KVT80", engine);
    if (created != status::Ok || !engine) {
        QMessageBox::critical(nullptr, frontend::ProgramTitle(),
                              QObject::tr("The KVT-80 engine could not be started (status %1). "
                                          "Please reinstall the program.")
                                  .arg(created));
        return 1;
    }
    if (options.demo) {
        engine->put_ComPort(Variant::String(frontend::ToU16(QString::fromStdString(demo.Port()))));
    } else if (options.port) {
        engine->put_ComPort(frontend::TextVariant(*options.port));
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
    const int toStore = frame.LanguageChanged() ? frame.LanguageCode() : storedLanguage;
    frontend::WriteLanguageCode(settingsFolder, toStore);
    return result;
}

}  // namespace kvt::laptop
