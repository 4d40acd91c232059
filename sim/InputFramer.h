// InputFramer: turns the bytes arriving at the unit into inputs for its command interpreter.
// A carriage return ends a command line; line feeds are ignored (so "\r\n" is one line end);
// backspace and DEL take back the last character; a lone ESC byte is an input of its own and
// drops any half-typed line. Lines are bounded: characters past the limit are dropped and the
// line is marked so that the interpreter refuses it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kvt::sim {

struct UnitInput {
    enum class Kind { Line, Escape };
    Kind kind = Kind::Line;
    std::string text;       // the line without its carriage return
    bool overflow = false;  // the line was longer than the unit's line buffer
};

class InputFramer {
  public:
    static constexpr size_t kMaxLineLength = 255;

    std::optional<UnitInput> Take(char byte);
    void Reset();

  private:
    std::string line_;
    bool overflow_ = false;
};

}  // namespace kvt::sim
