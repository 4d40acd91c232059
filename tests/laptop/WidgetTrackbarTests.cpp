// The pages' vertical slider (Inputs, Formats, Outputs, Equalizer) driven with the keys, the mouse
// and the wheel: which way it runs, when it asks for its position to be written, when it reports
// the end of a track, and how its size, thumb and mark are drawn. The horizontal main fader has its
// own tests.
#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "widgets/CTrackbar.h"

namespace kvt::laptop {
namespace {

class Trackbar : public ::testing::Test {
  protected:
    void SetUp() override {
        trackbar.setRange(-119, 239);
        trackbar.setPageStep(10);
        trackbar.resize(40, 420);  // more pixels than positions: each position has its own
        trackbar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&trackbar));
        trackbar.setFocus();
    }

    void StartAt(int position) {
        trackbar.SetPosition(position);
        written.clear();
        ended.clear();
        displayed.clear();
    }

    QPoint At(int position) const {
        return {trackbar.ThumbRect().center().x(), trackbar.PositionOffset(position)};
    }

    void Wheel(int angle) {
        const QPointF centre = trackbar.rect().center();
        QWheelEvent event(centre, trackbar.mapToGlobal(centre), {}, QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&trackbar, &event);
    }

    int LastWritten() const { return written.last().at(0).toInt(); }

    CTrackbar trackbar{Qt::Vertical};
    QSignalSpy written{&trackbar, &CTrackbar::positionWritten};
    QSignalSpy ended{&trackbar, &CTrackbar::trackEnded};
    QSignalSpy displayed{&trackbar, &CTrackbar::positionDisplayed};
};

TEST_F(Trackbar, PositionsSetByTheProgramAreShownNotWritten) {
    trackbar.SetPosition(40);
    EXPECT_EQ(displayed.count(), 1);
    EXPECT_EQ(written.count(), 0);
    EXPECT_EQ(ended.count(), 0);
    trackbar.SetPosition(1000);  // clamped to the range
    EXPECT_EQ(trackbar.value(), 239);
    EXPECT_EQ(written.count(), 0);
}

TEST_F(Trackbar, ArrowsMoveTheThumbTheWayTheyPointAndWriteEachStepOnce) {
    StartAt(0);
    QTest::keyPress(&trackbar, Qt::Key_Up);
    QTest::keyRelease(&trackbar, Qt::Key_Up);
    // The smallest positions are at the top: Up and Left go down, Down and Right up.
    EXPECT_EQ(trackbar.value(), -1);
    ASSERT_EQ(written.count(), 1);
    EXPECT_EQ(LastWritten(), -1);
    QTest::keyClick(&trackbar, Qt::Key_Down);
    QTest::keyClick(&trackbar, Qt::Key_Down);
    QTest::keyClick(&trackbar, Qt::Key_Right);
    QTest::keyClick(&trackbar, Qt::Key_Left);
    EXPECT_EQ(written.count(), 5);
    EXPECT_EQ(LastWritten(), 1);
    EXPECT_GT(At(1).y(), At(-1).y());
}

TEST_F(Trackbar, PageKeysAndEndsAreWritten) {
    StartAt(0);
    QTest::keyClick(&trackbar, Qt::Key_PageDown);
    QTest::keyClick(&trackbar, Qt::Key_PageUp);
    QTest::keyClick(&trackbar, Qt::Key_PageUp);
    QTest::keyClick(&trackbar, Qt::Key_End);
    QTest::keyClick(&trackbar, Qt::Key_Home);
    std::vector<int> positions;
    for (const QList<QVariant>& arguments : written) {
        positions.push_back(arguments.at(0).toInt());
    }
    EXPECT_EQ(positions, (std::vector<int>{10, 0, -10, 239, -119}));
}

