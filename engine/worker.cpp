// The engine's worker thread: one pass every 10 ms. While the unit is ready it sends the queued
// parameter writes as write lines, one line per pass, with the processor commits that follow
// them, and reports the progress of bulk transfers; while it is not ready it discards queued
// writes and follows the front-panel values, so nothing is echoed back to the unit when it becomes
// ready.
#include <optional>

#include "KVT80.h"

namespace kvt {

namespace {

constexpr int32_t kUploadEnd = 133;
constexpr int32_t kSaveMMCEnd = 126;
constexpr uint32_t kPreampCommitAddress = 0x000;
constexpr uint32_t kPreampCommitBit = 0x1000;
constexpr uint32_t kEqualiserCommitAddress = 0x100;
constexpr uint32_t kEqualiserCommitBits = 0x0E;

}  // namespace

void KVT80::WorkerLoop() {
    FrontPanelTrackers trackers;
    std::unique_lock lock(stopMutex_);
    while (!stopSignal_.wait_for(lock, Timings().workerPeriod, [this] { return stopRequested_; })) {
        lock.unlock();
        WorkerPass(trackers);
        lock.lock();
    }
}

void KVT80::FollowFrontPanel(FrontPanelTrackers& trackers, bool clearAesEbuError) {
    pending_.Clear();
    trackers.fader = frontPanel_.faderLevel;
    trackers.preamp = frontPanel_.selectedPreamp;
    trackers.mute = frontPanel_.systemMute;
    trackers.format = frontPanel_.mode;
    if (clearAesEbuError) {
        frontPanel_.aesEbuError = false;
    }
}

void KVT80::WorkerPass(FrontPanelTrackers& trackers) {
    if (!link_.IsOpen()) {
        FollowFrontPanel(trackers, true);
        return;
    }
    if (!initialized_) {
        if (!skipOnePass_.exchange(false)) {
            FollowFrontPanel(trackers, false);
        }
        return;
    }
    if (suspended_) {
        return;
    }

    // Events are raised after the link is released, so a sink may call members that ask the unit.
    std::optional<TransferReport> report;
    {
        const EngineTimings timings = Timings();
        LinkLock lock = link_.Lock();
        // The gate may have closed while a caller's procedure held the link.
        if (!link_.IsOpen() || !initialized_ || suspended_) {
            return;
        }
        if (const auto block = pending_.FirstPendingBlock()) {
            const LineOutcome outcome = SendWriteLine(lock, timings, *block);
            if (outcome != LineOutcome::Requeued && transferPending_) {
                const bool card = mmcTransfer_;
                report = TransferReport{card, true, (card ? mmcProgress_ : uploadProgress_)++};
            }
        } else if (transferPending_.exchange(false)) {
            const bool card = mmcTransfer_.exchange(false);
            if (card) {
                RunExchange(link_, lock, timings, "closemmc\r");
            }
            (card ? mmcProgress_ : uploadProgress_) = 0;
            report = TransferReport{card, false, 0};
        }
    }
    if (report) {
        RaiseTransferProgress(*report);
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
        outcome = !result.refused && pending_.Restore(*line) ? LineOutcome::Requeued
                                                             : LineOutcome::Dropped;
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
            const auto word = ReadValue(link_, lock, timings, kPreampCommitAddress);
            if (word.value) {
                RunExchange(link_, lock, timings,
                            FormatLine("wrtval 00 %02X\r", *word.value | kPreampCommitBit));
            }
        }
    } else if (block == 4 || block == 5) {
        const bool due = !mmcTransfer_ && selection.page == 6 &&
                         ((selection.unit == 1 && pending_.Empty(4)) ||
                          (selection.unit == 2 && pending_.Empty(5)));
        if (due) {
            const auto word = ReadValue(link_, lock, timings, kEqualiserCommitAddress);
            if (word.value) {
                RunExchange(link_, lock, timings,
                            FormatLine("wrtval 100 %02X\r", *word.value | kEqualiserCommitBits));
            }
        }
    } else if (block == 0 && pending_.Empty(0)) {
        RunExchange(link_, lock, timings, "formatupdate\r");
    }
}

}  // namespace kvt
