// Reading the unit's replies.
//
// A reply is everything the unit sent for one command line, assembled from however many chunks
// the transport delivered: the echo of the line, the answer, and the prompt "PU>" whose two
// characters show the selected processor (page, unit). These functions work on the assembled bytes
// and never read outside them, whatever the bytes are.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvt {

constexpr char kPrompt = '>';
constexpr char kBell = '\x07';

// The prompt selection: the two characters in front of the prompt; -1 means unknown.
struct PromptSelection {
    int page = -1;
    int unit = -1;
    friend bool operator==(const PromptSelection&, const PromptSelection&) = default;
};

// A prompt character's value: '0'..'9' give 0..9, 'B' 11, 'F' 15, anything else 0.
int PromptCharValue(char c);

// Selection shown by the prompt at promptPos; unknown when fewer than two characters precede it.
PromptSelection ReadPromptSelection(std::string_view reply, size_t promptPos);

// What the exchange expects of a reply.
struct ReplyExpectation {
    std::string echo;         // the line as the unit echoes it (without "\r"); empty: no echo
    size_t binaryOffset = 0;  // binary replies: data starts this far from the echo's start
    size_t binaryBytes = 0;   // binary replies: number of data bytes (0: a text reply)
    bool bellRefuses = true;  // a BEL in the reply means the unit refused the line
};

enum class ReplyState { Incomplete, Complete, Refused };

struct ReplyCheck {
    ReplyState state = ReplyState::Incomplete;
    size_t start = 0;      // where the reply's echo starts (0 when no echo is expected)
    size_t promptPos = 0;  // the terminating prompt, when complete
};

// Decides whether the assembled bytes hold the whole reply: the echo, then (for binary replies)
// the counted data bytes, then the prompt as the last character sent, at the start of its line
// (only the two selection characters before it). Bytes before the echo (line noise, the tail of
// an earlier reply) are ignored; when the echo is expected but absent the reply is incomplete.
ReplyCheck CheckReply(std::string_view buffer, const ReplyExpectation& expected);

// The answer of a text reply: from the echo skip (the first position of the command word plus the
// echo template length, then any CR, LF and TAB) up to the prompt's selection characters. Parsing
// starts at the reply's start when the word is absent. The exchange hands over replies that begin
// at their echo, so the first match is the echo itself.
std::string_view AnswerText(std::string_view reply, std::string_view word, size_t echoLength);

// One hexadecimal value, read as "%x" reads it; nullopt when there is none.
std::optional<uint32_t> ParseHexValue(std::string_view answer);

// Up to six characters of text, ending early at a line end.
std::string ParseSixCharacters(std::string_view answer);

// One character as a decimal digit.
std::optional<int> ParseDigit(std::string_view answer);

// Hexadecimal values separated by tabs (CR and LF also separate), at most maxCount of them,
// stopping at the first field that is not a number.
std::vector<uint32_t> ParseTabList(std::string_view answer, size_t maxCount);

// count 24-bit words, three bytes each, most significant first, starting offset bytes after the
// first position of the command word; nullopt when the reply is too short or the word is absent.
std::optional<std::vector<uint32_t>> ParseBinaryWords(std::string_view reply, std::string_view word,
                                                      size_t offset, size_t count);

// Sign extension of a 24-bit two's-complement word.
constexpr int32_t SignExtend24(uint32_t word) {
    word &= 0xFFFFFFu;
    return (word & 0x800000u) != 0 ? static_cast<int32_t>(word | 0xFF000000u)
                                   : static_cast<int32_t>(word);
}

}  // namespace kvt
