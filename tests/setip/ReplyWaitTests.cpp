// The reply wait on its own: what ends a reply, what a prompt shows, and that every wait ends.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "ReplyWait.h"
#include "SetIpTestSupport.h"
#include "SimulatedUnit.h"
#include "kvtcomm.h"

namespace kvt::setip::test {
namespace {

class ReplyWaitOnSimulatedUnit : public ::testing::Test {
  protected:
    void SetUp() override {
        KVTCommSettings settings{};
        unit.StartPty().copy(settings.portName, KVTCOMM_PORT_NAME_MAX);
        settings.bitRate = 38400;
        settings.dataBits = 8;
        port = OpenComm(settings, nullptr, nullptr, nullptr);
        ASSERT_NE(port, nullptr) << GetCommOpenErrorText();
    }
    void TearDown() override { CloseComm(port, nullptr); }

    void Send(const std::string& line) {
        ASSERT_EQ(WriteCommBuf(port, line.data(), static_cast<uint32_t>(line.size()), 0, nullptr),
                  0u);
    }

    sim::SimulatedUnit unit;
    KVTCommHandle port = nullptr;
};

TEST_F(ReplyWaitOnSimulatedUnit, PromptEndsTheReplyAndShowsTheSelection) {
    Send("open 9F\r");
    const Reply reply = WaitForReply(port);
    EXPECT_EQ(reply.outcome, ReplyOutcome::Accepted);
    ASSERT_TRUE(reply.selection.has_value());
    EXPECT_EQ(reply.selection->page, 9);
    EXPECT_EQ(reply.selection->unit, 15);
}

TEST_F(ReplyWaitOnSimulatedUnit, PromptWithoutSelectionHasNone) {
    Send("close\r");
    const Reply reply = WaitForReply(port);
    EXPECT_EQ(reply.outcome, ReplyOutcome::Accepted);
    EXPECT_FALSE(reply.selection.has_value());
}

TEST_F(ReplyWaitOnSimulatedUnit, BellBeforeThePromptIsARefusal) {
    Send("nosuchcommand\r");
    EXPECT_EQ(WaitForReply(port).outcome, ReplyOutcome::Refused);
}

// Nothing before the prompt to read a selection from: nothing is read outside the reply.
TEST_F(ReplyWaitOnSimulatedUnit, BarePromptIsAcceptedWithoutSelection) {
    unit.SendUnsolicited(">");
    const Reply reply = WaitForReply(port);
    EXPECT_EQ(reply.outcome, ReplyOutcome::Accepted);
    EXPECT_FALSE(reply.selection.has_value());
}

TEST_F(ReplyWaitOnSimulatedUnit, SilenceEndsTheWaitAfterTheAllowance) {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(WaitForReply(port).outcome, ReplyOutcome::TimedOut);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 900ms);
    EXPECT_LT(elapsed, kGenerousTimeout);
}

TEST_F(ReplyWaitOnSimulatedUnit, TalkWithoutAPromptFillsTheBufferAndStillEnds) {
    unit.SendUnsolicited(std::string(3 * kReplyBufferSize, 'x') + ">");
    EXPECT_EQ(WaitForReply(port).outcome, ReplyOutcome::TimedOut);
}

TEST_F(ReplyWaitOnSimulatedUnit, PauseShorterThanTheAllowanceDoesNotEndTheReply) {
    sim::Fault split = FaultOn(sim::FaultKind::SplitReply);
    split.bursts = 3;
    split.gap = 300ms;
    unit.InjectFault(split);
    Send("open 93\r");
    const Reply reply = WaitForReply(port);
    EXPECT_EQ(reply.outcome, ReplyOutcome::Accepted);
    ASSERT_TRUE(reply.selection.has_value());
    EXPECT_EQ(reply.selection->page, 9);
    EXPECT_EQ(reply.selection->unit, 3);
}

TEST(ReplyWait, NoPortIsAReadFailure) {
    EXPECT_EQ(WaitForReply(nullptr).outcome, ReplyOutcome::ReadFailed);
}

}  // namespace
}  // namespace kvt::setip::test
