// The handheld program's window on the offscreen platform: its title and menus, the panel shown,
// the exit question, and the connection and file flows started from its own menus against the
// simulated unit over a pseudo-terminal.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <memory>

#include "CHandheldFrame.h"
#include "ConnectionFlows.h"
#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "KVTExecCEApp.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "dialogs/CDlgHandheld.h"
#include "panels/CPanel.h"
#include "panels/CPanelEqualizer.h"
#include "panels/CPanelFormatSetup.h"

namespace kvt::handheld {
namespace {

constexpr int kTimeoutMs = 20000;
constexpr uint32_t kMinusThreeDb = 0xFFFFE2;  // -30 tenths as a 24-bit word

// The window with its questions answered by the test.
class TestFrame : public CHandheldFrame {
  public:
    using CHandheldFrame::CHandheldFrame;

    std::deque<frontend::DisconnectChoice> disconnectAnswers;
    std::deque<bool> yesNoAnswers;
    std::deque<bool> exitAnswers;
    std::vector<QString> messages;
    std::vector<QString> questions;
    QString saveName;
    QString openName;

    bool AskExit() override {
        if (exitAnswers.empty()) {
            ADD_FAILURE() << "unexpected exit question";
            return false;
        }
        const bool answer = exitAnswers.front();
        exitAnswers.pop_front();
        return answer;
    }
    frontend::DisconnectChoice AskDisconnect() override {
        if (disconnectAnswers.empty()) {
            ADD_FAILURE() << "unexpected disconnect prompt";
            return {};
        }
        auto answer = disconnectAnswers.front();
        disconnectAnswers.pop_front();
        return answer;
    }
    frontend::SaveChangesAnswer AskSaveChanges(const QString& name) override {
        questions.push_back(name);
        return frontend::SaveChangesAnswer::No;
    }
    bool AskYesNo(const QString& text) override {
        questions.push_back(text);
        if (yesNoAnswers.empty()) {
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::optional<QString> AskSaveFileName(const QString&) override {
        return saveName.isEmpty() ? std::nullopt : std::optional<QString>(saveName);
    }
    std::optional<QString> AskOpenFileName(const QString&) override {
        return openName.isEmpty() ? std::nullopt : std::optional<QString>(openName);
    }
    void ShowWarning(const QString& text) override { messages.push_back(text); }
    void ShowError(const QString& text) override { messages.push_back(text); }
    void DestroyAll() override { destroyed = true; }
    bool destroyed = false;
};

class Frame : public ::testing::Test {
  protected:
    void SetUp() override {
        port = unit.StartPty();
        ASSERT_EQ(CreateEngine("KVT80CE.KVT80CE", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(testing::FastTimings());
        ASSERT_EQ(engine->put_ComPort(frontend::TextVariant(QString::fromStdString(port))), 0);
        frame = std::make_unique<TestFrame>(*engine, 9);
        frame->resize(240, 320);
        frame->show();
    }

    void TearDown() override {
        EXPECT_TRUE(WaitIdle());
        frame.reset();
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
        unit.Stop();
    }

    bool WaitIdle() {
        return QTest::qWaitFor([&] { return !frame->Flows().Busy(); }, kTimeoutMs);
    }
    void ConnectFromTheMenu() {
        frame->Action(CHandheldFrame::kConnect)->trigger();
        ASSERT_TRUE(WaitIdle());
        ASSERT_TRUE(frontend::IsConnected(*engine));
    }
    QString TempFile(const QString& name) const { return folder.filePath(name); }

    testing::ScopedConfigHome config;
    QTemporaryDir folder;
    sim::SimulatedUnit unit;
    std::string port;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<TestFrame> frame;
};

TEST_F(Frame, StartsOnTheOpticalPanelWithTheFourMenus) {
    EXPECT_EQ(frame->CurrentPanel(), CHandheldFrame::kOpticalPanel);
    EXPECT_EQ(frame->windowTitle(), "KVT80 - Optical");
    QStringList menus;
    for (QAction* menu : frame->menuBar()->actions()) {
        menus << menu->text();
    }
    EXPECT_EQ(menus, QStringList({"File", "Comm", "Format", "Panel"}));

    const std::vector<std::pair<int, QString>> items{
        {57600, "New"},
        {57601, "Open"},
        {57603, "Save"},
        {57604, "Save As..."},
        {32772, "Save to Personality Module"},
        {32774, "Copy EQ Settings..."},
        {32828, "Headroom Configuration..."},
        {32829, "Input Configuration..."},
        {32830, "Digital Delays..."},
        {57664, "About..."},
        {32775, "Communication Settings..."},
        {32776, "Connect"},
        {32777, "Disconnect"},
        {32780, "Mono"},
        {32783, "Ext 1 (Analog)"},
        {32785, "Non-Sync"},
        {32787, "Mic"},
        {32790, "Profile"},
        {32791, "Optical"},
        {32793, "Equalizer"},
        {32794, "Format Setup"},
        {32795, "Outputs"},
    };
    for (const auto& [id, text] : items) {
        ASSERT_NE(frame->Action(id), nullptr) << id;
        EXPECT_EQ(frame->Action(id)->text(), text) << id;
        EXPECT_EQ(frame->Action(id)->objectName(), QString::number(id));
    }
}

TEST_F(Frame, PanelMenuShowsOnePanelAndNamesItInTheTitle) {
    frame->Action(32795)->trigger();
    EXPECT_EQ(frame->CurrentPanel(), CHandheldFrame::kOutputsPanel);
    EXPECT_EQ(frame->windowTitle(), "KVT80 - Outputs");
    int visible = 0;
    for (int panel = 0; panel < CHandheldFrame::kPanelCount; ++panel) {
        if (CPanel* widget = frame->PanelWidget(CHandheldFrame::Panel(panel))) {
            visible += widget->isVisible() ? 1 : 0;
        }
    }
    EXPECT_EQ(visible, 1);
    EXPECT_TRUE(frame->PanelWidget(CHandheldFrame::kOutputsPanel)->isVisible());
    frame->Action(32793)->trigger();
    EXPECT_EQ(frame->windowTitle(), "KVT80 - Equalizer");
    EXPECT_TRUE(frame->Action(32793)->isChecked());
    EXPECT_FALSE(frame->Action(32795)->isChecked());
}

TEST_F(Frame, FileAndCommMenusOpenTheHandheldsDialogs) {
    std::vector<QString> opened;
    frame->SetDialogShown([&](QDialog& dialog) {
        opened.push_back(dialog.metaObject()->className());
        // Fitted to the window before it shows.
        EXPECT_LE(dialog.width(), 240) << dialog.metaObject()->className();
        EXPECT_LE(dialog.height(), 320) << dialog.metaObject()->className();
        QTimer::singleShot(0, &dialog, &QDialog::reject);
    });
    for (int command : {CHandheldFrame::kAbout, CHandheldFrame::kCommunicationSettings,
                        CHandheldFrame::kCopyEQ, CHandheldFrame::kHeadroomConfiguration,
                        CHandheldFrame::kInputConfiguration, CHandheldFrame::kDigitalDelays}) {
        QAction* action = frame->Action(command);
        ASSERT_TRUE(action->isEnabled()) << command;
        action->trigger();
    }
    // The Format Setup panel's "Digital Delay" opens the same dialog.
    frame->ShowPanel(CHandheldFrame::kFormatSetupPanel);
    EXPECT_EQ(frame->windowTitle(), "KVT80 - Format Setup");
    auto* setup =
        static_cast<CPanelFormatSetup*>(frame->PanelWidget(CHandheldFrame::kFormatSetupPanel));
    setup->DigitalDelayButton()->click();
    EXPECT_EQ(opened, (std::vector<QString>{
                          "kvt::handheld::CDlgAbout", "kvt::handheld::CDlgCommSettings",
                          "kvt::handheld::CDlgCopyEQ", "kvt::laptop::CDlgHeadroomAdjust",
                          "kvt::laptop::CDlgInputConfiguration", "kvt::handheld::CDlgDigitalDelays",
                          "kvt::handheld::CDlgDigitalDelays"}));
}

TEST_F(Frame, CopyEQStartsFromTheEqualizerChannelAndCopiesOnCopy) {
    auto* equalizer =
        static_cast<CPanelEqualizer*>(frame->PanelWidget(CHandheldFrame::kEqualizerPanel));
    equalizer->SelectChannel(2);
    ASSERT_EQ(engine->put_EQBand(Variant::Int(2), Variant::Int(3), 4.5), status::Ok);
    frame->SetDialogShown([](QDialog& dialog) {
        auto& copy = static_cast<CDlgCopyEQ&>(dialog);
        EXPECT_EQ(copy.SourceChannel(), 2);
        copy.DestinationBox(0)->setChecked(true);
        QTimer::singleShot(0, &dialog, &QDialog::accept);
    });
    frame->Action(CHandheldFrame::kCopyEQ)->trigger();
    double band = 0;
    engine->get_EQBand(Variant::Int(0), Variant::Int(3), &band);
    EXPECT_DOUBLE_EQ(band, 4.5);
}

TEST_F(Frame, CommandsFollowTheConnection) {
    EXPECT_TRUE(frame->Action(CHandheldFrame::kConnect)->isEnabled());
    EXPECT_FALSE(frame->Action(CHandheldFrame::kDisconnect)->isEnabled());
    EXPECT_FALSE(frame->Action(CHandheldFrame::kSavePersonalityModule)->isEnabled());
    ConnectFromTheMenu();
    EXPECT_FALSE(frame->Action(CHandheldFrame::kConnect)->isEnabled());
    EXPECT_FALSE(frame->Action(CHandheldFrame::kCommunicationSettings)->isEnabled());
    EXPECT_TRUE(frame->Action(CHandheldFrame::kDisconnect)->isEnabled());
    EXPECT_TRUE(frame->Action(CHandheldFrame::kSavePersonalityModule)->isEnabled());
}

TEST_F(Frame, DisconnectFromTheMenuStoresVerifiesAndCopiesToThePersonalityModule) {
    ConnectFromTheMenu();
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return unit.Memory(4, 144) == kMinusThreeDb; }, kTimeoutMs));

    frame->disconnectAnswers.push_back({frontend::DisconnectAnswer::Yes, true});
    frame->Action(CHandheldFrame::kDisconnect)->trigger();
    ASSERT_TRUE(WaitIdle());
    EXPECT_FALSE(frontend::IsConnected(*engine));
    EXPECT_EQ(unit.StoredMemory(4, 144), kMinusThreeDb);
    EXPECT_EQ(unit.CardWord(4, 144), std::optional<uint32_t>(kMinusThreeDb));
    EXPECT_TRUE(frame->messages.empty());
    EXPECT_TRUE(frame->menuBar()->isEnabled());
    EXPECT_TRUE(frame->Action(CHandheldFrame::kConnect)->isEnabled());
}

TEST_F(Frame, DisconnectAnsweredNoStaysConnectedAndDoNotSaveStoresNothing) {
    ConnectFromTheMenu();
    const uint32_t stored = unit.StoredMemory(4, 144);
    frame->disconnectAnswers.push_back({frontend::DisconnectAnswer::Cancel, true});
    frame->Action(CHandheldFrame::kDisconnect)->trigger();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(frontend::IsConnected(*engine));

    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return unit.Memory(4, 144) == kMinusThreeDb; }, kTimeoutMs));
    frame->disconnectAnswers.push_back({frontend::DisconnectAnswer::DoNotSave, true});
    frame->Action(CHandheldFrame::kDisconnect)->trigger();
    ASSERT_TRUE(WaitIdle());
    EXPECT_FALSE(frontend::IsConnected(*engine));
    EXPECT_EQ(unit.StoredMemory(4, 144), stored);
    EXPECT_TRUE(unit.CardImage().empty());
}

