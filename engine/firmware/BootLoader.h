// The engine's side of the controller's boot loader (protocol in docs/DOWNLOADS.md): command
// lines without echo, each answered by one line ending CR LF.
//
// Every function runs on the calling thread with the link lock held, and gives up early when
// `cancel` becomes true (Disconnect, Cleanup): nothing more is sent to the unit after that.
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <string_view>

#include "firmware/HexImage.h"
#include "firmware/McpImage.h"
#include "protocol/Link.h"

namespace kvt {

enum class BootOutcome {
    Done,       // "K"
    Silent,     // no answer in time, after every send
    Refused,    // "F", "A" or "N": the boot loader will not do it
    Damaged,    // "C" after every send: the record never arrived whole
    LinkLost,   // the link closed or a line did not go out
    Cancelled,  // Disconnect or Cleanup
};

// A sentence for a failure, saying what to check.
std::string DescribeBootOutcome(BootOutcome outcome, std::string_view what);

// Sends "?" every `probePeriod` until a line starting "BOOT " arrives (Done), `limit` passes
// (Silent), the link is lost or the download cancelled. Everything else received is discarded.
BootOutcome WaitForBootLoader(Link& link, const LinkLock& lock,
                              std::chrono::milliseconds probePeriod,
                              std::chrono::milliseconds limit, const std::atomic<bool>& cancel);

// Sends a command without address ("E", "R") once and waits up to `wait` for "K".
BootOutcome RunBootCommand(Link& link, const LinkLock& lock, std::string_view command,
                           std::chrono::milliseconds wait, const std::atomic<bool>& cancel);

// The record line ("W aaaaaa ..." for program memory, user ID and configuration words, "D aaaa
// ..." for data EEPROM), with its checksum and carriage return.
std::string BootRecord(FirmwareRegion region, const ImageLine& line);

// Sends a record and waits up to `wait` for its answer, sending it again after silence or "C",
// at most `sends` times. Answer lines for another address (late answers) are skipped.
BootOutcome WriteBootRecord(Link& link, const LinkLock& lock, FirmwareRegion region,
                            const ImageLine& line, std::chrono::milliseconds wait, int sends,
                            const std::atomic<bool>& cancel);

}  // namespace kvt
