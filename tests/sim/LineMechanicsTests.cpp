// The pieces under the line server: wire-time pacing, reply bursts and fault selection. All of
// them run on explicit time points, so nothing here depends on the machine's speed.
#include <gtest/gtest.h>

#include "FaultInjector.h"
#include "LinePacing.h"
#include "Reply.h"

namespace kvt::sim::test {
namespace {

using namespace std::chrono_literals;

const SteadyTime kStart = SteadyTime{} + 1h;

TEST(ByteTime, IsTenBitsAtTheBaudRate) {
    EXPECT_EQ(ByteTime(0), 0ns);
    EXPECT_EQ(ByteTime(9600), 1041666ns);
    EXPECT_EQ(ByteTime(38400), 260416ns);
}

TEST(InputClock, BytesOfOneReadFollowEachOther) {
    InputClock clock;
    const auto read = clock.Receive(kStart, 4, 1ms);
    EXPECT_EQ(read.ByteDone(0), kStart + 1ms);
    EXPECT_EQ(read.ByteDone(3), kStart + 4ms);
}

TEST(InputClock, AReadArrivingWhileTheLineIsBusyQueuesBehindIt) {
    InputClock clock;
    clock.Receive(kStart, 10, 1ms);
    const auto read = clock.Receive(kStart + 2ms, 1, 1ms);
    EXPECT_EQ(read.ByteDone(0), kStart + 11ms);
}

TEST(InputClock, AReadAfterSilenceStartsAtItsArrival) {
    InputClock clock;
    clock.Receive(kStart, 2, 1ms);
    const auto read = clock.Receive(kStart + 50ms, 1, 1ms);
    EXPECT_EQ(read.ByteDone(0), kStart + 51ms);
}

TEST(OutputPacer, WithoutPacingEverythingIsDueAtOnce) {
    OutputPacer pacer;
    pacer.Queue("hello", kStart, 0ns);
    EXPECT_EQ(pacer.Due(kStart, 0ns), 5u);
}

TEST(OutputPacer, ABytesIsDueAtTheEndOfItsSlot) {
    OutputPacer pacer;
    pacer.Queue("abcdef", kStart, 1ms);
    EXPECT_EQ(pacer.Due(kStart, 1ms), 0u);
    EXPECT_EQ(pacer.Due(kStart + 1ms, 1ms), 1u);
    EXPECT_EQ(pacer.Due(kStart + 3500us, 1ms), 3u);
    EXPECT_EQ(pacer.Due(kStart + 1s, 1ms), 6u);
    EXPECT_EQ(pacer.NextDue(), kStart + 1ms);
}

TEST(OutputPacer, LastByteIsDueAfterAllSlots) {
    OutputPacer pacer;
    EXPECT_FALSE(pacer.LastDue(1ms));
    pacer.Queue("abcdef", kStart, 1ms);
    EXPECT_EQ(pacer.LastDue(1ms), kStart + 6ms);
}

TEST(OutputPacer, ConsumedBytesMoveTheScheduleOn) {
    OutputPacer pacer;
    pacer.Queue("abcdef", kStart, 1ms);
    pacer.Consume(3, kStart + 3ms, 1ms);
    EXPECT_EQ(pacer.Pending(), "def");
    EXPECT_EQ(pacer.LastByteDone(), kStart + 3ms);
    EXPECT_EQ(pacer.NextDue(), kStart + 4ms);
    EXPECT_EQ(pacer.Due(kStart + 5ms, 1ms), 2u);
}

TEST(OutputPacer, OutputQueuedWhileTheLineIsStillBusyWaitsForIt) {
    OutputPacer pacer;
    pacer.Queue("ab", kStart, 1ms);
    pacer.Consume(2, kStart + 2ms, 1ms);
    pacer.Queue("c", kStart + 1ms, 1ms);  // queued before the previous byte's slot ended
    EXPECT_EQ(pacer.NextDue(), kStart + 3ms);
}

TEST(OutputPacer, PendingOutputIsBounded) {
    OutputPacer pacer;
    const std::string block(OutputPacer::kMaxPending, 'x');
    pacer.Queue(block, kStart, 0ns);
    pacer.Queue("more", kStart, 0ns);
    EXPECT_EQ(pacer.Pending().size(), OutputPacer::kMaxPending);
}

TEST(AdapterModel, WithoutLatencyEveryArrivedBytePasses) {
    const AdapterModel none;
    EXPECT_EQ(none.Release(5, kStart, kStart), 5u);
}

TEST(AdapterModel, ShortBurstsWaitForTheTimerFullPacketsGoAtOnce) {
    const AdapterModel adapter{16ms};
    EXPECT_EQ(adapter.Release(0, kStart, kStart), 0u);
    EXPECT_EQ(adapter.Release(61, kStart, kStart + 15ms), 0u);
    EXPECT_EQ(adapter.Release(62, kStart, kStart + 1ms), 62u);
    EXPECT_EQ(adapter.Release(130, kStart, kStart + 1ms), 124u);  // the last 6 keep waiting
    EXPECT_EQ(adapter.Release(61, kStart, kStart + 16ms), 61u);
    EXPECT_EQ(adapter.Release(130, kStart, kStart + 16ms), 130u);  // the timer flushes all
}

TEST(OutputPacer, DueAtCountsSlotsFromTheNextByte) {
    OutputPacer pacer;
    pacer.Queue("abcdef", kStart, 1ms);
    EXPECT_EQ(pacer.DueAt(0, 1ms), kStart + 1ms);
    EXPECT_EQ(pacer.DueAt(5, 1ms), kStart + 6ms);
    pacer.Consume(2, kStart + 2ms, 1ms);
    EXPECT_EQ(pacer.DueAt(0, 1ms), kStart + 3ms);
}

TEST(ReplyBursts, SplitGivesTheRequestedNumberOfPiecesWithGaps) {
    const Reply split = SplitIntoBursts(Reply::Of("status\r\n1\t2\t3\r\n>"), 3, 80ms);
    ASSERT_EQ(split.segments.size(), 3u);
    EXPECT_EQ(split.segments[0].silenceBefore, 0ms);
    EXPECT_EQ(split.segments[1].silenceBefore, 80ms);
    EXPECT_EQ(split.segments[2].silenceBefore, 80ms);
    EXPECT_EQ(split.Bytes(), "status\r\n1\t2\t3\r\n>");
    for (const auto& segment : split.segments) {
        EXPECT_FALSE(segment.bytes.empty());
    }
}

TEST(ReplyBursts, ExistingSilencesStayInPlace) {
    Reply reply;
    reply.segments = {{0ms, "savevals\r\n"}, {500ms, "686921\r\n91>"}};
    const Reply split = SplitIntoBursts(reply, 2, 50ms);
    EXPECT_EQ(split.Bytes(), "savevals\r\n686921\r\n91>");
    bool longSilence = false;
    for (const auto& segment : split.segments) {
        longSilence = longSilence || segment.silenceBefore == 500ms;
    }
    EXPECT_TRUE(longSilence);
}

TEST(ReplyBursts, CutsCountedFromTheEnd) {
    const Reply split = SplitIntoBursts(Reply::Of("open 93\r\n93>"), 2, 30ms, {1, 3, 0, 99});
    ASSERT_EQ(split.segments.size(), 3u);
    EXPECT_EQ(split.segments[0].bytes, "open 93\r\n");
    EXPECT_EQ(split.segments[1].bytes, "93");
    EXPECT_EQ(split.segments[2].bytes, ">");
    EXPECT_EQ(split.segments[2].silenceBefore, 30ms);
}

TEST(ReplyBursts, MoreBurstsThanBytesGiveOneBytePerBurst) {
    const Reply split = SplitIntoBursts(Reply::Of(">"), 4, 10ms);
    EXPECT_EQ(split.Bytes(), ">");
    const Reply two = SplitIntoBursts(Reply::Of("9>"), 4, 10ms);
    EXPECT_EQ(two.segments.size(), 2u);
}

Fault MakeFault(FaultKind kind, std::string match, int count = 1, int skip = 0) {
    Fault fault;
    fault.kind = kind;
    fault.match = std::move(match);
    fault.count = count;
    fault.skip = skip;
    return fault;
}

TEST(FaultSelection, MatchesByPrefixAndUsesUpItsCount) {
    FaultInjector faults;
    faults.Add(MakeFault(FaultKind::DropReply, "rdval", 2));
    EXPECT_FALSE(faults.Consider("status"));
    EXPECT_TRUE(faults.Consider("rdval 00 012"));
    EXPECT_FALSE(faults.Consider("rdvx"));
    EXPECT_TRUE(faults.Consider("rdvalb 3F 1A"));
    EXPECT_FALSE(faults.Consider("rdval 00 012"));
}

TEST(FaultSelection, SkipLetsMatchingLinesThroughFirst) {
    FaultInjector faults;
    faults.Add(MakeFault(FaultKind::BellReply, "open", 1, 2));
    EXPECT_FALSE(faults.Consider("open 91"));
    EXPECT_FALSE(faults.Consider("open 92"));
    const auto fault = faults.Consider("open 93");
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->kind, FaultKind::BellReply);
    EXPECT_FALSE(faults.Consider("open 93"));
}

TEST(FaultSelection, EmptyMatchStrikesAnyInput) {
    FaultInjector faults;
    faults.Add(MakeFault(FaultKind::Garbage, ""));
    EXPECT_TRUE(faults.Consider("\x1b"));
}

TEST(FaultSelection, FirstInjectedMatchingFaultTakesTheLine) {
    FaultInjector faults;
    faults.Add(MakeFault(FaultKind::DropReply, "status"));
    faults.Add(MakeFault(FaultKind::BellReply, ""));
    EXPECT_EQ(faults.Consider("status")->kind, FaultKind::DropReply);
    EXPECT_EQ(faults.Consider("status")->kind, FaultKind::BellReply);
    EXPECT_FALSE(faults.Consider("status"));
}

TEST(FaultSelection, StopAnsweringLastsUntilCleared) {
    FaultInjector faults;
    faults.Add(MakeFault(FaultKind::StopAnswering, "savevals", 0));
    EXPECT_FALSE(faults.Consider("status"));
    EXPECT_TRUE(faults.Consider("savevals"));
    for (int i = 0; i < 5; ++i) {
        const auto fault = faults.Consider("status");
        ASSERT_TRUE(fault);
        EXPECT_EQ(fault->kind, FaultKind::StopAnswering);
    }
    faults.Clear();
    EXPECT_FALSE(faults.Consider("status"));
}

TEST(FaultSelection, GarbageNeverHoldsPromptBelOrNul) {
    FaultInjector faults;
    const std::string noise = faults.Garbage(20000);
    ASSERT_EQ(noise.size(), 20000u);
    EXPECT_EQ(noise.find('>'), std::string::npos);
    EXPECT_EQ(noise.find('\x07'), std::string::npos);
    EXPECT_EQ(noise.find('\0'), std::string::npos);
}

}  // namespace
}  // namespace kvt::sim::test
