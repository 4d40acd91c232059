#include "PortList.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace kvt::setip {

namespace {

constexpr int kComPorts = 9;

// Names in a directory, or nothing when it does not exist (no USB adapter was ever plugged in).
std::vector<std::string> EntryNames(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    return names;
}

// /dev/<prefix><n>, lowest number first; names with anything but digits after the prefix are
// not serial devices of that kind.
std::vector<std::string> NumberedDevices(const std::vector<std::string>& devNames,
                                         std::string_view prefix) {
    std::vector<std::pair<unsigned, std::string>> numbered;
    for (const std::string& name : devNames) {
        if (!name.starts_with(prefix) || name.size() == prefix.size()) {
            continue;
        }
        unsigned number = 0;
        const char* first = name.data() + prefix.size();
        const char* last = name.data() + name.size();
        const auto [end, error] = std::from_chars(first, last, number);
        if (error == std::errc() && end == last) {
            numbered.emplace_back(number, "/dev/" + name);
        }
    }
    std::sort(numbered.begin(), numbered.end());
    std::vector<std::string> paths;
    for (auto& [number, path] : numbered) {
        paths.push_back(std::move(path));
    }
    return paths;
}

}  // namespace

std::vector<std::string> ListSerialDevices() {
    std::vector<std::string> byId = EntryNames("/dev/serial/by-id");
    std::sort(byId.begin(), byId.end());
    std::vector<std::string> devices;
    for (const std::string& name : byId) {
        devices.push_back("/dev/serial/by-id/" + name);
    }
    const std::vector<std::string> devNames = EntryNames("/dev");
    for (std::string_view prefix : {"ttyUSB", "ttyACM"}) {
        const std::vector<std::string> numbered = NumberedDevices(devNames, prefix);
        devices.insert(devices.end(), numbered.begin(), numbered.end());
    }
    return devices;
}

std::vector<std::string> BuildPortList(const SerialDeviceLister& listDevices) {
    std::vector<std::string> ports{"USB"};
    for (int i = 1; i <= kComPorts; ++i) {
        ports.push_back("COM" + std::to_string(i));
    }
    for (std::string& device : listDevices()) {
        if (std::find(ports.begin(), ports.end(), device) == ports.end()) {
            ports.push_back(std::move(device));
        }
    }
    return ports;
}

}  // namespace kvt::setip
