// The unit's event log and clock: the dump and its parse, clearing, and setting the clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "log/EventLog.h"

namespace kvt {
namespace {

TEST(EventLogParse, EntriesInTheUnitsOrder) {
    const std::string reply =
        "dumplog 6\r\n051231 235959 Power on\r\n060101 000102 Fader moved\r\n93>";
    const auto entries = ParseEventLog(reply);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].date, 0x050C1F);
    EXPECT_EQ(entries[0].time, 0x173B3B);
    EXPECT_EQ(entries[0].description, "Power on");
    EXPECT_EQ(entries[1].date, (6 << 16) | (1 << 8) | 1);
    EXPECT_EQ(entries[1].time, (0 << 16) | (1 << 8) | 2);
}

TEST(EventLogParse, EdgesOfTheText) {
    EXPECT_TRUE(ParseEventLog("dumplog 6\r\n>").empty());
    EXPECT_TRUE(ParseEventLog("").empty());
    // The last line without its CR LF is not an entry.
    EXPECT_EQ(ParseEventLog("dumplog 6\r\n051231 235959 A\r\n051231 235959 B").size(), 1u);

    const std::string long80(80, 'd');
    const auto cut = ParseEventLog("dumplog 6\r\n070707 070707 " + long80 + "\r\n>");
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].description, std::string(63, 'd'));

    // Short lines give what they have; fields that are not digits read 0.
    const auto shortLine = ParseEventLog("dumplog 6\r\n0512\r\nxx1231 2359ab\r\n>");
    ASSERT_EQ(shortLine.size(), 2u);
    EXPECT_EQ(shortLine[0].date, (5 << 16) | (12 << 8));
    EXPECT_EQ(shortLine[0].time, 0);
    EXPECT_EQ(shortLine[1].date, (12 << 8) | 31);
    EXPECT_EQ(shortLine[1].time, (23 << 16) | (59 << 8));
    EXPECT_EQ(shortLine[1].description, "");
    // Without the echo, parsing starts at the beginning.
    EXPECT_EQ(ParseEventLog("051231 235959 X\r\n>").size(), 1u);
}

class EventLog : public testing::EngineOnSimulatedUnit {
  protected:
    size_t Sent(const std::string& line) const {
        const auto lines = unit.ReceivedLines();
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
    }
};

TEST_F(EventLog, DumpDeliversEveryEntryOnceEvenWhenLong) {
    std::vector<sim::LogEntry> log;
    for (int i = 0; i < 300; ++i) {
        char stamp[16];
        std::snprintf(stamp, sizeof stamp, "26%02d%02d %02d%02d%02d", 1 + i % 12, 1 + i % 28,
                      i % 24, i % 60, (i * 7) % 60);
        log.push_back({stamp, "Entry " + std::to_string(i) + " with some text to make it long"});
    }
    unit.SetEventLog(log);
    ConnectReady();
    // Asked twice before the worker gets to it: one dump.
    engine->WithLink([&](auto&, auto&, auto&) {
        engine->QueryEventLog();
        return engine->QueryEventLog();
    });
    ASSERT_TRUE(events->WaitFor("EventEntry", 300));
    WaitForWorkerPass();
    const auto entries = events->Named("EventEntry");
    ASSERT_EQ(entries.size(), 300u);
    EXPECT_EQ(entries[299].arguments[2].StringValue(), u"Entry 299 with some text to make it long");
    EXPECT_EQ(entries[13].arguments[0].Int32(), (26 << 16) | (2 << 8) | 14);
    EXPECT_EQ(Sent("dumplog 6"), 1u);
}

TEST_F(EventLog, DumpAskedForWhileNotReadyIsDropped) {
    ASSERT_EQ(engine->Connect(), 0);
    ASSERT_EQ(engine->QueryEventLog(), 0);
    WaitForWorkerPass();
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), 0);
    ASSERT_EQ(engine->put_Initialized(VARIANT_TRUE), 0);
    WaitForWorkerPass();
    WaitForWorkerPass();
    EXPECT_EQ(Sent("dumplog 6"), 0u);
}

TEST_F(EventLog, ClearIsSentOnceAndEmptiesTheLog) {
    unit.SetEventLog({{"261201 101010", "Fault"}});
    ConnectReady();
    engine->WithLink([&](auto&, auto&, auto&) {
        engine->ClearLog();
        return engine->ClearLog();
    });
    ASSERT_TRUE(testing::Eventually([&] { return unit.EventLog().empty(); }));
    WaitForWorkerPass();
    EXPECT_EQ(Sent("clearlog"), 1u);
}

