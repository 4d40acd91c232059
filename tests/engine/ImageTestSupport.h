// Small helpers of the parameter tests. The words are computed here on their own, not with the
// engine's encoders, so that a wrong encoder cannot agree with itself.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

#include "KVT80.h"

namespace kvt::testing {

// A signed value as a 24-bit two's-complement word.
constexpr uint32_t Word24(int value) {
    return static_cast<uint32_t>(value) & 0xFFFFFFu;
}

// A channel delay word: 48 samples per millisecond, counted down from a fixed origin.
constexpr uint32_t ChannelDelayWord(int ms) {
    return Word24(11594 - 48 * ms);
}

// An index argument as the front ends pass it.
inline Variant At(int32_t index) {
    return Variant::Int(index);
}

inline bool ConfigDirty(KVT80& engine) {
    Variant dirty;
    EXPECT_EQ(engine.get_ConfigFileDirty(&dirty), status::Ok);
    EXPECT_EQ(dirty.Type(), VT_BOOL);
    return dirty.IsTrue();
}

// Writes waiting in all the engine's lists.
inline size_t TotalPending(const KVT80& engine) {
    size_t total = 0;
    for (int block = 0; block < kParameterBlocks; ++block) {
        total += engine.Pending().Size(block);
    }
    return total;
}

}  // namespace kvt::testing
