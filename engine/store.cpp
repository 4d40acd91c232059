// Storing the unit's settings ("savevals" on each processor) and copying the configuration to the
// personality module.
//
// Every exchange here runs on the caller's thread with the link to itself (WithLink), so it never
// overlaps the worker's. Events are raised between those exchanges, never while the link is held:
// a sink may call back into the engine.
#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <span>
#include <thread>

#include "KVT80.h"
#include "protocol/Commits.h"

namespace kvt {

namespace {

using std::chrono::steady_clock;

constexpr int32_t kSaveEnd = 7;
constexpr uint32_t kSaveAcknowledge = 0x686921;
constexpr int kSaveSends = 2;
constexpr uint32_t kNoCard = 0xFFFFFF;
constexpr std::chrono::milliseconds kPollPeriod{10};

void CommitStoredEqualiser(Link& link, const LinkLock& lock, const EngineTimings& timings) {
    CommitEqualiser(link, lock, timings, true);
}

using Commit = void (*)(Link&, const LinkLock&, const EngineTimings&);

struct StoreTarget {
    int page;
    int unit;
    Commit commit;  // nullptr: the processor needs none
};

constexpr std::array<StoreTarget, 3> kPreampTargets = {
    {{9, 1, CommitPreamp}, {9, 2, CommitPreamp}, {9, 3, nullptr}}};
constexpr std::array<StoreTarget, 2> kEqualiserTargets = {
    {{6, 1, CommitStoredEqualiser}, {6, 2, CommitStoredEqualiser}}};

// Stores on each processor in turn: select it, report (`report`, with the link free), then
// "savevals" (`save`) and the processor's commit. The selection is made sure of again before the
// store, as the worker may have used the line in between; "savevals" must never reach another
// processor. The first failure ends it.
template <typename Report, typename Save>
int32_t StoreOnEach(KVT80& engine, std::span<const StoreTarget> targets, Report&& report,
                    Save&& save) {
    for (const StoreTarget& target : targets) {
        const auto select = [&](Link& link, const LinkLock& lock, const EngineTimings& timings) {
            return SelectTarget(link, lock, timings, target.page, target.unit);
        };
        if (const int32_t selected = engine.WithLink(select); selected != status::Ok) {
            return selected;
        }
        report();
        const int32_t stored =
            engine.WithLink([&](Link& link, const LinkLock& lock, const EngineTimings& timings) {
                if (select(link, lock, timings) != status::Ok ||
                    save(link, lock, timings) != status::Ok) {
                    return status::NoUnit;
                }
                if (target.commit != nullptr) {
                    target.commit(link, lock, timings);
                }
                return status::Ok;
            });
        if (stored != status::Ok) {
            return stored;
        }
    }
    return status::Ok;
}

// The queued writes are out once the lists are empty and the worker's pass in flight (the last
// line and its commit) has ended; that pass holds the link, so the lists are looked at again with
// the link held. False when `limit` passed first.
bool WaitUntilWritesSent(KVT80& engine, std::chrono::milliseconds limit) {
    const auto deadline = steady_clock::now() + limit;
    const auto sent = [&] {
        return engine.Pending().AllEmpty() &&
               engine.WithLink([&](Link&, const LinkLock&, const EngineTimings&) {
                   return engine.Pending().AllEmpty();
               });
    };
    while (!sent()) {
        if (steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kPollPeriod);
    }
    return true;
}

}  // namespace

// ---- Storing in the unit ----------------------------------------------------------------------

void KVT80::RaiseSaveProgress(int32_t state) {
    const int32_t position = saveProgress_++;
    sinks_.Raise([&](IKVTEvents& sink) { sink.DSPSaveProgress(state, position, kSaveEnd); });
}

// Storing takes the processor a while: the reply is waited for longer, and the line goes out at
// most twice. Only the acknowledgement counts as stored.
int32_t KVT80::SaveExchange(Link& link, const LinkLock& lock, const EngineTimings& timings) {
    EngineTimings save = timings;
    save.replyWait = timings.saveReplyWait;
    save.replyLimit = std::max(timings.replyLimit, timings.saveReplyWait);
    save.maxSends = kSaveSends;
    const auto answer = QueryHex(link, lock, save, "savevals\r", "savevals", 8);
    return answer.status == status::Ok && answer.value == kSaveAcknowledge ? status::Ok
                                                                           : status::NoUnit;
}

int32_t KVT80::SaveZVQParameters() {
    if (!link_.IsOpen()) {
        return status::NoUnit;
    }
    return StoreOnEach(
        *this, kPreampTargets, [this] { RaiseSaveProgress(SaveStateZVQ); },
        [this](Link& link, const LinkLock& lock, const EngineTimings& timings) {
            return SaveExchange(link, lock, timings);
        });
}

int32_t KVT80::SaveEQParameters() {
    if (!link_.IsOpen()) {
        return status::NoUnit;
    }
    return StoreOnEach(
        *this, kEqualiserTargets, [this] { RaiseSaveProgress(SaveStateEQ); },
        [this](Link& link, const LinkLock& lock, const EngineTimings& timings) {
            return SaveExchange(link, lock, timings);
        });
}

// The unit stores what it plays: the analyser is stopped and every channel unmuted first, and
// the worker stays off the line while the processors store, with the outputs muted.
int32_t KVT80::SaveKVTParameters() {
    const EngineTimings timings = Timings();
    std::this_thread::sleep_for(timings.saveSettle);

    bool wrote = false;
    if (slaRunning_) {
        StopSLA();
        RaiseSLARunning(false, false);
        wrote = true;
    }
    std::array<bool, kChannels> muted{};
    {
        std::lock_guard lock(imageMutex_);
        muted = image_.mute;
    }
    for (int channel = 0; channel < kChannels; ++channel) {
        if (muted[static_cast<size_t>(channel)]) {
            put_Mute(Variant::Int(channel), Variant::Bool(false));
            wrote = true;
        }
    }
    // The wait ends as soon as those writes are out; the limit only guards against a unit that
    // stopped taking them.
    if (wrote) {
        WaitUntilWritesSent(*this, timings.unmuteWait);
    }

    saveProgress_ = 0;
    storing_ = true;
    initialized_ = false;
    const auto store = [this] {
        if (!link_.IsOpen()) {
            return status::NoUnit;
        }
        CallerExchange("clru3 1C\r");
        RaiseSaveProgress(SaveStateZVQ);
        if (SaveZVQParameters() != status::Ok) {
            return status::NoUnit;
        }
        RaiseSaveProgress(SaveStateEQ);
        if (SaveEQParameters() != status::Ok) {
            return status::NoUnit;
        }
        RaiseSaveProgress(SaveStateIdle);
        CallerExchange("formatupdate\r");
        // A failed store leaves the outputs muted: the unit may be in no state to play.
        if (!frontPanel_.systemMute) {
            CallerExchange("setu3 1C\r");
        }
        return status::Ok;
    };
    // The worker did not follow the properties while storing_ held it off, so its trackers still
    // hold what the unit has: a front-panel put made during the store goes out after it.
    const int32_t result = store();
    initialized_ = true;
    storing_ = false;
    return result;
}

// ---- The personality module -------------------------------------------------------------------

// A present card answers each open with a new value; no card answers FFFFFF. The same answer
// twice is no working card either: it is closed again.
int32_t KVT80::OpenCard(Link& link, const LinkLock& lock, const EngineTimings& timings) {
    if (!link.IsOpen()) {
        return status::NoUnit;
    }
    const auto open = [&]() -> std::optional<uint32_t> {
        const auto answer = QueryHex(link, lock, timings, "openmmc\r", "openmmc", 7);
        if (answer.status != status::Ok || !answer.value || *answer.value == kNoCard) {
            return std::nullopt;
        }
        return answer.value;
    };
    const auto first = open();
    if (!first) {
        return status::NoUnit;
    }
    const auto second = open();
    if (!second) {
        return status::NoUnit;
    }
    if (*second == *first) {
        CloseCard(link, lock, timings);
        return status::NoUnit;
    }
    return status::Ok;
}

// The exchange's own status: 0 once the unit answered.
int32_t KVT80::CloseCard(Link& link, const LinkLock& lock, const EngineTimings& timings) {
    return RunExchange(link, lock, timings, "closemmc\r").status;
}

// Copies the whole image to the card through the worker's transfer (which closes the card at its
// end). The unit must be ready: while it is not, the worker discards the queued writes, and the
// card would be reported written with nothing on it.
int32_t KVT80::SaveMMC(const Variant& block) {
    const bool waitForTransfer = block.BoolField() == VARIANT_TRUE;
    put_UpdateInputs(Variant::Bool(false));
    const int32_t opened =
        !initialized_
            ? status::NoUnit
            : WithLink([this](Link& link, const LinkLock& lock, const EngineTimings& timings) {
                  return OpenCard(link, lock, timings);
              });
    if (opened != status::Ok) {
        sinks_.Raise([](IKVTEvents& sink) { sink.SaveMMCProgress(SaveMMCFailedInit, 0, 0); });
        put_UpdateInputs(Variant::Bool(true));
        return opened;
    }
    mmcTransfer_ = true;
    ApplyImageToUnit();
    if (!waitForTransfer) {
        return status::Ok;
    }

    // The worker clears mmcTransfer_ in the pass that closes the card. Disconnect clears it too,
    // but closes the link in the same hold of it, so the two are told apart with the link held.
    // A unit that is no longer ready gets none of the remaining writes: that ends the wait too.
    // A transfer that outlasts the limit may still finish later; failure is reported rather than
    // waiting on without end.
    enum class Transfer { Running, Done, Failed };
    const auto transfer = [this] {
        return WithLink([this](Link& link, const LinkLock&, const EngineTimings&) {
            if (!link.IsOpen() || !initialized_) {
                return Transfer::Failed;
            }
            return mmcTransfer_ ? Transfer::Running : Transfer::Done;
        });
    };
    const auto deadline = steady_clock::now() + Timings().cardTransferLimit;
    Transfer state = transfer();
    while (state == Transfer::Running && steady_clock::now() < deadline) {
        std::this_thread::sleep_for(kPollPeriod);
        state = transfer();
    }
    if (state != Transfer::Done) {
        return status::NoUnit;
    }
    // The closing pass raises its completion event after it lets go of the link: returning once
    // that pass has ended means the caller has seen the event.
    const uint64_t passes = WorkerPasses();
    while (WorkerPasses() <= passes && steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return status::Ok;
}

}  // namespace kvt
