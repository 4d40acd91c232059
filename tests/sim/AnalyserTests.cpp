// The analyser window: a spectrum that follows the generator and routing words, the room and the
// unit's own EQ settings, read on the scale the engine converts the words to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "AnalyserWords.h"
#include "SimTestSupport.h"

namespace kvt::sim::test {
namespace {

// Bands: 0 = 20 kHz, 1 = 16 kHz, 7 = 4 kHz, 13 = 1 kHz.
constexpr int k16kHz = 1;
constexpr int k4kHz = 7;
constexpr int k1kHz = 13;
constexpr int kBands = 30;

constexpr uint32_t kPinkNoise = 0x1;
constexpr uint32_t kSine = 0x2;
constexpr uint32_t kCenter = 0x400000;
constexpr uint32_t kRunning = 0x100;
constexpr uint32_t kSumAndDifference = 0x200;

// The centre channel's EQ region (block 4) and output gain word (block 6).
constexpr uint32_t kCenterRegion = 128;
constexpr uint32_t kCenterOutputGain = 1014;

using Words = std::array<uint32_t, kAnalyserWords>;

// The engine's conversions of band and input-level words.
double BandDb(uint32_t word) {
    return 20.0 * std::log10(word / 8388608.0) + 6.0;
}

double InputDb(uint32_t word) {
    return 20.0 * std::log10((word & 0xFFF000u) / 8388608.0) + 23.8;
}

double First(const Words& words, int band) {
    return BandDb(words[static_cast<size_t>(3 + 2 * band)]);
}

double Second(const Words& words, int band) {
    return BandDb(words[static_cast<size_t>(4 + 2 * band)]);
}

uint32_t Tenths(int tenths) {
    return static_cast<uint32_t>(tenths) & 0xFFFFFFu;
}

int TenthsAt(const UnitMemory& memory, int block, uint32_t address) {
    return static_cast<int32_t>(memory.Read(block, address) << 8) >> 8;
}

class Analyser : public ::testing::Test {
  protected:
    void Run(uint32_t control, uint32_t hz = 0, uint32_t routing = kRunning) {
        state_.memory.Write(3, 12, 0x40 | routing);
        state_.memory.Write(3, 14, hz);
        state_.memory.Write(3, 16, control);
    }
    Words Snapshot() { return AnalyserSnapshot(state_); }

