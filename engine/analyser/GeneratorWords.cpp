#include "analyser/GeneratorWords.h"

#include <array>

#include "formats/FormatTable.h"
#include "protocol/ReplyParsing.h"

namespace kvt {

namespace {

struct ChannelBit {
    int32_t generatorChannel;  // GeneratorChannel value
    uint32_t controlBit;
};

constexpr std::array<ChannelBit, 8> kChannelBits{{
    {1, 0x200000},  // left
    {2, 0x400000},  // centre
    {4, 0x800000},  // right
    {8, 0x8000},    // subwoofer
    {16, 0x4000},   // left surround
    {32, 0x10000},  // right surround
    {64, 0x400},    // left EX
    {128, 0x1000},  // right EX
}};

constexpr uint32_t kNewFirmwareVersion = 0x153;

struct Tone {
    uint32_t frequency;
    uint32_t oldCalibration;
    uint32_t newCalibration;
};
constexpr std::array<Tone, 3> kTones{{
    {100, 0x0CE900, 0x0CBF00},
    {1000, 0x0CDE00, 0x0CBA00},
    {10000, 0x0E8000, 0x0E5200},
}};

}  // namespace

uint32_t RoutingWord(int32_t inputConfig, bool sumAndDiff, bool analyserRunning,
                     uint16_t formatFlags) {
    uint32_t word = inputConfig == 1 ? routing_bit::LCRC : routing_bit::SevenOne;
    if (sumAndDiff) {
        word |= routing_bit::SumAndDiff;
    }
    if (analyserRunning) {
        word |= routing_bit::Running;
    }
    if ((formatFlags & format_flag::MonoEQ) != 0) {
        word |= routing_bit::MonoEQ;
    }
    if ((formatFlags & format_flag::Matrix) != 0) {
        word |= routing_bit::Matrix;
    }
    return word;
}

uint32_t InputConfigWord(int32_t inputConfig) {
    return inputConfig == 0 ? 0x1000 : 0;
}

uint32_t GeneratorControlWord(int32_t mode, int32_t generatorChannels) {
    uint32_t signal = 0;
    if (mode == 0) {
        signal = control_bit::Pink;
    } else if (mode >= 1 && mode <= 3) {
        signal = control_bit::Sine;
    } else if (mode == 4) {
        signal = control_bit::Thump;
    }
    return signal | ControlChannelBits(generatorChannels);
}

uint32_t ControlChannelBits(int32_t generatorChannels) {
    uint32_t bits = 0;
    for (const ChannelBit& channel : kChannelBits) {
        if ((generatorChannels & channel.generatorChannel) != 0) {
            bits |= channel.controlBit;
        }
    }
    return bits;
}

int32_t GeneratorChannelsOfControl(uint32_t controlWord) {
    int32_t channels = 0;
    for (const ChannelBit& channel : kChannelBits) {
        if ((controlWord & channel.controlBit) != 0) {
            channels |= channel.generatorChannel;
        }
    }
    return channels;
}

AnalyserReadBack DecodeRoutingWord(uint32_t routingWord) {
    AnalyserReadBack state;
    state.running = (routingWord & routing_bit::Running) != 0;
    state.sumAndDiff = (routingWord & routing_bit::SumAndDiff) != 0;
    if ((routingWord & routing_bit::SevenOne) != 0) {
        state.inputConfig = 0;
    } else if ((routingWord & routing_bit::LCRC) != 0) {
        state.inputConfig = 1;
    }
    return state;
}

std::optional<int32_t> DecodeGeneratorMode(uint32_t controlWord,
                                           std::optional<uint32_t> frequency) {
    if ((controlWord & control_bit::Pink) != 0) {
        return 0;
    }
    if ((controlWord & control_bit::Sine) != 0) {
        if (!frequency) {
            return std::nullopt;
        }
        switch (*frequency) {
            case 100:
                return 1;
            case 1000:
                return 2;
            case 10000:
                return 3;
            default:
                return std::nullopt;
        }
    }
    if ((controlWord & control_bit::Thump) != 0) {
        return 4;
    }
    return std::nullopt;
}

bool IsNewMatrixFirmware(std::string_view matrixVersion) {
    // An unreadable version text reads as 0, the older generation.
    return ParseHexValue(matrixVersion).value_or(0) >= kNewFirmwareVersion;
}

std::optional<ToneWords> SineTone(int32_t mode, bool newFirmware) {
    if (mode < 1 || mode > 3) {
        return std::nullopt;
    }
    const Tone& tone = kTones[static_cast<size_t>(mode - 1)];
    return ToneWords{tone.frequency, newFirmware ? tone.newCalibration : tone.oldCalibration};
}

uint32_t GeneratorCalibrationWord(bool newFirmware) {
    return newFirmware ? 0x280400 : 0x51C800;
}

}  // namespace kvt
