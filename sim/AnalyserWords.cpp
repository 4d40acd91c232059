#include "AnalyserWords.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>

#include "RoomModel.h"
#include "UnitState.h"

namespace kvt::sim {

namespace {

constexpr double kFullScale = 8388608.0;  // 2^23
constexpr int kBands = 30;
constexpr int k1kHzBand = 13;  // band i is centred ThirdOctaveHz(13 - i): 20 kHz ... 25 Hz

// The engine shows a band word w as 20 log10(w / 2^23) + 6 dB and an input-level word as
// 20 log10((w & 0xFFF000) / 2^23) + 23.8 dB. The model works in those dB.
constexpr double kBandWordOffsetDb = 6.0;
constexpr double kInputWordOffsetDb = 23.8;
constexpr uint32_t kInputWordMask = 0xFFF000;
constexpr double kInputWordStep = 0x1000;

// Matrix processor words the engine writes to run the analyser and the generator.
constexpr int kMatrixBlock = 3;
constexpr uint32_t kRoutingAddress = 12;
constexpr uint32_t kToneFrequencyAddress = 14;
constexpr uint32_t kGeneratorControlAddress = 16;
constexpr uint32_t kAnalyserRunning = 0x100;
constexpr uint32_t kSumAndDifference = 0x200;
constexpr uint32_t kPinkNoise = 0x1;
constexpr uint32_t kSineTone = 0x2;
constexpr uint32_t kThump = 0x4;

// The room with nothing playing: ventilation and traffic, -40 dB at 1 kHz, rising towards the
// low end.
constexpr double kAmbientDb = -40.0;
constexpr double kAmbientDbPerOctaveDown = 1.5;
// What the band detectors hold while the analyser does not run.
constexpr double kRestingDb = -80.0;
constexpr double kMeasurementNoiseDb = 0.5;
// A sine seen through third-octave filters: its own band, a little of it next door.
constexpr double kNextBandDb = -18.0;
constexpr double kSecondBandDb = -40.0;
// The microphone pair is close together: the difference stays 18 dB under the sum where the two
// hear the same, and comes up 2 dB per octave above 1 kHz as they hear less alike.
constexpr double kDifferenceDb = -18.0;
constexpr double kDifferenceRiseDbPerOctave = 2.0;
constexpr double kRightMicrophoneDb = 0.3;  // ambient and inputs read this much lower on the right
// The thump: a one-second low-frequency burst, seen averaged over the read as a broad spectrum
// weighted to the low end.
constexpr double kThumpDb = 3.0;
constexpr double kThumpCornerHz = 80.0;
constexpr double kThumpDbPerOctave = 6.0;

// The input meters: 0 dB on the engine's input scale is the calibration level. A digital format
// is aligned 1 dB lower; with its AES/EBU input in error it has no signal at all.
constexpr double kInputWobbleDb = 0.3;
constexpr double kDigitalInputDb = -1.0;
constexpr uint32_t kFormatTableAddress = 29;
constexpr uint32_t kFormatRecordSize = 33;
constexpr uint32_t kFormatFlagsOffset = 30;
constexpr uint32_t kDigitalFormatFlag = 0x0020;

double BandHz(int band) {
    return ThirdOctaveHz(k1kHzBand - band);
}

double Power(double db) {
    return std::pow(10.0, db / 10.0);
}

double Db(double power) {
    return 10.0 * std::log10(power);
}

uint32_t BandWord(double db) {
    const double linear = kFullScale * std::pow(10.0, (db - kBandWordOffsetDb) / 20.0);
    if (!(linear >= 1.0)) {  // NaN included: never a zero word from the model
        return 1;
    }
    return static_cast<uint32_t>(std::min(std::round(linear), 16777215.0));
}

uint32_t InputWord(double db) {
    const double linear = kFullScale * std::pow(10.0, (db - kInputWordOffsetDb) / 20.0);
    const double steps = std::round(linear / kInputWordStep);
    const auto word = static_cast<uint32_t>(std::clamp(steps, 1.0, 4095.0)) << 12;
    return word & kInputWordMask;
}

enum class Signal { None, PinkNoise, Sine, Thump };

struct Generator {
    Signal signal = Signal::None;
    double toneHz = 0.0;
    uint32_t channels = 0;
};

Generator ReadGenerator(const UnitMemory& memory) {
    const uint32_t control = memory.Read(kMatrixBlock, kGeneratorControlAddress);
    Generator generator;
    generator.channels = control;
    if ((control & kPinkNoise) != 0) {
        generator.signal = Signal::PinkNoise;
    } else if ((control & kSineTone) != 0) {
        generator.signal = Signal::Sine;
        generator.toneHz = memory.Read(kMatrixBlock, kToneFrequencyAddress);
    } else if ((control & kThump) != 0) {
        generator.signal = Signal::Thump;
    }
    return generator;
}

// The generator's signal as band `band` sees it (dB, before any channel), and the frequency at
// which the channels shape it; none when the signal does not reach the band.
struct BandSignal {
    double db;
    double hz;
};

std::optional<BandSignal> SignalInBand(const Generator& generator, int band) {
    const double hz = BandHz(band);
    switch (generator.signal) {
        case Signal::None:
            return std::nullopt;
        case Signal::PinkNoise:
            return BandSignal{0.0, hz};
        case Signal::Thump: {
            const double above = std::max(0.0, std::log2(hz / kThumpCornerHz));
            return BandSignal{kThumpDb - kThumpDbPerOctave * above, hz};
        }
        case Signal::Sine: {
            const double halfBand = std::exp2(1.0 / 6.0);
            if (generator.toneHz < BandHz(kBands - 1) / halfBand ||
                generator.toneHz > BandHz(0) * halfBand) {
                return std::nullopt;
            }
            const int toneBand =
                k1kHzBand -
                static_cast<int>(std::lround(3.0 * std::log2(generator.toneHz / 1000.0)));
            const int apart = std::abs(band - toneBand);
            if (apart > 2) {
                return std::nullopt;
            }
            const double leak = apart == 0 ? 0.0 : apart == 1 ? kNextBandDb : kSecondBandDb;
            return BandSignal{leak, generator.toneHz};
        }
    }
    return std::nullopt;
}

// The master fader: 70 is the reference level, 3.33 dB per ten steps above 40, 2 dB per step
// below it.
double FaderDb(int panelLevel) {
    constexpr int kReference = 70;
    constexpr int kKnee = 40;
    const int level = std::clamp(panelLevel, 0, kMaxFaderLevel);
    if (level >= kKnee) {
        return (level - kReference) / 3.0;
    }
    return (kKnee - kReference) / 3.0 - 2.0 * (kKnee - level);
}

struct PairPower {
    double left;
    double right;
};

// Both microphones' power in one band: the ambient floor plus every channel the generator plays.
PairPower HeardInBand(const UnitState& state, const Generator& generator, int band) {
    const double ambient = kAmbientDb + kAmbientDbPerOctaveDown * std::log2(1000.0 / BandHz(band));
    PairPower power{Power(ambient), Power(ambient - kRightMicrophoneDb)};
    const auto signal = SignalInBand(generator, band);
    if (!signal || state.panel.muted) {
        return power;
    }
    const double level = signal->db + FaderDb(state.panel.level);
    for (int channel = 0; channel < kOutputChannels; ++channel) {
        if ((generator.channels & GeneratorChannelBit(channel)) == 0 ||
            !ChannelPlays(state.memory, channel)) {
            continue;
        }
        const double db =
            level + ChannelResponseDb(state.memory, channel, signal->hz, state.room.get());
        power.left += Power(db);
        power.right += Power(db - RightMicrophoneOffsetDb(channel, state.room.get()));
    }
    return power;
}

double DifferenceDb(int band) {
    const double above1kHz = std::max(0.0, std::log2(BandHz(band) / 1000.0));
    return kDifferenceDb + kDifferenceRiseDbPerOctave * above1kHz;
}

std::optional<double> InputLevelDb(const UnitState& state) {
    const int format = state.panel.format;
    if (format < 0 || format >= kFormatCount) {
        return 0.0;
    }
    const uint32_t at = kFormatTableAddress + kFormatRecordSize * static_cast<uint32_t>(format) +
                        kFormatFlagsOffset;
    const uint32_t flags = state.memory.Read(0, at) | (state.memory.Read(0, at + 1) << 8);
    if ((flags & kDigitalFormatFlag) == 0) {
        return 0.0;
    }
    if (state.panel.aesEbuError) {
        return std::nullopt;
    }
    return kDigitalInputDb;
}

}  // namespace

std::array<uint32_t, kAnalyserWords> AnalyserSnapshot(UnitState& state) {
    std::uniform_real_distribution<double> inputWobble(-kInputWobbleDb, kInputWobbleDb);
    std::uniform_real_distribution<double> noise(-kMeasurementNoiseDb, kMeasurementNoiseDb);
    std::array<uint32_t, kAnalyserWords> words{};

    if (const auto input = InputLevelDb(state)) {
        words[0] = InputWord(*input + inputWobble(state.random));
        words[1] = InputWord(*input - kRightMicrophoneDb + inputWobble(state.random));
    }

    state.analyserFrame = (state.analyserFrame + 1) & 0xFFFFFFu;
    words[2] = state.analyserFrame;
    words[kAnalyserWords - 1] = state.analyserFrame;
    // A read that catches the processor while it updates the window: the closing marker is the
    // next frame's.
    if (state.tornFrames > 0) {
        --state.tornFrames;
        words[kAnalyserWords - 1] = (state.analyserFrame + 1) & 0xFFFFFFu;
    }

    const uint32_t routing = state.memory.Read(kMatrixBlock, kRoutingAddress);
    if ((routing & kAnalyserRunning) == 0) {
        std::fill(words.begin() + 3, words.end() - 1, BandWord(kRestingDb));
        return words;
    }
    const bool sumAndDifference = (routing & kSumAndDifference) != 0;
    const Generator generator = ReadGenerator(state.memory);
    for (int band = 0; band < kBands; ++band) {
        const PairPower heard = HeardInBand(state, generator, band);
        double first = Db(heard.left);
        double second = Db(heard.right);
        if (sumAndDifference) {
            first = Db(heard.left + heard.right);
            second = first + DifferenceDb(band);
        }
        const auto at = static_cast<size_t>(3 + 2 * band);
        words[at] = BandWord(first + noise(state.random));
        words[at + 1] = BandWord(second + noise(state.random));
    }
    return words;
}

}  // namespace kvt::sim
