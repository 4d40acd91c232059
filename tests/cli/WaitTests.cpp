#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "RunnerFixture.h"

namespace kvt::cli::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Wait : public RunnerFixture {
  protected:
    void TearDown() override {
        if (raiser.joinable()) {
            raiser.join();
        }
    }

    void Progress(int32_t state, int32_t pos) {
        engine.Raise([=](IKVTEvents& sink) { sink.ConnectionProgress(state, pos, 108); });
    }

    std::thread raiser;
};

TEST_F(Wait, FindsAnEventRaisedBeforeTheWait) {
    Progress(1, 0);
    EXPECT_EQ(RunText("wait ConnectionProgress 0\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0"));
}

TEST_F(Wait, MatchesByLeadingArguments) {
    Progress(1, 0);
    Progress(2, 5);
    Progress(2, 6);
    EXPECT_EQ(RunText("wait ConnectionProgress(2, 6) 0\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0"));
}

TEST_F(Wait, ConsumesTheEventAndDropsEverythingRecordedBeforeIt) {
    Progress(1, 0);
    Progress(2, 5);
    Progress(2, 6);
    Progress(3, 7);
    EXPECT_EQ(RunText("wait ConnectionProgress(2) 0\n"
                      "wait ConnectionProgress(1) 0\n"       // recorded before the match: dropped
                      "wait ConnectionProgress(2, 5) 0\n"),  // the match itself: consumed
              1);
    EXPECT_THAT(Lines(), ElementsAre("0", "1", "1"));
}

TEST_F(Wait, EventsAfterTheMatchStayForTheNextWait) {
    Progress(1, 0);
    Progress(2, 5);
    Progress(3, 7);
    EXPECT_EQ(RunText("wait ConnectionProgress(2) 0\nwait ConnectionProgress(3) 0\n"), 0);
}

TEST_F(Wait, OnlyEventsSinceThePreviousWaitCount) {
    engine.Raise([](IKVTEvents& sink) { sink.UnitDisappeared(); });
    EXPECT_EQ(RunText("wait MainFaderUpdated 0\nwait UnitDisappeared 0\n"), 1);
    EXPECT_THAT(Lines(), ElementsAre("1", "1"));
}

TEST_F(Wait, TimeoutGivesStatusOneAndTheScriptGoesOn) {
    EXPECT_EQ(RunText("wait UnitDisappeared 20\nConnected\n"), 1);
    EXPECT_THAT(Lines(), ElementsAre("1", "0 false"));
}

TEST_F(Wait, WakesForAnEventRaisedOnAnotherThread) {
    engine.onConnect = [this](FakeEngine& e) {
        raiser = std::thread([&e] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            e.Raise([](IKVTEvents& sink) { sink.ConnectionProgress(0, 108, 108); });
        });
    };
    EXPECT_EQ(RunText("Connect\nwait ConnectionProgress(0, 108)\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0", "0"));
}

TEST_F(Wait, IgnoresNonMatchingEventsFromAnotherThreadUntilTheMatchArrives) {
    engine.onConnect = [this](FakeEngine& e) {
        raiser = std::thread([&e] {
            for (int pos = 0; pos <= 108; ++pos) {
                e.Raise(
                    [pos](IKVTEvents& sink) { sink.ConnectionProgress(pos / 30 + 1, pos, 108); });
            }
        });
    };
    EXPECT_EQ(RunText("Connect\nwait ConnectionProgress(4, 108)\nwait ConnectionProgress 0\n"), 1);
    EXPECT_THAT(Lines(), ElementsAre("0", "0", "1"));
}

TEST_F(Wait, EventNamesMatchWhateverTheCase) {
    engine.Raise([](IKVTEvents& sink) { sink.UnitDisappeared(); });
    EXPECT_EQ(RunText("wait unitdisappeared 0\n"), 0);
}

TEST_F(Wait, IntegerLiteralMatchesADoubleArgument) {
    engine.Raise([](IKVTEvents& sink) { sink.InputLevelsUpdated(-80.0, -12.5); });
    EXPECT_EQ(RunText("wait InputLevelsUpdated(-80, -12.5) 0\n"), 0);
}

TEST_F(Wait, TrueMatchesAVariantTrueArgument) {
    engine.Raise([](IKVTEvents& sink) {
        sink.SystemMuteChanged(VARIANT_FALSE);
        sink.SystemMuteChanged(VARIANT_TRUE);
    });
    EXPECT_EQ(RunText("wait SystemMuteChanged(true) 0\nwait SystemMuteChanged(false) 0\n"), 1);
    EXPECT_THAT(Lines(), ElementsAre("0", "1"));
}

TEST_F(Wait, StringArgument) {
    engine.Raise([](IKVTEvents& sink) {
        sink.EventEntry(1, 2, u"Power on");
        sink.EventEntry(1, 3, u"Format \u00e9");
    });
    EXPECT_EQ(RunText("wait EventEntry(1, 3, \"Format \\u00e9\") 0\n"), 0);
}

TEST_F(Wait, UnknownEventIsAUsageError) {
    EXPECT_EQ(RunText("wait Thunder 0\nConnect\n"), 2);
    EXPECT_THAT(errors.str(), HasSubstr("unknown event 'Thunder'"));
    EXPECT_EQ(engine.CallCount("Connect"), 0u);
}

TEST_F(Wait, MoreArgumentsThanTheEventHasIsAUsageError) {
    EXPECT_EQ(RunText("wait UnitDisappeared(1) 0\n"), 2);
    EXPECT_EQ(RunText("wait MainFaderUpdated(1, 2) 0\n"), 2);
}

TEST_F(Wait, ArgumentThatCannotBeConvertedIsAUsageError) {
    EXPECT_EQ(RunText("wait MainFaderUpdated(\"loud\") 0\n"), 2);
    EXPECT_THAT(errors.str(), HasSubstr("integer"));
}

TEST(EventRecording, StaysBoundedWhenNothingWaits) {
    EventRecorder recorder(nullptr, false);
    for (size_t i = 0; i < EventRecorder::kMaxRecorded + 5; ++i) {
        recorder.MainFaderUpdated(static_cast<int32_t>(i % 100));
    }
    EXPECT_EQ(recorder.RecordedCount(), EventRecorder::kMaxRecorded);
    EXPECT_EQ(recorder.DiscardedCount(), 5u);
    // The oldest went first: level 4 (the fifth event) is gone, level 5 is still there.
    const EventInfo* fader = FindEvent("MainFaderUpdated");
    const Variant four[] = {Variant::Int(4)};
    const Variant five[] = {Variant::Int(5)};
    EXPECT_TRUE(recorder.WaitFor(*fader, five, std::chrono::milliseconds(0)));
    EXPECT_EQ(recorder.RecordedCount(), EventRecorder::kMaxRecorded - 1);
    EXPECT_TRUE(recorder.WaitFor(*fader, four, std::chrono::milliseconds(0)));  // the 105th
    EXPECT_EQ(recorder.RecordedCount(), EventRecorder::kMaxRecorded - 100);
}

}  // namespace
}  // namespace kvt::cli::testing
