// UnitInterpreter: the unit's command interpreter, without any I/O or timing of its own.
//
// Bytes go in through Take, which frames them into inputs; Answer executes one input against the
// unit's state and returns the reply bytes: the echo of the line and "\r\n", the answer lines
// each ending "\r\n", and the prompt (the selection as two hex digits, then ">"; ">" alone with
// nothing selected). A refused line answers echo, "\r\n", BEL, "\r\n" and the prompt.
// While the controller runs its boot loader, every line goes to the boot loader instead (one
// answer line, no echo, no prompt; a refusal is "N") and ESC is ignored.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "CommandTable.h"
#include "InputFramer.h"
#include "Reply.h"
#include "UnitState.h"

namespace kvt::sim {

class UnitInterpreter {
  public:
    UnitInterpreter();  // factory state, host clock
    explicit UnitInterpreter(UnitState state);

    std::optional<UnitInput> Take(char byte) { return framer_.Take(byte); }
    void ResetLine() { framer_.Reset(); }

    Reply Answer(const UnitInput& input);
    // The refusal the unit would give this input, without executing it.
    Reply Refusal(const UnitInput& input) const;

    // Takes all bytes and answers every input they complete; the replies back to back.
    std::string Exchange(std::string_view bytes);

    std::string Prompt() const;
    static std::string_view MenuScreen();

    UnitState& State() { return state_; }
    const UnitState& State() const { return state_; }

  private:
    Reply BootLoaderAnswer(const UnitInput& input);

    UnitState state_;
    CommandTable table_;
    InputFramer framer_;
};

}  // namespace kvt::sim
