// The dispatch table: every member of the engine's interfaces as data (name, dispatch
// identifier, kind, parameter types), with the call that reaches the member. Scripts and other
// late-bound clients find members here by name (case-insensitive) or dispatch identifier and call
// them with Variant arguments, as IDispatch::Invoke did.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

#include "IKVT80.h"
#include "automation/Variant.h"

namespace kvt {

enum class MemberKind { Get, Put, Method };

struct ParamInfo {
    VarType type;  // VT_VARIANT: the argument is passed as it is, without coercion
    bool out;      // out-parameter: written by the member (a get's value is its last out-parameter)
};

// Arguments in parameter order: in-arguments already coerced to their parameter's type,
// out-arguments filled in by the call.
using MemberCall = std::function<int32_t(IKVT80&, std::span<Variant>)>;

struct MemberInfo {
    std::string_view name;
    int32_t dispid;  // 0: the member has no dispatch identifier (function table only)
    MemberKind kind;
    std::vector<ParamInfo> params;
    MemberCall call;

    size_t InCount() const;
    size_t OutCount() const;
};

// The whole table, in function-table order (a property's get row comes before its put row).
std::span<const MemberInfo> DispatchTable();

// The row of that name and kind, or null. Names match case-insensitively.
const MemberInfo* FindMember(std::string_view name, MemberKind kind);
const MemberInfo* FindMemberByDispid(int32_t dispid, MemberKind kind);

enum class InvokeError { None, WrongArgumentCount, TypeMismatch };

struct InvokeResult {
    InvokeError error = InvokeError::None;
    size_t badArgument = 0;    // index of the in-argument that could not be coerced
    int32_t status = 0;        // the member's status when error is None
    std::vector<Variant> out;  // the out-values in parameter order
};

// Calls a member with its in-arguments (coerced to the parameter types as a dispatcher would).
InvokeResult Invoke(IKVT80& engine, const MemberInfo& member, std::span<const Variant> inArguments);

// ---------------------------------------------------------------------------------------------
// Row builders: the parameter list is read off the member function's signature, so a row is
// one line: Row("ComPort", 0x16, MemberKind::Get, &IKVT80::get_ComPort).
namespace detail {

template <typename T>
struct ParamTraits;
template <>
struct ParamTraits<const Variant&> {
    static constexpr ParamInfo info{VT_VARIANT, false};
    static const Variant& Get(Variant& v) { return v; }
};
template <>
struct ParamTraits<Variant*> {
    static constexpr ParamInfo info{VT_VARIANT, true};
    static Variant* Get(Variant& v) { return &v; }
};
template <>
struct ParamTraits<int32_t> {
    static constexpr ParamInfo info{VT_I4, false};
    static int32_t Get(Variant& v) { return v.Int32(); }
};
template <>
struct ParamTraits<int32_t*> {
    static constexpr ParamInfo info{VT_I4, true};
    struct Slot {
        Variant& v;
        int32_t value = 0;
        operator int32_t*() { return &value; }
        ~Slot() { v = Variant::Int(value); }
    };
    static Slot Get(Variant& v) { return Slot{v, {}}; }
};
template <>
struct ParamTraits<double> {
    static constexpr ParamInfo info{VT_R8, false};
    static double Get(Variant& v) { return v.DoubleValue(); }
};
template <>
struct ParamTraits<double*> {
    static constexpr ParamInfo info{VT_R8, true};
    struct Slot {
        Variant& v;
        double value = 0;
        operator double*() { return &value; }
        ~Slot() { v = Variant::Double(value); }
    };
    static Slot Get(Variant& v) { return Slot{v, {}}; }
};
template <>
struct ParamTraits<VariantBool> {
    static constexpr ParamInfo info{VT_BOOL, false};
    static VariantBool Get(Variant& v) { return v.BoolField(); }
};
template <>
struct ParamTraits<VariantBool*> {
    static constexpr ParamInfo info{VT_BOOL, true};
    struct Slot {
        Variant& v;
        VariantBool value = 0;
        operator VariantBool*() { return &value; }
        ~Slot() { v = Variant::Bool16(value); }
    };
    static Slot Get(Variant& v) { return Slot{v, {}}; }
};
template <>
struct ParamTraits<const std::u16string&> {
    static constexpr ParamInfo info{VT_BSTR, false};
    static const std::u16string& Get(Variant& v) { return v.StringValue(); }
};
template <>
struct ParamTraits<std::u16string*> {
    static constexpr ParamInfo info{VT_BSTR, true};
    struct Slot {
        Variant& v;
        std::u16string value;
        operator std::u16string*() { return &value; }
        ~Slot() { v = Variant::String(value); }
    };
    static Slot Get(Variant& v) { return Slot{v, {}}; }
};

template <typename Interface, typename... Args, size_t... I>
int32_t CallWith(IKVT80& engine, int32_t (Interface::*fn)(Args...),
                 [[maybe_unused]] std::span<Variant> args, std::index_sequence<I...>) {
    // An engine without the member's interface does not support it.
    auto* target = dynamic_cast<Interface*>(&engine);
    if (target == nullptr) {
        return status::NotSupported;
    }
    // Out slots write their value back into args when the full expression ends.
    return (target->*fn)(ParamTraits<Args>::Get(args[I])...);
}

}  // namespace detail

template <typename Interface, typename... Args>
MemberInfo Row(std::string_view name, int32_t dispid, MemberKind kind,
               int32_t (Interface::*fn)(Args...)) {
    return MemberInfo{name,
                      dispid,
                      kind,
                      {detail::ParamTraits<Args>::info...},
                      [fn](IKVT80& engine, std::span<Variant> args) {
                          return detail::CallWith(engine, fn, args,
                                                  std::index_sequence_for<Args...>{});
                      }};
}

}  // namespace kvt
