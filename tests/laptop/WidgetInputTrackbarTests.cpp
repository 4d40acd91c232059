// The Inputs page's slider: when it asks for its position to be written (as the main fader does)
// and which way its positions run.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>

#include "widgets/CInputTrackbar.h"

namespace kvt::laptop {
namespace {

class InputTrackbar : public ::testing::Test {
  protected:
    void SetUp() override {
        trackbar.setRange(-119, 239);
        trackbar.resize(40, 200);
        trackbar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&trackbar));
        trackbar.setFocus();
    }

    QPoint HandleCentre() {
        QStyleOptionSlider option;
        option.initFrom(&trackbar);
        option.orientation = trackbar.orientation();
        option.minimum = trackbar.minimum();
        option.maximum = trackbar.maximum();
        option.sliderPosition = trackbar.value();
        option.sliderValue = trackbar.value();
        option.upsideDown =
            trackbar.invertedAppearance() == (option.orientation == Qt::Vertical) ? false : true;
        return trackbar.style()
            ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, &trackbar)
            .center();
    }

    CInputTrackbar trackbar{Qt::Vertical, QColor(0xAA, 0xAA, 0)};
    QSignalSpy written{&trackbar, &CInputTrackbar::positionWritten};
    QSignalSpy shown{&trackbar, &CInputTrackbar::positionShown};
};

TEST_F(InputTrackbar, PositionsSetByTheProgramAreShownNotWritten) {
    trackbar.SetPosition(40);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(written.count(), 0);
}

TEST_F(InputTrackbar, EachArrowStepIsWrittenOnce) {
    trackbar.SetPosition(0);
    QTest::keyPress(&trackbar, Qt::Key_Up);
    QTest::keyRelease(&trackbar, Qt::Key_Up);
    // Up moves the thumb up: the lowest positions are at the top.
    EXPECT_EQ(trackbar.value(), -1);
    ASSERT_EQ(written.count(), 1);
    EXPECT_EQ(written.at(0).at(0).toInt(), -1);
    QTest::keyClick(&trackbar, Qt::Key_Down);
    QTest::keyClick(&trackbar, Qt::Key_Down);
    EXPECT_EQ(written.count(), 3);
    EXPECT_EQ(written.last().at(0).toInt(), 1);
}

TEST_F(InputTrackbar, EndsAreWritten) {
    QTest::keyClick(&trackbar, Qt::Key_End);
    QTest::keyClick(&trackbar, Qt::Key_Home);
    ASSERT_EQ(written.count(), 2);
    EXPECT_EQ(written.at(0).at(0).toInt(), 239);
    EXPECT_EQ(written.at(1).at(0).toInt(), -119);
}

TEST_F(InputTrackbar, ADragIsWrittenStepByStepAndNotAgainAtItsEnd) {
    trackbar.SetPosition(0);
    const QPoint start = HandleCentre();
    QTest::mousePress(&trackbar, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(&trackbar, start + QPoint(0, 20));
    QTest::mouseMove(&trackbar, start + QPoint(0, 40));
    const int during = static_cast<int>(written.count());
    EXPECT_GE(during, 2);
    QTest::mouseRelease(&trackbar, Qt::LeftButton, Qt::NoModifier, start + QPoint(0, 40));
    EXPECT_EQ(written.count(), during);
    EXPECT_GT(trackbar.value(), 0);  // down the channel: larger positions
    EXPECT_EQ(written.last().at(0).toInt(), trackbar.value());
}

}  // namespace
}  // namespace kvt::laptop
