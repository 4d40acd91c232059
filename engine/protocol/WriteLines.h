// Pending parameter writes and the write lines that carry them to the unit.
//
// Every property put queues (block, address, raw word); the worker drains the lists one write line
// per pass. A later write to an address replaces the earlier one, so only the latest value of an
// address is ever sent. Puts come from caller threads while the worker drains, so the lists are
// guarded.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace kvt {

constexpr int kParameterBlocks = 7;

// The processor behind a parameter block, as "open %X%X" selects it; block 0 (EEPROM) needs none.
struct BlockTarget {
    int page;
    int unit;
};
std::optional<BlockTarget> TargetOfBlock(int block);

// One write line: consecutive addresses of one block, at most seven values.
struct WriteLine {
    int block = 0;
    uint32_t start = 0;
    std::vector<uint32_t> values;
    int failedAttempts = 0;  // earlier attempts of these values that got no answer

    // "wreep" (block 0), "wrtval" (blocks 1 to 5) or "wrtx" (block 6) with the start address and
    // the values as six hex digits each, ending in "\r".
    std::string Text() const;
};

// Addresses of the equaliser processors (blocks 4 and 5) whose write must end its line.
bool EndsWriteLine(int block, uint32_t address);

class PendingWrites {
  public:
    // Queues a write; blocks outside 0..6 are ignored. Values keep their low 24 bits.
    void Queue(int block, uint32_t address, uint32_t raw);

    bool Empty(int block) const;
    bool AllEmpty() const;
    size_t Size(int block) const;
    void Clear();

    // The first block with pending writes in priority order (EEPROM first, then the preamp and
    // matrix processors, the equaliser processors, the output processor).
    std::optional<int> FirstPendingBlock() const;

    // Takes the next line of a block from its lowest address: the run of consecutive addresses
    // that fits, removed from the list.
    std::optional<WriteLine> TakeLine(int block);

    // After a line got no answer, puts its values back for a later pass, except where a newer
    // value of the same address was queued meanwhile. A line that has failed kMaxLineAttempts
    // times is given up (false): the unit is gone or will not take it.
    static constexpr int kMaxLineAttempts = 3;
    bool Restore(const WriteLine& line);

    // The value waiting for an address, if any.
    std::optional<uint32_t> Pending(int block, uint32_t address) const;

  private:
    struct Entry {
        uint32_t value;
        int failedAttempts;
    };
    mutable std::mutex mutex_;
    std::array<std::map<uint32_t, Entry>, kParameterBlocks> lists_;
};

}  // namespace kvt
