#include "ReplyWait.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <thread>

namespace kvt::setip {

namespace {

constexpr char kPrompt = '>';
constexpr char kBell = '\a';
constexpr int kEmptyPolls = static_cast<int>(kReplyAllowance / kPollPause);

std::optional<uint8_t> HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<uint8_t>(c - '0');
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<uint8_t>(c - 'A' + 10);
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<uint8_t>(c - 'a' + 10);
    }
    return std::nullopt;
}

// The reply ends with the prompt; the selection, if any, is the two characters before it.
Reply CompletedReply(std::string_view reply) {
    Reply result;
    result.outcome = reply.find(kBell) == std::string_view::npos ? ReplyOutcome::Accepted
                                                                 : ReplyOutcome::Refused;
    if (reply.size() < 3) {
        return result;
    }
    const auto page = HexDigit(reply[reply.size() - 3]);
    const auto unit = HexDigit(reply[reply.size() - 2]);
    if (page && unit) {
        result.selection = PromptSelection{*page, *unit};
    }
    return result;
}

}  // namespace

Reply WaitForReply(KVTCommHandle port) {
    std::array<char, kReplyBufferSize> buffer{};
    size_t used = 0;
    int emptyPollsLeft = kEmptyPolls;
    for (;;) {
        uint32_t received = 0;
        if (used < buffer.size()) {
            uint32_t error = KVTCOMM_OK;
            received = ReadCommBuf(port, buffer.data() + used,
                                   static_cast<uint32_t>(buffer.size() - used), &error);
            if (error != KVTCOMM_OK) {
                return {ReplyOutcome::ReadFailed, std::nullopt};
            }
        }
        if (received > 0) {
            used += std::min<size_t>(received, buffer.size() - used);
            if (buffer[used - 1] == kPrompt) {
                return CompletedReply(std::string_view(buffer.data(), used));
            }
            continue;
        }
        if (emptyPollsLeft == 0) {
            return {ReplyOutcome::TimedOut, std::nullopt};
        }
        --emptyPollsLeft;
        std::this_thread::sleep_for(kPollPause);
    }
}

}  // namespace kvt::setip
