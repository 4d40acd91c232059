// Network commands: the Ethernet option's settings, as the network set-up tool writes them.
// "dhcp 0" or "dhcp 1" switches DHCP off or on; "ip", "mask" and "gateway" take four decimal
// octets separated by tabs or blanks. Without fields each answers what it holds, the addresses as
// four tab-separated decimal octets. None needs a selection.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "CommandTable.h"
#include "TextFields.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

using Address = std::array<uint8_t, 4>;

constexpr size_t kOctetDigits = 3;
constexpr uint32_t kMaxOctet = 255;

// Exactly four fields of one to three decimal digits, each at most 255.
std::optional<Address> ParseAddress(const std::vector<std::string>& fields) {
    Address address{};
    if (fields.size() != address.size()) {
        return std::nullopt;
    }
    for (size_t i = 0; i < address.size(); ++i) {
        const auto octet = ParseDecimal(fields[i], kOctetDigits);
        if (!octet || *octet > kMaxOctet) {
            return std::nullopt;
        }
        address[i] = static_cast<uint8_t>(*octet);
    }
    return address;
}

std::string AddressText(const Address& address) {
    std::vector<std::string> octets;
    for (const uint8_t octet : address) {
        octets.push_back(std::to_string(octet));
    }
    return JoinWithTabs(octets);
}

void Dhcp(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    if (line.fields.empty()) {
        answer.Line(state.network.dhcp ? "1" : "0");
        return;
    }
    if (line.fields.size() != 1 || (line.fields[0] != "0" && line.fields[0] != "1")) {
        answer.Refuse();
        return;
    }
    state.network.dhcp = line.fields[0] == "1";
}

// One handler per address: the member it reads and writes is the template argument, so the
// three rows share the parsing and the answer.
template <Address NetworkSettings::*kMember>
void AddressCommand(UnitState& state, const CommandLine& line, CommandAnswer& answer) {
    Address& address = state.network.*kMember;
    if (line.fields.empty()) {
        answer.Line(AddressText(address));
        return;
    }
    const auto written = ParseAddress(line.fields);
    if (!written) {
        answer.Refuse();
        return;
    }
    address = *written;
}

}  // namespace

void AddNetworkCommands(CommandTable& table) {
    table.Add("dhcp", SelectionNeed::None, Dhcp);
    table.Add("ip", SelectionNeed::None, AddressCommand<&NetworkSettings::ip>);
    table.Add("mask", SelectionNeed::None, AddressCommand<&NetworkSettings::mask>);
    table.Add("gateway", SelectionNeed::None, AddressCommand<&NetworkSettings::gateway>);
}

}  // namespace kvt::sim
