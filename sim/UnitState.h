// UnitState: everything the unit remembers between command lines.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>

#include "SimulatedUnit.h"
#include "UnitClock.h"
#include "UnitEventLog.h"
#include "UnitMemory.h"

namespace kvt::sim {

// The processor or controller chosen with "open PU" (page and unit, 0..15 each).
struct Selection {
    int page = 0;
    int unit = 0;
    bool operator==(const Selection&) const = default;
};

// Parameter block behind a selection: 9/1 -> 1, 9/2 -> 2, 9/3 -> 3, 6/1 -> 4, 6/2 -> 5, 6/B -> 6;
// -1 for none (no selection, or a controller).
int BlockOfSelection(const std::optional<Selection>& selection);

// True for the pairs "open" accepts.
bool IsKnownSelection(const Selection& selection);

struct UnitState {
    std::optional<Selection> selection;
    UnitMemory memory;
    FrontPanel panel;
    UnitClock clock;
    UnitEventLog log;
    bool menuMode = false;
    bool cardPresent = true;
    bool cardOpen = false;
    uint32_t cardSerial = 0;     // last "openmmc" answer with a card present
    uint32_t formatUpdates = 0;  // "formatupdate" lines served
    uint32_t saves = 0;          // "savevals" lines served
    uint32_t analyserFrame = 0;  // frame marker of the last analyser read
    int tornFrames = 0;          // analyser reads still to come with the window half updated
    std::chrono::milliseconds saveDuration{0};
    std::mt19937 random{0x4B5638u};  // fixed seed: a run of the simulator is reproducible
};

// Front-panel buttons 1..8 and the "no button" selection 9.
inline constexpr int kPanelButtons = 8;
inline constexpr int kNoButton = 9;
inline constexpr int kFormatCount = 16;
inline constexpr int kMaxFaderLevel = 100;
inline constexpr uint32_t kEepromButtonTable = 20;  // button 1's entry; button 8's is at 27

// The format button 1..8 holds in the EEPROM button table (block 0, address 20 + button - 1);
// none for other buttons or an entry that names no format (above 15).
std::optional<int> FormatOfButton(const UnitMemory& memory, int button);

// A button press, from the panel or a "button N" line: button 1..9 (anything else is ignored);
// buttons 1..8 also play the format they hold, 9 keeps the format playing.
void PressPanelButton(UnitState& state, int button);

// The memories of a unit as delivered: plausible firmware versions and settings, the factory
// format table and an installation profile.
UnitMemory FactoryMemory();

// The state of a unit as delivered: the factory memories, the front panel at rest and a few log
// entries.
UnitState FactoryState();

}  // namespace kvt::sim
