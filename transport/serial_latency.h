// Low-latency operation of USB serial adapters.
//
// Adapters such as the FTDI chips hold short bursts of received bytes back until their latency
// timer fires (16 ms by default) or a USB packet fills; nearly every reply of the unit is shorter
// than a packet, so each exchange would wait that long. The driver's low-latency flag (which the
// FTDI driver turns into a 1 ms timer) and, where sysfs offers it, the adapter's latency_timer
// remove the wait. The port asks for both when it opens a serial device and puts back what it
// changed when it closes it; a device without them is used as it is.
//
// The calls that touch the system go through SerialLatencyPlatform, so the request and the
// restore can be followed without an adapter.
#pragma once

#include <linux/serial.h>

#include <functional>
#include <optional>
#include <string>

namespace kvtcomm {

struct SerialLatencyPlatform {
    // ioctl(fd, TIOCGSERIAL or TIOCSSERIAL, &info): 0, or the errno of the failure.
    std::function<int(int fd, unsigned long request, serial_struct& info)> serialInfo;
    // A sysfs attribute's text; nothing when it is missing or unreadable.
    std::function<std::optional<std::string>(const std::string& path)> readAttribute;
    // Writes the text to the attribute; false when it is missing or not writable.
    std::function<bool(const std::string& path, const std::string& text)> writeAttribute;
};

// The real system calls.
const SerialLatencyPlatform& SystemLatencyPlatform();

// What the port found and changed.
struct SerialLatency {
    bool lowLatency = false;     // the driver runs with its low-latency flag
    bool flagSetByPort = false;  // the port set it (and clears it again at close)
    std::string timerPath;       // the adapter's latency_timer, when sysfs has one
    int timerMs = -1;            // the timer now, -1 when unknown
    int timerBeforeMs = -1;      // its value before the port lowered it; -1: left as it was

    // One line for a technician: "low-latency mode on, adapter latency timer 1 ms (was 16 ms)".
    std::string Describe() const;
};

// Where sysfs keeps the latency timer of the adapter behind the device path (symbolic links
// such as /dev/serial/by-id/... are followed): /sys/class/tty/<name>/device/latency_timer.
std::string LatencyTimerPath(const std::string& devicePath);

// Asks the driver and the adapter for low latency; anything they do not support is left alone.
SerialLatency RequestLowLatency(int fd, const std::string& devicePath,
                                const SerialLatencyPlatform& platform);

// Puts back what RequestLowLatency changed.
void RestoreLatency(int fd, const SerialLatency& latency, const SerialLatencyPlatform& platform);

}  // namespace kvtcomm
