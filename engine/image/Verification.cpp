#include "image/Verification.h"

#include <array>
#include <cmath>

namespace kvt {

namespace {

constexpr uint16_t kIgnoredFlag = 0x8000;

struct BlockParams {
    uint32_t bits;
    std::array<Param, 10> params;
    size_t count;
};

// The numeric parameters each block's bits cover (every index of each).
constexpr std::array<BlockParams, 5> kBlocks{{
    {verify_bit::Eeprom, {Param::DigitalFallbackMode}, 1},
    {verify_bit::Preamps, {Param::LeftInputGain, Param::RightInputGain, Param::SlitEQ}, 3},
    {verify_bit::Matrix,
     {Param::InputConfig, Param::Delay, Param::SurroundGain, Param::SubwooferGain,
      Param::NonSyncGain, Param::LeftAuxGain, Param::RightAuxGain, Param::LeftMicGain,
      Param::RightMicGain},
     9},
    {verify_bit::Equalisers,
     {Param::Bass, Param::Treble, Param::EQBand, Param::HeadroomAdjust, Param::DigitalSurroundDelay,
      Param::DigitalInputDelay, Param::SubParametricFreq, Param::SubParametricQ,
      Param::SubParametricGain},
     9},
    {verify_bit::Outputs, {Param::OutputGain}, 1},
}};

bool SameValues(const ParameterImage& a, const ParameterImage& b, Param param) {
    const size_t first = FirstSlot(param);
    const size_t count = ValueCount(RowOf(param).index);
    for (size_t slot = first; slot < first + count; ++slot) {
        if (a.values[slot] != b.values[slot]) {
            return false;
        }
    }
    return true;
}

bool SameEeprom(const ParameterImage& a, const ParameterImage& b) {
    const FormatTable& x = a.formats;
    const FormatTable& y = b.formats;
    if (x.powerOnFormat != y.powerOnFormat || x.buttonFormat != y.buttonFormat ||
        x.formatCount != y.formatCount) {
        return false;
    }
    for (size_t f = 0; f < x.records.size(); ++f) {
        const FormatRecord& r = x.records[f];
        const FormatRecord& s = y.records[f];
        if ((r.Flags() & ~kIgnoredFlag) != (s.Flags() & ~kIgnoredFlag) ||
            r.bytes[kLevelOffset] != s.bytes[kLevelOffset]) {
            return false;
        }
    }
    for (size_t i = 0; i < kProfileFields; ++i) {
        const auto field = static_cast<ProfileField>(i);
        if (field != ProfileField::SerialNumber && a.profile.Text(field) != b.profile.Text(field)) {
            return false;
        }
    }
    return true;
}

bool SameChannelFlags(const ParameterImage& a, const ParameterImage& b) {
    return a.mute == b.mute && a.invert == b.invert;
}

}  // namespace

uint32_t VerificationMask(const ParameterImage& expected, const ParameterImage& unit) {
    uint32_t mask = 0;
    for (const BlockParams& block : kBlocks) {
        for (size_t i = 0; i < block.count; ++i) {
            if (!SameValues(expected, unit, block.params[i])) {
                mask |= block.bits;
            }
        }
    }
    if (std::fabs(unit.Get(Param::MonoEQ) - expected.Get(Param::MonoEQ)) > kMonoEQTolerance) {
        mask |= verify_bit::Preamps;
    }
    if (!SameEeprom(expected, unit)) {
        mask |= verify_bit::Eeprom;
    }
    if (!SameChannelFlags(expected, unit)) {
        mask |= verify_bit::Equalisers;
    }
    return mask;
}

}  // namespace kvt
