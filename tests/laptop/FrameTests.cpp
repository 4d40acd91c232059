// The laptop program's main frame on the offscreen platform: menus and their enable and check
// rules, the format keys, the fader's writes, the diagnostics unlock, the panes; connected to the
// simulated unit over a pseudo-terminal where the rule depends on the connection.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QWheelEvent>
#include <deque>
#include <memory>

#include "CMainFrame.h"
#include "ConnectionFlows.h"
#include "EngineValues.h"
#include "FrameRig.h"
#include "KVT80.h"
#include "KVTExecApp.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "roomeq/CDlgRoomEQ.h"

namespace kvt::laptop {
namespace {

constexpr int kTimeoutMs = 20000;

// The frame with its questions answered by the test.
class TestFrame : public CMainFrame {
  public:
    using CMainFrame::CMainFrame;

    std::deque<std::optional<QString>> passwords;
    int passwordPrompts = 0;
    std::vector<QString> messages;
    std::deque<frontend::DisconnectChoice> disconnectAnswers;
    QString saveName;  // the save dialog's answer; empty: cancelled

    std::optional<QString> AskPassword() override {
        ++passwordPrompts;
        if (passwords.empty()) {
            return std::nullopt;
        }
        auto answer = passwords.front();
        passwords.pop_front();
        return answer;
    }
    void ShowInformation(const QString& text) override { messages.push_back(text); }
    void ShowWarning(const QString& text) override { messages.push_back(text); }
    void ShowError(const QString& text) override { messages.push_back(text); }
    bool AskYesNo(const QString& text) override {
        messages.push_back(text);
        return false;
    }
    std::optional<QString> AskSaveFileName(const QString&) override {
        if (saveName.isEmpty()) {
            return std::nullopt;
        }
        return saveName;
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
};

class Frame : public FrameRig<TestFrame> {
  protected:
    bool Enabled(int id) const { return frame->Action(id)->isEnabled(); }
    QString PaneText(const char* name) const {
        return frame->findChild<QLabel*>(QLatin1String(name))->text();
    }
    int32_t FaderLevel() const {
        int32_t level = -1;
        engine->get_FaderLevel(&level);
        return level;
    }
};

constexpr int kCommunicationSettings = 32777;
constexpr int kConnect = 32778;
constexpr int kDisconnect = 32779;
constexpr int kSavePersonalityModule = 32787;
constexpr int kSystemMute = 32788;
constexpr int kUnlockDiagnostics = 32790;
constexpr int kSetDateTime = 32883;
constexpr int kF8 = 32799;

TEST_F(Frame, CommandsFollowTheConnection) {
    EXPECT_TRUE(Enabled(kCommunicationSettings));
    EXPECT_TRUE(Enabled(kConnect));
    EXPECT_FALSE(Enabled(kDisconnect));
    EXPECT_FALSE(Enabled(kSavePersonalityModule));
    EXPECT_FALSE(Enabled(kSystemMute));
    EXPECT_FALSE(Enabled(kSetDateTime));
    EXPECT_EQ(PaneText("connectionPane"), "Disconnected");
    EXPECT_FALSE(frame->findChild<QWidget*>("1382")->isEnabled());

    ConnectOrFail();
    EXPECT_FALSE(Enabled(kCommunicationSettings));
    EXPECT_FALSE(Enabled(kConnect));
    EXPECT_TRUE(Enabled(kDisconnect));
    EXPECT_TRUE(Enabled(kSavePersonalityModule));
    EXPECT_TRUE(Enabled(kSystemMute));
    EXPECT_TRUE(Enabled(kSetDateTime));
    EXPECT_EQ(PaneText("connectionPane"), "Connected");
    EXPECT_TRUE(frame->findChild<QWidget*>("1382")->isEnabled());

    frame->disconnectAnswers.push_back({frontend::DisconnectAnswer::Yes, false});
    frame->Action(kDisconnect)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->Flows().Busy(); }, kTimeoutMs));
    EXPECT_TRUE(Enabled(kConnect));
    EXPECT_FALSE(Enabled(kDisconnect));
    EXPECT_FALSE(Enabled(kSetDateTime));
    EXPECT_EQ(PaneText("connectionPane"), "Disconnected");
}

