#include "KVTExecCEApp.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <iostream>
#include <memory>

#include "CHandheldFrame.h"
#include "ConnectionFlows.h"
#include "DemoSession.h"
#include "HandheldTour.h"
#include "IKVT80.h"
#include "ProgramStart.h"

namespace kvt::handheld {

namespace {

QString Caption() {
    return QStringLiteral("KVT-80");
}

}  // namespace

LaunchOptions ParseLaunchOptions(const QStringList& arguments) {
    LaunchOptions options;
    for (qsizetype i = 1; i < arguments.size() && options.error.isEmpty(); ++i) {
        if (!frontend::ReadStartOption(arguments, i, options, QStringLiteral("9 (English)"))) {
            options.error = QStringLiteral("unknown option '%1'").arg(arguments[i]);
        }
    }
    frontend::CheckDemoAndPort(options);
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
    if (frontend::AsksForRegistration(argc, argv)) {
        return 0;
    }
    const LaunchOptions options = ParseLaunchOptions(frontend::ArgumentList(argc, argv));
    if (const auto ended =
            frontend::EndBeforeStart("KVTExecCE", options.help, options.error, UsageText())) {
        return *ended;
    }
    QApplication application(argc, argv);
    const frontend::ProgramLanguage start =
        frontend::StartProgram(QStringLiteral("KVTExecCE"), options.language);
    const int language = start.language;

    sim::DemoSession demo;
    const std::unique_ptr<IKVT80> engine =
        frontend::StartEngine("KVT80CE.KVT80CE", Caption(), demo, options.demo, options.port);
    if (!engine) {
        return 1;
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
