// CCtlRTA: the unit's 30-band real-time analyser as two traces (left and right, or sum and
// difference), with the buttons that start and stop it, pick the traces shown, the drawing style
// and the level scale, and a level axis that scrolls by dragging the graph.
//
// One instance sits on the Inputs page, a larger one in the zoomed window (which adds the X-curve
// overlay); the handheld shows it at its own size. Every geometry figure and font comes from
// AnalyserMetrics. All instances of the program are kept in step: the running state, the
// sum/difference mode and their captions change together, by a button of any instance or by the
// engine's SLARunning event. Channel selection, style, scale and scroll offset belong to each
// instance.
//
// The stream arrives ten times a second. An update copies the 60 values into the instance's own
// arrays and repaints the graph rectangle only; painting it allocates nothing (the points, bars
// and grid lines live in arrays made once).
#pragma once

#include <QBrush>
#include <QFont>
#include <QPen>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QWidget>
#include <array>

#include "IKVT80.h"

namespace kvt::frontend {

class EngineBridge;

// The analyser's geometry in logical pixels, and its fonts.
struct AnalyserMetrics {
    bool zoomed = false;
    int topMargin = 50;      // the button rows above the graph
    int bottomMargin = 26;   // the band labels below it
    double bandWidth = 9.0;  // one band column
    int columnShift = 0;     // the columns start this far left of the level-label column's end
    int labelStep = 17;      // between two level labels (and grid lines)
    int buttonWidth = 67;
    int buttonHeight = 25;
    int firstButtonX = 25;
    // False: the buttons are not shown (the handheld offers their commands in a pop-up menu).
    bool buttons = true;
    double pixelsPerDb = 1.7;  // at 10 dB/div; labelStep is ten times this
    // Band labels: every bandLabelStep-th column from firstBandLabel, standing upright below
    // their columns or (where columns are too narrow for that) level under them.
    int bandLabelStep = 1;
    int firstBandLabel = 0;
    bool uprightBandLabels = true;
    // Scroll limits of the level axis by scale (10, 5, 2, 1 dB/div).
    std::array<int, 4> offsetLimits{0, 120, 480, 1080};
    QFont levelFont;
    QFont bandFont;
    QFont buttonFont;

    // The Inputs page's instance and the zoomed window's. Chinese texts need a larger button font.
    static AnalyserMetrics Page(int languageCode);
    static AnalyserMetrics Zoomed(int languageCode);
    // The handheld's small window: no buttons, a compact graph.
    static AnalyserMetrics Handheld(int languageCode);
};

class CCtlRTA : public QWidget {
    Q_OBJECT

  public:
    // Control identifiers (the children's object names).
    enum Id : int {
        kAnalyserId = 1456,
        kPowerId = 32861,
        kLegendId = 32862,
        kSumDifferenceId = 32863,
        kStyleId = 32864,
        kScale10Id = 32814,
        kScale5Id = 32815,
        kScale2Id = 32816,
        kScale1Id = 32817,
        kXCurveId = 32885,
    };
    // Channel selection bits.
    static constexpr int kFirstTrace = 1;
    static constexpr int kSecondTrace = 2;
    static constexpr int kBothTraces = 3;
    static constexpr int kColumns = 30;
    static constexpr int kValues = 2 * kColumns;
    static constexpr double kTopLevel = 20.0;
    static constexpr double kBottomLevel = -50.0;

    CCtlRTA(IKVT80& engine, EngineBridge& bridge, AnalyserMetrics metrics,
            QWidget* parent = nullptr);
    ~CCtlRTA() override;

    bool Zoomed() const { return metrics_.zoomed; }
    bool Running() const { return running_; }
    bool SumAndDifference() const { return sumAndDifference_; }
    int ChannelSelection() const { return channels_; }
    bool Lines() const { return lines_; }
    // 1, 2, 5 or 10: pixels per dB are 1.7 (3.4 zoomed) times the scale.
    double Scale() const { return scale_; }
    int VerticalOffset() const { return offset_; }
    bool CurveShown() const { return curve_; }
    // Band levels in dB by column (0 = 25 Hz ... 29 = 20 kHz).
    const std::array<double, kColumns>& FirstTrace() const { return first_; }
    const std::array<double, kColumns>& SecondTrace() const { return second_; }

