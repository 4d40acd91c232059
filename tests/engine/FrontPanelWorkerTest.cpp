// The worker keeps the unit's front panel in step: format selection, fader ramp, mute and preamp
// go out once per change; the status poll brings back mute and AES/EBU changes made at the unit
// and reads its clock; the level read streams the analyser. UnitStatus reads the status fields.
#include <gtest/gtest.h>

#include <algorithm>

#include "EngineFixture.h"

namespace kvt {
namespace {

using namespace std::chrono_literals;
using sim::Fault;
using sim::FaultKind;

class FrontPanelWorker : public testing::EngineOnSimulatedUnit {
  protected:
    // Short poll periods, so a test sees several polls in a fraction of a second.
    void UseQuickPolls() {
        EngineTimings timings = testing::FastTimings();
        timings.statusPollPeriod = 150ms;
        engine->SetTimings(timings);
    }

    // A due level read waits while writes came within `yield`, but not beyond `limit` after
    // the last read began.
    void UseReadYield(std::chrono::milliseconds yield, std::chrono::milliseconds limit) {
        EngineTimings timings = testing::FastTimings();
        timings.readYield = yield;
        timings.readYieldLimit = limit;
        engine->SetTimings(timings);
    }

    bool WaitForLine(const std::string& line) const {
        return testing::Eventually([&] {
            const auto lines = unit.ReceivedLines();
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        });
    }

    // Lets the worker run a few passes and finish whatever it has begun.
    void Settle() {
        for (int i = 0; i < 5; ++i) {
            WaitForWorkerPass();
        }
    }

