// RoomModel: what the measurement microphones hear of one output channel of the simulated unit:
// the channel's loudspeaker in a modest auditorium, shaped by the unit's own settings for that
// channel as they stand in its memory (27 graphic-EQ bands, bass, treble, output gain, channel
// mute, and for the subwoofer its parametric band).
//
// Levels are in dB on the scale the engine shows the analyser bands on: pink noise through a
// channel at unity gain in a flat room reads 0 dB in every third-octave band.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "UnitMemory.h"

namespace kvt::sim {

inline constexpr int kOutputChannels = 8;  // 0 L, 1 C, 2 R, 3 LS, 4 Sub, 5 RS, 6 LEX, 7 REX
inline constexpr int kEqBands = 27;

// Exact third-octave centre frequency, k steps from 1 kHz (nominal labels 25 Hz ... 20 kHz).
double ThirdOctaveHz(int stepsFrom1kHz);

// Centre of graphic-EQ band 0..26, lowest first: 40 Hz (band 0) to 16 kHz (band 26), 1 kHz at
// band 14.
double EqBandHz(int band);

// The bit of the generator control word (block 3 address 16) that routes the test signal to the
// channel.
uint32_t GeneratorChannelBit(int channel);

// False when the channel's flags word mutes it.
bool ChannelPlays(const UnitMemory& memory, int channel);

// A room from a room file, in place of the built-in one: per channel a level (dB against the
// built-in screen channels) and the loudspeaker-in-room response as points (Hz, dB), interpolated
// linearly on a log-frequency axis and held flat beyond the first and last point. A channel the
// file does not name plays flat at 0 dB. Both microphones hear a file room alike.
struct RoomChannel {
    double levelDb = 0.0;
    std::vector<std::pair<double, double>> points;  // ascending frequency
};

struct RoomDescription {
    std::array<RoomChannel, kOutputChannels> channels{};
};

// The channel names of room files, by channel number: L C R LS SW RS LEX REX.
std::string_view RoomChannelName(int channel);

// Parses a room file (format in docs/SIMULATOR.md). On error returns nothing and sets `error` to
// the line number and what is wrong.
std::optional<RoomDescription> ParseRoomFile(std::string_view text, std::string& error);

// The response of one file room channel at `hz`, without the unit's settings.
double RoomChannelDb(const RoomChannel& channel, double hz);

// The channel as heard at the left microphone at `hz`: loudspeaker and room (the file room when
// one is given, else the built-in one), plus the channel's EQ bands, bass, treble and output gain
// read from memory; the subwoofer also through its parametric band.
double ChannelResponseDb(const UnitMemory& memory, int channel, double hz,
                         const RoomDescription* room = nullptr);

// How much lower the right microphone of the pair hears the channel than the left (dB).
double RightMicrophoneOffsetDb(int channel, const RoomDescription* room = nullptr);

}  // namespace kvt::sim
