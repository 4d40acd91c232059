// The lines that give a unit its network address, in the order they are sent. Each ends with a
// carriage return; an address goes out as its four decimal octets, most significant first,
// separated by tabs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "NetworkAddress.h"

namespace kvt::setip {

// "ip 192\t168\t1\t20\r" for name "ip".
std::string AddressCommand(std::string_view name, Ipv4Address address);

// "close\r" (leaves any selection, so the unit takes the lines at its top level), "dhcp 0\r",
// then the ip, mask and gateway lines.
std::vector<std::string> SetUpCommands(const NetworkAddresses& addresses);

}  // namespace kvt::setip
