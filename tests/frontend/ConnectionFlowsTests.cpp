// The connection and file flows against the simulated unit over a pseudo-terminal, with every
// question answered from a script: what reaches the unit, what the user is shown, and that the
// unit is never left half-handled.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <map>
#include <memory>

#include "ConnectionFlows.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"

namespace kvt::frontend {
namespace {

constexpr int kFlowTimeoutMs = 20000;

// Answers the flows' questions from queues; a question nobody scripted fails the test and is
// answered with Cancel or No.
class ScriptedView : public FlowView {
  public:
    std::deque<DisconnectChoice> disconnectAnswers;
    std::deque<SaveChangesAnswer> saveChangesAnswers;
    std::deque<bool> yesNoAnswers;
    // An empty name is a cancelled dialog.
    std::deque<QString> saveNames;
    std::deque<QString> openNames;

    std::vector<QString> questions;
    std::vector<QString> warnings;
    std::vector<QString> errors;
    std::vector<QString> statusLog;  // "show Save", "close Save", "show Connection Verifying..."
    std::map<StatusDialog, bool> shown;
    bool frameEnabled = true;
    bool connectedShown = false;
    int refreshes = 0;
    bool controlHeld = false;
    bool destroyed = false;

    DisconnectChoice AskDisconnect() override {
        questions.push_back(QStringLiteral("disconnect"));
        return Take(disconnectAnswers, DisconnectChoice{}, "disconnect prompt");
    }
    SaveChangesAnswer AskSaveChanges(const QString& fileName) override {
        questions.push_back(QStringLiteral("save changes to ") + fileName);
        return Take(saveChangesAnswers, SaveChangesAnswer::Cancel, "save-changes prompt");
    }
    bool AskYesNo(const QString& text) override {
        questions.push_back(text);
        return Take(yesNoAnswers, false, "yes/no question");
    }
    std::optional<QString> AskSaveFileName(const QString& folder) override {
        startFolders.push_back(folder);
        return Chosen(Take(saveNames, QString(), "save file dialog"));
    }
    std::optional<QString> AskOpenFileName(const QString& folder) override {
        startFolders.push_back(folder);
        return Chosen(Take(openNames, QString(), "open file dialog"));
    }
    void ShowWarning(const QString& text) override { warnings.push_back(text); }
    void ShowError(const QString& text) override { errors.push_back(text); }
    void ShowStatus(StatusDialog dialog, const QString& title) override {
        shown[dialog] = true;
        frameEnabled = false;
        statusLog.push_back(QStringLiteral("show %1 %2").arg(Name(dialog), title).trimmed());
    }
    void CloseStatus(StatusDialog dialog) override {
        frameEnabled = true;
        if (shown[dialog]) {
            statusLog.push_back(QStringLiteral("close %1").arg(Name(dialog)));
        }
        shown[dialog] = false;
    }
    bool StatusShown(StatusDialog dialog) const override {
        const auto found = shown.find(dialog);
        return found != shown.end() && found->second;
    }
    void UpdateStatus(StatusDialog, const QString&, int, int) override {}
    void SetFrameEnabled(bool enabled) override { frameEnabled = enabled; }
    void ShowConnectionState(bool connected) override { connectedShown = connected; }
    void RefreshAll() override { ++refreshes; }
    void RefreshFrame() override {}
    bool ControlHeld() const override { return controlHeld; }
    void DestroyAll() override { destroyed = true; }

    bool AnyStatusShown() const {
        for (const auto& [dialog, on] : shown) {
            if (on) {
                return true;
            }
        }
        return false;
    }

    std::vector<QString> startFolders;

  private:
    static std::optional<QString> Chosen(const QString& name) {
        if (name.isEmpty()) {
            return std::nullopt;
        }
        return name;
    }
    static QString Name(StatusDialog dialog) {
        switch (dialog) {
            case StatusDialog::Connection:
                return QStringLiteral("Connection");
            case StatusDialog::Save:
                return QStringLiteral("Save");
            case StatusDialog::Upload:
                return QStringLiteral("Upload");
            case StatusDialog::PersonalityModule:
                return QStringLiteral("PersonalityModule");
        }
        return {};
    }
    template <typename T>
    static T Take(std::deque<T>& answers, T fallback, const char* what) {
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected " << what;
            return fallback;
        }
        T answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

class Flows : public ::testing::Test {
  protected:
    void SetUp() override {
        port = unit.StartPty();
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(testing::FastTimings());
        ASSERT_EQ(engine->put_ComPort(Variant::String(ToU16(QString::fromStdString(port)))), 0);
        bridge = std::make_unique<EngineBridge>(*engine);
        flows = std::make_unique<ConnectionFlows>(*engine, *bridge, view);
    }

