// kvt80-report: connects to the unit, reads what a service report holds (its configuration,
// versions, event log and the result of Verify) and writes the report as a PDF. kvt80-config's
// "report" command runs this program, so that kvt80-config itself needs no Qt.
#include <QGuiApplication>
#include <QTranslator>
#include <chrono>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "AppSettings.h"
#include "ConfigSources.h"
#include "DemoSession.h"
#include "IKVT80.h"
#include "ReportPdf.h"
#include "ServiceReport.h"
#include "Translations.h"
#include "text/Codepage.h"

namespace {

using namespace kvt;
using namespace kvt::report;

constexpr std::string_view kUsage =
    R"(kvt80-report (--port PORT | --demo) -o REPORT.pdf [options]

Connects to the unit, reads its configuration, versions and event log, runs Verify and writes
the service report as a PDF.

  --port PORT        the unit's port (a serial device, or HOST:PORT for the network link)
  --demo             uses the built-in simulated unit
  -o, --output FILE  the PDF to write
  --before FILE      the configuration at the start of the visit (.kvt, its JSON form or
                     unit:PORT); the report lists what changed since
  --roomeq FILE      the JSON report of kvt80-roomeq, for the before/after curves
  --notes TEXT       the technician's notes
  --notes-file FILE  the technician's notes from a file
  --no-verify        leaves out Verify (it reads the whole configuration back)
  --language CODE    the report's language: en, de, es, fr, it or zh_CN (default: the language
                     KVTExec was set to, else English)
Exit status 0: written, 1: Verify found differences (the report was written), 2: an error.
)";

constexpr int kWritten = 0;
constexpr int kVerifyFailed = 1;
constexpr int kError = 2;

int Error(std::string_view message) {
    std::cerr << "kvt80-report: " << message << "\n";
    return kError;
}

int UsageError(std::string_view message) {
    std::cerr << "kvt80-report: " << message << "\nTry 'kvt80-report --help'.\n";
    return kError;
}

struct Options {
    std::string port;
    bool demo = false;
    std::string output;
    std::string before;
    std::string roomEq;
    std::string notes;
    std::string notesFile;
    bool verify = true;
    std::optional<int> language;  // a code as the settings store it
    bool help = false;
    std::string error;
};

Options Parse(const std::vector<std::string>& arguments) {
    Options options;
    const auto value = [&](size_t& i, std::string& into) {
        if (i + 1 == arguments.size()) {
            options.error = arguments[i] + " needs a value";
            return;
        }
        into = arguments[++i];
    };
    for (size_t i = 0; i < arguments.size() && options.error.empty(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--port") {
            value(i, options.port);
        } else if (argument == "--demo") {
            options.demo = true;
        } else if (argument == "-o" || argument == "--output") {
            value(i, options.output);
        } else if (argument == "--before") {
            value(i, options.before);
        } else if (argument == "--roomeq") {
            value(i, options.roomEq);
        } else if (argument == "--notes") {
            value(i, options.notes);
        } else if (argument == "--notes-file") {
            value(i, options.notesFile);
        } else if (argument == "--no-verify") {
            options.verify = false;
        } else if (argument == "--language") {
            std::string name;
            value(i, name);
            if (options.error.empty()) {
                options.language = frontend::LanguageCodeOfName(QString::fromStdString(name));
                if (!options.language) {
                    options.error = "unknown language '" + name + "' (give one of " +
                                    frontend::LanguageNames().join(", ").toStdString() + ")";
                }
            }
        } else {
            options.error = "unknown argument '" + argument + "'";
        }
    }
    if (options.error.empty() && !options.help) {
        if (options.demo == !options.port.empty()) {
            options.error = "give either --port PORT or --demo";
        } else if (options.output.empty()) {
            options.error = "-o REPORT.pdf is needed";
        } else if (!options.notes.empty() && !options.notesFile.empty()) {
            options.error = "--notes and --notes-file cannot be combined";
        }
    }
    return options;
}

// Reads everything the report needs before the unit is left; returns the exit status.
int Run(const Options& options) {
    GatherOptions gather;
    gather.verify = options.verify;
    gather.roomEqPath = options.roomEq;
    gather.program = "kvt80-report " KVT_REPORT_VERSION;
    if (!options.notesFile.empty()) {
        std::ifstream in(options.notesFile, std::ios::binary);
        if (!in) {
            return Error(options.notesFile + ": cannot be read");
        }
        std::ostringstream text;
        text << in.rdbuf();
        gather.notes = text.str();
    } else {
        gather.notes = options.notes;
    }
    if (!options.before.empty()) {
        const config::LoadedConfiguration before = config::LoadSource(options.before);
        if (!before.image) {
            return Error(before.error);
        }
        gather.atConnect = before.image;
    }

    sim::DemoSession demo;
    std::string port = options.port;
    if (options.demo) {
        if (const std::string failed = demo.Start(); !failed.empty()) {
            return Error(failed);
        }
        port = demo.Port();
    }
    std::unique_ptr<IKVT80> engine;
    if (const int32_t created = CreateEngine("KVT80.KVT80", engine);
        created != status::Ok || !engine) {
        return Error("the engine could not be created (status " + std::to_string(created) + ")");
    }
    Gathered gathered;
    if (const int32_t put = engine->put_ComPort(Variant::String(FromUtf8(port)));
        put != status::Ok) {
        gathered.error = port + ": the port cannot be used (status " + std::to_string(put) + ")";
    } else if (const int32_t connected = engine->Connect(); connected != status::Ok) {
        gathered.error = port + ": cannot connect (status " + std::to_string(connected) + ")";
    } else if (const int32_t retrieved = engine->QueryKVT(); retrieved != status::Ok) {
        gathered.error = port + ": the configuration could not be read (status " +
                         std::to_string(retrieved) + ")";
    } else {
        gathered = GatherReport(*engine, gather);
    }
    engine->Disconnect();
    engine->Cleanup();
    if (!gathered.report) {
        return Error(gathered.error);
    }
    for (const std::string& note : gathered.notes) {
        std::cerr << "kvt80-report: note: " << note << "\n";
    }
    const ServiceReport& report = *gathered.report;
    const PdfResult written = WriteReportPdf(report, options.output);
    if (written.pages == 0) {
        return Error(written.error);
    }
    std::cout << options.output << ": " << written.pages << " pages\n";
    if (report.verify.ran && (report.verify.status != status::Ok || report.verify.mask != 0)) {
        std::cerr << "kvt80-report: Verify found differences in: "
                  << VerifyMaskText(report.verify.mask) << "\n";
        return kVerifyFailed;
    }
    return kWritten;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = Parse(std::vector<std::string>(argv + 1, argv + argc));
    if (options.help) {
        std::cout << kUsage;
        return kWritten;
    }
    if (!options.error.empty()) {
        return UsageError(options.error);
    }
    // The PDF writer needs Qt's fonts, not a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);
    // The report in the language asked for, else in the one the laptop program was set to.
    const int language =
        options.language.value_or(frontend::ReadLanguageCode(frontend::SettingsFolder()));
    const std::unique_ptr<QTranslator> translator = frontend::LoadTranslation(language);
    if (translator) {
        QGuiApplication::installTranslator(translator.get());
    } else if (!frontend::TranslationName(language).isEmpty()) {
        return Error("the translation " + frontend::TranslationName(language).toStdString() +
                     " could not be loaded");
    }
    try {
        return Run(options);
    } catch (const std::exception& failure) {
        return Error(failure.what());
    }
}
