// Feeds arbitrary bytes to everything that reads a unit's reply: completion and refusal checks
// for text and binary replies, the echo skip, every answer form, and the event-log dump. The bytes
// are also assembled chunk by chunk as the exchange receives them (the chunk sizes taken from the
// bytes themselves), looking at the reply after every chunk and emptying it on a refusal.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "log/EventLog.h"
#include "protocol/ReplyParsing.h"

using namespace kvt;

namespace {

// The exchange's view of a reply arriving in pieces: the reply is looked at after every chunk and
// emptied on a refusal; a complete reply found at some chunk must lie inside what has arrived.
void AssembleInChunks(std::string_view bytes) {
    ReplyExpectation expected;
    expected.echo = "rdval 00 012";
    std::string buffer;
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t chunk = 1 + static_cast<unsigned char>(bytes[at]) % 64;
        const std::string_view piece = bytes.substr(at, chunk);
        at += piece.size();
        buffer.append(piece);
        const ReplyCheck check = CheckReply(buffer, expected);
        if (check.state == ReplyState::Refused) {
            buffer.clear();
        } else if (check.state == ReplyState::Complete) {
            if (check.promptPos >= buffer.size() || check.start > check.promptPos) {
                __builtin_trap();
            }
            return;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    for (const LogEntry& entry : ParseEventLog(bytes)) {
        if (entry.description.size() > kMaxLogDescription || entry.date < 0 || entry.time < 0) {
            __builtin_trap();
        }
    }

    for (const char* echo : {"rdval 00 012", "rdvalb 3F 1A", "", "status"}) {
        ReplyExpectation expected;
        expected.echo = echo;
        if (expected.echo.rfind("rdvalb", 0) == 0) {
            expected.binaryOffset = 15;
            expected.binaryBytes = 192;
        }
        const ReplyCheck check = CheckReply(bytes, expected);
        if (check.state != ReplyState::Incomplete) {
            if (check.promptPos >= size || check.start > check.promptPos) {
                __builtin_trap();
            }
            (void)ReadPromptSelection(bytes, check.promptPos);
        }
    }
    for (size_t position = 0; position < 4 && position <= size; ++position) {
        (void)ReadPromptSelection(bytes, position);
    }

    const std::string_view answer = AnswerText(bytes, "rdval", 12);
    if (answer.data() != nullptr &&
        (answer.data() < bytes.data() || answer.data() + answer.size() > bytes.data() + size)) {
        __builtin_trap();
    }
    (void)ParseHexValue(answer);
    (void)ParseSixCharacters(answer);
    (void)ParseDigit(answer);
    if (ParseTabList(answer, 45).size() > 45) {
        __builtin_trap();
    }
    (void)ParseBinaryWords(bytes, "rdvalb", 15, 64);
    AssembleInChunks(bytes);
    return 0;
}
