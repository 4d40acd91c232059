// Controller firmware as the maker delivers it (an Intel HEX file in 32-bit form) and the four
// memory images the download sends: program memory, user ID, configuration words and data
// EEPROM, each as text lines of a 16-byte-aligned address and 16 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvt {

enum class FirmwareRegion { ProgramMemory, UserId, Config, EepromData };
constexpr size_t kFirmwareRegions = 4;

// The image file of each region, written beside the HEX file.
constexpr std::array<std::string_view, kFirmwareRegions> kFirmwareImageNames{
    "PROGMEM.MCP", "USERID.MCP", "CONFIG.MCP", "EEDATA.MCP"};

// The text of each region's image file: "%06X " and 16 x "%02X " per line, then CR LF.
using FirmwareImages = std::array<std::string, kFirmwareRegions>;

// Checks the file (every line a record starting with ":" whose bytes add up to 0; the line feed
// ending the last record makes no empty record, any other empty line is invalid) and splits its
// data into the four images. Records that start off a 16-byte boundary or carry more than 16
// bytes keep every byte: each byte lands in the line of its own address, lines in the order they
// are first written to, bytes no record gives reading 00. Data outside the four regions is
// dropped. nullopt for an invalid file.
std::optional<FirmwareImages> SplitHexFile(std::string_view text);

}  // namespace kvt
