#include "ValueFormat.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "text/Codepage.h"

namespace kvt::cli {

namespace {

// Characters JSON escapes with one letter, and those letters.
constexpr std::u16string_view kShortEscapeUnits = u"\"\\\b\f\n\r\t";
constexpr std::string_view kShortEscapeLetters = "\"\\bfnrt";

void AppendValue(std::string& out, const Variant& value);

void AppendUnicodeEscape(std::string& out, char16_t unit) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(unit));
    out += buffer;
}

void AppendArray(std::string& out, const Variant& value) {
    const SafeArray* array = value.ArrayValue();
    if (array == nullptr) {
        out += "null";
        return;
    }
    out.push_back('[');
    for (size_t i = 0; i < array->elements.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        AppendValue(out, array->elements[i]);
    }
    out.push_back(']');
}

void AppendBool(std::string& out, VariantBool raw) {
    if (raw == VARIANT_TRUE) {
        out += "true";
    } else if (raw == VARIANT_FALSE) {
        out += "false";
    } else {
        // Not a proper automation boolean: show what is really there.
        out += std::to_string(raw);
    }
}

void AppendValue(std::string& out, const Variant& value) {
    if (value.IsArray()) {
        AppendArray(out, value);
        return;
    }
    switch (value.Type()) {
        case VT_EMPTY:
            out += "null";
            return;
        case VT_I2:
            out += std::to_string(static_cast<int16_t>(value.Int32()));
            return;
        case VT_I4:
            out += std::to_string(value.Int32());
            return;
        case VT_R8:
            out += FormatDouble(value.DoubleValue());
            return;
        case VT_BOOL:
            AppendBool(out, value.BoolField());
            return;
        case VT_BSTR:
            out += FormatJsonString(value.StringValue());
            return;
        default:
            // A type this tool has no notation for: the 32-bit view of its value.
            out += std::to_string(value.Int32());
            return;
    }
}

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

std::string FormatDouble(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value > 0 ? "Infinity" : "-Infinity";
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string FormatJsonString(std::u16string_view text) {
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const size_t k = kShortEscapeUnits.find(unit);
        if (k != std::u16string_view::npos) {
            out.push_back('\\');
            out.push_back(kShortEscapeLetters[k]);
            continue;
        }
        if (unit < 0x20 || (unit >= 0x7F && unit <= 0x9F)) {
            AppendUnicodeEscape(out, unit);
        } else if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            const char32_t codePoint =
                0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            AppendUtf8(out, codePoint);
            ++i;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUnicodeEscape(out, unit);
        } else {
            AppendUtf8(out, unit);
        }
    }
    out.push_back('"');
    return out;
}

std::string FormatValue(const Variant& value) {
    std::string out;
    AppendValue(out, value);
    return out;
}

std::string FormatEventLine(std::string_view name, std::span<const Variant> arguments) {
    std::string line = "event ";
    line += name;
    line.push_back('(');
    for (size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) {
            line += ", ";
        }
        AppendValue(line, arguments[i]);
    }
    line.push_back(')');
    return line;
}

std::string_view TypeName(VarType type) {
    switch (type) {
        case VT_I2:
        case VT_I4:
            return "integer";
        case VT_R8:
            return "double";
        case VT_BOOL:
            return "boolean";
        case VT_BSTR:
            return "string";
        case VT_VARIANT:
            return "value";
        default:
            return (type & VT_ARRAY) != 0 ? "array" : "value";
    }
}

}  // namespace kvt::cli
