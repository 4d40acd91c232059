#include "protocol/Commits.h"

#include "protocol/Exchange.h"

namespace kvt {

namespace {

constexpr uint32_t kPreampCommitAddress = 0x000;
constexpr uint32_t kPreampCommitBit = 0x1000;
constexpr uint32_t kEqualiserCommitAddress = 0x100;
constexpr uint32_t kEqualiserCommitBits = 0x0E;
constexpr uint32_t kEqualiserStoreBit = 0x80;

}  // namespace

// A commit whose read fails is left out: the next write or store commits again.
void CommitPreamp(Link& link, const LinkLock& lock, const EngineTimings& timings) {
    const auto word = ReadValue(link, lock, timings, kPreampCommitAddress);
    if (word.value) {
        RunExchange(link, lock, timings,
                    FormatLine("wrtval 00 %02X\r", *word.value | kPreampCommitBit));
    }
}

void CommitEqualiser(Link& link, const LinkLock& lock, const EngineTimings& timings, bool stored) {
    const auto word = ReadValue(link, lock, timings, kEqualiserCommitAddress);
    if (word.value) {
        const uint32_t bits = kEqualiserCommitBits | (stored ? kEqualiserStoreBit : 0);
        RunExchange(link, lock, timings, FormatLine("wrtval 100 %02X\r", *word.value | bits));
    }
}

}  // namespace kvt
