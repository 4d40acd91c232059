#include "UnitEventLog.h"

namespace kvt::sim {

namespace {

std::string Printable(std::string_view text, size_t maxLength) {
    std::string clean(text.substr(0, maxLength));
    for (char& c : clean) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) {
            c = ' ';
        }
    }
    return clean;
}

}  // namespace

void UnitEventLog::Set(std::vector<LogEntry> entries) {
    entries_.clear();
    for (auto& entry : entries) {
        Add(std::move(entry));
    }
}

void UnitEventLog::Add(LogEntry entry) {
    if (entries_.size() == kMaxEntries) {
        entries_.pop_front();
    }
    entries_.push_back(std::move(entry));
}

void UnitEventLog::Clear() {
    entries_.clear();
}

std::vector<LogEntry> UnitEventLog::Entries() const {
    return {entries_.begin(), entries_.end()};
}

std::vector<std::string> UnitEventLog::DumpLines() const {
    std::vector<std::string> lines;
    lines.reserve(entries_.size());
    for (const auto& entry : entries_) {
        std::string stamp = Printable(entry.stamp, 13);
        stamp.resize(13, ' ');
        lines.push_back(stamp + ' ' + Printable(entry.description, kMaxDescription));
    }
    return lines;
}

}  // namespace kvt::sim
