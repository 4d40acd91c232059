// Comparing two images the way a verification does: which parameter blocks of the unit differ.
#pragma once

#include <cstdint>

#include "image/ParameterImage.h"

namespace kvt {

namespace verify_bit {
constexpr uint32_t Eeprom = 0x01;      // format settings, profile texts, fallback mode
constexpr uint32_t Preamps = 0x06;     // input gains, slit and mono EQ
constexpr uint32_t Matrix = 0x08;      // input configuration, delay, matrix gains
constexpr uint32_t Equalisers = 0x30;  // bass, treble, bands, channel flags, headroom, delays
constexpr uint32_t Outputs = 0x40;     // output gains
}  // namespace verify_bit

// How far a mono EQ value read back may lie from the one sent: the unit keeps it in coarser steps.
constexpr double kMonoEQTolerance = 0.1;

// The bits of every block in which `unit` differs from `expected`. Doubles compare exactly but for
// MonoEQ; format flags without bit 0x8000; profile texts up to their terminators. Format codes and
// texts, the serial number and SubwooferFreq are not compared.
uint32_t VerificationMask(const ParameterImage& expected, const ParameterImage& unit);

}  // namespace kvt
