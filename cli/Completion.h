// Tab completion at the prompt: which word the cursor is in and what it can become.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvt::cli {

// The statement words offered besides the member names.
struct CompletionWords {
    bool help = false;       // help and help NAME (the prompt's own statement)
    bool simulator = false;  // sim COMMAND (only with the built-in simulated unit)
};

struct Completion {
    size_t start = 0;                     // where the word being completed begins in the line
    std::vector<std::string> candidates;  // what it can become, sorted; empty: nothing fits
};

// Completes the word that ends at the end of `line` (the text before the cursor): a member name
// or statement word at the start of a statement, an event name after "wait", a member name after
// "help". Nothing is offered inside arguments or values. Names match without regard to case and
// are offered as the engine spells them; statement words end in a space.
Completion Complete(std::string_view line, const CompletionWords& words);

// The longest text every candidate starts with (letters compared without regard to case), as
// the first candidate spells it.
std::string CommonPrefix(std::span<const std::string> candidates);

// Candidates laid out in columns across width characters, one text per screen line.
std::vector<std::string> Columns(std::span<const std::string> candidates, size_t width);

}  // namespace kvt::cli
