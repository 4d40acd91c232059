// IPv4 addresses as the tool handles them: a 32-bit value with the first octet in the top byte,
// dotted text for people, and the mask and gateway a unit's address suggests.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvt::setip {

using Ipv4Address = uint32_t;
using Octets = std::array<uint8_t, 4>;

// Most significant first: 192.168.1.20 is {192, 168, 1, 20}.
Octets ToOctets(Ipv4Address address);
Ipv4Address FromOctets(const Octets& octets);

// Exactly four decimal fields of one to three digits, each 0..255, separated by single dots
// ("010" reads as ten). Anything else, surrounding blanks included, is not an address.
std::optional<Ipv4Address> ParseAddress(std::string_view text);
std::string FormatAddress(Ipv4Address address);

struct NetworkAddresses {
    Ipv4Address ip = 0;
    Ipv4Address mask = 0;
    Ipv4Address gateway = 0;

    bool operator==(const NetworkAddresses&) const = default;
};

struct SuggestedRoute {
    Ipv4Address mask = 0;
    Ipv4Address gateway = 0;

    bool operator==(const SuggestedRoute&) const = default;
};

// The classful mask of the address (255.0.0.0 up to 127.x, 255.255.0.0 up to 191.x,
// 255.255.255.0 up to 223.x, 255.255.255.255 above) and a gateway at .1 of the same address.
// An address whose first octet is 0 suggests nothing.
std::optional<SuggestedRoute> SuggestRoute(Ipv4Address ip);

}  // namespace kvt::setip
