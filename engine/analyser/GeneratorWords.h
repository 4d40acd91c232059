// The matrix processor's analyser routing word and test-signal generator words (block 3), as
// written by the analyser and generator members and read back at connection.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kvt {

constexpr uint32_t kRoutingWordAddress = 12;
constexpr uint32_t kGeneratorFrequencyAddress = 14;
constexpr uint32_t kGeneratorControlAddress = 16;
constexpr uint32_t kToneCalibrationAddress = 18;
constexpr uint32_t kGeneratorCalibrationAddress = 20;
constexpr uint32_t kInputConfigWordAddress = 262;  // block 5

namespace routing_bit {
constexpr uint32_t MonoEQ = 0x20;
constexpr uint32_t SevenOne = 0x40;
constexpr uint32_t Matrix = 0x80;
constexpr uint32_t Running = 0x100;
constexpr uint32_t SumAndDiff = 0x200;
constexpr uint32_t LCRC = 0x400;
}  // namespace routing_bit

// The routing word for an input configuration (0 7.1, 1 LCRC), the analyser's state and the flags
// of the format being played.
uint32_t RoutingWord(int32_t inputConfig, bool sumAndDiff, bool analyserRunning,
                     uint16_t formatFlags);

// The input configuration word of block 5: 0x1000 for 7.1, 0 for LCRC.
uint32_t InputConfigWord(int32_t inputConfig);

// Generator control word: the signal kind and the channels it is routed to.
namespace control_bit {
constexpr uint32_t Pink = 0x1;
constexpr uint32_t Sine = 0x2;
constexpr uint32_t Thump = 0x4;
}  // namespace control_bit

// The control word for a tone mode (TestToneMode 0..4) and a GeneratorChannel mask.
uint32_t GeneratorControlWord(int32_t mode, int32_t generatorChannels);

// Channel bits of the control word for a GeneratorChannel mask, and back.
uint32_t ControlChannelBits(int32_t generatorChannels);
int32_t GeneratorChannelsOfControl(uint32_t controlWord);

// The state the unit's words describe, as the retrieval reads it back.
struct AnalyserReadBack {
    bool running = false;
    bool sumAndDiff = false;
    std::optional<int32_t> inputConfig;  // from the routing word, when it says
};
AnalyserReadBack DecodeRoutingWord(uint32_t routingWord);

// The tone mode of a control word (pink 0, sine by frequency 1..3, thump 4); nullopt when the
// word names none, or a sine at a frequency that is not one of the three tones.
std::optional<int32_t> DecodeGeneratorMode(uint32_t controlWord, std::optional<uint32_t> frequency);

// The matrix processor's firmware generation decides the calibration constants: its version text
// read as a hexadecimal number, 0x153 and above being the newer generation.
bool IsNewMatrixFirmware(std::string_view matrixVersion);

// The tone of a sine mode (1..3): its frequency in Hz and its calibration word; nullopt for the
// other modes.
struct ToneWords {
    uint32_t frequency;
    uint32_t calibration;
};
std::optional<ToneWords> SineTone(int32_t mode, bool newFirmware);

// The generator calibration word, written on every generator change.
uint32_t GeneratorCalibrationWord(bool newFirmware);

}  // namespace kvt
