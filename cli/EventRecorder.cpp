#include "EventRecorder.h"

#include <algorithm>
#include <utility>

#include "ValueFormat.h"

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
