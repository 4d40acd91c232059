// The state behind one KVTCommHandle: the open link, its receive thread, the queued-write
// record, the kept bytes of a polling client and the byte counters.
#pragma once

#include "kvtcomm.h"
#include "link_io.h"
#include "receive_buffer.h"
#include "unique_fd.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <future>
#include <mutex>
#include <string>
#include <thread>

struct KVTCommPort {
  public:
    // With a null callback the port keeps received bytes for Read (polling style).
    KVTCommPort(kvtcomm::UniqueFd link, kvtcomm::LinkKind kind, KVTCommCallback callback,
                void* context, kvtcomm::SerialLatency latency = {});
    ~KVTCommPort();

    KVTCommPort(const KVTCommPort&) = delete;
    KVTCommPort& operator=(const KVTCommPort&) = delete;

    // Starts the receive thread and returns once it runs. On failure says why in error.
    bool Start(std::string& error);

    // Ends and frees the port. Called from the port's own callback it cannot wait for the
    // receive thread, so the thread finishes the close itself when the callback returns.
    static void Close(KVTCommPort* port);

    void Write(const char* bytes, std::uint32_t length, std::uint32_t mode);
    std::uint32_t Read(char* buffer, std::uint32_t capacity);

    std::uint32_t BytesReceived() const { return received_.load(std::memory_order_relaxed); }
    std::uint32_t BytesSent() const { return sent_.load(std::memory_order_relaxed); }
    std::uint32_t LastWriteError() const { return lastWriteError_.load(); }
    const kvtcomm::SerialLatency& Latency() const { return latency_; }

  private:
    struct QueuedWrite {
        std::uint32_t length = 0;
        std::array<char, KVTCOMM_QUEUED_WRITE_MAX> bytes{};
        bool pending = false;
    };

    void ReceiveMain(std::promise<void> started);
    void ReceiveLoop();
    bool ReceiveOnce(short events);
    void Deliver(std::size_t count);
    void ServiceQueuedWrite();
    void StopReceiving();

    void WriteNow(const char* bytes, std::size_t length);
    void WriteQueued(const char* bytes, std::uint32_t length);
    void Wake();
    void DrainWake();

    kvtcomm::UniqueFd link_;
    const kvtcomm::LinkKind kind_;
    const KVTCommCallback callback_;
    void* const context_;
    const kvtcomm::SerialLatency latency_;

    // Wakes the receive thread for stop, queued writes and freed buffer room.
    kvtcomm::UniqueFd wake_;
    std::atomic<bool> stopRequested_{false};
    bool closeFromCallback_ = false;  // touched only by the receive thread
    std::jthread receiver_;

    std::array<char, KVTCOMM_BURST_MAX + 1> burst_{};
    kvtcomm::ReceiveBuffer kept_;

    std::mutex writeMutex_;          // one write on the device at a time, so calls never interleave
    std::mutex queuedCallersMutex_;  // one user of the queued-write record at a time
    std::mutex queueMutex_;
    std::condition_variable queueDone_;
    QueuedWrite queued_;            // guarded by queueMutex_
    bool receiverRunning_ = false;  // guarded by queueMutex_

    std::atomic<std::uint32_t> received_{0};
    std::atomic<std::uint32_t> sent_{0};
    std::atomic<std::uint32_t> lastWriteError_{0};
};
