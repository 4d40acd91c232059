#include "CommandLine.h"

#include <charconv>

namespace kvt::cli {

namespace {

constexpr std::string_view kUsage =
    R"(kvt80ctl [--port PORT] [--baud N] [--events] [--demo] [-e STATEMENT]... [SCRIPT | -]

Runs statements against one engine object (created with the "KVT80.KVT80" identifier), in
order, from -e options first, then SCRIPT (or standard input with "-"). One statement per
line; '#' starts a comment; blank lines are ignored. Member names are matched
case-insensitively and cover every member of the engine's interfaces, including those
without a dispatch identifier.

--port PORT   puts ComPort = PORT before the script (stored like any ComPort put)
--baud N      puts BitRate = N before the script
--events      prints every engine event as a line: event Name(arg, arg, ...)
--demo        starts the built-in simulated unit and points ComPort at it

Statements:
  Name                     property get if Name is readable, else method call
  Name(a, b, ...)          indexed get, or method call with arguments
  Name = v                 property put
  Name(a, b, ...) = v      indexed property put
  sleep MS                 pause
  wait Event[(a, ...)] [TIMEOUT_MS]
                           wait for an event of that name whose leading arguments equal
                           the given ones, raised since the previous wait (or the start
                           of the script); consumes it; default timeout 30000 ms;
                           status 0, or 1 on timeout
  sim COMMAND              with --demo: what a person does at the simulated unit, as
                           kvt80-sim's console takes it (sim help lists them), for
                           example sim power-cycle s5 before DownloadToPIC

Literals: integers (VT_I4), decimals (VT_R8), true/false (VT_BOOL, -1/0), "strings" with
JSON escapes (VT_BSTR), [a, b, ...] arrays (safe array of Variants). Typed parameters are
coerced as an automation dispatcher would (an integer literal for a double parameter).

Output: exactly one line per statement, in order: the member's status number, then,
separated by single spaces, a property's value or the method's out-values in order. Doubles in
the shortest form that reads back to the same value; integers in decimal; booleans
true/false; strings as JSON literals; arrays as JSON. Exit status: 0 when every statement
returned 0; 1 when any returned non-zero (the script goes on); 2 on a usage or syntax error
or an unknown member (a message naming the line on stderr; nothing after it runs).

At a terminal, without -e or SCRIPT, a kvt80> prompt runs the statements as they are typed, with
line editing, a history kept in $XDG_STATE_HOME/Rodmere/kvt80ctl_history (~/.local/state when
unset), Tab completion of names, "help" and "help NAME", and the meaning of a non-zero status
on stderr.
)";

std::optional<int32_t> ParseBitRate(std::string_view text) {
    int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() || value <= 0) {
        return std::nullopt;
    }
    return value;
}

// "--name VALUE" or "--name=VALUE"; i is moved past what was used.
std::optional<std::string_view> OptionValue(std::span<const std::string_view> arguments, size_t& i,
                                            std::string_view name, std::string& error) {
    const std::string_view argument = arguments[i];
    if (argument.size() > name.size() && argument[name.size()] == '=') {
        return argument.substr(name.size() + 1);
    }
    if (i + 1 >= arguments.size()) {
        error = std::string(name) + " needs a value";
        return std::nullopt;
    }
    return arguments[++i];
}

bool IsOption(std::string_view argument, std::string_view name) {
    return argument == name || (argument.starts_with(name) && argument.size() > name.size() &&
                                argument[name.size()] == '=');
}

}  // namespace

std::string_view UsageText() {
    return kUsage;
}

CommandLineResult ParseCommandLine(std::span<const std::string_view> arguments) {
    CommandLineResult result;
    CommandLine& options = result.options;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size() && result.error.empty(); ++i) {
        const std::string_view argument = arguments[i];
        const bool positional = optionsEnded || argument == "-" || !argument.starts_with('-');
        if (positional) {
            if (options.script) {
                result.error = "only one script can be run (got '" + *options.script + "' and '" +
                               std::string(argument) + "')";
            } else {
                options.script = std::string(argument);
            }
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--events") {
            options.events = true;
        } else if (argument == "--demo") {
            options.demo = true;
        } else if (argument == "-e") {
            if (auto value = OptionValue(arguments, i, "-e", result.error)) {
                options.statements.emplace_back(*value);
            }
        } else if (IsOption(argument, "--port")) {
            if (auto value = OptionValue(arguments, i, "--port", result.error)) {
                options.port = std::string(*value);
            }
        } else if (IsOption(argument, "--baud")) {
            if (auto value = OptionValue(arguments, i, "--baud", result.error)) {
                options.baud = ParseBitRate(*value);
                if (!options.baud) {
                    result.error =
                        "--baud needs a positive whole number, not '" + std::string(*value) + "'";
                }
            }
        } else {
            result.error = "unknown option '" + std::string(argument) + "'";
        }
    }
    if (result.error.empty() && options.demo && options.port) {
        result.error = "--demo and --port cannot be combined (--demo chooses the port)";
    }
    return result;
}

}  // namespace kvt::cli
