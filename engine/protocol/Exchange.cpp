#include "protocol/Exchange.h"

#include <cstdarg>
#include <cstdio>
#include <thread>

namespace kvt {

namespace {

constexpr size_t kBinaryEchoLength = 15;  // "rdvalb 00 00\r\n\r"

ReplyExpectation ExpectationFor(std::string_view line, size_t binaryOffset, size_t binaryBytes) {
    ReplyExpectation expected;
    expected.echo = std::string(line);
    while (!expected.echo.empty() &&
           (expected.echo.back() == '\r' || expected.echo.back() == '\n')) {
        expected.echo.pop_back();
    }
    expected.binaryOffset = binaryOffset;
    expected.binaryBytes = binaryBytes;
    return expected;
}

// What one look at the collected bytes found.
struct Inspection {
    ReplyState state = ReplyState::Incomplete;
    size_t collected = 0;  // bytes left in the buffer
    std::string reply;     // complete: from the echo to the prompt
    PromptSelection selection;
};

Inspection Inspect(std::string& buffer, const ReplyExpectation& expected) {
    const ReplyCheck check = CheckReply(buffer, expected);
    Inspection found{check.state, buffer.size(), {}, {}};
    if (check.state == ReplyState::Complete) {
        found.reply = buffer.substr(check.start, check.promptPos + 1 - check.start);
        found.selection = ReadPromptSelection(buffer, check.promptPos);
    } else if (check.state == ReplyState::Refused) {
        buffer.clear();  // keep listening for whatever follows the refusal
        found.collected = 0;
    }
    return found;
}

constexpr std::string_view kClearScreen = "[2J";  // the unit's menu starts with ESC "[2J"
constexpr std::string_view kEscape = "\x1b";
constexpr std::string_view kCarriageReturn = "\r";

}  // namespace

ExchangeResult RunExchange(Link& link, const LinkLock& lock, const EngineTimings& timings,
                           std::string_view line, size_t binaryOffset, size_t binaryBytes) {
    if (!link.IsOpen()) {
        return {};
    }
    const ReplyExpectation expected = ExpectationFor(line, binaryOffset, binaryBytes);
    bool refused = false;
    for (int send = 0; send < timings.maxSends; ++send) {
        if (send > 0) {
            std::this_thread::sleep_for(timings.resendPause);
        }
        link.Arm(lock);
        if (!link.Send(lock, line)) {
            continue;  // the line did not go out: as good as a time-out, without the wait
        }
        // Silence of replyWait is a time-out; a unit that keeps talking without ever ending its
        // reply is cut off after replyLimit.
        const auto deadline = std::chrono::steady_clock::now() + timings.replyLimit;
        size_t seen = 0;
        while (std::chrono::steady_clock::now() < deadline &&
               link.WaitForMore(lock, seen, timings.replyWait)) {
            Inspection found = link.InspectReply(
                lock, [&](std::string& buffer) { return Inspect(buffer, expected); });
            seen = found.collected;
            if (found.state == ReplyState::Complete) {
                link.SetSelection(lock, found.selection);
                link.Disarm(lock);
                return {0, std::move(found.reply)};
            }
            // Refused: keep listening; only silence makes the line go out again.
            refused = refused || found.state == ReplyState::Refused;
        }
    }
    link.Disarm(lock);
    ExchangeResult failed;
    failed.refused = refused;
    return failed;
}

int32_t SelectTarget(Link& link, const LinkLock& lock, const EngineTimings& timings, int page,
                     int unit) {
    if (link.Selection(lock) == PromptSelection{page, unit}) {
        return 0;
    }
    return RunExchange(link, lock, timings, FormatLine("open %X%X\r", page, unit)).status;
}

int32_t CloseTarget(Link& link, const LinkLock& lock, const EngineTimings& timings) {
    if (link.Selection(lock) == PromptSelection{}) {
        return 0;
    }
    link.SetSelection(lock, {});
    return RunExchange(link, lock, timings, "close\r").status;
}

namespace {

// Runs the exchange and, when the unit answered, parses the text after the echo skip.
template <typename Parse>
auto QueryText(Link& link, const LinkLock& lock, const EngineTimings& timings,
               std::string_view line, std::string_view word, size_t echoLength, Parse parse) {
    using Value = typename decltype(parse(std::string_view()))::value_type;
    const ExchangeResult result = RunExchange(link, lock, timings, line);
    if (result.status != 0) {
        return Answer<Value>{result.status, std::nullopt};
    }
    return Answer<Value>{0, parse(AnswerText(result.reply, word, echoLength))};
}

}  // namespace

Answer<uint32_t> QueryHex(Link& link, const LinkLock& lock, const EngineTimings& timings,
                          std::string_view line, std::string_view word, size_t echoLength) {
    return QueryText(link, lock, timings, line, word, echoLength, ParseHexValue);
}

Answer<std::string> QuerySix(Link& link, const LinkLock& lock, const EngineTimings& timings,
                             std::string_view line, std::string_view word, size_t echoLength) {
    return QueryText(link, lock, timings, line, word, echoLength,
                     [](std::string_view answer) -> std::optional<std::string> {
                         if (answer.empty()) {
                             return std::nullopt;
                         }
                         return ParseSixCharacters(answer);
                     });
}

Answer<int> QueryDigit(Link& link, const LinkLock& lock, const EngineTimings& timings,
                       std::string_view line, std::string_view word, size_t echoLength) {
    return QueryText(link, lock, timings, line, word, echoLength, ParseDigit);
}

Answer<std::vector<uint32_t>> QueryTabList(Link& link, const LinkLock& lock,
                                           const EngineTimings& timings, std::string_view line,
                                           std::string_view word, size_t echoLength,
                                           size_t maxCount) {
    return QueryText(link, lock, timings, line, word, echoLength,
                     [maxCount](std::string_view answer) {
                         return std::optional(ParseTabList(answer, maxCount));
                     });
}

Answer<std::vector<uint32_t>> QueryBinaryWords(Link& link, const LinkLock& lock,
                                               const EngineTimings& timings, uint32_t firstAddress,
                                               size_t count) {
    // Two hex digits each: the echo, and with it the data's offset, has a fixed length.
    if (count == 0 || count > 256 || firstAddress > 0xFF) {
        return {1, std::nullopt};
    }
    const std::string line =
        FormatLine("rdvalb %02X %02X\r", static_cast<unsigned>(count - 1), firstAddress);
    const ExchangeResult result =
        RunExchange(link, lock, timings, line, kBinaryEchoLength, 3 * count);
    if (result.status != 0) {
        return {result.status, std::nullopt};
    }
    return {0, ParseBinaryWords(result.reply, "rdvalb", kBinaryEchoLength, count)};
}

std::string FormatLine(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) {
        return {};
    }
    return std::string(buffer, std::min(static_cast<size_t>(n), sizeof buffer - 1));
}

