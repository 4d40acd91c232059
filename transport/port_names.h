// Maps the port names that clients store (Windows-style "COM1:", "USB", a device path or a TCP
// address) onto what this system opens.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace kvtcomm {

struct DevicePort {
    std::string path;
};

struct TcpPort {
    std::string host;
    std::uint16_t port = 0;
};

struct PortNameError {
    std::string text;
};

using PortTarget = std::variant<DevicePort, TcpPort, PortNameError>;

// Names of the entries in /dev; asked for only when the name is "USB".
using DeviceLister = std::function<std::vector<std::string>()>;

PortTarget MapPortName(std::string_view name, const DeviceLister& listDevices);

// The name as it may appear in a message: control and non-ASCII bytes escaped, long names cut.
std::string PrintableName(std::string_view name);

}  // namespace kvtcomm