    void TearDown() override {
        WaitIdle();
        flows.reset();
        bridge.reset();
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
        unit.Stop();
    }

    bool WaitIdle() {
        return QTest::qWaitFor([&] { return !flows->Busy(); }, kFlowTimeoutMs);
    }

    void ConnectOrFail() {
        ASSERT_TRUE(flows->Connect());
        ASSERT_TRUE(WaitIdle());
        ASSERT_TRUE(IsConnected(*engine)) << "warnings: " << view.warnings.size();
    }

    void StopAnswering() {
        sim::Fault stop;
        stop.kind = sim::FaultKind::StopAnswering;
        unit.InjectFault(stop);
    }

    bool UpdateInputs() { return IsTrueProperty(*engine, &IKVT80::get_UpdateInputs); }

    // Band 14 of the centre channel: block 4, address 144; -3.0 dB is the raw word -30.
    void ChangeCentreBand() {
        ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
        ASSERT_TRUE(testing::Eventually([&] { return unit.Memory(4, 144) == kMinusThreeDb; }));
    }
    static constexpr uint32_t kMinusThreeDb = 0xFFFFE2;

    QString TempFile(const QString& name) const { return folder.filePath(name); }

    testing::ScopedConfigHome config;
    QTemporaryDir folder;
    sim::SimulatedUnit unit;
    std::string port;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<EngineBridge> bridge;
    ScriptedView view;
    std::unique_ptr<ConnectionFlows> flows;
};

// ---- Connect ------------------------------------------------------------------------------------

TEST_F(Flows, ConnectRetrievesShowsConnectedAndLetsTheInputsUpdate) {
    ConnectOrFail();
    EXPECT_TRUE(view.connectedShown);
    EXPECT_TRUE(UpdateInputs());
    EXPECT_FALSE(view.AnyStatusShown());
    EXPECT_TRUE(view.frameEnabled);
    EXPECT_GE(view.refreshes, 1);
    EXPECT_TRUE(flows->CurrentPath().isEmpty());
    EXPECT_TRUE(view.warnings.empty());
}

TEST_F(Flows, PortThatCannotBeOpenedIsNamedInTheWarning) {
    ASSERT_EQ(engine->put_ComPort(Variant::String(u"/dev/kvt80-no-such-port")), 0);
    ASSERT_TRUE(flows->Connect());
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_TRUE(view.warnings[0].startsWith(
        "Failed to open the communication port (/dev/kvt80-no-such-port)."))
        << view.warnings[0].toStdString();
    EXPECT_FALSE(IsConnected(*engine));
    EXPECT_FALSE(view.AnyStatusShown());
}

TEST_F(Flows, UnitThatDoesNotAnswerIsReportedAndTheLinkClosed) {
    StopAnswering();
    ASSERT_TRUE(flows->Connect());
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_TRUE(view.warnings[0].startsWith("Failed to communicate with a KVT unit."));
    EXPECT_FALSE(IsConnected(*engine));
    EXPECT_FALSE(view.connectedShown);
    EXPECT_FALSE(view.AnyStatusShown());
}

// ---- Disconnect ---------------------------------------------------------------------------------

TEST_F(Flows, DisconnectStoresVerifiesAndCopiesToThePersonalityModule) {
    ConnectOrFail();
    ChangeCentreBand();
    view.statusLog.clear();
    view.disconnectAnswers.push_back({DisconnectAnswer::Yes, true});
    ASSERT_TRUE(flows->Disconnect());
    ASSERT_TRUE(WaitIdle());

    EXPECT_FALSE(IsConnected(*engine));
    EXPECT_FALSE(view.connectedShown);
    EXPECT_EQ(unit.StoredMemory(4, 144), kMinusThreeDb);
    EXPECT_EQ(unit.CardWord(4, 144), std::optional<uint32_t>(kMinusThreeDb));
    const std::vector<QString> expected = {"show Save",
                                           "close Save",
                                           "show Connection Verifying...",
                                           "close Connection",
                                           "show PersonalityModule",
                                           "close PersonalityModule"};
    EXPECT_EQ(view.statusLog, expected);
    EXPECT_TRUE(view.frameEnabled);
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(Flows, DisconnectWithoutTheCardLeavesItUntouched) {
    ConnectOrFail();
    ChangeCentreBand();
    view.disconnectAnswers.push_back({DisconnectAnswer::Yes, false});
    ASSERT_TRUE(flows->Disconnect());
    ASSERT_TRUE(WaitIdle());
    EXPECT_FALSE(IsConnected(*engine));
    EXPECT_EQ(unit.StoredMemory(4, 144), kMinusThreeDb);
    EXPECT_TRUE(unit.CardImage().empty());
}

TEST_F(Flows, FailedStoreLeavesTheUnitConnectedWithItsInputsUpdating) {
    ConnectOrFail();
    unit.FailSaves(1);
    view.disconnectAnswers.push_back({DisconnectAnswer::Yes, true});
    ASSERT_TRUE(flows->Disconnect());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(IsConnected(*engine));
    EXPECT_TRUE(UpdateInputs());
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_EQ(view.warnings[0], "Failed to save DSP parameters due to an internal error.");
    EXPECT_FALSE(view.AnyStatusShown());
    EXPECT_TRUE(view.frameEnabled);
}

TEST_F(Flows, VerifyFailureShowsTheMaskAndStaysConnected) {
    ConnectOrFail();
    // The unit changes behind the engine's back: the read-back differs in the EQ processor.
    unit.SetWorkingMemory(4, 144, 0x000005);
    view.disconnectAnswers.push_back({DisconnectAnswer::Yes, false});
    ASSERT_TRUE(flows->Disconnect());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(IsConnected(*engine));
    EXPECT_TRUE(UpdateInputs());
    ASSERT_EQ(view.errors.size(), 1u);
    const QRegularExpression mask(QStringLiteral("\\(([0-9A-F]{8})\\)$"));
    const auto match = mask.match(view.errors[0]);
    ASSERT_TRUE(match.hasMatch()) << view.errors[0].toStdString();
    EXPECT_NE(match.captured(1), QStringLiteral("00000000"));
    EXPECT_TRUE(view.errors[0].startsWith("Data verification has failed."));
    EXPECT_FALSE(view.AnyStatusShown());
}

TEST_F(Flows, ControlHeldAtDisconnectAbandonsTheChangesWithoutAsking) {
    ConnectOrFail();
    const uint32_t before = unit.Memory(4, 144);
    ChangeCentreBand();
    view.controlHeld = true;
    ASSERT_TRUE(flows->Disconnect());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(view.questions.empty());
    EXPECT_FALSE(IsConnected(*engine));
    EXPECT_EQ(unit.Memory(4, 144), before);
    EXPECT_NE(unit.StoredMemory(4, 144), kMinusThreeDb);
}

TEST_F(Flows, DoNotSaveAbandonsTheChangesOnceOnly) {
    ConnectOrFail();
    const uint32_t before = unit.Memory(4, 144);
    ChangeCentreBand();
    view.disconnectAnswers.push_back({DisconnectAnswer::DoNotSave, true});
    ASSERT_TRUE(flows->Disconnect());
    ASSERT_TRUE(WaitIdle());
    EXPECT_FALSE(IsConnected(*engine));
    EXPECT_EQ(unit.Memory(4, 144), before);
    EXPECT_TRUE(unit.CardImage().empty());

    // The next disconnect answered Yes stores again.
    ConnectOrFail();
    ChangeCentreBand();
    view.disconnectAnswers.push_back({DisconnectAnswer::Yes, false});
    ASSERT_TRUE(flows->Disconnect());
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(unit.StoredMemory(4, 144), kMinusThreeDb);
}

TEST_F(Flows, CancelledDisconnectChangesNothing) {
    ConnectOrFail();
    view.disconnectAnswers.push_back({DisconnectAnswer::Cancel, true});
    EXPECT_FALSE(flows->Disconnect());
    EXPECT_TRUE(IsConnected(*engine));
    EXPECT_FALSE(view.AnyStatusShown());
}

// ---- Close --------------------------------------------------------------------------------------

TEST_F(Flows, CloseWhileConnectedDisconnectsThenAsksToSaveThenCleansUp) {
    ConnectOrFail();
    ChangeCentreBand();
    view.disconnectAnswers.push_back({DisconnectAnswer::Yes, false});
    view.saveChangesAnswers.push_back(SaveChangesAnswer::No);
    ASSERT_TRUE(flows->Close());
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.destroyed; }, kFlowTimeoutMs));
    const std::vector<QString> asked = {"disconnect", "save changes to Untitled"};
    EXPECT_EQ(view.questions, asked);
    EXPECT_FALSE(IsConnected(*engine));
    EXPECT_EQ(unit.StoredMemory(4, 144), kMinusThreeDb);
}

TEST_F(Flows, CancelledDisconnectAtCloseKeepsTheProgramOpenAfterALaterDisconnect) {
    ConnectOrFail();
    view.disconnectAnswers.push_back({DisconnectAnswer::Cancel, true});
    EXPECT_FALSE(flows->Close());
    EXPECT_FALSE(flows->Closing());
    view.disconnectAnswers.push_back({DisconnectAnswer::Yes, false});
    ASSERT_TRUE(flows->Disconnect());
    ASSERT_TRUE(WaitIdle());
    QTest::qWait(50);
    EXPECT_FALSE(view.destroyed);
}

TEST_F(Flows, ControlHeldAtCloseSkipsTheDisconnect) {
    ConnectOrFail();
    ChangeCentreBand();
    view.controlHeld = true;
    view.saveChangesAnswers.push_back(SaveChangesAnswer::No);
    ASSERT_TRUE(flows->Close());
    ASSERT_TRUE(QTest::qWaitFor([&] { return view.destroyed; }, kFlowTimeoutMs));
    const std::vector<QString> asked = {"save changes to Untitled"};
    EXPECT_EQ(view.questions, asked);
    EXPECT_NE(unit.StoredMemory(4, 144), kMinusThreeDb);
}

TEST_F(Flows, CloseCancelledAtTheSaveChangesPromptKeepsTheProgram) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    view.saveChangesAnswers.push_back(SaveChangesAnswer::Cancel);
    EXPECT_FALSE(flows->Close());
    EXPECT_FALSE(flows->Closing());
    QTest::qWait(20);
    EXPECT_FALSE(view.destroyed);
}

