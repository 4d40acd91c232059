// FaultInjector: decides which injected fault, if any, strikes a received input.
//
// Faults are considered in the order they were injected. A fault matches an input whose text
// starts with its match text ("" matches every input, a lone ESC included, recorded as "\x1b").
// The first matching fault takes the input: while its skip count lasts it lets the input through
// (and uses up one skip), otherwise it strikes and uses up one of its count; a fault with no
// count left is removed. StopAnswering, once it strikes, silences the unit until Clear.
#pragma once

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "SimulatedUnit.h"

namespace kvt::sim {

class FaultInjector {
  public:
    void Add(const Fault& fault);
    void Clear();

    // The fault that strikes this input, if any.
    std::optional<Fault> Consider(std::string_view input);

    // Line noise for the Garbage fault: never '>', BEL or NUL, so it cannot pass for a prompt,
    // a refusal or the end of a text.
    std::string Garbage(size_t size);

  private:
    std::vector<Fault> faults_;
    std::optional<Fault> stoppedBy_;
    std::mt19937 random_{0x6A7Bu};
};

}  // namespace kvt::sim
