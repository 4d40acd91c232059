// Injected faults, seen from the client's end of a real pseudo-terminal.
#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "SimulatedUnit.h"

namespace kvt::sim::test {
namespace {

Fault MakeFault(FaultKind kind, std::string match = "") {
    Fault fault;
    fault.kind = kind;
    fault.match = std::move(match);
    return fault;
}

class PtyFaults : public ::testing::Test {
  protected:
    void SetUp() override { client_.emplace(LineClient::OpenPty(unit_.StartPty())); }

    // Nothing arrives once the unit has taken the line (a reply would follow at once).
    void ExpectSilenceAfterLine(size_t lineCount) {
        ASSERT_TRUE(unit_.WaitForLines(lineCount, kGenerousTimeout));
        EXPECT_FALSE(client_->ReadOnce(std::chrono::milliseconds{150}));
    }

    SimulatedUnit unit_;
    std::optional<LineClient> client_;
};

TEST_F(PtyFaults, DropReplySwallowsTheLineAndTheNextIsAnswered) {
    unit_.InjectFault(MakeFault(FaultKind::DropReply, "level"));
    client_->Send("level 10\r");
    ExpectSilenceAfterLine(1);
    EXPECT_EQ(unit_.Panel().level, 70);
    EXPECT_EQ(client_->Exchange("level 10"), "level 10\r\n>");
    EXPECT_EQ(unit_.Panel().level, 16);
}

TEST_F(PtyFaults, BellReplyRefusesALineTheUnitWouldTake) {
    unit_.InjectFault(MakeFault(FaultKind::BellReply, "open"));
    EXPECT_EQ(client_->Exchange("open 93"), "open 93\r\n\x07\r\n>");
    EXPECT_EQ(client_->Exchange("open 93", "93>"), "open 93\r\n93>");
}

TEST_F(PtyFaults, SkipLetsEarlierMatchingLinesThrough) {
    Fault fault = MakeFault(FaultKind::BellReply, "rdu3");
    fault.skip = 1;
    unit_.InjectFault(fault);
    EXPECT_EQ(client_->Exchange("rdu3"), "rdu3\r\n1\r\n>");
    EXPECT_EQ(client_->Exchange("rdu3"), "rdu3\r\n\x07\r\n>");
    EXPECT_EQ(client_->Exchange("rdu3"), "rdu3\r\n1\r\n>");
}

TEST_F(PtyFaults, SplitReplyArrivesInSeparateReads) {
    Fault fault = MakeFault(FaultKind::SplitReply, "status");
    fault.bursts = 3;
    fault.gap = std::chrono::milliseconds{250};
    unit_.InjectFault(fault);
    client_->Send("status\r");
    std::vector<std::string> reads;
    std::string reply;
    while (!reply.ends_with("\r\n>")) {
        const auto chunk = client_->ReadOnce(kGenerousTimeout);
        ASSERT_TRUE(chunk && !chunk->empty());
        reads.push_back(*chunk);
        reply += *chunk;
    }
    EXPECT_GE(reads.size(), 3u);
    EXPECT_EQ(reads.front().find('>'), std::string::npos);
    EXPECT_TRUE(reply.starts_with("status\r\n"));
    EXPECT_EQ(std::count(reply.begin(), reply.end(), '\t'), 44);
}

TEST_F(PtyFaults, GarbageComesBeforeTheEchoInTheSameWrite) {
    Fault fault = MakeFault(FaultKind::Garbage, "picver");
    fault.garbageBytes = 12;
    unit_.InjectFault(fault);
    const std::string reply = client_->Exchange("picver");
    ASSERT_EQ(reply.size(), 12 + std::string("picver\r\n021400\r\n>").size());
    EXPECT_EQ(reply.substr(12), "picver\r\n021400\r\n>");
    const std::string noise = reply.substr(0, 12);
    EXPECT_EQ(noise.find('>'), std::string::npos);
    EXPECT_EQ(noise.find('\x07'), std::string::npos);
}

TEST_F(PtyFaults, StopAnsweringLastsUntilFaultsAreCleared) {
    unit_.InjectFault(MakeFault(FaultKind::StopAnswering, "status"));
    EXPECT_EQ(client_->Exchange("rdu3"), "rdu3\r\n1\r\n>");
    client_->Send("status\r");
    ExpectSilenceAfterLine(2);
    client_->Send("rdu3\r");
    ExpectSilenceAfterLine(3);
    unit_.ClearFaults();
    EXPECT_EQ(client_->Exchange("rdu3"), "rdu3\r\n1\r\n>");
}

TEST_F(PtyFaults, ClosePortHangsUpTheLine) {
    unit_.InjectFault(MakeFault(FaultKind::ClosePort, "savevals"));
    EXPECT_EQ(client_->Exchange("open 91", "91>"), "open 91\r\n91>");
    client_->Send("savevals\r");
    EXPECT_TRUE(client_->WaitForHangUp());
}

TEST_F(PtyFaults, AfterClosePortANewPtyServesTheSameUnit) {
    unit_.InjectFault(MakeFault(FaultKind::ClosePort));
    client_->Exchange("level 22");  // hangs up instead of answering
    ASSERT_TRUE(client_->WaitForHangUp());
    EXPECT_EQ(unit_.Panel().level, 70);
    LineClient again = LineClient::OpenPty(unit_.StartPty());
    EXPECT_EQ(again.Exchange("level 22"), "level 22\r\n>");
}

TEST_F(PtyFaults, HoldReplyActsAtOnceAndAnswersWhenReleased) {
    unit_.InjectFault(MakeFault(FaultKind::HoldReply, "level"));
    client_->Send("level 10\r");
    ExpectSilenceAfterLine(1);
    EXPECT_EQ(unit_.HeldReplies(), 1u);
    EXPECT_EQ(unit_.Panel().level, 16);  // the unit took the line before its reply was held
    client_->Send("rdu3\r");             // waits behind the held reply
    unit_.ReleaseHeldReplies();
    const std::string expected = "level 10\r\n>rdu3\r\n1\r\n>";
    EXPECT_EQ(client_->ReadBytes(expected.size()), expected);
    EXPECT_EQ(unit_.HeldReplies(), 0u);
    EXPECT_EQ(client_->Exchange("level 10"), "level 10\r\n>");  // the fault struck once
}

TEST_F(PtyFaults, StopLetsAHeldReplyGo) {
    unit_.InjectFault(MakeFault(FaultKind::HoldReply));
    client_->Send("rdu3\r");
    ASSERT_TRUE(unit_.WaitForLines(1, kGenerousTimeout));
    EXPECT_EQ(unit_.HeldReplies(), 1u);
    unit_.Stop();  // returns: the line server is not left waiting for a release
    EXPECT_EQ(unit_.HeldReplies(), 0u);
}

TEST_F(PtyFaults, FaultsStrikeOnlyTheirCount) {
    Fault fault = MakeFault(FaultKind::BellReply, "");
    fault.count = 2;
    unit_.InjectFault(fault);
    EXPECT_EQ(client_->Exchange("rdu3"), "rdu3\r\n\x07\r\n>");
    EXPECT_EQ(client_->Exchange("picver"), "picver\r\n\x07\r\n>");
    EXPECT_EQ(client_->Exchange("rdu3"), "rdu3\r\n1\r\n>");
}

}  // namespace
}  // namespace kvt::sim::test