TEST_F(Frame, FailedStoreIsReportedAndTheUnitStaysConnected) {
    ConnectFromTheMenu();
    unit.FailSaves(1);
    frame->disconnectAnswers.push_back({frontend::DisconnectAnswer::Yes, false});
    frame->Action(CHandheldFrame::kDisconnect)->trigger();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(frontend::IsConnected(*engine));
    ASSERT_EQ(frame->messages.size(), 1u);
    EXPECT_TRUE(frame->messages[0].startsWith("Failed to save DSP parameters"));
    EXPECT_TRUE(frame->menuBar()->isEnabled());
}

TEST_F(Frame, PersonalityModuleSaveFromTheMenuCopiesTheUnit) {
    ConnectFromTheMenu();
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return unit.Memory(4, 144) == kMinusThreeDb; }, kTimeoutMs));
    frame->yesNoAnswers.push_back(true);
    QSignalSpy progress(&frame->Bridge(), &frontend::EngineBridge::saveMMCProgress);
    frame->Action(CHandheldFrame::kSavePersonalityModule)->trigger();
    ASSERT_TRUE(WaitIdle());
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.back()[0].toInt(), 2) << "the transfer completed";
    ASSERT_FALSE(frame->questions.empty());
    EXPECT_TRUE(frame->questions.back().startsWith(
        "This operation will overwrite the current data stored on the Personality Module."));
    EXPECT_EQ(unit.CardWord(4, 144), std::optional<uint32_t>(kMinusThreeDb));
    EXPECT_TRUE(frame->menuBar()->isEnabled());
}