    std::vector<int32_t> IntArguments(const std::string& name) const {
        std::vector<int32_t> values;
        for (const auto& event : events->Named(name)) {
            values.push_back(event.arguments.at(0).Int32());
        }
        return values;
    }
};

// ---- Worker steps while ready ------------------------------------------------------------------

TEST_F(FrontPanelWorker, ReadyEngineSendsNothingOfItsOwnState) {
    engine->put_FaderLevel(55);
    engine->put_SystemMute(Variant::Bool(true));
    engine->put_Mode(Variant::Int(3));
    Settle();
    ConnectReady();
    Settle();
    EXPECT_TRUE(unit.ReceivedLines().empty());
}

TEST_F(FrontPanelWorker, FormatOnNoButtonSelectsButtonNineAndAsksTheUnitForItsLevel) {
    unit.MoveFader(33);
    ConnectReady();
    // The factory buttons hold formats 0, 1, 2, 3, 8, 4, 5, 6; format 7 has none, and its record
    // has no fader level.
    ASSERT_EQ(engine->put_Mode(Variant::Int(7)), 0);
    ASSERT_TRUE(events->WaitFor("MainFaderUpdated"));
    Settle();
    const std::vector<std::string> expected = {"button 9", "level ?"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
    EXPECT_EQ(IntArguments("MainFaderUpdated"), std::vector<int32_t>{33});
    int32_t level = 0;
    engine->get_FaderLevel(&level);
    EXPECT_EQ(level, 33);
}

TEST_F(FrontPanelWorker, FormatWithItsOwnLevelSetsTheFaderWithoutRampingToIt) {
    ASSERT_EQ(engine->put_FormatLevel(Variant::Int(8), 60), 0);
    ConnectReady();
    engine->WithLink([&](auto&, auto&, auto&) { return engine->put_Mode(Variant::Int(8)); });
    ASSERT_TRUE(events->WaitFor("MainFaderUpdated"));
    Settle();
    // The record went to the EEPROM before the selection (writes and panel share the pass); the
    // selection itself is the button holding format 8, and no level line follows: the unit takes
    // the level from the record.
    EXPECT_EQ(LinesStartingWith("button"), std::vector<std::string>{"button 5"});
    EXPECT_TRUE(LinesStartingWith("level").empty());
    EXPECT_EQ(IntArguments("MainFaderUpdated"), std::vector<int32_t>{60});
}

TEST_F(FrontPanelWorker, FaderRampsInStepsOfTenAtMost) {
    engine->put_FaderLevel(37);
    Settle();
    ConnectReady();
    ASSERT_EQ(engine->put_FaderLevel(40), 0);
    ASSERT_TRUE(WaitForLine("level 28"));
    Settle();
    EXPECT_EQ(unit.ReceivedLines(), std::vector<std::string>{"level 28"});

    unit.ClearReceivedLines();
    ASSERT_EQ(engine->put_FaderLevel(0), 0);
    ASSERT_TRUE(WaitForLine("level 00"));
    unit.ClearReceivedLines();
    ASSERT_EQ(engine->put_FaderLevel(100), 0);
    ASSERT_TRUE(WaitForLine("level 64"));
    Settle();
    const std::vector<std::string> ramp = {"level 0A", "level 14", "level 1E", "level 28",
                                           "level 32", "level 3C", "level 46", "level 50",
                                           "level 5A", "level 64"};
    EXPECT_EQ(unit.ReceivedLines(), ramp);
    EXPECT_EQ(unit.Panel().level, 100);
    EXPECT_EQ(engine->put_FaderLevel(101), 87);
}

TEST_F(FrontPanelWorker, MuteAndPreampGoOutOnceEach) {
    ConnectReady();
    engine->put_SystemMute(Variant::Bool(true));
    ASSERT_TRUE(WaitForLine("clru3 1C"));
    engine->put_SelectedPreamp(Variant::Int(1));
    ASSERT_TRUE(WaitForLine("projector 2"));
    engine->put_SystemMute(Variant::Bool(false));
    ASSERT_TRUE(WaitForLine("setu3 1C"));
    Settle();
    const std::vector<std::string> expected = {"clru3 1C", "projector 2", "setu3 1C"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
    EXPECT_FALSE(unit.Panel().muted);
    EXPECT_EQ(unit.Panel().projector, 2);
}

TEST_F(FrontPanelWorker, PreampsWithoutASelectorPositionAreKeptButNotSent) {
    ConnectReady();
    ASSERT_EQ(engine->put_SelectedPreamp(Variant::Int(2)), 0);
    Settle();
    Variant value;
    ASSERT_EQ(engine->get_SelectedPreamp(&value), 0);
    EXPECT_EQ(value.Int32(), 2);
    EXPECT_TRUE(unit.ReceivedLines().empty());
    // Back to preamp 0 is a change again.
    ASSERT_EQ(engine->put_SelectedPreamp(Variant::Int(0)), 0);
    EXPECT_TRUE(WaitForLine("projector 1"));
    EXPECT_EQ(engine->put_SelectedPreamp(Variant::Int(4)), 87);
}

TEST_F(FrontPanelWorker, ChangesWhileNotReadyAreTakenAsTheUnitsOwn) {
    ASSERT_EQ(engine->Connect(), 0);
    engine->put_UpdateInputs(Variant::Bool(false));
    engine->put_FaderLevel(90);
    engine->put_SelectedPreamp(Variant::Int(1));
    WaitForWorkerPass();
    ASSERT_EQ(engine->put_Initialized(VARIANT_TRUE), 0);
    Settle();
    EXPECT_TRUE(unit.ReceivedLines().empty());
}

// ---- Status poll ------------------------------------------------------------------------------

TEST_F(FrontPanelWorker, MuteAtTheUnitIsReportedAndSentBack) {
    UseQuickPolls();
    ConnectReady(true);
    unit.SetMuted(true);
    ASSERT_TRUE(events->WaitFor("SystemMuteChanged"));
    EXPECT_EQ(events->Named("SystemMuteChanged").front().arguments.at(0).BoolField(), VARIANT_TRUE);
    ASSERT_TRUE(WaitForLine("clru3 1C"));
    Variant mute;
    engine->get_SystemMute(&mute);
    EXPECT_TRUE(mute.IsTrue());

    unit.SetAesEbuError(true);
    ASSERT_TRUE(events->WaitFor("AESEBUErrorTrigger"));
    unit.SetAesEbuError(false);
    ASSERT_TRUE(events->WaitFor("AESEBUErrorTrigger", 2));
    const auto triggers = events->Named("AESEBUErrorTrigger");
    EXPECT_EQ(triggers[0].arguments.at(0).BoolField(), VARIANT_TRUE);
    EXPECT_EQ(triggers[1].arguments.at(0).BoolField(), VARIANT_FALSE);
    // One report per change, however many polls saw it.
    EXPECT_EQ(events->Named("SystemMuteChanged").size(), 1u);
}

// A mute put while the poll's "rdu3" is on the line is newer than the reading that comes back:
// it still goes out, and the reading does not turn the property back.
TEST_F(FrontPanelWorker, MutePutDuringTheStatusReadIsNotUndoneByIt) {
    Fault hold;
    hold.kind = FaultKind::HoldReply;
    hold.match = "rdu3";
    unit.InjectFault(hold);
    // One status poll (the first, at once), waiting long enough for the held answer.
    EngineTimings timings = testing::FastTimings();
    timings.replyWait = 60s;
    timings.statusPollPeriod = 1h;
    engine->SetTimings(timings);
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(true)), 0);
    ASSERT_EQ(engine->Connect(), 0);
    ASSERT_EQ(engine->put_Initialized(VARIANT_TRUE), 0);

    ASSERT_TRUE(testing::Eventually([&] { return unit.HeldReplies() == 1; }));
    EXPECT_FALSE(unit.Panel().muted);
    EXPECT_EQ(engine->put_SystemMute(Variant::Bool(true)), 0);
    unit.ReleaseHeldReplies();  // answers "not muted", as the unit was when asked

    EXPECT_TRUE(WaitForLine("clru3 1C"));
    EXPECT_TRUE(testing::Eventually([&] { return unit.Panel().muted; }));
    Variant mute;
    engine->get_SystemMute(&mute);
    EXPECT_TRUE(mute.IsTrue());
    EXPECT_TRUE(events->Named("SystemMuteChanged").empty());
}

TEST_F(FrontPanelWorker, StatusPollReadsTheClockAndKeepsItWhenTheUnitIsSilent) {
    UseQuickPolls();
    ConnectReady(true);
    std::u16string date;
    std::u16string time;
    ASSERT_TRUE(testing::Eventually([&] {
        engine->get_UnitDate(&date);
        engine->get_UnitTime(&time);
        return date.size() == 6 && time.size() == 6;
    }));
    EXPECT_TRUE(
        std::all_of(date.begin(), date.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; }));

