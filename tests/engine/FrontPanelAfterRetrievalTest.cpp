// A front end connects, retrieves and at once restores the user's fader, mute, projector or
// format. Whatever the worker is doing when QueryKVT returns, that put reaches the unit; a
// retrieval followed by no put sends the unit nothing of its own front panel.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "EngineFixture.h"

namespace kvt {
namespace {

// Rounds per member: the window between the gate opening and the worker's next pass is a few
// milliseconds wide, so one round proves little and many make a lost put all but certain.
constexpr int kRounds = 30;

class FrontPanelAfterRetrieval : public testing::EngineOnSimulatedUnit {
  protected:
    void SetUp() override {
        EngineOnSimulatedUnit::SetUp();
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), 0);
        ASSERT_EQ(engine->Connect(), 0);
    }

    // One round: the unit is put in one state at its panel, the engine retrieves, the very next
    // call puts the other state, and the unit must end in it.
    struct Member {
        std::function<void(bool)> setAtUnit;     // the unit's own panel, state a or b
        std::function<int32_t(bool)> putEngine;  // the engine's put of state a or b
        std::function<bool(bool)> unitHolds;     // the unit is in state a or b
    };

    void RunRounds(const Member& member) {
        int lost = 0;
        for (int round = 0; round < kRounds; ++round) {
            const bool atUnit = round % 2 == 0;
            member.setAtUnit(atUnit);
            ASSERT_EQ(engine->QueryKVT(), 0) << "round " << round;
            ASSERT_EQ(member.putEngine(!atUnit), 0) << "round " << round;
            if (!testing::Eventually([&] { return member.unitHolds(!atUnit); },
                                     std::chrono::seconds(2))) {
                ++lost;
            }
        }
        EXPECT_EQ(lost, 0) << lost << " of " << kRounds << " puts never reached the unit";
    }

    std::vector<std::string> FrontPanelLines() const {
        std::vector<std::string> found;
        for (const auto& line : unit.ReceivedLines()) {
            for (const char* start : {"level ", "button ", "projector ", "clru3 1C", "setu3 1C"}) {
                if (line.rfind(start, 0) == 0) {
                    found.push_back(line);
                }
            }
        }
        return found;
    }
};

TEST_F(FrontPanelAfterRetrieval, FaderPutRightAfterTheRetrievalRampsTheUnit) {
    RunRounds({[&](bool a) { unit.MoveFader(a ? 20 : 90); },
               [&](bool a) { return engine->put_FaderLevel(a ? 20 : 90); },
               [&](bool a) { return unit.Panel().level == (a ? 20 : 90); }});
}

TEST_F(FrontPanelAfterRetrieval, FaderPutFromZeroSendsTheWholeRamp) {
    unit.MoveFader(0);
    ASSERT_EQ(engine->QueryKVT(), 0);
    unit.ClearReceivedLines();
    ASSERT_EQ(engine->put_FaderLevel(100), 0);
    ASSERT_TRUE(testing::Eventually([&] { return unit.Panel().level == 100; }));
    const std::vector<std::string> ramp = {"level 0A", "level 14", "level 1E", "level 28",
                                           "level 32", "level 3C", "level 46", "level 50",
                                           "level 5A", "level 64"};
    EXPECT_EQ(LinesStartingWith("level"), ramp);
}

TEST_F(FrontPanelAfterRetrieval, MutePutRightAfterTheRetrievalReachesTheUnit) {
    RunRounds({[&](bool a) { unit.SetMuted(a); },
               [&](bool a) { return engine->put_SystemMute(Variant::Bool(a)); },
               [&](bool a) { return unit.Panel().muted == a; }});
}

TEST_F(FrontPanelAfterRetrieval, PreampPutRightAfterTheRetrievalReachesTheUnit) {
    // The unit numbers its projectors 1 and 2; the engine's preamps are 0 and 1.
    RunRounds({[&](bool a) { unit.SelectProjector(a ? 1 : 2); },
               [&](bool a) { return engine->put_SelectedPreamp(Variant::Int(a ? 0 : 1)); },
               [&](bool a) { return unit.Panel().projector == (a ? 1 : 2); }});
}

TEST_F(FrontPanelAfterRetrieval, ModePutRightAfterTheRetrievalReachesTheUnit) {
    // The factory buttons 2 and 4 hold formats 1 and 3.
    RunRounds({[&](bool a) { unit.PressButton(a ? 2 : 4); },
               [&](bool a) { return engine->put_Mode(Variant::Int(a ? 1 : 3)); },
               [&](bool a) { return unit.Panel().format == (a ? 1 : 3); }});
}

TEST_F(FrontPanelAfterRetrieval, NoPutMeansNoFrontPanelLine) {
    for (int round = 0; round < 10; ++round) {
        unit.MoveFader(round * 10);
        unit.SetMuted(round % 2 == 0);
        unit.SelectProjector(1 + round % 2);
        unit.PressButton(1 + round % 8);
        ASSERT_EQ(engine->QueryKVT(), 0);
        unit.ClearReceivedLines();
        for (int pass = 0; pass < 3; ++pass) {
            WaitForWorkerPass();
        }
        EXPECT_TRUE(FrontPanelLines().empty()) << "round " << round;
    }
}

TEST_F(FrontPanelAfterRetrieval, PutAfterVerifyReachesTheUnit) {
    for (int round = 0; round < 10; ++round) {
        const int level = round % 2 == 0 ? 30 : 60;
        unit.MoveFader(level);
        ASSERT_EQ(engine->QueryKVT(), 0);
        Variant mask;
        ASSERT_EQ(engine->Verify(&mask), 0);
        ASSERT_EQ(engine->put_FaderLevel(90 - level), 0);
        EXPECT_TRUE(testing::Eventually([&] { return unit.Panel().level == 90 - level; },
                                        std::chrono::seconds(2)))
            << "round " << round;
    }
}

TEST_F(FrontPanelAfterRetrieval, PutMadeWhileTheGateWasClosedIsNotSentWhenItOpens) {
    // What a front end puts while the unit is not ready is not echoed to the unit once it is.
    ASSERT_EQ(engine->QueryKVT(), 0);
    ASSERT_EQ(engine->put_Initialized(VARIANT_FALSE), 0);
    WaitForWorkerPass();
    const int before = unit.Panel().level;
    ASSERT_EQ(engine->put_FaderLevel(before == 50 ? 40 : 50), 0);
    WaitForWorkerPass();
    unit.ClearReceivedLines();
    ASSERT_EQ(engine->put_Initialized(VARIANT_TRUE), 0);
    for (int pass = 0; pass < 3; ++pass) {
        WaitForWorkerPass();
    }
    EXPECT_TRUE(FrontPanelLines().empty());
    EXPECT_EQ(unit.Panel().level, before);
}

}  // namespace
}  // namespace kvt
