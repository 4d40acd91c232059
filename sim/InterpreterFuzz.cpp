#include "InterpreterFuzz.h"

#include <cstdlib>
#include <string_view>

#include "UnitInterpreter.h"

namespace kvt::sim {

namespace {

// The largest reply the unit can give: a full event log, every entry at its longest.
constexpr size_t kMaxReplySize =
    UnitEventLog::kMaxEntries * (UnitEventLog::kMaxDescription + 20) + 1024;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The boot loader answers a line with exactly one line ("K" for "R" is followed by the
// firmware's prompt) and an ESC with nothing.
void CheckBootLoaderReply(const UnitInput& input, bool stillRunning, const std::string& reply,
                          const std::string& prompt) {
    if (input.kind == UnitInput::Kind::Escape) {
        Require(reply.empty());
        return;
    }
    const std::string_view line =
        stillRunning ? std::string_view(reply)
                     : std::string_view(reply).substr(0, reply.size() - prompt.size());
    Require(stillRunning || (reply.ends_with(prompt) && line == "K\r\n"));
    Require(line.size() >= 3 && line.ends_with("\r\n") && line.find('\r') == line.size() - 2);
}

// Outside menu mode every reply starts with its echo and ends with the prompt.
void CheckReply(const UnitInput& input, bool menuBefore, const std::string& reply,
                const std::string& prompt) {
    Require(reply.size() <= kMaxReplySize);
    if (input.kind == UnitInput::Kind::Escape) {
        Require(reply == "\r\n" + prompt);
        return;
    }
    if (menuBefore) {
        Require(reply == UnitInterpreter::MenuScreen());
        return;
    }
    Require(reply.starts_with(input.text + "\r\n"));
    Require(reply.ends_with(prompt));
}

}  // namespace

int SimInterpreterFuzz(const uint8_t* data, size_t size) {
    // A fixed clock keeps every run reproducible.
    UnitState state = FactoryState();
    state.clock = UnitClock([] { return std::chrono::system_clock::time_point{}; });
    if (size > 0) {
        state.menuMode = (data[0] & 1) != 0;
        state.cardPresent = (data[0] & 2) != 0;
        state.controller.bootLoaderRunning = (data[0] & 4) != 0;
    }
    UnitInterpreter interpreter(std::move(state));
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const char byte : bytes.substr(size > 0 ? 1 : 0)) {
        const auto input = interpreter.Take(byte);
        if (!input) {
            continue;
        }
        Require(input->text.size() <= InputFramer::kMaxLineLength);
        const bool menuBefore = interpreter.State().menuMode;
        const bool bootLoaderBefore = interpreter.State().controller.bootLoaderRunning;
        const std::string reply = interpreter.Answer(*input).Bytes();
        if (bootLoaderBefore) {
            CheckBootLoaderReply(*input, interpreter.State().controller.bootLoaderRunning, reply,
                                 interpreter.Prompt());
        } else {
            CheckReply(*input, menuBefore, reply, interpreter.Prompt());
        }
    }
    return 0;
}

}  // namespace kvt::sim
