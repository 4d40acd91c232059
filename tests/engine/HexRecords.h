// Intel HEX records for firmware tests, with their checksums computed here on their own.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kvt::testing {

// One record line (":" and the pairs of digits), without a line end.
inline std::string Record(uint8_t type, uint16_t address, const std::vector<uint8_t>& data) {
    std::vector<uint8_t> bytes{static_cast<uint8_t>(data.size()),
                               static_cast<uint8_t>(address >> 8),
                               static_cast<uint8_t>(address & 0xFF), type};
    bytes.insert(bytes.end(), data.begin(), data.end());
    uint8_t sum = 0;
    for (const uint8_t b : bytes) {
        sum = static_cast<uint8_t>(sum + b);
    }
    bytes.push_back(static_cast<uint8_t>(0x100 - sum));
    std::string line = ":";
    char hex[3];
    for (const uint8_t b : bytes) {
        std::snprintf(hex, sizeof hex, "%02X", b);
        line += hex;
    }
    return line;
}

// count bytes first, first + 1, ...
inline std::vector<uint8_t> Counting(uint8_t first, size_t count) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < count; ++i) {
        bytes.push_back(static_cast<uint8_t>(first + i));
    }
    return bytes;
}

}  // namespace kvt::testing
