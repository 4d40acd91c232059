// The benchmark's event sink: it notes when the events that end a measured operation arrive
// (stamped on the raising thread, so the waiting thread's wake-up does not count) and counts the
// analyser stream.
#pragma once

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

#include "IKVT80.h"

namespace kvt::bench {

using Clock = std::chrono::steady_clock;

class BenchEvents : public IKVTEvents {
  public:
    void UploadProgress(int32_t state, int32_t, int32_t) override {
        if (state == UploadStateCompleted) {
            Note(uploadsCompleted_, lastUploadCompleted_);
        }
    }
    void SaveMMCProgress(int32_t state, int32_t, int32_t) override {
        if (state == UploadStateCompleted) {
            Note(cardTransfersCompleted_, lastCardTransferCompleted_);
        }
    }
    void SLAUpdate(const Variant&) override {
        const auto now = Clock::now();
        std::lock_guard lock(mutex_);
        if (analyserUpdates_ > streamStart_) {
            longestAnalyserGap_ = std::max(longestAnalyserGap_, now - lastAnalyserUpdate_);
        }
        ++analyserUpdates_;
        lastAnalyserUpdate_ = now;
    }
    void UnitDisappeared() override {
        std::lock_guard lock(mutex_);
        ++disappearances_;
    }

    uint64_t UploadsCompleted() const { return Read(uploadsCompleted_); }
    uint64_t CardTransfersCompleted() const { return Read(cardTransfersCompleted_); }
    uint64_t AnalyserUpdates() const { return Read(analyserUpdates_); }
    uint64_t Disappearances() const { return Read(disappearances_); }

    // Starts watching the analyser stream: the longest gap counts from the next update on.
    void ResetAnalyserStream() {
        std::lock_guard lock(mutex_);
        streamStart_ = analyserUpdates_;
        longestAnalyserGap_ = {};
    }
    Clock::duration LongestAnalyserGap() const {
        std::lock_guard lock(mutex_);
        return longestAnalyserGap_;
    }

    // When the transfer that brings the completion count past `before` ended; nullopt when it did
    // not end within `timeout`.
    std::optional<Clock::time_point> WaitForUploadCompleted(uint64_t before,
                                                            std::chrono::milliseconds timeout) {
        return WaitPast(uploadsCompleted_, lastUploadCompleted_, before, timeout);
    }

  private:
    void Note(uint64_t& count, Clock::time_point& when) {
        const auto now = Clock::now();
        std::lock_guard lock(mutex_);
        ++count;
        when = now;
        changed_.notify_all();
    }

    uint64_t Read(const uint64_t& count) const {
        std::lock_guard lock(mutex_);
        return count;
    }

    std::optional<Clock::time_point> WaitPast(const uint64_t& count, const Clock::time_point& when,
                                              uint64_t before, std::chrono::milliseconds timeout) {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, timeout, [&] { return count > before; })) {
            return std::nullopt;
        }
        return when;
    }

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    uint64_t uploadsCompleted_ = 0;
    Clock::time_point lastUploadCompleted_;
    uint64_t cardTransfersCompleted_ = 0;
    Clock::time_point lastCardTransferCompleted_;
    uint64_t analyserUpdates_ = 0;
    uint64_t streamStart_ = 0;
    Clock::time_point lastAnalyserUpdate_;
    Clock::duration longestAnalyserGap_{};
    uint64_t disappearances_ = 0;
};

}  // namespace kvt::bench
