// Reading and writing an open link, serial device or TCP socket alike.
#pragma once

#include "serial_latency.h"
#include "unique_fd.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace kvtcomm {

enum class LinkKind { Terminal, Socket };

// What opening a link produced: a descriptor, or the error word and the words for the user.
struct LinkOpenResult {
    UniqueFd fd;
    std::uint32_t errorWord = 0;
    std::string errorText;
    SerialLatency latency;  // a serial device: what the port did for low latency
};

LinkOpenResult LinkOpenFailure(std::uint32_t errorWord, std::string text);

// Writes all bytes to the non-blocking fd, waiting for the device whenever it is full. Fails on
// a write error, or when the device accepts nothing for stallLimit. written tells how many bytes
// went out either way. Sockets are written without raising SIGPIPE when the peer has gone.
bool WriteAll(int fd, LinkKind kind, const char* bytes, std::size_t length,
              std::chrono::milliseconds stallLimit, std::size_t& written);

}  // namespace kvtcomm