TEST_F(Frame, SaveAsOpenAndNewFromTheFileMenu) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    frame->saveName = TempFile("room.kvt");
    frame->Action(CHandheldFrame::kSave)->trigger();  // untitled: Save As
    ASSERT_TRUE(WaitIdle());
    ASSERT_TRUE(QFile::exists(TempFile("room.kvt")));
    EXPECT_EQ(frame->Flows().CurrentPath(), TempFile("room.kvt"));

    ConnectFromTheMenu();
    ASSERT_NE(unit.Memory(4, 144), kMinusThreeDb);
    frame->openName = TempFile("room.kvt");
    frame->yesNoAnswers.push_back(true);  // overwrite the unit
    frame->Action(CHandheldFrame::kOpen)->trigger();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(unit.Memory(4, 144), kMinusThreeDb);

    // New writes the factory configuration to the new file and to the unit.
    frame->saveName = TempFile("fresh.kvt");
    frame->yesNoAnswers.push_back(true);
    frame->Action(CHandheldFrame::kNew)->trigger();
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(QFile::exists(TempFile("fresh.kvt")));
    EXPECT_EQ(unit.Memory(4, 144), 0u);
    EXPECT_TRUE(frame->messages.empty());
}

TEST_F(Frame, OpenAnsweredNoAtTheOverwriteQuestionChangesNothing) {
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), 0);
    frame->saveName = TempFile("room.kvt");
    frame->Action(CHandheldFrame::kSaveAs)->trigger();
    ASSERT_TRUE(WaitIdle());
    ConnectFromTheMenu();
    const uint32_t before = unit.Memory(4, 144);
    frame->openName = TempFile("room.kvt");
    frame->yesNoAnswers.push_back(false);
    frame->Action(CHandheldFrame::kOpen)->trigger();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(unit.Memory(4, 144), before);
}

