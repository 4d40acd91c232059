#include "image/AddressMap.h"

#include <algorithm>
#include <cmath>

#include "protocol/ReplyParsing.h"

namespace kvt {

namespace {

constexpr std::array<ChannelPlace, kChannels> kChannelMap{{
    {4, 0, 1012},
    {4, 128, 1014},
    {4, 64, 1013},
    {5, 0, 1016},
    {4, 192, 1015},
    {5, 64, 1017},
    {5, 128, 1018},
    {5, 192, 1019},
}};

constexpr Locations One(int block, uint32_t address) {
    return Locations{{Location{block, address}, Location{}}, 1};
}
constexpr Locations Two(Location first, Location second) {
    return Locations{{first, second}, 2};
}
Locations Nowhere(ParameterIndex) {
    return {};
}

// One row per parameter, in Param order.
constexpr auto kTenths = Encoding::Tenths;
constexpr std::array<ParameterRow, kParamCount> kMap{{
    {Param::LeftInputGain, "LeftInputGain", IndexKind::Projector, kTenths, -23.9, 11.9, "dB",
     [](ParameterIndex at) { return One(1, 2 + static_cast<uint32_t>(at.index)); }},
    {Param::RightInputGain, "RightInputGain", IndexKind::Projector, kTenths, -23.9, 11.9, "dB",
     [](ParameterIndex at) { return One(2, 2 + static_cast<uint32_t>(at.index)); }},
    {Param::SlitEQ, "SlitEQ", IndexKind::Projector, Encoding::SlitEQ, 10, 32, "kHz",
     [](ParameterIndex at) {
         const uint32_t address = at.index == 0 ? 7 : 9;
         return Two({1, address}, {2, address});
     }},
    {Param::MonoEQ, "MonoEQ", IndexKind::None, Encoding::MonoEQ, 3, 15, "kHz",
     [](ParameterIndex) {
         return Two({1, 14}, {2, 14});
     }},
    {Param::Delay, "Delay", IndexKind::None, Encoding::Delay, 10, 220, "ms",
     [](ParameterIndex) { return One(3, 8); }},
    {Param::SurroundGain, "SurroundGain", IndexKind::None, kTenths, -6, 6, "dB",
     [](ParameterIndex) {
         return Two({3, 2}, {3, 4});
     }},
    {Param::SubwooferGain, "SubwooferGain", IndexKind::None, Encoding::SubwooferGain, -6, 6, "dB",
     [](ParameterIndex) { return One(3, 6); }},
    {Param::NonSyncGain, "NonSyncGain", IndexKind::None, kTenths, -24, 6, "dB",
     [](ParameterIndex) { return One(3, 0); }},
    {Param::Bass, "Bass", IndexKind::Channel, kTenths, -6, 6, "dB",
     [](ParameterIndex at) {
         const ChannelPlace& place = ChannelMap(at.index);
         return One(place.block, place.region + kRegionBass);
     }},
    {Param::Treble, "Treble", IndexKind::Channel, kTenths, -6, 6, "dB",
     [](ParameterIndex at) {
         const ChannelPlace& place = ChannelMap(at.index);
         return One(place.block, place.region + kRegionTreble);
     }},
    {Param::EQBand, "EQBand", IndexKind::ChannelBand, kTenths, -6, 6, "dB",
     [](ParameterIndex at) {
         const ChannelPlace& place = ChannelMap(at.index);
         return One(place.block, place.region + kRegionTopBand - static_cast<uint32_t>(at.band));
     }},
    {Param::OutputGain, "OutputGain", IndexKind::Channel, kTenths, -22, 8, "dB",
     [](ParameterIndex at) { return One(6, ChannelMap(at.index).outputGainAddress); }},
    {Param::LeftAuxGain, "LeftAuxGain", IndexKind::None, kTenths, -23.9, 11.9, "dB",
     [](ParameterIndex) { return One(1, 4); }},
    {Param::RightAuxGain, "RightAuxGain", IndexKind::None, kTenths, -23.9, 11.9, "dB",
     [](ParameterIndex) { return One(2, 4); }},
    {Param::LeftMicGain, "LeftMicGain", IndexKind::None, kTenths, -23.9, 11.9, "dB",
     [](ParameterIndex) { return One(1, 5); }},
    {Param::RightMicGain, "RightMicGain", IndexKind::None, kTenths, -23.9, 11.9, "dB",
     [](ParameterIndex) { return One(2, 5); }},
    {Param::SubwooferFreq, "SubwooferFreq", IndexKind::None, Encoding::SubwooferFreq, 50, 80, "Hz",
     [](ParameterIndex) { return One(3, 10); }},
    {Param::SubParametricFreq, "SubParametricFreq", IndexKind::None, Encoding::Whole, 20, 120, "Hz",
     [](ParameterIndex) { return One(4, 229); }},
    {Param::SubParametricQ, "SubParametricQ", IndexKind::None, Encoding::Q16, 0.5, 10, "",
     [](ParameterIndex) { return One(4, 230); }},
    {Param::SubParametricGain, "SubParametricGain", IndexKind::None, kTenths, -11.9, 0, "dB",
     [](ParameterIndex) { return One(4, 231); }},
    {Param::DigitalSurroundDelay, "DigitalSurroundDelay", IndexKind::None, Encoding::DelayWords, 0,
     100, "ms", Nowhere},
    {Param::HeadroomAdjust, "HeadroomAdjust", IndexKind::None, Encoding::Headroom, 0, 2, "",
     [](ParameterIndex) {
         return Two({4, 259}, {5, 259});
     }},
    {Param::DigitalFallbackMode, "DigitalFallbackMode", IndexKind::None, Encoding::Whole, 0, 8, "",
     [](ParameterIndex) { return One(0, 557); }},
    {Param::InputConfig, "InputConfig", IndexKind::None, Encoding::InputConfig, 0, 1, "", Nowhere},
    {Param::DigitalInputDelay, "DigitalInputDelay", IndexKind::None, Encoding::DelayWords, 32, 140,
     "ms", Nowhere},
}};

constexpr size_t CountOf(IndexKind kind) {
    switch (kind) {
        case IndexKind::None:
            return 1;
        case IndexKind::Projector:
            return kProjectors;
        case IndexKind::Channel:
            return kChannels;
        case IndexKind::ChannelBand:
            return kChannels * kBands;
    }
    return 1;
}

constexpr std::array<size_t, kParamCount + 1> FirstSlots() {
    std::array<size_t, kParamCount + 1> first{};
    for (size_t i = 0; i < kParamCount; ++i) {
        first[i + 1] = first[i] + CountOf(kMap[i].index);
    }
    return first;
}
constexpr auto kFirstSlots = FirstSlots();
static_assert(kFirstSlots[kParamCount] == kValueSlots, "kValueSlots must cover every value");

constexpr bool RowsInParamOrder() {
    for (size_t i = 0; i < kParamCount; ++i) {
        if (static_cast<size_t>(kMap[i].param) != i) {
            return false;
        }
    }
    return true;
}
static_assert(RowsInParamOrder(), "address map rows must follow the Param order");

// Truncation towards zero of a scaled decimal value. The small nudge away from zero keeps values
// such as 2.3 dB (2.3 x 10 = 22.999999999999996 in binary) at the word the user typed.
int32_t Truncate(double scaled) {
    return static_cast<int32_t>(std::trunc(scaled + std::copysign(1e-7, scaled)));
}

uint32_t Word(int32_t value) {
    return static_cast<uint32_t>(value) & 0xFFFFFFu;
}

constexpr uint32_t kHeadroomStep1 = 0xDA9D00;
constexpr uint32_t kHeadroomStep2 = 0xC02600;
constexpr double kMonoEqScale = 0.21413276231263384;  // 1 / 4.67
constexpr double kSlitEqScale = 262144.0;             // 2^23 / 32
constexpr int32_t kDelayScale = -144;
constexpr int32_t kDelayWordOrigin = 11594;
constexpr int32_t kSamplesPerMs = 48;

}  // namespace

std::span<const ParameterRow> AddressMap() {
    return kMap;
}

const ParameterRow& RowOf(Param param) {
    return kMap[static_cast<size_t>(param)];
}

size_t ValueCount(IndexKind kind) {
    return CountOf(kind);
}

size_t FirstSlot(Param param) {
    return kFirstSlots[static_cast<size_t>(param)];
}

size_t Slot(Param param, ParameterIndex at) {
    const size_t first = FirstSlot(param);
    switch (RowOf(param).index) {
        case IndexKind::None:
            return first;
        case IndexKind::Projector:
        case IndexKind::Channel:
            return first + static_cast<size_t>(at.index);
        case IndexKind::ChannelBand:
            return first + static_cast<size_t>(at.index * kBands + at.band);
    }
    return first;
}

bool ValidIndex(IndexKind kind, ParameterIndex at) {
    switch (kind) {
        case IndexKind::None:
            return true;
        case IndexKind::Projector:
            return at.index >= 0 && at.index < kProjectors;
        case IndexKind::Channel:
            return at.index >= 0 && at.index < kChannels;
        case IndexKind::ChannelBand:
            return at.index >= 0 && at.index < kChannels && at.band >= 0 && at.band < kBands;
    }
    return false;
}

bool InRange(const ParameterRow& row, double value) {
    return value >= row.min && value <= row.max;  // false for NaN
}

uint32_t EncodeRaw(Encoding encoding, double value) {
    switch (encoding) {
        case Encoding::Tenths:
            return Word(Truncate(value * 10));
        case Encoding::SlitEQ:
            return Word(Truncate(value * kSlitEqScale));
        case Encoding::MonoEQ:
            return Word(Truncate(value * 1000 * kMonoEqScale));
        case Encoding::Delay:
            return Word(kDelayScale * Truncate(value));
        case Encoding::SubwooferGain:
            return Word(-100 - Truncate(-10 * value));
        case Encoding::SubwooferFreq:
            return Word(Truncate((value - 50) * 0.1));
        case Encoding::Whole:
            return Word(Truncate(value));
        case Encoding::Q16:
            return Word(Truncate(value * 65536));
        case Encoding::Headroom: {
            const int32_t step = Truncate(value);
            return step == 1 ? kHeadroomStep1 : step == 2 ? kHeadroomStep2 : 0;
        }
        case Encoding::DelayWords:
        case Encoding::InputConfig:
            break;
    }
    return 0;
}

std::optional<double> DecodeRaw(Encoding encoding, uint32_t raw) {
    const int32_t value = SignExtend24(raw);
    switch (encoding) {
        case Encoding::Tenths:
            return value / 10.0;
        case Encoding::SlitEQ:
            return (raw & 0xFFFFFFu) / kSlitEqScale;  // 32 kHz is 0x800000: not negative
        case Encoding::MonoEQ:
            // The + 0.1 makes up for the truncation on the way in, but would lift the top of the
            // range out of it (15 reads as 15.095).
            return std::min((raw & 0xFFFFFFu) * 4.67 / 1000 + 0.1, 15.0);
        case Encoding::Delay:
            return std::max(value / kDelayScale, 10);
        case Encoding::SubwooferGain:
            return (value + 100) / 10.0;
        case Encoding::SubwooferFreq:
            return value * 10.0 + 50;
        case Encoding::Whole:
            return static_cast<double>(raw & 0xFFFFFFu);
        case Encoding::Q16:
            return (raw & 0xFFFFFFu) / 65536.0;
        case Encoding::Headroom:
            return raw == kHeadroomStep1 ? 1.0 : raw == kHeadroomStep2 ? 2.0 : 0.0;
        case Encoding::DelayWords:
        case Encoding::InputConfig:
            break;
    }
    return std::nullopt;
}

const ChannelPlace& ChannelMap(int channel) {
    return kChannelMap[static_cast<size_t>(channel)];
}

uint32_t ChannelFlagsWord(bool mute, bool invert) {
    return (mute ? kChannelMuteBit : 0) | (invert ? kChannelInvertBit : 0);
}

uint32_t DelayWord(int ms) {
    return Word(kDelayWordOrigin - kSamplesPerMs * ms);
}

std::array<RawWrite, kChannels> DelayWords(int inputMs, int surroundMs, int32_t inputConfig) {
    std::array<RawWrite, kChannels> words{};
    for (int channel = 0; channel < kChannels; ++channel) {
        const ChannelPlace& place = ChannelMap(channel);
        const bool surroundDelayed = place.block == 5 && (inputConfig != 1 || place.region < 128);
        words[static_cast<size_t>(channel)] = {
            place.block, place.region + kRegionDelay,
            DelayWord(surroundDelayed ? inputMs + surroundMs : inputMs)};
    }
    return words;
}

int DelayFromWord(uint32_t raw) {
    if ((raw & 0xFFFFFFu) == 0) {
        return 0;
    }
    return (kDelayWordOrigin - SignExtend24(raw)) / kSamplesPerMs;
}

}  // namespace kvt
