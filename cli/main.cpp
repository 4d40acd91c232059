// kvt80ctl: runs engine members by name from -e options, a script, standard input or a prompt.
#include <unistd.h>

#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CommandLine.h"
#include "DemoSession.h"
#include "IKVT80.h"
#include "LineEditor.h"
#include "LineWriter.h"
#include "OperatorConsole.h"
#include "ScriptRunner.h"
#include "SimulatedUnit.h"
#include "kvtcomm.h"
#include "text/Codepage.h"

namespace {

using kvt::cli::CommandLine;

constexpr std::string_view kPrompt = "kvt80> ";

int UsageError(std::string_view message) {
    std::cerr << "kvt80ctl: " << message << "\nTry 'kvt80ctl --help'.\n";
    return 2;
}

// Owns the engine for the run; at the end the sink is disconnected first (so nothing is printed
// after the last statement), then an open link is closed to release the port, then the worker
// stops.
class EngineSession {
  public:
    explicit EngineSession(std::unique_ptr<kvt::IKVT80> engine) : engine_(std::move(engine)) {}
    ~EngineSession() {
        runner_.reset();
        kvt::Variant connected;
        if (engine_->get_Connected(&connected) == kvt::status::Ok && connected.IsTrue()) {
            engine_->Disconnect();
        }
        engine_->Cleanup();
    }
    EngineSession(const EngineSession&) = delete;
    EngineSession& operator=(const EngineSession&) = delete;

    kvt::IKVT80& Engine() { return *engine_; }
    kvt::cli::ScriptRunner& Runner() { return *runner_; }
    void SetRunner(std::unique_ptr<kvt::cli::ScriptRunner> runner) { runner_ = std::move(runner); }

