#include "transport_test_support.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <thread>

namespace {

using namespace transport_test;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

struct LineCase {
    std::uint32_t bitRate;
    speed_t speed;
    std::uint8_t parity;
    std::uint8_t stopBits;
};

class LineSetup : public testing::TestWithParam<LineCase> {};

// A pseudo-terminal keeps the speed, stop bits and parity options it is given but always
// reports 8 data bits and no parity generation (PARENB), so those two are checked on the
// composed settings in line_settings_test instead.
TEST_P(LineSetup, IsAppliedToTheDevice) {
    const LineCase& line = GetParam();
    PseudoTerminal unit;
    const int observer = ::open(unit.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(observer, 0);

    KVTCommSettings settings = SettingsFor(unit.SlavePath(), line.bitRate);
    settings.parity = line.parity;
    settings.stopBits = line.stopBits;
    std::uint32_t error = 99;
    OpenPort port(OpenComm(settings, nullptr, nullptr, &error));
    ASSERT_TRUE(port) << GetCommOpenErrorText();
    EXPECT_EQ(error, KVTCOMM_OK);

    termios tio{};
    ASSERT_EQ(::tcgetattr(observer, &tio), 0);
    EXPECT_EQ(cfgetospeed(&tio), line.speed);
    EXPECT_EQ(cfgetispeed(&tio), line.speed);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ((tio.c_cflag & CSTOPB) != 0, line.stopBits != 0);
    EXPECT_EQ((tio.c_cflag & PARODD) != 0, line.parity == 1 || line.parity == 3);
    EXPECT_EQ((tio.c_cflag & CMSPAR) != 0, line.parity == 3 || line.parity == 4);
    EXPECT_EQ((tio.c_iflag & INPCK) != 0, line.parity != 0);
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG | IEXTEN), 0u);
    ::close(observer);
}

INSTANTIATE_TEST_SUITE_P(OpeningPorts, LineSetup,
                         testing::Values(LineCase{38400, B38400, 0, 0}, LineCase{9600, B9600, 2, 0},
                                         LineCase{115200, B115200, 1, 2},
                                         LineCase{1200, B1200, 3, 1}, LineCase{57600, B57600, 4, 0},
                                         LineCase{4000000, B4000000, 0, 0}));

TEST(OpeningPorts, UnsupportedBitRateIsRefused) {
    PseudoTerminal unit;
    std::uint32_t error = 0;
    KVTCommHandle port = OpenComm(SettingsFor(unit.SlavePath(), 12345), nullptr, nullptr, &error);
    EXPECT_EQ(port, nullptr);
    EXPECT_EQ(error, KVTCOMM_ERROR_OPEN);
    const std::string text = GetCommOpenErrorText();
    EXPECT_TRUE(Contains(text, "12345")) << text;
    EXPECT_TRUE(Contains(text, unit.SlavePath())) << text;

    OpenPort retry = Open(unit.SlavePath());
    EXPECT_TRUE(retry) << "the refused open left the port free: " << GetCommOpenErrorText();
}

TEST(OpeningPorts, SecondOpenOfTheSamePortSaysItIsInUse) {
    PseudoTerminal unit;
    OpenPort first = Open(unit.SlavePath());
    ASSERT_TRUE(first) << GetCommOpenErrorText();

    std::uint32_t error = 0;
    OpenPort second = Open(unit.SlavePath(), nullptr, nullptr, &error);
    EXPECT_FALSE(second);
    EXPECT_EQ(error, KVTCOMM_ERROR_OPEN);
    const std::string text = GetCommOpenErrorText();
    EXPECT_TRUE(Contains(text, unit.SlavePath())) << text;
    EXPECT_TRUE(Contains(text, "in use")) << text;

    first.reset();
    OpenPort again = Open(unit.SlavePath(), nullptr, nullptr, &error);
    EXPECT_TRUE(again) << GetCommOpenErrorText();
    EXPECT_EQ(error, KVTCOMM_OK);
}