// ---- The unit goes away -------------------------------------------------------------------------

TEST_F(Flows, UnitLostMidSessionIsReportedAndDisconnected) {
    ConnectOrFail();
    StopAnswering();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view.warnings.empty(); }, kFlowTimeoutMs));
    EXPECT_TRUE(view.warnings[0].startsWith("Communication with the KVT unit has been lost."));
    EXPECT_FALSE(IsConnected(*engine));
    EXPECT_FALSE(view.connectedShown);
}

TEST_F(Flows, UnitLostDuringAnUploadEndsTheUploadAndTheConnection) {
    view.saveNames.push_back(TempFile("room.kvt"));
    ASSERT_TRUE(flows->SaveAs());
    ConnectOrFail();
    StopAnswering();
    view.openNames.push_back(TempFile("room.kvt"));
    view.yesNoAnswers.push_back(true);
    ASSERT_TRUE(flows->Open());
    EXPECT_TRUE(flows->Busy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !view.warnings.empty(); }, kFlowTimeoutMs));
    EXPECT_TRUE(view.warnings[0].startsWith("Communication with the KVT unit has been lost."));
    ASSERT_TRUE(WaitIdle());
    EXPECT_FALSE(IsConnected(*engine));
    EXPECT_FALSE(view.AnyStatusShown());
    EXPECT_TRUE(view.frameEnabled);
}

