// UnitState: everything the unit remembers between command lines.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "RoomModel.h"
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

// The control card's microcontroller: its memories and whether it runs its boot loader or the
// firmware.
struct ControllerState {
    ControllerMemories memories;
    bool bootLoaderRunning = false;
    bool firmwareMissing = false;  // program memory erased and no "R" since
    std::string version;           // the version text the firmware last started with
};

// Where a signal processor stands in a program download.
enum class ProcessorStage {
    Running,  // its program runs
    BootRom,  // held in reset by "dspreset" and released into its boot ROM
    Stub,     // running the download stub after "dspstub": program memory may be written
};

inline constexpr int kProgramProcessors = 5;            // blocks 1..5
inline constexpr uint32_t kProgramMemoryWords = 16384;  // 24 bits each

// One signal processor's program (blocks 1..5).
struct SignalProcessor {
    ProcessorStage stage = ProcessorStage::Running;
    std::vector<uint32_t> program;        // what the control card keeps and loads at power-up
    std::vector<uint32_t> programMemory;  // what the stub was given; kProgramMemoryWords words
                                          // while the stage is Stub, empty otherwise
    uint32_t wordsWritten = 0;            // 1 + the highest address the stub was given
    bool dead = false;                    // does not respond to the control card
};

struct UnitState {
    std::optional<Selection> selection;
    // The working memories: what the processors run on and what every read and write reaches.
    // Block 0, the EEPROM, is non-volatile itself, so a write to it is kept at once.
    UnitMemory memory;
    // What each signal processor (blocks 1..6) keeps over a power cycle: its working memory as of
    // its last "savevals". Block 0 is not used here.
    UnitMemory stored;
    FrontPanel panel;
    NetworkSettings network;  // non-volatile: a power cycle keeps it
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
    ControllerState controller;
    std::array<SignalProcessor, kProgramProcessors> processors;  // blocks 1..5
    int corruptProgramWrites = 0;  // "wrpm" lines still to come that store their first word wrong
    // The room the analyser hears, from a room file; none: the built-in room (RoomModel).
    std::shared_ptr<const RoomDescription> room;
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

// The unit switched off and on. Every processor's working memory returns to its stored memory,
// and every processor runs the program the control card keeps (a download not finished with
// "dsprun" is lost). Nothing is selected, the card is closed and the serial port shows the prompt.
// The front panel plays the power-on button's format (EEPROM 19 names button 0..7; any other entry
// keeps the button and format); the fader, mute, projector and AES/EBU state stay. The EEPROM, the
// card image, the network settings, the clock and the event log stay; the power-on count goes up
// and the save count starts again from 0. The controller starts its firmware, or its boot loader
// while the firmware is missing.
void PowerCycleUnit(UnitState& state);

// The unit switched off and on with S5 on the control card held: as PowerCycleUnit, but the
// controller runs its boot loader.
void PowerCycleUnitHoldingS5(UnitState& state);

// The controller's firmware starts: the boot loader stops and the firmware takes its version from
// the user ID.
void StartControllerFirmware(ControllerState& controller);

// The firmware's version text ("picver"): the user ID's first six bytes when they are all
// printable ASCII, else the text the firmware last started with.
std::string ControllerVersion(const ControllerState& controller);

// The processor behind block 1..5; nullptr for any other block.
SignalProcessor* ProcessorOfBlock(UnitState& state, int block);
const SignalProcessor* ProcessorOfBlock(const UnitState& state, int block);

// The memories of a unit as delivered: plausible firmware versions and settings, the factory
// format table and an installation profile.
UnitMemory FactoryMemory();

// The state of a unit as delivered: the factory memories, the front panel at rest, a few log
// entries, the controller's firmware and every processor's program.
UnitState FactoryState();

}  // namespace kvt::sim
