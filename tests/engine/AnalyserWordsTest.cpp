// The generator's words and the analyser's smoothing, as pure functions: the control word's signal
// and channel bits, the calibration constants of both matrix firmware generations, and how one
// 64-word analyser read becomes input levels and band values.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "analyser/AnalyserFrame.h"
#include "analyser/GeneratorWords.h"

namespace kvt {
namespace {

// ---- Generator words ----------------------------------------------------------------------------

TEST(GeneratorControlWord, SignalBitByModeAndOneBitPerChannel) {
    EXPECT_EQ(GeneratorControlWord(0, 0), 0x1u);  // pink noise
    EXPECT_EQ(GeneratorControlWord(1, 0), 0x2u);  // sine tones
    EXPECT_EQ(GeneratorControlWord(3, 0), 0x2u);
    EXPECT_EQ(GeneratorControlWord(4, 0), 0x4u);  // thump

    // Left, centre, right, subwoofer, left and right surround, left and right EX.
    const std::array<uint32_t, 8> bits{0x200000, 0x400000, 0x800000, 0x8000,
                                       0x4000,   0x10000,  0x400,    0x1000};
    for (size_t i = 0; i < bits.size(); ++i) {
        EXPECT_EQ(GeneratorControlWord(2, 1 << i), 0x2u | bits[i]) << i;
    }
    EXPECT_EQ(GeneratorControlWord(4, 0xFF), 0x4u | 0xE1D400u);
}

TEST(GeneratorControlWord, OnlyTheEightChannelBitsCount) {
    EXPECT_EQ(GeneratorControlWord(2, 0x100 | 1), GeneratorControlWord(2, 1));
    EXPECT_EQ(GeneratorControlWord(2, ~0xFF), 0x2u);
    EXPECT_EQ(GeneratorChannelsOfControl(GeneratorControlWord(0, 0xA5)), 0xA5);
}

TEST(GeneratorFirmware, VersionTextIsReadAsHexadecimal) {
    EXPECT_FALSE(IsNewMatrixFirmware("152"));
    EXPECT_TRUE(IsNewMatrixFirmware("153"));
    EXPECT_TRUE(IsNewMatrixFirmware("000153"));  // as the unit answers it
    EXPECT_TRUE(IsNewMatrixFirmware("1A0"));     // 0x1A0; read as decimal it would stop at 1
    EXPECT_FALSE(IsNewMatrixFirmware(""));
    EXPECT_FALSE(IsNewMatrixFirmware("zz"));
}

TEST(GeneratorFirmware, SineTonesHaveFrequencyAndCalibrationPerGeneration) {
    const auto words = [](int32_t mode, bool newFirmware) {
        const auto tone = SineTone(mode, newFirmware);
        return tone ? std::pair(tone->frequency, tone->calibration) : std::pair(0u, 0u);
    };
    EXPECT_EQ(words(1, false), std::pair(100u, 0x0CE900u));
    EXPECT_EQ(words(1, true), std::pair(100u, 0x0CBF00u));
    EXPECT_EQ(words(2, false), std::pair(1000u, 0x0CDE00u));
    EXPECT_EQ(words(2, true), std::pair(1000u, 0x0CBA00u));
    EXPECT_EQ(words(3, false), std::pair(10000u, 0x0E8000u));
    EXPECT_EQ(words(3, true), std::pair(10000u, 0x0E5200u));
    for (const int32_t notSine : {0, 4, -1, 5}) {
        EXPECT_FALSE(SineTone(notSine, false) || SineTone(notSine, true)) << notSine;
    }
    EXPECT_EQ(GeneratorCalibrationWord(false), 0x51C800u);
    EXPECT_EQ(GeneratorCalibrationWord(true), 0x280400u);
}

// ---- Smoothing ----------------------------------------------------------------------------------

TEST(AnalyserMovingAverage, AveragesTheLastValuesStartingFromZeros) {
    MovingAverage filter(3);
    EXPECT_DOUBLE_EQ(filter.Add(3.0), 1.0);
    EXPECT_DOUBLE_EQ(filter.Add(6.0), 3.0);
    EXPECT_DOUBLE_EQ(filter.Add(9.0), 6.0);
    EXPECT_DOUBLE_EQ(filter.Add(12.0), 9.0);  // the 3 has left the window

    for (const size_t depth : {size_t{1}, size_t{0}}) {  // 0 behaves as 1
        MovingAverage single(depth);
        EXPECT_DOUBLE_EQ(single.Add(4.0), 4.0);
        EXPECT_DOUBLE_EQ(single.Add(-7.5), -7.5);
    }
}

TEST(AnalyserMovingAverage, BandDepthsGrowTowardsTheLowBands) {
    const std::array<size_t, kAnalyserBands> expected{1, 1, 1, 1, 1, 1, 1,  2,  2,  2,
                                                      2, 2, 2, 2, 6, 6, 6,  6,  6,  6,
                                                      6, 6, 8, 8, 8, 8, 10, 10, 10, 10};
    for (size_t band = 0; band < kAnalyserBands; ++band) {
        EXPECT_EQ(BandFilterDepth(band), expected[band]) << band;
    }
}

// One analyser read: every word zero unless set, the frame markers equal.
struct Frame {
    std::array<uint32_t, kAnalyserWords> words{};
    std::array<double, kAnalyserValues> values{};

