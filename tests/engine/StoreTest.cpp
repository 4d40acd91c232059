// Storing the settings in the unit (SaveKVTParameters and the per-side stores) and copying the
// configuration to the personality module (SaveMMC), against the simulated unit.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "ImageTestSupport.h"
#include "KVT80.h"
#include "TestSupport.h"

namespace kvt {
namespace {

using namespace std::chrono_literals;
using sim::Fault;
using sim::FaultKind;
using testing::At;

constexpr int32_t kOk = status::Ok;
constexpr int32_t kNoUnit = status::NoUnit;

// (State, Pos, End) of a progress event.
using Progress = std::vector<int32_t>;

// Channel 0's flags word is the first word of equaliser block 4, channel 3's of block 5; the mute
// bit is 2.
constexpr uint32_t kMuteBit = 2;

class Store : public testing::EngineOnSimulatedUnit {
  protected:
    void SetUp() override {
        EngineOnSimulatedUnit::SetUp();
        EngineTimings timings = testing::FastTimings();
        timings.saveSettle = 10ms;
        timings.unmuteWait = 1000ms;
        timings.saveReplyWait = 300ms;
        timings.cardTransferLimit = 10s;
        engine->SetTimings(timings);
        unit.SetMemory(1, 0, 0x000002);
        unit.SetMemory(2, 0, 0x000004);
        unit.SetMemory(4, 0x100, 0x000070);
        unit.SetMemory(5, 0x100, 0x000001);
    }

    // The unit answers the card's two opens and then nothing more: the transfer cannot end.
    void SilenceAfterTheOpens() {
        Fault silence;
        silence.kind = FaultKind::StopAnswering;
        silence.skip = 2;
        unit.InjectFault(silence);
    }

    std::vector<Progress> ProgressOf(const std::string& name) const {
        std::vector<Progress> found;
        for (const auto& event : events->Named(name)) {
            Progress values;
            for (const Variant& argument : event.arguments) {
                values.push_back(argument.Int32());
            }
            found.push_back(values);
        }
        return found;
    }

    bool UpdateInputs() const {
        Variant value;
        EXPECT_EQ(engine->get_UpdateInputs(&value), kOk);
        return value.IsTrue();
    }

    bool Muted(int32_t channel) const {
        Variant value;
        EXPECT_EQ(engine->get_Mute(At(channel), &value), kOk);
        return value.IsTrue();
    }

    size_t CountOf(const std::string& line) const {
        const auto lines = unit.ReceivedLines();
        return static_cast<size_t>(std::count(lines.begin(), lines.end(), line));
    }

    // Position of the first line received that starts with `start` (the count of lines if none).
    size_t IndexOf(const std::string& start) const {
        const auto lines = unit.ReceivedLines();
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].rfind(start, 0) == 0) {
                return i;
            }
        }
        return lines.size();
    }

    void FailSaves(FaultKind kind, int skip, int count) {
        Fault fault;
        fault.kind = kind;
        fault.match = "savevals";
        fault.skip = skip;
        fault.count = count;
        unit.InjectFault(fault);
    }
};

// ---- SaveKVTParameters ------------------------------------------------------------------------

TEST_F(Store, FullSaveStoresEveryProcessorWithTheOutputsMutedMeanwhile) {
    // Values written since the last store, one on each processor.
    for (int block = 1; block <= 5; ++block) {
        unit.SetWorkingMemory(block, 20, 0x100 + static_cast<uint32_t>(block));
    }
    ConnectReady();
    ASSERT_EQ(engine->SaveKVTParameters(), kOk);
    for (int block = 1; block <= 5; ++block) {
        EXPECT_EQ(unit.StoredMemory(block, 20), 0x100u + static_cast<uint32_t>(block)) << block;
    }

    const std::vector<std::string> expected = {
        "clru3 1C", "open 91",  "savevals",     "rdval 00 000",   "wrtval 00 1002",
        "open 92",  "savevals", "rdval 00 000", "wrtval 00 1004", "open 93",
        "savevals", "open 61",  "savevals",     "rdval 00 100",   "wrtval 100 FE",
        "open 62",  "savevals", "rdval 00 100", "wrtval 100 8F",  "formatupdate",
        "setu3 1C"};
    EXPECT_EQ(unit.ReceivedLines(), expected);
    EXPECT_EQ(unit.Memory(1, 0), 0x1002u);
    EXPECT_EQ(unit.Memory(2, 0), 0x1004u);
    EXPECT_EQ(unit.Memory(4, 0x100), 0xFEu);
    EXPECT_EQ(unit.Memory(5, 0x100), 0x8Fu);
    EXPECT_FALSE(unit.Panel().muted);
    EXPECT_TRUE(Ready());
}

