#include "text/Codepage.h"

#include <array>
#include <cstdint>
#include <utility>

namespace kvt {

namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::optional<std::string> ToCp1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        size_t i = 0;
        while (i < kHighControls.size() && (kHighControls[i] == 0 || kHighControls[i] != c)) {
            ++i;
        }
        if (i == kHighControls.size()) {
            return std::nullopt;
        }
        out.push_back(static_cast<char>(0x80 + i));
    }
    return out;
}

std::u16string FromCp1252(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<uint8_t>(b);
        if (u >= 0x80 && u < 0xA0) {
            const char16_t mapped = kHighControls[u - 0x80];
            out.push_back(mapped != 0 ? mapped : static_cast<char16_t>(u));
        } else {
            out.push_back(static_cast<char16_t>(u));
        }
    }
    return out;
}

void AppendUtf8(std::string& out, char32_t codePoint) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else if (codePoint < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (codePoint >> 18)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

std::string ToUtf8(std::u16string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

namespace {

void AppendUtf16(std::u16string& out, char32_t codePoint) {
    if (codePoint < 0x10000) {
        out.push_back(static_cast<char16_t>(codePoint));
        return;
    }
    const char32_t v = codePoint - 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (v >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
}

// The code point of the sequence at bytes[i] and its length, or nullopt for a malformed one
// (stray or bad continuation byte, truncation, overlong form, surrogate, beyond U+10FFFF).
std::optional<std::pair<char32_t, size_t>> DecodeOne(std::string_view bytes, size_t i) {
    const auto lead = static_cast<uint8_t>(bytes[i]);
    size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        return std::pair{char32_t{lead}, size_t{1}};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (bytes.size() - i < length) {
        return std::nullopt;
    }
    for (size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<uint8_t>(bytes[i + k]);
        if ((byte & 0xC0) != 0x80) {
            return std::nullopt;
        }
        value = (value << 6) | (byte & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return std::pair{value, length};
}

}  // namespace

std::u16string FromUtf8(std::string_view bytes) {
    std::u16string out;
    for (size_t i = 0; i < bytes.size();) {
        const auto decoded = DecodeOne(bytes, i);
        AppendUtf16(out, decoded ? decoded->first : 0xFFFD);
        i += decoded ? decoded->second : 1;
    }
    return out;
}

std::optional<std::u16string> FromUtf8Strict(std::string_view bytes) {
    std::u16string out;
    for (size_t i = 0; i < bytes.size();) {
        const auto decoded = DecodeOne(bytes, i);
        if (!decoded) {
            return std::nullopt;
        }
        AppendUtf16(out, decoded->first);
        i += decoded->second;
    }
    return out;
}

}  // namespace kvt