    AnalyserLevels TakeInto(AnalyserSmoothing& smoothing) { return smoothing.Take(words, values); }
};

constexpr double kUnityInput = 23.8;  // an input word of 0x800000
constexpr double kUnityBand = 6.0;    // a band word of 0x800000

TEST(AnalyserSmoothing, BandElementsComeFromTheirWordsInPairs) {
    AnalyserSmoothing smoothing;
    Frame frame;
    frame.words[4] = 0x800000;  // band 0, element 0
    frame.words[3] = 0x400000;  // band 0, element 1
    frame.words[6] = 0x200000;  // band 1, element 2
    frame.words[5] = 0xFFFFFF;  // band 1, element 3
    frame.TakeInto(smoothing);

    EXPECT_DOUBLE_EQ(frame.values[0], kUnityBand);
    EXPECT_NEAR(frame.values[1], kUnityBand - 6.0206, 1e-4);
    EXPECT_NEAR(frame.values[2], kUnityBand - 12.0412, 1e-4);
    EXPECT_NEAR(frame.values[3], 12.0206, 1e-4);  // full scale
    EXPECT_DOUBLE_EQ(frame.values[4], kBandFloor);
}

TEST(AnalyserSmoothing, SilentBandsReadTheFloorThroughTheirFilter) {
    AnalyserSmoothing smoothing;
    Frame frame;
    frame.TakeInto(smoothing);
    for (size_t element = 0; element < 14; ++element) {  // bands 0..6: depth 1
        EXPECT_DOUBLE_EQ(frame.values[element], kBandFloor) << element;
    }
    // Band 29 (depth 10) starts from zeros and is pulled towards 0 dB.
    EXPECT_DOUBLE_EQ(frame.values[58], kBandFloor / 10);
    EXPECT_DOUBLE_EQ(frame.values[59], kBandFloor / 10);
    EXPECT_DOUBLE_EQ(frame.values[14], kBandFloor / 2);  // band 7: depth 2

    for (int read = 1; read < 10; ++read) {
        frame.TakeInto(smoothing);
    }
    EXPECT_DOUBLE_EQ(frame.values[52], kBandFloor);  // band 26
    EXPECT_DOUBLE_EQ(frame.values[59], kBandFloor);
}

TEST(AnalyserSmoothing, InputLevelsIgnoreTheLowTwelveBitsAndAverageOverFour) {
    AnalyserSmoothing smoothing;
    Frame frame;
    frame.words[0] = 0x800FFF;
    frame.words[1] = 0x800000;
    const std::array<double, 4> expected{kUnityInput / 4, kUnityInput / 2, kUnityInput * 3 / 4,
                                         kUnityInput};
    for (const double level : expected) {
        const AnalyserLevels levels = frame.TakeInto(smoothing);
        EXPECT_NEAR(levels.left, level, 1e-9);
        EXPECT_DOUBLE_EQ(levels.left, levels.right);
    }
}

TEST(AnalyserSmoothing, SilentInputReadsItsFloorAndStaysOutOfTheAverage) {
    AnalyserSmoothing smoothing;
    Frame frame;
    frame.words[0] = 0x800000;
    EXPECT_NEAR(frame.TakeInto(smoothing).left, kUnityInput / 4, 1e-9);

    frame.words[0] = 0;
    AnalyserLevels levels = frame.TakeInto(smoothing);
    EXPECT_DOUBLE_EQ(levels.left, kInputFloor);
    frame.words[0] = 0x000FFF;  // only the bits that do not count
    EXPECT_DOUBLE_EQ(frame.TakeInto(smoothing).left, kInputFloor);

    frame.words[0] = 0x800000;
    levels = frame.TakeInto(smoothing);
    EXPECT_NEAR(levels.left, kUnityInput / 2, 1e-9);  // the silent reads left no trace
    EXPECT_DOUBLE_EQ(levels.right, kInputFloor);
}

TEST(AnalyserSmoothing, FrameIsCompleteWhenItsMarkersAgree) {
    AnalyserSmoothing smoothing;
    Frame frame;
    frame.words[2] = 0x1234;
    frame.words[63] = 0x1234;
    EXPECT_TRUE(frame.TakeInto(smoothing).complete);
    frame.words[63] = 0x1235;
    EXPECT_FALSE(frame.TakeInto(smoothing).complete);
}

TEST(AnalyserSmoothing, ShortReadChangesNothing) {
    AnalyserSmoothing smoothing;
    const std::vector<uint32_t> words(kAnalyserWords - 1, 0x800000);
    std::array<double, kAnalyserValues> values{};
    values.fill(1.5);
    EXPECT_DOUBLE_EQ(smoothing.Take(words, values).left, kInputFloor);
    EXPECT_EQ(values[0], 1.5);

    // The filters were not fed: a full read still starts from zeros.
    Frame frame;
    frame.words[0] = 0x800000;
    EXPECT_NEAR(frame.TakeInto(smoothing).left, kUnityInput / 4, 1e-9);
}

}  // namespace
}  // namespace kvt
