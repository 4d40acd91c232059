#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "EngineFixture.h"

namespace kvt {
namespace {

using sim::Fault;
using sim::FaultKind;

class WorkerWrites : public testing::EngineOnSimulatedUnit {
  protected:
    void SetUp() override {
        EngineOnSimulatedUnit::SetUp();
        unit.SetMemory(1, 0, 0x000002);
        unit.SetMemory(4, 0x100, 0x000070);
        ConnectReady();
    }

    // Queues writes while holding the link, so the worker sees them all in one pass.
    void QueueTogether(const std::vector<std::tuple<int, uint32_t, uint32_t>>& writes) {
        engine->WithLink([&](Link&, const LinkLock&, const EngineTimings&) {
            for (const auto& [block, address, value] : writes) {
                engine->QueueParameterWrite(block, address, value);
            }
            return 0;
        });
    }

    bool WaitUntilSent() {
        return testing::Eventually([&] { return engine->Pending().AllEmpty(); }) &&
               testing::Eventually(
                   [&] { return engine->WithLink([](auto&, auto&, auto&) { return true; }); });
    }
};

TEST_F(WorkerWrites, PreampLinesThenTheirCommit) {
    QueueTogether({{1, 10, 1}, {1, 11, 2}, {1, 12, 3}, {1, 14, 0xFFFFE2}});
    ASSERT_TRUE(WaitUntilSent());
    ASSERT_TRUE(unit.WaitForLines(5, std::chrono::seconds(10)));
    const std::vector<std::string> expected = {"open 91", "wrtval 00000A 000001 000002 000003",
                                               "wrtval 00000E FFFFE2", "rdval 00 000",
                                               "wrtval 00 1002"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
    EXPECT_EQ(unit.Memory(1, 11), 2u);
    EXPECT_EQ(unit.Memory(1, 14), 0xFFFFE2u);
    EXPECT_EQ(unit.Memory(1, 0), 0x1002u);
}

TEST_F(WorkerWrites, EqualiserLinesThenTheirCommit) {
    QueueTogether({{4, 0x90, 0xFFFFE2}});
    ASSERT_TRUE(WaitUntilSent());
    ASSERT_TRUE(unit.WaitForLines(4, std::chrono::seconds(10)));
    const std::vector<std::string> expected = {"open 61", "wrtval 000090 FFFFE2", "rdval 00 100",
                                               "wrtval 100 7E"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
    EXPECT_EQ(unit.Memory(4, 0x90), 0xFFFFE2u);
}

TEST_F(WorkerWrites, SecondPreampAndSecondEqualiserCommitToo) {
    unit.SetMemory(2, 0, 0x000004);
    unit.SetMemory(5, 0x100, 0x000001);
    QueueTogether({{2, 3, 7}, {5, 4, 9}});
    ASSERT_TRUE(WaitUntilSent());
    ASSERT_TRUE(unit.WaitForLines(8, std::chrono::seconds(10)));
    const std::vector<std::string> expected = {
        "open 92", "wrtval 000003 000007", "rdval 00 000", "wrtval 00 1004",
        "open 62", "wrtval 000004 000009", "rdval 00 100", "wrtval 100 0F"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
}

TEST_F(WorkerWrites, MatrixAndOutputLinesNeedNoCommit) {
    QueueTogether({{3, 8, 0xFFC7C0}, {6, 1014, 0x50}});
    ASSERT_TRUE(WaitUntilSent());
    ASSERT_TRUE(unit.WaitForLines(4, std::chrono::seconds(10)));
    const std::vector<std::string> expected = {"open 93", "wrtval 000008 FFC7C0", "open 6B",
                                               "wrtx 0003F6 000050"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
    EXPECT_EQ(unit.Memory(6, 1014), 0x50u);
}

TEST_F(WorkerWrites, EepromLinesGoFirstAndEndWithFormatUpdate) {
    QueueTogether({{3, 0, 5}, {0, 557, 8}});
    ASSERT_TRUE(WaitUntilSent());
    ASSERT_TRUE(unit.WaitForLines(4, std::chrono::seconds(10)));
    const std::vector<std::string> expected = {"wreep 00022D 000008", "formatupdate", "open 93",
                                               "wrtval 000000 000005"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
    EXPECT_EQ(unit.Memory(0, 557), 8u);
}

TEST_F(WorkerWrites, OnlyTheLatestValueOfAnAddressIsSent) {
    QueueTogether({{3, 6, 1}, {3, 6, 0xFFFF9C}});
    ASSERT_TRUE(WaitUntilSent());
    ASSERT_TRUE(unit.WaitForLines(2, std::chrono::seconds(10)));
    const std::vector<std::string> expected = {"open 93", "wrtval 000006 FFFF9C"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
}

TEST_F(WorkerWrites, LineThatFailedIsSentAgainLater) {
    Fault drop;
    drop.kind = FaultKind::DropReply;
    drop.match = "wrtval 000002";
    drop.count = 5;  // every try of the first attempt
    unit.InjectFault(drop);
    QueueTogether({{1, 2, 0x77}});
    ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(1, 2) == 0x77; }));
    const auto lines = unit.ReceivedLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "wrtval 000002 000077"), 6);
}

TEST_F(WorkerWrites, LineTheUnitRefusesIsGivenUpAndOthersFollow) {
    Fault bell;
    bell.kind = FaultKind::BellReply;
    bell.match = "wrtval 000002";
    bell.count = 1000;
    unit.InjectFault(bell);
    QueueTogether({{1, 2, 0x77}, {3, 0, 0x11}});
    ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(3, 0) == 0x11; }));
    const auto lines = unit.ReceivedLines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "wrtval 000002 000077"), 5);
    EXPECT_TRUE(engine->Pending().AllEmpty());
}

