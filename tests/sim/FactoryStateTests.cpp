// The state a simulated unit is delivered in: the format table, the profile and processor words
// that read back as an in-range configuration.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "SimTestSupport.h"

namespace kvt::sim::test {
namespace {

constexpr uint32_t kRecordBase = 29;
constexpr uint32_t kRecordSize = 33;

std::vector<uint32_t> EepromBytes(const UnitMemory& memory, uint32_t address, uint32_t count) {
    std::vector<uint32_t> bytes;
    for (uint32_t i = 0; i < count; ++i) {
        bytes.push_back(memory.Read(0, address + i));
    }
    return bytes;
}

// A record as it should lie in the EEPROM, built field by field.
std::vector<uint32_t> Record(std::string code, std::string name, uint16_t flags) {
    std::vector<uint32_t> bytes(kRecordSize, 0);
    for (size_t i = 0; i < code.size(); ++i) {
        bytes[i] = static_cast<unsigned char>(code[i]);
    }
    for (size_t i = 0; i < name.size(); ++i) {
        bytes[3 + i] = static_cast<unsigned char>(name[i]);
    }
    bytes[30] = flags & 0xFFu;
    bytes[31] = flags >> 8;
    return bytes;
}

int32_t Signed24(uint32_t word) {
    return (word & 0x800000u) ? static_cast<int32_t>(word) - 0x1000000 : static_cast<int32_t>(word);
}

struct ChannelPlace {
    int block;
    uint32_t region;
    uint32_t outputGain;
};

constexpr std::array<ChannelPlace, 8> kChannels{{
    {4, 0, 1012},
    {4, 128, 1014},
    {4, 64, 1013},
    {5, 0, 1016},
    {4, 192, 1015},
    {5, 64, 1017},
    {5, 128, 1018},
    {5, 192, 1019},
}};

TEST(FactoryFormatTable, CountButtonsAndPowerOnEntry) {
    const UnitMemory memory = FactoryMemory();
    EXPECT_EQ(memory.Read(0, 28), 16u);
    EXPECT_EQ(EepromBytes(memory, 20, 8), (std::vector<uint32_t>{0, 1, 2, 3, 8, 4, 5, 6}));
    // Power-on format 2 is stored as the first button that holds it.
    EXPECT_EQ(memory.Read(0, 19), 2u);
    EXPECT_EQ(memory.Read(0, 20 + memory.Read(0, 19)), 2u);
}

TEST(FactoryFormatTable, DigitalBRecordByteByByte) {
    const UnitMemory memory = FactoryMemory();
    const std::vector<uint32_t> expected = {
        '8',  '0',  0,                                              // code
        'D',  'i',  'g', 'i', 't', 'a', 'l', ' ', 'B', 0, 0, 0, 0,  // text 1
        0,    0,    0,   0,   0,   0,   0,   0,   0,   0, 0, 0, 0,  // text 2
        0,                                                          // reserved
        0x20, 0x44,                                                 // flags 0x4420
        0,                                                          // fader level
    };
    EXPECT_EQ(EepromBytes(memory, kRecordBase + kRecordSize * 8, kRecordSize), expected);
}

TEST(FactoryFormatTable, RecordsMatchTheFactoryTable) {
    const UnitMemory memory = FactoryMemory();
    const auto at = [&](uint32_t format) {
        return EepromBytes(memory, kRecordBase + kRecordSize * format, kRecordSize);
    };
    EXPECT_EQ(at(0), Record("01", "Mono", 0x00C3));
    EXPECT_EQ(at(1), Record("04", "Stereo", 0x0143));
    EXPECT_EQ(at(2), Record("05", "Stereo SR", 0x0243));
    EXPECT_EQ(at(3), Record("87", "Digital A", 0x0420));
    EXPECT_EQ(at(4), Record("60", "Non-Sync", 0x0010));
    EXPECT_EQ(at(5), Record("61", "Aux", 0x0004));
    EXPECT_EQ(at(6), Record("64", "Mic Center", 0x0008));
    EXPECT_EQ(at(7), Record("U1", "User Defined", 0));
    for (uint32_t format = 9; format < 16; ++format) {
        const std::string code = "U" + std::to_string(format - 7);
        EXPECT_EQ(at(format), Record(code, "User Defined", 0)) << format;
    }
}

TEST(FactoryFormatTable, ReadsOverTheLineAsTheEngineAsksForIt) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "rdeep 00 001C"), "rdeep 00 001C\r\n10\r\n>");
    // Format 2 at 29 + 66 = 0x5F; the count field 0x20 returns 33 bytes.
    EXPECT_EQ(Ask(unit, "rdeep 20 005F"),
              "rdeep 20 005F\r\n30\t35\t00\t53\t74\t65\t72\t65\t6F\t20\t53\t52\t00\t00\t00\t00"
              "\t00\t00\t00\t00\t00\t00\t00\t00\t00\t00\t00\t00\t00\t00\t43\t02\t00\r\n>");
}

