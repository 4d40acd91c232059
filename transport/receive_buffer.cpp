#include "receive_buffer.h"

#include <algorithm>
#include <cstring>

namespace kvtcomm {

ReceiveBuffer::ReceiveBuffer(std::size_t capacity) : ring_(std::max<std::size_t>(capacity, 1)) {}

bool ReceiveBuffer::CheckRoom(std::size_t count) {
    std::lock_guard lock(mutex_);
    if (ring_.size() - size_ >= count) {
        return true;
    }
    roomWanted_ = std::min(count, ring_.size());
    return false;
}

std::size_t ReceiveBuffer::Append(const char* bytes, std::size_t count) {
    std::lock_guard lock(mutex_);
    count = std::min(count, ring_.size() - size_);
    const std::size_t tail = (head_ + size_) % ring_.size();
    const std::size_t first = std::min(count, ring_.size() - tail);
    std::memcpy(ring_.data() + tail, bytes, first);
    std::memcpy(ring_.data(), bytes + first, count - first);
    size_ += count;
    return count;
}

ReceiveBuffer::TakeResult ReceiveBuffer::Take(char* out, std::size_t capacity) {
    std::lock_guard lock(mutex_);
    TakeResult result;
    result.count = std::min(capacity, size_);
    const std::size_t first = std::min(result.count, ring_.size() - head_);
    std::memcpy(out, ring_.data() + head_, first);
    std::memcpy(out + first, ring_.data(), result.count - first);
    head_ = (head_ + result.count) % ring_.size();
    size_ -= result.count;
    if (roomWanted_ != 0 && ring_.size() - size_ >= roomWanted_) {
        roomWanted_ = 0;
        result.roomFreed = true;
    }
    return result;
}

std::size_t ReceiveBuffer::Size() const {
    std::lock_guard lock(mutex_);
    return size_;
}

}  // namespace kvtcomm
