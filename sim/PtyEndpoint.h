// PtyEndpoint: the unit behind a pseudo-terminal. The client opens the slave path like a serial
// device. The endpoint keeps its own descriptor of the slave open for its whole life, so the
// master side reads no hang-ups while clients close and reopen the slave; it takes no lock on
// the slave, leaving exclusive access to the client.
#pragma once

#include <memory>
#include <string>

#include "LineEndpoint.h"
#include "UniqueFd.h"

namespace kvt::sim {

class PtyEndpoint final : public LineEndpoint {
  public:
    // Throws std::system_error when no pseudo-terminal can be had.
    static std::unique_ptr<PtyEndpoint> Open();

    const std::string& SlavePath() const { return slavePath_; }

    int PeerFd() const override { return master_.Get(); }
    ssize_t Read(char* data, size_t size) override;
    ssize_t Write(const char* data, size_t size) override;
    // Closes both ends: the client's reads see a hang-up, and the path is gone for good.
    void HangUp() override;

  private:
    PtyEndpoint() = default;

    UniqueFd master_;
    UniqueFd slave_;
    std::string slavePath_;
};

}  // namespace kvt::sim