TEST(FactoryProfile, TextsAreUtf16LowByteFirstAndTerminated) {
    const UnitMemory memory = FactoryMemory();
    const std::string serial = "SIM-000001";
    for (uint32_t i = 0; i < serial.size(); ++i) {
        EXPECT_EQ(memory.Read(0, 559 + 2 * i), static_cast<uint32_t>(serial[i]));
        EXPECT_EQ(memory.Read(0, 560 + 2 * i), 0u);
    }
    // Every field ends in a terminator inside the field.
    const std::pair<uint32_t, uint32_t> fields[] = {{559, 16}, {591, 16}, {623, 16},
                                                    {655, 32}, {719, 32}, {783, 4},
                                                    {791, 32}, {855, 32}, {919, 127}};
    for (const auto& [address, units] : fields) {
        const uint32_t last = address + 2 * (units - 1);
        EXPECT_EQ(memory.Read(0, last), 0u) << address;
        EXPECT_EQ(memory.Read(0, last + 1), 0u) << address;
        EXPECT_NE(memory.Read(0, address), 0u) << "field at " << address << " is empty";
    }
    EXPECT_LE(memory.Read(0, 557), 8u);
}

TEST(FactoryWords, ReadOverTheLineInTheirEncoding) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 93");
    EXPECT_EQ(Ask(unit, "rdval 00 008"), "rdval 00 008\r\nFFF4C0\r\n93>");  // 20 ms x -144
    EXPECT_EQ(Ask(unit, "rdval 00 006"), "rdval 00 006\r\nFFFF9C\r\n93>");  // 0 dB - 100
    EXPECT_EQ(Ask(unit, "rdval 00 000"), "rdval 00 000\r\nFFFFC4\r\n93>");  // -6.0 dB
    Ask(unit, "open 91");
    EXPECT_EQ(Ask(unit, "rdval 00 004"), "rdval 00 004\r\nFFFFEC\r\n91>");  // -2.0 dB
    Ask(unit, "open 61");
    EXPECT_EQ(Ask(unit, "rdval 00 023"), "rdval 00 023\r\n0025CA\r\n61>");  // 11594 - 48 x 40
    EXPECT_EQ(Ask(unit, "rdval 00 103"), "rdval 00 103\r\nDA9D00\r\n61>");  // headroom 1
    Ask(unit, "open 62");
    EXPECT_EQ(Ask(unit, "rdval 00 106"), "rdval 00 106\r\n001000\r\n62>");
    Ask(unit, "open 6B");
    EXPECT_EQ(Ask(unit, "rdx 00 3F4"), "rdx 00 3F4\r\nFFFFF1\r\n6B>");  // -1.5 dB
}

TEST(FactoryWords, DecodeInsideTheAcceptedRanges) {
    const UnitMemory memory = FactoryMemory();
    const auto tenths = [&](int block, uint32_t address) {
        return Signed24(memory.Read(block, address));
    };
    for (const auto& channel : kChannels) {
        for (uint32_t band = 0; band < 27; ++band) {
            const int value = tenths(channel.block, channel.region + 30 - band);
            EXPECT_GE(value, -60);
            EXPECT_LE(value, 60);
        }
        EXPECT_LE(std::abs(tenths(channel.block, channel.region + 32)), 60);
        EXPECT_LE(std::abs(tenths(channel.block, channel.region + 33)), 60);
        EXPECT_EQ(memory.Read(channel.block, channel.region), 0u);  // neither muted nor inverted
        const int gain = tenths(6, channel.outputGain);
        EXPECT_GE(gain, -220);
        EXPECT_LE(gain, 80);
    }
    const auto delayOf = [&](int block, uint32_t region) {
        return (11594 - static_cast<int>(memory.Read(block, region + 35))) / 48;
    };
    const int input = delayOf(4, 0);
    EXPECT_GE(input, 32);
    EXPECT_LE(input, 140);
    for (const uint32_t region : {64u, 128u, 192u}) {
        EXPECT_EQ(delayOf(4, region), input);
    }
    const int surround = delayOf(5, 0) - input;
    EXPECT_GE(surround, 0);
    EXPECT_LE(surround, 100);
    // A 7.1 input configuration carries the surround delay in all four regions of block 5.
    EXPECT_EQ(memory.Read(5, 262), 0x1000u);
    for (const uint32_t region : {64u, 128u, 192u}) {
        EXPECT_EQ(delayOf(5, region), input + surround);
    }
    EXPECT_EQ(Signed24(memory.Read(3, 8)) % -144, 0);
    const int delay = Signed24(memory.Read(3, 8)) / -144;
    EXPECT_GE(delay, 10);
    EXPECT_LE(delay, 220);
    EXPECT_EQ(memory.Read(3, 2), memory.Read(3, 4));
    const uint32_t crossover = memory.Read(3, 10) * 10 + 50;
    EXPECT_GE(crossover, 50u);
    EXPECT_LE(crossover, 80u);
    EXPECT_GE(memory.Read(4, 229), 20u);
    EXPECT_LE(memory.Read(4, 229), 120u);
    const double q = memory.Read(4, 230) / 65536.0;
    EXPECT_GE(q, 0.5);
    EXPECT_LE(q, 10.0);
    EXPECT_GE(tenths(4, 231), -119);
    EXPECT_LE(tenths(4, 231), 0);
    for (const int block : {1, 2}) {
        for (const uint32_t address : {2u, 3u, 4u, 5u}) {
            EXPECT_GE(tenths(block, address), -239);
            EXPECT_LE(tenths(block, address), 119);
        }
        for (const uint32_t address : {7u, 9u}) {
            const double kHz = memory.Read(block, address) / 8388608.0 * 32;
            EXPECT_GE(kHz, 10.0);
            EXPECT_LE(kHz, 32.0);
        }
    }
}

}  // namespace
}  // namespace kvt::sim::test
