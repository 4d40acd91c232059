#include "ProgramStart.h"

#include <QApplication>
#include <QMessageBox>
#include <cstring>
#include <iostream>

#include "AppSettings.h"
#include "DemoSession.h"
#include "EngineValues.h"

namespace kvt::frontend {

bool ReadStartOption(const QStringList& arguments, qsizetype& i, StartOptions& options,
                     const QString& languageExamples) {
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
                options.error = QStringLiteral("--lang needs a language code such as %1, not '%2'")
                                    .arg(languageExamples, *text);
            }
        }
    } else {
        return false;
    }
    return true;
}

void CheckDemoAndPort(StartOptions& options) {
    if (options.error.isEmpty() && options.demo && options.port) {
        options.error =
            QStringLiteral("--demo and --port cannot be combined (--demo chooses the port)");
    }
}

bool AsksForRegistration(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strstr(argv[i], "regserver") != nullptr) {
            return true;
        }
    }
    return false;
}

QStringList ArgumentList(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

std::optional<int> EndBeforeStart(const char* program, bool help, const QString& error,
                                  const QString& usage) {
    if (help) {
        std::cout << usage.toStdString();
        return 0;
    }
    if (!error.isEmpty()) {
        std::cerr << program << ": " << error.toStdString() << "\nTry '" << program
                  << " --help'.\n";
        return 2;
    }
    return std::nullopt;
}

ProgramLanguage StartProgram(const QString& applicationName,
                             const std::optional<int>& languageOption) {
    QApplication::setApplicationName(applicationName);
    QApplication::setOrganizationName(QStringLiteral("Rodmere"));

    ProgramLanguage result;
    result.settingsFolder = InitSettingsFolder();
    result.storedLanguage = ReadLanguageCode(result.settingsFolder);
    result.language = languageOption.value_or(result.storedLanguage);
    result.translator = LoadTranslation(result.language);
    if (result.translator) {
        QApplication::installTranslator(result.translator.get());
    }
    return result;
}

std::unique_ptr<IKVT80> StartEngine(const char* className, const QString& caption,
                                    sim::DemoSession& demo, bool startDemo,
                                    const std::optional<QString>& port) {
    if (startDemo) {
        if (const std::string failure = demo.Start(); !failure.empty()) {
            QMessageBox::critical(nullptr, caption,
                                  QObject::tr("The demonstration unit could not be started: %1")
                                      .arg(QString::fromStdString(failure)));
            return nullptr;
        }
    }
    std::unique_ptr<IKVT80> engine;
    const int32_t created = CreateEngine(className, engine);
    if (created != status::Ok || !engine) {
        QMessageBox::critical(nullptr, caption,
                              QObject::tr("The KVT-80 engine could not be started (status %1). "
                                          "Please reinstall the program.")
                                  .arg(created));
        return nullptr;
    }
    if (startDemo) {
        engine->put_ComPort(Variant::String(ToU16(QString::fromStdString(demo.Port()))));
    } else if (port) {
        engine->put_ComPort(TextVariant(*port));
    }
    return engine;
}

}  // namespace kvt::frontend
