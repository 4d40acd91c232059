// TcpEndpoint: the unit behind a TCP port on the loopback address, as a unit's network adapter
// carries the same command protocol. One client is served at a time; when it leaves, the next
// waiting client is accepted.
#pragma once

#include <cstdint>
#include <memory>

#include "LineEndpoint.h"
#include "UniqueFd.h"

namespace kvt::sim {

class TcpEndpoint final : public LineEndpoint {
  public:
    // Listens on 127.0.0.1:port (0: any free port). Throws std::system_error on failure.
    static std::unique_ptr<TcpEndpoint> Listen(uint16_t port);

    uint16_t Port() const { return port_; }

    int PeerFd() const override { return client_.Get(); }
    int ListenFd() const override { return client_.Valid() ? -1 : listener_.Get(); }
    void AcceptPeer() override;
    ssize_t Read(char* data, size_t size) override;
    ssize_t Write(const char* data, size_t size) override;
    // Closes the client's connection (it reads end of stream); the port keeps listening.
    void HangUp() override { client_.Reset(); }

  private:
    TcpEndpoint() = default;

    UniqueFd listener_;
    UniqueFd client_;
    uint16_t port_ = 0;
};

}  // namespace kvt::sim
