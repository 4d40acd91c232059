#include "TextFields.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace kvt::sim {

namespace {

std::optional<uint32_t> ParseDigits(std::string_view text, size_t maxDigits, uint32_t base) {
    if (text.empty() || text.size() > maxDigits) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        uint32_t digit = 0;
        if (std::isdigit(u) != 0) {
            digit = static_cast<uint32_t>(c - '0');
        } else if (base == 16 && std::isxdigit(u) != 0) {
            digit = static_cast<uint32_t>(std::tolower(u) - 'a' + 10);
        } else {
            return std::nullopt;
        }
        value = value * base + digit;
        if (value > UINT32_MAX) {
            return std::nullopt;
        }
    }
    return static_cast<uint32_t>(value);
}

std::string Format(const char* format, uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::optional<uint32_t> ParseHex(std::string_view text, size_t maxDigits) {
    return ParseDigits(text, maxDigits, 16);
}

std::optional<uint32_t> ParseDecimal(std::string_view text, size_t maxDigits) {
    return ParseDigits(text, maxDigits, 10);
}

std::string HexWord(uint32_t value) {
    return Format("%06X", value & 0xFFFFFFu);
}
std::string HexByte(uint32_t value) {
    return Format("%02X", value & 0xFFu);
}
std::string HexNumber(uint32_t value) {
    return Format("%X", value);
}

char HexDigit(int value) {
    return "0123456789ABCDEF"[value & 0xF];
}

std::string JoinWithTabs(const std::vector<std::string>& values) {
    std::string text;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            text += '\t';
        }
        text += values[i];
    }
    return text;
}

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t at = 0;
    while (at < line.size()) {
        const size_t start = line.find_first_not_of(" \t", at);
        if (start == std::string_view::npos) {
            break;
        }
        const size_t end = std::min(line.find_first_of(" \t", start), line.size());
        fields.push_back(line.substr(start, end - start));
        at = end;
    }
    return fields;
}

}  // namespace kvt::sim
