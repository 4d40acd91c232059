// Link: the engine's end of the serial line.
//
// It owns the transport handle, collects what the receive thread delivers into the reply buffer of
// the exchange in flight, and serialises exchanges: whoever talks to the unit (the worker for one
// duty of its pass, a member on a caller's thread for its whole procedure) holds the link lock for
// that time, so two exchanges never overlap. Bytes that arrive while no exchange waits are handed
// to the unsolicited handler (terminal mode) or dropped.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "kvtcomm.h"
#include "protocol/ReplyParsing.h"

namespace kvt {

// Proof that the caller holds the link lock: only Link::Lock makes one, and exchanges take it as
// a parameter.
class LinkLock {
  public:
    LinkLock(LinkLock&&) noexcept = default;
    LinkLock& operator=(LinkLock&&) noexcept = default;

  private:
    friend class Link;
    explicit LinkLock(std::mutex& mutex) : lock_(mutex) {}
    std::unique_lock<std::mutex> lock_;
};

class Link {
  public:
    Link();
    ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // Opens the port; returns 0, or the transport's error word (KVTCOMM_ERROR_*). errorText
    // receives the transport's reason.
    uint32_t Open(const LinkLock&, const std::string& portName, uint32_t bitRate,
                  std::string& errorText);
    // Closes the port: the link is marked closed under the lock, and the transport (whose receive
    // thread is joined) is closed after the lock is released, so a receive-thread handler that
    // takes the link cannot deadlock with it.
    void Close(LinkLock lock);
    bool IsOpen() const { return open_.load(); }

    LinkLock Lock() {
        ++waiting_;
        LinkLock lock(exchangeMutex_);
        --waiting_;
        return lock;
    }
    // Whether some thread waits for the link right now (the worker then leaves it a gap).
    bool CallersWaiting() const { return waiting_.load() > 0; }

    // The prompt selection as last seen; reset to unknown on open and close.
    PromptSelection Selection(const LinkLock&) const { return selection_; }
    void SetSelection(const LinkLock&, PromptSelection selection) { selection_ = selection; }

    // Receiving a reply. Arm empties the reply buffer and starts collecting; Disarm stops.
    void Arm(const LinkLock&);
    void Disarm(const LinkLock&);

    // Waits until the reply buffer holds more than `seen` bytes (true) or `timeout` passes with
    // nothing new (false).
    bool WaitForMore(const LinkLock&, size_t seen, std::chrono::milliseconds timeout);

    // Lets `inspect` look at (and empty) the bytes collected so far, under the buffer's lock, so
    // nothing is copied per chunk and nothing that arrives meanwhile is lost.
    template <typename Inspect>
    auto InspectReply(const LinkLock&, Inspect&& inspect) {
        std::lock_guard lock(replyMutex_);
        return inspect(reply_);
    }

    // Writes the bytes on the calling thread; false when the link is closed or the bytes did not
    // all go out.
    bool Send(const LinkLock&, std::string_view bytes);

    // Handler for chunks that arrive while no exchange waits; runs on the receive thread.
    void SetUnsolicitedHandler(std::function<void(std::string_view)> handler);

  private:
    static void OnReceive(KVTCommHandle handle, const char* bytes, int32_t length, void* context);
    void Receive(std::string_view chunk);

    std::mutex exchangeMutex_;
    std::atomic<int> waiting_{0};
    std::atomic<bool> open_{false};
    std::atomic<KVTCommHandle> handle_{nullptr};
    PromptSelection selection_;

    mutable std::mutex replyMutex_;
    std::condition_variable replyArrived_;
    std::string reply_;
    std::atomic<bool> armed_{false};

    std::mutex handlerMutex_;
    std::function<void(std::string_view)> unsolicited_;
};

}  // namespace kvt