TEST_F(Frame, ConnectingShowsTheUnitsFaderAndMute) {
    unit.MoveFader(55);
    unit.SetMuted(true);
    ConnectOrFail();
    EXPECT_TRUE(frame->Action(kSystemMute)->isChecked());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return frame->findChild<QWidget*>("faderValue") != nullptr &&
                   frame->findChild<QLabel*>("faderValue")->text() == "5.5";
        },
        kTimeoutMs));

    // The mute command reaches the unit and the button follows.
    frame->Action(kSystemMute)->trigger();
    EXPECT_FALSE(frame->Action(kSystemMute)->isChecked());
    EXPECT_TRUE(testing::Eventually([&] { return !unit.Panel().muted; }));
}

TEST_F(Frame, FormatKeysGoThroughTheButtonTable) {
    // F8 is labelled with format 8 but selects what the fifth button holds.
    ASSERT_EQ(engine->put_ButtonFormat(Variant::Int(4), 9), 0);
    QSignalSpy selected(frame.get(), &CMainFrame::selectFormat);
    frame->Action(kF8)->trigger();
    Variant mode;
    ASSERT_EQ(engine->get_Mode(&mode), 0);
    EXPECT_EQ(mode.Int32(), 9);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_EQ(selected.at(0).at(0).toInt(), 9);

    std::u16string first;
    std::u16string second;
    engine->get_FormatTxt1(Variant::Int(8), &first);
    engine->get_FormatTxt2(Variant::Int(8), &second);
    for (QMenu* menu : frame->findChildren<QMenu*>()) {
        emit menu->aboutToShow();
    }
    EXPECT_EQ(frame->Action(kF8)->text(), frontend::ToQString(first) + frontend::ToQString(second));
    EXPECT_EQ(frame->Action(kF8)->shortcut(), QKeySequence(Qt::Key_F8));
}

TEST_F(Frame, FormatItemsAreGrayedAndThePaneSaysGeneratorWhileItPlays) {
    ConnectOrFail();
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(2)), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return PaneText("formatPane") == "GENERATOR"; }, kTimeoutMs));
    for (QMenu* menu : frame->findChildren<QMenu*>()) {
        emit menu->aboutToShow();
    }
    for (const auto& key : CMainFrame::FormatKeys()) {
        EXPECT_FALSE(frame->Action(key.id)->isEnabled()) << key.id;
    }
    ASSERT_EQ(engine->put_GeneratorChannels(Variant::Int(0)), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return PaneText("formatPane") != "GENERATOR"; }, kTimeoutMs));
}

TEST_F(Frame, FaderWritesWhenAskedToAndOnlyThen) {
    ConnectOrFail();
    frame->SetFader(40, false);
    EXPECT_NE(FaderLevel(), 40);
    frame->SetFader(40, true);
    EXPECT_EQ(FaderLevel(), 40);
    EXPECT_EQ(frame->findChild<QLabel*>("faderValue")->text(), "4.0");
    EXPECT_TRUE(testing::Eventually([&] { return unit.Panel().level == 40; }));
}

