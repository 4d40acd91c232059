// UnitMemory: the unit's parameter memories. Block 0 is the controller's EEPROM (bytes); blocks
// 1..6 are the signal processors' parameter words (24 bits each).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvt::sim {

class UnitMemory {
  public:
    static constexpr int kBlockCount = 7;
    static constexpr uint32_t kEepromSize = 2048;
    static constexpr uint32_t kProcessorWords = 1024;

    UnitMemory();

    static uint32_t Size(int block);
    static uint32_t ValueMask(int block);  // 0xFF for the EEPROM, 0xFFFFFF for the processors

    // True when block and all of address .. address + count - 1 exist.
    static bool Contains(int block, uint32_t address, uint32_t count = 1);

    // Outside the memory: 0, and writes are ignored.
    uint32_t Read(int block, uint32_t address) const;
    void Write(int block, uint32_t address, uint32_t value);

    // Block `block` of `from` replaces this memory's block (nothing for a block that does not
    // exist).
    void CopyBlock(int block, const UnitMemory& from);

  private:
    std::array<std::vector<uint32_t>, kBlockCount> blocks_;
};

}  // namespace kvt::sim
