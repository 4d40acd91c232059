#include "Bands.h"

#include <algorithm>
#include <cctype>

#include "IKVT80.h"

namespace kvt::roomeq {

namespace {

constexpr std::array<std::string_view, kColumns> kLabels{
    "25",   "31.5",  "40",  "50",  "63",   "80",  "100", "125",   "160",  "200",
    "250",  "315",   "400", "500", "630",  "800", "1k",  "1.25k", "1.6k", "2k",
    "2.5k", "3.15k", "4k",  "5k",  "6.3k", "8k",  "10k", "12.5k", "16k",  "20k"};

constexpr std::array<std::string_view, kChannels> kNames{"L",  "C",  "R",   "LS",
                                                         "SW", "RS", "LEX", "REX"};

}  // namespace

std::string_view ColumnLabel(int column) {
    return column >= 0 && column < kColumns ? kLabels[static_cast<size_t>(column)] : "";
}

std::optional<int> ColumnOf(double hz) {
    if (!(hz > 0.0)) {
        return std::nullopt;
    }
    const double steps = 3.0 * std::log2(hz / 1000.0);
    const auto nearest = static_cast<int>(std::lround(steps));
    if (std::abs(steps - nearest) > 0.5 * 0.5) {  // more than a sixth of an octave off
        return std::nullopt;
    }
    const int column = nearest + k1kHzColumn;
    if (column < 0 || column >= kColumns) {
        return std::nullopt;
    }
    return column;
}

std::string_view ChannelName(int channel) {
    return channel >= 0 && channel < kChannels ? kNames[static_cast<size_t>(channel)] : "";
}

std::optional<int> ChannelByName(std::string_view name) {
    std::string upper(name);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    for (int channel = 0; channel < kChannels; ++channel) {
        if (kNames[static_cast<size_t>(channel)] == upper) {
            return channel;
        }
    }
    if (upper == "SUB") {
        return SW;
    }
    return std::nullopt;
}

int32_t GeneratorBit(int channel) {
    constexpr std::array<int32_t, kChannels> kBits{
        GeneratorLeft,      GeneratorCenter,        GeneratorRight,  GeneratorLeftSurround,
        GeneratorSubwoofer, GeneratorRightSurround, GeneratorLeftEX, GeneratorRightEX};
    return channel >= 0 && channel < kChannels ? kBits[static_cast<size_t>(channel)] : 0;
}

ChannelKind KindOf(int channel) {
    switch (channel) {
        case L:
        case C:
        case R:
            return ChannelKind::Screen;
        case SW:
            return ChannelKind::Subwoofer;
        default:
            return ChannelKind::Surround;
    }
}

}  // namespace kvt::roomeq
