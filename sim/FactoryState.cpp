// The factory contents of a simulated unit. Values are raw words as the engine's address map
// encodes them, chosen so that a fresh unit reads back as a sensible, in-range configuration.
#include <array>
#include <cstdint>
#include <string_view>

#include "UnitState.h"

namespace kvt::sim {

namespace {

struct FactoryWord {
    int block;
    uint32_t address;
    uint32_t value;
};

constexpr uint32_t kDelayWord32ms = 11594 - 48 * 32;  // channel delay word for 32 ms

constexpr std::array kFactoryWords{
    // Preamp processors A and B: 16 kHz slit EQ, mono EQ 10, firmware version 0x18 (also at 20,
    // where firmware above 0x18 keeps its version).
    FactoryWord{1, 7, 0x400000},
    FactoryWord{1, 9, 0x400000},
    FactoryWord{1, 14, 0x00085D},
    FactoryWord{1, 18, 0x000018},
    FactoryWord{1, 20, 0x000018},
    FactoryWord{2, 7, 0x400000},
    FactoryWord{2, 9, 0x400000},
    FactoryWord{2, 14, 0x00085D},
    FactoryWord{2, 18, 0x000018},
    FactoryWord{2, 20, 0x000018},
    // Matrix processor: subwoofer 0 dB (raw -100), delay 10 ms, crossover 80 Hz, 7.1 routing,
    // generator off, firmware version 0x153 (at 30 and 32).
    FactoryWord{3, 6, 0xFFFF9C},
    FactoryWord{3, 8, 0xFFFA60},
    FactoryWord{3, 10, 3},
    FactoryWord{3, 12, 0x000040},
    FactoryWord{3, 30, 0x000153},
    FactoryWord{3, 32, 0x000153},
    // EQ processors: delay words of the four channel regions, sub parametric 40 Hz / Q 1 / 0 dB,
    // 7.1 input configuration, firmware version 0x61 (at 261 and 264).
    FactoryWord{4, 35, kDelayWord32ms},
    FactoryWord{4, 99, kDelayWord32ms},
    FactoryWord{4, 163, kDelayWord32ms},
    FactoryWord{4, 227, kDelayWord32ms},
    FactoryWord{4, 229, 40},
    FactoryWord{4, 230, 0x010000},
    FactoryWord{4, 261, 0x000061},
    FactoryWord{4, 264, 0x000061},
    FactoryWord{5, 35, kDelayWord32ms},
    FactoryWord{5, 99, kDelayWord32ms},
    FactoryWord{5, 163, kDelayWord32ms},
    FactoryWord{5, 227, kDelayWord32ms},
    FactoryWord{5, 261, 0x000061},
    FactoryWord{5, 262, 0x001000},
    FactoryWord{5, 264, 0x000061},
    // EEPROM: no power-on format, buttons 1..8 hold formats 0..7, no formats stored yet.
    FactoryWord{0, 19, 0x80},
    FactoryWord{0, 20, 0},
    FactoryWord{0, 21, 1},
    FactoryWord{0, 22, 2},
    FactoryWord{0, 23, 3},
    FactoryWord{0, 24, 4},
    FactoryWord{0, 25, 5},
    FactoryWord{0, 26, 6},
    FactoryWord{0, 27, 7},
    FactoryWord{0, 28, 0},
};

// Profile text: UTF-16 code units, low byte first, zero-padded to the field.
void WriteProfileText(UnitMemory& memory, uint32_t address, std::string_view text) {
    for (const char c : text) {
        memory.Write(0, address++, static_cast<unsigned char>(c));
        memory.Write(0, address++, 0);
    }
}

}  // namespace

UnitState FactoryState() {
    UnitState state;
    for (const auto& word : kFactoryWords) {
        state.memory.Write(word.block, word.address, word.value);
    }
    WriteProfileText(state.memory, 559, "SIM-000001");
    WriteProfileText(state.memory, 655, "Simulated unit");
    state.log.Set({
        {"240105 091502", "Power on"},
        {"240105 091503", "Format 1 selected"},
        {"240105 093011", "AES/EBU input error"},
        {"240105 093014", "AES/EBU input restored"},
        {"240106 080000", "Power on"},
    });
    return state;
}

}  // namespace kvt::sim