// The simulator keeps its pseudo-terminal open for its lifetime, so a driver-level exclusive mode
// would outlive a client that died without closing; the advisory lock goes with the process.
TEST(OpeningPorts, PseudoTerminalIsClaimedOnlyWhileAClientHoldsIt) {
    PseudoTerminal unit;
    // Like the simulator, keep one descriptor of the slave open throughout.
    const int keeper = ::open(unit.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(keeper, 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        OpenPort port = Open(unit.SlavePath());
        ::_exit(port ? 0 : 1);  // dies holding the port, without CloseComm
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);

    int exclusive = 1;
    const int observer = ::open(unit.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(observer, 0);
    ASSERT_EQ(::ioctl(observer, TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    ::close(observer);
    OpenPort again = Open(unit.SlavePath());
    EXPECT_TRUE(again) << GetCommOpenErrorText();
    ::close(keeper);
}

TEST(OpeningPorts, MissingDeviceFailsWithItsPath) {
    std::uint32_t error = 0;
    OpenPort port = Open("/dev/kvt80-no-such-port", nullptr, nullptr, &error);
    EXPECT_FALSE(port);
    EXPECT_EQ(error, KVTCOMM_ERROR_OPEN);
    const std::string text = GetCommOpenErrorText();
    EXPECT_TRUE(Contains(text, "/dev/kvt80-no-such-port")) << text;
    EXPECT_TRUE(Contains(text, "no such device")) << text;
}

TEST(OpeningPorts, FileThatIsNoTerminalIsRefused) {
    char path[] = "/tmp/kvtcomm-plain-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    std::uint32_t error = 0;
    OpenPort port = Open(path, nullptr, nullptr, &error);
    ::unlink(path);
    EXPECT_FALSE(port);
    EXPECT_EQ(error, KVTCOMM_ERROR_OPEN);
    EXPECT_TRUE(Contains(GetCommOpenErrorText(), "not a serial device")) << GetCommOpenErrorText();
}

TEST(OpeningPorts, NameFillingTheWholeFieldIsRefusedAsTooLong) {
    // A 300-byte name cannot be stored; the field is filled to its end with no terminating zero.
    KVTCommSettings settings = SettingsFor("");
    settings.portName[0] = '/';
    std::memset(settings.portName + 1, 'a', sizeof settings.portName - 1);
    std::uint32_t error = 0;
    EXPECT_EQ(OpenComm(settings, nullptr, nullptr, &error), nullptr);
    EXPECT_EQ(error, KVTCOMM_ERROR_OPEN);
    EXPECT_TRUE(Contains(GetCommOpenErrorText(), "too long")) << GetCommOpenErrorText();
}

TEST(OpeningPorts, NameOf255BytesIsTriedAsAPath) {
    const std::string name = "/dev/" + std::string(250, 'n');
    std::uint32_t error = 0;
    OpenPort port = Open(name, nullptr, nullptr, &error);
    EXPECT_FALSE(port);
    EXPECT_EQ(error, KVTCOMM_ERROR_OPEN);
    EXPECT_FALSE(Contains(GetCommOpenErrorText(), "too long")) << GetCommOpenErrorText();
}

TEST(OpeningPorts, UnknownNameSaysWhichNamesAreAccepted) {
    std::uint32_t error = 0;
    OpenPort port = Open("PRN", nullptr, nullptr, &error);
    EXPECT_FALSE(port);
    EXPECT_EQ(error, KVTCOMM_ERROR_OPEN);
    const std::string text = GetCommOpenErrorText();
    EXPECT_TRUE(Contains(text, "PRN")) << text;
    EXPECT_TRUE(Contains(text, "COM1")) << text;
    EXPECT_TRUE(Contains(text, "tcp:host")) << text;
}

TEST(OpeningPorts, ErrorTextIsEmptyAfterASuccessfulOpen) {
    OpenPort failed = Open("/dev/kvt80-no-such-port");
    ASSERT_FALSE(failed);
    ASSERT_STRNE(GetCommOpenErrorText(), "");

    PseudoTerminal unit;
    std::uint32_t error = 99;
    OpenPort port = Open(unit.SlavePath(), nullptr, nullptr, &error);
    ASSERT_TRUE(port);
    EXPECT_EQ(error, KVTCOMM_OK);
    EXPECT_STREQ(GetCommOpenErrorText(), "");
}

TEST(OpeningPorts, ErrorTextBelongsToTheThreadThatOpened) {
    OpenPort failed = Open("/dev/kvt80-no-such-port");
    ASSERT_FALSE(failed);
    std::string otherThreadText = "unset";
    std::thread other([&] { otherThreadText = GetCommOpenErrorText(); });
    other.join();
    EXPECT_EQ(otherThreadText, "");
    EXPECT_STRNE(GetCommOpenErrorText(), "");
}

TEST(OpeningPorts, ComNamesOpenTheirSerialDevice) {
    std::uint32_t error = 0;
    OpenPort port = Open("COM9:", nullptr, nullptr, &error);
    if (port) {
        GTEST_SKIP() << "this machine has a /dev/ttyS8 that opened";
    }
    EXPECT_EQ(error, KVTCOMM_ERROR_OPEN);
    EXPECT_TRUE(Contains(GetCommOpenErrorText(), "/dev/ttyS8")) << GetCommOpenErrorText();
}

}  // namespace
