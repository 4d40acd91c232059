#include "transport_test_support.h"

#include <gtest/gtest.h>

namespace {

using namespace transport_test;

TEST(HangUp, ClosedUnitSideEndsReceivingAndFailsWrites) {
    auto unit = std::make_unique<PseudoTerminal>();
    BurstRecorder recorder;
    const auto before = ReceiveThreadIds();
    OpenPort port = Open(unit->SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();
    const int receiver = NewReceiveThread(before);
    ASSERT_NE(receiver, -1);

    ASSERT_TRUE(unit->Write("last words>"));
    ASSERT_TRUE(recorder.WaitForBytes(11));
    unit->CloseMaster();

    // The thread leaves its loop instead of spinning on the hang-up.
    ASSERT_TRUE(WaitUntil([&] { return !ThreadAlive(receiver); }));
    EXPECT_EQ(recorder.Bytes(), "last words>");

    WriteCommBuf(port.get(), "status\r", 7, 0, nullptr);
    EXPECT_EQ(GetCommLastWriteError(port.get()), KVTCOMM_WRITE_FAILED);
    EXPECT_EQ(Stats(port.get())[2], 0u);

    std::uint32_t error = 99;
    CloseComm(port.release(), &error);
    EXPECT_EQ(error, KVTCOMM_OK);
}

TEST(HangUp, QueuedWriteAfterTheHangUpFailsInsteadOfWaiting) {
    PseudoTerminal unit;
    const auto before = ReceiveThreadIds();
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();
    const int receiver = NewReceiveThread(before);
    ASSERT_NE(receiver, -1);

    unit.CloseMaster();
    ASSERT_TRUE(WaitUntil([&] { return !ThreadAlive(receiver); }));

    WriteCommBuf(port.get(), "status\r", 7, 1, nullptr);
    EXPECT_EQ(GetCommLastWriteError(port.get()), KVTCOMM_WRITE_FAILED);
}

TEST(HangUp, KeptBytesCanStillBeFetched) {
    PseudoTerminal unit;
    const auto before = ReceiveThreadIds();
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();
    const int receiver = NewReceiveThread(before);
    ASSERT_NE(receiver, -1);

    ASSERT_TRUE(unit.Write("IP=10.0.0.5>"));
    ASSERT_TRUE(WaitUntil([&] { return Stats(port.get())[0] == 12; }));
    unit.CloseMaster();
    ASSERT_TRUE(WaitUntil([&] { return !ThreadAlive(receiver); }));

    char buffer[64];
    const std::uint32_t n = ReadCommBuf(port.get(), buffer, sizeof buffer, nullptr);
    EXPECT_EQ(std::string(buffer, n), "IP=10.0.0.5>");
}

}  // namespace
