#include "SetIpSequence.h"

#include <cstring>
#include <memory>

#include "UnitCommands.h"
#include "kvtcomm.h"

namespace kvt::setip {

namespace {

constexpr uint32_t kBitRate = 38400;
constexpr uint8_t kDataBits = 8;
constexpr uint8_t kNoParity = 0;
constexpr uint8_t kOneStopBit = 0;
constexpr uint32_t kWriteOnCallingThread = 0;

struct PortCloser {
    void operator()(KVTCommPort* port) const { CloseComm(port, nullptr); }
};
using OpenPort = std::unique_ptr<KVTCommPort, PortCloser>;

SetIpResult NotOpened(std::string reason) {
    SetIpResult result;
    result.outcome = SetIpOutcome::PortNotOpened;
    // The library's words for a permission problem are the only ones that name the group.
    result.permissionDenied = reason.find("dialout") != std::string::npos;
    result.openFailureReason = std::move(reason);
    return result;
}

OpenPort Open(std::string_view portName) {
    KVTCommSettings settings{};
    std::memcpy(settings.portName, portName.data(), portName.size());
    settings.bitRate = kBitRate;
    settings.dataBits = kDataBits;
    settings.parity = kNoParity;
    settings.stopBits = kOneStopBit;
    return OpenPort(OpenComm(settings, nullptr, nullptr, nullptr));
}

// Sends one line and waits for its answer. A write that did not go out cannot be answered.
Reply Exchange(KVTCommHandle port, const std::string& line) {
    const uint32_t status = WriteCommBuf(port, line.data(), static_cast<uint32_t>(line.size()),
                                         kWriteOnCallingThread, nullptr);
    if (status != KVTCOMM_OK || GetCommLastWriteError(port) != KVTCOMM_OK) {
        return {ReplyOutcome::ReadFailed, std::nullopt};
    }
    return WaitForReply(port);
}

}  // namespace

SetIpResult ConfigureNetwork(std::string_view portName, const NetworkAddresses& addresses) {
    // The settings record holds a C string: a longer name, or one with a zero byte inside, would
    // open some other device.
    if (portName.size() > KVTCOMM_PORT_NAME_MAX) {
        return NotOpened("The port name is longer than " + std::to_string(KVTCOMM_PORT_NAME_MAX) +
                         " bytes.");
    }
    if (portName.find('\0') != std::string_view::npos) {
        return NotOpened("The port name contains a zero byte.");
    }
    const OpenPort port = Open(portName);
    if (!port) {
        return NotOpened(GetCommOpenErrorText());
    }
    SetIpResult result;
    for (const std::string& line : SetUpCommands(addresses)) {
        const Reply reply = Exchange(port.get(), line);
        if (reply.outcome != ReplyOutcome::Accepted) {
            result.outcome = SetIpOutcome::NoValidResponse;
            return result;
        }
        result.lastPrompt = reply.selection;
    }
    result.outcome = SetIpOutcome::Configured;
    return result;
}

std::string ResultMessage(const SetIpResult& result) {
    switch (result.outcome) {
        case SetIpOutcome::Configured:
            return std::string(kConfiguredText);
        case SetIpOutcome::NoValidResponse:
            return std::string(kNoResponseText);
        case SetIpOutcome::PortNotOpened:
            break;
    }
    std::string text(kOpenFailedText);
    if (result.permissionDenied && !result.openFailureReason.empty()) {
        text += "\n\n" + result.openFailureReason;
    }
    return text;
}

}  // namespace kvt::setip
