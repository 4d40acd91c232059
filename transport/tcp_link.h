// A raw TCP stream to a unit behind a serial-to-network adapter, carrying the same bytes as the
// serial line.
#pragma once

#include "link_io.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace kvtcomm {

// Resolves host and connects to the first address that answers, giving up on an address after
// what remains of timeout. The socket is non-blocking with Nagle's delay off, since the
// protocol is short command lines that wait for an answer.
LinkOpenResult ConnectTcp(const std::string& host, std::uint16_t port,
                          std::chrono::milliseconds timeout);

}  // namespace kvtcomm
