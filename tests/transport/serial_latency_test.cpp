// Low latency for USB serial adapters: what the port asks of the driver and of sysfs when it
// opens a device, what it puts back when it closes, and that a device without either (a
// pseudo-terminal) is used exactly as before.
#include "serial_latency.h"
#include "transport_test_support.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace transport_test;
using kvtcomm::SerialLatency;

constexpr int kOtherFlags = ASYNC_SKIP_TEST | ASYNC_SPD_HI;

// A serial driver and a sysfs in memory, recording every call the port makes.
class FakeAdapter {
  public:
    int flags = kOtherFlags;
    int getError = 0;  // errno of TIOCGSERIAL (ENOTTY: not a serial driver)
    int setError = 0;  // errno of TIOCSSERIAL (EPERM: not allowed)
    std::map<std::string, std::string> attributes;
    std::vector<std::string> writableAttributes;
    std::vector<std::string> calls;

    kvtcomm::SerialLatencyPlatform Platform() {
        return {
            [this](int, unsigned long request, serial_struct& info) {
                if (request == TIOCGSERIAL) {
                    calls.push_back("get");
                    if (getError == 0) {
                        info = {};
                        info.flags = flags;
                    }
                    return getError;
                }
                calls.push_back("set " + std::to_string(info.flags));
                if (setError == 0) {
                    flags = info.flags;
                }
                return setError;
            },
            [this](const std::string& path) -> std::optional<std::string> {
                const auto found = attributes.find(path);
                if (found == attributes.end()) {
                    return std::nullopt;
                }
                return found->second;
            },
            [this](const std::string& path, const std::string& text) {
                calls.push_back("write " + path + " " + text);
                for (const std::string& writable : writableAttributes) {
                    if (writable == path) {
                        attributes[path] = text;
                        return true;
                    }
                }
                return false;
            },
        };
    }
};

const std::string kTimer = "/sys/class/tty/ttyUSB3/device/latency_timer";

TEST(SerialLatency, AnAdapterIsSetToLowLatencyAndPutBackAtClose) {
    FakeAdapter adapter;
    adapter.attributes[kTimer] = "16\n";
    adapter.writableAttributes = {kTimer};
    const auto platform = adapter.Platform();

    const SerialLatency latency = kvtcomm::RequestLowLatency(7, "/dev/ttyUSB3", platform);
    EXPECT_TRUE(latency.lowLatency);
    EXPECT_TRUE(latency.flagSetByPort);
    EXPECT_EQ(adapter.flags, kOtherFlags | ASYNC_LOW_LATENCY);
    EXPECT_EQ(latency.timerMs, 1);
    EXPECT_EQ(latency.timerBeforeMs, 16);
    EXPECT_EQ(adapter.attributes[kTimer], "1");
    EXPECT_EQ(latency.Describe(), "low-latency mode on, adapter latency timer 1 ms (was 16 ms)");

    adapter.calls.clear();
    adapter.flags |= ASYNC_SESSION_LOCKOUT;  // changed by someone else while the port was open
    kvtcomm::RestoreLatency(7, latency, platform);
    EXPECT_EQ(adapter.attributes[kTimer], "16");
    EXPECT_EQ(adapter.flags, kOtherFlags | ASYNC_SESSION_LOCKOUT);
    EXPECT_EQ(adapter.calls, (std::vector<std::string>{"write " + kTimer + " 16", "get",
                                                       "set " + std::to_string(adapter.flags)}));
}

TEST(SerialLatency, WhatIsAlreadyLowIsNeitherChangedNorPutBack) {
    FakeAdapter adapter;
    adapter.flags |= ASYNC_LOW_LATENCY;
    adapter.attributes[kTimer] = "1";
    adapter.writableAttributes = {kTimer};
    const auto platform = adapter.Platform();

    const SerialLatency latency = kvtcomm::RequestLowLatency(7, "/dev/ttyUSB3", platform);
    EXPECT_TRUE(latency.lowLatency);
    EXPECT_FALSE(latency.flagSetByPort);
    EXPECT_EQ(latency.timerMs, 1);
    EXPECT_EQ(latency.timerBeforeMs, -1);
    EXPECT_EQ(latency.Describe(), "low-latency mode on, adapter latency timer 1 ms");
    EXPECT_EQ(adapter.calls, std::vector<std::string>{"get"});

    adapter.calls.clear();
    kvtcomm::RestoreLatency(7, latency, platform);
    EXPECT_TRUE(adapter.calls.empty());
}

