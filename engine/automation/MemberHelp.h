// Help on the members for a person at a prompt: the group each member belongs to and the names of
// its parameters. The dispatch table has the kinds and types, the address map the ranges and
// units; this table adds only what neither knows.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace kvt {

struct MemberHelp {
    std::string_view group;
    std::string_view name;
    // Comma-separated names of a property's index parameters (its value not included), or of all
    // of a method's parameters in order, out-parameters too. Empty when there are none.
    std::string_view parameters;

    std::vector<std::string_view> ParameterNames() const;
};

// Every member of the dispatch table once, by name, in the order help lists them: group by group.
std::span<const MemberHelp> MemberHelpTable();
// The row of that name (case-insensitive), or null.
const MemberHelp* FindMemberHelp(std::string_view name);

struct IndexRange {
    int first;
    int last;
};
// The values an index parameter accepts, by its name (Channel: 0 to 7), when it is an index.
std::optional<IndexRange> IndexRangeOf(std::string_view parameter);

}  // namespace kvt