TEST_F(Store, FullSaveReportsEachStepInOrder) {
    ConnectReady();
    ASSERT_EQ(engine->SaveKVTParameters(), kOk);
    const std::vector<Progress> expected = {{1, 0, 7}, {1, 1, 7}, {1, 2, 7}, {1, 3, 7},
                                            {2, 4, 7}, {2, 5, 7}, {2, 6, 7}, {0, 7, 7}};
    EXPECT_EQ(ProgressOf("DSPSaveProgress"), expected);

    // A second save counts from the start again.
    events->Clear();
    ASSERT_EQ(engine->SaveKVTParameters(), kOk);
    EXPECT_EQ(ProgressOf("DSPSaveProgress"), expected);
}

TEST_F(Store, ProcessorThatDoesNotAcknowledgeFailsTheSaveAndKeepsTheOutputsMuted) {
    unit.SetWorkingMemory(3, 20, 0x33);
    unit.SetWorkingMemory(4, 20, 0x44);
    unit.SetWorkingMemory(5, 20, 0x55);
    ConnectReady();
    FailSaves(FaultKind::DropReply, 3, 2);  // the first equaliser processor, both tries
    EXPECT_EQ(engine->SaveKVTParameters(), kNoUnit);
    EXPECT_EQ(unit.StoredMemory(3, 20), 0x33u);
    EXPECT_NE(unit.StoredMemory(4, 20), 0x44u);
    EXPECT_NE(unit.StoredMemory(5, 20), 0x55u);

    const std::vector<Progress> expected = {{1, 0, 7}, {1, 1, 7}, {1, 2, 7},
                                            {1, 3, 7}, {2, 4, 7}, {2, 5, 7}};
    EXPECT_EQ(ProgressOf("DSPSaveProgress"), expected);
    EXPECT_EQ(CountOf("savevals"), 5u);
    EXPECT_TRUE(LinesStartingWith("open 62").empty());
    EXPECT_TRUE(LinesStartingWith("formatupdate").empty());
    EXPECT_TRUE(LinesStartingWith("setu3").empty());
    EXPECT_TRUE(unit.Panel().muted);
    EXPECT_TRUE(Ready());
}

TEST_F(Store, RefusedSaveIsNotTakenForAnAcknowledgement) {
    ConnectReady();
    FailSaves(FaultKind::BellReply, 0, 2);
    EXPECT_EQ(engine->SaveKVTParameters(), kNoUnit);
    const std::vector<Progress> expected = {{1, 0, 7}, {1, 1, 7}};
    EXPECT_EQ(ProgressOf("DSPSaveProgress"), expected);
    EXPECT_EQ(CountOf("savevals"), 2u);
    EXPECT_TRUE(LinesStartingWith("rdval").empty());  // no commit after a failed store
    EXPECT_TRUE(unit.Panel().muted);
    EXPECT_TRUE(Ready());
}

TEST_F(Store, AnswerOtherThanTheAcknowledgementIsAFailedStore) {
    ConnectReady();
    unit.FailSaves(1);
    EXPECT_EQ(engine->SaveKVTParameters(), kNoUnit);
    EXPECT_EQ(CountOf("savevals"), 1u);  // the unit answered: no second try
    EXPECT_TRUE(LinesStartingWith("setu3").empty());
    EXPECT_TRUE(Ready());
    // The next save, with a healthy processor, goes through.
    EXPECT_EQ(engine->SaveKVTParameters(), 0);
}

