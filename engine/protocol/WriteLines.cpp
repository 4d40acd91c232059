#include "protocol/WriteLines.h"

#include <algorithm>
#include <cstdio>

namespace kvt {

namespace {

constexpr size_t kMaxLineBeforeValue = 55;  // characters; a line may grow past it by one value

const char* CommandWord(int block) {
    if (block == 0) {
        return "wreep";
    }
    return block == 6 ? "wrtx" : "wrtval";
}

// Length of "word AAAAAA" plus n values of " VVVVVV".
size_t LineLength(int block, size_t values) {
    return std::char_traits<char>::length(CommandWord(block)) + 7 + 7 * values;
}

bool ValidBlock(int block) {
    return block >= 0 && block < kParameterBlocks;
}

}  // namespace

std::optional<BlockTarget> TargetOfBlock(int block) {
    switch (block) {
        case 1:
            return BlockTarget{9, 1};
        case 2:
            return BlockTarget{9, 2};
        case 3:
            return BlockTarget{9, 3};
        case 4:
            return BlockTarget{6, 1};
        case 5:
            return BlockTarget{6, 2};
        case 6:
            return BlockTarget{6, 11};
        default:
            return std::nullopt;
    }
}

std::string WriteLine::Text() const {
    char piece[32];
    std::snprintf(piece, sizeof piece, "%s %06X", CommandWord(block), start);
    std::string text = piece;
    for (uint32_t value : values) {
        std::snprintf(piece, sizeof piece, " %06X", value & 0xFFFFFFu);
        text += piece;
    }
    text += '\r';
    return text;
}

bool EndsWriteLine(int block, uint32_t address) {
    if (block != 4 && block != 5) {
        return false;
    }
    const uint32_t low = address & 0x3Fu;
    return address < 0x100 && low >= 4 && low <= 8;
}

void PendingWrites::Queue(int block, uint32_t address, uint32_t raw) {
    if (!ValidBlock(block)) {
        return;
    }
    std::lock_guard lock(mutex_);
    lists_[static_cast<size_t>(block)][address] = Entry{raw & 0xFFFFFFu, 0};
}

bool PendingWrites::Empty(int block) const {
    return Size(block) == 0;
}

size_t PendingWrites::Size(int block) const {
    if (!ValidBlock(block)) {
        return 0;
    }
    std::lock_guard lock(mutex_);
    return lists_[static_cast<size_t>(block)].size();
}

bool PendingWrites::AllEmpty() const {
    return !FirstPendingBlock().has_value();
}

void PendingWrites::Clear() {
    std::lock_guard lock(mutex_);
    for (auto& list : lists_) {
        list.clear();
    }
}

std::optional<int> PendingWrites::FirstPendingBlock() const {
    std::lock_guard lock(mutex_);
    for (int block = 0; block < kParameterBlocks; ++block) {
        if (!lists_[static_cast<size_t>(block)].empty()) {
            return block;
        }
    }
    return std::nullopt;
}

std::optional<WriteLine> PendingWrites::TakeLine(int block) {
    if (!ValidBlock(block)) {
        return std::nullopt;
    }
    std::lock_guard lock(mutex_);
    auto& list = lists_[static_cast<size_t>(block)];
    if (list.empty()) {
        return std::nullopt;
    }
    WriteLine line;
    line.block = block;
    line.start = list.begin()->first;
    auto entry = list.begin();
    uint32_t address = entry->first;
    while (true) {
        line.values.push_back(entry->second.value);
        line.failedAttempts = std::max(line.failedAttempts, entry->second.failedAttempts);
        entry = list.erase(entry);
        const bool fits = LineLength(block, line.values.size()) <= kMaxLineBeforeValue;
        if (!fits || entry == list.end() || entry->first != address + 1 ||
            EndsWriteLine(block, address)) {
            break;
        }
        address = entry->first;
    }
    return line;
}

bool PendingWrites::Restore(const WriteLine& line) {
    if (!ValidBlock(line.block) || line.failedAttempts + 1 >= kMaxLineAttempts) {
        return false;
    }
    std::lock_guard lock(mutex_);
    auto& list = lists_[static_cast<size_t>(line.block)];
    for (size_t i = 0; i < line.values.size(); ++i) {
        list.try_emplace(line.start + static_cast<uint32_t>(i),
                         Entry{line.values[i], line.failedAttempts + 1});
    }
    return true;
}

std::optional<uint32_t> PendingWrites::Pending(int block, uint32_t address) const {
    if (!ValidBlock(block)) {
        return std::nullopt;
    }
    std::lock_guard lock(mutex_);
    const auto& list = lists_[static_cast<size_t>(block)];
    const auto it = list.find(address);
    if (it == list.end()) {
        return std::nullopt;
    }
    return it->second.value;
}

}  // namespace kvt
