// Hexadecimal digits as the unit, the firmware files and the program files write them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kvt {

// A digit's value (either case), -1 for any other character.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// The value of 1 to maxDigits (at most 8) digits and nothing else.
constexpr std::optional<uint32_t> ParseHexDigits(std::string_view digits, size_t maxDigits = 8) {
    if (digits.empty() || digits.size() > maxDigits || digits.size() > 8) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    return value;
}

}  // namespace kvt
