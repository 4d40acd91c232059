// The entries of the tool's port list: the names every installation knows, then the serial
// devices actually present.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kvt::setip {

// Full paths of the serial devices present, in the order they should be listed.
using SerialDeviceLister = std::function<std::vector<std::string>()>;

// /dev/serial/by-id/* by name, then /dev/ttyUSB* and /dev/ttyACM* by number.
std::vector<std::string> ListSerialDevices();

// "USB", "COM1" ... "COM9", then the listed devices (each once).
std::vector<std::string> BuildPortList(const SerialDeviceLister& listDevices = ListSerialDevices);

}  // namespace kvt::setip