    UnitState state_ = FactoryState();
};

TEST_F(Analyser, ShowsTheAmbientFloorWithNothingRoutedAndRestsWhenStopped) {
    Run(0);
    Words words = Snapshot();
    for (int band = 0; band < kBands; ++band) {
        EXPECT_GT(std::min(First(words, band), Second(words, band)), -50.0) << band;
        EXPECT_LT(std::max(First(words, band), Second(words, band)), -28.0) << band;
    }
    EXPECT_NEAR(First(words, k1kHz), -40.0, 1.5);
    Run(kPinkNoise | kCenter, 0, 0);
    words = Snapshot();
    EXPECT_LT(BandDb(words[3]), -70.0);
    EXPECT_EQ(std::count(words.begin() + 3, words.end() - 1, words[3]), 60);
}

TEST_F(Analyser, PinkNoiseOnCenterReadsNearZeroInTheMidBandsOnBothMicrophones) {
    Run(kPinkNoise | kCenter);
    const Words words = Snapshot();
    for (int band = 10; band <= 20; ++band) {  // 2 kHz down to 200 Hz
        EXPECT_NEAR(First(words, band), 0.0, 2.5) << band;
        EXPECT_NEAR(Second(words, band), First(words, band), 2.0) << band;
    }
    EXPECT_LT(First(words, k16kHz), First(words, k1kHz) - 1.0);
    EXPECT_LT(First(words, 0), First(words, k1kHz) - 4.0);
}

TEST_F(Analyser, TheCentresEqBandAndOutputGainShapeOnlyTheCentre) {
    Run(kPinkNoise | kCenter);
    UnitState boosted = state_;  // the same seed: the same measurement noise
    const uint32_t band1kHz = kCenterRegion + 30 - 14;
    boosted.memory.Write(4, band1kHz, Tenths(TenthsAt(state_.memory, 4, band1kHz) + 30));
    boosted.memory.Write(4, 30 - 14, Tenths(60));  // the left channel's 1 kHz band
    const Words before = Snapshot();
    Words after = AnalyserSnapshot(boosted);
    EXPECT_NEAR(First(after, k1kHz) - First(before, k1kHz), 3.0, 0.1);
    EXPECT_NEAR(Second(after, k1kHz) - Second(before, k1kHz), 3.0, 0.1);
    EXPECT_LT(First(after, k1kHz + 1) - First(before, k1kHz + 1), 1.0);
    EXPECT_NEAR(First(after, k4kHz), First(before, k4kHz), 0.05);

    boosted.memory.Write(6, kCenterOutputGain, Tenths(-70));  // -1.0 dB to -7.0 dB
    after = AnalyserSnapshot(boosted);
    EXPECT_NEAR(First(after, k4kHz) - Second(before, k4kHz), -6.0, 1.2);
}

TEST_F(Analyser, MutesAndTheFaderReachTheRoom) {
    Run(kPinkNoise | kCenter);
    const double playing = First(Snapshot(), k1kHz);
    state_.panel.level = 40;  // 10 dB below the reference 70
    EXPECT_NEAR(First(Snapshot(), k1kHz), playing - 10.0, 1.5);
    state_.panel.muted = true;
    EXPECT_NEAR(First(Snapshot(), k1kHz), -40.0, 1.5);
    state_.panel.muted = false;
    state_.memory.Write(4, kCenterRegion, 0x2);  // the channel's own mute
    EXPECT_NEAR(First(Snapshot(), k1kHz), -40.0, 1.5);
}

TEST_F(Analyser, ASineTonePeaksInItsOwnBandAndAToneOutsideTheBandsPlaysNothing) {
    Run(kSine | kCenter, 1000);
    Words words = Snapshot();
    EXPECT_NEAR(First(words, k1kHz), 0.0, 4.0);
    for (int band = 0; band < kBands; ++band) {
        if (band != k1kHz) {
            EXPECT_LT(First(words, band), First(words, k1kHz) - 15.0) << band;
        }
        if (std::abs(band - k1kHz) > 2) {
            EXPECT_LT(First(words, band), -30.0) << band;
        }
    }
    Run(kSine | kCenter, 40000);
    words = Snapshot();
    EXPECT_LT(BandDb(*std::max_element(words.begin() + 3, words.end() - 1)), -28.0);
}

TEST_F(Analyser, SumAndDifferenceLiftTheFirstTraceAndDropTheSecond) {
    Run(kPinkNoise | kCenter);
    UnitState sumAndDifference = state_;
    sumAndDifference.memory.Write(3, 12, 0x40 | kRunning | kSumAndDifference);
    const Words pair = Snapshot();
    const Words sum = AnalyserSnapshot(sumAndDifference);
    for (int band = 10; band <= 20; ++band) {
        EXPECT_NEAR(First(sum, band) - First(pair, band), 3.0, 0.6) << band;
        EXPECT_LT(Second(sum, band), First(pair, band) - 12.0) << band;
    }
}

TEST_F(Analyser, MarkersAreEqualAndInputLevelsSitNearZeroOnTheEngineScale) {
    for (int read = 0; read < 5; ++read) {
        const Words words = Snapshot();
        EXPECT_EQ(words[2], words[kAnalyserWords - 1]);
        for (size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(words[i] & 0xFFFu, 0u);
            EXPECT_NEAR(InputDb(words[i]), 0.0, 0.8) << i;
        }
    }
    state_.panel.format = 3;  // Digital A: 1 dB lower, and silent while its input is in error
    EXPECT_NEAR(InputDb(Snapshot()[0]), -1.0, 0.5);
    state_.panel.aesEbuError = true;
    EXPECT_EQ(Snapshot()[0], 0u);
}

TEST_F(Analyser, WildMemoryWordsStayInsideTheWordRange) {
    Run(0xFFFFFF, 0xFFFFFF);
    for (uint32_t address = 0; address < 256; ++address) {
        state_.memory.Write(4, address, 0x7FFFFF);
        state_.memory.Write(5, address, 0x800000);
    }
    const Words words = Snapshot();
    EXPECT_EQ(std::count(words.begin() + 3, words.end() - 1, 0u), 0);
}

// As the engine drives it: routing and generator written with "wrtval", read with "rdvalb".
TEST(AnalyserOverTheLine, FollowsTheWordsTheEngineWrites) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 93");
    Ask(unit, "wrtval 00000C 000140");
    Ask(unit, "wrtval 000010 400001");
    const std::string data = Ask(unit, "rdvalb 3F 1A").substr(15 + 3 * (3 + 2 * k1kHz), 3);
    const auto byte = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<uint8_t>(data[i]));
    };
    EXPECT_NEAR(BandDb(byte(0) << 16 | byte(1) << 8 | byte(2)), 0.0, 2.5);
}

}  // namespace
}  // namespace kvt::sim::test
