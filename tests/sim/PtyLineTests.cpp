// The simulated unit over a real pseudo-terminal, read through a plain raw descriptor.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "LinePacing.h"
#include "SimTestSupport.h"
#include "SimulatedUnit.h"

namespace kvt::sim::test {
namespace {

class PtyLine : public ::testing::Test {
  protected:
    void SetUp() override {
        path_ = unit_.StartPty();
        client_.emplace(LineClient::OpenPty(path_));
    }

    SimulatedUnit unit_;
    std::string path_;
    std::optional<LineClient> client_;
};

TEST_F(PtyLine, PathIsACharacterDevice) {
    struct stat info {};
    ASSERT_EQ(::stat(path_.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST_F(PtyLine, FullExchangeOfARetrievalStep) {
    EXPECT_EQ(client_->Exchange(""), "\r\n>");
    EXPECT_EQ(client_->Exchange("open 9F", "9F>"), "open 9F\r\n9F>");
    EXPECT_EQ(client_->Exchange("intl", "9F>"), "intl\r\nZVQ215\r\n9F>");
    EXPECT_EQ(client_->Exchange("open 91", "91>"), "open 91\r\n91>");
    EXPECT_EQ(client_->Exchange("rdval 00 012", "91>"), "rdval 00 012\r\n000018\r\n91>");
    EXPECT_EQ(client_->Exchange("wrtval 000002 FFFFF6 00000A", "91>"),
              "wrtval 000002 FFFFF6 00000A\r\n91>");
    EXPECT_EQ(unit_.Memory(1, 2), 0xFFFFF6u);
    EXPECT_EQ(unit_.Memory(1, 3), 0x00000Au);
    EXPECT_EQ(client_->Exchange("close"), "close\r\n>");
}

TEST_F(PtyLine, AnalyserReadArrivesByteExact) {
    client_->Exchange("open 93", "93>");
    client_->Send("rdvalb 3F 1A\r");
    const std::string reply = client_->ReadBytes(15 + 192 + 5);
    ASSERT_EQ(reply.size(), 15u + 192u + 5u);
    EXPECT_EQ(reply.substr(0, 15), "rdvalb 3F 1A\r\n\r");
    EXPECT_EQ(reply.substr(15 + 192), "\r\n93>");
}

TEST_F(PtyLine, ReceivedLinesRecordsEveryLineInOrder) {
    client_->Exchange("open 93", "93>");
    client_->Exchange("status", "93>");
    client_->Send("\x1b");
    ASSERT_TRUE(unit_.WaitForLines(3, kGenerousTimeout));
    EXPECT_EQ(unit_.ReceivedLines(), (std::vector<std::string>{"open 93", "status", "\x1b"}));
    unit_.ClearReceivedLines();
    EXPECT_TRUE(unit_.ReceivedLines().empty());
    EXPECT_FALSE(unit_.WaitForLines(1, std::chrono::milliseconds{0}));
}

TEST_F(PtyLine, WaitForLinesSeesTheLineTakenEffect) {
    client_->Send("level 0A\r");
    ASSERT_TRUE(unit_.WaitForLines(1, kGenerousTimeout));
    EXPECT_EQ(unit_.Panel().level, 10);
}

TEST_F(PtyLine, ByteCountersCoverBothDirections) {
    client_->Exchange("picver");
    EXPECT_EQ(unit_.BytesReceived(), 7u);
    EXPECT_EQ(unit_.BytesSent(), std::string("picver\r\n021400\r\n>").size());
}

TEST_F(PtyLine, UnsolicitedOutputReachesTheClient) {
    unit_.SendUnsolicited("Power fail\r\n");
    EXPECT_EQ(client_->ReadBytes(12), "Power fail\r\n");
}

TEST_F(PtyLine, MenuModeNeedsEscapeToReachThePrompt) {
    unit_.SetMenuMode(true);
    client_->Send("\r");
    const std::string menu =
        client_->ReadUntil([](const std::string& text) { return text.ends_with("Select: "); });
    EXPECT_NE(menu.find("[2J"), std::string::npos);
    client_->Send("\x1b");
    EXPECT_EQ(client_->ReadUntil([](const std::string& text) { return text.ends_with(">"); }),
              "\r\n>");
}

TEST_F(PtyLine, SaveIsAcknowledgedAfterItsDuration) {
    unit_.SetOptions({0, std::chrono::milliseconds{0}, std::chrono::milliseconds{300}});
    client_->Exchange("open 61", "61>");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client_->Exchange("savevals", "61>"), "savevals\r\n686921\r\n61>");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds{300});
}

TEST_F(PtyLine, PacedReplyTakesAtLeastItsWireTime) {
    unit_.SetOptions({9600, std::chrono::milliseconds{0}, std::chrono::milliseconds{0}});
    const auto start = std::chrono::steady_clock::now();
    const std::string reply = client_->Exchange("status");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(reply.starts_with("status\r\n"));
    ASSERT_TRUE(reply.ends_with("\r\n>"));
    const auto wireTime = ByteTime(9600) * static_cast<int64_t>(reply.size() + 7);
    EXPECT_GE(elapsed, wireTime);
}

// Through a modelled USB adapter the reply arrives in whole 62-byte packets until the adapter's
// timer passes on the rest; every byte arrives, in order. The timer is long, so only the last read
// can hold a partial packet however slowly this test is scheduled.
TEST_F(PtyLine, AnAdapterPassesWholePacketsThenTheRestOnItsTimer) {
    const auto readAnalyser = [this] {
        client_->Send("rdvalb 3F 1A\r");
        std::vector<std::string> reads;
        std::string reply;
        while (reply.size() < 15 + 192 + 5) {
            const auto chunk = client_->ReadOnce(kGenerousTimeout);
            if (!chunk || chunk->empty()) {
                break;
            }
            reads.push_back(*chunk);
            reply += *chunk;
        }
        return std::make_pair(reply, reads);
    };
    client_->Exchange("open 93", "93>");
    const auto [direct, directReads] = readAnalyser();
    ASSERT_EQ(direct.size(), 15u + 192u + 5u);

    SimOptions options;
    options.baudRate = 38400;
    options.adapterLatency = std::chrono::milliseconds{1500};
    unit_.SetOptions(options);
    const auto [held, reads] = readAnalyser();
    // The frame counters inside the analyser words move on; the rest is the same reply.
    ASSERT_EQ(held.size(), direct.size());
    EXPECT_EQ(held.substr(0, 15), direct.substr(0, 15));
    EXPECT_EQ(held.substr(30, 150), direct.substr(30, 150));
    EXPECT_EQ(held.substr(held.size() - 5), "\r\n93>");
    ASSERT_FALSE(reads.empty());
    for (size_t i = 0; i + 1 < reads.size(); ++i) {
        EXPECT_EQ(reads[i].size() % AdapterModel::kPacketBytes, 0u) << "read " << i;
    }
    EXPECT_NE(reads.back().size() % AdapterModel::kPacketBytes, 0u);  // 212 = 3 x 62 + 26
}

TEST_F(PtyLine, LatencyComesBeforeTheReply) {
    unit_.SetOptions({0, std::chrono::milliseconds{200}, std::chrono::milliseconds{0}});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client_->Exchange("rdu3"), "rdu3\r\n1\r\n>");
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds{200});
}

TEST_F(PtyLine, ClientMayCloseAndReopenTheSlave) {
    EXPECT_EQ(client_->Exchange("open 92", "92>"), "open 92\r\n92>");
    client_.reset();
    client_.emplace(LineClient::OpenPty(path_));
    EXPECT_EQ(client_->Exchange("rdval 00 012", "92>"), "rdval 00 012\r\n000018\r\n92>");
}

TEST_F(PtyLine, StartingAgainGivesANewPathAndKeepsTheUnitState) {
    client_->Exchange("level 21");
    const std::string second = unit_.StartPty();
    EXPECT_NE(second, path_);
    LineClient other = LineClient::OpenPty(second);
    EXPECT_EQ(other.Exchange("level ?"), "level ?\r\n21\r\n>");
}

TEST_F(PtyLine, StateAccessorsSeeWhatTheLineDid) {
    unit_.SetMemory(0, 28, 0x1FF);
    EXPECT_EQ(unit_.Memory(0, 28), 0xFFu);
    EXPECT_EQ(client_->Exchange("rdeep 00 001C"), "rdeep 00 001C\r\nFF\r\n>");

    FrontPanel panel;
    panel.muted = true;
    panel.aesEbuError = true;
    unit_.SetPanel(panel);
    EXPECT_EQ(client_->Exchange("rdu3"), "rdu3\r\n8\r\n>");

    unit_.SetEventLog({{"240101 101010", "Test entry"}});
    EXPECT_EQ(client_->Exchange("dumplog 6"), "dumplog 6\r\n240101 101010 Test entry\r\n>");
    client_->Exchange("clearlog");
    EXPECT_TRUE(unit_.EventLog().empty());

    unit_.SetCardPresent(false);
    EXPECT_EQ(client_->Exchange("openmmc"), "openmmc\r\nFFFFFF\r\n>");

    client_->Exchange("formatupdate");
    EXPECT_EQ(unit_.FormatUpdates(), 1u);
}

TEST_F(PtyLine, StopReturnsAndTheClientSeesAHangUp) {
    unit_.Stop();
    EXPECT_TRUE(client_->WaitForHangUp());
}

}  // namespace
}  // namespace kvt::sim::test
