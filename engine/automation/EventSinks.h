// The engine's connection point: the list of connected event sinks.
//
// Raising an event copies the sink list under the lock and calls the sinks without it, so a sink
// may connect or disconnect sinks from inside a handler, and a sink stays alive until the call
// into it has returned.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "automation/Events.h"

namespace kvt {

class EventSinks {
  public:
    uint32_t Advise(std::shared_ptr<IKVTEvents> sink) {
        std::lock_guard lock(mutex_);
        const uint32_t cookie = nextCookie_++;
        sinks_.emplace_back(cookie, std::move(sink));
        return cookie;
    }

    bool Unadvise(uint32_t cookie) {
        std::lock_guard lock(mutex_);
        for (auto it = sinks_.begin(); it != sinks_.end(); ++it) {
            if (it->first == cookie) {
                sinks_.erase(it);
                return true;
            }
        }
        return false;
    }

    template <typename Call>
    void Raise(Call&& call) const {
        std::vector<std::shared_ptr<IKVTEvents>> snapshot;
        {
            std::lock_guard lock(mutex_);
            snapshot.reserve(sinks_.size());
            for (const auto& entry : sinks_) {
                snapshot.push_back(entry.second);
            }
        }
        for (const auto& sink : snapshot) {
            call(*sink);
        }
    }

  private:
    mutable std::mutex mutex_;
    uint32_t nextCookie_ = 1;
    std::vector<std::pair<uint32_t, std::shared_ptr<IKVTEvents>>> sinks_;
};

}  // namespace kvt
