// The main fader driven with the mouse, the keyboard and the wheel as the user does; what it
// writes to the engine and what it shows; its value display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <vector>

#include "widgets/CFaderValueDisplay.h"
#include "widgets/CMainFader.h"

namespace kvt::laptop {
namespace {

constexpr int kGuiTimeoutMs = 10000;

TEST(FaderText, PointBeforeTheLastDigit) {
    EXPECT_EQ(FaderText(0), "0.0");
    EXPECT_EQ(FaderText(5), "0.5");
    EXPECT_EQ(FaderText(10), "1.0");
    EXPECT_EQ(FaderText(70), "7.0");
    EXPECT_EQ(FaderText(100), "10.0");
    EXPECT_EQ(FaderText(119), "11.9");
}

TEST(FaderText, NegativePositions) {
    EXPECT_EQ(FaderText(-5), "-0.5");
    EXPECT_EQ(FaderText(-15), "-1.5");
    EXPECT_EQ(FaderText(-100), "-10.0");
}

class MainFader : public ::testing::Test {
  protected:
    void SetUp() override {
        fader.resize(197, 38);
        QObject::connect(&fader, &CMainFader::levelWritten,
                         [this](int level) { written.push_back(level); });
        QObject::connect(&fader, &CMainFader::levelDisplayed,
                         [this](int level) { displayed.push_back(level); });
        fader.show();
        fader.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fader, kGuiTimeoutMs));
        StartAt(50);
    }

    void StartAt(int level) {
        fader.SetLevel(level, false);
        written.clear();
        displayed.clear();
    }

    QPoint At(int position) const { return {fader.PositionX(position), fader.height() / 2}; }

    void Mouse(QEvent::Type type, QPoint point, Qt::MouseButtons held) {
        QMouseEvent event(type, point, fader.mapToGlobal(point), Qt::LeftButton, held,
                          Qt::NoModifier);
        QApplication::sendEvent(&fader, &event);
    }
    void Press(QPoint point) { Mouse(QEvent::MouseButtonPress, point, Qt::LeftButton); }
    void DragTo(QPoint point) {
        QMouseEvent event(QEvent::MouseMove, point, fader.mapToGlobal(point), Qt::NoButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&fader, &event);
    }
    void Release(QPoint point) { Mouse(QEvent::MouseButtonRelease, point, Qt::NoButton); }

