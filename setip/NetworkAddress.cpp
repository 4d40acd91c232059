#include "NetworkAddress.h"

#include <charconv>

namespace kvt::setip {

namespace {

constexpr size_t kMaxOctetDigits = 3;
constexpr unsigned kMaxOctet = 255;

// The first octet's upper bound for each class, with its mask.
struct AddressClass {
    uint8_t highestFirstOctet;
    Ipv4Address mask;
};

constexpr std::array<AddressClass, 4> kAddressClasses = {{
    {127, 0xFF000000},
    {191, 0xFFFF0000},
    {223, 0xFFFFFF00},
    {255, 0xFFFFFFFF},
}};

std::optional<uint8_t> ParseOctet(std::string_view text) {
    if (text.empty() || text.size() > kMaxOctetDigits) {
        return std::nullopt;
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > kMaxOctet) {
        return std::nullopt;
    }
    return static_cast<uint8_t>(value);
}

}  // namespace

Octets ToOctets(Ipv4Address address) {
    return {static_cast<uint8_t>(address >> 24), static_cast<uint8_t>(address >> 16),
            static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address)};
}

Ipv4Address FromOctets(const Octets& octets) {
    return static_cast<Ipv4Address>(octets[0]) << 24 | static_cast<Ipv4Address>(octets[1]) << 16 |
           static_cast<Ipv4Address>(octets[2]) << 8 | octets[3];
}

std::optional<Ipv4Address> ParseAddress(std::string_view text) {
    Octets octets{};
    for (size_t i = 0; i < octets.size(); ++i) {
        const bool last = i + 1 == octets.size();
        const size_t dot = text.find('.');
        if (last != (dot == std::string_view::npos)) {
            return std::nullopt;
        }
        const auto octet = ParseOctet(text.substr(0, dot));
        if (!octet) {
            return std::nullopt;
        }
        octets[i] = *octet;
        text.remove_prefix(last ? text.size() : dot + 1);
    }
    return FromOctets(octets);
}

std::string FormatAddress(Ipv4Address address) {
    const Octets octets = ToOctets(address);
    return std::to_string(octets[0]) + '.' + std::to_string(octets[1]) + '.' +
           std::to_string(octets[2]) + '.' + std::to_string(octets[3]);
}

std::optional<SuggestedRoute> SuggestRoute(Ipv4Address ip) {
    const uint8_t first = ToOctets(ip)[0];
    if (first == 0) {
        return std::nullopt;
    }
    SuggestedRoute route;
    for (const AddressClass& addressClass : kAddressClasses) {
        if (first <= addressClass.highestFirstOctet) {
            route.mask = addressClass.mask;
            break;
        }
    }
    route.gateway = (ip & 0xFFFFFF00) | 1;
    return route;
}

}  // namespace kvt::setip
