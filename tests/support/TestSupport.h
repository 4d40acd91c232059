// Shared helpers of the engine and CLI test suites: a private settings folder, an event recorder,
// and the engine's short test waits.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "Timings.h"
#include "automation/Events.h"

namespace kvt::testing {

// A temporary folder used as XDG_CONFIG_HOME for the lifetime of the object, so tests never touch
// the user's settings.
class ScopedConfigHome {
  public:
    ScopedConfigHome() {
        char pattern[] = "/tmp/kvt80-test-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        path_ = made != nullptr ? made : "/tmp";
        const char* old = std::getenv("XDG_CONFIG_HOME");
        hadOld_ = old != nullptr;
        if (hadOld_) {
            old_ = old;
        }
        ::setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
    }
    ~ScopedConfigHome() {
        if (hadOld_) {
            ::setenv("XDG_CONFIG_HOME", old_.c_str(), 1);
        } else {
            ::unsetenv("XDG_CONFIG_HOME");
        }
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path SettingsFile() const { return path_ / "Rodmere" / "KVT80.conf"; }

  private:
    std::filesystem::path path_;
    std::string old_;
    bool hadOld_ = false;
};

struct RecordedEvent {
    std::string name;
    std::vector<Variant> arguments;
};

// Records every event; tests wait for the ones they expect.
class EventRecorder : public DispatchEventSink {
  public:
    void OnEvent(const EventInfo& event, std::span<const Variant> arguments) override {
        std::lock_guard lock(mutex_);
        events_.push_back({std::string(event.name), {arguments.begin(), arguments.end()}});
        changed_.notify_all();
    }

    // No dispatch identifier: recorded under its name all the same.
    void DownloadProgress(int32_t state, int32_t done, int32_t total,
                          const std::u16string& note) override {
        std::lock_guard lock(mutex_);
        events_.push_back({"DownloadProgress",
                           {Variant::Int(state), Variant::Int(done), Variant::Int(total),
                            Variant::String(note)}});
        changed_.notify_all();
    }

    std::vector<RecordedEvent> Events() const {
        std::lock_guard lock(mutex_);
        return events_;
    }

    std::vector<RecordedEvent> Named(const std::string& name) const {
        std::vector<RecordedEvent> found;
        for (auto& event : Events()) {
            if (event.name == name) {
                found.push_back(event);
            }
        }
        return found;
    }

    // Waits until `count` events of that name have been recorded.
    bool WaitFor(const std::string& name, size_t count = 1,
                 std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, timeout, [&] {
            size_t n = 0;
            for (const auto& event : events_) {
                n += event.name == name ? 1 : 0;
            }
            return n >= count;
        });
    }

    void Clear() {
        std::lock_guard lock(mutex_);
        events_.clear();
    }

  private:
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<RecordedEvent> events_;
};

// Waits short enough for time-out paths to run in a test, long enough for a loaded machine.
inline EngineTimings FastTimings() {
    EngineTimings timings;
    timings.replyWait = std::chrono::milliseconds(250);
    timings.resendPause = std::chrono::milliseconds(10);
    timings.disconnectSettle = std::chrono::milliseconds(10);
    timings.bootProbePeriod = std::chrono::milliseconds(50);
    timings.bootWaitLimit = std::chrono::milliseconds(2000);
    timings.bootEraseWait = std::chrono::milliseconds(1000);
    timings.bootRecordWait = std::chrono::milliseconds(250);
    return timings;
}

// Polls a condition (for state that has no event), with a generous bound against hangs.
inline bool Eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

}  // namespace kvt::testing
