// The exchange: one command line sent to the unit and its reply received, with the retries and
// waits every command uses; target selection; and the reply forms of the command catalogue.
//
// Every function here runs on the calling thread and needs the link lock (LinkLock), so an
// exchange never overlaps another one.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Timings.h"
#include "protocol/Link.h"
#include "protocol/ReplyParsing.h"

namespace kvt {

struct ExchangeResult {
    int32_t status = 1;    // 0: the unit answered with its prompt; 1: link closed or no answer
    std::string reply;     // the reply from its echo to its prompt
    bool refused = false;  // on failure: the unit answered, but refused the line (BEL)
};

// Sends `line` (ending in "\r") and waits for the whole reply. A reply is complete at its prompt
// after the echo of the line (binary replies after their counted bytes); a BEL in it means the
// unit refused the line and the exchange waits on. `timings.replyWait` of silence (or a reply
// still unfinished after `timings.replyLimit`) is a time-out: the line is sent again after
// `timings.resendPause`, at most `timings.maxSends` times in all. The prompt's selection is stored
// in the link.
ExchangeResult RunExchange(Link& link, const LinkLock& lock, const EngineTimings& timings,
                           std::string_view line, size_t binaryOffset = 0, size_t binaryBytes = 0);

// Brings the unit's serial port to its command prompt: a carriage return, ESC when the menu's
// clear-screen sequence comes back, the carriage return again after `timings.replyWait` of
// silence, at most `timings.maxSends` times. No BEL check: the unit may ring for the bare line.
// 0 at the prompt (its selection stored in the link), 1 otherwise.
int32_t ReachCommandPrompt(Link& link, const LinkLock& lock, const EngineTimings& timings);

// Selects a processor with "open %X%X\r" unless the prompt already shows it.
int32_t SelectTarget(Link& link, const LinkLock& lock, const EngineTimings& timings, int page,
                     int unit);

// Deselects with "close\r" unless nothing is known to be selected.
int32_t CloseTarget(Link& link, const LinkLock& lock, const EngineTimings& timings);

// Reply forms of the catalogue. `status` is the exchange's; `value` is empty when the answer
// could not be parsed (the caller then keeps what it had).
template <typename T>
struct Answer {
    int32_t status = 1;
    std::optional<T> value;
};

// A command answered with one hexadecimal value ("rdval 00 %03X", "button ?", "level ?" ...).
Answer<uint32_t> QueryHex(Link&, const LinkLock&, const EngineTimings&, std::string_view line,
                          std::string_view word, size_t echoLength);
// A command answered with six characters of text ("intl", "picver", version reads).
Answer<std::string> QuerySix(Link&, const LinkLock&, const EngineTimings&, std::string_view line,
                             std::string_view word, size_t echoLength);
// A command answered with one decimal digit ("rdu3").
Answer<int> QueryDigit(Link&, const LinkLock&, const EngineTimings&, std::string_view line,
                       std::string_view word, size_t echoLength);
// A command answered with a tab-separated list of hexadecimal values ("rdval %02X %03X",
// "rdeep %02X %04X", "status").
Answer<std::vector<uint32_t>> QueryTabList(Link&, const LinkLock&, const EngineTimings&,
                                           std::string_view line, std::string_view word,
                                           size_t echoLength, size_t maxCount);
// "rdvalb %02X %02X": count 24-bit words read by byte count.
Answer<std::vector<uint32_t>> QueryBinaryWords(Link&, const LinkLock&, const EngineTimings&,
                                               uint32_t firstAddress, size_t count);

// Command lines of the catalogue.
std::string FormatLine(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Single-value reads of the selected processor: "rdval 00 %03X\r".
Answer<uint32_t> ReadValue(Link&, const LinkLock&, const EngineTimings&, uint32_t address);

}  // namespace kvt