TEST_F(Trackbar, WithoutAPageStepPageKeysAndChannelPressesDoNothing) {
    trackbar.setPageStep(0);
    StartAt(0);
    QTest::keyClick(&trackbar, Qt::Key_PageDown);
    QTest::keyClick(&trackbar, Qt::Key_PageUp);
    QTest::mouseClick(&trackbar, Qt::LeftButton, Qt::NoModifier, At(200));
    EXPECT_EQ(trackbar.value(), 0);
    EXPECT_EQ(written.count(), 0);
    EXPECT_EQ(ended.count(), 0);
    // The ends still go.
    QTest::keyClick(&trackbar, Qt::Key_End);
    EXPECT_EQ(trackbar.value(), 239);
    EXPECT_EQ(written.count(), 1);
}

TEST_F(Trackbar, ADragIsWrittenStepByStepAndNotAgainAtItsEnd) {
    StartAt(0);
    const QPoint start = At(0);
    QTest::mousePress(&trackbar, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(&trackbar, At(20));
    QTest::mouseMove(&trackbar, At(40));
    ASSERT_EQ(written.count(), 2);
    EXPECT_EQ(written.at(0).at(0).toInt(), 20);
    EXPECT_EQ(ended.count(), 0) << "the track ends when the button is let go";
    QTest::mouseRelease(&trackbar, Qt::LeftButton, Qt::NoModifier, At(40));
    EXPECT_EQ(written.count(), 2);
    EXPECT_EQ(trackbar.value(), 40);  // down the channel: larger positions
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.at(0).at(0).toInt(), 40);
}

TEST_F(Trackbar, AChannelClickPagesTowardsThePointer) {
    StartAt(0);
    QTest::mouseClick(&trackbar, Qt::LeftButton, Qt::NoModifier, At(200));
    QTest::mouseClick(&trackbar, Qt::LeftButton, Qt::NoModifier, At(-100));
    ASSERT_EQ(written.count(), 2);
    EXPECT_EQ(written.at(0).at(0).toInt(), 10);
    EXPECT_EQ(LastWritten(), 0);
    EXPECT_EQ(ended.count(), 2);
}

// A wheel turn moves the thumb and reaches the engine at once: a moved slider whose position was
// never written would show the technician a value the unit does not have.
TEST_F(Trackbar, AWheelTurnAwayMovesTheThumbUpAndIsWritten) {
    StartAt(0);
    Wheel(2 * 120);
    EXPECT_EQ(trackbar.value(), -2);
    ASSERT_EQ(written.count(), 1);
    EXPECT_EQ(LastWritten(), -2);
    EXPECT_EQ(ended.count(), 1);
    Wheel(-60);
    Wheel(-60);  // two half notches make one step
    EXPECT_EQ(trackbar.value(), -1);
    EXPECT_EQ(written.count(), 2);
}

TEST_F(Trackbar, TheTrackEndsOnceAfterItsLastWrite) {
    StartAt(0);
    std::vector<QString> order;
    QObject::connect(&trackbar, &CTrackbar::positionWritten,
                     [&](int p) { order.push_back(QStringLiteral("written %1").arg(p)); });
    QObject::connect(&trackbar, &CTrackbar::trackEnded,
                     [&](int p) { order.push_back(QStringLiteral("ended %1").arg(p)); });
    QTest::keyPress(&trackbar, Qt::Key_Down);
    QTest::keyPress(&trackbar, Qt::Key_Down, Qt::NoModifier);
    QTest::keyRelease(&trackbar, Qt::Key_Down);
    EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("written 1"), QStringLiteral("written 2"),
                                           QStringLiteral("ended 2")}));
    // A key that moves nothing (already at the end) ends no track.
    trackbar.SetPosition(-119);
    order.clear();
    QTest::keyClick(&trackbar, Qt::Key_Home);
    QTest::keyClick(&trackbar, Qt::Key_Up);
    EXPECT_TRUE(order.empty());
}

TEST_F(Trackbar, DisablingTheSliderEndsAHeldTrack) {
    StartAt(0);
    QTest::mousePress(&trackbar, Qt::LeftButton, Qt::NoModifier, At(0));
    QTest::mouseMove(&trackbar, At(5));
    trackbar.setEnabled(false);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended.at(0).at(0).toInt(), 5);
    EXPECT_EQ(LastWritten(), 5);
    // The release that follows belongs to no track.
    QTest::mouseRelease(&trackbar, Qt::LeftButton, Qt::NoModifier, At(5));
    EXPECT_EQ(ended.count(), 1);
}

