// Bytes kept for a polling client between its ReadCommBuf calls.
#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

namespace kvtcomm {

// A bounded first-in first-out byte queue shared by the receive thread (producer) and the
// polling client (consumer). It never grows past its capacity: when it is full the receiver
// stops reading the device, so the bytes wait in the driver instead of being dropped here, and
// the client's next Take reports that there is room again so the receiver can be woken.
class ReceiveBuffer {
  public:
    static constexpr std::size_t kDefaultCapacity = std::size_t{1} << 20;

    explicit ReceiveBuffer(std::size_t capacity = kDefaultCapacity);

    // True when count more bytes fit. When they do not, the next Take that frees enough room
    // says so (TakeResult::roomFreed).
    bool CheckRoom(std::size_t count);

    // Appends as many of the bytes as fit and returns how many that was.
    std::size_t Append(const char* bytes, std::size_t count);

    struct TakeResult {
        std::size_t count = 0;
        bool roomFreed = false;
    };
    // Moves up to capacity of the oldest bytes into out.
    TakeResult Take(char* out, std::size_t capacity);

    std::size_t Size() const;

  private:
    mutable std::mutex mutex_;
    std::vector<char> ring_;
    std::size_t head_ = 0;
    std::size_t size_ = 0;
    std::size_t roomWanted_ = 0;  // non-zero while the receiver waits for that much room
};

}  // namespace kvtcomm
