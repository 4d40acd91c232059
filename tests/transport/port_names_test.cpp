#include "port_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kvtcomm::DevicePort;
using kvtcomm::MapPortName;
using kvtcomm::PortNameError;
using kvtcomm::PortTarget;
using kvtcomm::TcpPort;

std::vector<std::string> NoDevices() {
    return {};
}

std::string DevicePath(const PortTarget& target) {
    const auto* device = std::get_if<DevicePort>(&target);
    return device != nullptr ? device->path : "<not a device>";
}

std::string ErrorText(const PortTarget& target) {
    const auto* error = std::get_if<PortNameError>(&target);
    return error != nullptr ? error->text : "";
}

struct DeviceCase {
    const char* name;
    const char* path;
};

class DeviceNames : public testing::TestWithParam<DeviceCase> {};

TEST_P(DeviceNames, MapToTheirDevicePath) {
    EXPECT_EQ(DevicePath(MapPortName(GetParam().name, NoDevices)), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    PortNames, DeviceNames,
    testing::Values(DeviceCase{"COM1", "/dev/ttyS0"}, DeviceCase{"COM1:", "/dev/ttyS0"},
                    DeviceCase{"com2:", "/dev/ttyS1"}, DeviceCase{"COM9", "/dev/ttyS8"},
                    DeviceCase{"COM9:", "/dev/ttyS8"}, DeviceCase{"COM10", "/dev/ttyS9"},
                    DeviceCase{"COM12:", "/dev/ttyS11"}, DeviceCase{"/dev/ttyUSB3", "/dev/ttyUSB3"},
                    DeviceCase{"/dev/pts/7", "/dev/pts/7"},
                    DeviceCase{"/dev/serial/by-id/usb-FTDI_x-if00-port0",
                               "/dev/serial/by-id/usb-FTDI_x-if00-port0"}));

struct TcpCase {
    const char* name;
    const char* host;
    std::uint16_t port;
};

class TcpNames : public testing::TestWithParam<TcpCase> {};

TEST_P(TcpNames, MapToHostAndPort) {
    const PortTarget target = MapPortName(GetParam().name, NoDevices);
    const auto* tcp = std::get_if<TcpPort>(&target);
    ASSERT_NE(tcp, nullptr) << ErrorText(target);
    EXPECT_EQ(tcp->host, GetParam().host);
    EXPECT_EQ(tcp->port, GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(PortNames, TcpNames,
                         testing::Values(TcpCase{"192.168.1.20:4001", "192.168.1.20", 4001},
                                         TcpCase{"kvt80.local:23", "kvt80.local", 23},
                                         TcpCase{"tcp:192.168.1.20", "192.168.1.20", 10001},
                                         TcpCase{"TCP:unit-3:9000", "unit-3", 9000},
                                         TcpCase{"tcp:[::1]:10002", "::1", 10002},
                                         TcpCase{"tcp:[fe80::1%eth0]", "fe80::1%eth0", 10001},
                                         TcpCase{"[::1]:5000", "::1", 5000}));

class RefusedNames : public testing::TestWithParam<const char*> {};

TEST_P(RefusedNames, GiveAnErrorText) {
    const PortTarget target = MapPortName(GetParam(), NoDevices);
    EXPECT_FALSE(ErrorText(target).empty()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(PortNames, RefusedNames,
                         testing::Values("", "COM", "COM0", "COM01", "COM1::", "COM-1", "COM999",
                                         "LPT1", "ttyUSB0", "dev/ttyS0", "host:", "host:0",
                                         "host:65536", "host:12ab", ":4000",
                                         "tcp:", "tcp:host:", "tcp::1", "tcp:[::1", "tcp:[::1]x",
                                         "two words:80", "::1:4000"));

TEST(PortNames, UnknownNameListsTheAcceptedNames) {
    const std::string text = ErrorText(MapPortName("LPT1", NoDevices));
    EXPECT_NE(text.find("LPT1"), std::string::npos);
    EXPECT_NE(text.find("COM1"), std::string::npos);
    EXPECT_NE(text.find("USB"), std::string::npos);
    EXPECT_NE(text.find("/dev/"), std::string::npos);
    EXPECT_NE(text.find("tcp:host"), std::string::npos);
}

TEST(PortNames, NameOfMaximumLengthIsAccepted) {
    const std::string name = "/" + std::string(254, 'a');
    EXPECT_EQ(DevicePath(MapPortName(name, NoDevices)), name);
}

TEST(PortNames, LongerNameIsRefused) {
    const std::string name = "/" + std::string(299, 'a');
    const std::string text = ErrorText(MapPortName(name, NoDevices));
    EXPECT_NE(text.find("too long"), std::string::npos) << text;
    EXPECT_LT(text.size(), 200u) << "the message shows the name shortened";
}

TEST(PortNames, UsbIsTheLowestNumberedUsbAdapter) {
    auto devices = [] {
        return std::vector<std::string>{"ttyACM0", "ttyUSB10", "tty", "ttyUSB2", "ttyUSBx"};
    };
    EXPECT_EQ(DevicePath(MapPortName("USB", devices)), "/dev/ttyUSB2");
    EXPECT_EQ(DevicePath(MapPortName("usb:", devices)), "/dev/ttyUSB2");
}

TEST(PortNames, UsbFallsBackToAcmDevices) {
    auto devices = [] { return std::vector<std::string>{"ttyS0", "ttyACM11", "ttyACM3"}; };
    EXPECT_EQ(DevicePath(MapPortName("USB:", devices)), "/dev/ttyACM3");
}

TEST(PortNames, UsbWithoutAdapterSaysNoneWasFound) {
    auto devices = [] { return std::vector<std::string>{"ttyS0", "null"}; };
    const std::string text = ErrorText(MapPortName("USB", devices));
    EXPECT_NE(text.find("No USB serial adapter"), std::string::npos) << text;
}

TEST(PortNames, DevicesAreListedOnlyForUsb) {
    int listed = 0;
    auto devices = [&listed] {
        ++listed;
        return std::vector<std::string>{};
    };
    MapPortName("COM1:", devices);
    MapPortName("/dev/pts/1", devices);
    MapPortName("host:1", devices);
    EXPECT_EQ(listed, 0);
}

TEST(PortNames, MessagesEscapeUnprintableBytes) {
    EXPECT_EQ(kvtcomm::PrintableName("a\x01\xff"), "a\\x01\\xff");
    const std::string text = ErrorText(MapPortName("bad\nname", NoDevices));
    EXPECT_EQ(text.find('\n'), std::string::npos) << text;
    EXPECT_NE(text.find("bad\\x0aname"), std::string::npos) << text;
}

}  // namespace
