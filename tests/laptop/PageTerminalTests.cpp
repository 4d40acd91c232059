// The Terminal page: the session that follows the page and the connection, typing to the unit's
// command interpreter and seeing its replies, the engine's normal operation after the page is
// left, and the console's output rules (visible control bytes, backspace, a bounded view).
#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <memory>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "UnitRig.h"
#include "pages/CDlgTerminalForm.h"

namespace kvt::laptop {
namespace {

constexpr int kTimeoutMs = 15000;

class TerminalPage : public UnitRig {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(UnitRig::SetUp());
        // The page on a tab of its own beside another, as in the frame.
        tabs = std::make_unique<QTabWidget>();
        other = new QWidget;
        tabs->addTab(other, "Profile");
        page = new CDlgTerminalForm(*engine, *bridge);
        tabs->addTab(page, "Terminal");
        tabs->resize(700, 400);
        tabs->show();
    }

    void TearDown() override {
        tabs.reset();
        UnitRig::TearDown();
    }

    void Connect() {
        ASSERT_NO_FATAL_FAILURE(ConnectToUnit(true));
        page->Refresh();
    }

    // Shows the Terminal tab and waits until the unit's prompt was reached.
    void OpenSession() {
        QSignalSpy finished(page, &CDlgTerminalForm::promptAttemptFinished);
        tabs->setCurrentWidget(page);
        ASSERT_TRUE(finished.wait(kTimeoutMs) || finished.count() > 0);
        ASSERT_TRUE(finished.at(0).at(0).toBool());
        // The prompt the carriage return after it brings back.
        ASSERT_TRUE(WaitForConsole(">"));
    }

    bool WaitForConsole(const QString& text) {
        return QTest::qWaitFor([&] { return Console().contains(text); }, kTimeoutMs);
    }

    QString Console() const { return page->Console().toPlainText(); }

    bool TerminalLogging() const {
        return frontend::IsTrueProperty(*engine, &IKVT80::get_TerminalLogging);
    }
    bool Ready() const {
        VariantBool ready = VARIANT_FALSE;
        engine->get_Initialized(&ready);
        return ready == VARIANT_TRUE;
    }

    QString Status() const { return page->findChild<QLabel*>("terminalStatus")->text(); }
    QString TypedLine() const { return page->findChild<QLabel*>("typedLine")->text(); }

    std::unique_ptr<QTabWidget> tabs;
    QWidget* other = nullptr;
    CDlgTerminalForm* page = nullptr;
};

TEST_F(TerminalPage, EntersTheInterpreterAndShowsTheReplyToATypedCommand) {
    unit.SetEventLog({{"240105 091502", "Power on"}, {"240106 080000", "Format 1 selected"}});
    Connect();
    OpenSession();
    EXPECT_TRUE(TerminalLogging());
    EXPECT_FALSE(Ready());  // the worker is quiet while a person types
    EXPECT_TRUE(Status().startsWith("Connected to the unit's command interpreter"))
        << Status().toStdString();

    QTest::keyClicks(&page->Console(), "dumplog");
    EXPECT_EQ(TypedLine(), "Typed: dumplog");
    QTest::keyClick(&page->Console(), Qt::Key_Return);
    ASSERT_TRUE(WaitForConsole("240106 080000 Format 1 selected"));
    EXPECT_TRUE(TypedLine().isEmpty());
    EXPECT_TRUE(Console().contains("dumplog\n240105 091502 Power on\n")) << Console().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Console().endsWith(">"); }, kTimeoutMs));
    const auto lines = unit.ReceivedLines();
    EXPECT_EQ(lines.back(), "dumplog");
}

