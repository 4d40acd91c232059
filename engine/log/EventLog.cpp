#include "log/EventLog.h"

namespace kvt {

namespace {

constexpr size_t kEchoLength = 9;  // "dumplog N"
constexpr size_t kDescriptionStart = 14;

// Two decimal digits at `at` of the line; what is not a digit counts as 0, what is beyond the
// line is not read.
int32_t TwoDigits(std::string_view line, size_t at) {
    int32_t value = 0;
    for (size_t i = at; i < at + 2; ++i) {
        const char c = i < line.size() ? line[i] : '0';
        value = value * 10 + (c >= '0' && c <= '9' ? c - '0' : 0);
    }
    return value;
}

bool IsSkipped(char c) {
    return c == '\r' || c == '\n' || c == '\t';
}

}  // namespace

std::vector<LogEntry> ParseEventLog(std::string_view reply) {
    const size_t echo = reply.find("dumplog");
    size_t at = echo == std::string_view::npos ? 0 : echo + kEchoLength;
    std::vector<LogEntry> entries;
    while (at < reply.size()) {
        while (at < reply.size() && IsSkipped(reply[at])) {
            ++at;
        }
        const size_t end = reply.find("\r\n", at);
        if (at >= reply.size() || end == std::string_view::npos) {
            break;
        }
        const std::string_view line = reply.substr(at, end - at);
        LogEntry entry;
        entry.date = TwoDigits(line, 0) << 16 | TwoDigits(line, 2) << 8 | TwoDigits(line, 4);
        entry.time = TwoDigits(line, 7) << 16 | TwoDigits(line, 9) << 8 | TwoDigits(line, 11);
        if (line.size() > kDescriptionStart) {
            entry.description = std::string(line.substr(kDescriptionStart, kMaxLogDescription));
        }
        entries.push_back(std::move(entry));
        at = end + 2;
    }
    return entries;
}

}  // namespace kvt
