#include <gtest/gtest.h>

#include <algorithm>
#include <future>

#include "EngineFixture.h"
#include "protocol/Exchange.h"

namespace kvt {
namespace {

using sim::Fault;
using sim::FaultKind;

class Exchanges : public testing::EngineOnSimulatedUnit {
  protected:
    void SetUp() override {
        EngineOnSimulatedUnit::SetUp();
        ASSERT_EQ(engine->Connect(), 0);
    }

    Answer<uint32_t> Read(uint32_t address) {
        return engine->WithLink(
            [&](Link& link, const LinkLock& lock, const EngineTimings& timings) {
                return ReadValue(link, lock, timings, address);
            });
    }

    int32_t Select(int page, int unit) {
        return engine->WithLink(
            [&](Link& link, const LinkLock& lock, const EngineTimings& timings) {
                return SelectTarget(link, lock, timings, page, unit);
            });
    }

    size_t Count(const std::string& line) const {
        const auto lines = unit.ReceivedLines();
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
    }
};

TEST_F(Exchanges, ReplyInSeveralBurstsIsAssembledUntilThePrompt) {
    unit.SetMemory(3, 0x12, 0xFFC7C0);
    ASSERT_EQ(Select(9, 3), 0);
    Fault split;
    split.kind = FaultKind::SplitReply;
    split.match = "rdval";
    split.bursts = 4;
    split.gap = std::chrono::milliseconds(40);
    unit.InjectFault(split);
    const auto answer = Read(0x12);
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.value, 0xFFC7C0u);
    EXPECT_EQ(Count("rdval 00 012"), 1u);
}

TEST_F(Exchanges, ValueInTheFirstChunkAndPromptInTheNextIsKept) {
    unit.SetMemory(1, 0x14, 0x0D1F);
    ASSERT_EQ(Select(9, 1), 0);
    Fault split;
    split.kind = FaultKind::SplitReply;
    split.match = "rdval";
    split.cutsFromEnd = {3};  // "rdval 00 014\r\n000D1F\r\n", then "91>"
    unit.InjectFault(split);
    const auto answer = Read(0x14);
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.value, 0x0D1Fu);
    EXPECT_EQ(engine->CurrentSelection(), (PromptSelection{9, 1}));
}

TEST_F(Exchanges, PromptAtTheVeryStartOfAChunkIsReadSafely) {
    Fault split;
    split.kind = FaultKind::SplitReply;
    split.match = "open";
    split.cutsFromEnd = {1};  // the '>' alone in the last chunk
    unit.InjectFault(split);
    ASSERT_EQ(Select(6, 11), 0);
    EXPECT_EQ(engine->CurrentSelection(), (PromptSelection{6, 11}));
}

TEST_F(Exchanges, BellMakesTheEngineWaitResendAndGiveUpAfterTheFifthTime) {
    ASSERT_EQ(Select(9, 1), 0);
    Fault bell;
    bell.kind = FaultKind::BellReply;
    bell.match = "rdval 00 012";
    bell.count = 100;
    unit.InjectFault(bell);
    const auto started = std::chrono::steady_clock::now();
    const auto answer = Read(0x12);
    const auto elapsed = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(answer.status, 1);
    EXPECT_FALSE(answer.value);
    EXPECT_EQ(Count("rdval 00 012"), 5u);
    // A refusal is not answered by an immediate re-send: each send waits out the silence.
    EXPECT_GE(elapsed, 5 * testing::FastTimings().replyWait);
}

TEST_F(Exchanges, RefusedFourTimesSucceedsOnTheFifthSend) {
    unit.SetMemory(1, 0x12, 0x18);
    ASSERT_EQ(Select(9, 1), 0);
    Fault bell;
    bell.kind = FaultKind::BellReply;
    bell.match = "rdval";
    bell.count = 4;
    unit.InjectFault(bell);
    const auto answer = Read(0x12);
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.value, 0x18u);
    EXPECT_EQ(Count("rdval 00 012"), 5u);
}

TEST_F(Exchanges, DroppedRepliesAreResent) {
    Fault drop;
    drop.kind = FaultKind::DropReply;
    drop.match = "level ?";
    drop.count = 2;
    unit.InjectFault(drop);
    sim::FrontPanel panel = unit.Panel();
    panel.level = 0x37;
    unit.SetPanel(panel);
    const auto answer =
        engine->WithLink([](Link& link, const LinkLock& lock, const EngineTimings& t) {
            return QueryHex(link, lock, t, "level ?\r", "level ?", 7);
        });
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.value, 0x37u);
    EXPECT_EQ(Count("level ?"), 3u);
}

TEST_F(Exchanges, UnitThatStopsAnsweringFailsTheExchange) {
    Fault stop;
    stop.kind = FaultKind::StopAnswering;
    unit.InjectFault(stop);
    EXPECT_EQ(engine->CallerExchange("picver\r").status, 1);
    EXPECT_EQ(Count("picver"), 5u);
}

