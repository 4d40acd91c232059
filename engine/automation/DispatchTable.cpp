#include "automation/DispatchTable.h"

#include <algorithm>

#include "automation/Names.h"

namespace kvt {

size_t MemberInfo::InCount() const {
    return static_cast<size_t>(
        std::count_if(params.begin(), params.end(), [](const ParamInfo& p) { return !p.out; }));
}

size_t MemberInfo::OutCount() const {
    return params.size() - InCount();
}

namespace {

using K = MemberKind;

// Function-table order of IKVT80; a property's get row precedes its put row.
std::vector<MemberInfo> BuildTable() {
    return {
        Row("ComPort", 0x16, K::Get, &IKVT80::get_ComPort),
        Row("ComPort", 0x16, K::Put, &IKVT80::put_ComPort),
        Row("BitRate", 0x17, K::Get, &IKVT80::get_BitRate),
        Row("BitRate", 0x17, K::Put, &IKVT80::put_BitRate),
        Row("Connect", 0x18, K::Method, &IKVT80::Connect),
        Row("Disconnect", 0x19, K::Method, &IKVT80::Disconnect),
        Row("Connected", 0x1a, K::Get, &IKVT80::get_Connected),
        Row("UpdateInputs", 0x4c, K::Get, &IKVT80::get_UpdateInputs),
        Row("UpdateInputs", 0x4c, K::Put, &IKVT80::put_UpdateInputs),
        Row("Cleanup", 0x67, K::Method, &IKVT80::Cleanup),
        Row("Initialized", 0x6d, K::Get, &IKVT80::get_Initialized),
        Row("Initialized", 0x6d, K::Put, &IKVT80::put_Initialized),
    };
}

}  // namespace

std::span<const MemberInfo> DispatchTable() {
    static const std::vector<MemberInfo> table = BuildTable();
    return table;
}

const MemberInfo* FindMember(std::string_view name, MemberKind kind) {
    for (const MemberInfo& member : DispatchTable()) {
        if (member.kind == kind && NamesEqual(member.name, name)) {
            return &member;
        }
    }
    return nullptr;
}

const MemberInfo* FindMemberByDispid(int32_t dispid, MemberKind kind) {
    if (dispid == 0) {
        return nullptr;
    }
    for (const MemberInfo& member : DispatchTable()) {
        if (member.kind == kind && member.dispid == dispid) {
            return &member;
        }
    }
    return nullptr;
}

InvokeResult Invoke(IKVT80& engine, const MemberInfo& member,
                    std::span<const Variant> inArguments) {
    InvokeResult result;
    if (inArguments.size() != member.InCount()) {
        result.error = InvokeError::WrongArgumentCount;
        return result;
    }
    std::vector<Variant> args(member.params.size());
    size_t next = 0;
    for (size_t i = 0; i < member.params.size(); ++i) {
        if (member.params[i].out) {
            continue;
        }
        if (!CoerceVariant(inArguments[next], member.params[i].type, args[i])) {
            result.error = InvokeError::TypeMismatch;
            result.badArgument = next;
            return result;
        }
        ++next;
    }
    result.status = member.call(engine, args);
    for (size_t i = 0; i < member.params.size(); ++i) {
        if (member.params[i].out) {
            result.out.push_back(std::move(args[i]));
        }
    }
    return result;
}

}  // namespace kvt