TEST_F(Store, SystemMuteKeepsTheOutputsMutedAfterTheSave) {
    ASSERT_EQ(engine->put_SystemMute(Variant::Bool(true)), kOk);
    WaitForWorkerPass();  // the worker takes the mute as its own: it is not sent
    ConnectReady();
    ASSERT_EQ(engine->SaveKVTParameters(), kOk);
    EXPECT_EQ(CountOf("clru3 1C"), 1u);
    EXPECT_TRUE(LinesStartingWith("setu3").empty());
    EXPECT_EQ(CountOf("formatupdate"), 1u);
    EXPECT_TRUE(unit.Panel().muted);
}

TEST_F(Store, MutedChannelsAreUnmutedBeforeTheProcessorsStore) {
    ConnectReady();
    ASSERT_EQ(engine->put_Mute(At(0), Variant::Bool(true)), kOk);
    ASSERT_EQ(engine->put_Mute(At(3), Variant::Bool(true)), kOk);
    ASSERT_TRUE(testing::Eventually(
        [&] { return unit.Memory(4, 0) == kMuteBit && unit.Memory(5, 0) == kMuteBit; }));
    unit.ClearReceivedLines();

    ASSERT_EQ(engine->SaveKVTParameters(), kOk);
    EXPECT_FALSE(Muted(0));
    EXPECT_FALSE(Muted(3));
    EXPECT_EQ(unit.Memory(4, 0), 0u);
    EXPECT_EQ(unit.Memory(5, 0), 0u);
    EXPECT_EQ(unit.StoredMemory(4, 0), 0u);
    EXPECT_EQ(unit.StoredMemory(5, 0), 0u);
    // Both flags words went out before the save began.
    EXPECT_LT(IndexOf("wrtval 000000 000000"), IndexOf("clru3 1C"));
    EXPECT_EQ(CountOf("wrtval 000000 000000"), 2u);
    EXPECT_LT(IndexOf("clru3 1C"), unit.ReceivedLines().size());
}

TEST_F(Store, RunningAnalyserIsStoppedFirst) {
    ConnectReady();
    ASSERT_EQ(engine->StartSLA(), kOk);
    ASSERT_TRUE(testing::Eventually([&] { return engine->Pending().AllEmpty(); }));
    events->Clear();
    unit.ClearReceivedLines();

    ASSERT_EQ(engine->SaveKVTParameters(), kOk);
    VariantBool running = VARIANT_TRUE;
    ASSERT_EQ(engine->get_SLARunning(&running), kOk);
    EXPECT_EQ(running, VARIANT_FALSE);

    const auto recorded = events->Events();
    const auto stopped = std::find_if(recorded.begin(), recorded.end(),
                                      [](const auto& e) { return e.name == "SLARunning"; });
    const auto firstProgress = std::find_if(recorded.begin(), recorded.end(), [](const auto& e) {
        return e.name == "DSPSaveProgress";
    });
    ASSERT_NE(stopped, recorded.end());
    ASSERT_EQ(stopped->arguments.size(), 2u);
    EXPECT_EQ(stopped->arguments[0].BoolField(), VARIANT_FALSE);
    EXPECT_EQ(stopped->arguments[1].BoolField(), VARIANT_FALSE);
    EXPECT_LT(stopped, firstProgress);
    // The analyser's words went out before the outputs were muted for the store.
    EXPECT_LT(IndexOf("wrtval"), IndexOf("clru3 1C"));
    EXPECT_LT(IndexOf("clru3 1C"), unit.ReceivedLines().size());
}

TEST_F(Store, FirstSaveTimeOutSendsAgainAndASecondFails) {
    ConnectReady();
    FailSaves(FaultKind::DropReply, 0, 1);
    EXPECT_EQ(engine->SaveKVTParameters(), kOk);
    EXPECT_EQ(CountOf("savevals"), 6u);  // the first processor's twice, then one each

    unit.ClearReceivedLines();
    events->Clear();
    FailSaves(FaultKind::DropReply, 0, 2);
    EXPECT_EQ(engine->SaveZVQParameters(), kNoUnit);
    EXPECT_EQ(CountOf("savevals"), 2u);
    EXPECT_TRUE(LinesStartingWith("open 92").empty());
}