TEST_F(Frame, WheelTurnsNeverReachAControl) {
    ConnectOrFail();
    auto* fader = frame->findChild<QAbstractSlider*>("1382");
    ASSERT_NE(fader, nullptr);
    const int before = fader->value();
    const int32_t levelBefore = FaderLevel();
    const QPointF centre(fader->width() / 2.0, fader->height() / 2.0);
    QWheelEvent wheel(centre, fader->mapToGlobal(centre), QPoint(), QPoint(0, 120 * 3),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(fader, &wheel);
    EXPECT_EQ(fader->value(), before);
    EXPECT_EQ(FaderLevel(), levelBefore);
}

TEST_F(Frame, WheelTurnsScrollAListThatOnlyScrolls) {
    QPlainTextEdit view;
    view.setPlainText(QString("line\n").repeated(500));
    view.resize(200, 100);
    view.show();
    QScrollBar* bar = view.verticalScrollBar();
    ASSERT_EQ(bar->value(), 0);
    const QPointF centre(view.viewport()->width() / 2.0, view.viewport()->height() / 2.0);
    QWheelEvent wheel(centre, view.viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120 * 3),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
    EXPECT_GT(bar->value(), 0);
}

TEST_F(Frame, ThreeWrongPasswordsLeaveTheDiagnosticsLocked) {
    QSignalSpy unlocked(frame.get(), &CMainFrame::diagnosticsUnlocked);
    frame->passwords = {QString("wrong"), QString("Mivok"), QString("mivok ")};
    frame->UnlockDiagnostics();
    EXPECT_EQ(frame->passwordPrompts, 3);
    EXPECT_FALSE(frame->DiagnosticsUnlocked());
    EXPECT_TRUE(Enabled(kUnlockDiagnostics));
    ASSERT_EQ(unlocked.count(), 1);
    EXPECT_FALSE(unlocked.at(0).at(0).toBool());
}

TEST_F(Frame, RightPasswordOnTheSecondTryUnlocksOnce) {
    QSignalSpy unlocked(frame.get(), &CMainFrame::diagnosticsUnlocked);
    const int tabs = frame->Tabs().count();
    frame->passwords = {QString("guess"), QString("mivok")};
    frame->UnlockDiagnostics();
    EXPECT_EQ(frame->passwordPrompts, 2);
    EXPECT_TRUE(frame->DiagnosticsUnlocked());
    EXPECT_FALSE(Enabled(kUnlockDiagnostics));
    ASSERT_EQ(unlocked.count(), 1);
    EXPECT_TRUE(unlocked.at(0).at(0).toBool());
    // The serial number can be edited now.
    auto* serial = frame->findChild<QWidget*>("1363");
    ASSERT_NE(serial, nullptr);
    EXPECT_FALSE(serial->property("readOnly").toBool());
    // The diagnostics pages the program has are appended once, in their order.
    int expected = tabs;
    for (const auto page :
         {CMainFrame::kDownloadPage, CMainFrame::kTerminalPage, CMainFrame::kEventLogPage}) {
        if (QWidget* widget = frame->PageWidget(page)) {
            EXPECT_EQ(frame->Tabs().indexOf(widget), expected++) << page;
        }
    }
    EXPECT_EQ(frame->Tabs().count(), expected);

    frame->UnlockDiagnostics();
    EXPECT_EQ(frame->passwordPrompts, 2);
    EXPECT_EQ(frame->Tabs().count(), expected);
}

TEST_F(Frame, CancelledPasswordPromptEndsTheTries) {
    frame->passwords = {std::nullopt};
    frame->UnlockDiagnostics();
    EXPECT_EQ(frame->passwordPrompts, 1);
    EXPECT_FALSE(frame->DiagnosticsUnlocked());
}

TEST_F(Frame, LanguageChoiceTakesEffectAtTheNextStart) {
    frame->Action(32879)->trigger();  // German
    EXPECT_EQ(frame->LanguageCode(), 7);
    EXPECT_TRUE(frame->LanguageChanged());
    ASSERT_EQ(frame->messages.size(), 1u);
    EXPECT_EQ(frame->messages[0],
              "The language change will take effect when the program restarts.");
    for (QMenu* menu : frame->findChildren<QMenu*>()) {
        emit menu->aboutToShow();
    }
    EXPECT_TRUE(frame->Action(32879)->isChecked());
    EXPECT_FALSE(frame->Action(32875)->isChecked());
}

TEST_F(Frame, MissingHelpDocumentIsReportedPlainly) {
    frame->Action(32882)->trigger();
    ASSERT_EQ(frame->messages.size(), 1u);
    EXPECT_TRUE(frame->messages[0].contains("KVT80Checklist.htm"))
        << frame->messages[0].toStdString();
}

TEST_F(Frame, TitleNamesTheCurrentFile) {
    EXPECT_EQ(frame->windowTitle(), "KVT-80 Laptop Interface Software");
    QTemporaryDir folder;
    frame->saveName = folder.filePath("rex-screen1");
    frame->Action(32775)->trigger();
    EXPECT_EQ(frame->windowTitle(), "KVT-80 Laptop Interface Software - rex-screen1.kvt");
}

TEST_F(Frame, SavingWritesAFieldStillBeingEdited) {
    QTemporaryDir folder;
    frame->saveName = folder.filePath("visit.kvt");
    auto* theater = frame->findChild<QLineEdit*>("1367");
    ASSERT_NE(theater, nullptr);
    theater->setFocus();
    theater->selectAll();
    QTest::keyClicks(theater, "Rex Cinema");
    // Ctrl+S leaves the focus where it is.
    frame->Action(32775)->trigger();
    Variant d1, d2, project, name, screen, model, automation, comments;
    ASSERT_EQ(
        engine->GetConfigurationPreview(frontend::TextVariant(frame->saveName), &d1, &d2, &project,
                                        &name, &screen, &model, &automation, &comments),
        0);
    EXPECT_TRUE(frontend::ToQString(name.StringValue()).startsWith("Rex Cinema"));
}

// ---- Start-up -----------------------------------------------------------------------------------

TEST(StartUp, RegserverAnywhereInTheCommandLineEndsTheProgram) {
    char program[] = "KVTExec";
    char inside[] = "/xregserverx";
    char plain[] = "--demo";
    char* withWord[] = {program, plain, inside, nullptr};
    char* without[] = {program, plain, nullptr};
    EXPECT_TRUE(AsksForRegistration(3, withWord));
    EXPECT_FALSE(AsksForRegistration(2, without));
    char upper[] = "REGSERVER";
    char* caseDiffers[] = {program, upper, nullptr};
    EXPECT_FALSE(AsksForRegistration(2, caseDiffers));
}

TEST(StartUp, FrameSizeFollowsTheScreensDotsPerInch) {
    EXPECT_EQ(FrameClientSize(96, 96), QSize(755, 430));
    EXPECT_EQ(FrameClientSize(120, 120), QSize(1094, 538));
}

TEST(StartUp, CommandLineOptions) {
    const auto demo = ParseLaunchOptions({"KVTExec", "--demo", "--lang", "7"});
    EXPECT_TRUE(demo.error.isEmpty());
    EXPECT_TRUE(demo.demo);
    EXPECT_EQ(demo.language, 7);
    EXPECT_EQ(ParseLaunchOptions({"KVTExec", "--port", "/dev/ttyUSB0"}).port, "/dev/ttyUSB0");
    EXPECT_FALSE(ParseLaunchOptions({"KVTExec", "--port"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"KVTExec", "--lang", "german"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"KVTExec", "--demo", "--port", "COM1"}).error.isEmpty());
    EXPECT_FALSE(ParseLaunchOptions({"KVTExec", "--bogus"}).error.isEmpty());
}

TEST(StartUp, LanguagesWithoutATranslationStayEnglish) {
    for (int code : {9, 3, 0, 1033}) {
        EXPECT_EQ(LoadTranslation(code), nullptr) << code;
    }
}

// Tools > Room EQ Assistant: only while connected; it opens one wizard beside the frame.
TEST_F(Frame, ToolsMenuOpensTheRoomEQAssistantWhileConnected) {
    constexpr int kRoomEQ = 32884;
    QAction* item = frame->Action(kRoomEQ);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "&Room EQ Assistant...");
    EXPECT_FALSE(item->isEnabled());
    ASSERT_NO_FATAL_FAILURE(ConnectOrFail());
    EXPECT_TRUE(item->isEnabled());
    item->trigger();
    auto* wizard = frame->findChild<CDlgRoomEQ*>();
    ASSERT_NE(wizard, nullptr);
    EXPECT_TRUE(wizard->isVisible());
    EXPECT_EQ(wizard->CurrentStage(), CDlgRoomEQ::Stage::Setup);
    EXPECT_EQ(frame->ShowRoomEQ(), wizard);  // the open one again
    wizard->close();
}

