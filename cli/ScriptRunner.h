// ScriptRunner: runs kvt80ctl statements against one engine object through its dispatch table,
// prints one result line per statement and keeps the exit status.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "EventRecorder.h"
#include "IKVT80.h"
#include "LineWriter.h"
#include "ScriptParser.h"
#include "automation/DispatchTable.h"

namespace kvt::cli {

struct RunnerOptions {
    bool printEvents = false;
    // Why the last port open failed, in words (empty when unknown); asked after a failed Connect.
    std::function<std::string()> openErrorText;
    // Carries out an operator command on the built-in simulated unit and returns its answer line
    // ("ok ..." or "error: ..."); empty when there is no simulated unit (no --demo).
    std::function<std::string(std::string_view)> simulator;
    // A person types the statements: help is a statement, and a non-zero status is followed on
    // the error stream by what it means. Standard output stays one line per statement.
    bool atPrompt = false;
};

enum class Outcome {
    Nothing,     // blank or comment line
    Ok,          // status 0
    Failed,      // non-zero status; the script goes on
    UsageError,  // syntax error, unknown member, bad arguments; nothing after it runs
};

class ScriptRunner {
  public:
    ScriptRunner(IKVT80& engine, std::shared_ptr<LineWriter> out, std::ostream& errors,
                 RunnerOptions options = {});
    ~ScriptRunner();
    ScriptRunner(const ScriptRunner&) = delete;
    ScriptRunner& operator=(const ScriptRunner&) = delete;

    // Connects the event recorder to the engine; returns Advise's status.
    int32_t Attach();
    // Disconnects it; called by the destructor too.
    void Detach();

    // Parses and runs one line. where names it in messages ("demo.kvts, line 4").
    Outcome RunLine(std::string_view line, std::string_view where);
    Outcome Run(const Statement& statement, std::string_view where);

    // Reports a usage problem found outside a statement (an option) the way statements do.
    void ReportUsageError(std::string_view where, std::string_view message);

    // 0 when every statement returned 0, 1 when any returned non-zero, 2 after a usage error.
    int ExitStatus() const;

    const std::shared_ptr<EventRecorder>& Recorder() const { return recorder_; }

  private:
    Outcome RunCall(const Statement& statement, std::string_view where);
    Outcome RunPut(const Statement& statement, std::string_view where);
    Outcome RunSleep(const Statement& statement);
    Outcome RunWait(const Statement& statement, std::string_view where);
    Outcome RunSimulator(const Statement& statement, std::string_view where);
    Outcome RunHelp(std::string_view topic, std::string_view where);
    Outcome Invoke(const MemberInfo& member, std::span<const Variant> arguments, bool isPut,
                   std::string_view where);
    // The status line; at the prompt a non-zero status is followed by its meaning on the error
    // stream (the engine's words unless meaning says it better).
    Outcome Report(int32_t status, std::span<const Variant> values = {},
                   std::string_view meaning = {});
    void Explain(int32_t status, std::string_view meaning);
    Outcome Usage(std::string_view where, std::string_view message);

    IKVT80& engine_;
    std::shared_ptr<LineWriter> out_;
    std::ostream& errors_;
    RunnerOptions options_;
    std::shared_ptr<EventRecorder> recorder_;
    uint32_t cookie_ = 0;
    bool attached_ = false;
    bool anyFailed_ = false;
    bool usageError_ = false;
};

// Runs the lines of a script until its end or the first usage error (then false). sourceName
// names the script in messages; lines are counted from 1. A UTF-8 byte-order mark and CR line
// ends are accepted.
bool RunScript(ScriptRunner& runner, std::istream& script, std::string_view sourceName);

// Where the prompt's lines come from: the line editor at a terminal, or a plain stream.
class PromptInput {
  public:
    virtual ~PromptInput() = default;
    // The next line without its line end; nullopt at the end of input.
    virtual std::optional<std::string> ReadLine() = 0;
};

// The interactive prompt: runs lines until the end of input. A usage error is reported and the
// session goes on.
void RunInteractive(ScriptRunner& runner, PromptInput& input);

// The same with lines read from a stream, showing prompt before each.
void RunInteractive(ScriptRunner& runner, std::istream& input, LineWriter& out,
                    std::string_view prompt);

// "help" or "help NAME" (a comment may follow): what follows the word, empty for the list;
// nullopt when the line is no help statement.
std::optional<std::string> HelpTopic(std::string_view line);

}  // namespace kvt::cli
