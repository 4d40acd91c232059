// The analyser display on the offscreen platform, over a real engine (no unit needed: the
// analyser's members only store and queue): its level axis and scroll limits, the stream's element
// order, the legend's captions, the X-curve overlay as drawn, the instances kept in step, and the
// graph-only repaint of an update.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "CCtlRTA.h"
#include "EngineBridge.h"
#include "KVT80.h"
#include "TestSupport.h"
#include "XCurve.h"

namespace kvt::frontend {
namespace {

constexpr int kGuiTimeoutMs = 10000;

class AnalyserDisplay : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        bridge = std::make_unique<EngineBridge>(*engine);
        XCurve::ShiftTo(0);
    }

    void TearDown() override {
        displays.clear();
        bridge.reset();
        engine->Cleanup();
        engine.reset();
        XCurve::ShiftTo(0);
    }

    CCtlRTA& Make(bool zoomed, QSize size = {}) {
        const AnalyserMetrics metrics =
            zoomed ? AnalyserMetrics::Zoomed(9) : AnalyserMetrics::Page(9);
        displays.push_back(std::make_unique<CCtlRTA>(*engine, *bridge, metrics));
        CCtlRTA& display = *displays.back();
        display.resize(size.isValid() ? size : display.sizeHint());
        display.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&display, kGuiTimeoutMs));
        return display;
    }

    static QPushButton* Button(CCtlRTA& display, int id) {
        return display.findChild<QPushButton*>(QString::number(id));
    }

    static void Move(CCtlRTA& display, QPoint to) {
        QMouseEvent move(QEvent::MouseMove, to, display.mapToGlobal(to), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&display, &move);
    }

    // Presses in the graph at `from`, moves to `to` (both inside it) and lets go.
    static void Drag(CCtlRTA& display, QPoint from, QPoint to) {
        QTest::mousePress(&display, Qt::LeftButton, Qt::NoModifier, from);
        Move(display, to);
        QTest::mouseRelease(&display, Qt::LeftButton, Qt::NoModifier, to);
    }

    static QVector<double> Stream(const std::function<double(int)>& value) {
        QVector<double> values(CCtlRTA::kValues);
        for (int i = 0; i < CCtlRTA::kValues; ++i) {
            values[i] = value(i);
        }
        return values;
    }

    bool EngineRunning() const {
        VariantBool running = VARIANT_FALSE;
        engine->get_SLARunning(&running);
        return running == VARIANT_TRUE;
    }

    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<EngineBridge> bridge;
    std::vector<std::unique_ptr<CCtlRTA>> displays;
};

TEST_F(AnalyserDisplay, LevelLabelsAtEachScale) {
    CCtlRTA& display = Make(false);
    EXPECT_EQ(display.LevelLabels(),
              QStringList({"20", "10", "0", "-10", "-20", "-30", "-40", "-50"}));

    display.SetScale(2);
    EXPECT_EQ(display.LevelLabels().size(), 15);
    EXPECT_EQ(display.LevelLabels().at(1), "15");

    Button(display, CCtlRTA::kScale2Id)->click();
    EXPECT_EQ(display.Scale(), 5.0);
    QStringList twoPerDivision;
    for (int level = 20; level >= -50; level -= 2) {
        twoPerDivision << QString::number(level);
    }
    EXPECT_EQ(display.LevelLabels(), twoPerDivision);
    EXPECT_EQ(display.LevelLabels().size(), 36);
    EXPECT_EQ(display.LabelCount(), 36);

    Button(display, CCtlRTA::kScale1Id)->click();
    EXPECT_EQ(display.LevelLabels().size(), 71);
    EXPECT_EQ(display.LevelLabels().front(), "20");
    EXPECT_EQ(display.LevelLabels().back(), "-50");
    // One scale button is checked at a time.
    EXPECT_TRUE(Button(display, CCtlRTA::kScale1Id)->isChecked());
    EXPECT_FALSE(Button(display, CCtlRTA::kScale10Id)->isChecked());
    EXPECT_FALSE(Button(display, CCtlRTA::kScale2Id)->isChecked());
}

