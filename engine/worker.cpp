// The engine's worker thread: one pass every 10 ms (sooner when a put queues a write, and back to
// back while a bulk transfer has lines to send and nobody else waits for the link). While the unit
// is ready it sends front-panel changes, then the queued parameter writes as write lines, one line
// per pass, with the processor commits that follow them, and reports the progress of bulk
// transfers; with nothing to write it reads the input levels and the analyser and polls the unit's
// status. While the unit is not ready it discards queued writes and follows the front-panel values,
// so nothing is echoed back to the unit when it becomes ready.
#include <array>
#include <optional>
#include <utility>

#include "KVT80.h"
#include "protocol/Commits.h"
#include "text/Codepage.h"

namespace kvt {

namespace {

constexpr int32_t kUploadEnd = 133;
constexpr int32_t kSaveMMCEnd = 126;

}  // namespace

WorkerState::WorkerState()
    : lastLevelRead(std::chrono::steady_clock::now()),
      slaData(Variant::Array(VT_R8, std::vector<Variant>(kAnalyserValues, Variant::Double(0.0)))) {}

void WorkerState::Follow(const FrontPanelValues& values) {
    faderTracker = values.faderLevel;
    preampTracker = values.selectedPreamp;
    muteTracker = values.systemMute;
    formatTracker = values.mode;
}

void KVT80::WorkerLoop() {
    WorkerState state;
    // The trackers start from the properties, not from "unknown": an engine made ready before
    // the worker's first pass must not send the unit its own front-panel state.
    state.Follow(frontPanel_.Values());
    std::unique_lock lock(stopMutex_);
    while (!stopRequested_) {
        const EngineTimings timings = Timings();
        // A bulk transfer goes line after line without the pass's pause, as long as no caller
        // waits for the link (the link's mutex is not fair: the worker must let them in).
        const bool hurry =
            state.lineSent && pending_.FirstPendingBlock() && !link_.CallersWaiting();
        const bool woken =
            stopSignal_.wait_for(lock, hurry ? std::chrono::milliseconds(0) : timings.workerPeriod,
                                 [this] { return stopRequested_ || workQueued_; });
        if (stopRequested_) {
            break;
        }
        if (woken) {
            // A put queued a write: its word goes out at once, together with the words the same
            // member (or the next few puts) queue right after it.
            stopSignal_.wait_for(lock, timings.writeGather, [this] { return stopRequested_; });
        }
        workQueued_ = false;
        lock.unlock();
        WorkerPass(state);
        ++workerPasses_;
        lock.lock();
    }
}

void KVT80::FollowFrontPanel(WorkerState& state, bool clearAesEbuError) {
    pending_.Clear();
    // The transfer's writes went with the lists: it must not be reported complete later.
    transferPending_ = false;
    mmcTransfer_ = false;
    // A dump asked for while the unit is not ready is dropped; the clock and clear requests wait.
    logDumpRequest_ = false;
    state.Follow(frontPanel_.Values());
    if (clearAesEbuError) {
        frontPanel_.aesEbuError = false;
    }
}

void KVT80::WorkerPass(WorkerState& state) {
    if (!link_.IsOpen()) {
        FollowFrontPanel(state, true);
        return;
    }
    // A store keeps the gate closed between its exchanges; queued writes wait for it.
    if (storing_) {
        return;
    }
    if (!initialized_) {
        if (!skipOnePass_.exchange(false)) {
            FollowFrontPanel(state, false);
        }
        return;
    }
    if (suspended_) {
        return;
    }

    // Events are raised after the link is released, so a sink may call members that ask the unit.
    PassEvents events;
    {
        const EngineTimings timings = Timings();
        LinkLock lock = link_.Lock();
        // The gate may have closed while a caller's procedure held the link.
        if (!link_.IsOpen() || !initialized_ || suspended_) {
            return;
        }
        // A closed gate's passes followed the properties, and a put may have come in after the
        // gate opened: the trackers start from what the unit holds instead, so that put goes out.
        if (const auto start = TakeTrackerStart()) {
            state.Follow(*start);
        }
        FrontPanelSteps(lock, timings, state, events);
        ServeLogRequests(lock, timings, events);
        if (const auto block = pending_.FirstPendingBlock()) {
            const LineOutcome outcome = SendWriteLine(lock, timings, *block);
            state.lineSent = outcome == LineOutcome::Sent;
            state.lastWrite = std::chrono::steady_clock::now();
            if (outcome == LineOutcome::Unanswered) {
                // Every attempt of the line went unanswered: the unit is gone, as for a read.
                initialized_ = false;
                events.unitDisappeared = true;
            } else if (outcome != LineOutcome::Requeued && transferPending_) {
                const bool card = mmcTransfer_;
                events.transfer =
                    TransferReport{card, true, (card ? mmcProgress_ : uploadProgress_)++};
            }
        } else {
            if (transferPending_.exchange(false)) {
                const bool card = mmcTransfer_.exchange(false);
                if (card) {
                    RunExchange(link_, lock, timings, "closemmc\r");
                }
                (card ? mmcProgress_ : uploadProgress_) = 0;
                events.transfer = TransferReport{card, false, 0};
            }
            if (updateInputs_) {
                Poll(lock, timings, state, events);
            }
        }
    }
    RaisePassEvents(events, state);
}

void KVT80::RaisePassEvents(const PassEvents& events, const WorkerState& state) {
    if (events.faderLevel) {
        sinks_.Raise([&](IKVTEvents& s) { s.MainFaderUpdated(*events.faderLevel); });
    }
    if (events.transfer) {
        RaiseTransferProgress(*events.transfer);
    }
    if (events.systemMute) {
        const VariantBool muted = *events.systemMute ? VARIANT_TRUE : VARIANT_FALSE;
        sinks_.Raise([&](IKVTEvents& s) { s.SystemMuteChanged(muted); });
    }
    if (events.aesEbuError) {
        const VariantBool error = *events.aesEbuError ? VARIANT_TRUE : VARIANT_FALSE;
        sinks_.Raise([&](IKVTEvents& s) { s.AESEBUErrorTrigger(error); });
    }
    if (events.levels) {
        const AnalyserLevels& levels = *events.levels;
        sinks_.Raise([&](IKVTEvents& s) { s.InputLevelsUpdated(levels.left, levels.right); });
        // A snapshot whose frame markers differ was torn by the unit: only its levels count.
        if (levels.complete) {
            sinks_.Raise([&](IKVTEvents& s) { s.SLAUpdate(state.slaData); });
        }
    }
    if (events.unitDisappeared) {
        sinks_.Raise([](IKVTEvents& s) { s.UnitDisappeared(); });
    }
    for (const LogEntry& entry : events.logEntries) {
        const std::u16string description = FromCp1252(entry.description);
        sinks_.Raise([&](IKVTEvents& s) { s.EventEntry(entry.date, entry.time, description); });
    }
}

// With nothing to write, the worker reads the input levels and the analyser every 100 ms and, in
// the passes between, polls the unit's status every 5 s. When the line is so slow that a read is
// due again in the very next pass, a due status poll takes that pass, so mute changes at the unit
// are still noticed.
//
// The read holds the line for its whole block (about 60 ms at 38400 bit/s, with the selections
// around it), and a write that comes meanwhile waits for it. While writes follow each other (a
// slider or the fader moving), a due read therefore waits until they pause for `readYield`, so the
// next value goes out at once; the analyser still gets a read every `readYieldLimit`.
void KVT80::Poll(const LinkLock& lock, const EngineTimings& timings, WorkerState& state,
                 PassEvents& events) {
    using std::chrono::steady_clock;
    const auto now = steady_clock::now();
    const bool readDue = now - state.lastLevelRead >= timings.levelReadPeriod;
    const bool statusDue =
        !state.lastStatusPoll || now - *state.lastStatusPoll >= timings.statusPollPeriod;
    const bool readLastPass = std::exchange(state.readInLastPass, false);
    const bool yieldToWrites = now - state.lastWrite < timings.readYield &&
                               now - state.lastReadStart < timings.readYieldLimit;
    if (statusDue && (!readDue || readLastPass)) {
        PollStatus(lock, timings, state.muteTracker, events);
        state.lastStatusPoll = steady_clock::now();
    } else if (readDue && !yieldToWrites) {
        // The schedule advances by the period, so a read that starts a pass late does not push
        // every later one back (ten reads a second on average); a schedule that has fallen a
        // whole period behind (the line was busy) starts again from now.
        state.lastLevelRead += timings.levelReadPeriod;
        if (now - state.lastLevelRead >= timings.levelReadPeriod) {
            state.lastLevelRead = now;
        }
        state.readInLastPass = true;
        state.lastReadStart = now;
        ReadLevels(lock, timings, state, events);
    }
}

void KVT80::ReadLevels(const LinkLock& lock, const EngineTimings& timings, WorkerState& state,
                       PassEvents& events) {
    int32_t result = SelectTarget(link_, lock, timings, 9, 3);
    if (result == status::Ok) {
        const auto read =
            QueryBinaryWords(link_, lock, timings, kAnalyserFirstAddress, kAnalyserWords);
        result = read.status;
        if (result == status::Ok && read.value && read.value->size() == kAnalyserWords) {
            std::array<double, kAnalyserValues> values{};
            events.levels = state.smoothing.Take(*read.value, values);
            auto& elements = state.slaData.MutableArrayValue()->elements;
            for (size_t i = 0; i < kAnalyserValues; ++i) {
                elements[i] = Variant::Double(values[i]);
            }
        }
    }
    if (result != status::Ok) {
        // The unit is gone (or the line is): the worker stops talking to it until a retrieval
        // or the front end says it is ready again; the link stays open.
        initialized_ = false;
        events.unitDisappeared = true;
    }
}

void KVT80::RaiseTransferProgress(const TransferReport& report) {
    const int32_t state = report.lineSent ? UploadStateUploading : UploadStateCompleted;
    if (report.personalityModule) {
        sinks_.Raise(
            [&](IKVTEvents& s) { s.SaveMMCProgress(state, report.position, kSaveMMCEnd); });
    } else {
        sinks_.Raise([&](IKVTEvents& s) { s.UploadProgress(state, report.position, kUploadEnd); });
    }
}

KVT80::LineOutcome KVT80::SendWriteLine(const LinkLock& lock, const EngineTimings& timings,
                                        int block) {
    const bool preampListsHadWrites = !pending_.Empty(1) || !pending_.Empty(2);
    const auto line = pending_.TakeLine(block);
    if (!line) {
        return LineOutcome::Sent;
    }
    const auto target = TargetOfBlock(block);
    ExchangeResult result;
    result.status = target ? SelectTarget(link_, lock, timings, target->page, target->unit) : 0;
    // Never send a line to a processor that may not be the selected one.
    if (result.status == 0) {
        result = RunExchange(link_, lock, timings, line->Text());
    }
    LineOutcome outcome = LineOutcome::Sent;
    if (result.status != 0) {
        // A line the unit refused is given up; one that got no answer is kept for a later pass
        // (unless newer values came), a few times, so a passing fault loses nothing.
        if (result.refused) {
            outcome = LineOutcome::Dropped;
        } else if (pending_.Restore(*line)) {
            outcome = LineOutcome::Requeued;
        } else {
            return LineOutcome::Unanswered;  // no commit for a unit that is gone
        }
    }
    CommitAfterWrite(lock, timings, block, preampListsHadWrites);
    return outcome;
}

void KVT80::CommitAfterWrite(const LinkLock& lock, const EngineTimings& timings, int block,
                             bool preampListsHadWrites) {
    const PromptSelection selection = link_.Selection(lock);
    if (block >= 1 && block <= 3) {
        const bool first = preampListsHadWrites && !mmcTransfer_ &&
                           selection == PromptSelection{9, 1} && pending_.Empty(1);
        const bool second = selection == PromptSelection{9, 2} && pending_.Empty(2);
        if (first || second) {
            CommitPreamp(link_, lock, timings);
        }
    } else if (block == 4 || block == 5) {
        const bool due = !mmcTransfer_ && selection.page == 6 &&
                         ((selection.unit == 1 && pending_.Empty(4)) ||
                          (selection.unit == 2 && pending_.Empty(5)));
        if (due) {
            CommitEqualiser(link_, lock, timings, false);
        }
    } else if (block == 0 && pending_.Empty(0)) {
        RunExchange(link_, lock, timings, "formatupdate\r");
    }
}

}  // namespace kvt