TEST(SerialLatency, ADeviceWithoutEitherIsLeftAlone) {
    FakeAdapter adapter;
    adapter.getError = ENOTTY;
    const auto platform = adapter.Platform();

    const SerialLatency latency = kvtcomm::RequestLowLatency(7, "/dev/ttyS0", platform);
    EXPECT_FALSE(latency.lowLatency);
    EXPECT_EQ(latency.timerMs, -1);
    EXPECT_EQ(latency.Describe(), "low-latency mode not supported");
    EXPECT_EQ(adapter.calls, std::vector<std::string>{"get"});

    adapter.calls.clear();
    kvtcomm::RestoreLatency(7, latency, platform);
    EXPECT_TRUE(adapter.calls.empty());
}

TEST(SerialLatency, RefusalsAreReportedAsTheyStand) {
    FakeAdapter adapter;
    adapter.setError = EPERM;
    adapter.attributes[kTimer] = "16";  // readable, not writable (no permission)
    const auto platform = adapter.Platform();

    const SerialLatency latency = kvtcomm::RequestLowLatency(7, "/dev/ttyUSB3", platform);
    EXPECT_FALSE(latency.lowLatency);
    EXPECT_FALSE(latency.flagSetByPort);
    EXPECT_EQ(latency.timerMs, 16);
    EXPECT_EQ(latency.timerBeforeMs, -1);
    EXPECT_EQ(latency.Describe(), "low-latency mode not supported, adapter latency timer 16 ms");

    adapter.calls.clear();
    kvtcomm::RestoreLatency(7, latency, platform);
    EXPECT_TRUE(adapter.calls.empty());
}

TEST(SerialLatency, AnUnreadableTimerIsNotWritten) {
    FakeAdapter adapter;
    adapter.attributes[kTimer] = "fast";
    adapter.writableAttributes = {kTimer};
    const SerialLatency latency = kvtcomm::RequestLowLatency(7, "/dev/ttyUSB3", adapter.Platform());
    EXPECT_TRUE(latency.timerPath.empty());
    EXPECT_EQ(adapter.attributes[kTimer], "fast");
}

TEST(SerialLatency, TheTimerIsFoundBehindAStableName) {
    // /dev/serial/by-id/... names are links to the tty the adapter has today.
    const auto folder =
        std::filesystem::temp_directory_path() / ("kvtcomm-latency-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "serial" / "by-id");
    const auto relative =
        folder / "serial" / "by-id" / "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0";
    std::filesystem::create_symlink("../../ttyUSB3", relative);
    EXPECT_EQ(kvtcomm::LatencyTimerPath(relative.string()), kTimer);
    const auto absolute = folder / "adapter";
    std::filesystem::create_symlink("/dev/ttyUSB3", absolute);
    EXPECT_EQ(kvtcomm::LatencyTimerPath(absolute.string()), kTimer);
    EXPECT_EQ(kvtcomm::LatencyTimerPath("/dev/ttyUSB3"), kTimer);
    std::filesystem::remove_all(folder);
}

TEST(SerialLatency, APseudoTerminalOpensAsBefore) {
    PseudoTerminal unit;
    const auto before = kvtcomm::RequestLowLatency(unit.Master(), unit.SlavePath(),
                                                   kvtcomm::SystemLatencyPlatform());
    EXPECT_FALSE(before.lowLatency);

    ::setenv("KVTCOMM_DEBUG", "1", 1);
    testing::internal::CaptureStderr();
    OpenPort port = Open(unit.SlavePath());
    const std::string debug = testing::internal::GetCapturedStderr();
    ::unsetenv("KVTCOMM_DEBUG");
    ASSERT_TRUE(port) << GetCommOpenErrorText();
    EXPECT_NE(debug.find(": low-latency mode not supported"), std::string::npos) << debug;

    int32_t timer = 0;
    EXPECT_EQ(GetCommLatency(port.get(), &timer), KVTCOMM_LATENCY_NORMAL);
    EXPECT_EQ(timer, -1);
    EXPECT_EQ(GetCommLatency(nullptr, &timer), KVTCOMM_LATENCY_NORMAL);

    // The line works as ever.
    ASSERT_EQ(WriteCommBuf(port.get(), "x\r", 2, 0, nullptr), 0u);
    EXPECT_EQ(unit.Read(2), "x\r");
}

}  // namespace
