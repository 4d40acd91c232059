#include "EventRecorder.h"

#include <algorithm>
#include <array>
#include <utility>

#include "ValueFormat.h"
#include "text/Codepage.h"

namespace kvt::cli {

EventRecorder::EventRecorder(std::shared_ptr<LineWriter> writer, bool printEvents)
    : writer_(std::move(writer)), printEvents_(printEvents) {}

void EventRecorder::OnEvent(const EventInfo& event, std::span<const Variant> arguments) {
    {
        std::lock_guard lock(mutex_);
        if (detached_) {
            return;
        }
        if (queue_.size() == kMaxRecorded) {
            queue_.pop_front();
            ++frontSequence_;
            ++discarded_;
        }
        queue_.push_back(Recorded{&event, {arguments.begin(), arguments.end()}});
        // Printed under the recorder's lock so that event lines keep the order of recording.
        if (printEvents_ && writer_) {
            writer_->WriteLine(FormatEventLine(event.name, arguments));
        }
    }
    arrived_.notify_all();
}

namespace {

// The download states by value: 0..5 the controller's, 6..12 the signal processors'.
constexpr std::array<std::string_view, 13> kDownloadStates{
    "Waiting",     "Erasing", "WritingPM", "WritingEEPROM", "Failed",    "Completed",   "Waiting",
    "LoadingStub", "Writing", "Failed",    "Completed",     "Verifying", "VerifyFailed"};

}  // namespace

void EventRecorder::DownloadProgress(int32_t state, int32_t done, int32_t total,
                                     const std::u16string& note) {
    std::string line;
    const std::string_view name = state >= 0 && static_cast<size_t>(state) < kDownloadStates.size()
                                      ? kDownloadStates[static_cast<size_t>(state)]
                                      : std::string_view("?");
    if (!note.empty()) {
        line = "progress " + std::string(name) + ": " + ToUtf8(note);
    } else if (total > 0) {
        line = "progress " + std::string(name) + " " + std::to_string(done) + "/" +
               std::to_string(total) + " (" + std::to_string(int64_t{done} * 100 / total) + "%)";
    } else {
        return;
    }
    std::lock_guard lock(mutex_);
    if (!detached_ && printEvents_ && writer_) {
        writer_->WriteLine(line);
    }
}

bool EventRecorder::Matches(const Recorded& recorded, const EventInfo& event,
                            std::span<const Variant> leading) {
    if (recorded.event->dispid != event.dispid || recorded.arguments.size() < leading.size()) {
        return false;
    }
    for (size_t i = 0; i < leading.size(); ++i) {
        if (!(recorded.arguments[i] == leading[i])) {
            return false;
        }
    }
    return true;
}

bool EventRecorder::WaitFor(const EventInfo& event, std::span<const Variant> leading,
                            std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::unique_lock lock(mutex_);
    uint64_t next = frontSequence_;  // first sequence number not yet looked at
    while (true) {
        next = std::max(next, frontSequence_);
        for (; next < frontSequence_ + queue_.size(); ++next) {
            if (Matches(queue_[next - frontSequence_], event, leading)) {
                const size_t consumed = next - frontSequence_ + 1;
                queue_.erase(queue_.begin(), queue_.begin() + static_cast<ptrdiff_t>(consumed));
                frontSequence_ += consumed;
                return true;
            }
        }
        const bool arrived = arrived_.wait_until(
            lock, deadline, [&] { return frontSequence_ + queue_.size() > next; });
        if (!arrived) {
            frontSequence_ += queue_.size();
            queue_.clear();
            return false;
        }
    }
}

void EventRecorder::Detach() {
    std::lock_guard lock(mutex_);
    detached_ = true;
    queue_.clear();
}

size_t EventRecorder::RecordedCount() const {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

uint64_t EventRecorder::DiscardedCount() const {
    std::lock_guard lock(mutex_);
    return discarded_;
}

}  // namespace kvt::cli
