#include "UnitMemory.h"

namespace kvt::sim {

UnitMemory::UnitMemory() {
    for (int block = 0; block < kBlockCount; ++block) {
        blocks_[static_cast<size_t>(block)].assign(Size(block), 0);
    }
}

uint32_t UnitMemory::Size(int block) {
    if (block == 0) {
        return kEepromSize;
    }
    return block > 0 && block < kBlockCount ? kProcessorWords : 0;
}

uint32_t UnitMemory::ValueMask(int block) {
    return block == 0 ? 0xFFu : 0xFFFFFFu;
}

bool UnitMemory::Contains(int block, uint32_t address, uint32_t count) {
    const uint64_t end = static_cast<uint64_t>(address) + count;
    return count > 0 && end <= Size(block);
}

uint32_t UnitMemory::Read(int block, uint32_t address) const {
    if (!Contains(block, address)) {
        return 0;
    }
    return blocks_[static_cast<size_t>(block)][address];
}

void UnitMemory::Write(int block, uint32_t address, uint32_t value) {
    if (!Contains(block, address)) {
        return;
    }
    blocks_[static_cast<size_t>(block)][address] = value & ValueMask(block);
}

void UnitMemory::CopyBlock(int block, const UnitMemory& from) {
    if (block < 0 || block >= kBlockCount) {
        return;
    }
    blocks_[static_cast<size_t>(block)] = from.blocks_[static_cast<size_t>(block)];
}

}  // namespace kvt::sim