// ---- One flow at a time -------------------------------------------------------------------------

TEST_F(Flows, SecondFlowIsRefusedWhileOneRuns) {
    unit.SetOptions({.baudRate = 0, .latency = std::chrono::milliseconds(5)});
    ASSERT_TRUE(flows->Connect());
    ASSERT_TRUE(flows->Busy());
    EXPECT_FALSE(flows->Connect());
    EXPECT_FALSE(flows->Disconnect());
    EXPECT_FALSE(flows->New());
    EXPECT_FALSE(flows->Open());
    EXPECT_FALSE(flows->Close());
    EXPECT_FALSE(flows->SavePersonalityModule());
    EXPECT_TRUE(view.questions.empty());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(IsConnected(*engine));
}

// ---- Configuration files ------------------------------------------------------------------------

TEST_F(Flows, SaveWhileUntitledAsksForANameAndAddsTheExtension) {
    view.saveNames.push_back(TempFile("theatre"));
    ASSERT_TRUE(flows->Save());
    EXPECT_EQ(flows->CurrentPath(), TempFile("theatre.kvt"));
    EXPECT_TRUE(QFile::exists(TempFile("theatre.kvt")));
    EXPECT_FALSE(IsTrueProperty(*engine, &IKVT80::get_ConfigFileDirty));

    // The next Save goes to the same file without asking, and the dialogs start in its folder.
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    ASSERT_TRUE(flows->Save());
    EXPECT_TRUE(view.saveNames.empty());
    EXPECT_EQ(flows->StartFolder(), folder.path());
}