    void Key(QEvent::Type type, Qt::Key key, bool autoRepeat = false,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(type, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(&fader, &event);
    }
    void Click(Qt::Key key) {
        Key(QEvent::KeyPress, key);
        Key(QEvent::KeyRelease, key);
    }

    void Wheel(int angle) {
        const QPointF inside(fader.width() / 2.0, fader.height() / 2.0);
        QWheelEvent event(inside, fader.mapToGlobal(inside), QPoint(), QPoint(0, angle),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&fader, &event);
    }

    CMainFader fader;
    std::vector<int> written;
    std::vector<int> displayed;
};

TEST_F(MainFader, IdentityAndRange) {
    EXPECT_EQ(fader.objectName(), "1382");
    EXPECT_EQ(fader.accessibleName(), "Main Fader");
    EXPECT_EQ(fader.minimum(), 0);
    EXPECT_EQ(fader.maximum(), 100);
    EXPECT_EQ(fader.orientation(), Qt::Horizontal);
}

TEST_F(MainFader, DragWritesEveryStepAndNothingMoreAtRelease) {
    Press(At(50));
    DragTo(At(55));
    DragTo(At(61));
    DragTo(At(61));  // no change, no write
    DragTo(At(48));
    Release(At(48));

    EXPECT_EQ(written, (std::vector<int>{55, 61, 48}));
    EXPECT_EQ(displayed, (std::vector<int>{55, 61, 48}));
    EXPECT_EQ(fader.Level(), 48);
}

TEST_F(MainFader, DragKeepsTheThumbUnderThePointerWhereItWasGrabbed) {
    const QRect thumb = fader.ThumbRect();
    const QPoint grab(thumb.right() - 1, thumb.center().y());
    Press(grab);
    DragTo(grab);
    EXPECT_EQ(fader.Level(), 50);  // grabbing off centre does not jump
    DragTo(grab + QPoint(fader.PositionX(60) - fader.PositionX(50), 0));
    Release(grab);
    EXPECT_EQ(written, (std::vector<int>{60}));
}

TEST_F(MainFader, DragBeyondTheEndsStopsAtTheRange) {
    Press(At(50));
    DragTo(QPoint(fader.width() + 40, fader.height() / 2));
    DragTo(QPoint(-40, fader.height() / 2));
    Release(QPoint(-40, fader.height() / 2));
    EXPECT_EQ(written, (std::vector<int>{100, 0}));
}

TEST_F(MainFader, ClickOnTheChannelWritesOncePerPage) {
    Press(At(90));
    Release(At(90));
    EXPECT_EQ(written, (std::vector<int>{60}));

    Press(At(5));
    Release(At(5));
    EXPECT_EQ(written, (std::vector<int>{60, 50}));
}

TEST_F(MainFader, HeldChannelPagesUntilTheThumbReachesThePointer) {
    Press(At(75));
    ASSERT_TRUE(QTest::qWaitFor([&] { return fader.Level() == 80; }, kGuiTimeoutMs));
    Release(At(75));
    EXPECT_EQ(written, (std::vector<int>{60, 70, 80}));
}

TEST_F(MainFader, OtherMouseButtonsDoNothing) {
    QMouseEvent press(QEvent::MouseButtonPress, At(90), fader.mapToGlobal(At(90)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(&fader, &press);
    EXPECT_EQ(fader.Level(), 50);
    EXPECT_TRUE(written.empty());
}

TEST_F(MainFader, ArrowKeysStepAndWriteEachStep) {
    Click(Qt::Key_Right);
    Click(Qt::Key_Up);
    Click(Qt::Key_Left);
    Click(Qt::Key_Left);
    Click(Qt::Key_Down);
    EXPECT_EQ(written, (std::vector<int>{51, 52, 51, 50, 49}));
}

TEST_F(MainFader, HeldArrowWritesEveryRepeatAndNothingMoreAtRelease) {
    Key(QEvent::KeyPress, Qt::Key_Right);
    for (int repeat = 0; repeat < 3; ++repeat) {
        Key(QEvent::KeyRelease, Qt::Key_Right, true);
        Key(QEvent::KeyPress, Qt::Key_Right, true);
    }
    Key(QEvent::KeyRelease, Qt::Key_Right);
    EXPECT_EQ(written, (std::vector<int>{51, 52, 53, 54}));
}

TEST_F(MainFader, PageHomeAndEndKeysWrite) {
    Click(Qt::Key_PageUp);
    Click(Qt::Key_PageDown);
    Click(Qt::Key_PageDown);
    Click(Qt::Key_End);
    Click(Qt::Key_PageUp);  // already at the top: nothing changes, nothing is written
    Click(Qt::Key_Home);
    EXPECT_EQ(written, (std::vector<int>{60, 50, 40, 100, 0}));
}

TEST_F(MainFader, ShortcutCombinationsAreLeftToTheMenus) {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Right, Qt::ControlModifier);
    QApplication::sendEvent(&fader, &event);
    EXPECT_FALSE(event.isAccepted());
    EXPECT_EQ(fader.Level(), 50);
    EXPECT_TRUE(written.empty());
}

TEST_F(MainFader, KeypadArrowsStepLikeTheOthers) {
    Key(QEvent::KeyPress, Qt::Key_Right, false, Qt::KeypadModifier);
    Key(QEvent::KeyRelease, Qt::Key_Right, false, Qt::KeypadModifier);
    EXPECT_EQ(written, (std::vector<int>{51}));
}

TEST_F(MainFader, WheelWritesOncePerTurn) {
    Wheel(120);
    Wheel(240);
    Wheel(-120);
    EXPECT_EQ(written, (std::vector<int>{51, 53, 52}));
}

TEST_F(MainFader, FineWheelStepsAddUpToOneStep) {
    Wheel(60);
    EXPECT_TRUE(written.empty());
    Wheel(60);
    EXPECT_EQ(written, (std::vector<int>{51}));
}

TEST_F(MainFader, LevelSetByTheProgramIsShownButNotWritten) {
    fader.SetLevel(30, false);
    fader.SetLevel(140, false);
    EXPECT_EQ(displayed, (std::vector<int>{30, 100}));
    EXPECT_TRUE(written.empty());
}

TEST_F(MainFader, LevelSetWithWriteIsWrittenOnceEvenWhenUnchanged) {
    fader.SetLevel(70, true);
    EXPECT_EQ(written, (std::vector<int>{70}));
    fader.SetLevel(70, true);
    EXPECT_EQ(written, (std::vector<int>{70, 70}));
    EXPECT_EQ(displayed, (std::vector<int>{70}));
}

TEST_F(MainFader, LevelSetDuringADragDoesNotEndIt) {
    Press(At(50));
    DragTo(At(55));
    fader.SetLevel(20, false);
    DragTo(At(57));
    Release(At(57));
    EXPECT_EQ(written, (std::vector<int>{55, 57}));
}

// A colour near the expected one; the gradient and the scaling make exact pixels fragile.
bool Near(QColor actual, QColor expected, int tolerance = 40) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

TEST_F(MainFader, ThumbIsRedWhenEnabledAndGreyWhenDisabled) {
    const QRect thumb = fader.ThumbRect();
    const QPoint top(thumb.center().x(), thumb.top() + 1);

    const QImage enabled = fader.grab().toImage();
    EXPECT_TRUE(Near(enabled.pixelColor(top), QColor(0xCC, 0, 0)))
        << enabled.pixelColor(top).name().toStdString();
    EXPECT_EQ(enabled.pixel(thumb.topLeft()), QColor(Qt::black).rgb());

    fader.setEnabled(false);
    const QImage disabled = fader.grab().toImage();
    const QColor grey = fader.palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_TRUE(Near(disabled.pixelColor(top), grey))
        << disabled.pixelColor(top).name().toStdString();
}

TEST_F(MainFader, ChannelIsWhiteOnlyWhileFocused) {
    const QRect channel = fader.ChannelRect();
    const QPoint inside(fader.PositionX(10), channel.top() + 1);

    fader.setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fader.hasFocus(); }, kGuiTimeoutMs));
    const QColor focused = fader.grab().toImage().pixelColor(inside);
    EXPECT_TRUE(Near(focused, Qt::white, 24)) << focused.name().toStdString();

    fader.clearFocus();
    ASSERT_FALSE(fader.hasFocus());
    EXPECT_EQ(fader.grab().toImage().pixel(inside), fader.palette().color(QPalette::Mid).rgb());
}