TEST_F(Store, WithoutALinkNothingIsStoredButTheImageIsUnmutedAndTheEngineLeftReady) {
    ASSERT_EQ(engine->put_Mute(At(2), Variant::Bool(true)), kOk);
    EXPECT_EQ(engine->SaveKVTParameters(), kNoUnit);
    EXPECT_TRUE(Ready());
    EXPECT_FALSE(Muted(2));
    EXPECT_EQ(engine->SaveZVQParameters(), kNoUnit);
    EXPECT_EQ(engine->SaveEQParameters(), kNoUnit);
    EXPECT_TRUE(ProgressOf("DSPSaveProgress").empty());
    EXPECT_TRUE(unit.ReceivedLines().empty());
}

// ---- SaveZVQParameters and SaveEQParameters on their own ---------------------------------------

TEST_F(Store, EachSideStoresItsOwnProcessorsAndLeavesReadinessAlone) {
    ConnectReady();
    ASSERT_EQ(engine->SaveZVQParameters(), kOk);
    const std::vector<std::string> preamp = {
        "open 91",  "savevals",     "rdval 00 000",   "wrtval 00 1002", "open 92",
        "savevals", "rdval 00 000", "wrtval 00 1004", "open 93",        "savevals"};
    EXPECT_EQ(unit.ReceivedLines(), preamp);
    EXPECT_TRUE(Ready());

    unit.ClearReceivedLines();
    ASSERT_EQ(engine->SaveEQParameters(), kOk);
    const std::vector<std::string> equaliser = {"open 61",       "savevals",     "rdval 00 100",
                                                "wrtval 100 FE", "open 62",      "savevals",
                                                "rdval 00 100",  "wrtval 100 8F"};
    EXPECT_EQ(unit.ReceivedLines(), equaliser);
    EXPECT_TRUE(Ready());

    const auto progress = ProgressOf("DSPSaveProgress");
    ASSERT_EQ(progress.size(), 5u);
    EXPECT_EQ(progress[0][0], 1);
    EXPECT_EQ(progress[3][0], 2);
    EXPECT_EQ(progress[4][0], 2);
}

// ---- SaveMMC ----------------------------------------------------------------------------------

TEST_F(Store, BlockingCardSaveReturnsOnceTheCardIsClosed) {
    unit.SetMemory(4, 0, kMuteBit);  // the image has channel 0 unmuted
    ConnectReady();
    ASSERT_EQ(engine->SaveMMC(Variant::Bool(true)), kOk);
    EXPECT_FALSE(unit.CardOpen());
    // The image went to the card, not to the processors.
    EXPECT_EQ(unit.CardWord(4, 0), std::optional<uint32_t>(0));
    EXPECT_EQ(unit.Memory(4, 0), kMuteBit);
    EXPECT_GT(unit.CardImage().size(), 100u);

    const auto progress = ProgressOf("SaveMMCProgress");
    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress.front(), (Progress{0, 0, 126}));
    EXPECT_EQ(progress.back(), (Progress{2, 0, 126}));
    for (size_t i = 1; i + 1 < progress.size(); ++i) {
        EXPECT_EQ(progress[i], (Progress{1, static_cast<int32_t>(i - 1), 126})) << i;
    }

    const auto lines = unit.ReceivedLines();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "openmmc");
    EXPECT_EQ(lines[1], "openmmc");
    EXPECT_EQ(lines.back(), "closemmc");
    EXPECT_EQ(CountOf("openmmc"), 2u);
    EXPECT_EQ(CountOf("closemmc"), 1u);
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_FALSE(UpdateInputs());
}

TEST_F(Store, NonBlockingCardSaveReturnsOnceTheTransferIsQueued) {
    ConnectReady();
    // The unit stops answering after the two opens: the transfer cannot end while it is looked at.
    SilenceAfterTheOpens();

    ASSERT_EQ(engine->SaveMMC(Variant::Bool(false)), kOk);
    const auto progress = ProgressOf("SaveMMCProgress");
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.front(), (Progress{0, 0, 126}));
    for (const Progress& event : progress) {
        EXPECT_NE(event.front(), 2);
    }
    EXPECT_FALSE(UpdateInputs());
    unit.ClearFaults();
}

