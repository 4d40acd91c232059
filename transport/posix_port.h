// Serial devices through termios: opening one exclusively and setting up its line.
#pragma once

#include "kvtcomm.h"
#include "link_io.h"

#include <string>
#include <vector>

namespace kvtcomm {

// Opens the device at path (a tty or a pseudo-terminal slave) for this process alone, applies
// the record's line settings and empties both queues.
LinkOpenResult OpenSerialDevice(const std::string& path, const KVTCommSettings& settings);

// Drops what is still queued in either direction, so that closing cannot hang on unsent output,
// and gives up the exclusive claim.
void ReleaseSerialDevice(int fd);

// The entry names in /dev.
std::vector<std::string> ListDeviceEntries();

}  // namespace kvtcomm