TEST_F(AnalyserDisplay, LevelToPixelsFollowsTheScale) {
    CCtlRTA& page = Make(false);
    EXPECT_DOUBLE_EQ(page.LevelY(10) - page.LevelY(20), 17.0);  // 10 dB/div: 1.7 px per dB
    page.SetScale(10);
    EXPECT_DOUBLE_EQ(page.LevelY(19) - page.LevelY(20), 17.0);
    CCtlRTA& zoomed = Make(true);
    EXPECT_DOUBLE_EQ(zoomed.LevelY(10) - zoomed.LevelY(20), 34.0);
}

TEST_F(AnalyserDisplay, PageDisplayCannotBeDraggedAtTenDbPerDivision) {
    CCtlRTA& page = Make(false, {320, 600});
    const QRect graph = page.GraphRect();
    ASSERT_EQ(page.Scale(), 1.0);
    Drag(page, graph.center(), graph.center() - QPoint(0, 100));
    EXPECT_EQ(page.VerticalOffset(), 0);
    Drag(page, graph.center(), graph.center() + QPoint(0, 100));
    EXPECT_EQ(page.VerticalOffset(), 0);
}

TEST_F(AnalyserDisplay, ZoomedDisplayDragsUpTo65PixelsAtTenDbPerDivision) {
    CCtlRTA& zoomed = Make(true, {800, 700});
    const QRect graph = zoomed.GraphRect();
    const QPoint start(graph.center().x(), graph.bottom() - 10);
    // Up by 40 px: the axis scrolls 40 px.
    Drag(zoomed, start, start - QPoint(0, 40));
    EXPECT_EQ(zoomed.VerticalOffset(), 40);
    // Another 25 reaches the limit.
    Drag(zoomed, start, start - QPoint(0, 25));
    EXPECT_EQ(zoomed.VerticalOffset(), 65);
    // Beyond it nothing moves.
    Drag(zoomed, start, start - QPoint(0, 1));
    EXPECT_EQ(zoomed.VerticalOffset(), 65);
    // Down scrolls back, not below 0.
    Drag(zoomed, start - QPoint(0, 65), start);
    EXPECT_EQ(zoomed.VerticalOffset(), 0);
    Drag(zoomed, start - QPoint(0, 5), start);
    EXPECT_EQ(zoomed.VerticalOffset(), 0);
}

TEST_F(AnalyserDisplay, OffsetLimitsByScaleAndTheClampOfAScaleChange) {
    CCtlRTA& page = Make(false, {320, 700});
    const QRect graph = page.GraphRect();
    const QPoint bottom(graph.center().x(), graph.bottom() - 5);

    // 2 dB/div: a pixel of drag is two of scroll; the page's limit is 480.
    page.SetScale(5);
    EXPECT_EQ(page.OffsetLimit(), 480);
    Drag(page, bottom, bottom - QPoint(0, 150));
    EXPECT_EQ(page.VerticalOffset(), 300);
    Drag(page, bottom, bottom - QPoint(0, 91));  // 482: beyond the limit, refused
    EXPECT_EQ(page.VerticalOffset(), 300);

    // To 5 dB/div: the offset is kept within 20.
    Button(page, CCtlRTA::kScale5Id)->click();
    EXPECT_EQ(page.Scale(), 2.0);
    EXPECT_EQ(page.VerticalOffset(), 20);
    EXPECT_EQ(page.OffsetLimit(), 120);

    // 1 dB/div keeps the offset; 10 dB/div resets it.
    Button(page, CCtlRTA::kScale1Id)->click();
    EXPECT_EQ(page.VerticalOffset(), 20);
    EXPECT_EQ(page.OffsetLimit(), 1080);
    Button(page, CCtlRTA::kScale10Id)->click();
    EXPECT_EQ(page.VerticalOffset(), 0);

    CCtlRTA& zoomed = Make(true);
    const std::array<std::pair<double, int>, 4> zoomedLimits{
        {{1, 65}, {2, 305}, {5, 1018}, {10, 2210}}};
    for (const auto& [scale, limit] : zoomedLimits) {
        zoomed.SetScale(scale);
        EXPECT_EQ(zoomed.OffsetLimit(), limit) << scale;
    }
}

