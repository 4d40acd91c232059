#include "line_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using kvtcomm::ComposeLineSettings;
using kvtcomm::SpeedForBitRate;

KVTCommSettings Record(std::uint32_t bitRate, std::uint8_t dataBits, std::uint8_t parity,
                       std::uint8_t stopBits) {
    KVTCommSettings settings{};
    std::strcpy(settings.portName, "/dev/ttyS0");
    settings.bitRate = bitRate;
    settings.dataBits = dataBits;
    settings.parity = parity;
    settings.stopBits = stopBits;
    return settings;
}

// Starts from a cooked terminal so that every raw-mode change is visible.
termios CookedTerminal() {
    termios tio{};
    tio.c_iflag = ICRNL | IXON | IXOFF | BRKINT | ISTRIP;
    tio.c_oflag = OPOST | ONLCR;
    tio.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
    tio.c_cflag = CS7 | PARENB | CRTSCTS | HUPCL;
    return tio;
}

TEST(LineSettings, StandardRatesHaveTheirSpeedConstants) {
    EXPECT_EQ(SpeedForBitRate(1200), B1200);
    EXPECT_EQ(SpeedForBitRate(9600), B9600);
    EXPECT_EQ(SpeedForBitRate(38400), B38400);
    EXPECT_EQ(SpeedForBitRate(115200), B115200);
    EXPECT_EQ(SpeedForBitRate(50), B50);
    EXPECT_EQ(SpeedForBitRate(4000000), B4000000);
    EXPECT_FALSE(SpeedForBitRate(0).has_value());
    EXPECT_FALSE(SpeedForBitRate(12345).has_value());
}

TEST(LineSettings, DefaultRecordGivesRaw8N1WithoutFlowControl) {
    termios tio = CookedTerminal();
    ASSERT_FALSE(ComposeLineSettings(Record(38400, 8, 0, 0), tio).has_value());
    EXPECT_EQ(cfgetispeed(&tio), B38400);
    EXPECT_EQ(cfgetospeed(&tio), B38400);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY | ICRNL | ISTRIP | INPCK), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
}

struct ParityCase {
    std::uint8_t parity;
    tcflag_t flags;
};

class ParitySettings : public testing::TestWithParam<ParityCase> {};

TEST_P(ParitySettings, SetParityFlagsAndInputChecking) {
    termios tio = CookedTerminal();
    ASSERT_FALSE(ComposeLineSettings(Record(9600, 8, GetParam().parity, 0), tio).has_value());
    EXPECT_EQ(tio.c_cflag & (PARENB | PARODD | CMSPAR), GetParam().flags);
    EXPECT_EQ((tio.c_iflag & INPCK) != 0, GetParam().parity != 0);
}

INSTANTIATE_TEST_SUITE_P(LineSettings, ParitySettings,
                         testing::Values(ParityCase{0, 0}, ParityCase{1, PARENB | PARODD},
                                         ParityCase{2, PARENB},
                                         ParityCase{3, PARENB | PARODD | CMSPAR},
                                         ParityCase{4, PARENB | CMSPAR}));

TEST(LineSettings, CharacterSizeFollowsDataBits) {
    const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    for (std::uint8_t bits = 5; bits <= 8; ++bits) {
        termios tio = CookedTerminal();
        ASSERT_FALSE(ComposeLineSettings(Record(9600, bits, 0, 0), tio).has_value());
        EXPECT_EQ(tio.c_cflag & CSIZE, sizes[bits - 5]) << int{bits};
    }
}

TEST(LineSettings, OneAndAHalfAndTwoStopBitsBothSetTwo) {
    for (std::uint8_t stop : {1, 2}) {
        termios tio = CookedTerminal();
        ASSERT_FALSE(ComposeLineSettings(Record(9600, 8, 0, stop), tio).has_value());
        EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
    }
}

TEST(LineSettings, UnsupportedValuesAreRefusedWithAReason) {
    struct Refused {
        KVTCommSettings record;
        const char* mentions;
    };
    const Refused cases[] = {
        {Record(12345, 8, 0, 0), "12345"},    {Record(0, 8, 0, 0), "bit rate"},
        {Record(9600, 4, 0, 0), "data bits"}, {Record(9600, 9, 0, 0), "data bits"},
        {Record(9600, 8, 5, 0), "parity"},    {Record(9600, 8, 0, 3), "stop bits"}};
    for (const Refused& refused : cases) {
        termios tio = CookedTerminal();
        const auto problem = ComposeLineSettings(refused.record, tio);
        ASSERT_TRUE(problem.has_value());
        EXPECT_NE(problem->find(refused.mentions), std::string::npos) << *problem;
    }
}

}  // namespace
