// The engine's waits. Production uses the defaults; tests shorten them through the engine's
// test option (KVT80::SetTimings) so that time-out paths run quickly.
#pragma once

#include <chrono>

namespace kvt {

struct EngineTimings {
    std::chrono::milliseconds replyWait{1500};    // silence that counts as a time-out
    std::chrono::milliseconds replyLimit{15000};  // longest wait for one reply that keeps coming
    std::chrono::milliseconds resendPause{100};   // pause after re-sending a line
    int maxSends = 5;                             // a line is sent at most this often
    std::chrono::milliseconds disconnectSettle{1000};  // Disconnect's wait before closing
    std::chrono::milliseconds workerPeriod{10};        // the worker's pass
    std::chrono::milliseconds writeGather{1};  // a queued write wakes the worker this much later
    std::chrono::milliseconds levelReadPeriod{
        100};  // input levels and analyser, at most this often
    // While writes follow each other (a slider moving), a due level read waits for them to pause
    // this long, but never longer than readYieldLimit after the last read began.
    std::chrono::milliseconds readYield{60};
    std::chrono::milliseconds readYieldLimit{250};
    std::chrono::milliseconds statusPollPeriod{5000};  // mute, AES/EBU state and clock
    std::chrono::milliseconds saveSettle{1000};        // SaveKVTParameters' wait before it starts
    std::chrono::milliseconds unmuteWait{4000};        // longest wait for the unmute writes to go
    std::chrono::milliseconds saveReplyWait{10000};    // "savevals" takes the processor a while
    std::chrono::milliseconds cardTransferLimit{300000};  // SaveMMC(true) waits no longer
    std::chrono::milliseconds logSilence{30000};   // a log dump that stays silent this long ends
    std::chrono::milliseconds logLimit{300000};    // and one still coming after this long
    std::chrono::milliseconds clearLogWait{7500};  // "clearlog" takes the unit a while
    // The controller's boot loader: "?" this often while waiting for the user to power the unit up
    // holding S5, for at most bootWaitLimit; the erase's answer; each record's answer, and how
    // often a record is sent at most.
    std::chrono::milliseconds bootProbePeriod{500};
    std::chrono::milliseconds bootWaitLimit{120000};
    std::chrono::milliseconds bootEraseWait{15000};
    std::chrono::milliseconds bootRecordWait{2000};
    int bootRecordSends = 3;
};

}  // namespace kvt
