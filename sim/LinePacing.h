// LinePacing: the wire time of a serial line at a given baud rate, ten bits per byte (start bit,
// eight data bits, stop bit), in both directions.
//
// InputClock places received bytes on the unit's input: a byte occupies one byte time after the
// later of its arrival and the end of the previous byte, so a line counts as received only once
// its last byte would have come through a real UART. OutputPacer releases queued output at the
// same rate: a byte is due at the end of its slot on the wire.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvt::sim {

using SteadyTime = std::chrono::steady_clock::time_point;

// Zero for baud 0 (no pacing).
std::chrono::nanoseconds ByteTime(uint32_t baudRate);

class InputClock {
  public:
    // A read of `count` bytes arriving at `arrival`; ByteDone(k) is the moment byte k of it has
    // fully arrived.
    struct Read {
        SteadyTime start;
        std::chrono::nanoseconds byteTime;
        SteadyTime ByteDone(size_t k) const {
            return start + byteTime * static_cast<int64_t>(k + 1);
        }
    };

    Read Receive(SteadyTime arrival, size_t count, std::chrono::nanoseconds byteTime);
    void Reset() { lineFreeAt_ = {}; }

  private:
    SteadyTime lineFreeAt_{};
};

class OutputPacer {
  public:
    // Bytes queued beyond this are lost, as in an overflowing transmit buffer; only a peer that
    // never reads gets there.
    static constexpr size_t kMaxPending = 1u << 20;

    void Queue(std::string_view bytes, SteadyTime now, std::chrono::nanoseconds byteTime);

    // How many of the pending bytes have reached the end of their slot by `now`.
    size_t Due(SteadyTime now, std::chrono::nanoseconds byteTime) const;
    // When the next pending byte becomes due (nothing pending: none).
    std::optional<SteadyTime> NextDue() const;
    // When the last pending byte becomes due.
    std::optional<SteadyTime> LastDue(std::chrono::nanoseconds byteTime) const;
    // When pending byte k (0: the next one) becomes due.
    SteadyTime DueAt(size_t k, std::chrono::nanoseconds byteTime) const {
        return nextDone_ + byteTime * static_cast<int64_t>(k);
    }

    std::string_view Pending() const { return std::string_view(pending_).substr(head_); }
    bool Empty() const { return head_ == pending_.size(); }

    // `count` bytes left the unit at `now`.
    void Consume(size_t count, SteadyTime now, std::chrono::nanoseconds byteTime);

    // End of the slot of the last byte that left (the moment the line went quiet).
    SteadyTime LastByteDone() const { return lastDone_; }

    void Clear();

  private:
    std::string pending_;
    size_t head_ = 0;
    SteadyTime nextDone_{};  // slot end of the first pending byte
    SteadyTime lastDone_{};
};

// A USB serial adapter between the line and the host, as the common chips behave: bytes from
// the line wait in the adapter until a USB packet's worth has gathered or its latency timer,
// started by the first waiting byte, has run out. With a latency of 0 every byte passes at once.
struct AdapterModel {
    static constexpr size_t kPacketBytes = 62;

    std::chrono::milliseconds latency{0};

    // Of the `arrived` bytes waiting in the adapter, the first of them since `firstArrived`, how
    // many it hands to the host at `now`: all once the timer has run out, else whole packets.
    size_t Release(size_t arrived, SteadyTime firstArrived, SteadyTime now) const;
};

}  // namespace kvt::sim