TEST(TrackbarSize, ThumbBreadthWidensTheSizeHintAndTheThumb) {
    CTrackbar narrow(Qt::Vertical);
    CTrackbar broad(Qt::Vertical);
    broad.SetThumbBreadth(21);
    EXPECT_EQ(narrow.sizeHint().width(), 22);
    EXPECT_EQ(broad.sizeHint().width(), 35);
    for (CTrackbar* trackbar : {&narrow, &broad}) {
        trackbar->resize(trackbar->sizeHint());
    }
    EXPECT_EQ(narrow.ThumbRect().width(), 8);
    EXPECT_EQ(broad.ThumbRect().width(), 21);
    // Out of bounds: as broad as a thumb can be.
    broad.SetThumbBreadth(60);
    EXPECT_EQ(broad.sizeHint().width(), 35);
    // The main fader's height stays.
    EXPECT_EQ(CTrackbar(Qt::Horizontal).sizeHint().height(), 36);
}

// A colour near the expected one; the gradients make exact pixels fragile.
bool Near(QColor actual, QColor expected, int tolerance) {
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

TEST(TrackbarDrawing, TheMarkIsATriangleInPlaceOfItsTick) {
    CTrackbar trackbar(Qt::Vertical);
    trackbar.setRange(-100, 0);
    trackbar.SetTickInterval(10);
    trackbar.SetThumbBreadth(21);
    trackbar.resize(trackbar.sizeHint().width(), 200);
    trackbar.SetPosition(-100);  // the thumb out of the way, at the top
    const QColor ink = trackbar.palette().color(QPalette::WindowText);
    // The left tick row's outer column: a 21 pixel thumb in 35 leaves 7 on each side, the thumb's
    // gap 2 and the tick 4 long.
    constexpr int kOuter = 2;
    const auto pixel = [&trackbar](int position, int beside) {
        return trackbar.grab().toImage().pixelColor(kOuter,
                                                    trackbar.PositionOffset(position) + beside);
    };
    EXPECT_TRUE(Near(pixel(-30, 0), ink, 40)) << pixel(-30, 0).name().toStdString();
    EXPECT_FALSE(Near(pixel(-30, 2), ink, 40)) << "a tick is a line";
    trackbar.SetMark(-30);
    EXPECT_TRUE(Near(pixel(-30, 2), ink, 40)) << pixel(-30, 2).name().toStdString();
    EXPECT_TRUE(Near(pixel(-30, -2), ink, 40)) << pixel(-30, -2).name().toStdString();
    EXPECT_FALSE(Near(pixel(-40, 2), ink, 40)) << "other ticks stay lines";
    trackbar.SetMark(std::nullopt);
    EXPECT_FALSE(Near(pixel(-30, 2), ink, 40));
}

TEST(TrackbarDrawing, ThumbTakesItsColourAndGreysWhenDisabled) {
    CTrackbar trackbar(Qt::Vertical);
    trackbar.SetThumbBreadth(21);
    trackbar.resize(trackbar.sizeHint().width(), 200);
    trackbar.SetThumbColour(QColor(0xAA, 0xAA, 0));
    // The gradient starts at the thumb's left edge, inside its outline.
    const QPoint start = trackbar.ThumbRect().topLeft() + QPoint(1, 3);
    EXPECT_TRUE(Near(trackbar.grab().toImage().pixelColor(start), QColor(0xAA, 0xAA, 0), 40));
    trackbar.setEnabled(false);
    const QColor grey = trackbar.palette().color(QPalette::Disabled, QPalette::Text);
    EXPECT_TRUE(Near(trackbar.grab().toImage().pixelColor(start), grey, 40));
}

}  // namespace
}  // namespace kvt::laptop
