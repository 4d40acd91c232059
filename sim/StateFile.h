// StateFile: a unit's memories, front panel and clock offset as a small text file, so a test or a
// user can preset a simulated unit and keep what a session left in it.
//
// One entry per line; blanks and tabs separate fields; '#' starts a comment that runs to the end
// of the line; empty lines are ignored. Everything the file does not mention stays as delivered
// from the factory:
//
//   B AAA VVVVVV                         memory word: block 0..6, address, value (hex)
//   panel BUTTON PROJECTOR LEVEL MUTED AESERROR [FORMAT]
//                                        front panel (decimal; MUTED, AESERROR 0 or 1; FORMAT
//                                        0..15, written always, optional when read)
//   clock SECONDS                        clock offset from the host's local time (signed decimal)
//
// A later line for the same word replaces an earlier one. A panel line without a format (files
// from before the format was kept), or a file without a panel line, plays the format its button
// holds in the file's EEPROM button table (format 0 for button 9 or an entry above 15).
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "SimulatedUnit.h"
#include "UnitMemory.h"

namespace kvt::sim {

struct StateSnapshot {
    UnitMemory memory;
    FrontPanel panel;
    std::chrono::seconds clockOffset{0};
};

// Largest state file read; a complete unit takes well under a tenth of it.
inline constexpr size_t kMaxStateFileBytes = size_t{4} * 1024 * 1024;

// The text of a state file: the words that differ from the factory memories, the panel and the
// clock.
std::string FormatStateFile(const StateSnapshot& snapshot);

struct ParsedState {
    std::optional<StateSnapshot> snapshot;  // empty when the text was refused
    std::string error;                      // "line N: reason" when refused
};

// The factory state with the file's lines applied; the first malformed line refuses the lot.
ParsedState ParseStateFile(std::string_view text);

// Whole-file helpers; false with a message in error.
bool ReadTextFile(const std::string& path, size_t maxBytes, std::string& text, std::string& error);
// Writes a temporary file beside path and renames it over path, so a reader never sees half a
// file and a failed write leaves the old file.
bool ReplaceTextFile(const std::string& path, std::string_view text, std::string& error);

}  // namespace kvt::sim
