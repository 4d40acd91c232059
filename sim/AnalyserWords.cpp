#include "AnalyserWords.h"

#include <algorithm>
#include <cmath>
#include <random>

#include "UnitState.h"

namespace kvt::sim {

namespace {

constexpr double kFullScale = 8388608.0;  // 2^23
constexpr size_t kBands = 30;
constexpr double kPinkNoiseLevel = -24.0;  // dBFS per third-octave band, before the room shape
constexpr double kInputLevel = -20.0;      // dBFS at the inputs

// A typical auditorium seen through pink noise: flat in the middle, a gentle high-frequency
// slope above 2 kHz, a little room gain near 63 Hz and the roll-off of the speakers below 40 Hz.
double RoomShape(double hz) {
    double shape = 0.0;
    if (hz > 2000.0) {
        shape -= 3.0 * std::log2(hz / 2000.0);
    }
    if (hz >= 40.0 && hz <= 125.0) {
        shape += 1.5;
    }
    if (hz < 40.0) {
        shape -= 6.0 * std::log2(40.0 / hz);
    }
    return shape;
}

uint32_t LevelWord(double dbfs) {
    const double linear = kFullScale * std::pow(10.0, dbfs / 20.0);
    return static_cast<uint32_t>(std::clamp(linear, 1.0, kFullScale - 1.0));
}

}  // namespace

std::array<uint32_t, kAnalyserWords> AnalyserSnapshot(UnitState& state) {
    std::uniform_real_distribution<double> wobble(-0.75, 0.75);
    std::array<uint32_t, kAnalyserWords> words{};
    words[0] = LevelWord(kInputLevel + wobble(state.random)) & 0xFFF000u;
    words[1] = LevelWord(kInputLevel - 0.5 + wobble(state.random)) & 0xFFF000u;

    state.analyserFrame = (state.analyserFrame + 1) & 0xFFFFFFu;
    words[2] = state.analyserFrame;
    words[kAnalyserWords - 1] = state.analyserFrame;

    for (size_t band = 0; band < kBands; ++band) {
        const double hz = 20000.0 / std::exp2(static_cast<double>(band) / 3.0);
        const double level = kPinkNoiseLevel + RoomShape(hz);
        words[3 + 2 * band] = LevelWord(level + wobble(state.random));
        words[4 + 2 * band] = LevelWord(level - 0.5 + wobble(state.random));
    }
    return words;
}

}  // namespace kvt::sim