TEST_F(AnalyserDisplay, LeavingTheGraphEndsADrag) {
    CCtlRTA& zoomed = Make(true, {800, 700});
    const QRect graph = zoomed.GraphRect();
    const QPoint start(graph.center().x(), graph.bottom() - 10);
    QTest::mousePress(&zoomed, Qt::LeftButton, Qt::NoModifier, start);
    Move(zoomed, QPoint(graph.center().x(), 5));  // over the buttons
    Move(zoomed, start - QPoint(0, 30));
    QTest::mouseRelease(&zoomed, Qt::LeftButton, Qt::NoModifier, start - QPoint(0, 30));
    EXPECT_EQ(zoomed.VerticalOffset(), 0);
}

TEST_F(AnalyserDisplay, UpdateElementsGoToTheirColumns) {
    CCtlRTA& display = Make(false);
    display.TogglePower();
    ASSERT_TRUE(display.Running());
    // Element k carries k: band i is the pair (2i, 2i + 1).
    display.OnSLAUpdate(Stream([](int k) { return static_cast<double>(k); }));
    for (int i = 0; i < CCtlRTA::kColumns; ++i) {
        EXPECT_EQ(display.FirstTrace()[CCtlRTA::kColumns - 1 - i], 2 * i + 1) << i;
        EXPECT_EQ(display.SecondTrace()[CCtlRTA::kColumns - 1 - i], 2 * i) << i;
    }
    // 25 Hz (band 29) is the first column, 20 kHz (band 0) the last.
    EXPECT_EQ(display.FirstTrace().front(), 59);
    EXPECT_EQ(display.SecondTrace().back(), 0);
}

TEST_F(AnalyserDisplay, DataWhilePowerIsOffLeavesTheTraces) {
    CCtlRTA& display = Make(false);
    ASSERT_FALSE(display.Running());
    emit bridge->slaUpdate(Stream([](int) { return -12.5; }));
    QCoreApplication::processEvents();
    for (double level : display.FirstTrace()) {
        EXPECT_EQ(level, 0.0);
    }
    // A short array is no analyser frame.
    display.TogglePower();
    display.OnSLAUpdate(QVector<double>(10, -3.0));
    EXPECT_EQ(display.FirstTrace()[5], 0.0);
}

TEST_F(AnalyserDisplay, LegendCaptionsCycleInBothModes) {
    CCtlRTA& display = Make(false);
    QPushButton* legend = Button(display, CCtlRTA::kLegendId);
    const QStringList normal{"Left + Right", "Left", "Right", "Left + Right"};
    EXPECT_EQ(legend->text(), normal[0]);
    for (int step = 1; step < normal.size(); ++step) {
        legend->click();
        EXPECT_EQ(legend->text(), normal[step]);
    }
    EXPECT_EQ(display.ChannelSelection(), CCtlRTA::kBothTraces);

    Button(display, CCtlRTA::kSumDifferenceId)->click();
    EXPECT_TRUE(display.SumAndDifference());
    EXPECT_EQ(Button(display, CCtlRTA::kSumDifferenceId)->text(), "Sum && Diff");
    const QStringList sum{"Sum + Diff", "Sum", "Diff", "Sum + Diff"};
    EXPECT_EQ(legend->text(), sum[0]);
    for (int step = 1; step < sum.size(); ++step) {
        legend->click();
        EXPECT_EQ(legend->text(), sum[step]);
    }
    Button(display, CCtlRTA::kSumDifferenceId)->click();
    EXPECT_EQ(Button(display, CCtlRTA::kSumDifferenceId)->text(), "Normal");

    QPushButton* style = Button(display, CCtlRTA::kStyleId);
    EXPECT_EQ(style->text(), "Bars");
    style->click();
    EXPECT_EQ(style->text(), "Lines");
    EXPECT_TRUE(display.Lines());
}

