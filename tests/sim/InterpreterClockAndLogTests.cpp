// The unit's clock and event log.
#include <gtest/gtest.h>

#include <ctime>

#include "SimTestSupport.h"

namespace kvt::sim::test {
namespace {

std::string HostLocal(const char* format) {
    const std::time_t instant = std::chrono::system_clock::to_time_t(FixedInstant());
    std::tm local{};
    localtime_r(&instant, &local);
    char text[16];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

TEST(UnitClockCommands, DateAndTimeFollowTheHostClock) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "date"), "date\r\n" + HostLocal("%y%m%d") + "\r\n>");
    EXPECT_EQ(Ask(unit, "time"), "time\r\n" + HostLocal("%H%M%S") + "\r\n>");
}

TEST(UnitClockCommands, SettingDateKeepsTheTimeOfDay) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "date 051231"), "date 051231\r\n>");
    EXPECT_EQ(Ask(unit, "date"), "date\r\n051231\r\n>");
    EXPECT_EQ(Ask(unit, "time"), "time\r\n" + HostLocal("%H%M%S") + "\r\n>");
}

TEST(UnitClockCommands, SettingTimeKeepsTheDate) {
    auto unit = MakeInterpreter();
    Ask(unit, "date 240229");
    EXPECT_EQ(Ask(unit, "time 235959"), "time 235959\r\n>");
    EXPECT_EQ(Ask(unit, "time"), "time\r\n235959\r\n>");
    EXPECT_EQ(Ask(unit, "date"), "date\r\n240229\r\n>");
}

TEST(UnitClockCommands, InvalidDatesAndTimesAreRefusedAndChangeNothing) {
    auto unit = MakeInterpreter();
    Ask(unit, "date 240110");
    Ask(unit, "time 101010");
    for (const char* line :
         {"date 241301", "date 230229", "date 240100", "date 2401", "date 24011a", "time 240000",
          "time 126000", "time 120060", "time 1200", "date 1 2"}) {
        EXPECT_EQ(Ask(unit, line), std::string(line) + "\r\n\x07\r\n>") << line;
    }
    EXPECT_EQ(Ask(unit, "date"), "date\r\n240110\r\n>");
    EXPECT_EQ(Ask(unit, "time"), "time\r\n101010\r\n>");
}

TEST(UnitClockCommands, ClockRunsOnFromTheSetTime) {
    auto now = FixedInstant();
    UnitClock clock([&now] { return now; });
    ASSERT_TRUE(clock.SetDate("051231"));
    ASSERT_TRUE(clock.SetTime("235959"));
    now += std::chrono::seconds{2};
    EXPECT_EQ(clock.DateText(), "060101");
    EXPECT_EQ(clock.TimeText(), "000001");
}

TEST(EventLogDump, EachEntryIsOneLineWithSeparatorsAtSixAndThirteen) {
    auto unit = MakeInterpreter();
    unit.State().log.Set({{"051231 235959", "Power on"}, {"060101 000102", "Mute"}});
    EXPECT_EQ(Ask(unit, "dumplog 6"),
              "dumplog 6\r\n051231 235959 Power on\r\n060101 000102 Mute\r\n>");
}

TEST(EventLogDump, FactoryLogHasAFewEntries) {
    auto unit = MakeInterpreter();
    const std::string reply = Ask(unit, "dumplog 6");
    size_t lines = 0;
    for (size_t at = reply.find("\r\n"); at != std::string::npos; at = reply.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_GE(lines, 4u);  // echo line and at least three entries
    const std::string first = reply.substr(11, reply.find("\r\n", 11) - 11);
    EXPECT_EQ(first[6], ' ');
    EXPECT_EQ(first[13], ' ');
}

TEST(EventLogDump, ControlCharactersInDescriptionsCannotBreakLines) {
    auto unit = MakeInterpreter();
    unit.State().log.Set({{"051231 235959", "bad\r\n>text"}});
    EXPECT_EQ(Ask(unit, "dumplog 6"), "dumplog 6\r\n051231 235959 bad  >text\r\n>");
}

TEST(EventLogDump, LongDescriptionsGoOutWhole) {
    auto unit = MakeInterpreter();
    const std::string eighty(80, 'd');
    unit.State().log.Set({{"051231 235959", eighty}});
    EXPECT_EQ(Ask(unit, "dumplog 6"), "dumplog 6\r\n051231 235959 " + eighty + "\r\n>");
}

TEST(EventLogDump, SelectorMustBeANumber) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "dumplog x"), "dumplog x\r\n\x07\r\n>");
}

TEST(EventLogDump, LogKeepsTheNewestEntriesWhenFull) {
    UnitEventLog log;
    for (size_t i = 0; i < UnitEventLog::kMaxEntries + 3; ++i) {
        log.Add({"240101 000000", std::to_string(i)});
    }
    const auto entries = log.Entries();
    ASSERT_EQ(entries.size(), UnitEventLog::kMaxEntries);
    EXPECT_EQ(entries.front().description, "3");
}

TEST(EventLogClear, EmptiesTheLog) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "clearlog"), "clearlog\r\n>");
    EXPECT_EQ(Ask(unit, "dumplog 6"), "dumplog 6\r\n>");
}

}  // namespace
}  // namespace kvt::sim::test
