// Room files: the parser's checks, the log-frequency interpolation, and the analyser hearing the
// file's room in place of the built-in one, still shaped by the unit's settings.
#include <gtest/gtest.h>

#include <cmath>

#include "AnalyserWords.h"
#include "RoomModel.h"
#include "SimTestSupport.h"

namespace kvt::sim::test {
namespace {

constexpr int kCenter = 1;
constexpr int kLeftSurround = 3;

TEST(RoomFile, ParsesLevelsAndPointsPerChannelWithCommentsAndAnyCase) {
    std::string error;
    const auto room = ParseRoomFile(
        "# a test room\n\nc level -2.5\nC 100 6   # a mode\nC 1000 0\nls level -6\nREX 20000 -3\n",
        error);
    ASSERT_TRUE(room) << error;
    const RoomChannel& centre = room->channels[kCenter];
    EXPECT_DOUBLE_EQ(centre.levelDb, -2.5);
    ASSERT_EQ(centre.points.size(), 2u);
    EXPECT_DOUBLE_EQ(room->channels[kLeftSurround].levelDb, -6.0);
    EXPECT_TRUE(room->channels[0].points.empty());
    EXPECT_EQ(room->channels[7].points.size(), 1u);
}

TEST(RoomFile, RefusesMalformedLinesNamingTheLine) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"C 100\n", "line 1"},
        {"C 100 1 2\n", "line 1"},
        {"X 100 1\n", "unknown channel"},
        {"C 100 1\nC 100 2\n", "line 2: a channel's frequencies must rise"},
        {"C 5 1\n", "frequency"},
        {"C 100 nan\n", "level"},
        {"C 100 1e9\n", "level"},
        {"C 1e2x 1\n", "frequency"},
        {"C level 99\n", "level"},
        {std::string(300, '#') + "\n", "256"},
    };
    for (const auto& [text, expected] : cases) {
        std::string error;
        EXPECT_FALSE(ParseRoomFile(text, error)) << text;
        EXPECT_NE(error.find(expected), std::string::npos) << text << " -> " << error;
    }
}

TEST(RoomFile, InterpolatesOnALogFrequencyAxisAndHoldsTheEnds) {
    RoomChannel channel{-1.0, {{100.0, 6.0}, {1000.0, 0.0}}};
    EXPECT_NEAR(RoomChannelDb(channel, 50.0), 5.0, 1e-9);
    EXPECT_NEAR(RoomChannelDb(channel, std::sqrt(100.0 * 1000.0)), 2.0, 1e-9);
    EXPECT_NEAR(RoomChannelDb(channel, 8000.0), -1.0, 1e-9);
    EXPECT_NEAR(RoomChannelDb(RoomChannel{}, 440.0), 0.0, 1e-12);
}

TEST(RoomFile, TheAnalyserHearsTheFileRoomShapedByTheUnitsSettings) {
    UnitState state = FactoryState();
    std::string error;
    const auto room = ParseRoomFile("C level -4\nC 500 0\nC 1000 -10\nC 2000 0\n", error);
    ASSERT_TRUE(room) << error;
    const UnitMemory& memory = state.memory;
    const double flat = ChannelResponseDb(memory, kCenter, 250.0, &*room);
    const double dip = ChannelResponseDb(memory, kCenter, 1000.0, &*room);
    EXPECT_NEAR(dip - flat, -10.0, 0.6);  // the factory EQ is flat; output gain shifts both
    EXPECT_DOUBLE_EQ(RightMicrophoneOffsetDb(kCenter, &*room), 0.0);

    // Pink noise on the centre through the whole analyser path.
    state.memory.Write(3, 12, 0x140);
    state.memory.Write(3, 16, 0x400001);
    state.room = std::make_shared<const RoomDescription>(*room);
    const auto words = AnalyserSnapshot(state);
    auto bandDb = [&](int band) {
        return 20.0 * std::log10(words[static_cast<size_t>(3 + 2 * band)] / 8388608.0) + 6.0;
    };
    EXPECT_NEAR(bandDb(13) - bandDb(19), -10.0, 1.2);  // 1 kHz against 250 Hz
}

// The subwoofer hears its parametric band as the memory words hold it (whole hertz, Q in
// 1/65536, tenths of a dB): a 6 dB cut at 50 Hz, Q 2, takes 6 dB at 50 Hz and little an octave
// away; no other channel hears it, and words beyond the unit's ranges are held to them.
TEST(RoomFile, TheSubwooferHearsItsParametricBand) {
    constexpr int kSubwoofer = 4;
    UnitState state = FactoryState();
    std::string error;
    const auto room = ParseRoomFile("SW 20 0\nC 20 0\n", error);
    ASSERT_TRUE(room) << error;
    UnitMemory& memory = state.memory;
    memory.Write(4, 231, 0);  // the band at 0 dB first
    const double flat50 = ChannelResponseDb(memory, kSubwoofer, 50.0, &*room);
    const double flat100 = ChannelResponseDb(memory, kSubwoofer, 100.0, &*room);
    const double centre50 = ChannelResponseDb(memory, kCenter, 50.0, &*room);
    memory.Write(4, 229, 50);
    memory.Write(4, 230, 2 * 65536);
    memory.Write(4, 231, 0xFFFFC4);  // -6.0 dB
    EXPECT_NEAR(ChannelResponseDb(memory, kSubwoofer, 50.0, &*room) - flat50, -6.0, 1e-9);
    const double octaveAway = ChannelResponseDb(memory, kSubwoofer, 100.0, &*room) - flat100;
    EXPECT_LT(octaveAway, -0.3);
    EXPECT_GT(octaveAway, -2.0);
    EXPECT_DOUBLE_EQ(ChannelResponseDb(memory, kCenter, 50.0, &*room), centre50);
    memory.Write(4, 231, 0xFFFF00);  // -25.6 dB: the unit stops at -11.9
    EXPECT_NEAR(ChannelResponseDb(memory, kSubwoofer, 50.0, &*room) - flat50, -11.9, 1e-9);
}

}  // namespace
}  // namespace kvt::sim::test