    // ---- Geometry, as painted and hit ----
    // From y = top margin to the bottom margin, x from the level-label column to the right edge.
    QRect GraphRect() const;
    int LabelWidth() const;
    // The level labels at the current scale, top first ("20", "18", ... "-50" at 2 dB/div).
    QStringList LevelLabels() const;
    // The y of a level with the current scale and offset; the x of a column's left edge.
    double LevelY(double level) const;
    double ColumnX(int column) const;
    // The x-curve columns the overlay draws (points that are not kNoPoint), left to right.
    std::array<bool, kColumns> CurveColumnsDrawn() const;
    // The scroll limit at the current scale.
    int OffsetLimit() const;
    // How many level labels (and grid lines) the current scale has.
    int LabelCount() const;

    // Every analyser display of the program, in the order they were made.
    static const std::vector<CCtlRTA*>& Instances();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  public slots:
    // The buttons' commands, also for the program and tests.
    void TogglePower();
    void CycleChannels();
    void ToggleSumAndDifference();
    void ToggleStyle();
    // scale 1, 2, 5 or 10.
    void SetScale(double scale);
    void ToggleCurve();
    // The traces shown: kFirstTrace, kSecondTrace or kBothTraces.
    void SetChannelSelection(int channels);
    // Every band of both traces shows this level until the next update.
    void ResetTraces(double level);
    // The engine's events.
    void OnSLAUpdate(const QVector<double>& values);
    void OnSLARunning(bool running, bool sumAndDifference);

  signals:
    // A double click asks the main window for the zoomed analyser.
    void showZoomedRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    class LegendButton;

    void CreateButtons();
    QPushButton* AddButton(int id, const QString& text, bool checkable, QPoint at);
    // Sets this instance's state and captions from the shared running and sum/difference state.
    void ShowSharedState(bool running, bool sumAndDifference);
    void UpdateLegendCaption();
    void UpdateScaleChecks();
    void EndDrag();
    void TakeFocus();
    void UpdateCursor(QPoint at);

    void PaintFrame(QPainter& painter, const QRect& dirty);
    void PaintGraph(QPainter& painter);
    void PaintTrace(QPainter& painter, const std::array<double, kColumns>& levels,
                    const QPen& linePen, const QBrush& barBrush);
    void PaintCurve(QPainter& painter);
    void LayoutGrid();

    IKVT80& engine_;
    AnalyserMetrics metrics_;
    bool curve_;
    bool running_ = false;
    bool sumAndDifference_ = false;
    int channels_ = kBothTraces;
    bool lines_ = false;
    double scale_ = 1.0;
    int offset_ = 0;
    std::array<double, kColumns> first_{};
    std::array<double, kColumns> second_{};

    bool dragging_ = false;
    int lastDragY_ = 0;

    int labelWidth_ = 0;
    int labelHeight_ = 0;

    // Painting's own tools and storage, made once.
    QPen gridPen_{QColor(80, 80, 80), 1};
    QPen firstPen_{QColor(255, 0, 0), 1};
    QPen secondPen_{QColor(0, 255, 0), 1};
    QPen barOutlinePen_{QColor(0, 0, 0), 1};
    QPen curvePen_{QColor(255, 255, 255), 2};  // the window colour
    QBrush firstBrush_{QColor(255, 0, 0)};
    QBrush secondBrush_{QColor(0, 255, 0)};
    static constexpr int kMaxLabels = 71;  // 1 dB/div from +20 to -50
    std::array<QPointF, kColumns + 1> points_{};
    std::array<QRectF, kColumns> bars_{};
    std::array<QLineF, kMaxLabels> gridLines_{};

    QPushButton* power_ = nullptr;
    LegendButton* legend_ = nullptr;
    QPushButton* sumDifference_ = nullptr;
    QPushButton* style_ = nullptr;
    std::array<QPushButton*, 4> scales_{};
    QPushButton* curveButton_ = nullptr;
    QWidget* focusSink_ = nullptr;
};

}  // namespace kvt::frontend