TEST_F(WorkerWrites, LineThatNeverGetsAnAnswerIsGivenUpAfterItsAttempts) {
    Fault drop;
    drop.kind = FaultKind::DropReply;
    drop.match = "wrtx";
    drop.count = 1000;
    unit.InjectFault(drop);
    QueueTogether({{6, 1012, 1}});
    ASSERT_TRUE(testing::Eventually([&] { return engine->Pending().AllEmpty(); },
                                    std::chrono::seconds(30)));
    ASSERT_TRUE(testing::Eventually([&] {
        const auto lines = unit.ReceivedLines();
        return std::count(lines.begin(), lines.end(), "wrtx 0003F4 000001") ==
               5 * PendingWrites::kMaxLineAttempts;
    }));
}

TEST_F(WorkerWrites, CleanupFromAWorkerEventDoesNotWaitForItself) {
    struct StopOnProgress : DispatchEventSink {
        KVT80* engine = nullptr;
        std::atomic<int> calls{0};
        void OnEvent(const EventInfo& event, std::span<const Variant>) override {
            if (event.name == "UploadProgress" && calls++ == 0) {
                EXPECT_EQ(engine->Cleanup(), 0);
            }
        }
    };
    auto stopper = std::make_shared<StopOnProgress>();
    stopper->engine = engine.get();
    uint32_t stopperCookie = 0;
    ASSERT_EQ(engine->Advise(stopper, &stopperCookie), 0);
    engine->WithLink([&](Link&, const LinkLock&, const EngineTimings&) {
        engine->QueueParameterWrite(3, 0, 1);
        engine->QueueParameterWrite(3, 10, 2);
        engine->BeginTransfer(false);
        return 0;
    });
    ASSERT_TRUE(testing::Eventually([&] { return stopper->calls > 0; }));
    std::this_thread::sleep_for(
        std::chrono::milliseconds(100));  // the stopped worker sends no more
    EXPECT_EQ(stopper->calls, 1);
    EXPECT_NE(unit.Memory(3, 10), 2u);
    EXPECT_TRUE(engine->Pending().AllEmpty());  // Cleanup empties the lists
}

TEST_F(WorkerWrites, TransferReportsEachLineAndItsEnd) {
    engine->WithLink([&](Link&, const LinkLock&, const EngineTimings&) {
        engine->QueueParameterWrite(3, 0, 1);
        engine->QueueParameterWrite(3, 10, 2);
        engine->QueueParameterWrite(6, 1012, 3);
        engine->BeginTransfer(false);
        return 0;
    });
    ASSERT_TRUE(events->WaitFor("UploadProgress", 4));
    const auto progress = events->Named("UploadProgress");
    ASSERT_EQ(progress.size(), 4u);
    const int expected[4][3] = {{1, 0, 133}, {1, 1, 133}, {1, 2, 133}, {2, 0, 133}};
    for (size_t i = 0; i < 4; ++i) {
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(progress[i].arguments[k].Int32(), expected[i][k]) << i << "," << k;
        }
    }
}

TEST_F(WorkerWrites, PersonalityModuleTransferSkipsCommitsAndClosesTheCard) {
    engine->WithLink([&](Link&, const LinkLock&, const EngineTimings&) {
        engine->QueueParameterWrite(1, 2, 1);
        engine->QueueParameterWrite(4, 0x90, 2);
        engine->BeginTransfer(true);
        return 0;
    });
    ASSERT_TRUE(events->WaitFor("SaveMMCProgress", 3));
    const auto progress = events->Named("SaveMMCProgress");
    ASSERT_EQ(progress.size(), 3u);
    EXPECT_EQ(progress[2].arguments[0].Int32(), 2);
    EXPECT_EQ(progress[2].arguments[2].Int32(), 126);
    const std::vector<std::string> expected = {"open 91", "wrtval 000002 000001", "open 61",
                                               "wrtval 000090 000002", "closemmc"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
}

TEST_F(WorkerWrites, NotReadyDiscardsTheLists) {
    ASSERT_EQ(engine->put_Initialized(VARIANT_FALSE), 0);
    QueueTogether({{3, 0, 1}, {0, 28, 2}});
    ASSERT_TRUE(testing::Eventually([&] { return engine->Pending().AllEmpty(); }));
    EXPECT_TRUE(unit.ReceivedLines().empty());
}

}  // namespace
}  // namespace kvt
