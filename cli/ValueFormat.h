// Variant to text, as kvt80ctl prints values: integers in decimal, doubles in the shortest form
// that reads back to the same value, booleans true/false, strings and arrays as JSON, an empty
// Variant as null.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "automation/Variant.h"

namespace kvt::cli {

std::string FormatValue(const Variant& value);
std::string FormatDouble(double value);

// A UTF-16 text as a JSON string literal. Valid non-ASCII characters are written as UTF-8;
// control characters (C0, DEL and C1) and unpaired surrogates as \u escapes, so that the output
// is valid UTF-8, safe to show on a terminal and reads back to the same UTF-16.
std::string FormatJsonString(std::u16string_view text);

// "event Name(arg, arg, ...)"
std::string FormatEventLine(std::string_view name, std::span<const Variant> arguments);

// Human names of parameter types, for messages.
std::string_view TypeName(VarType type);

}  // namespace kvt::cli
