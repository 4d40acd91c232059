// KVTSetIP without a window, for scripted installs:
//   KVTSetIP [--port P] --ip A.B.C.D [--mask M] [--gateway G]
// runs the same set-up as the window's "Set IP" and reports on the standard streams.
#pragma once

#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "NetworkAddress.h"

namespace kvt::setip {

struct CommandLineOptions {
    std::string port = "USB";
    std::optional<Ipv4Address> ip;
    std::optional<Ipv4Address> mask;
    std::optional<Ipv4Address> gateway;
    bool help = false;
};

struct ParsedCommandLine {
    CommandLineOptions options;
    std::string error;  // empty when the command line is valid
};

// Exit statuses of the command-line form.
inline constexpr int kExitConfigured = 0;
inline constexpr int kExitPortNotOpened = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoValidResponse = 3;

// "regserver" in any argument ("/RegServer", "-regserver"): installers registered the tool this
// way; there is nothing to register here.
bool AsksToRegister(std::span<const std::string_view> arguments);

// True when the arguments (without the program name) use the command-line form's options;
// anything else opens the window.
bool IsCommandLineUse(std::span<const std::string_view> arguments);

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments);

std::string_view UsageText();

// Parses, runs the set-up and returns the exit status. The success text goes to out; usage
// errors and failures go to err.
int RunCommandLine(std::span<const std::string_view> arguments, std::ostream& out,
                   std::ostream& err);

}  // namespace kvt::setip
