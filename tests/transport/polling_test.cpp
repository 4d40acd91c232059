#include "transport_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>

namespace {

using namespace transport_test;

std::string RandomBytes(std::size_t length, std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    std::string bytes(length, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(byte(random));
    }
    return bytes;
}

// Calls ReadCommBuf the way the network tool does, with the given buffer sizes, until count
// bytes have come or the hang guard passes.
std::string PollFor(KVTCommHandle port, std::size_t count, std::mt19937& random, int smallest = 1,
                    int largest = 300) {
    std::uniform_int_distribution<int> capacity(smallest, largest);
    std::vector<char> buffer(static_cast<std::size_t>(largest));
    std::string got;
    const auto deadline = std::chrono::steady_clock::now() + 4 * kHangGuard;
    while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
        std::uint32_t error = 99;
        const std::uint32_t n =
            ReadCommBuf(port, buffer.data(), static_cast<std::uint32_t>(capacity(random)), &error);
        EXPECT_EQ(error, KVTCOMM_OK);
        got.append(buffer.data(), n);
        if (n == 0) {
            std::this_thread::sleep_for(1ms);
        }
    }
    return got;
}

TEST(PollingStyle, ReturnsEveryByteExactlyOnceInOrder) {
    PseudoTerminal unit;
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    std::mt19937 random(20240611);
    const std::string data = RandomBytes(256 * 1024, random);
    std::atomic<bool> written{false};
    std::thread writer([&] {
        std::mt19937 chunks(7);
        std::uniform_int_distribution<std::size_t> size(1, 5000);
        std::size_t at = 0;
        while (at < data.size()) {
            const std::size_t n = std::min(size(chunks), data.size() - at);
            if (!unit.Write(std::string_view(data).substr(at, n))) {
                break;
            }
            at += n;
        }
        written = at == data.size();
    });
    const std::string got = PollFor(port.get(), data.size(), random);
    writer.join();

    EXPECT_TRUE(written);
    ASSERT_EQ(got.size(), data.size());
    EXPECT_TRUE(got == data) << "bytes lost, repeated or out of order";
    char extra[16];
    EXPECT_EQ(ReadCommBuf(port.get(), extra, sizeof extra, nullptr), 0u);
}

TEST(PollingStyle, NothingWaitingReturnsZeroAtOnce) {
    PseudoTerminal unit;
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    char buffer[64];
    std::uint32_t error = 99;
    EXPECT_EQ(ReadCommBuf(port.get(), buffer, sizeof buffer, &error), 0u);
    EXPECT_EQ(error, KVTCOMM_OK);
    EXPECT_EQ(ReadCommBuf(port.get(), nullptr, 64, &error), 0u);
    EXPECT_EQ(ReadCommBuf(port.get(), buffer, 0, &error), 0u);
}

TEST(PollingStyle, AFullBufferHoldsUpReadingWithoutLosingBytes) {
    PseudoTerminal unit;
    OpenPort port = Open(unit.SlavePath());
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    constexpr std::uint32_t kKept = 1u << 20;  // what the library keeps for a polling client
    std::mt19937 random(99);
    const std::string data = RandomBytes(kKept + kKept / 2, random);
    std::atomic<bool> written{false};
    std::thread writer([&] { written = unit.Write(data, 4 * kHangGuard); });

    // Nobody polls: reading stops once the kept bytes reach the bound.
    ASSERT_TRUE(WaitUntil([&] { return Stats(port.get())[0] >= kKept - KVTCOMM_BURST_MAX; }));
    EXPECT_LE(Stats(port.get())[0], kKept);

    const std::string got = PollFor(port.get(), data.size(), random, 1000, 70000);
    writer.join();
    EXPECT_TRUE(written);
    ASSERT_EQ(got.size(), data.size());
    EXPECT_TRUE(got == data) << "bytes lost, repeated or out of order";
    EXPECT_EQ(Stats(port.get())[0], data.size());
}

TEST(PollingStyle, CallbackStyleKeepsNothingToRead) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    ASSERT_TRUE(unit.Write("abc"));
    ASSERT_TRUE(recorder.WaitForBytes(3));
    char buffer[16];
    EXPECT_EQ(ReadCommBuf(port.get(), buffer, sizeof buffer, nullptr), 0u);
}

TEST(PollingStyle, ReadWithoutHandleSetsError1) {
    char buffer[16];
    std::uint32_t error = 0;
    EXPECT_EQ(ReadCommBuf(nullptr, buffer, sizeof buffer, &error), 0u);
    EXPECT_EQ(error, KVTCOMM_ERROR_NO_HANDLE);
    EXPECT_EQ(ReadCommBuf(nullptr, buffer, sizeof buffer, nullptr), 0u);
}

}  // namespace
