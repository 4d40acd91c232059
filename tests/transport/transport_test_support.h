// Shared pieces of the transport tests: a real pseudo-terminal whose master plays the unit, a
// recorder for the receive callback, and small waits on conditions.
#pragma once

#include "kvtcomm.h"

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace transport_test {

using namespace std::chrono_literals;

// Bound for waits that should end at once; only there so a fault fails the test instead of
// hanging it (the machine may be loaded, and the sanitizers are slow).
inline constexpr std::chrono::milliseconds kHangGuard = 10s;

// Polls the condition every millisecond until it holds or the limit passes.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds limit = kHangGuard);

class PseudoTerminal {
  public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return slavePath_; }
    int Master() const { return master_; }

    // Writes every byte to the master side. False if the slave stops taking them.
    bool Write(std::string_view bytes, std::chrono::milliseconds limit = kHangGuard);
    // Reads from the master side until count bytes have come or the limit passes.
    std::string Read(std::size_t count, std::chrono::milliseconds limit = kHangGuard);
    // True when nothing is waiting on the master side right now.
    bool NothingWaiting();

    void CloseMaster();

  private:
    int master_ = -1;
    std::string slavePath_;
};

struct CommCloser {
    void operator()(KVTCommPort* port) const { CloseComm(port, nullptr); }
};
using OpenPort = std::unique_ptr<KVTCommPort, CommCloser>;

KVTCommSettings SettingsFor(std::string_view name, std::uint32_t bitRate = 38400);

OpenPort Open(std::string_view name, KVTCommCallback callback = nullptr, void* context = nullptr,
              std::uint32_t* error = nullptr);

// Records every callback call as it came (bytes including the terminating zero).
class BurstRecorder {
  public:
    static void Callback(KVTCommHandle handle, const char* bytes, std::int32_t length,
                         void* context);

    bool WaitForBytes(std::size_t count, std::chrono::milliseconds limit = kHangGuard);
    std::vector<std::string> Calls() const;
    std::string Bytes() const;  // everything received, without the terminating zeros
    KVTCommHandle LastHandle() const;

    // Runs inside the callback, on the receive thread, after the call is recorded.
    std::function<void(KVTCommHandle)> onCall;

  private:
    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::string> calls_;
    std::size_t byteCount_ = 0;
    KVTCommHandle lastHandle_ = nullptr;
};

// Thread ids of the library's receive threads alive in this process right now.
std::set<int> ReceiveThreadIds();

// The one receive thread started since before was taken, or -1.
int NewReceiveThread(const std::set<int>& before);

bool ThreadAlive(int threadId);

std::array<std::uint32_t, 4> Stats(KVTCommHandle handle);

}  // namespace transport_test
