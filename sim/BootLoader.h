// BootLoader: the control card microcontroller's boot loader. After a power-up holding S5, or
// with the firmware missing, it has the serial line instead of the command interpreter: it
// identifies itself, erases the program memory, writes 16-byte records into the program memory,
// user ID, configuration and data EEPROM, and starts the firmware. It never echoes and answers
// every command line with exactly one line. Commands, records and regions: docs/DOWNLOADS.md.
#pragma once

#include <string>
#include <string_view>

#include "UnitState.h"

namespace kvt::sim {

// The answer line (without its "\r\n") to one command line; `overflow` marks a line that was
// longer than the line buffer. After "R" the boot loader has stopped and the firmware runs.
std::string AnswerBootLoaderLine(ControllerState& controller, std::string_view line, bool overflow);

}  // namespace kvt::sim