TEST(FaderValueDisplay, ShowsThePositionInDarkRedBoldOnTheButtonFace) {
    CFaderValueDisplay display;
    display.SetPosition(65);
    EXPECT_EQ(display.text(), "6.5");
    EXPECT_EQ(display.palette().color(QPalette::Active, QPalette::WindowText), QColor(128, 0, 0));
    EXPECT_EQ(display.palette().color(QPalette::Window), display.palette().color(QPalette::Button));
    EXPECT_TRUE(display.autoFillBackground());
    EXPECT_TRUE(display.font().bold());
}

TEST(FaderValueDisplay, FollowsTheFaderWithoutWriting) {
    CMainFader fader;
    CFaderValueDisplay display;
    int writes = 0;
    QObject::connect(&fader, &CMainFader::levelDisplayed, &display,
                     &CFaderValueDisplay::SetPosition);
    QObject::connect(&fader, &CMainFader::levelWritten, [&writes] { ++writes; });
    fader.SetLevel(100, false);
    EXPECT_EQ(display.text(), "10.0");
    fader.SetLevel(0, false);
    EXPECT_EQ(display.text(), "0.0");
    EXPECT_EQ(writes, 0);
}

TEST(FaderValueDisplay, WidestLevelFitsTheFramesSlot) {
    CFaderValueDisplay display;
    display.resize(42, 30);  // the frame's slot beside the fader
    display.SetPosition(100);
    display.show();
    const QFontMetrics metrics(display.font());
    EXPECT_LE(metrics.horizontalAdvance(display.text()), display.contentsRect().width());
    EXPECT_LE(metrics.height(), display.contentsRect().height());
}

}  // namespace
}  // namespace kvt::laptop