TEST_F(Flows, FileThatCannotBeWrittenIsReportedAndKeepsTheCurrentPath) {
    view.saveNames.push_back(TempFile("saved.kvt"));
    ASSERT_TRUE(flows->SaveAs());
    view.saveNames.push_back(TempFile("no-such-folder/other.kvt"));
    EXPECT_FALSE(flows->SaveAs());
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_TRUE(view.warnings[0].startsWith("Failed to save to the specified parameter file."));
    EXPECT_EQ(flows->CurrentPath(), TempFile("saved.kvt"));
}

TEST_F(Flows, NewAsksToSaveAChangedConfigurationFirst) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    view.saveChangesAnswers.push_back(SaveChangesAnswer::Cancel);
    EXPECT_FALSE(flows->New());
    EXPECT_TRUE(view.startFolders.empty());

    view.saveChangesAnswers.push_back(SaveChangesAnswer::Yes);
    view.saveNames.push_back(TempFile("changed.kvt"));  // Save of the changes, untitled
    view.saveNames.push_back(TempFile("fresh"));        // New's own file
    ASSERT_TRUE(flows->New());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(QFile::exists(TempFile("changed.kvt")));
    EXPECT_EQ(flows->CurrentPath(), TempFile("fresh.kvt"));
    // A new file holds the factory configuration.
    double band = 0;
    ASSERT_EQ(engine->get_EQBand(Variant::Int(1), Variant::Int(14), &band), 0);
    EXPECT_EQ(band, 0.0);
}

TEST_F(Flows, OpenLoadsTheFileAndSendsItToAConnectedUnit) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    view.saveNames.push_back(TempFile("room.kvt"));
    ASSERT_TRUE(flows->SaveAs());
    ConnectOrFail();
    ASSERT_NE(unit.Memory(4, 144), kMinusThreeDb);

    view.openNames.push_back(TempFile("room.kvt"));
    view.yesNoAnswers.push_back(true);  // overwrite the unit
    ASSERT_TRUE(flows->Open());
    EXPECT_TRUE(view.shown[StatusDialog::Upload] || !flows->Busy());
    ASSERT_TRUE(WaitIdle());
    EXPECT_FALSE(view.shown[StatusDialog::Upload]);
    EXPECT_EQ(unit.Memory(4, 144), kMinusThreeDb);
    EXPECT_EQ(flows->CurrentPath(), TempFile("room.kvt"));
}

TEST_F(Flows, OpenAnsweredNoAtTheOverwritePromptChangesNothing) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    view.saveNames.push_back(TempFile("room.kvt"));
    ASSERT_TRUE(flows->SaveAs());
    ConnectOrFail();
    const uint32_t before = unit.Memory(4, 144);
    double bandBefore = 0;
    engine->get_EQBand(Variant::Int(1), Variant::Int(14), &bandBefore);

    view.openNames.push_back(TempFile("room.kvt"));
    view.yesNoAnswers.push_back(false);
    EXPECT_FALSE(flows->Open());
    double band = 0;
    engine->get_EQBand(Variant::Int(1), Variant::Int(14), &band);
    EXPECT_EQ(band, bandBefore);
    EXPECT_EQ(unit.Memory(4, 144), before);
    EXPECT_TRUE(flows->CurrentPath().isEmpty());
    EXPECT_FALSE(view.AnyStatusShown());
}

TEST_F(Flows, FileThatDoesNotLoadNeverBecomesTheCurrentFile) {
    view.saveNames.push_back(TempFile("good.kvt"));
    ASSERT_TRUE(flows->SaveAs());
    QFile bad(TempFile("bad.kvt"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a configuration");
    bad.close();
    view.openNames.push_back(TempFile("bad.kvt"));
    ASSERT_TRUE(flows->Open());
    ASSERT_TRUE(WaitIdle());
    ASSERT_EQ(view.warnings.size(), 1u);
    EXPECT_TRUE(view.warnings[0].startsWith("Failed to load the specified parameter file."));
    EXPECT_EQ(flows->CurrentPath(), TempFile("good.kvt"));
}

TEST(FlowNames, KvtExtensionIsAddedOnlyWhenThereIsNone) {
    EXPECT_EQ(ConnectionFlows::WithKvtExtension("/tmp/a"), "/tmp/a.kvt");
    EXPECT_EQ(ConnectionFlows::WithKvtExtension("/tmp/a.kvt"), "/tmp/a.kvt");
    EXPECT_EQ(ConnectionFlows::WithKvtExtension("/tmp/a.KVT"), "/tmp/a.KVT");
    EXPECT_EQ(ConnectionFlows::WithKvtExtension("/tmp/dir.d/a"), "/tmp/dir.d/a.kvt");
}

}  // namespace
}  // namespace kvt::frontend
