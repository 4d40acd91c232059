#include "transport_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

namespace {

using namespace transport_test;

TEST(Writing, DirectWriteReachesTheLine) {
    PseudoTerminal unit;
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    const std::string line = "wrtval 4 90 FFFFE2\r";
    std::uint32_t error = 99;
    EXPECT_EQ(WriteCommBuf(port.get(), line.data(), line.size(), 0, &error), 0u);
    EXPECT_EQ(error, KVTCOMM_OK);
    EXPECT_EQ(unit.Read(line.size()), line);
    EXPECT_EQ(GetCommLastWriteError(port.get()), KVTCOMM_OK);
}

TEST(Writing, LargeDirectWriteArrivesWhole) {
    PseudoTerminal unit;
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    // More than the pseudo-terminal holds, so the write has to wait for the reader.
    std::string data(300000, '\0');
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<char>(i % 251);
    }
    std::string got;
    std::thread reader([&] { got = unit.Read(data.size()); });
    WriteCommBuf(port.get(), data.data(), data.size(), 0, nullptr);
    reader.join();
    EXPECT_TRUE(got == data);
    EXPECT_EQ(GetCommLastWriteError(port.get()), KVTCOMM_OK);
    EXPECT_EQ(Stats(port.get())[2], data.size());
}

TEST(Writing, QueuedWriteIsWrittenByTheReceiveThread) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    const std::string line(KVTCOMM_QUEUED_WRITE_MAX, 'q');
    std::string got;
    std::thread reader([&] { got = unit.Read(line.size()); });
    std::uint32_t error = 99;
    EXPECT_EQ(WriteCommBuf(port.get(), line.data(), line.size(), 1, &error), 0u);
    EXPECT_EQ(error, KVTCOMM_OK);
    reader.join();
    EXPECT_EQ(got, line);
    EXPECT_EQ(GetCommLastWriteError(port.get()), KVTCOMM_OK);
    EXPECT_EQ(Stats(port.get())[2], line.size());
}

TEST(Writing, QueuedWriteOverTheLimitIsRefusedAndSendsNothing) {
    PseudoTerminal unit;
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    const std::string tooLong(KVTCOMM_QUEUED_WRITE_MAX + 1, 'x');
    WriteCommBuf(port.get(), tooLong.data(), tooLong.size(), 1, nullptr);
    EXPECT_EQ(GetCommLastWriteError(port.get()), KVTCOMM_WRITE_FAILED);

    WriteCommBuf(port.get(), "END", 3, 0, nullptr);
    EXPECT_EQ(unit.Read(3), "END") << "nothing of the refused write went out first";
    EXPECT_EQ(Stats(port.get())[2], 3u);
}

TEST(Writing, ConcurrentWritesNeverInterleave) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    constexpr int kThreads = 4;
    constexpr int kWrites = 50;
    constexpr std::size_t kLength = 3000;
    std::string got;
    std::thread reader([&] { got = unit.Read(kThreads * kWrites * kLength); });
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([&, t] {
            const std::string block(kLength, static_cast<char>('a' + t));
            for (int i = 0; i < kWrites; ++i) {
                WriteCommBuf(port.get(), block.data(), block.size(),
                             static_cast<std::uint32_t>(i % 2), nullptr);
            }
        });
    }
    for (auto& writer : writers) {
        writer.join();
    }
    reader.join();
    ASSERT_EQ(got.size(), kThreads * kWrites * kLength);
    int splitWrites = 0;
    for (std::size_t at = 0; at < got.size(); at += kLength) {
        if (got.compare(at, kLength, std::string(kLength, got[at])) != 0) {
            ++splitWrites;
        }
    }
    EXPECT_EQ(splitWrites, 0) << "writes were split by others";
    EXPECT_EQ(GetCommLastWriteError(port.get()), KVTCOMM_OK);
}

TEST(Writing, CountersShowTheTrafficBothWays) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    const std::string reply(1234, 'r');
    ASSERT_TRUE(unit.Write(reply));
    ASSERT_TRUE(recorder.WaitForBytes(reply.size()));
    WriteCommBuf(port.get(), "status\r", 7, 0, nullptr);
    WriteCommBuf(port.get(), "savevals\r", 9, 1, nullptr);
    EXPECT_EQ(unit.Read(16), "status\rsavevals\r");

    std::uint32_t counters[4] = {9, 9, 9, 9};
    std::uint32_t error = 99;
    EXPECT_EQ(GetCommStats(port.get(), counters, &error), 16u);
    EXPECT_EQ(error, KVTCOMM_OK);
    EXPECT_EQ(counters[0], 1234u);
    EXPECT_EQ(counters[1], 0u);
    EXPECT_EQ(counters[2], 16u);
    EXPECT_EQ(counters[3], 0u);
}

TEST(Writing, EmptyWriteSendsNothingAndIsNoFailure) {
    PseudoTerminal unit;
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    EXPECT_EQ(WriteCommBuf(port.get(), "", 0, 0, nullptr), 0u);
    EXPECT_EQ(WriteCommBuf(port.get(), nullptr, 0, 1, nullptr), 0u);
    EXPECT_EQ(GetCommLastWriteError(port.get()), KVTCOMM_OK);
    EXPECT_TRUE(unit.NothingWaiting());
}

TEST(Writing, MissingBytesWithALengthIsAFailedWrite) {
    PseudoTerminal unit;
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    WriteCommBuf(port.get(), nullptr, 10, 0, nullptr);
    EXPECT_EQ(GetCommLastWriteError(port.get()), KVTCOMM_WRITE_FAILED);
    EXPECT_EQ(Stats(port.get())[2], 0u);
}

TEST(NoHandle, WriteAndStatsSetError1AndReturn1) {
    std::uint32_t error = 0;
    EXPECT_EQ(WriteCommBuf(nullptr, "x", 1, 0, &error), 1u);
    EXPECT_EQ(error, KVTCOMM_ERROR_NO_HANDLE);
    error = 0;
    EXPECT_EQ(WriteCommBuf(nullptr, "x", 1, 1, &error), 1u);
    EXPECT_EQ(error, KVTCOMM_ERROR_NO_HANDLE);

    std::uint32_t counters[4] = {7, 7, 7, 7};
    error = 0;
    EXPECT_EQ(GetCommStats(nullptr, counters, &error), 1u);
    EXPECT_EQ(error, KVTCOMM_ERROR_NO_HANDLE);
    EXPECT_EQ(counters[0], 7u) << "counters untouched";
    EXPECT_EQ(GetCommLastWriteError(nullptr), KVTCOMM_OK);
}

TEST(NoHandle, CloseAcceptsItAndClearsTheErrorWord) {
    std::uint32_t error = 55;
    CloseComm(nullptr, &error);
    EXPECT_EQ(error, KVTCOMM_OK);
    CloseComm(nullptr, nullptr);
}

TEST(NoHandle, NullErrorPointersAreAccepted) {
    EXPECT_EQ(WriteCommBuf(nullptr, "x", 1, 0, nullptr), 1u);
    EXPECT_EQ(GetCommStats(nullptr, nullptr, nullptr), 1u);
    EXPECT_EQ(ReadCommBuf(nullptr, nullptr, 0, nullptr), 0u);
}

}  // namespace