Answer<uint32_t> ReadValue(Link& link, const LinkLock& lock, const EngineTimings& timings,
                           uint32_t address) {
    return QueryHex(link, lock, timings, FormatLine("rdval 00 %03X\r", address), "rdval", 12);
}

// Waits for the prompt after a carriage return. A menu screen is left with ESC; silence sends the
// carriage return again, up to `timings.maxSends` times in all. A BEL is no refusal here: the
// unit may ring it for a line it did not know.
int32_t ReachCommandPrompt(Link& link, const LinkLock& lock, const EngineTimings& timings) {
    link.Arm(lock);
    if (!link.Send(lock, kCarriageReturn)) {
        link.Disarm(lock);
        return 1;
    }
    size_t seen = 0;
    int silences = 0;
    while (true) {
        if (!link.WaitForMore(lock, seen, timings.replyWait)) {
            if (++silences >= timings.maxSends || !link.Send(lock, kCarriageReturn)) {
                link.Disarm(lock);
                return 1;
            }
            continue;
        }
        enum class Seen { Menu, Prompt, Nothing };
        PromptSelection selection;
        const Seen what = link.InspectReply(lock, [&](std::string& reply) {
            if (reply.find(kClearScreen) != std::string::npos) {
                reply.clear();
                return Seen::Menu;
            }
            const size_t prompt = reply.rfind(kPrompt);
            if (prompt == std::string::npos) {
                return Seen::Nothing;
            }
            selection = ReadPromptSelection(reply, prompt);
            return Seen::Prompt;
        });
        switch (what) {
            case Seen::Menu:
                seen = 0;
                if (!link.Send(lock, kEscape)) {
                    link.Disarm(lock);
                    return 1;
                }
                break;
            case Seen::Prompt:
                link.Disarm(lock);
                link.SetSelection(lock, selection);
                return 0;
            case Seen::Nothing:
                seen =
                    link.InspectReply(lock, [](const std::string& reply) { return reply.size(); });
                break;
        }
    }
}

}  // namespace kvt