TEST_F(Frame, ExitQuestionAnsweredNoKeepsTheWindowAndYesDisconnectsFirst) {
    ConnectFromTheMenu();
    frame->exitAnswers.push_back(false);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    EXPECT_FALSE(frame->destroyed);

    frame->exitAnswers.push_back(true);
    frame->disconnectAnswers.push_back({frontend::DisconnectAnswer::Yes, false});
    frame->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->destroyed; }, kTimeoutMs));
    EXPECT_FALSE(frontend::IsConnected(*engine));
    EXPECT_TRUE(frame->disconnectAnswers.empty());
}

TEST(WindowGeometry, FillsASmallScreenAndIsPhoneSizedOnADesktop) {
    EXPECT_EQ(WindowGeometry(QRect(0, 0, 240, 320)), QRect(0, 0, 240, 320));
    EXPECT_EQ(WindowGeometry(QRect(0, 0, 480, 800)), QRect(0, 0, 480, 800));
    const QRect desktop(0, 0, 1920, 1080);
    const QRect window = WindowGeometry(desktop);
    EXPECT_EQ(window.size(), QSize(240, 320));
    EXPECT_EQ(window.center(), desktop.center());
}

TEST(LaunchOptions, DemoPortAndScreenshots) {
    EXPECT_TRUE(ParseLaunchOptions({"KVTExecCE", "--demo"}).demo);
    EXPECT_EQ(ParseLaunchOptions({"KVTExecCE", "--port", "USB"}).port, QString("USB"));
    EXPECT_FALSE(ParseLaunchOptions({"KVTExecCE", "--demo", "--port", "USB"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"KVTExecCE", "--screenshots", "x"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"KVTExecCE", "--port"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"KVTExecCE", "--lang", "de"}).error.isEmpty());
}

}  // namespace
}  // namespace kvt::handheld