// While the assistant measures, nothing may close the connection or load a configuration under
// it; the commands come back when it has switched the generator off.
TEST_F(Frame, RoomEQRunHoldsTheConnectionAndFileCommands) {
    constexpr int kNew = 32773;
    constexpr int kOpen = 32774;
    constexpr int kServiceReport = 32891;
    ASSERT_NO_FATAL_FAILURE(ConnectOrFail());
    CDlgRoomEQ* wizard = frame->ShowRoomEQ();
    wizard->Measuring().settleTime = std::chrono::milliseconds(0);
    wizard->SetChannels({0});
    QSignalSpy finished(wizard, &CDlgRoomEQ::runFinished);
    ASSERT_TRUE(wizard->Start());
    for (int id :
         {kNew, kOpen, kDisconnect, kSavePersonalityModule, kSetDateTime, kServiceReport}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_FALSE(frame->close());  // refused with a word, not queued
    wizard->Cancel();
    ASSERT_TRUE(finished.wait(60000));
    for (int id :
         {kNew, kOpen, kDisconnect, kSavePersonalityModule, kSetDateTime, kServiceReport}) {
        EXPECT_TRUE(Enabled(id)) << id;
    }
    EXPECT_TRUE(frame->isVisible());
    wizard->close();
}

}  // namespace
}  // namespace kvt::laptop
