#include "HelpText.h"

#include <cstdio>

#include "ValueFormat.h"
#include "automation/DispatchTable.h"
#include "automation/MemberHelp.h"
#include "automation/Names.h"
#include "image/AddressMap.h"

namespace kvt::cli {

namespace {

constexpr size_t kListWidth = 100;

std::string_view ParameterType(VarType type) {
    return type == VT_VARIANT ? std::string_view("any") : TypeName(type);
}

std::string Hex(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(value));
    return text;
}

std::string Joined(const std::vector<std::string_view>& names, size_t first, size_t count) {
    std::string text;
    for (size_t i = first; i < first + count && i < names.size(); ++i) {
        if (!text.empty()) {
            text += ", ";
        }
        text += names[i];
    }
    return text;
}

const ParameterRow* AddressMapRow(std::string_view name) {
    for (const ParameterRow& row : AddressMap()) {
        if (NamesEqual(row.name, name)) {
            return &row;
        }
    }
    return nullptr;
}

// "get     EQBand(Channel, Band) -> double" and the like.
std::string Signature(const MemberInfo& member, const std::vector<std::string_view>& names) {
    const std::string name(member.name);
    switch (member.kind) {
        case MemberKind::Get: {
            const size_t indexes = member.params.size() - 1;
            const std::string arguments = indexes == 0 ? "" : "(" + Joined(names, 0, indexes) + ")";
            return "get     " + name + arguments + " -> " +
                   std::string(ParameterType(member.params.back().type));
        }
        case MemberKind::Put: {
            const size_t indexes = member.params.size() - 1;
            const std::string arguments = indexes == 0 ? "" : "(" + Joined(names, 0, indexes) + ")";
            return "put     " + name + arguments + " = " +
                   std::string(ParameterType(member.params.back().type));
        }
        case MemberKind::Method:
            break;
    }
    std::vector<std::string_view> in, out;
    for (size_t i = 0; i < member.params.size(); ++i) {
        const std::string_view parameter = i < names.size() ? names[i] : "?";
        (member.params[i].out ? out : in).push_back(parameter);
    }
    std::string line = "method  " + name + "(" + Joined(in, 0, in.size()) + ")";
    if (!out.empty()) {
        line += " -> " + Joined(out, 0, out.size());
    }
    return line;
}

// One line per named parameter: its type, and the index range where it is an index.
void DescribeParameters(const MemberInfo& member, const std::vector<std::string_view>& names,
                        std::vector<std::string>& lines) {
    for (size_t i = 0; i < names.size() && i < member.params.size(); ++i) {
        std::string line =
            "  " + std::string(names[i]) + ": " + std::string(ParameterType(member.params[i].type));
        if (member.params[i].out) {
            line += ", out";
        }
        if (const auto range = IndexRangeOf(names[i])) {
            line +=
                ", index " + std::to_string(range->first) + " to " + std::to_string(range->last);
        }
        lines.push_back(std::move(line));
    }
}

}  // namespace

std::vector<std::string> MemberListHelp() {
    std::vector<std::string> lines;
    std::string_view group;
    for (const MemberHelp& row : MemberHelpTable()) {
        if (row.group != group) {
            group = row.group;
            lines.push_back(std::string(group) + ":");
            lines.emplace_back("   ");
        }
        std::string& line = lines.back();
        if (line.size() + 1 + row.name.size() > kListWidth) {
            lines.emplace_back("   ");
        }
        lines.back() += " " + std::string(row.name);
    }
    lines.emplace_back("Statements: Name, Name(a, ...), Name = v, Name(a, ...) = v, sleep MS,");
    lines.emplace_back("    wait Event[(a, ...)] [TIMEOUT_MS], sim COMMAND (with --demo)");
    lines.emplace_back("help NAME shows a member's parameters, range and dispatch id.");
    return lines;
}

std::optional<std::vector<std::string>> MemberHelpLines(std::string_view name) {
    std::vector<const MemberInfo*> rows;
    for (const MemberInfo& member : DispatchTable()) {
        if (NamesEqual(member.name, name)) {
            rows.push_back(&member);
        }
    }
    if (rows.empty()) {
        return std::nullopt;
    }
    const MemberInfo& first = *rows.front();
    const MemberHelp* help = FindMemberHelp(first.name);
    const std::vector<std::string_view> names =
        help != nullptr ? help->ParameterNames() : std::vector<std::string_view>();
    std::vector<std::string> lines;
    std::string title(first.name);
    title += first.dispid != 0 ? " (dispatch id " + Hex(first.dispid) + ")"
                               : std::string(" (no dispatch id)");
    if (help != nullptr) {
        title += ", " + std::string(help->group);
    }
    lines.push_back(std::move(title));
    for (const MemberInfo* row : rows) {
        lines.push_back("  " + Signature(*row, names));
    }
    DescribeParameters(first, names, lines);
    if (const ParameterRow* row = AddressMapRow(first.name)) {
        std::string range = "  range: " + FormatDouble(row->min) + " to " + FormatDouble(row->max);
        if (!row->unit.empty()) {
            range += " " + std::string(row->unit);
        }
        lines.push_back(std::move(range));
    }
    return lines;
}

}  // namespace kvt::cli
