// LineEndpoint: the unit's end of the line, whatever carries it (a pseudo-terminal, a TCP port).
// The line server polls its descriptors and moves bytes through it on its I/O thread.
#pragma once

#include <sys/types.h>

#include <cstddef>

namespace kvt::sim {

class LineEndpoint {
  public:
    virtual ~LineEndpoint() = default;

    // Descriptor to read from and write to; -1 while there is no peer (or after HangUp).
    virtual int PeerFd() const = 0;
    // Descriptor that becomes readable when a peer wants to connect; -1 when not listening.
    virtual int ListenFd() const { return -1; }
    virtual void AcceptPeer() {}

    // Non-blocking; the results of read(2) and write(2).
    virtual ssize_t Read(char* data, size_t size) = 0;
    virtual ssize_t Write(const char* data, size_t size) = 0;

    // The peer went away, or the unit drops the line (the ClosePort fault).
    virtual void HangUp() = 0;
};

}  // namespace kvt::sim
