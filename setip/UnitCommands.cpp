#include "UnitCommands.h"

namespace kvt::setip {

std::string AddressCommand(std::string_view name, Ipv4Address address) {
    std::string line(name);
    char separator = ' ';
    for (const uint8_t octet : ToOctets(address)) {
        line += separator;
        line += std::to_string(octet);
        separator = '\t';
    }
    return line + '\r';
}

std::vector<std::string> SetUpCommands(const NetworkAddresses& addresses) {
    return {
        "close\r",
        "dhcp 0\r",
        AddressCommand("ip", addresses.ip),
        AddressCommand("mask", addresses.mask),
        AddressCommand("gateway", addresses.gateway),
    };
}

}  // namespace kvt::setip