    // A clock read that gets no answer is asked once and leaves the text as it was.
    const size_t datesBefore = LinesStartingWith("date").size();
    Fault silent;
    silent.kind = FaultKind::DropReply;
    silent.match = "date";
    silent.count = 1;
    unit.InjectFault(silent);
    ASSERT_TRUE(
        testing::Eventually([&] { return LinesStartingWith("date").size() >= datesBefore + 2; }));
    std::u16string after;
    engine->get_UnitDate(&after);
    EXPECT_EQ(after.size(), 6u);
    VariantBool ready = VARIANT_FALSE;
    engine->get_Initialized(&ready);
    EXPECT_EQ(ready, VARIANT_TRUE);
}

TEST_F(FrontPanelWorker, NoPollsWithoutUpdateInputs) {
    UseQuickPolls();
    ConnectReady(false);
    std::this_thread::sleep_for(400ms);
    EXPECT_TRUE(unit.ReceivedLines().empty());
}

// ---- UnitStatus --------------------------------------------------------------------------------

TEST_F(FrontPanelWorker, UnitStatusKeepsTheFieldsOfTheAnswer) {
    EXPECT_EQ(engine->UnitStatus(), 1);
    ConnectReady();
    unit.SetAesEbuError(true);
    ASSERT_EQ(engine->UnitStatus(), 0);
    const UnitStatusTable table = engine->LastUnitStatus();
    EXPECT_EQ(table.words[0], 1u);       // controller working
    EXPECT_EQ(table.words[27], 2u);      // AES/EBU input in fault
    EXPECT_EQ(table.words[28], 48000u);  // its sample rate
    EXPECT_EQ(table.extra, 0u);          // the last field: saves so far
    EXPECT_EQ(engine->Disconnect(), 0);
    EXPECT_EQ(engine->LastUnitStatus().words[28], 0u);
}

TEST_F(FrontPanelWorker, UnitStatusFailsWhenTheUnitIsSilent) {
    ConnectReady();
    ASSERT_EQ(engine->UnitStatus(), 0);
    Fault stop;
    stop.kind = FaultKind::StopAnswering;
    unit.InjectFault(stop);
    EXPECT_EQ(engine->UnitStatus(), 1);
    // The table of a failed read is empty, not the previous answer.
    EXPECT_EQ(engine->LastUnitStatus().words[0], 0u);
}

TEST(UnitStatusFields, ALongerAnswerFillsNoMoreThanTheTable) {
    std::vector<uint32_t> fields(60);
    for (size_t i = 0; i < fields.size(); ++i) {
        fields[i] = static_cast<uint32_t>(i + 1);
    }
    const UnitStatusTable table = StatusTableOfFields(fields);
    EXPECT_EQ(table.words[0], 1u);
    EXPECT_EQ(table.words[41], 42u);
    EXPECT_EQ(table.extra, 45u);  // fields 42 to 44 go to the extra word; the last one wins

    const UnitStatusTable shorter = StatusTableOfFields(std::vector<uint32_t>{7, 8});
    EXPECT_EQ(shorter.words[1], 8u);
    EXPECT_EQ(shorter.words[2], 0u);
    EXPECT_EQ(shorter.extra, 0u);
    const UnitStatusTable extraOfTwo = StatusTableOfFields(std::vector<uint32_t>(44, 5));
    EXPECT_EQ(extraOfTwo.extra, 5u);
}

// ---- Analyser and input levels
// -------------------------------------------------------------------

TEST_F(FrontPanelWorker, ReadyEngineStreamsLevelsAndTheAnalyser) {
    ConnectReady(true);
    ASSERT_TRUE(events->WaitFor("SLAUpdate", 3));
    const auto updates = events->Named("SLAUpdate");
    const Variant& data = updates.back().arguments.at(0);
    ASSERT_EQ(data.Type(), VT_ARRAY | VT_R8);
    ASSERT_NE(data.ArrayValue(), nullptr);
    EXPECT_EQ(data.ArrayValue()->lowerBound, 0);
    ASSERT_EQ(data.ArrayValue()->elements.size(), 60u);
    for (const Variant& element : data.ArrayValue()->elements) {
        EXPECT_EQ(element.Type(), VT_R8);
        EXPECT_GT(element.DoubleValue(), -101.0);
        EXPECT_LT(element.DoubleValue(), 13.0);
    }
    // Each analyser update follows the levels it was read with.
    const auto all = events->Events();
    const auto firstUpdate =
        std::find_if(all.begin(), all.end(), [](const auto& e) { return e.name == "SLAUpdate"; });
    ASSERT_NE(firstUpdate, all.begin());
    EXPECT_EQ(std::prev(firstUpdate)->name, "InputLevelsUpdated");
    // The matrix processor is selected once; the reads need no selection after that.
    const auto lines = unit.ReceivedLines();
    const auto firstRead = std::find(lines.begin(), lines.end(), "rdvalb 3F 1A");
    ASSERT_NE(firstRead, lines.begin());
    EXPECT_EQ(*std::prev(firstRead), "open 93");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "open 93"), 1);
    EXPECT_GE(std::count(lines.begin(), lines.end(), "rdvalb 3F 1A"), 3);
}

