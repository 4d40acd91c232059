// Waiting for the unit's answer to one command line, on a port opened for polling.
//
// A reply is complete when a read ends with the prompt character '>'. The wait allows 1000 ms of
// silence, counted as 50 empty polls 20 ms apart; bytes arriving do not use it up. At most 255
// bytes are kept: a unit that keeps talking without a prompt fills them, and from then on every
// poll counts as empty, so the wait still ends.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "kvtcomm.h"

namespace kvt::setip {

inline constexpr size_t kReplyBufferSize = 255;
inline constexpr std::chrono::milliseconds kReplyAllowance{1000};
inline constexpr std::chrono::milliseconds kPollPause{20};

// The selection the prompt shows: "9F>" is page 9, unit F.
struct PromptSelection {
    uint8_t page = 0;
    uint8_t unit = 0;
};

enum class ReplyOutcome {
    Accepted,    // ended with the prompt
    Refused,     // ended with the prompt, but the unit rang the bell: it did not take the line
    TimedOut,    // no prompt within the allowance
    ReadFailed,  // the port reported an error
};

struct Reply {
    ReplyOutcome outcome = ReplyOutcome::TimedOut;
    std::optional<PromptSelection> selection;  // when the two characters before '>' are hex digits
};

Reply WaitForReply(KVTCommHandle port);

}  // namespace kvt::setip