TEST_F(TerminalPage, TypedCharacterGoesToTheUnitAndIsShownOnlyByItsEcho) {
    Connect();
    OpenSession();
    const QString before = Console();
    const uint64_t received = unit.BytesReceived();
    QTest::keyClick(&page->Console(), Qt::Key_A);
    ASSERT_TRUE(testing::Eventually([&] { return unit.BytesReceived() == received + 1; }));
    EXPECT_EQ(Console(), before);
    // A backspace takes it back at the unit; Enter then sends an empty line.
    unit.ClearReceivedLines();
    QTest::keyClick(&page->Console(), Qt::Key_Backspace);
    QTest::keyClick(&page->Console(), Qt::Key_Return);
    ASSERT_TRUE(unit.WaitForLines(1, std::chrono::milliseconds(kTimeoutMs)));
    EXPECT_EQ(unit.ReceivedLines(), std::vector<std::string>{""});
}

TEST_F(TerminalPage, CaretKeysAndDeleteDoNothing) {
    Connect();
    OpenSession();
    const QString before = Console();
    const uint64_t received = unit.BytesReceived();
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                              Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown}) {
        QTest::keyClick(&page->Console(), key);
    }
    // Something that is sent, after them: once it is there, nothing came before it.
    QTest::keyClick(&page->Console(), Qt::Key_X);
    ASSERT_TRUE(testing::Eventually([&] { return unit.BytesReceived() > received; }));
    EXPECT_EQ(unit.BytesReceived(), received + 1);
    EXPECT_EQ(Console(), before);
}

TEST_F(TerminalPage, LeavingThePageRestoresNormalOperation) {
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), status::Ok);
    Connect();
    OpenSession();
    ASSERT_FALSE(Ready());

    tabs->setCurrentWidget(other);
    EXPECT_FALSE(page->SessionActive());
    EXPECT_TRUE(Status().contains("normal operation"));
    ASSERT_TRUE(testing::Eventually([&] { return !TerminalLogging() && Ready(); }));
    // The worker writes to the unit again.
    ASSERT_EQ(engine->put_FaderLevel(42), status::Ok);
    ASSERT_TRUE(testing::Eventually([&] { return unit.Panel().level == 42; }));

    // Coming back starts a new session.
    OpenSession();
    EXPECT_TRUE(TerminalLogging());
}

TEST_F(TerminalPage, LineLeftHalfTypedIsTakenBackAtTheUnit) {
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), status::Ok);
    Connect();
    OpenSession();
    QTest::keyClicks(&page->Console(), "stat");
    tabs->setCurrentWidget(other);
    ASSERT_TRUE(testing::Eventually([&] { return Ready(); }));
    // The engine's next command reaches the unit whole: the fader moves.
    unit.ClearReceivedLines();
    ASSERT_EQ(engine->put_FaderLevel(42), status::Ok);
    ASSERT_TRUE(testing::Eventually([&] { return unit.Panel().level == 42; }));
    for (const std::string& line : unit.ReceivedLines()) {
        EXPECT_NE(line.rfind("stat", 0), 0u) << line;
    }
}

TEST_F(TerminalPage, NothingHappensWhileNotConnected) {
    tabs->setCurrentWidget(page);
    EXPECT_FALSE(page->SessionActive());
    EXPECT_FALSE(TerminalLogging());
    EXPECT_TRUE(Status().startsWith("Not connected")) << Status().toStdString();
    QTest::keyClicks(&page->Console(), "status");
    EXPECT_TRUE(TypedLine().isEmpty());

    tabs->setCurrentWidget(other);
    // No unit to declare ready.
    EXPECT_FALSE(Ready());
}

TEST_F(TerminalPage, SessionFollowsTheConnectionWhileShown) {
    tabs->setCurrentWidget(page);
    Connect();  // the frame's refresh after a connection
    QSignalSpy finished(page, &CDlgTerminalForm::promptAttemptFinished);
    ASSERT_TRUE(finished.wait(kTimeoutMs));
    EXPECT_TRUE(page->SessionActive());
    EXPECT_TRUE(TerminalLogging());

    ASSERT_EQ(engine->Disconnect(), status::Ok);
    page->Refresh();
    EXPECT_FALSE(page->SessionActive());
    tabs->setCurrentWidget(other);
    // Leaving the page of a lost connection does not declare the absent unit ready.
    EXPECT_FALSE(Ready());
    EXPECT_FALSE(TerminalLogging());
}