// A read holds the line for its whole block: while writes follow each other, a due read waits
// for them to pause (the fader's steps here), and comes back as soon as they do.
TEST_F(FrontPanelWorker, LevelReadsWaitWhileWritesFollowEachOther) {
    UseReadYield(1h, 1h);
    ConnectReady(true);
    ASSERT_TRUE(WaitForLine("rdvalb 3F 1A"));
    engine->put_FaderLevel(57);
    ASSERT_TRUE(WaitForLine("level 39"));
    Settle();
    const size_t reads = LinesStartingWith("rdvalb").size();
    for (int pass = 0; pass < 40; ++pass) {  // four read periods and more
        WaitForWorkerPass();
    }
    EXPECT_EQ(LinesStartingWith("rdvalb").size(), reads);

    UseReadYield(0ms, 1h);
    EXPECT_TRUE(testing::Eventually([&] { return LinesStartingWith("rdvalb").size() > reads; }));
}

// Writes that never pause still leave the analyser a read every readYieldLimit.
TEST_F(FrontPanelWorker, AnalyserIsStillReadWhileWritesKeepComing) {
    UseReadYield(1h, 200ms);
    ConnectReady(true);
    ASSERT_TRUE(WaitForLine("rdvalb 3F 1A"));
    const size_t reads = LinesStartingWith("rdvalb").size();
    size_t writes = 0;
    const bool readMeanwhile = testing::Eventually([&] {
        engine->put_EQBand(Variant::Int(1), Variant::Int(14), writes++ % 2 == 0 ? -3.0 : -2.5);
        WaitForWorkerPass();
        return LinesStartingWith("rdvalb").size() >= reads + 2;
    });
    EXPECT_TRUE(readMeanwhile);
    EXPECT_GT(LinesStartingWith("wrtval").size(), 4u);
}

TEST_F(FrontPanelWorker, TornSnapshotReportsLevelsButNoSpectrum) {
    unit.TearAnalyserFrames(1000);
    ConnectReady(true);
    ASSERT_TRUE(events->WaitFor("InputLevelsUpdated", 3));
    EXPECT_TRUE(events->Named("SLAUpdate").empty());
    unit.TearAnalyserFrames(0);
    EXPECT_TRUE(events->WaitFor("SLAUpdate"));
}

TEST_F(FrontPanelWorker, UnitThatStopsAnsweringDisappearsButStaysConnected) {
    ConnectReady(true);
    ASSERT_TRUE(events->WaitFor("SLAUpdate"));
    Fault stop;
    stop.kind = FaultKind::StopAnswering;
    unit.InjectFault(stop);
    ASSERT_TRUE(events->WaitFor("UnitDisappeared"));
    VariantBool ready = VARIANT_TRUE;
    engine->get_Initialized(&ready);
    EXPECT_EQ(ready, VARIANT_FALSE);
    Variant connected;
    engine->get_Connected(&connected);
    EXPECT_TRUE(connected.IsTrue());
    // Not ready any more: no further reads, and writes are discarded.
    unit.ClearFaults();
    Settle();
    unit.ClearReceivedLines();
    std::this_thread::sleep_for(300ms);
    EXPECT_TRUE(unit.ReceivedLines().empty());
    EXPECT_EQ(events->Named("UnitDisappeared").size(), 1u);
}

}  // namespace
}  // namespace kvt
