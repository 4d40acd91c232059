// The command line of kvt80ctl.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvt::cli {

struct CommandLine {
    std::optional<std::string> port;
    std::optional<int32_t> baud;
    bool events = false;
    bool demo = false;
    bool help = false;
    std::vector<std::string> statements;  // -e, in order
    std::optional<std::string> script;    // "-" is standard input
};

struct CommandLineResult {
    CommandLine options;
    std::string error;  // empty when the command line is valid
};

// arguments without the program name.
CommandLineResult ParseCommandLine(std::span<const std::string_view> arguments);

std::string_view UsageText();

}  // namespace kvt::cli