TEST_F(Store, BlockingCardSaveThatCannotFinishReportsFailure) {
    EngineTimings timings = engine->Timings();
    timings.cardTransferLimit = 300ms;
    engine->SetTimings(timings);
    ConnectReady();
    SilenceAfterTheOpens();

    EXPECT_EQ(engine->SaveMMC(Variant::Bool(true)), kNoUnit);
    EXPECT_TRUE(ProgressOf("SaveMMCProgress").size() >= 1u);
    for (const Progress& event : ProgressOf("SaveMMCProgress")) {
        EXPECT_NE(event.front(), 2);
    }
    unit.ClearFaults();
}

TEST_F(Store, BlockingCardSaveEndsWhenTheLinkCloses) {
    ConnectReady();
    SilenceAfterTheOpens();

    auto saved =
        std::async(std::launch::async, [&] { return engine->SaveMMC(Variant::Bool(true)); });
    ASSERT_TRUE(events->WaitFor("SaveMMCProgress"));
    ASSERT_EQ(engine->Disconnect(), kOk);
    EXPECT_EQ(saved.get(), kNoUnit);
}

TEST_F(Store, CardSaveWithoutACardFailsAtOnce) {
    unit.SetCardPresent(false);
    ConnectReady();
    EXPECT_EQ(engine->SaveMMC(Variant::Bool(true)), kNoUnit);
    EXPECT_EQ(ProgressOf("SaveMMCProgress"), (std::vector<Progress>{{3, 0, 0}}));
    EXPECT_EQ(unit.ReceivedLines(), (std::vector<std::string>{"openmmc"}));
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_TRUE(UpdateInputs());
}

TEST_F(Store, CardThatAnswersTheSameTwiceIsClosedAgain) {
    ConnectReady();
    unit.SetCardAnswers({0x000005, 0x000005});
    EXPECT_EQ(engine->SaveMMC(Variant::Bool(true)), kNoUnit);
    EXPECT_EQ(unit.ReceivedLines(), (std::vector<std::string>{"openmmc", "openmmc", "closemmc"}));
    EXPECT_FALSE(unit.CardOpen());
    EXPECT_EQ(ProgressOf("SaveMMCProgress"), (std::vector<Progress>{{3, 0, 0}}));
    EXPECT_TRUE(engine->Pending().AllEmpty());
    EXPECT_TRUE(UpdateInputs());
}

TEST_F(Store, CardThatGoesAwayBetweenTheOpensFails) {
    ConnectReady();
    unit.SetCardAnswers({0x000005, 0xFFFFFF});
    EXPECT_EQ(engine->SaveMMC(Variant::Bool(true)), kNoUnit);
    EXPECT_EQ(unit.ReceivedLines(), (std::vector<std::string>{"openmmc", "openmmc"}));
    EXPECT_EQ(ProgressOf("SaveMMCProgress"), (std::vector<Progress>{{3, 0, 0}}));
    EXPECT_TRUE(UpdateInputs());
}

TEST_F(Store, CardSaveNeedsAReadyUnit) {
    // No link at all.
    EXPECT_EQ(engine->SaveMMC(Variant::Bool(true)), kNoUnit);
    EXPECT_EQ(ProgressOf("SaveMMCProgress"), (std::vector<Progress>{{3, 0, 0}}));
    EXPECT_TRUE(UpdateInputs());

    // Connected but not ready: the worker would discard the writes, so the card is not opened.
    events->Clear();
    ASSERT_EQ(engine->Connect(), kOk);
    EXPECT_EQ(engine->SaveMMC(Variant::Bool(false)), kNoUnit);
    EXPECT_EQ(ProgressOf("SaveMMCProgress"), (std::vector<Progress>{{3, 0, 0}}));
    EXPECT_TRUE(unit.ReceivedLines().empty());
    EXPECT_TRUE(UpdateInputs());
}

// Only the automation true (-1 in the boolean field) asks for the wait.
TEST_F(Store, OnlyMinusOneAsksForTheWait) {
    EngineTimings timings = engine->Timings();
    timings.cardTransferLimit = 300ms;  // a wait would fail quickly
    engine->SetTimings(timings);
    ConnectReady();
    SilenceAfterTheOpens();
    EXPECT_EQ(engine->SaveMMC(Variant::Bool16(1)), kOk);
    unit.ClearFaults();
}

}  // namespace
}  // namespace kvt
