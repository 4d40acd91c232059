#include "transport_test_support.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace transport_test;

std::string Pattern(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i) {
        bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xff);
    }
    return bytes;
}

void ExpectWellFormed(const std::vector<std::string>& calls) {
    for (const std::string& call : calls) {
        ASSERT_GE(call.size(), 2u) << "a call carries at least one byte and the zero";
        EXPECT_LE(call.size(), KVTCOMM_BURST_MAX + 1);
        EXPECT_EQ(call.back(), '\0');
    }
}

TEST(ReceiveThread, BurstsSeparatedBySilenceArriveSeparately) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    const std::string first = "rdval 1 20\r\n";
    const std::string second = "00FFE2 000010\r\n>";
    ASSERT_TRUE(unit.Write(first));
    ASSERT_TRUE(recorder.WaitForBytes(first.size()));
    std::this_thread::sleep_for(100ms);  // the line falls silent between the two bursts
    ASSERT_TRUE(unit.Write(second));
    ASSERT_TRUE(recorder.WaitForBytes(first.size() + second.size()));

    const auto calls = recorder.Calls();
    ExpectWellFormed(calls);
    std::string firstPart;
    std::size_t call = 0;
    for (; call < calls.size() && firstPart.size() < first.size(); ++call) {
        firstPart.append(calls[call], 0, calls[call].size() - 1);
    }
    EXPECT_EQ(firstPart, first) << "no call mixes bytes of both bursts";
    EXPECT_LT(call, calls.size()) << "the second burst came in a call of its own";
    EXPECT_EQ(recorder.Bytes(), first + second);
}

TEST(ReceiveThread, EachCallCountsItsBytesPlusTheTerminatingZero) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    ASSERT_TRUE(unit.Write(std::string("A\0B>", 4)));
    ASSERT_TRUE(recorder.WaitForBytes(4));
    const auto calls = recorder.Calls();
    ExpectWellFormed(calls);
    EXPECT_EQ(recorder.Bytes(), std::string("A\0B>", 4)) << "zero bytes in the data pass through";
}

TEST(ReceiveThread, LongTransferArrivesInSeveralCallsOfAtMost2049) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    const std::string data = Pattern(10000);
    ASSERT_TRUE(unit.Write(data));
    ASSERT_TRUE(recorder.WaitForBytes(data.size()));

    const auto calls = recorder.Calls();
    ExpectWellFormed(calls);
    EXPECT_GE(calls.size(), 5u);
    EXPECT_EQ(recorder.Bytes(), data);
}

TEST(ReceiveThread, CallbackGetsItsHandleAndContext) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    ASSERT_TRUE(unit.Write(">"));
    ASSERT_TRUE(recorder.WaitForBytes(1));
    EXPECT_EQ(recorder.LastHandle(), port.get());
}

TEST(ReceiveThread, CloseWhileWaitingForBytesReturnsAtOnce) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    std::atomic<bool> closed{false};
    std::thread closer([&] {
        CloseComm(port.release(), nullptr);
        closed = true;
    });
    if (!WaitUntil([&] { return closed.load(); })) {
        closer.detach();
        FAIL() << "CloseComm did not return while the port was idle";
    }
    closer.join();
    EXPECT_TRUE(recorder.Calls().empty());
}

TEST(ReceiveThread, NoCallAfterCloseReturns) {
    PseudoTerminal unit;
    struct Watch {
        std::atomic<bool> closed{false};
        std::atomic<int> callsAfterClose{0};
        std::atomic<int> calls{0};
    } watch;
    auto callback = [](KVTCommHandle, const char*, std::int32_t, void* context) {
        auto* w = static_cast<Watch*>(context);
        ++w->calls;
        if (w->closed) {
            ++w->callsAfterClose;
        }
        std::this_thread::sleep_for(1ms);  // widen the window in which a close could overlap
    };
    KVTCommHandle port = OpenComm(SettingsFor(unit.SlavePath()), callback, &watch, nullptr);
    ASSERT_NE(port, nullptr) << GetCommOpenErrorText();

    std::atomic<bool> stopWriting{false};
    std::thread writer([&] {
        while (!stopWriting) {
            unit.Write("status\r", 100ms);
        }
    });
    ASSERT_TRUE(WaitUntil([&] { return watch.calls > 3; }));
    CloseComm(port, nullptr);
    watch.closed = true;
    std::this_thread::sleep_for(50ms);  // bytes keep arriving at the closed port meanwhile
    stopWriting = true;
    writer.join();
    EXPECT_EQ(watch.callsAfterClose, 0);
}

TEST(ReceiveThread, CloseFromInsideTheCallbackEndsThePort) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    std::atomic<int> closes{0};
    recorder.onCall = [&](KVTCommHandle handle) {
        if (closes++ == 0) {
            std::uint32_t error = 99;
            CloseComm(handle, &error);
            EXPECT_EQ(error, KVTCOMM_OK);
        }
    };
    const auto before = ReceiveThreadIds();
    KVTCommHandle port =
        OpenComm(SettingsFor(unit.SlavePath()), BurstRecorder::Callback, &recorder, nullptr);
    ASSERT_NE(port, nullptr) << GetCommOpenErrorText();
    const int receiver = NewReceiveThread(before);
    ASSERT_NE(receiver, -1);

    ASSERT_TRUE(unit.Write("x"));
    ASSERT_TRUE(WaitUntil([&] { return !ThreadAlive(receiver); }));
    unit.Write("more", 100ms);  // nobody reads these any more
    EXPECT_EQ(recorder.Calls().size(), 1u);
    EXPECT_EQ(closes, 1);
}

TEST(ReceiveThread, CountsEveryReceivedByte) {
    PseudoTerminal unit;
    BurstRecorder recorder;
    OpenPort port = Open(unit.SlavePath(), BurstRecorder::Callback, &recorder);
    ASSERT_TRUE(port) << GetCommOpenErrorText();

    ASSERT_TRUE(unit.Write(Pattern(5000)));
    ASSERT_TRUE(recorder.WaitForBytes(5000));
    EXPECT_EQ(Stats(port.get())[0], 5000u);
}

}  // namespace
