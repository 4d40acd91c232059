// The whole set-up of a unit's network address over its serial port: open the port (38400 bit/s,
// 8 data bits, no parity, one stop bit), send the set-up lines one by one, each answered before
// the next goes out, and close the port again. The first line that gets no valid answer ends
// the set-up; nothing after it is sent. The port is closed on every path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "NetworkAddress.h"
#include "ReplyWait.h"

namespace kvt::setip {

enum class SetIpOutcome {
    Configured,
    PortNotOpened,
    NoValidResponse,
};

struct SetIpResult {
    SetIpOutcome outcome = SetIpOutcome::PortNotOpened;
    // PortNotOpened: why, in words. The library keeps it per thread, so it is taken here, on the
    // thread that tried to open the port.
    std::string openFailureReason;
    bool permissionDenied = false;
    // The selection the last prompt showed (not needed for the set-up itself).
    std::optional<PromptSelection> lastPrompt;
};

SetIpResult ConfigureNetwork(std::string_view portName, const NetworkAddresses& addresses);

// What the user is told about a result: the three message texts, and on a permission problem a
// second paragraph saying what to do.
std::string ResultMessage(const SetIpResult& result);

inline constexpr std::string_view kProgramTitle = "KVT-80 SetIP";
inline constexpr std::string_view kOpenFailedText = "Failed to open communication port";
inline constexpr std::string_view kNoResponseText =
    "Failed to receive a valid response from a KVT-80 unit";
inline constexpr std::string_view kConfiguredText =
    "KVT-80 IP address information was successfully configured";

}  // namespace kvt::setip
