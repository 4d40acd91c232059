// Variant: the automation value type that crosses the IKVT80 surface.
//
// It keeps the automation type codes and the shared value field of the platform's VARIANT, so
// that "the boolean field is -1", "the value read as a 32-bit integer whatever its type" and "a
// wrong VARIANT type" keep their meaning: the 32-bit integer, 16-bit boolean and double views all
// read the same 8 bytes. Strings are UTF-16; arrays are one-dimensional safe arrays of Variants
// with a lower bound.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kvt {

using VarType = uint16_t;
constexpr VarType VT_EMPTY = 0;
constexpr VarType VT_I2 = 2;
constexpr VarType VT_I4 = 3;
constexpr VarType VT_R8 = 5;
constexpr VarType VT_BSTR = 8;
constexpr VarType VT_BOOL = 11;
constexpr VarType VT_VARIANT = 12;
constexpr VarType VT_ARRAY = 0x2000;
constexpr VarType VT_BYREF = 0x4000;

// Automation boolean (16 bits): true is -1, false 0.
using VariantBool = int16_t;
constexpr VariantBool VARIANT_TRUE = -1;
constexpr VariantBool VARIANT_FALSE = 0;

class Variant;

// One-dimensional safe array. Elements are Variants; an array of doubles (VT_ARRAY | VT_R8) keeps
// its elements as VT_R8 Variants.
struct SafeArray {
    int32_t lowerBound = 0;
    std::vector<Variant> elements;
};

// Copies are deep, as the platform's VariantCopy makes them: a copy of an array owns its own
// elements, so an event receiver that keeps a copy never sees the sender reuse its array.
class Variant {
  public:
    Variant() = default;
    Variant(const Variant& other);
    Variant& operator=(const Variant& other);
    Variant(Variant&&) noexcept = default;
    Variant& operator=(Variant&&) noexcept = default;
    ~Variant() = default;

    static Variant Int(int32_t value);
    static Variant Double(double value);
    static Variant Bool(bool value);
    static Variant Bool16(VariantBool raw);  // keeps any raw 16-bit value, not only -1 and 0
    static Variant String(std::u16string value);
    static Variant Array(VarType elementType, std::vector<Variant> elements,
                         int32_t lowerBound = 0);

    VarType Type() const { return type_; }
    bool IsArray() const { return (type_ & VT_ARRAY) != 0; }

    // Views of the shared value field, as the platform's VARIANT union gives them.
    int32_t Int32() const { return static_cast<int32_t>(static_cast<uint32_t>(bits_)); }
    VariantBool BoolField() const { return static_cast<VariantBool>(static_cast<uint16_t>(bits_)); }
    double DoubleValue() const;

    const std::u16string& StringValue() const { return string_; }
    const SafeArray* ArrayValue() const { return array_.get(); }
    // The array's elements in place, for an owner that reuses one array.
    SafeArray* MutableArrayValue() { return array_.get(); }

    // True only for a VT_BOOL holding -1.
    bool IsTrue() const { return type_ == VT_BOOL && BoolField() == VARIANT_TRUE; }

    friend bool operator==(const Variant& a, const Variant& b);

  private:
    VarType type_ = VT_EMPTY;
    uint64_t bits_ = 0;
    std::u16string string_;
    std::shared_ptr<SafeArray> array_;
};

// Converts a value to another automation type the way a dispatcher coerces arguments: numbers
// between each other (doubles to integers round half to even), booleans to -1/0 and back, strings
// parsed as numbers or "true"/"false", numbers formatted as strings. Returns false when the value
// cannot be converted (out leaves unchanged).
bool CoerceVariant(const Variant& in, VarType to, Variant& out);

}  // namespace kvt