TEST_F(Exchanges, GarbageBeforeTheEchoDoesNotHideTheAnswer) {
    unit.SetMemory(2, 0x05, 0x000123);
    ASSERT_EQ(Select(9, 2), 0);
    Fault garbage;
    garbage.kind = FaultKind::Garbage;
    garbage.match = "rdval";
    garbage.garbageBytes = 40;
    unit.InjectFault(garbage);
    const auto answer = Read(0x05);
    EXPECT_EQ(answer.status, 0);
    EXPECT_EQ(answer.value, 0x123u);
}

TEST_F(Exchanges, SelectionIsSentOnlyWhenThePromptDoesNotShowIt) {
    EXPECT_EQ(engine->CurrentSelection(), PromptSelection{});
    ASSERT_EQ(Select(9, 3), 0);
    EXPECT_EQ(engine->CurrentSelection(), (PromptSelection{9, 3}));
    ASSERT_EQ(Select(9, 3), 0);
    EXPECT_EQ(Count("open 93"), 1u);
    ASSERT_EQ(Select(6, 11), 0);
    EXPECT_EQ(Count("open 6B"), 1u);
    EXPECT_EQ(engine->CurrentSelection(), (PromptSelection{6, 11}));
}

TEST_F(Exchanges, CloseIsSkippedWhenNothingIsSelected) {
    const auto close = [&] {
        return engine->WithLink([](Link& link, const LinkLock& lock, const EngineTimings& t) {
            return CloseTarget(link, lock, t);
        });
    };
    EXPECT_EQ(close(), 0);
    EXPECT_EQ(Count("close"), 0u);
    ASSERT_EQ(Select(6, 1), 0);
    EXPECT_EQ(close(), 0);
    EXPECT_EQ(Count("close"), 1u);
    EXPECT_EQ(engine->CurrentSelection(), (PromptSelection{0, 0}));
}

TEST_F(Exchanges, BinaryReadIsTakenByByteCount) {
    ASSERT_EQ(Select(9, 3), 0);
    const auto words =
        engine->WithLink([](Link& link, const LinkLock& lock, const EngineTimings& t) {
            return QueryBinaryWords(link, lock, t, 0x1A, 64);
        });
    ASSERT_EQ(words.status, 0);
    ASSERT_TRUE(words.value);
    ASSERT_EQ(words.value->size(), 64u);
    EXPECT_EQ((*words.value)[2], (*words.value)[63]);
    EXPECT_EQ(engine->CurrentSelection(), (PromptSelection{9, 3}));
}

TEST_F(Exchanges, SlowUnitsLateRepliesAreNotTakenForLaterAnswers) {
    unit.SetMemory(1, 0x12, 0x18);
    unit.SetMemory(1, 0x13, 0x99);
    ASSERT_EQ(Select(9, 1), 0);
    sim::SimOptions slow;
    slow.latency = testing::FastTimings().replyWait + std::chrono::milliseconds(100);
    unit.SetOptions(slow);
    // Every line times out once, so the unit answers it twice; the second answer arrives while
    // the next line waits for its own.
    EXPECT_EQ(Read(0x12).value, 0x18u);
    EXPECT_EQ(Read(0x13).value, 0x99u);
    EXPECT_EQ(Read(0x12).value, 0x18u);
    EXPECT_EQ(Read(0x13).value, 0x99u);
}

TEST_F(Exchanges, PortClosedUnderTheEngineFailsTheExchange) {
    Fault close;
    close.kind = FaultKind::ClosePort;
    close.match = "picver";
    unit.InjectFault(close);
    EXPECT_EQ(engine->CallerExchange("picver\r").status, 1);
    EXPECT_EQ(engine->CallerExchange("intl\r").status, 1);
    Variant connected;
    engine->get_Connected(&connected);
    EXPECT_TRUE(connected.IsTrue());  // the link stays open until Disconnect
    EXPECT_EQ(engine->Disconnect(), 0);
}

TEST_F(Exchanges, NoExchangeWithoutALink) {
    ASSERT_EQ(engine->Disconnect(), 0);
    EXPECT_EQ(engine->CallerExchange("picver\r").status, 1);
}

TEST_F(Exchanges, CallerExchangeWaitsForTheWorkersExchangeInFlight) {
    unit.SetMemory(1, 0, 0);
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), 0);
    ASSERT_EQ(engine->put_Initialized(VARIANT_TRUE), 0);
    sim::SimOptions slow;
    slow.latency = std::chrono::milliseconds(150);
    unit.SetOptions(slow);
    engine->QueueParameterWrite(1, 2, 0x0A);
    ASSERT_TRUE(unit.WaitForLines(2, std::chrono::seconds(10)));  // "open 91", then the write line

    // The worker now waits for the unit; the caller's line must not go out before the worker's
    // whole duty (the write and its commit) has ended.
    const auto answer = engine->CallerExchange("picver\r");
    EXPECT_EQ(answer.status, 0);
    const auto lines = unit.ReceivedLines();
    const std::vector<std::string> expected = {"open 91", "wrtval 000002 00000A", "rdval 00 000",
                                               "wrtval 00 1000", "picver"};
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace kvt
