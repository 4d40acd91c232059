// The factory contents of a simulated unit. Values are raw words as the engine's address map
// encodes them, chosen so that a fresh unit reads back as a sensible, in-range configuration.
#include <array>
#include <cstdint>
#include <random>
#include <string_view>

#include "UnitState.h"

namespace kvt::sim {

namespace {

struct FactoryWord {
    int block;
    uint32_t address;
    uint32_t value;
};

// A signed value (dB x 10, delay x -144, ...) as a 24-bit two's-complement word.
constexpr uint32_t Word24(int value) {
    return static_cast<uint32_t>(value) & 0xFFFFFFu;
}

constexpr uint32_t DelayWord(int ms) {
    return static_cast<uint32_t>(11594 - 48 * ms);
}

constexpr int kInputDelayMs = 40;     // digital input delay, every region of block 4
constexpr int kSurroundDelayMs = 12;  // added in block 5 (7.1 input: all four regions)
constexpr uint32_t kHeadroomStep1 = 0xDA9D00;

constexpr std::array kFactoryWords{
    // Preamp processor A: projector gains 0 dB, aux -2 dB, mic +6 dB, slit EQ 16 / 14 kHz,
    // mono EQ 10, firmware version 0x18 (also at 20, where firmware above 0x18 keeps it).
    FactoryWord{1, 2, Word24(0)},
    FactoryWord{1, 3, Word24(0)},
    FactoryWord{1, 4, Word24(-20)},
    FactoryWord{1, 5, Word24(60)},
    FactoryWord{1, 7, 0x400000},
    FactoryWord{1, 9, 0x380000},
    FactoryWord{1, 14, 0x00085D},
    FactoryWord{1, 18, 0x000018},
    FactoryWord{1, 20, 0x000018},
    // Preamp processor B: the right side, its projector gains trimmed by +0.5 / -0.5 dB.
    FactoryWord{2, 2, Word24(5)},
    FactoryWord{2, 3, Word24(-5)},
    FactoryWord{2, 4, Word24(-20)},
    FactoryWord{2, 5, Word24(60)},
    FactoryWord{2, 7, 0x400000},
    FactoryWord{2, 9, 0x380000},
    FactoryWord{2, 14, 0x00085D},
    FactoryWord{2, 18, 0x000018},
    FactoryWord{2, 20, 0x000018},
    // Matrix processor: non-sync -6 dB, surround -3 dB (both words), subwoofer 0 dB (raw -100),
    // delay 20 ms, crossover 80 Hz, 7.1 routing, generator off, firmware version 0x153.
    FactoryWord{3, 0, Word24(-60)},
    FactoryWord{3, 2, Word24(-30)},
    FactoryWord{3, 4, Word24(-30)},
    FactoryWord{3, 6, Word24(-100)},
    FactoryWord{3, 8, Word24(20 * -144)},
    FactoryWord{3, 10, 3},
    FactoryWord{3, 12, 0x000040},
    FactoryWord{3, 30, 0x000153},
    FactoryWord{3, 32, 0x000153},
    // EQ processors: sub parametric 40 Hz / Q 2 / -3 dB, headroom step 1, 7.1 input
    // configuration, firmware version 0x61 (at 261 and 264).
    FactoryWord{4, 229, 40},
    FactoryWord{4, 230, 0x020000},
    FactoryWord{4, 231, Word24(-30)},
    FactoryWord{4, 259, kHeadroomStep1},
    FactoryWord{4, 261, 0x000061},
    FactoryWord{4, 264, 0x000061},
    FactoryWord{5, 259, kHeadroomStep1},
    FactoryWord{5, 261, 0x000061},
    FactoryWord{5, 262, 0x001000},
    FactoryWord{5, 264, 0x000061},
};

// One row per output channel index 0..7: where its EQ region lives, its output gain word, and
// the trims that make the channels differ a little, as after a room calibration.
struct ChannelFactory {
    int block;
    uint32_t region;
    uint32_t outputGainAddress;
    int delayMs;
    int eqTrim;  // dB x 10 added to every band of the shared curve
    int treble;  // dB x 10
    int bass;    // dB x 10
    int outputGain;
};

constexpr std::array<ChannelFactory, 8> kChannels{{
    {4, 0, 1012, kInputDelayMs, 0, -10, 10, -15},
    {4, 128, 1014, kInputDelayMs, 5, -10, 10, -10},
    {4, 64, 1013, kInputDelayMs, -5, -5, 5, 0},
    {5, 0, 1016, kInputDelayMs + kSurroundDelayMs, 0, -15, 0, -35},
    {4, 192, 1015, kInputDelayMs, 0, 0, 20, 20},
    {5, 64, 1017, kInputDelayMs + kSurroundDelayMs, 5, -15, 0, -30},
    {5, 128, 1018, kInputDelayMs + kSurroundDelayMs, -5, -20, 0, -40},
    {5, 192, 1019, kInputDelayMs + kSurroundDelayMs, 0, -20, 0, -45},
}};

// A gentle house curve over bands 0..26 (dB x 10): a little lift at both ends of the range, a
// shallow dip around the middle.
constexpr std::array<int, 27> kEqCurve{20, 15, 10, 10, 5, 5, 0,  0,  -5, -5, -10, -10, -10, -5,
                                       -5, 0,  0,  0,  5, 5, 10, 10, 15, 15, 20,  25,  30};

constexpr uint32_t kBandOffset = 30;  // band b at R + 30 - b
constexpr uint32_t kTrebleOffset = 32;
constexpr uint32_t kBassOffset = 33;
constexpr uint32_t kDelayOffset = 35;

void WriteChannels(UnitMemory& memory) {
    for (const auto& channel : kChannels) {
        for (uint32_t band = 0; band < kEqCurve.size(); ++band) {
            memory.Write(channel.block, channel.region + kBandOffset - band,
                         Word24(kEqCurve[band] + channel.eqTrim));
        }
        memory.Write(channel.block, channel.region + kTrebleOffset, Word24(channel.treble));
        memory.Write(channel.block, channel.region + kBassOffset, Word24(channel.bass));
        memory.Write(channel.block, channel.region + kDelayOffset, DelayWord(channel.delayMs));
        memory.Write(6, channel.outputGainAddress, Word24(channel.outputGain));
    }
}

// EEPROM format table.
struct FormatDefault {
    std::string_view code;
    std::string_view name;
    uint16_t flags;
};

constexpr std::array<FormatDefault, 16> kFormats{{
    {"01", "Mono", 0x00C3},
    {"04", "Stereo", 0x0143},
    {"05", "Stereo SR", 0x0243},
    {"87", "Digital A", 0x0420},
    {"60", "Non-Sync", 0x0010},
    {"61", "Aux", 0x0004},
    {"64", "Mic Center", 0x0008},
    {"U1", "User Defined", 0},
    {"80", "Digital B", 0x4420},
    {"U2", "User Defined", 0},
    {"U3", "User Defined", 0},
    {"U4", "User Defined", 0},
    {"U5", "User Defined", 0},
    {"U6", "User Defined", 0},
    {"U7", "User Defined", 0},
    {"U8", "User Defined", 0},
}};

constexpr std::array<uint8_t, 8> kButtonFormats{0, 1, 2, 3, 8, 4, 5, 6};
constexpr uint8_t kPowerOnButton = 2;  // the first button holding format 2 (Stereo SR)
constexpr uint8_t kFallbackMode = 1;

constexpr uint32_t kFormatCountAddress = 28;
constexpr uint32_t kFormatTableAddress = 29;
constexpr uint32_t kFormatRecordSize = 33;
constexpr uint32_t kFallbackModeAddress = 557;

// Record layout: code (3 bytes), text 1 (13), text 2 (13), reserved, flags (little-endian),
// fader level. Texts are zero-terminated and zero-padded.
constexpr uint32_t kCodeOffset = 0;
constexpr uint32_t kText1Offset = 3;
constexpr uint32_t kFlagsOffset = 30;

void WriteBytes(UnitMemory& memory, uint32_t address, std::string_view text) {
    for (const char c : text) {
        memory.Write(0, address++, static_cast<unsigned char>(c));
    }
}

void WriteFormatTable(UnitMemory& memory) {
    memory.Write(0, kEepromPowerOnEntry, kPowerOnButton);
    for (uint32_t button = 0; button < kButtonFormats.size(); ++button) {
        memory.Write(0, kEepromButtonTable + button, kButtonFormats[button]);
    }
    memory.Write(0, kFormatCountAddress, static_cast<uint32_t>(kFormats.size()));
    for (uint32_t index = 0; index < kFormats.size(); ++index) {
        const auto& format = kFormats[index];
        const uint32_t record = kFormatTableAddress + kFormatRecordSize * index;
        WriteBytes(memory, record + kCodeOffset, format.code);
        WriteBytes(memory, record + kText1Offset, format.name);
        memory.Write(0, record + kFlagsOffset, format.flags & 0xFFu);
        memory.Write(0, record + kFlagsOffset + 1, format.flags >> 8);
    }
    memory.Write(0, kFallbackModeAddress, kFallbackMode);
}

// Profile texts: UTF-16 code units, low byte first; the rest of each field stays zero.
struct ProfileText {
    uint32_t address;
    std::string_view text;
};

constexpr std::array<ProfileText, 9> kProfile{{
    {559, "SIM-000001"},
    {591, "Reader 1 (A)"},
    {623, "Server 2 (B)"},
    {655, "Simulated unit"},
    {719, "Simulated Cinema"},
    {783, "3"},
    {791, "35 mm projector"},
    {855, "Serial automation"},
    {919, "Factory state of the simulated unit."},
}};

void WriteProfile(UnitMemory& memory) {
    for (const auto& field : kProfile) {
        uint32_t address = field.address;
        for (const char c : field.text) {
            memory.Write(0, address++, static_cast<unsigned char>(c));
            memory.Write(0, address++, 0);
        }
    }
}

// The controller's firmware: code in the first 40 KiB of program memory (the rest erased), the
// version text in the user ID, the configuration words it was built with and an erased data
// EEPROM. The code bytes only need to be the same in every run.
constexpr uint32_t kFirmwareCodeBytes = 40 * 1024;
constexpr std::array<uint8_t, ControllerMemories::kUserIdSize> kFirmwareUserId{
    '0', '2', '1', '4', '0', '0', 0xFF, 0xFF};
constexpr std::array<uint8_t, ControllerMemories::kConfigurationSize> kFirmwareConfiguration{
    0x00, 0x08, 0x1F, 0x1E, 0x00, 0x81, 0x81, 0x00, 0x0F, 0xC0, 0x0F, 0xE0, 0x0F, 0x40};

ControllerState FactoryController() {
    ControllerState controller;
    std::minstd_rand code(0x0C0DE);
    for (uint32_t address = 0; address < kFirmwareCodeBytes; ++address) {
        controller.memories.program[address] = static_cast<uint8_t>(code() >> 8);
    }
    controller.memories.userId = kFirmwareUserId;
    controller.memories.configuration = kFirmwareConfiguration;
    controller.memories.eeprom.fill(0xFF);
    StartControllerFirmware(controller);
    return controller;
}

// The program each processor came with: a jump over the version word, the version the processor
// writes to its version words (see kFactoryWords), then code.
struct FactoryProgram {
    uint32_t version;
    uint32_t words;
};

constexpr std::array<FactoryProgram, kProgramProcessors> kFactoryPrograms{{
    {0x000018, 1536},  // 9/1 noise reduction
    {0x000018, 1536},  // 9/2 noise reduction
    {0x000153, 2048},  // 9/3 matrix
    {0x000061, 2048},  // 6/1 EQ
    {0x000061, 2048},  // 6/2 EQ
}};

constexpr uint32_t kJumpOverVersion = 0x0AF080;

std::vector<uint32_t> FactoryProgramWords(const FactoryProgram& factory, uint32_t seed) {
    std::vector<uint32_t> program{kJumpOverVersion, factory.version};
    std::minstd_rand code(seed);
    while (program.size() < factory.words) {
        program.push_back(static_cast<uint32_t>(code()) & 0xFFFFFFu);
    }
    return program;
}

}  // namespace

UnitMemory FactoryMemory() {
    UnitMemory memory;
    for (const auto& word : kFactoryWords) {
        memory.Write(word.block, word.address, word.value);
    }
    WriteChannels(memory);
    WriteFormatTable(memory);
    WriteProfile(memory);
    return memory;
}

UnitState FactoryState() {
    UnitState state;
    PresetMemory(state, FactoryMemory());
    state.log.Set({
        {"240105 091502", "Power on"},
        {"240105 091503", "Format 1 selected"},
        {"240105 093011", "AES/EBU input error"},
        {"240105 093014", "AES/EBU input restored"},
        {"240106 080000", "Power on"},
    });
    state.controller = FactoryController();
    for (uint32_t index = 0; index < kFactoryPrograms.size(); ++index) {
        state.processors[index].program = FactoryProgramWords(kFactoryPrograms[index], index + 1);
    }
    return state;
}

}  // namespace kvt::sim
