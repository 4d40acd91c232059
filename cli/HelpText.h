// The prompt's help: the members by group, and one member's kinds, parameters, range and
// dispatch identifier, from the dispatch table, the address map and the engine's help table.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvt::cli {

// "help": every member under its group's title, then the statements.
std::vector<std::string> MemberListHelp();

// "help NAME" (case-insensitive); nullopt when no member has that name.
std::optional<std::vector<std::string>> MemberHelpLines(std::string_view name);

}  // namespace kvt::cli
