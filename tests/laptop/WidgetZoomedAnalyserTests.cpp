// The "Real Time Analyzer" window: the X-curve offset read from and written to xcurve.ini, the
// lock on its slider, the slider moving the curve, and closing only hiding the window.
#include <gtest/gtest.h>

#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "AppSettings.h"
#include "CCtlRTA.h"
#include "EngineBridge.h"
#include "KVT80.h"
#include "TestSupport.h"
#include "XCurve.h"
#include "pages/CDlgZoomedSLA.h"

namespace kvt::laptop {
namespace {

using frontend::XCurve;

class ZoomedAnalyser : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        bridge = std::make_unique<frontend::EngineBridge>(*engine);
        folder = QString::fromStdString((config.Path() / "Rodmere").string());
        XCurve::ShiftTo(0);
    }

    void TearDown() override {
        window.reset();
        bridge.reset();
        engine->Cleanup();
        engine.reset();
        XCurve::ShiftTo(0);
    }

    void Open() {
        window = std::make_unique<CDlgZoomedSLA>(*engine, *bridge, 9, folder);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get(), 10000));
    }

    QSlider* Slider() const { return window->findChild<QSlider*>("1558"); }
    QToolButton* Lock() const { return window->findChild<QToolButton*>("1562"); }

    testing::ScopedConfigHome config;
    QString folder;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<frontend::EngineBridge> bridge;
    std::unique_ptr<CDlgZoomedSLA> window;
};

TEST_F(ZoomedAnalyser, StoredOffsetShiftsTheCurveAndPlacesTheSlider) {
    ASSERT_TRUE(frontend::WriteXCurveSetting(folder, -7));
    Open();
    EXPECT_EQ(window->windowTitle(), "Real Time Analyzer");
    EXPECT_EQ(XCurve::Offset(), -7);
    EXPECT_EQ(Slider()->value(), 7);
    EXPECT_EQ(Slider()->minimum(), -20);
    EXPECT_EQ(Slider()->maximum(), 50);
    EXPECT_EQ(XCurve::Points()[10], -7.0);
    EXPECT_EQ(XCurve::Points()[0], XCurve::kNoPoint);
    EXPECT_TRUE(window->Analyser().Zoomed());
    EXPECT_TRUE(window->Analyser().CurveShown());
}

TEST_F(ZoomedAnalyser, NothingStoredMeansTheReference) {
    Open();
    EXPECT_EQ(XCurve::Offset(), 0);
    EXPECT_EQ(Slider()->value(), 0);
}

TEST_F(ZoomedAnalyser, StoredOffsetBeyondTheSliderIsTakenAtItsEnd) {
    ASSERT_TRUE(frontend::WriteXCurveSetting(folder, 400));
    Open();
    EXPECT_EQ(XCurve::Offset(), 20);
    EXPECT_EQ(Slider()->value(), -20);
}

TEST_F(ZoomedAnalyser, SliderIsLockedUntilTheLockIsOpened) {
    Open();
    EXPECT_TRUE(window->Locked());
    EXPECT_FALSE(Slider()->isEnabled());
    EXPECT_FALSE(Lock()->icon().isNull());
    Lock()->click();
    EXPECT_FALSE(window->Locked());
    EXPECT_TRUE(Slider()->isEnabled());
    Lock()->click();
    EXPECT_FALSE(Slider()->isEnabled());
}

TEST_F(ZoomedAnalyser, SliderAt10PutsTheCurve10DbLowerAndIsKept) {
    Open();
    Lock()->click();
    Slider()->setValue(10);
    EXPECT_EQ(XCurve::Offset(), -10);
    for (int column = 0; column < XCurve::kColumns; ++column) {
        const double reference = XCurve::Reference()[column];
        if (reference != XCurve::kNoPoint) {
            EXPECT_EQ(XCurve::Points()[column], reference - 10) << column;
        }
    }
    // Closing hides the window for the next time and keeps the offset.
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(frontend::ReadXCurveSetting(folder), -10);
    Slider()->setValue(-5);
    window.reset();
    EXPECT_EQ(frontend::ReadXCurveSetting(folder), 5);
}

}  // namespace
}  // namespace kvt::laptop
