// Serial devices through termios: opening one exclusively and setting up its line.
#pragma once

#include "kvtcomm.h"
#include "link_io.h"
#include "serial_latency.h"

#include <string>
#include <vector>

namespace kvtcomm {

// Opens the device at path (a tty or a pseudo-terminal slave) for this process alone (an advisory
// lock for every client of this library; a tty also in the driver's exclusive mode), applies the
// record's line settings and empties both queues.
LinkOpenResult OpenSerialDevice(const std::string& path, const KVTCommSettings& settings);

// Lets queued output leave a real line (at most 2 s), drops what is left in either direction, so
// that closing cannot hang, puts the adapter's latency back as it was and gives up the exclusive
// claim.
void ReleaseSerialDevice(int fd, const SerialLatency& latency);

// The entry names in /dev.
std::vector<std::string> ListDeviceEntries();

}  // namespace kvtcomm