TEST_F(EventLog, DateThenTimeSetTheUnitsClock) {
    EXPECT_EQ(engine->put_UnitDate(u"2612"), 87);
    EXPECT_EQ(engine->put_UnitTime(u"23595x"), 87);
    ConnectReady();
    ASSERT_EQ(engine->put_UnitDate(u"261224"), 0);
    WaitForWorkerPass();
    EXPECT_EQ(Sent("date 261224"), 0u);  // the date alone sets nothing yet
    ASSERT_EQ(engine->put_UnitTime(u"183000"), 0);
    ASSERT_TRUE(testing::Eventually([&] { return Sent("time 183000") == 1; }));
    const std::vector<std::string> expected = {"date 261224", "time 183000"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
    EXPECT_NE(engine->CallerExchange("date\r").reply.find("261224"), std::string::npos);
    std::u16string date;
    engine->get_UnitDate(&date);
    EXPECT_EQ(date, u"261224");
}

// The status poll reads the unit's clock while the Set Date/Time dialog puts the date and the time:
// the reply to the poll's read (of the date, then of the time) is held at the unit until both
// puts are in, then let go. The read must not replace what was put, and the set must send it.
class ClockSetDuringClockRead : public EventLog, public ::testing::WithParamInterface<const char*> {
  protected:
    void TearDown() override {
        unit.ReleaseHeldReplies();  // also after a failed assertion, so the engine can disconnect
        EventLog::TearDown();
    }

    // The clock-set lines the unit received ("date " or "time " and six digits).
    std::vector<std::string> SetLines() const {
        auto lines = LinesStartingWith("date ");
        for (auto& line : LinesStartingWith("time ")) {
            lines.push_back(line);
        }
        return lines;
    }
};

TEST_P(ClockSetDuringClockRead, SendsThePutTextsNotTheReadOnes) {
    const std::string held = GetParam();
    sim::Fault hold;
    hold.kind = sim::FaultKind::HoldReply;
    hold.match = held;
    unit.InjectFault(hold);
    // Waits long enough for the held reply; one status poll only (the first, at once).
    EngineTimings timings = testing::FastTimings();
    timings.replyWait = std::chrono::seconds(60);
    timings.statusPollPeriod = std::chrono::hours(1);
    engine->SetTimings(timings);
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(true)), 0);
    ASSERT_EQ(engine->Connect(), 0);
    ASSERT_EQ(engine->put_Initialized(VARIANT_TRUE), 0);

    // The poll has asked for the held part of the unit's clock and waits for the answer.
    ASSERT_TRUE(testing::Eventually([&] { return unit.HeldReplies() == 1; }));
    ASSERT_EQ(LinesStartingWith(held), std::vector<std::string>{held});
    ASSERT_EQ(engine->put_UnitDate(u"261224"), 0);
    ASSERT_EQ(engine->put_UnitTime(u"183000"), 0);
    unit.ReleaseHeldReplies();

    ASSERT_TRUE(testing::Eventually([&] { return SetLines().size() == 2; }));
    const std::vector<std::string> expected = {"date 261224", "time 183000"};
    EXPECT_EQ(SetLines(), expected);
    std::u16string date;
    std::u16string time;
    engine->get_UnitDate(&date);
    engine->get_UnitTime(&time);
    EXPECT_EQ(date, u"261224");
    EXPECT_EQ(time, u"183000");
    EXPECT_NE(engine->CallerExchange("date\r").reply.find("261224"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(HeldRead, ClockSetDuringClockRead, ::testing::Values("date", "time"));

// Only what was put is sent: a time put alone does not send the date the poll read back to the
// unit (around midnight that date is already the day before).
TEST_F(EventLog, ATimePutAloneSendsOnlyTheTime) {
    ConnectReady();
    ASSERT_EQ(engine->CallerExchange("date 261208\r").status, 0);
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(true)), 0);
    std::u16string date;
    ASSERT_TRUE(testing::Eventually([&] {
        engine->get_UnitDate(&date);
        return !date.empty();
    }));
    EXPECT_EQ(date, u"261208");
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), 0);
    WaitForWorkerPass();
    unit.ClearReceivedLines();
    ASSERT_EQ(engine->put_UnitTime(u"070000"), 0);
    ASSERT_TRUE(testing::Eventually([&] { return Sent("time 070000") == 1; }));
    WaitForWorkerPass();
    EXPECT_EQ(unit.ReceivedLines(), std::vector<std::string>{"time 070000"});
}

}  // namespace
}  // namespace kvt
