// The room EQ assistant's wizard against the simulated unit: a run on two channels from the
// Setup page to the Results page, a cancel mid-run, undo of one channel checked in the unit's
// memory, storing, and the put-back of the generator after the unit was lost mid-measurement.
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "UnitRig.h"
#include "roomeq/CDlgRoomEQ.h"
#include "roomeq/CRoomEQPlot.h"

namespace kvt::laptop {
namespace {

constexpr int kEqBlock = 4;
constexpr uint32_t kLeftRegion = 0;
constexpr uint32_t kRightRegion = 64;
constexpr uint32_t kRegionWords = 34;  // bass, treble and the 27 bands with their neighbours
constexpr int kMatrixBlock = 3;
constexpr uint32_t kGeneratorControlAddress = 16;
constexpr uint32_t kGeneratorChannelBits = 0xE1D400;
constexpr int kRunLimitMs = 120000;

class RoomEQWizard : public UnitRig {
  protected:
    EngineTimings Timings() const override {
        EngineTimings timings = testing::FastTimings();
        timings.levelReadPeriod = std::chrono::milliseconds(5);
        return timings;
    }

    void SetUp() override {
        UnitRig::SetUp();
        ASSERT_NO_FATAL_FAILURE(ConnectToUnit());
        wizard = std::make_unique<CDlgRoomEQ>(*engine);
        wizard->Measuring().settleTime = std::chrono::milliseconds(0);
        wizard->Measuring().frameTimeout = std::chrono::milliseconds(4000);
        wizard->show();
    }

    void TearDown() override {
        wizard.reset();
        UnitRig::TearDown();
    }

    std::vector<uint32_t> Region(uint32_t region) {
        std::vector<uint32_t> words;
        for (uint32_t at = region; at < region + kRegionWords; ++at) {
            words.push_back(unit.Memory(kEqBlock, at));
        }
        return words;
    }

    int32_t GeneratorChannels() {
        Variant channels;
        engine->get_GeneratorChannels(&channels);
        return channels.Int32();
    }

    bool UnitGeneratorSilent() {
        return (unit.Memory(kMatrixBlock, kGeneratorControlAddress) & kGeneratorChannelBits) == 0;
    }

    bool AnalyserRunning() {
        VariantBool running = VARIANT_FALSE;
        engine->get_SLARunning(&running);
        return running == VARIANT_TRUE;
    }

    // Starts a run and waits for it to end.
    bool RunToTheEnd() {
        QSignalSpy finished(wizard.get(), &CDlgRoomEQ::runFinished);
        if (!wizard->Start()) {
            return false;
        }
        return finished.wait(kRunLimitMs);
    }

