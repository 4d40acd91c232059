// LineServer: runs one line endpoint on its own I/O thread. It reads what the peer sends, frames
// it through the handler, holds each input until its wire time and the processing latency have
// passed, asks the handler for the reply and writes the reply out at the line's pace.
//
// The unit answers one input at a time: the next input is taken only after every segment of the
// previous reply has been released to the line (a save that takes a while holds the next line
// back, as the real interpreter does).
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "InputFramer.h"
#include "LineEndpoint.h"
#include "LinePacing.h"
#include "Reply.h"
#include "UniqueFd.h"

namespace kvt::sim {

struct FramedInput {
    UnitInput input;
    size_t lastByte = 0;  // index, in the bytes given to Frame, of the byte that completed it
};

// The unit as the line server sees it. Called on the I/O thread.
class LineHandler {
  public:
    virtual std::vector<FramedInput> Frame(std::string_view bytes) = 0;
    virtual Reply Answer(const UnitInput& input) = 0;
    // A different peer is on the line now (or none): forget any half-received line.
    virtual void PeerChanged() = 0;

  protected:
    ~LineHandler() = default;
};

struct LinePacing {
    uint32_t baudRate = 0;                 // 0: as fast as possible
    std::chrono::milliseconds latency{0};  // per input, before its reply
    AdapterModel adapter;                  // between the line and the peer (latency 0: none)
};

struct LineCounters {
    std::atomic<uint64_t> received{0};
    std::atomic<uint64_t> sent{0};
};

class LineServer {
  public:
    // Starts the I/O thread at once.
    LineServer(std::unique_ptr<LineEndpoint> endpoint, LineHandler& handler, LineCounters& counters,
               LinePacing pacing);
    ~LineServer();  // stops and joins the I/O thread
    LineServer(const LineServer&) = delete;
    LineServer& operator=(const LineServer&) = delete;

    void SetPacing(LinePacing pacing);
    // Bytes the unit sends on its own, after any reply already on its way.
    void SendUnsolicited(std::string_view bytes);

  private:
    struct PendingInput {
        UnitInput input;
        SteadyTime received;  // when its last byte was through the wire
    };

    // A peer that floods lines without reading replies cannot make the unit hoard them.
    static constexpr size_t kMaxPendingInputs = 4096;

    void Run(const std::stop_token& stop);
    void Wake();
    LinePacing CurrentPacing();
    void DoDueWork(SteadyTime now, const LinePacing& pacing, std::chrono::nanoseconds byteTime);
    void WaitForLine(const LinePacing& pacing, std::chrono::nanoseconds byteTime);
    void ReadInput(SteadyTime now, std::chrono::nanoseconds byteTime);
    void AnswerDueInputs(SteadyTime now, const LinePacing& pacing,
                         std::chrono::nanoseconds byteTime);
    void ReleaseSegments(SteadyTime now, std::chrono::nanoseconds byteTime);
    void WriteDueOutput(SteadyTime now, const LinePacing& pacing,
                        std::chrono::nanoseconds byteTime);
    std::optional<SteadyTime> NextDeadline(const LinePacing& pacing,
                                           std::chrono::nanoseconds byteTime, SteadyTime now) const;
    void DropLine();

    LineHandler& handler_;
    LineCounters& counters_;

    // Shared with the callers.
    std::mutex mutex_;
    LinePacing pacing_;
    std::string unsolicited_;
    UniqueFd wakeRead_;
    UniqueFd wakeWrite_;

    // I/O thread only.
    std::unique_ptr<LineEndpoint> endpoint_;
    InputClock inputClock_;
    std::deque<PendingInput> inputs_;
    std::deque<ReplySegment> segments_;
    OutputPacer output_;
    SteadyTime idleSince_{};  // when the unit finished its last reply and could take the next
    bool writeBlocked_ = false;

    std::jthread thread_;  // last: starts after everything above exists
};

}  // namespace kvt::sim