TEST_F(TerminalPage, MenuScreenIsLeftWithEscapeAndShownWithVisibleControlBytes) {
    Connect();
    OpenSession();
    unit.SetMenuMode(true);
    QTest::keyClick(&page->Console(), Qt::Key_Return);
    // The unit's clear-screen sequence is shown, not carried out.
    ASSERT_TRUE(WaitForConsole(QString(QChar(0x241B)) + "[2J"));
    QTest::keyClick(&page->Console(), Qt::Key_Escape);
    ASSERT_TRUE(testing::Eventually([&] {
        const auto lines = unit.ReceivedLines();
        return !lines.empty() && lines.back() == "\x1b";
    }));
}

// The console's rules for what the unit sends, one chunk at a time.
class TerminalOutput : public TerminalPage {};

TEST_F(TerminalOutput, ControlBytesAreShownAsSymbols) {
    page->ShowUnitText(
        QString::fromUtf16(u"A\x01"
                           u"B\x1b[0m\x7f"
                           u"C\x0081"
                           u"D"));
    EXPECT_EQ(Console(), QString::fromUtf16(u"A\u2401B\u241b[0m\u2421C<81>D"));
}

TEST_F(TerminalOutput, LineEndsInAnyFormBreakTheLineOnce) {
    page->ShowUnitText("one\r\ntwo\nthree\rfour\r");
    page->ShowUnitText("\nfive");
    EXPECT_EQ(Console(), "one\ntwo\nthree\nfour\nfive");
}

TEST_F(TerminalOutput, BackspaceTakesBackTheLastCharacterOfTheLineOnly) {
    page->ShowUnitText("\b");
    EXPECT_EQ(Console(), "");
    page->ShowUnitText("ab\r\ncd");
    page->ShowUnitText("\b \b");  // the unit erasing a character it echoed
    EXPECT_EQ(Console(), "ab\nc");
    page->ShowUnitText(QString("\b\b\bx"));
    EXPECT_EQ(Console(), "ab\nx");
}

TEST_F(TerminalOutput, OutputGoesToTheEndWhereverTheCaretWasPut) {
    page->ShowUnitText("first line\r\nsecond");
    // A click in the text moves the caret; the unit's output still continues the last line.
    QTextCursor start = page->Console().textCursor();
    start.movePosition(QTextCursor::Start);
    page->Console().setTextCursor(start);
    page->ShowUnitText(" line");
    EXPECT_EQ(Console(), "first line\nsecond line");
}

TEST_F(TerminalOutput, BellIsNotShown) {
    page->ShowUnitText(QString::fromUtf16(u"wrtval 1\r\n\x07\r\n00>"));
    EXPECT_EQ(Console(), "wrtval 1\n\n00>");
}

TEST_F(TerminalOutput, FloodFromTheUnitKeepsTheViewBounded) {
    Connect();
    OpenSession();
    // Many lines, and one that never ends.
    std::string flood;
    constexpr int kLines = CDlgTerminalForm::kMaxLines + 2000;
    for (int line = 0; line < kLines; ++line) {
        flood += "line " + std::to_string(line) + "\r\n";
    }
    flood += std::string(CDlgTerminalForm::kMaxLineLength * 5 + 7, 'x') + "end";
    unit.SendUnsolicited(flood);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Console().endsWith("end"); }, kTimeoutMs));

    const QTextDocument& document = *page->Console().document();
    EXPECT_LE(document.blockCount(), CDlgTerminalForm::kMaxLines);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        ASSERT_LE(block.length() - 1, CDlgTerminalForm::kMaxLineLength);
    }
    // The oldest lines went; the latest are there, and the endless line was folded.
    EXPECT_FALSE(Console().contains("line 0\n"));
    EXPECT_TRUE(Console().contains(QString("line %1\n").arg(kLines - 1)));
    EXPECT_EQ(document.lastBlock().text(), QString(7, 'x') + "end");
}

}  // namespace
}  // namespace kvt::laptop
