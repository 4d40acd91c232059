#include "firmware/McpImage.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "text/HexDigits.h"

namespace kvt {

namespace {

constexpr size_t kAddressDigits = 6;
constexpr size_t kLineBytes = 16;
constexpr size_t kFieldLength = 3;  // two digits and a space
constexpr size_t kLineLength = kAddressDigits + 1 + kLineBytes * kFieldLength;
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRemedy = "parse the firmware file again";

struct AddressRange {
    uint32_t first;
    uint32_t last;  // the address of the region's last line
};

// By FirmwareRegion; data EEPROM lines carry the low word only.
constexpr std::array<AddressRange, kFirmwareRegions> kRegionAddresses{{
    {0x000000, 0x1FFFF0},
    {0x200000, 0x20FFF0},
    {0x300000, 0x30FFF0},
    {0x000000, 0x00FFF0},
}};

// One line without its line end: the address and 16 bytes, each followed by a space.
std::optional<ImageLine> ParseLine(std::string_view text) {
    if (text.size() != kLineLength || text[kAddressDigits] != ' ') {
        return std::nullopt;
    }
    const auto address = ParseHexDigits(text.substr(0, kAddressDigits));
    if (!address) {
        return std::nullopt;
    }
    ImageLine line;
    line.address = *address;
    for (size_t i = 0; i < kLineBytes; ++i) {
        const std::string_view field = text.substr(kAddressDigits + 1 + i * kFieldLength, 3);
        const auto byte = ParseHexDigits(field.substr(0, 2));
        if (!byte || field[2] != ' ') {
            return std::nullopt;
        }
        line.bytes[i] = static_cast<uint8_t>(*byte);
    }
    return line;
}

std::string Refused(size_t line, std::string_view what) {
    return "line " + std::to_string(line) + ": " + std::string(what) + "; the image is damaged, " +
           std::string(kRemedy);
}

std::string AddressText(uint32_t address) {
    char text[8];
    std::snprintf(text, sizeof text, "%06X", address & 0xFFFFFFu);
    return text;
}

}  // namespace

ImageReadResult ReadImageFile(std::string_view text, FirmwareRegion region) {
    const AddressRange range = kRegionAddresses[static_cast<size_t>(region)];
    std::vector<ImageLine> lines;
    std::unordered_set<uint32_t> addresses;
    for (size_t number = 1; !text.empty(); ++number) {
        const auto line = ParseLine(text.substr(0, kLineLength));
        if (!line) {
            return {std::nullopt, Refused(number, "not an address and 16 bytes")};
        }
        text.remove_prefix(kLineLength);
        if (!text.empty() && !text.starts_with(kLineEnd)) {
            return {std::nullopt, Refused(number, "does not end in CR LF")};
        }
        text.remove_prefix(std::min(text.size(), kLineEnd.size()));
        const std::string address = AddressText(line->address);
        if (line->address % kLineBytes != 0) {
            return {std::nullopt,
                    Refused(number, "address " + address + " is off the 16-byte grid")};
        }
        if (line->address < range.first || line->address > range.last) {
            return {std::nullopt,
                    Refused(number, "address " + address + " lies outside the region")};
        }
        // ParseHexFile never writes a line twice; the second write of program memory would fail
        // only after the erase.
        if (!addresses.insert(line->address).second) {
            return {std::nullopt, Refused(number, "address " + address + " comes a second time")};
        }
        lines.push_back(*line);
    }
    return {std::move(lines), {}};
}

}  // namespace kvt