  private:
    std::unique_ptr<kvt::IKVT80> engine_;
    std::unique_ptr<kvt::cli::ScriptRunner> runner_;
};

// Puts made for options: their status is not printed, but a failure ends the run.
bool PutSetting(kvt::cli::ScriptRunner& runner, kvt::IKVT80& engine, std::string_view option,
                std::string_view member, const kvt::Variant& value) {
    const kvt::MemberInfo* put = kvt::FindMember(member, kvt::MemberKind::Put);
    if (put == nullptr) {
        runner.ReportUsageError(option, "the engine has no " + std::string(member) + " property");
        return false;
    }
    const kvt::InvokeResult result =
        kvt::Invoke(engine, *put, std::span<const kvt::Variant>(&value, 1));
    if (result.error == kvt::InvokeError::None && result.status == kvt::status::Ok) {
        return true;
    }
    const std::string reason = result.error == kvt::InvokeError::None
                                   ? "status " + std::to_string(result.status)
                                   : std::string("the value has the wrong type");
    runner.ReportUsageError(option, std::string(member) + " could not be set (" + reason + ")");
    return false;
}

// Takes the port like the string literal of a ComPort put: UTF-8 text.
bool PutPort(kvt::cli::ScriptRunner& runner, kvt::IKVT80& engine, std::string_view option,
             std::string_view port) {
    const std::optional<std::u16string> text = kvt::FromUtf8Strict(port);
    if (!text) {
        runner.ReportUsageError(option, "the port name is not valid UTF-8");
        return false;
    }
    return PutSetting(runner, engine, option, "ComPort", kvt::Variant::String(*text));
}

bool ApplySettingOptions(const CommandLine& options, const kvt::sim::DemoSession& demo,
                         kvt::cli::ScriptRunner& runner, kvt::IKVT80& engine) {
    if (options.demo && !PutPort(runner, engine, "--demo", demo.Port())) {
        return false;
    }
    if (options.port && !PutPort(runner, engine, "--port", *options.port)) {
        return false;
    }
    return !options.baud ||
           PutSetting(runner, engine, "--baud", "BitRate", kvt::Variant::Int(*options.baud));
}

// -e statements first, then the script; the first usage error ends the run.
void RunStatements(const CommandLine& options, std::istream& file, kvt::cli::ScriptRunner& runner) {
    for (size_t i = 0; i < options.statements.size(); ++i) {
        const std::string where = "-e statement " + std::to_string(i + 1);
        if (runner.RunLine(options.statements[i], where) == kvt::cli::Outcome::UsageError) {
            return;
        }
    }
    if (!options.script) {
        return;
    }
    if (*options.script == "-") {
        kvt::cli::RunScript(runner, std::cin, "standard input");
    } else {
        kvt::cli::RunScript(runner, file, *options.script);
    }
}

// With a terminal on both sides the prompt edits lines and keeps a history; with output going
// elsewhere (a log file) it reads plain lines.
void RunPrompt(kvt::cli::LineWriter& out, kvt::cli::ScriptRunner& runner, bool simulator) {
    if (isatty(STDOUT_FILENO) != 1) {
        kvt::cli::RunInteractive(runner, std::cin, out, kPrompt);
        return;
    }
    kvt::cli::LineEditor::Options editing;
    editing.prompt = kPrompt;
    editing.historyFile =
        kvt::cli::HistoryFilePath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    editing.words = {.help = true, .simulator = simulator};
    kvt::cli::LineEditor editor(out, std::move(editing), std::cerr);
    kvt::cli::RunInteractive(runner, editor);
}

int Run(const CommandLine& options) {
    const bool nothingGiven = options.statements.empty() && !options.script;
    const bool interactive = nothingGiven && isatty(STDIN_FILENO) == 1;
    if (nothingGiven && !interactive) {
        return UsageError("nothing to run: give -e STATEMENT, a SCRIPT, or - for standard input");
    }
    std::ifstream file;
    if (options.script && *options.script != "-") {
        std::error_code error;
        if (std::filesystem::is_directory(*options.script, error)) {
            return UsageError("'" + *options.script + "' is a folder, not a script");
        }
        file.open(*options.script);
        if (!file) {
            return UsageError("cannot open script '" + *options.script + "'");
        }
    }
    kvt::sim::DemoSession demo;
    if (options.demo) {
        if (const std::string failure = demo.Start(); !failure.empty()) {
            std::cerr << "kvt80ctl: " << failure << "\n";
            return 2;
        }
    }

    std::unique_ptr<kvt::IKVT80> engine;
    const int32_t created = kvt::CreateEngine("KVT80.KVT80", engine);
    if (created != kvt::status::Ok || !engine) {
        std::cerr << "kvt80ctl: the engine could not be created (status " << created << ")\n";
        return 2;
    }
    EngineSession session(std::move(engine));
    auto out = std::make_shared<kvt::cli::LineWriter>(std::cout);
    kvt::cli::RunnerOptions runnerOptions;
    runnerOptions.printEvents = options.events;
    runnerOptions.atPrompt = interactive;
    runnerOptions.openErrorText = [] { return std::string(GetCommOpenErrorText()); };
    if (demo.Running()) {
        runnerOptions.simulator = [&unit = demo.Unit()](std::string_view command) {
            return kvt::sim::RunOperatorCommand(unit, command);
        };
    }
    session.SetRunner(
        std::make_unique<kvt::cli::ScriptRunner>(session.Engine(), out, std::cerr, runnerOptions));
    kvt::cli::ScriptRunner& runner = session.Runner();
    if (const int32_t advised = runner.Attach(); advised != kvt::status::Ok) {
        std::cerr << "kvt80ctl: cannot receive engine events (status " << advised << ")\n";
        return 2;
    }
    if (!ApplySettingOptions(options, demo, runner, session.Engine())) {
        return runner.ExitStatus();
    }
    if (interactive) {
        RunPrompt(*out, runner, demo.Running());
    } else {
        RunStatements(options, file, runner);
    }
    return runner.ExitStatus();
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const kvt::cli::CommandLineResult parsed = kvt::cli::ParseCommandLine(arguments);
    if (!parsed.error.empty()) {
        return UsageError(parsed.error);
    }
    if (parsed.options.help) {
        std::cout << kvt::cli::UsageText();
        return 0;
    }
    try {
        return Run(parsed.options);
    } catch (const std::exception& failure) {
        std::cerr << "kvt80ctl: " << failure.what() << "\n";
        return 2;
    }
}