    std::unique_ptr<CDlgRoomEQ> wizard;
    testing::ScopedConfigHome config;
};

TEST_F(RoomEQWizard, EqualisesTwoChannelsAndShowsTheirCurves) {
    wizard->SetChannels({roomeq::L, roomeq::R});
    EXPECT_EQ(wizard->Channels(), (std::vector<int>{roomeq::L, roomeq::R}));
    ASSERT_TRUE(RunToTheEnd());
    const roomeq::AssistantResult& result = wizard->Result();
    ASSERT_TRUE(result.completed) << result.failure;
    ASSERT_EQ(result.channels.size(), 2u);
    EXPECT_TRUE(result.AllWithinTolerance());
    EXPECT_EQ(wizard->CurrentStage(), CDlgRoomEQ::Stage::Results);
    auto* list = wizard->findChild<QListWidget*>(QStringLiteral("channelList"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("L:")));
    EXPECT_TRUE(list->item(1)->text().startsWith(QStringLiteral("R:")));
    EXPECT_TRUE(wizard->findChild<CRoomEQPlot*>()->HasCurves());
    wizard->ShowChannel(1);
    EXPECT_EQ(wizard->ShownChannel(), 1);
    // The engine holds what the wizard reports as written; the generator is off again.
    for (const roomeq::ChannelResult& r : result.channels) {
        EXPECT_EQ(roomeq::ReadChannel(*engine, r.channel).eq, r.written.eq);
    }
    EXPECT_EQ(GeneratorChannels(), 0);
    EXPECT_FALSE(AnalyserRunning());
    EXPECT_TRUE(testing::Eventually([&] { return UnitGeneratorSilent(); }));
    // The progress log names both channels.
    const QString log = wizard->findChild<QPlainTextEdit*>(QStringLiteral("runLog"))->toPlainText();
    EXPECT_TRUE(log.contains(QStringLiteral("L: measuring")));
    EXPECT_TRUE(log.contains(QStringLiteral("R: measuring")));
}

TEST_F(RoomEQWizard, CancelMidRunLeavesTheGeneratorOff) {
    wizard->SetChannels({roomeq::L, roomeq::C, roomeq::R});
    QSignalSpy finished(wizard.get(), &CDlgRoomEQ::runFinished);
    ASSERT_TRUE(wizard->Start());
    EXPECT_EQ(wizard->CurrentStage(), CDlgRoomEQ::Stage::Running);
    auto* log = wizard->findChild<QPlainTextEdit*>(QStringLiteral("runLog"));
    // Cancelled while the centre channel plays.
    QTRY_VERIFY_WITH_TIMEOUT(log->toPlainText().contains(QStringLiteral("C: measuring")),
                             kRunLimitMs);
    EXPECT_NE(GeneratorChannels(), 0);
    wizard->Cancel();
    ASSERT_TRUE(finished.wait(kRunLimitMs));
    EXPECT_FALSE(finished.first().first().toBool());
    const roomeq::AssistantResult& result = wizard->Result();
    EXPECT_FALSE(result.completed);
    EXPECT_NE(result.failure.find("cancelled"), std::string::npos) << result.failure;
    EXPECT_FALSE(result.pendingRestore.has_value());
    EXPECT_EQ(GeneratorChannels(), 0);
    EXPECT_FALSE(AnalyserRunning());
    EXPECT_TRUE(testing::Eventually([&] { return UnitGeneratorSilent(); }));
    EXPECT_EQ(wizard->CurrentStage(), CDlgRoomEQ::Stage::Results);
}

// Closing the window mid-run is a cancel: it closes once the generator is off, never waiting
// for the unit on the window's thread.
TEST_F(RoomEQWizard, ClosingMidRunCancelsAndClosesOnceTheGeneratorIsOff) {
    wizard->SetChannels({roomeq::L, roomeq::C});
    QSignalSpy finished(wizard.get(), &CDlgRoomEQ::runFinished);
    ASSERT_TRUE(wizard->Start());
    auto* log = wizard->findChild<QPlainTextEdit*>(QStringLiteral("runLog"));
    QTRY_VERIFY_WITH_TIMEOUT(log->toPlainText().contains(QStringLiteral("L: measuring")),
                             kRunLimitMs);
    EXPECT_FALSE(wizard->close());  // the window stays until the assistant has stopped
    ASSERT_TRUE(finished.wait(kRunLimitMs));
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_NE(wizard->Result().failure.find("cancelled"), std::string::npos);
    EXPECT_EQ(GeneratorChannels(), 0);
    EXPECT_TRUE(testing::Eventually([&] { return UnitGeneratorSilent(); }));
}

TEST_F(RoomEQWizard, UndoPutsOneChannelsBandsBackInTheUnit) {
    const std::vector<uint32_t> leftBefore = Region(kLeftRegion);
    const std::vector<uint32_t> rightBefore = Region(kRightRegion);
    const roomeq::ChannelSettings leftSettings = roomeq::ReadChannel(*engine, roomeq::L);
    wizard->SetChannels({roomeq::L, roomeq::R});
    ASSERT_TRUE(RunToTheEnd());
    ASSERT_TRUE(wizard->Result().completed) << wizard->Result().failure;
    ASSERT_TRUE(testing::Eventually(
        [&] { return Region(kLeftRegion) != leftBefore && Region(kRightRegion) != rightBefore; }));

    ASSERT_TRUE(wizard->Undo(0));
    EXPECT_TRUE(wizard->Undone(0));
    EXPECT_FALSE(wizard->Undo(0));  // once
    EXPECT_TRUE(testing::Eventually([&] { return Region(kLeftRegion) == leftBefore; }));
    EXPECT_NE(Region(kRightRegion), rightBefore);  // the other channel keeps its new settings
    const roomeq::ChannelSettings now = roomeq::ReadChannel(*engine, roomeq::L);
    EXPECT_EQ(now.eq, leftSettings.eq);
    EXPECT_EQ(now.outputGainDb, leftSettings.outputGainDb);
    EXPECT_TRUE(wizard->findChild<QListWidget*>(QStringLiteral("channelList"))
                    ->item(0)
                    ->text()
                    .endsWith(QStringLiteral("undone")));
}

TEST_F(RoomEQWizard, StoresInTheUnitOnlyWhenAsked) {
    wizard->SetChannels({roomeq::R});
    ASSERT_TRUE(RunToTheEnd());
    ASSERT_TRUE(wizard->Result().completed) << wizard->Result().failure;
    auto storedRegion = [&] {
        std::vector<uint32_t> words;
        for (uint32_t at = kRightRegion; at < kRightRegion + kRegionWords; ++at) {
            words.push_back(unit.StoredMemory(kEqBlock, at));
        }
        return words;
    };
    // Written to the working memory, nothing stored yet.
    EXPECT_TRUE(testing::Eventually([&] { return storedRegion() != Region(kRightRegion); }));

    QSignalSpy storedSpy(wizard.get(), &CDlgRoomEQ::storeFinished);
    wizard->Store();
    ASSERT_TRUE(storedSpy.wait(kRunLimitMs));
    EXPECT_TRUE(storedSpy.first().first().toBool());
    EXPECT_EQ(storedRegion(), Region(kRightRegion));
}

// The unit stops answering while a channel plays: the engine cannot hear the generator go off,
// so the wizard keeps the put-back and does it once the unit is connected and ready again.
TEST_F(RoomEQWizard, PutsTheGeneratorOffWhenTheLostUnitIsBack) {
    wizard->Measuring().frameTimeout = std::chrono::milliseconds(15000);
    wizard->SetChannels({roomeq::L, roomeq::C, roomeq::R});
    QSignalSpy finished(wizard.get(), &CDlgRoomEQ::runFinished);
    ASSERT_TRUE(wizard->Start());
    auto* log = wizard->findChild<QPlainTextEdit*>(QStringLiteral("runLog"));
    // The first measurement is in: the generator plays on a channel from here to the run's end.
    QTRY_VERIFY_WITH_TIMEOUT(log->toPlainText().contains(QStringLiteral("L: largest deviation")),
                             kRunLimitMs);
    sim::Fault fault;
    fault.kind = sim::FaultKind::StopAnswering;
    unit.InjectFault(fault);
    ASSERT_TRUE(finished.wait(kRunLimitMs));
    const roomeq::AssistantResult& result = wizard->Result();
    EXPECT_FALSE(result.completed);
    EXPECT_NE(result.failure.find("stopped answering"), std::string::npos) << result.failure;
    ASSERT_TRUE(wizard->RestorePending());
    EXPECT_FALSE(UnitGeneratorSilent());  // the unit never heard the generator go off

    unit.ClearFaults();
    QSignalSpy putBack(wizard.get(), &CDlgRoomEQ::analyserPutBack);
    engine->Disconnect();
    ASSERT_EQ(engine->Connect(), status::Ok);
    ASSERT_EQ(engine->QueryKVT(), status::Ok);
    ASSERT_TRUE(putBack.wait(kRunLimitMs));
    EXPECT_FALSE(wizard->RestorePending());
    EXPECT_EQ(GeneratorChannels(), 0);
    EXPECT_FALSE(AnalyserRunning());
    EXPECT_TRUE(testing::Eventually([&] { return UnitGeneratorSilent(); }));
}

}  // namespace
}  // namespace kvt::laptop
