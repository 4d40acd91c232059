#include "analyser/AnalyserFrame.h"

#include <cmath>

namespace kvt {

namespace {

constexpr double kFullScale = 8388608.0;  // 2^23
constexpr double kInputOffset = 23.8;
constexpr double kBandOffset = 6.0;
constexpr uint32_t kInputLevelBits = 0xFFF000;
constexpr size_t kInputFilterDepth = 4;

}  // namespace

double InputLevelOfWord(uint32_t word) {
    return 20.0 * std::log10(static_cast<double>(word & kInputLevelBits) / kFullScale) +
           kInputOffset;
}

double BandLevelOfWord(uint32_t word) {
    return 20.0 * std::log10(static_cast<double>(word) / kFullScale) + kBandOffset;
}

MovingAverage::MovingAverage(size_t depth) : window_(depth == 0 ? 1 : depth, 0.0) {}

double MovingAverage::Add(double value) {
    sum_ += value - window_[next_];
    window_[next_] = value;
    next_ = (next_ + 1) % window_.size();
    // Recomputed once per round, so rounding errors of the running sum never pile up.
    if (next_ == 0) {
        sum_ = 0.0;
        for (const double v : window_) {
            sum_ += v;
        }
    }
    return sum_ / static_cast<double>(window_.size());
}

size_t BandFilterDepth(size_t band) {
    if (band <= 6) {
        return 1;
    }
    if (band <= 13) {
        return 2;
    }
    if (band <= 21) {
        return 6;
    }
    if (band <= 25) {
        return 8;
    }
    return 10;
}

AnalyserSmoothing::AnalyserSmoothing()
    : inputs_{MovingAverage(kInputFilterDepth), MovingAverage(kInputFilterDepth)} {
    bands_.reserve(kAnalyserValues);
    for (size_t value = 0; value < kAnalyserValues; ++value) {
        bands_.emplace_back(BandFilterDepth(value / 2));
    }
}

AnalyserLevels AnalyserSmoothing::Take(std::span<const uint32_t> words, std::span<double> values) {
    AnalyserLevels levels;
    if (words.size() < kAnalyserWords || values.size() < kAnalyserValues) {
        return levels;
    }
    const auto input = [&](size_t channel) {
        const double level = InputLevelOfWord(words[channel]);
        // A silent input is shown at the floor and kept out of the average.
        return std::isfinite(level) ? inputs_[channel].Add(level) : kInputFloor;
    };
    levels.left = input(0);
    levels.right = input(1);

    const auto smooth = [&](size_t element, uint32_t word) {
        const double level = BandLevelOfWord(word);
        values[element] = bands_[element].Add(std::isfinite(level) ? level : kBandFloor);
    };
    for (size_t band = 0; band < kAnalyserBands; ++band) {
        smooth(2 * band, words[4 + 2 * band]);
        smooth(2 * band + 1, words[3 + 2 * band]);
    }
    levels.complete = words[2] == words[kAnalyserWords - 1];
    return levels;
}

}  // namespace kvt
