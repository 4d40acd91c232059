#include "RoomModel.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "ParametricBand.h"
#include "ResponseText.h"

namespace kvt::sim {

namespace {

// Where a channel's settings live; these mirror the engine's channel map and address map
// (engine/image/AddressMap.cpp): the EQ region R in block 4 or 5 holds the flags word at R + 0,
// band b at R + 30 - b, treble at R + 32 and bass at R + 33; the output gain is a word of block 6.
// All gains are tenths of a dB as signed 24-bit words.
constexpr uint32_t kFlagsOffset = 0;
constexpr uint32_t kTopBandOffset = 30;
constexpr uint32_t kTrebleOffset = 32;
constexpr uint32_t kBassOffset = 33;
constexpr uint32_t kMuteBit = 0x2;
constexpr int kOutputBlock = 6;
// The subwoofer's parametric band: whole hertz, Q in 1/65536, gain in tenths of a dB.
constexpr int kSubwooferChannel = 4;
constexpr int kParametricBlock = 4;
constexpr uint32_t kParametricFreqAddress = 229;
constexpr uint32_t kParametricQAddress = 230;
constexpr uint32_t kParametricGainAddress = 231;
constexpr double kQScale = 65536.0;

// Far beyond what the unit accepts (EQ +-6 dB, output gain -22 ... +8 dB); a stray word in memory
// must not make the model meaningless.
constexpr double kMaxSettingDb = 24.0;

// Graphic-EQ bands are constant-Q third-octave bells: a boost falls to half its dB a sixth of an
// octave either side, so neighbouring bands add up only a little.
const double kEqBellWidthOctaves = (1.0 / 6.0) / std::sqrt(2.0 * std::log(2.0));
constexpr double kBassCornerHz = 125.0;
constexpr double kTrebleCornerHz = 8000.0;
constexpr double kRoomGainWidthOctaves = 0.6;
constexpr double kFeatureWidthOctaves = 0.25;

// One loudspeaker in the room, seen from the listening position.
struct ChannelRoom {
    uint32_t generatorBit;
    int eqBlock;
    uint32_t region;
    uint32_t outputGainAddress;
    double levelDb;  // against the screen channels
    double highPassHz;
    int highPassOrder;
    double lowPassHz;  // 0: none
    int lowPassOrder;
    double rolloffFromHz;  // 0: none
    double rolloffDbPerOctave;
    double roomGainHz;
    double roomGainDb;
    double featureHz;  // a reflection of its own: a small dip or lift
    double featureDb;
    double rightMicDb;  // the right microphone hears it this much lower
};

// Screen channels: big horn systems down to about 35 Hz, some room gain around 63 Hz and the
// gentle high-frequency fall of a large room. Subwoofer: 22 Hz to 120 Hz. Surrounds: smaller
// boxes, a little lower and duller, the rear (EX) pair more so.
constexpr std::array<ChannelRoom, kOutputChannels> kChannels{{
    {0x200000, 4, 0, 1012, 0.0, 35, 2, 0, 0, 2000, 2.0, 63, 2.0, 250, 0.8, 0.8},     // L
    {0x400000, 4, 128, 1014, 0.0, 35, 2, 0, 0, 2000, 2.0, 63, 2.0, 125, -1.2, 0.4},  // C
    {0x800000, 4, 64, 1013, 0.0, 35, 2, 0, 0, 2000, 2.0, 63, 2.0, 500, 0.7, 0.2},    // R
    {0x4000, 5, 0, 1016, -2.0, 70, 2, 0, 0, 1500, 3.0, 125, 1.0, 400, -0.8, 0.9},    // LS
    {0x8000, 4, 192, 1015, -3.0, 22, 2, 120, 4, 0, 0.0, 40, 3.0, 63, -1.0, 0.3},     // Sub
    {0x10000, 5, 64, 1017, -2.0, 70, 2, 0, 0, 1500, 3.0, 125, 1.0, 2000, 0.6, 0.1},  // RS
    {0x400, 5, 128, 1018, -2.5, 80, 2, 0, 0, 1250, 3.5, 125, 1.0, 800, -0.7, 0.7},   // LEX
    {0x1000, 5, 192, 1019, -2.5, 80, 2, 0, 0, 1250, 3.5, 125, 1.0, 315, 0.5, 0.4},   // REX
}};

const ChannelRoom& Room(int channel) {
    return kChannels[static_cast<size_t>(std::clamp(channel, 0, kOutputChannels - 1))];
}

double TenthsDb(const UnitMemory& memory, int block, uint32_t address) {
    const auto raw = static_cast<int32_t>(memory.Read(block, address) << 8) >> 8;
    return std::clamp(raw / 10.0, -kMaxSettingDb, kMaxSettingDb);
}

double HighPassDb(double hz, double cornerHz, int order) {
    return -10.0 * std::log10(1.0 + std::pow(cornerHz / hz, 2.0 * order));
}

double LowPassDb(double hz, double cornerHz, int order) {
    return cornerHz > 0 ? -10.0 * std::log10(1.0 + std::pow(hz / cornerHz, 2.0 * order)) : 0.0;
}

double BellDb(double hz, double centreHz, double gainDb, double widthOctaves) {
    const double octaves = std::log2(hz / centreHz);
    return gainDb * std::exp(-octaves * octaves / (2.0 * widthOctaves * widthOctaves));
}

double LoudspeakerInRoomDb(const ChannelRoom& room, double hz) {
    double db = room.levelDb + HighPassDb(hz, room.highPassHz, room.highPassOrder) +
                LowPassDb(hz, room.lowPassHz, room.lowPassOrder) +
                BellDb(hz, room.roomGainHz, room.roomGainDb, kRoomGainWidthOctaves) +
                BellDb(hz, room.featureHz, room.featureDb, kFeatureWidthOctaves);
    if (room.rolloffFromHz > 0 && hz > room.rolloffFromHz) {
        db -= room.rolloffDbPerOctave * std::log2(hz / room.rolloffFromHz);
    }
    return db;
}

double EqualiserDb(const UnitMemory& memory, const ChannelRoom& room, double hz) {
    double db = 0.0;
    for (int band = 0; band < kEqBands; ++band) {
        const double gain = TenthsDb(memory, room.eqBlock,
                                     room.region + kTopBandOffset - static_cast<uint32_t>(band));
        db += BellDb(hz, EqBandHz(band), gain, kEqBellWidthOctaves);
    }
    const double bass = TenthsDb(memory, room.eqBlock, room.region + kBassOffset);
    const double treble = TenthsDb(memory, room.eqBlock, room.region + kTrebleOffset);
    const double bassShare = 1.0 / (1.0 + (hz / kBassCornerHz) * (hz / kBassCornerHz));
    const double trebleShare = 1.0 / (1.0 + (kTrebleCornerHz / hz) * (kTrebleCornerHz / hz));
    return db + bass * bassShare + treble * trebleShare +
           TenthsDb(memory, kOutputBlock, room.outputGainAddress);
}

// The parametric band as the subwoofer's processor runs it; words out of the unit's ranges are
// held to them, as the processor would.
double SubwooferParametricDb(const UnitMemory& memory, double hz) {
    const double centre = std::clamp(
        static_cast<double>(memory.Read(kParametricBlock, kParametricFreqAddress) & 0xFFFFFFu),
        acoustics::kParametricLowestHz, acoustics::kParametricHighestHz);
    const double q = std::clamp(
        static_cast<double>(memory.Read(kParametricBlock, kParametricQAddress) & 0xFFFFFFu) /
            kQScale,
        acoustics::kParametricLowestQ, acoustics::kParametricHighestQ);
    const double gain = std::clamp(TenthsDb(memory, kParametricBlock, kParametricGainAddress),
                                   acoustics::kParametricDeepestCutDb, 0.0);
    return acoustics::ParametricDb(centre, q, gain, hz);
}

}  // namespace

double ThirdOctaveHz(int stepsFrom1kHz) {
    return 1000.0 * std::exp2(stepsFrom1kHz / 3.0);
}

double EqBandHz(int band) {
    constexpr int k1kHzBand = 14;
    return ThirdOctaveHz(band - k1kHzBand);
}

uint32_t GeneratorChannelBit(int channel) {
    return Room(channel).generatorBit;
}

bool ChannelPlays(const UnitMemory& memory, int channel) {
    const ChannelRoom& room = Room(channel);
    return (memory.Read(room.eqBlock, room.region + kFlagsOffset) & kMuteBit) == 0;
}

std::string_view RoomChannelName(int channel) {
    constexpr std::array<std::string_view, kOutputChannels> kNames{"L",  "C",  "R",   "LS",
                                                                   "SW", "RS", "LEX", "REX"};
    return channel >= 0 && channel < kOutputChannels ? kNames[static_cast<size_t>(channel)] : "";
}

namespace {

constexpr size_t kMaxRoomPoints = 256;  // per channel
constexpr double kLowestRoomHz = 10.0;
constexpr double kHighestRoomHz = 30000.0;

std::optional<int> ChannelByName(std::string name) {
    for (auto& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    for (int channel = 0; channel < kOutputChannels; ++channel) {
        if (RoomChannelName(channel) == name) {
            return channel;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<RoomDescription> ParseRoomFile(std::string_view text, std::string& error) {
    const auto lines = acoustics::ResponseLines(text, error);
    if (!lines) {
        return std::nullopt;
    }
    RoomDescription room;
    for (const acoustics::ResponseLine& line : *lines) {
        auto fail = [&](const std::string& what) {
            error = "line " + std::to_string(line.number) + ": " + what;
            return std::nullopt;
        };
        const std::vector<std::string>& words = line.fields;
        if (words.size() != 3) {
            return fail("expected CHANNEL level DB or CHANNEL HZ DB");
        }
        const auto channel = ChannelByName(words[0]);
        if (!channel) {
            return fail("unknown channel \"" + words[0] + "\" (L C R LS SW RS LEX REX)");
        }
        const auto db = acoustics::ResponseLevel(words[2]);
        if (!db) {
            return fail(acoustics::kResponseLevelError);
        }
        RoomChannel& target = room.channels[static_cast<size_t>(*channel)];
        if (words[1] == "level" || words[1] == "LEVEL") {
            target.levelDb = *db;
            continue;
        }
        const auto hz = acoustics::ResponseNumber(words[1]);
        if (!hz || *hz < kLowestRoomHz || *hz > kHighestRoomHz) {
            return fail("the frequency must be from 10 to 30000 Hz");
        }
        if (!target.points.empty() && *hz <= target.points.back().first) {
            return fail("a channel's frequencies must rise from line to line");
        }
        if (target.points.size() >= kMaxRoomPoints) {
            return fail("more than 256 points for one channel");
        }
        target.points.emplace_back(*hz, *db);
    }
    return room;
}

double RoomChannelDb(const RoomChannel& channel, double hz) {
    const auto& points = channel.points;
    double db = 0.0;
    if (points.empty()) {
        db = 0.0;
    } else if (hz <= points.front().first) {
        db = points.front().second;
    } else if (hz >= points.back().first) {
        db = points.back().second;
    } else {
        const auto above =
            std::upper_bound(points.begin(), points.end(), hz,
                             [](double value, const std::pair<double, double>& point) {
                                 return value < point.first;
                             });
        const auto below = above - 1;
        const double share = std::log(hz / below->first) / std::log(above->first / below->first);
        db = below->second + share * (above->second - below->second);
    }
    return channel.levelDb + db;
}

double ChannelResponseDb(const UnitMemory& memory, int channel, double hz,
                         const RoomDescription* file) {
    const ChannelRoom& room = Room(channel);
    const double speaker =
        file != nullptr
            ? RoomChannelDb(
                  file->channels[static_cast<size_t>(std::clamp(channel, 0, kOutputChannels - 1))],
                  hz)
            : LoudspeakerInRoomDb(room, hz);
    const double parametric =
        channel == kSubwooferChannel ? SubwooferParametricDb(memory, hz) : 0.0;
    return speaker + EqualiserDb(memory, room, hz) + parametric;
}

double RightMicrophoneOffsetDb(int channel, const RoomDescription* file) {
    return file != nullptr ? 0.0 : Room(channel).rightMicDb;
}

}  // namespace kvt::sim
