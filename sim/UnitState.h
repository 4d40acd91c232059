// UnitState: everything the unit remembers between command lines.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
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
    // The working memories: what the processors run on and what every read and write reaches.
    // Block 0, the EEPROM, is non-volatile itself, so a write to it is kept at once.
    UnitMemory memory;
    // What each signal processor (blocks 1..6) keeps over a power cycle: its working memory as of
    // its last "savevals". Block 0 is not used here.
    UnitMemory stored;
    FrontPanel panel;
    UnitClock clock;
    UnitEventLog log;
    bool menuMode = false;
    bool cardPresent = true;
    bool cardOpen = false;    // after an "openmmc" answer other than FFFFFF, until "closemmc"
    uint32_t cardSerial = 0;  // last "openmmc" answer naming a card
    std::deque<uint32_t> cardAnswers;  // what the next "openmmc" lines answer, before the usual
    CardWords cardImage;               // what writes reached the card while it was open
    uint32_t formatUpdates = 0;        // "formatupdate" lines served
    uint32_t saves = 0;                // "savevals" lines served since power-on
    int failingSaves = 0;              // "savevals" lines still to come that fail
    uint32_t powerOns = 87;            // power-on count in the status report
    uint32_t analyserFrame = 0;        // frame marker of the last analyser read
    int tornFrames = 0;                // analyser reads still to come with the window half updated
    std::chrono::milliseconds saveDuration{0};
    std::mt19937 random{0x4B5638u};  // fixed seed: a run of the simulator is reproducible
};

// Front-panel buttons 1..8 and the "no button" selection 9.
inline constexpr int kPanelButtons = 8;
inline constexpr int kNoButton = 9;
inline constexpr int kFormatCount = 16;
inline constexpr int kMaxFaderLevel = 100;
inline constexpr uint32_t kEepromPowerOnEntry = 19;  // the button (0..7) played at power-on
inline constexpr uint32_t kEepromButtonTable = 20;   // button 1's entry; button 8's is at 27

// The format button 1..8 holds in the EEPROM button table (block 0, address 20 + button - 1);
// none for other buttons or an entry that names no format (above 15).
std::optional<int> FormatOfButton(const UnitMemory& memory, int button);

// A button press, from the panel or a "button N" line: button 1..9 (anything else is ignored);
// buttons 1..8 also play the format they hold, 9 keeps the format playing.
void PressPanelButton(UnitState& state, int button);

// The word a block keeps over a power cycle: the EEPROM itself for block 0, a processor's stored
// memory for blocks 1..6; 0 outside the memories.
uint32_t StoredWord(const UnitState& state, int block, uint32_t address);

// A word as the unit was delivered or set up: working and stored memory both hold it.
void PresetWord(UnitState& state, int block, uint32_t address, uint32_t value);
// All memories at once, working and stored alike.
void PresetMemory(UnitState& state, const UnitMemory& memory);

// "savevals" on a processor (block 1..6): its working memory becomes its stored memory.
void StoreProcessorMemory(UnitState& state, int block);

// A write line's word: into the card image while the card is open, else into the working memory.
void WriteWord(UnitState& state, int block, uint32_t address, uint32_t value);

// The unit switched off and on. Every processor's working memory returns to its stored memory;
// nothing is selected, the card is closed and the serial port shows the prompt. The front panel
// plays the power-on button's format (EEPROM 19 names button 0..7; any other entry keeps the
// button and format); the fader, mute, projector and AES/EBU state stay. The EEPROM, the card
// image, the clock and the event log stay; the power-on count goes up and the save count starts
// again from 0.
void PowerCycleUnit(UnitState& state);

// The memories of a unit as delivered: plausible firmware versions and settings, the factory
// format table and an installation profile.
UnitMemory FactoryMemory();

// The state of a unit as delivered: the factory memories, the front panel at rest and a few log
// entries.
UnitState FactoryState();

}  // namespace kvt::sim
