// The kvt80ctl statement language: one statement per line, parsed into a Statement without
// touching the engine (member names are resolved when the statement runs).
//
//   Name                      get, or method call without arguments
//   Name(a, b, ...)           indexed get, or method call
//   Name = v                  put
//   Name(a, b, ...) = v       indexed put
//   sleep MS
//   wait Event[(a, ...)] [TIMEOUT_MS]
//   sim COMMAND               an operator command to the built-in simulated unit (--demo)
//
// '#' outside a string starts a comment. Literals: integers (VT_I4), decimals (VT_R8),
// true/false (VT_BOOL), "strings" with JSON escapes (VT_BSTR), [a, b, ...] arrays.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "automation/Variant.h"

namespace kvt::cli {

constexpr int32_t kDefaultWaitTimeoutMs = 30000;

enum class StatementKind {
    Empty,  // blank line or comment only
    Call,   // Name or Name(args): a get if the member is readable, else a method call
    Put,    // Name = v or Name(args) = v
    Sleep,
    Wait,
    Simulator,  // sim COMMAND: the command text in `name`
};

struct Statement {
    StatementKind kind = StatementKind::Empty;
    std::string name;                // member or event name as written
    std::vector<Variant> arguments;  // call/index arguments, or the leading event arguments
    Variant value;                   // Put: the value stored
    int32_t milliseconds = 0;        // Sleep: duration; Wait: timeout
};

struct ParseError {
    size_t column = 0;  // 1-based
    std::string message;
};

struct ParseResult {
    Statement statement;
    std::optional<ParseError> error;
};

ParseResult ParseStatement(std::string_view line);

struct LiteralResult {
    Variant value;
    std::optional<ParseError> error;
};

// The whole text must be one literal (surrounding spaces allowed).
LiteralResult ParseLiteral(std::string_view text);

}  // namespace kvt::cli
