// The unit's event log as "dumplog" lists it: one line per entry, "YYMMDD HHMMSS description",
// each ending in CR LF, after the echo of the command and before the prompt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvt {

constexpr size_t kMaxLogDescription = 63;

struct LogEntry {
    int32_t date = 0;         // (YY << 16) | (MM << 8) | DD
    int32_t time = 0;         // (HH << 16) | (MM << 8) | SS
    std::string description;  // 8-bit text, at most 63 characters
};

// The entries of a dump reply, in the unit's order. Parsing starts 9 characters after "dumplog"
// (the echo "dumplog N") or at the start; it skips CR, LF and TAB before each entry and ends at
// the end of the text or where no further CR LF follows. Two-digit fields that are not decimal
// digits read as 0; a line shorter than its fields gives what it has, never more.
std::vector<LogEntry> ParseEventLog(std::string_view reply);

}  // namespace kvt
