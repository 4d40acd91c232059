#include "analyser/GeneratorWords.h"

#include <array>

#include "formats/FormatTable.h"

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

}  // namespace kvt
