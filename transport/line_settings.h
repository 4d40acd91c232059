// Turns the settings record into termios flags. No I/O here, so the mapping can be checked
// without a device.
#pragma once

#include "kvtcomm.h"

#include <termios.h>

#include <cstdint>
#include <optional>
#include <string>

namespace kvtcomm {

// The Bxxx constant for a bit rate, if the platform has one.
std::optional<speed_t> SpeedForBitRate(std::uint32_t bitRate);

// Sets tio to raw mode with the record's bit rate, character size, parity and stop bits, the
// receiver on, modem lines ignored and no flow control. Returns what is wrong with the record
// instead when it asks for something the line cannot do (tio is then not usable).
std::optional<std::string> ComposeLineSettings(const KVTCommSettings& settings, termios& tio);

}  // namespace kvtcomm
