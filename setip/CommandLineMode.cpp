#include "CommandLineMode.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "SetIpSequence.h"

namespace kvt::setip {

namespace {

constexpr std::string_view kUsage =
    R"(Usage: KVTSetIP [--port PORT] --ip A.B.C.D [--mask A.B.C.D] [--gateway A.B.C.D]
       KVTSetIP --help
       KVTSetIP                (opens the window)

Gives a KVT-80 unit with the Ethernet option its network address over the serial line:
switches DHCP off and sets the address, subnet mask and gateway.

--port PORT      USB (the first USB serial adapter, the default), COM1 to COM9
                 (/dev/ttyS0 to /dev/ttyS8) or a device path such as /dev/ttyUSB0
--ip A.B.C.D     the unit's address
--mask A.B.C.D   default: 255.0.0.0 up to 127.x.x.x, 255.255.0.0 up to 191.x.x.x,
                 255.255.255.0 up to 223.x.x.x, 255.255.255.255 above
--gateway A.B.C.D
                 default: the address with last octet 1

Exit status: 0 configured; 1 the port could not be opened; 2 usage error;
3 no valid response from the unit.
)";

constexpr std::array<std::string_view, 4> kValueOptions = {"--port", "--ip", "--mask", "--gateway"};

bool IsHelp(std::string_view argument) {
    return argument == "--help" || argument == "-h";
}

// The option an argument names, "--ip" for both "--ip" and "--ip=...".
std::optional<std::string_view> ValueOption(std::string_view argument) {
    for (const std::string_view option : kValueOptions) {
        if (argument == option ||
            (argument.starts_with(option) && argument.size() > option.size() &&
             argument[option.size()] == '=')) {
            return option;
        }
    }
    return std::nullopt;
}

std::optional<Ipv4Address>* AddressField(CommandLineOptions& options, std::string_view option) {
    if (option == "--ip") {
        return &options.ip;
    }
    if (option == "--mask") {
        return &options.mask;
    }
    return &options.gateway;
}

// Mask and gateway not given follow the address; an address starting with 0 suggests none.
std::string CompleteAddresses(CommandLineOptions& options) {
    if (options.mask && options.gateway) {
        return {};
    }
    const auto route = SuggestRoute(*options.ip);
    if (!route) {
        return "no mask or gateway follows from an address starting with 0; give --mask and "
               "--gateway";
    }
    options.mask = options.mask.value_or(route->mask);
    options.gateway = options.gateway.value_or(route->gateway);
    return {};
}

}  // namespace

bool AsksToRegister(std::span<const std::string_view> arguments) {
    constexpr std::string_view kRegister = "regserver";
    return std::any_of(arguments.begin(), arguments.end(), [&](std::string_view argument) {
        return std::search(argument.begin(), argument.end(), kRegister.begin(), kRegister.end(),
                           [](char a, char b) {
                               return std::tolower(static_cast<unsigned char>(a)) == b;
                           }) != argument.end();
    });
}

bool IsCommandLineUse(std::span<const std::string_view> arguments) {
    return std::any_of(arguments.begin(), arguments.end(), [](std::string_view argument) {
        return IsHelp(argument) || ValueOption(argument).has_value();
    });
}

ParsedCommandLine ParseCommandLine(std::span<const std::string_view> arguments) {
    ParsedCommandLine parsed;
    CommandLineOptions& options = parsed.options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (IsHelp(argument)) {
            options.help = true;
            continue;
        }
        const auto option = ValueOption(argument);
        if (!option) {
            parsed.error = "unknown argument '" + std::string(argument) + "'";
            return parsed;
        }
        std::string_view value;
        if (argument.size() > option->size()) {
            value = argument.substr(option->size() + 1);
        } else if (i + 1 < arguments.size()) {
            value = arguments[++i];
        } else {
            parsed.error = std::string(*option) + " needs a value";
            return parsed;
        }
        if (*option == "--port") {
            if (value.empty()) {
                parsed.error = "--port needs a port name";
                return parsed;
            }
            options.port = value;
            continue;
        }
        const auto address = ParseAddress(value);
        if (!address) {
            parsed.error = std::string(*option) + ": '" + std::string(value) +
                           "' is not an address of the form A.B.C.D (each 0 to 255)";
            return parsed;
        }
        *AddressField(options, *option) = *address;
    }
    if (!options.help && !options.ip) {
        parsed.error = "--ip is required";
    }
    return parsed;
}

std::string_view UsageText() {
    return kUsage;
}

int RunCommandLine(std::span<const std::string_view> arguments, std::ostream& out,
                   std::ostream& err) {
    ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (parsed.error.empty() && parsed.options.help) {
        out << kUsage;
        return kExitConfigured;
    }
    if (parsed.error.empty()) {
        parsed.error = CompleteAddresses(parsed.options);
    }
    if (!parsed.error.empty()) {
        err << "KVTSetIP: " << parsed.error << "\n\n" << kUsage;
        return kExitUsage;
    }
    const CommandLineOptions& options = parsed.options;
    const SetIpResult result =
        ConfigureNetwork(options.port, {*options.ip, *options.mask, *options.gateway});
    switch (result.outcome) {
        case SetIpOutcome::Configured:
            out << ResultMessage(result) << '\n';
            return kExitConfigured;
        case SetIpOutcome::PortNotOpened:
            err << ResultMessage(result) << '\n';
            return kExitPortNotOpened;
        case SetIpOutcome::NoValidResponse:
            break;
    }
    err << ResultMessage(result) << '\n';
    return kExitNoValidResponse;
}

}  // namespace kvt::setip
