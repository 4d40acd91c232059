// EventRecorder: the event sink of kvt80ctl. It keeps every event the engine raises so that a
// later "wait" can find it, and prints it as an "event Name(...)" line when asked to.
//
// The engine holds the recorder through a shared_ptr and may deliver an event that it took from
// its sink list just before Unadvise; the recorder therefore owns everything it touches, and
// Detach makes such late deliveries harmless.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "LineWriter.h"
#include "automation/Events.h"

namespace kvt::cli {

class EventRecorder : public DispatchEventSink {
  public:
    // Nothing waits for events while a long script sleeps, yet the analyser and level events keep
    // coming; past this many the oldest are discarded so memory stays bounded.
    static constexpr size_t kMaxRecorded = 10000;

    EventRecorder(std::shared_ptr<LineWriter> writer, bool printEvents);

    void OnEvent(const EventInfo& event, std::span<const Variant> arguments) override;

    // Not recorded (no "wait" can name it): printed as a "progress ..." line while a download
    // writes, and with the reason when it fails.
    void DownloadProgress(int32_t state, int32_t done, int32_t total,
                          const std::u16string& note) override;

    // Waits up to timeout for the first recorded event of that kind whose leading arguments equal
    // leading (already converted to the event's argument types). On success the event and every
    // event recorded before it are consumed; on time-out everything recorded so far is dropped.
    bool WaitFor(const EventInfo& event, std::span<const Variant> leading,
                 std::chrono::milliseconds timeout);

    // Stops recording and printing; events delivered afterwards are ignored.
    void Detach();

    size_t RecordedCount() const;
    uint64_t DiscardedCount() const;

  private:
    struct Recorded {
        const EventInfo* event;
        std::vector<Variant> arguments;
    };

    static bool Matches(const Recorded& recorded, const EventInfo& event,
                        std::span<const Variant> leading);

    const std::shared_ptr<LineWriter> writer_;
    const bool printEvents_;

    mutable std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<Recorded> queue_;
    uint64_t frontSequence_ = 0;  // sequence number of queue_.front()
    uint64_t discarded_ = 0;
    bool detached_ = false;
};

}  // namespace kvt::cli
