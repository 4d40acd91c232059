#include "KVTExecCEApp.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <cstring>
#include <iostream>
#include <memory>

#include "AppSettings.h"
#include "CHandheldFrame.h"
#include "ConnectionFlows.h"
#include "DemoSession.h"
#include "EngineValues.h"
#include "HandheldTour.h"
#include "IKVT80.h"

namespace kvt::handheld {

namespace {

bool AsksForRegistration(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strstr(argv[i], "regserver") != nullptr) {
            return true;
        }
    }
    return false;
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

QString Caption() {
    return QStringLiteral("KVT-80");
}

}  // namespace

LaunchOptions ParseLaunchOptions(const QStringList& arguments) {
    LaunchOptions options;
    for (qsizetype i = 1; i < arguments.size() && options.error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
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
                if (number) {
                    options.language = code;
                } else {
                    options.error =
                        QStringLiteral("--lang needs a language code such as 9 (English), not '%1'")
                            .arg(*text);
                }
            }
        } else {
            options.error = QStringLiteral("unknown option '%1'").arg(argument);
        }
    }
    if (options.error.isEmpty() && options.demo && options.port) {
        options.error =
            QStringLiteral("--demo and --port cannot be combined (--demo chooses the port)");
    }
    if (options.error.isEmpty() && options.screenshots && !options.demo) {
        options.error = QStringLiteral("--screenshots needs --demo");
    }
    return options;
}

QString UsageText() {
    return QStringLiteral(
        "KVTExecCE [--demo] [--port PORT] [--lang CODE]\n"
        "The KVT-80 handheld service program.\n\n"
        "--demo       starts the built-in simulated unit and connects to it (the stored port is\n"
        "             not changed)\n"
        "--port PORT  sets the communication port: COM1 ... COM9, USB or a device path\n"
        "--lang CODE  the language for this run: 9 English, 10 Spanish, 16 Italian, 12 French,\n"
        "             7 German, 4 Chinese\n"
        "--screenshots DIR\n"
        "             with --demo: shows every panel, saves a picture of each in DIR and ends\n"
        "--help       shows this text\n");
}

QRect WindowGeometry(const QRect& available) {
    if (available.width() <= 2 * kDesignSize.width() ||
        available.height() <= 2 * kDesignSize.height()) {
        return available;
    }
    QRect window(QPoint(0, 0), kDesignSize);
    window.moveCenter(available.center());
    return window;
}

int RunKVTExecCE(int argc, char** argv) {
    if (AsksForRegistration(argc, argv)) {
        return 0;
    }
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
        std::cerr << "KVTExecCE: " << options.error.toStdString() << "\nTry 'KVTExecCE --help'.\n";
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVTExecCE"));
    QApplication::setOrganizationName(QStringLiteral("Rodmere"));

    const QString settingsFolder = frontend::InitSettingsFolder();
    const int language = options.language.value_or(frontend::ReadLanguageCode(settingsFolder));
    QTranslator translator;
    const QString translation = TranslationName(language);
    if (!translation.isEmpty() && translator.load(translation, QStringLiteral(":/i18n"))) {
        QApplication::installTranslator(&translator);
    }

    sim::DemoSession demo;
    if (options.demo) {
        if (const std::string failure = demo.Start(); !failure.empty()) {
            QMessageBox::critical(nullptr, Caption(),
                                  QObject::tr("The demonstration unit could not be started: %1")
                                      .arg(QString::fromStdString(failure)));
            return 1;
        }
    }
    std::unique_ptr<IKVT80> engine;
    const int32_t created = CreateEngine("KVT80CE.KVT80CE", engine);
    if (created != status::Ok || !engine) {
        QMessageBox::critical(nullptr, Caption(),
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

    CHandheldFrame frame(*engine, language);
    const QScreen* screen = QApplication::primaryScreen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : QRect(QPoint(0, 0), kDesignSize);
    const QRect geometry =
        options.screenshots ? QRect(available.topLeft(), kDesignSize) : WindowGeometry(available);
    frame.setGeometry(geometry);
    if (geometry == available && !options.screenshots) {
        frame.showFullScreen();
    } else {
        frame.show();
    }

    if (options.demo) {
        QTimer::singleShot(0, &frame, [&frame] { frame.Flows().Connect(); });
    }
    std::unique_ptr<HandheldTour> tour;
    bool tourFailed = false;
    if (options.screenshots) {
        frame.SetAnswerAutomatically(true);
        tour = std::make_unique<HandheldTour>(frame, *options.screenshots);
        QObject::connect(tour.get(), &HandheldTour::finished, &frame, [&](bool succeeded) {
            if (!succeeded) {
                std::cerr << "KVTExecCE: screenshot tour: " << tour->Failure().toStdString()
                          << "\n";
                tourFailed = true;
            }
            frame.close();
        });
        tour->Start();
    }
    const int exitStatus = QApplication::exec();
    return tourFailed ? 1 : exitStatus;
}

}  // namespace kvt::handheld
