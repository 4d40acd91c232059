// TextFields: the number formats of the unit's command lines and answers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvt::sim {

// Hexadecimal field of 1..maxDigits digits, either case; nothing else allowed.
std::optional<uint32_t> ParseHex(std::string_view text, size_t maxDigits = 8);
// Decimal field of 1..maxDigits digits.
std::optional<uint32_t> ParseDecimal(std::string_view text, size_t maxDigits = 9);

std::string HexWord(uint32_t value);    // "%06X" of the low 24 bits
std::string HexByte(uint32_t value);    // "%02X" of the low 8 bits
std::string HexNumber(uint32_t value);  // "%X"
char HexDigit(int value);               // 0..15 -> '0'..'9', 'A'..'F'

std::string JoinWithTabs(const std::vector<std::string>& values);
std::string LowerCase(std::string_view text);
// The blank- or tab-separated fields of a line.
std::vector<std::string_view> SplitFields(std::string_view line);

}  // namespace kvt::sim
