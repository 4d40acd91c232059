#include "LinePacing.h"

#include <algorithm>

namespace kvt::sim {

using std::chrono::nanoseconds;

namespace {
constexpr int64_t kBitsPerByte = 10;
constexpr size_t kCompactAfter = size_t{64} * 1024;
}  // namespace

nanoseconds ByteTime(uint32_t baudRate) {
    if (baudRate == 0) {
        return nanoseconds{0};
    }
    return nanoseconds{kBitsPerByte * 1'000'000'000 / static_cast<int64_t>(baudRate)};
}

InputClock::Read InputClock::Receive(SteadyTime arrival, size_t count, nanoseconds byteTime) {
    const Read read{std::max(arrival, lineFreeAt_), byteTime};
    lineFreeAt_ = read.start + byteTime * static_cast<int64_t>(count);
    return read;
}

void OutputPacer::Queue(std::string_view bytes, SteadyTime now, nanoseconds byteTime) {
    if (bytes.empty()) {
        return;
    }
    if (Empty()) {
        Clear();
        nextDone_ = std::max(now, lastDone_) + byteTime;
    }
    const size_t room = kMaxPending - std::min(kMaxPending, pending_.size() - head_);
    pending_.append(bytes.substr(0, room));
}

size_t OutputPacer::Due(SteadyTime now, nanoseconds byteTime) const {
    const size_t pending = pending_.size() - head_;
    if (pending == 0 || byteTime.count() == 0) {
        return pending;
    }
    if (now < nextDone_) {
        return 0;
    }
    const auto slots = static_cast<size_t>((now - nextDone_) / byteTime) + 1;
    return std::min(pending, slots);
}

std::optional<SteadyTime> OutputPacer::NextDue() const {
    if (Empty()) {
        return std::nullopt;
    }
    return nextDone_;
}

std::optional<SteadyTime> OutputPacer::LastDue(nanoseconds byteTime) const {
    if (Empty()) {
        return std::nullopt;
    }
    return nextDone_ + byteTime * static_cast<int64_t>(pending_.size() - head_ - 1);
}

void OutputPacer::Consume(size_t count, SteadyTime now, nanoseconds byteTime) {
    count = std::min(count, pending_.size() - head_);
    if (count == 0) {
        return;
    }
    head_ += count;
    if (byteTime.count() == 0) {
        lastDone_ = now;
        nextDone_ = now;
    } else {
        lastDone_ = nextDone_ + byteTime * static_cast<int64_t>(count - 1);
        nextDone_ = lastDone_ + byteTime;
    }
    if (Empty() || head_ > kCompactAfter) {
        pending_.erase(0, head_);
        head_ = 0;
    }
}

size_t AdapterModel::Release(size_t arrived, SteadyTime firstArrived, SteadyTime now) const {
    if (latency.count() == 0 || now >= firstArrived + latency) {
        return arrived;
    }
    return arrived - arrived % kPacketBytes;
}

void OutputPacer::Clear() {
    pending_.clear();
    head_ = 0;
}

}  // namespace kvt::sim
