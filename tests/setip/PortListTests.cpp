// The port list: fixed names first, then the devices present.
#include <gtest/gtest.h>

#include "PortList.h"

namespace kvt::setip {
namespace {

const std::vector<std::string> kFixedNames = {"USB",  "COM1", "COM2", "COM3", "COM4",
                                              "COM5", "COM6", "COM7", "COM8", "COM9"};

TEST(PortList, UsbAndComPortsComeFirstInOrder) {
    EXPECT_EQ(BuildPortList([] { return std::vector<std::string>{}; }), kFixedNames);
}

TEST(PortList, DevicesPresentFollowInTheListersOrder) {
    const std::vector<std::string> devices = {"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0",
                                              "/dev/ttyUSB0", "/dev/ttyACM1"};
    std::vector<std::string> expected = kFixedNames;
    expected.insert(expected.end(), devices.begin(), devices.end());
    EXPECT_EQ(BuildPortList([&] { return devices; }), expected);
}

TEST(PortList, ADeviceListedTwiceAppearsOnce) {
    const auto ports = BuildPortList([] {
        return std::vector<std::string>{"/dev/ttyUSB0", "/dev/ttyUSB0"};
    });
    EXPECT_EQ(ports.size(), kFixedNames.size() + 1);
    EXPECT_EQ(ports.back(), "/dev/ttyUSB0");
}

TEST(PortList, SystemListerGivesFullPathsOfSerialDevicesOnly) {
    for (const std::string& device : ListSerialDevices()) {
        const bool serial = device.starts_with("/dev/serial/by-id/") ||
                            device.starts_with("/dev/ttyUSB") || device.starts_with("/dev/ttyACM");
        EXPECT_TRUE(serial) << device;
    }
}

}  // namespace
}  // namespace kvt::setip