TEST_F(AnalyserDisplay, OnePowerClickStartsEveryInstanceAndTheEngine) {
    CCtlRTA& page = Make(false);
    CCtlRTA& zoomed = Make(true);
    Button(page, CCtlRTA::kPowerId)->click();
    EXPECT_TRUE(page.Running());
    EXPECT_TRUE(zoomed.Running());
    EXPECT_TRUE(Button(zoomed, CCtlRTA::kPowerId)->isChecked());
    EXPECT_TRUE(EngineRunning());

    // (Without a unit the engine keeps its own flag on a stop: nothing was sent.)
    Button(zoomed, CCtlRTA::kPowerId)->click();
    EXPECT_FALSE(page.Running());
    EXPECT_FALSE(zoomed.Running());
    EXPECT_FALSE(Button(page, CCtlRTA::kPowerId)->isChecked());
}

TEST_F(AnalyserDisplay, TheEnginesRunningEventSetsEveryInstance) {
    CCtlRTA& page = Make(false);
    CCtlRTA& zoomed = Make(true);
    emit bridge->slaRunning(true, true);
    for (CCtlRTA* display : {&page, &zoomed}) {
        EXPECT_TRUE(display->Running());
        EXPECT_TRUE(display->SumAndDifference());
        EXPECT_TRUE(Button(*display, CCtlRTA::kPowerId)->isChecked());
        EXPECT_EQ(Button(*display, CCtlRTA::kSumDifferenceId)->text(), "Sum && Diff");
        EXPECT_EQ(Button(*display, CCtlRTA::kLegendId)->text(), "Sum + Diff");
    }
    // An instance made later starts in step.
    CCtlRTA& later = Make(false);
    EXPECT_TRUE(later.Running());
    EXPECT_TRUE(later.SumAndDifference());

    emit bridge->slaRunning(false, false);
    for (CCtlRTA* display : {&page, &zoomed, &later}) {
        EXPECT_FALSE(display->Running());
        EXPECT_EQ(Button(*display, CCtlRTA::kLegendId)->text(), "Left + Right");
    }
}

TEST_F(AnalyserDisplay, EachLegendNamesItsOwnTracesAfterAModeChange) {
    CCtlRTA& page = Make(false);
    CCtlRTA& zoomed = Make(true);
    Button(page, CCtlRTA::kLegendId)->click();  // the page shows the first trace only
    Button(page, CCtlRTA::kSumDifferenceId)->click();
    EXPECT_EQ(Button(page, CCtlRTA::kLegendId)->text(), "Sum");
    EXPECT_EQ(Button(zoomed, CCtlRTA::kLegendId)->text(), "Sum + Diff");
    EXPECT_TRUE(zoomed.SumAndDifference());
    VariantBool sumAndDifference = VARIANT_FALSE;
    engine->get_SLASumAndDiff(&sumAndDifference);
    EXPECT_EQ(sumAndDifference, VARIANT_TRUE);
}

// The overlay as drawn: white pixels in a column's stretch of the graph.
class CurveImage {
  public:
    explicit CurveImage(CCtlRTA& display) : display_(display), image_(display.grab().toImage()) {}

    bool Drawn(int column) const { return !CurveRows(column).empty(); }

    // The rows where the curve crosses the middle of a column.
    std::vector<int> CurveRows(int column) const {
        const QRect graph = display_.GraphRect();
        const double left = display_.ColumnX(column);
        const double width = display_.ColumnX(1) - display_.ColumnX(0);
        std::vector<int> rows;
        const int first = std::max(static_cast<int>(left) + 1, graph.left());
        for (int x = first; x < static_cast<int>(left + width) - 1; ++x) {
            for (int y = graph.top(); y <= graph.bottom(); ++y) {
                const QColor pixel = image_.pixelColor(x, y);
                if (pixel.red() > 200 && pixel.green() > 200 && pixel.blue() > 200) {
                    rows.push_back(y);
                }
            }
        }
        return rows;
    }

