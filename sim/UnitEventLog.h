// UnitEventLog: the unit's event log, oldest entry first. It holds a bounded number of entries;
// when full, the oldest entry makes room, as in the unit's own ring.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "SimulatedUnit.h"

namespace kvt::sim {

class UnitEventLog {
  public:
    static constexpr size_t kMaxEntries = 512;
    static constexpr size_t kMaxDescription = 255;

    void Set(std::vector<LogEntry> entries);
    void Add(LogEntry entry);
    void Clear();
    std::vector<LogEntry> Entries() const;

    // The "dumplog" lines: "YYMMDD HHMMSS description". Control characters become spaces so an
    // entry can never break the line framing.
    std::vector<std::string> DumpLines() const;

  private:
    std::deque<LogEntry> entries_;
};

}  // namespace kvt::sim
