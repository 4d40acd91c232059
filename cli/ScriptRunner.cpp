#include "ScriptRunner.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include "HelpText.h"
#include "Suggestions.h"
#include "ValueFormat.h"
#include "automation/Names.h"

namespace kvt::cli {

namespace {

std::string Quoted(std::string_view name) {
    return "'" + std::string(name) + "'";
}

// The type of the n-th in-parameter of a member.
VarType InParameterType(const MemberInfo& member, size_t n) {
    for (const ParamInfo& param : member.params) {
        if (param.out) {
            continue;
        }
        if (n == 0) {
            return param.type;
        }
        --n;
    }
    return VT_VARIANT;
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

std::string_view StripLineEnd(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

std::string LineName(std::string_view sourceName, size_t number) {
    return std::string(sourceName) + ", line " + std::to_string(number);
}

}  // namespace

ScriptRunner::ScriptRunner(IKVT80& engine, std::shared_ptr<LineWriter> out, std::ostream& errors,
                           RunnerOptions options)
    : engine_(engine),
      out_(std::move(out)),
      errors_(errors),
      options_(std::move(options)),
      recorder_(std::make_shared<EventRecorder>(out_, options_.printEvents)) {}

ScriptRunner::~ScriptRunner() {
    Detach();
}

int32_t ScriptRunner::Attach() {
    if (attached_) {
        return status::Ok;
    }
    const int32_t result = engine_.Advise(recorder_, &cookie_);
    attached_ = result == status::Ok;
    return result;
}

void ScriptRunner::Detach() {
    if (attached_) {
        engine_.Unadvise(cookie_);
        attached_ = false;
    }
    recorder_->Detach();
}

int ScriptRunner::ExitStatus() const {
    if (usageError_) {
        return 2;
    }
    return anyFailed_ ? 1 : 0;
}

Outcome ScriptRunner::RunLine(std::string_view line, std::string_view where) {
    if (options_.atPrompt) {
        if (const std::optional<std::string> topic = HelpTopic(line)) {
            return RunHelp(*topic, where);
        }
    }
    const ParseResult parsed = ParseStatement(line);
    if (parsed.error) {
        return Usage(
            where, "column " + std::to_string(parsed.error->column) + ": " + parsed.error->message);
    }
    return Run(parsed.statement, where);
}

Outcome ScriptRunner::Run(const Statement& statement, std::string_view where) {
    switch (statement.kind) {
        case StatementKind::Empty:
            return Outcome::Nothing;
        case StatementKind::Call:
            return RunCall(statement, where);
        case StatementKind::Put:
            return RunPut(statement, where);
        case StatementKind::Sleep:
            return RunSleep(statement);
        case StatementKind::Wait:
            return RunWait(statement, where);
        case StatementKind::Simulator:
            return RunSimulator(statement, where);
    }
    return Outcome::Nothing;
}

// The answer line is printed as the console gives it; "error: ..." counts as a failure.
Outcome ScriptRunner::RunSimulator(const Statement& statement, std::string_view where) {
    if (!options_.simulator) {
        return Usage(where, "sim acts on the built-in simulated unit: run kvt80ctl with --demo");
    }
    const std::string answer = options_.simulator(statement.name);
    out_->WriteLine("sim " + answer);
    if (answer.starts_with("error")) {
        anyFailed_ = true;
        return Outcome::Failed;
    }
    return Outcome::Ok;
}

Outcome ScriptRunner::RunHelp(std::string_view topic, std::string_view where) {
    std::vector<std::string> lines;
    if (topic.empty()) {
        lines = MemberListHelp();
    } else if (!std::all_of(topic.begin(), topic.end(), IsNameChar)) {
        return Usage(where, "help takes one member name, for example help EQBand");
    } else if (auto member = MemberHelpLines(topic)) {
        lines = std::move(*member);
    } else {
        return Usage(where, "unknown member " + Quoted(topic) + DidYouMean(topic, MemberNames()));
    }
    for (const std::string& line : lines) {
        out_->WriteLine(line);
    }
    return Outcome::Nothing;
}

void ScriptRunner::ReportUsageError(std::string_view where, std::string_view message) {
    Usage(where, message);
}

Outcome ScriptRunner::Usage(std::string_view where, std::string_view message) {
    usageError_ = true;
    errors_ << "kvt80ctl: " << where << ": " << message << std::endl;
    return Outcome::UsageError;
}

Outcome ScriptRunner::Report(int32_t result, std::span<const Variant> values,
                             std::string_view meaning) {
    std::string line = std::to_string(result);
    for (const Variant& value : values) {
        line.push_back(' ');
        line += FormatValue(value);
    }
    out_->WriteLine(line);
    if (result != status::Ok) {
        Explain(result, meaning.empty() ? status::Meaning(result) : meaning);
        anyFailed_ = true;
        return Outcome::Failed;
    }
    return Outcome::Ok;
}

void ScriptRunner::Explain(int32_t result, std::string_view meaning) {
    if (options_.atPrompt && !meaning.empty()) {
        errors_ << "  " << result << ": " << meaning << std::endl;
    }
}

Outcome ScriptRunner::RunCall(const Statement& statement, std::string_view where) {
    const MemberInfo* member = FindMember(statement.name, MemberKind::Get);
    if (member == nullptr) {
        member = FindMember(statement.name, MemberKind::Method);
    }
    if (member != nullptr) {
        return Invoke(*member, statement.arguments, false, where);
    }
    if (FindMember(statement.name, MemberKind::Put) != nullptr) {
        return Usage(where, Quoted(statement.name) + " can only be written (" + statement.name +
                                " = value)");
    }
    return Usage(where, "unknown member " + Quoted(statement.name) +
                            DidYouMean(statement.name, MemberNames()));
}

Outcome ScriptRunner::RunPut(const Statement& statement, std::string_view where) {
    const MemberInfo* member = FindMember(statement.name, MemberKind::Put);
    if (member == nullptr) {
        if (FindMember(statement.name, MemberKind::Get) != nullptr) {
            return Usage(where, Quoted(statement.name) + " is read-only");
        }
        if (FindMember(statement.name, MemberKind::Method) != nullptr) {
            return Usage(where, Quoted(statement.name) + " is a method and cannot be assigned");
        }
        return Usage(where, "unknown member " + Quoted(statement.name) +
                                DidYouMean(statement.name, MemberNames()));
    }
    std::vector<Variant> arguments = statement.arguments;
    arguments.push_back(statement.value);
    return Invoke(*member, arguments, true, where);
}

Outcome ScriptRunner::Invoke(const MemberInfo& member, std::span<const Variant> arguments,
                             bool isPut, std::string_view where) {
    const InvokeResult result = kvt::Invoke(engine_, member, arguments);
    const std::string name = Quoted(member.name);
    switch (result.error) {
        case InvokeError::None:
            break;
        case InvokeError::WrongArgumentCount: {
            const size_t expected = member.InCount() - (isPut ? 1 : 0);
            const size_t given = arguments.size() - (isPut ? 1 : 0);
            return Usage(where, name + " takes " + std::to_string(expected) +
                                    (isPut ? " index argument(s) before '='" : " argument(s)") +
                                    ", " + std::to_string(given) + " given");
        }
        case InvokeError::TypeMismatch: {
            const std::string type(TypeName(InParameterType(member, result.badArgument)));
            const std::string text = FormatValue(arguments[result.badArgument]);
            if (isPut && result.badArgument + 1 == arguments.size()) {
                return Usage(where, "the value " + text + " for " + name +
                                        " cannot be converted to " + type);
            }
            return Usage(where, "argument " + std::to_string(result.badArgument + 1) + " of " +
                                    name + " (" + text + ") cannot be converted to " + type);
        }
    }
    if (member.kind == MemberKind::Method && NamesEqual(member.name, "Connect") &&
        result.status != status::Ok && options_.openErrorText) {
        const std::string reason = options_.openErrorText();
        if (!reason.empty()) {
            errors_ << "kvt80ctl: " << reason << std::endl;
        }
    }
    return Report(result.status, result.out);
}

Outcome ScriptRunner::RunSleep(const Statement& statement) {
    std::this_thread::sleep_for(std::chrono::milliseconds(statement.milliseconds));
    return Report(status::Ok);
}

Outcome ScriptRunner::RunWait(const Statement& statement, std::string_view where) {
    const EventInfo* event = FindEvent(statement.name);
    if (event == nullptr) {
        return Usage(where, "unknown event " + Quoted(statement.name) +
                                DidYouMean(statement.name, EventNames()));
    }
    const std::string name = Quoted(event->name);
    if (statement.arguments.size() > event->argumentTypes.size()) {
        return Usage(where, name + " has " + std::to_string(event->argumentTypes.size()) +
                                " argument(s), " + std::to_string(statement.arguments.size()) +
                                " given");
    }
    std::vector<Variant> leading(statement.arguments.size());
    for (size_t i = 0; i < leading.size(); ++i) {
        if (!CoerceVariant(statement.arguments[i], event->argumentTypes[i], leading[i])) {
            return Usage(where, "argument " + std::to_string(i + 1) + " of event " + name + " (" +
                                    FormatValue(statement.arguments[i]) +
                                    ") cannot be converted to " +
                                    std::string(TypeName(event->argumentTypes[i])));
        }
    }
    const bool found =
        recorder_->WaitFor(*event, leading, std::chrono::milliseconds(statement.milliseconds));
    if (found) {
        return Report(status::Ok);
    }
    // The status a time-out gives is the one for "no answer"; in words it says what happened.
    return Report(status::NoUnit, {},
                  "no such event within " + std::to_string(statement.milliseconds) + " ms");
}

bool RunScript(ScriptRunner& runner, std::istream& script, std::string_view sourceName) {
    std::string line;
    size_t number = 0;
    while (std::getline(script, line)) {
        ++number;
        std::string_view text = StripLineEnd(line);
        if (number == 1 && text.starts_with("\xEF\xBB\xBF")) {
            text.remove_prefix(3);
        }
        if (runner.RunLine(text, LineName(sourceName, number)) == Outcome::UsageError) {
            return false;
        }
    }
    if (script.bad()) {
        // A script that could not be read to its end must not pass for a shorter one.
        runner.ReportUsageError(LineName(sourceName, number + 1), "the script could not be read");
        return false;
    }
    return true;
}

namespace {

class StreamPromptInput : public PromptInput {
  public:
    StreamPromptInput(std::istream& input, LineWriter& out, std::string_view prompt)
        : input_(input), out_(out), prompt_(prompt) {}

    std::optional<std::string> ReadLine() override {
        out_.ShowPrompt(prompt_);
        std::string line;
        if (!std::getline(input_, line)) {
            // End of input (Ctrl-D) leaves the cursor after the prompt.
            out_.PromptAnswered();
            out_.WriteLine("");
            return std::nullopt;
        }
        out_.PromptAnswered();
        return line;
    }

  private:
    std::istream& input_;
    LineWriter& out_;
    std::string prompt_;
};

std::string_view TrimmedStatement(std::string_view line) {
    line = line.substr(0, line.find('#'));
    const size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = line.find_last_not_of(" \t");
    return line.substr(first, last - first + 1);
}

}  // namespace

std::optional<std::string> HelpTopic(std::string_view line) {
    std::string_view text = TrimmedStatement(line);
    if (text.size() < 4 || !NamesEqual(text.substr(0, 4), "help") ||
        (text.size() > 4 && text[4] != ' ' && text[4] != '\t')) {
        return std::nullopt;
    }
    return std::string(TrimmedStatement(text.substr(4)));
}

void RunInteractive(ScriptRunner& runner, PromptInput& input) {
    size_t number = 0;
    while (const std::optional<std::string> line = input.ReadLine()) {
        ++number;
        runner.RunLine(StripLineEnd(*line), LineName("input", number));
    }
}

void RunInteractive(ScriptRunner& runner, std::istream& input, LineWriter& out,
                    std::string_view prompt) {
    StreamPromptInput lines(input, out, prompt);
    RunInteractive(runner, lines);
}

}  // namespace kvt::cli