  private:
    CCtlRTA& display_;
    QImage image_;
};

TEST_F(AnalyserDisplay, CurveIsNeverDrawnAt25Hz31HzAnd20kHz) {
    CCtlRTA& zoomed = Make(true, {800, 420});
    ASSERT_TRUE(zoomed.CurveShown());
    const CurveImage image(zoomed);
    EXPECT_FALSE(image.Drawn(0));
    EXPECT_FALSE(image.Drawn(1));
    EXPECT_FALSE(image.Drawn(29));
    for (int column = 3; column <= 28; ++column) {
        EXPECT_TRUE(image.Drawn(column)) << column;
    }
    const auto drawn = zoomed.CurveColumnsDrawn();
    EXPECT_FALSE(drawn[0]);
    EXPECT_FALSE(drawn[1]);
    EXPECT_FALSE(drawn[29]);
    EXPECT_TRUE(drawn[2]);

    // The X-Curve button takes the overlay away; the page display has none.
    Button(zoomed, CCtlRTA::kXCurveId)->click();
    EXPECT_FALSE(zoomed.CurveShown());
    EXPECT_FALSE(CurveImage(zoomed).Drawn(10));
    CCtlRTA& page = Make(false);
    EXPECT_EQ(Button(page, CCtlRTA::kXCurveId), nullptr);
}

TEST_F(AnalyserDisplay, ShiftedCurveLiesTenDbLower) {
    CCtlRTA& zoomed = Make(true, {800, 500});
    const std::vector<int> before = CurveImage(zoomed).CurveRows(10);
    ASSERT_FALSE(before.empty());
    XCurve::ShiftTo(-10);
    zoomed.repaint();
    const std::vector<int> after = CurveImage(zoomed).CurveRows(10);
    ASSERT_FALSE(after.empty());
    // 10 dB at 3.4 px per dB.
    EXPECT_NEAR(after.front() - before.front(), 34, 1);
    for (int column = 0; column < CCtlRTA::kColumns; ++column) {
        const double reference = XCurve::Reference()[column];
        EXPECT_EQ(XCurve::Points()[column],
                  reference == XCurve::kNoPoint ? XCurve::kNoPoint : reference - 10)
            << column;
    }
}

// Records the areas painted.
class PaintRecorder : public QObject {
  public:
    std::vector<QRect> rects;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            rects.push_back(static_cast<QPaintEvent*>(event)->rect());
        }
        return false;
    }
};

TEST_F(AnalyserDisplay, AnUpdateRepaintsTheGraphAlone) {
    CCtlRTA& display = Make(false);
    display.TogglePower();
    QCoreApplication::processEvents();
    PaintRecorder recorder;
    display.installEventFilter(&recorder);
    display.OnSLAUpdate(Stream([](int k) { return -k / 2.0; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.rects.empty(); }, kGuiTimeoutMs));
    for (const QRect& rect : recorder.rects) {
        EXPECT_TRUE(display.GraphRect().contains(rect)) << rect.y() << " " << rect.height();
    }
    display.removeEventFilter(&recorder);
}

TEST_F(AnalyserDisplay, DoubleClickAsksForTheZoomedWindow) {
    CCtlRTA& display = Make(false);
    int asked = 0;
    QObject::connect(&display, &CCtlRTA::showZoomedRequested, [&] { ++asked; });
    QTest::mouseDClick(&display, Qt::LeftButton, Qt::NoModifier, display.GraphRect().center());
    EXPECT_EQ(asked, 1);
}

TEST_F(AnalyserDisplay, InstancesLeaveTheListWhenDestroyed) {
    const size_t before = CCtlRTA::Instances().size();
    Make(false);
    Make(true);
    EXPECT_EQ(CCtlRTA::Instances().size(), before + 2);
    displays.clear();
    EXPECT_EQ(CCtlRTA::Instances().size(), before);
}

}  // namespace
}  // namespace kvt::frontend
