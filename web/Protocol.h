// The messages a browser sends over the WebSocket, parsed and checked before anything reaches the
// engine.
//
// A message is one JSON object of at most kMaxMessageBytes: {"op": ..., "id": n, ...}. Every key
// is known, every number is finite and inside the range of what it names; anything else is
// refused with a text for the sender, and nothing is done. The parser knows nothing of sockets or
// the engine, so the tests and the fuzzer drive it with bytes alone.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvt::web {

inline constexpr size_t kMaxMessageBytes = 4096;
inline constexpr int kChannels = 8;
inline constexpr int kBands = 27;
inline constexpr int kFormats = 16;

enum class Operation {
    TakeControl,  // {"op":"control"}: this client controls from now on, the other one watches
    Snapshot,     // {"op":"snapshot"}: send the whole state again
    Put,          // {"op":"put","name":...}: one engine property
    Connect,      // {"op":"connect"}
    Disconnect,   // {"op":"disconnect","store":bool,"verify":bool}
    Analyser,     // {"op":"analyser","on":bool}: StartSLA / StopSLA
    Ping,         // {"op":"ping"}: keeps the session alive
};

enum class Property {
    EQBand,             // channel, band, value (dB)
    Bass,               // channel, value (dB)
    Treble,             // channel, value (dB)
    OutputGain,         // channel, value (dB)
    GeneratorChannels,  // value: GeneratorChannel bits; "confirmed" must be true to switch it on
    GeneratorMode,      // value: TestToneMode 0..4
    SLASumAndDiff,      // value: 0 or 1
};

struct ClientMessage {
    Operation operation = Operation::Ping;
    int64_t id = 0;  // echoed in the answer; 0 when the client sent none
    Property property = Property::EQBand;
    int channel = 0;
    int band = 0;
    double value = 0.0;
    bool confirmed = false;
    bool on = false;
    bool store = false;
    bool verify = false;
};

struct ParseResult {
    std::optional<ClientMessage> message;
    int64_t id = 0;     // the message's id when one could be read, for the error answer
    std::string error;  // why the message was refused (empty when message holds one)
};

ParseResult ParseClientMessage(std::string_view text);

std::string_view PropertyName(Property property);

}  // namespace kvt::web
