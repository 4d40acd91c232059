#include "automation/Variant.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <string>

namespace kvt {

Variant::Variant(const Variant& other)
    : type_(other.type_),
      bits_(other.bits_),
      string_(other.string_),
      array_(other.array_ ? std::make_shared<SafeArray>(*other.array_) : nullptr) {}

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Variant Variant::Int(int32_t value) {
    Variant v;
    v.type_ = VT_I4;
    v.bits_ = static_cast<uint32_t>(value);
    return v;
}

Variant Variant::Double(double value) {
    Variant v;
    v.type_ = VT_R8;
    v.bits_ = std::bit_cast<uint64_t>(value);
    return v;
}

Variant Variant::Bool(bool value) {
    return Bool16(value ? VARIANT_TRUE : VARIANT_FALSE);
}

Variant Variant::Bool16(VariantBool raw) {
    Variant v;
    v.type_ = VT_BOOL;
    v.bits_ = static_cast<uint16_t>(raw);
    return v;
}

Variant Variant::String(std::u16string value) {
    Variant v;
    v.type_ = VT_BSTR;
    v.string_ = std::move(value);
    return v;
}

Variant Variant::Array(VarType elementType, std::vector<Variant> elements, int32_t lowerBound) {
    Variant v;
    v.type_ = static_cast<VarType>(VT_ARRAY | elementType);
    v.array_ = std::make_shared<SafeArray>(SafeArray{lowerBound, std::move(elements)});
    return v;
}

double Variant::DoubleValue() const {
    return std::bit_cast<double>(bits_);
}

bool operator==(const Variant& a, const Variant& b) {
    if (a.type_ != b.type_) {
        return false;
    }
    if (a.type_ == VT_BSTR) {
        return a.string_ == b.string_;
    }
    if (a.IsArray()) {
        if (!a.array_ || !b.array_) {
            return a.array_ == b.array_;
        }
        return a.array_->lowerBound == b.array_->lowerBound &&
               a.array_->elements == b.array_->elements;
    }
    switch (a.type_) {
        case VT_I4:
            return a.Int32() == b.Int32();
        case VT_BOOL:
            return a.BoolField() == b.BoolField();
        case VT_R8:
            return a.DoubleValue() == b.DoubleValue();
        default:
            return a.bits_ == b.bits_;
    }
}

namespace {

// Integer conversion of a double as automation does it: round half to even, refuse overflow.
bool DoubleToInt32(double d, int32_t& out) {
    if (!std::isfinite(d)) {
        return false;
    }
    const double r = std::nearbyint(d);  // default rounding mode: to nearest, ties to even
    if (r < -2147483648.0 || r > 2147483647.0) {
        return false;
    }
    out = static_cast<int32_t>(r);
    return true;
}

bool ParseDouble(const std::u16string& text, double& out) {
    std::string narrow;
    for (char16_t c : text) {
        if (c > 0x7F) {
            return false;
        }
        narrow.push_back(static_cast<char>(c));
    }
    try {
        size_t used = 0;
        out = std::stod(narrow, &used);
        while (used < narrow.size() && (narrow[used] == ' ' || narrow[used] == '\t')) {
            ++used;
        }
        return used == narrow.size();
    } catch (...) {
        return false;
    }
}

bool ToDouble(const Variant& in, double& out) {
    switch (in.Type()) {
        case VT_I4:
            out = in.Int32();
            return true;
        case VT_R8:
            out = in.DoubleValue();
            return true;
        case VT_BOOL:
            out = in.BoolField();
            return true;
        case VT_BSTR: {
            std::u16string lower;
            for (char16_t c : in.StringValue()) {
                lower.push_back((c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c);
            }
            if (lower == u"true") {
                out = -1;
                return true;
            }
            if (lower == u"false") {
                out = 0;
                return true;
            }
            return ParseDouble(in.StringValue(), out);
        }
        default:
            return false;
    }
}

std::u16string FormatNumber(const Variant& in) {
    std::string text;
    if (in.Type() == VT_R8) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", in.DoubleValue());
        text = buffer;
    } else {
        text = std::to_string(in.Type() == VT_BOOL ? in.BoolField() : in.Int32());
    }
    return std::u16string(text.begin(), text.end());
}

}  // namespace

bool CoerceVariant(const Variant& in, VarType to, Variant& out) {
    if (to == VT_VARIANT || in.Type() == to) {
        out = in;
        return true;
    }
    if (in.IsArray() || (to & VT_ARRAY) != 0) {
        return false;
    }
    if (to == VT_BSTR) {
        if (in.Type() != VT_I4 && in.Type() != VT_R8 && in.Type() != VT_BOOL) {
            return false;
        }
        out = Variant::String(in.Type() == VT_BOOL ? (in.BoolField() ? u"True" : u"False")
                                                   : FormatNumber(in));
        return true;
    }
    double value = 0;
    if (!ToDouble(in, value)) {
        return false;
    }
    switch (to) {
        case VT_R8:
            out = Variant::Double(value);
            return true;
        case VT_BOOL:
            out = Variant::Bool(value != 0);
            return true;
        case VT_I4: {
            int32_t i = 0;
            if (!DoubleToInt32(value, i)) {
                return false;
            }
            out = Variant::Int(i);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace kvt
