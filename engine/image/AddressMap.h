// The unit's address map: for every numeric parameter of the engine, where its raw word lives in
// the unit (parameter block and address), how an engineering value becomes that word and back,
// and which values are accepted. Puts, gets, the retrieval, applying a configuration and the
// verification all read this one table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kvt {

constexpr int kProjectors = 2;
constexpr int kChannels = 8;
constexpr int kBands = 27;

// Numeric parameters of the image, in the order of the table.
enum class Param : uint8_t {
    LeftInputGain,
    RightInputGain,
    SlitEQ,
    MonoEQ,
    Delay,
    SurroundGain,
    SubwooferGain,
    NonSyncGain,
    Bass,
    Treble,
    EQBand,
    OutputGain,
    LeftAuxGain,
    RightAuxGain,
    LeftMicGain,
    RightMicGain,
    SubwooferFreq,
    SubParametricFreq,
    SubParametricQ,
    SubParametricGain,
    DigitalSurroundDelay,
    HeadroomAdjust,
    DigitalFallbackMode,
    InputConfig,
    DigitalInputDelay,
    Count,
};
constexpr size_t kParamCount = static_cast<size_t>(Param::Count);

// What indexes a parameter: nothing, a projector (0, 1), an output channel (0..7), or a channel
// and an equaliser band (0..26).
enum class IndexKind : uint8_t { None, Projector, Channel, ChannelBand };

// Raw word <-> engineering value.
enum class Encoding : uint8_t {
    Tenths,         // value x 10, truncated towards zero
    SlitEQ,         // kHz / 32 x 2^23
    MonoEQ,         // x 1000 / 4.67; read back with +0.1
    Delay,          // ms x -144; read: at least 10
    SubwooferGain,  // -100 - trunc(-10 x value)
    SubwooferFreq,  // (Hz - 50) / 10
    Whole,          // the value itself
    Q16,            // x 65536
    Headroom,       // 0, 0xDA9D00, 0xC02600 for 0, 1, 2
    DelayWords,     // the channel delay words, computed from both delays and InputConfig
    InputConfig,    // the routing and input configuration words
};

struct Location {
    int block;
    uint32_t address;
    friend bool operator==(const Location&, const Location&) = default;
};

// Where one value goes; the first location is the one the retrieval reads.
struct Locations {
    std::array<Location, 2> at{};
    int count = 0;
    std::span<const Location> All() const& { return {at.data(), static_cast<size_t>(count)}; }
    // A view into a temporary would dangle in a range-for: keep the Locations first.
    std::span<const Location> All() const&& = delete;
};

struct ParameterIndex {
    int index = 0;  // projector or channel
    int band = 0;
};

struct ParameterRow {
    Param param;
    std::string_view name;
    IndexKind index;
    Encoding encoding;
    double min;
    double max;
    std::string_view unit;  // of the engineering value ("dB", "ms"); empty for a plain number
    Locations (*locate)(ParameterIndex at);  // empty for the computed words
};

std::span<const ParameterRow> AddressMap();
const ParameterRow& RowOf(Param param);

// Number of values a parameter holds (1, 2, 8 or 216) and the first of them in the image's flat
// value array.
size_t ValueCount(IndexKind kind);
size_t FirstSlot(Param param);
constexpr size_t kValueSlots = 264;
// The image slot of one value; the index must be valid (see ValidIndex).
size_t Slot(Param param, ParameterIndex at = {});

bool ValidIndex(IndexKind kind, ParameterIndex at);
bool InRange(const ParameterRow& row, double value);

// Engineering value -> 24-bit word (low 24 bits of the two's complement).
uint32_t EncodeRaw(Encoding encoding, double value);
// 24-bit word -> engineering value; nullopt for the computed encodings.
std::optional<double> DecodeRaw(Encoding encoding, uint32_t raw);

// Output channels: the equaliser processor (block 4 or 5) and region base of a channel, and its
// output gain word in block 6. Inside a region: flags word at +0 (mute 2, invert 4), band b at
// +30 - b, treble +32, bass +33, delay word +35.
struct ChannelPlace {
    int block;
    uint32_t region;
    uint32_t outputGainAddress;
};
const ChannelPlace& ChannelMap(int channel);

constexpr uint32_t kRegionFlags = 0;
constexpr uint32_t kRegionFirstBand = 4;  // band 26; band 0 is at +30
constexpr uint32_t kRegionTopBand = 30;
constexpr uint32_t kRegionTreble = 32;
constexpr uint32_t kRegionBass = 33;
constexpr uint32_t kRegionDelay = 35;
constexpr uint32_t kChannelMuteBit = 2;
constexpr uint32_t kChannelInvertBit = 4;

uint32_t ChannelFlagsWord(bool mute, bool invert);

// Channel delay words: 11594 - 48 x ms, in samples of 1/48 ms.
uint32_t DelayWord(int ms);

struct RawWrite {
    int block;
    uint32_t address;
    uint32_t value;
    friend bool operator==(const RawWrite&, const RawWrite&) = default;
};

// The delay word of every equaliser region: the input delay in block 4, input plus surround delay
// in block 5, except that the LCRC configuration (1) keeps the surround delay off the EX regions.
std::array<RawWrite, kChannels> DelayWords(int inputMs, int surroundMs, int32_t inputConfig);
// The milliseconds a delay word stands for (0 for the word 0).
int DelayFromWord(uint32_t raw);

}  // namespace kvt
