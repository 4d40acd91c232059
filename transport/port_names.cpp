#include "port_names.h"

#include "kvtcomm.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace kvtcomm {
namespace {

constexpr unsigned kHighestComNumber = 256;
constexpr std::size_t kShownNameMax = 80;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return Lower(a) == Lower(b); });
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits only, no sign, no leading zero, at most maxDigits long.
std::optional<unsigned> ParseNumber(std::string_view text, std::size_t maxDigits) {
    if (!AllDigits(text) || text.size() > maxDigits || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    unsigned value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string AcceptedNames() {
    return "Accepted names: COM1 to COM9 (with or without ':'), USB (the first USB serial "
           "adapter), an absolute device path such as /dev/ttyUSB0, /dev/serial/by-id/... or "
           "/dev/pts/3, host:port, or tcp:host[:port] (TCP port " +
           std::to_string(KVTCOMM_DEFAULT_TCP_PORT) + " by default).";
}

// "COM<n>" or "COM<n>:" -> /dev/ttyS<n-1>.
std::optional<PortTarget> MapComName(std::string_view name) {
    if (!StartsWithNoCase(name, "COM")) {
        return std::nullopt;
    }
    std::string_view digits = name.substr(3);
    if (!digits.empty() && digits.back() == ':') {
        digits.remove_suffix(1);
    }
    auto number = ParseNumber(digits, 3);
    if (!number || *number == 0 || *number > kHighestComNumber) {
        return std::nullopt;
    }
    return DevicePort{"/dev/ttyS" + std::to_string(*number - 1)};
}

// Lowest-numbered /dev/<prefix><n>.
std::optional<std::string> LowestNumbered(const std::vector<std::string>& entries,
                                          std::string_view prefix) {
    std::optional<unsigned> best;
    for (const std::string& entry : entries) {
        std::string_view view(entry);
        if (view.substr(0, prefix.size()) != prefix) {
            continue;
        }
        auto number = ParseNumber(view.substr(prefix.size()), 6);
        if (number && (!best || *number < *best)) {
            best = number;
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return "/dev/" + std::string(prefix) + std::to_string(*best);
}

PortTarget MapUsbName(const DeviceLister& listDevices) {
    const std::vector<std::string> entries =
        listDevices ? listDevices() : std::vector<std::string>{};
    for (std::string_view prefix : {"ttyUSB", "ttyACM"}) {
        if (auto path = LowestNumbered(entries, prefix)) {
            return DevicePort{*path};
        }
    }
    return PortNameError{
        "No USB serial adapter found for port 'USB' (looked for /dev/ttyUSB* and "
        "/dev/ttyACM*): check that the adapter is plugged in."};
}

bool IsHostNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-' || c == '_';
}

bool IsBracketedHostChar(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0 || c == ':' || c == '.' || c == '%' ||
           IsHostNameChar(c);
}

// host[:port] or [ipv6][:port]; the port may be left out only when a default applies.
std::optional<TcpPort> ParseHostPort(std::string_view text, bool portRequired) {
    std::string_view host;
    std::string_view rest;
    if (!text.empty() && text.front() == '[') {
        const auto close = text.find(']');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        host = text.substr(1, close - 1);
        rest = text.substr(close + 1);
        if (host.empty() || !std::all_of(host.begin(), host.end(), IsBracketedHostChar)) {
            return std::nullopt;
        }
    } else {
        const auto colon = text.find(':');
        host = text.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view{} : text.substr(colon);
        if (host.empty() || !std::all_of(host.begin(), host.end(), IsHostNameChar)) {
            return std::nullopt;
        }
    }

    unsigned port = KVTCOMM_DEFAULT_TCP_PORT;
    if (rest.empty()) {
        if (portRequired) {
            return std::nullopt;
        }
    } else {
        if (rest.front() != ':') {
            return std::nullopt;
        }
        auto number = ParseNumber(rest.substr(1), 5);
        if (!number || *number == 0 || *number > 65535) {
            return std::nullopt;
        }
        port = *number;
    }
    return TcpPort{std::string(host), static_cast<std::uint16_t>(port)};
}

}  // namespace

PortTarget MapPortName(std::string_view name, const DeviceLister& listDevices) {
    if (name.empty()) {
        return PortNameError{"No port name given. " + AcceptedNames()};
    }
    if (name.size() > KVTCOMM_PORT_NAME_MAX) {
        return PortNameError{"Port name '" + PrintableName(name) + "' is too long (" +
                             std::to_string(name.size()) + " bytes; at most " +
                             std::to_string(KVTCOMM_PORT_NAME_MAX) + ")."};
    }
    if (name.front() == '/') {
        return DevicePort{std::string(name)};
    }
    if (auto com = MapComName(name)) {
        return *com;
    }
    if (EqualsNoCase(name, "USB") || EqualsNoCase(name, "USB:")) {
        return MapUsbName(listDevices);
    }
    if (StartsWithNoCase(name, "tcp:")) {
        if (auto tcp = ParseHostPort(name.substr(4), false)) {
            return *tcp;
        }
        return PortNameError{"Invalid TCP address '" + PrintableName(name) +
                             "': expected tcp:host or tcp:host:port with a port from 1 to 65535 "
                             "(an IPv6 address goes in brackets, tcp:[::1]:10001)."};
    }
    if (name.find(':') != std::string_view::npos) {
        if (auto tcp = ParseHostPort(name, true)) {
            return *tcp;
        }
    }
    return PortNameError{"Unknown port name '" + PrintableName(name) + "'. " + AcceptedNames()};
}

std::string PrintableName(std::string_view name) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string shown;
    for (char c : name.substr(0, kShownNameMax)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f) {
            shown += c;
        } else {
            shown += "\\x";
            shown += kHex[byte >> 4];
            shown += kHex[byte & 0x0f];
        }
    }
    if (name.size() > kShownNameMax) {
        shown += "...";
    }
    return shown;
}

}  // namespace kvtcomm
