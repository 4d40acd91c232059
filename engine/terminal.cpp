// Terminal access: bringing the unit's serial port to its command prompt, terminal mode (every
// chunk the unit sends raised as TerminalData, the worker quiet) and sending text as typed.
#include "KVT80.h"
#include "text/Codepage.h"

namespace kvt {

namespace {

// The text a WriteStringDirect sends at most: the unit's line buffer.
constexpr size_t kMaxDirectText = 255;

}  // namespace

int32_t KVT80::EnterCommandInterpreter() {
    return WithLink([](Link& link, const LinkLock& lock, const EngineTimings& timings) {
        return link.IsOpen() ? ReachCommandPrompt(link, lock, timings) : status::NoUnit;
    });
}

int32_t KVT80::get_TerminalLogging(Variant* value) {
    if (value == nullptr) {
        return status::InvalidArgument;
    }
    *value = Variant::Bool(terminalLogging_.load());
    return status::Ok;
}

// The low 16 bits of the value decide, whatever its type: VARIANT_TRUE switches terminal mode on
// and the worker off; 0 switches it off and declares the unit ready (the worker writes and polls
// at once); anything else switches it off and leaves the ready flag as it is.
int32_t KVT80::put_TerminalLogging(const Variant& value) {
    const uint16_t bits = static_cast<uint16_t>(value.Int32());
    if (bits == static_cast<uint16_t>(VARIANT_TRUE)) {
        terminalLogging_ = true;
        CloseGate();
    } else {
        terminalLogging_ = false;
        if (bits == 0) {
            OpenGate();
        }
    }
    return status::Ok;
}

int32_t KVT80::get_TerminalLogFilename(Variant*) {
    return status::NotSupported;
}

// Sends the text as it stands, without a line end and without waiting for an answer: the unit's
// echo and answer come back as TerminalData. Outside terminal mode nothing is sent. A text longer
// than the unit's line buffer (255 characters), or with a character the unit's 8-bit text cannot
// carry, is refused with 87 rather than cut or altered, so a person never has half a command or a
// different one carried out. (A null string cannot reach this interface; the dispatch layer
// refuses a missing argument.)
int32_t KVT80::WriteStringDirect(const std::u16string& text) {
    const std::optional<std::string> bytes = ToCp1252(text);
    if (text.size() > kMaxDirectText || !bytes) {
        return status::InvalidArgument;
    }
    if (!terminalLogging_.load() || !link_.IsOpen()) {
        return status::Ok;
    }
    WithLink([&](Link& link, const LinkLock& lock, const EngineTimings&) {
        if (terminalLogging_.load()) {
            link.Send(lock, *bytes);
        }
    });
    return status::Ok;
}

}  // namespace kvt
