#include "CCtlRTA.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>

#include "EngineBridge.h"
#include "XCurve.h"

namespace kvt::frontend {

namespace {

constexpr int kChineseLanguageCode = 4;
constexpr double kZoomedBandFactor = 2.596;
constexpr int kBarHalfHeight = 2;
constexpr int kLegendLineLift = 5;  // the single trace's underline, above the button's bottom

const QColor kFirstLegendColour(255, 0, 0);
const QColor kSecondLegendColour(0, 160, 0);

// The handheld's window.
constexpr double kHandheldPixelsPerDb = 1.2;
constexpr double kHandheldBandWidth = 6.7;

// Band labels by column, 25 Hz first.
constexpr std::array<const char*, CCtlRTA::kColumns> kBandLabels{
    "25",   "31",    "40",  "50",  "63",   "80",  "100", "125",   "160",  "200",
    "250",  "316",   "400", "500", "630",  "800", "1K",  "1.25K", "1.6K", "2K",
    "2.5K", "3.15K", "4K",  "5K",  "6.3K", "8K",  "10K", "12.5K", "16K",  "20K",
};

// Scales in the order of their buttons: 10, 5, 2 and 1 dB per division.
constexpr std::array<double, 4> kScales{1.0, 2.0, 5.0, 10.0};
// Choosing a scale keeps the scroll offset within these (negative: no limit).
constexpr std::array<int, 4> kScaleOffsetCaps{0, 20, 230, -1};

int ScaleIndex(double scale) {
    for (size_t i = 0; i < kScales.size(); ++i) {
        if (kScales[i] == scale) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

std::vector<CCtlRTA*>& InstanceList() {
    static std::vector<CCtlRTA*> instances;
    return instances;
}

QFont PixelFont(int pixels) {
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    return font;
}

QFont ButtonFont(int languageCode) {
    QFont font = QApplication::font();
    if (languageCode == kChineseLanguageCode) {
        font.setPixelSize(14);
    } else {
        font.setPointSize(8);
    }
    return font;
}

// The names of the two traces in the mode shown.
QString FirstName(bool sumAndDifference) {
    return sumAndDifference ? CCtlRTA::tr("Sum") : CCtlRTA::tr("Left");
}

QString SecondName(bool sumAndDifference) {
    return sumAndDifference ? CCtlRTA::tr("Diff") : CCtlRTA::tr("Right");
}

QString LegendCaption(int channels, bool sumAndDifference) {
    switch (channels) {
        case CCtlRTA::kFirstTrace:
            return FirstName(sumAndDifference);
        case CCtlRTA::kSecondTrace:
            return SecondName(sumAndDifference);
        default:
            return sumAndDifference ? CCtlRTA::tr("Sum + Diff") : CCtlRTA::tr("Left + Right");
    }
}

}  // namespace

AnalyserMetrics AnalyserMetrics::Page(int languageCode) {
    AnalyserMetrics metrics;
    metrics.levelFont = PixelFont(12);
    metrics.bandFont = PixelFont(10);
    metrics.buttonFont = ButtonFont(languageCode);
    return metrics;
}

AnalyserMetrics AnalyserMetrics::Zoomed(int languageCode) {
    AnalyserMetrics metrics;
    metrics.zoomed = true;
    metrics.topMargin = 25;
    metrics.bandWidth = 9.0 * kZoomedBandFactor;
    metrics.columnShift = 4;
    metrics.labelStep = 34;
    metrics.offsetLimits = {65, 305, 1018, 2210};
    metrics.levelFont = PixelFont(18);
    metrics.bandFont = PixelFont(16);
    metrics.buttonFont = ButtonFont(languageCode);
    return metrics;
}

AnalyserMetrics AnalyserMetrics::Handheld(int languageCode) {
    AnalyserMetrics metrics;
    metrics.buttons = false;
    metrics.topMargin = 2;
    metrics.bottomMargin = 0;
    metrics.bandWidth = kHandheldBandWidth;
    metrics.pixelsPerDb = kHandheldPixelsPerDb;
    metrics.labelStep = static_cast<int>(10 * kHandheldPixelsPerDb);
    metrics.offsetLimits = {0, 84, 336, 756};
    metrics.levelFont = PixelFont(9);
    metrics.bandFont = PixelFont(8);
    // Third-octave columns are narrower than a line of text: the octave bands are labelled,
    // level (31, 63, 125 ... 16K).
    metrics.bandLabelStep = 3;
    metrics.firstBandLabel = 1;
    metrics.uprightBandLabels = false;
    metrics.buttonFont = ButtonFont(languageCode);
    return metrics;
}

// The legend: a push button whose caption names the traces shown, each name underlined in its
// trace's colour.
class CCtlRTA::LegendButton : public QPushButton {
  public:
    explicit LegendButton(CCtlRTA& owner) : QPushButton(&owner), owner_(owner) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);

        const bool sumAndDifference = owner_.SumAndDifference();
        const QRect inside = rect().adjusted(2, 2, -2, -2);
        // A long caption (some languages name the traces at length) is drawn smaller to fit.
        QFont captionFont = font();
        while (QFontMetrics(captionFont).horizontalAdvance(text()) > inside.width() &&
               Shrink(captionFont)) {
        }
        painter.setFont(captionFont);
        const QFontMetrics metrics(captionFont);
        // Pressed, the caption moves with the button face.
        const int shift = isDown() ? 1 : 0;
        const int lineY = height() - kLegendLineLift + shift;
        // The names sit just above their underlines.
        const int baseline = lineY - 2 - metrics.descent();

        const QString caption = text();
        const int width = metrics.horizontalAdvance(caption);
        const int left = inside.left() + (inside.width() - width) / 2 + shift;
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(left, baseline, caption);
        const auto underline = [&](int from, int to, const QColor& colour) {
            painter.setPen(QPen(colour, 2));
            painter.drawLine(left + from, lineY, left + to, lineY);
        };
        switch (owner_.ChannelSelection()) {
            case kFirstTrace:
                underline(0, width, kFirstLegendColour);
                break;
            case kSecondTrace:
                underline(0, width, kSecondLegendColour);
                break;
            default: {
                // "Left + Right": each name underlined in its colour; a caption that does not
                // spell the two names out is underlined half and half.
                const QString first = FirstName(sumAndDifference);
                const QString second = SecondName(sumAndDifference);
                const bool spelt = caption.size() > first.size() + second.size() &&
                                   caption.startsWith(first) && caption.endsWith(second);
                const int firstEnd = spelt ? metrics.horizontalAdvance(first) : width / 2 - 2;
                const int secondStart =
                    spelt ? width - metrics.horizontalAdvance(second) : width / 2 + 2;
                underline(0, firstEnd, kFirstLegendColour);
                underline(secondStart, width, kSecondLegendColour);
                break;
            }
        }
    }

  private:
    static bool Shrink(QFont& font) {
        constexpr double kSmallestPoints = 5.0;
        constexpr int kSmallestPixels = 7;
        if (font.pixelSize() > 0) {
            if (font.pixelSize() <= kSmallestPixels) {
                return false;
            }
            font.setPixelSize(font.pixelSize() - 1);
            return true;
        }
        if (font.pointSizeF() <= kSmallestPoints) {
            return false;
        }
        font.setPointSizeF(font.pointSizeF() - 0.5);
        return true;
    }

    CCtlRTA& owner_;
};

CCtlRTA::CCtlRTA(IKVT80& engine, EngineBridge& bridge, AnalyserMetrics metrics, QWidget* parent)
    : QWidget(parent), engine_(engine), metrics_(std::move(metrics)), curve_(metrics_.zoomed) {
    setObjectName(QString::number(kAnalyserId));
    setAccessibleName(tr("Real Time Analyzer"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    curvePen_.setColor(palette().color(QPalette::Base));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);

    const QFontMetrics levelMetrics(metrics_.levelFont);
    labelWidth_ = levelMetrics.horizontalAdvance(QStringLiteral("-1000"));
    labelHeight_ = levelMetrics.height();
    // Upright band labels: the margin takes the longest; level ones take a line.
    const QFontMetrics bandMetrics(metrics_.bandFont);
    int longest = 0;
    for (const char* label : kBandLabels) {
        longest = std::max(longest, bandMetrics.horizontalAdvance(QLatin1String(label)));
    }
    metrics_.bottomMargin = std::max(
        metrics_.bottomMargin, metrics_.uprightBandLabels ? longest + 3 : bandMetrics.height() + 2);

    CreateButtons();
    InstanceList().push_back(this);
    // Start in step with the others.
    if (InstanceList().size() > 1) {
        const CCtlRTA* other = InstanceList().front();
        ShowSharedState(other->running_, other->sumAndDifference_);
    }

    connect(&bridge, &EngineBridge::slaUpdate, this, &CCtlRTA::OnSLAUpdate);
    connect(&bridge, &EngineBridge::slaRunning, this, &CCtlRTA::OnSLARunning);
}

CCtlRTA::~CCtlRTA() {
    auto& instances = InstanceList();
    instances.erase(std::remove(instances.begin(), instances.end(), this), instances.end());
}

const std::vector<CCtlRTA*>& CCtlRTA::Instances() {
    return InstanceList();
}

QPushButton* CCtlRTA::AddButton(int id, const QString& text, bool checkable, QPoint at) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::number(id));
    button->setAccessibleName(QString(text).replace(QStringLiteral("&&"), QStringLiteral("&")));
    button->setCheckable(checkable);
    button->setFont(metrics_.buttonFont);
    button->setGeometry(QRect(at, QSize(metrics_.buttonWidth, metrics_.buttonHeight)));
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

void CCtlRTA::CreateButtons() {
    const int step = metrics_.buttonWidth;
    int x = metrics_.firstButtonX;
    const auto next = [&x, step] {
        const QPoint at(x, 0);
        x += step;
        return at;
    };
    power_ = AddButton(kPowerId, tr("Power"), true, next());
    legend_ = new LegendButton(*this);
    legend_->setObjectName(QString::number(kLegendId));
    legend_->setFont(metrics_.buttonFont);
    legend_->setGeometry(QRect(next(), QSize(metrics_.buttonWidth, metrics_.buttonHeight)));
    legend_->setFocusPolicy(Qt::TabFocus);
    sumDifference_ = AddButton(kSumDifferenceId, tr("Normal"), false, next());
    style_ = AddButton(kStyleId, tr("Bars"), false, next());

    if (!metrics_.zoomed) {
        x = metrics_.firstButtonX;
    }
    const int scaleRow = metrics_.zoomed ? 0 : metrics_.buttonHeight;
    const std::array<std::pair<int, QString>, 4> scaleButtons{{
        {kScale10Id, tr("10 dB/div")},
        {kScale5Id, tr("5 dB/div")},
        {kScale2Id, tr("2 dB/div")},
        {kScale1Id, tr("1 dB/div")},
    }};
    for (size_t i = 0; i < scaleButtons.size(); ++i) {
        QPoint at = next();
        at.setY(scaleRow);
        scales_[i] = AddButton(scaleButtons[i].first, scaleButtons[i].second, true, at);
        const double scale = kScales[i];
        connect(scales_[i], &QPushButton::clicked, this, [this, scale] { SetScale(scale); });
    }
    if (metrics_.zoomed) {
        curveButton_ = AddButton(kXCurveId, tr("X-Curve"), true, next());
        curveButton_->setChecked(true);
        connect(curveButton_, &QPushButton::clicked, this, &CCtlRTA::ToggleCurve);
    }

    if (!metrics_.buttons) {
        for (QPushButton* button : findChildren<QPushButton*>()) {
            button->hide();
        }
    }

    focusSink_ = new QWidget(this);
    focusSink_->setObjectName(QStringLiteral("focusSink"));
    focusSink_->setGeometry(0, 0, 1, 1);
    focusSink_->setFocusPolicy(Qt::StrongFocus);
    focusSink_->lower();

    connect(power_, &QPushButton::clicked, this, &CCtlRTA::TogglePower);
    connect(legend_, &QPushButton::clicked, this, &CCtlRTA::CycleChannels);
    connect(sumDifference_, &QPushButton::clicked, this, &CCtlRTA::ToggleSumAndDifference);
    connect(style_, &QPushButton::clicked, this, &CCtlRTA::ToggleStyle);

    UpdateLegendCaption();
    UpdateScaleChecks();
}

// ---- Commands --------------------------------------------------------------------------------

void CCtlRTA::ShowSharedState(bool running, bool sumAndDifference) {
    running_ = running;
    sumAndDifference_ = sumAndDifference;
    power_->setChecked(running);
    sumDifference_->setText(sumAndDifference ? tr("Sum && Diff") : tr("Normal"));
    sumDifference_->setAccessibleName(
        sumDifference_->text().replace(QStringLiteral("&&"), QStringLiteral("&")));
    UpdateLegendCaption();
    update();
}

void CCtlRTA::UpdateLegendCaption() {
    legend_->setText(LegendCaption(channels_, sumAndDifference_));
    legend_->setAccessibleName(legend_->text());
    legend_->update();
}

void CCtlRTA::UpdateScaleChecks() {
    const int current = ScaleIndex(scale_);
    for (size_t i = 0; i < scales_.size(); ++i) {
        scales_[i]->setChecked(static_cast<int>(i) == current);
    }
}

void CCtlRTA::TakeFocus() {
    if (focusSink_->isVisible()) {
        focusSink_->setFocus(Qt::OtherFocusReason);
    }
}

void CCtlRTA::TogglePower() {
    const bool running = !running_;
    for (CCtlRTA* instance : InstanceList()) {
        instance->ShowSharedState(running, instance->sumAndDifference_);
    }
    engine_.put_SLASumAndDiff(sumAndDifference_ ? VARIANT_TRUE : VARIANT_FALSE);
    if (running) {
        engine_.StartSLA();
    } else {
        engine_.StopSLA();
    }
    TakeFocus();
}

void CCtlRTA::CycleChannels() {
    channels_ = channels_ == kBothTraces   ? kFirstTrace
                : channels_ == kFirstTrace ? kSecondTrace
                                           : kBothTraces;
    UpdateLegendCaption();
    update(GraphRect());
    TakeFocus();
}

void CCtlRTA::ToggleSumAndDifference() {
    const bool sumAndDifference = !sumAndDifference_;
    // Each legend names the traces its own display shows.
    for (CCtlRTA* instance : InstanceList()) {
        instance->ShowSharedState(instance->running_, sumAndDifference);
    }
    engine_.put_SLASumAndDiff(sumAndDifference ? VARIANT_TRUE : VARIANT_FALSE);
    // The unit's routing word carries the mode only when the analyser is started again.
    if (running_) {
        engine_.StartSLA();
    }
    TakeFocus();
}

void CCtlRTA::ToggleStyle() {
    lines_ = !lines_;
    style_->setText(lines_ ? tr("Lines") : tr("Bars"));
    style_->setAccessibleName(style_->text());
    update(GraphRect());
    TakeFocus();
}

void CCtlRTA::SetScale(double scale) {
    const int index = ScaleIndex(scale);
    scale_ = kScales[index];
    const int cap = kScaleOffsetCaps[index];
    if (cap >= 0) {
        offset_ = std::min(offset_, cap);
    }
    UpdateScaleChecks();
    update();
    TakeFocus();
}

void CCtlRTA::ToggleCurve() {
    curve_ = !curve_;
    if (curveButton_ != nullptr) {
        curveButton_->setChecked(curve_);
    }
    update(GraphRect());
    TakeFocus();
}

void CCtlRTA::SetChannelSelection(int channels) {
    if (channels < kFirstTrace || channels > kBothTraces) {
        return;
    }
    channels_ = channels;
    UpdateLegendCaption();
    update(GraphRect());
}

void CCtlRTA::ResetTraces(double level) {
    first_.fill(level);
    second_.fill(level);
    update(GraphRect());
}

// ---- Engine events ---------------------------------------------------------------------------

void CCtlRTA::OnSLAUpdate(const QVector<double>& values) {
    // Shown with Power off: what is on screen stays.
    if (isVisible() && !running_) {
        return;
    }
    if (values.size() < kValues) {
        return;
    }
    // Band i (0 = 20 kHz) is column 29 - i: its second value is the first trace's.
    for (int band = 0; band < kColumns; ++band) {
        first_[kColumns - 1 - band] = values[2 * band + 1];
        second_[kColumns - 1 - band] = values[2 * band];
    }
    update(GraphRect());
}

void CCtlRTA::OnSLARunning(bool running, bool sumAndDifference) {
    for (CCtlRTA* instance : InstanceList()) {
        instance->ShowSharedState(running, sumAndDifference);
    }
}

// ---- Geometry --------------------------------------------------------------------------------

int CCtlRTA::LabelWidth() const {
    return labelWidth_;
}

QRect CCtlRTA::GraphRect() const {
    const int top = metrics_.topMargin;
    const int bottom = height() - metrics_.bottomMargin;
    return {QPoint(labelWidth_, top), QPoint(width() - 1, std::max(top, bottom - 1))};
}

QStringList CCtlRTA::LevelLabels() const {
    QStringList labels;
    const int step = static_cast<int>(10 / scale_);
    for (int level = static_cast<int>(kTopLevel); level >= static_cast<int>(kBottomLevel);
         level -= step) {
        labels << QString::number(level);
    }
    return labels;
}

double CCtlRTA::LevelY(double level) const {
    const double perDb = metrics_.pixelsPerDb * scale_ * (metrics_.zoomed ? 2.0 : 1.0);
    const double firstLine = metrics_.topMargin + labelHeight_ / 2;
    return firstLine + (kTopLevel - level) * perDb - offset_;
}

double CCtlRTA::ColumnX(int column) const {
    return labelWidth_ - metrics_.columnShift + column * metrics_.bandWidth;
}

std::array<bool, CCtlRTA::kColumns> CCtlRTA::CurveColumnsDrawn() const {
    std::array<bool, kColumns> drawn{};
    const auto& points = XCurve::Points();
    for (int column = 0; column < kColumns; ++column) {
        drawn[column] = points[column] != XCurve::kNoPoint;
    }
    return drawn;
}

int CCtlRTA::LabelCount() const {
    const int step = static_cast<int>(10 / scale_);
    return std::min(static_cast<int>(kTopLevel - kBottomLevel) / step + 1, kMaxLabels);
}

int CCtlRTA::OffsetLimit() const {
    return metrics_.offsetLimits[ScaleIndex(scale_)];
}

QSize CCtlRTA::sizeHint() const {
    const int buttons =
        metrics_.buttons ? metrics_.firstButtonX + metrics_.buttonWidth * (metrics_.zoomed ? 9 : 4)
                         : 0;
    const int graph = labelWidth_ + static_cast<int>(std::ceil(kColumns * metrics_.bandWidth)) + 4;
    const int levels = 8 * metrics_.labelStep;
    return {std::max(buttons, graph), metrics_.topMargin + levels + metrics_.bottomMargin};
}

QSize CCtlRTA::minimumSizeHint() const {
    return sizeHint();
}

// ---- Mouse -----------------------------------------------------------------------------------

void CCtlRTA::UpdateCursor(QPoint at) {
    if (GraphRect().contains(at)) {
        setCursor(dragging_ ? Qt::ClosedHandCursor : Qt::OpenHandCursor);
    } else {
        setCursor(Qt::PointingHandCursor);
    }
}

void CCtlRTA::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && GraphRect().contains(at)) {
        dragging_ = true;
        lastDragY_ = at.y();
        UpdateCursor(at);
    }
    event->accept();
}

void CCtlRTA::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging_) {
        if (!GraphRect().contains(at)) {
            EndDrag();
        } else {
            int dy = at.y() - lastDragY_;
            lastDragY_ = at.y();
            if (!(metrics_.zoomed && scale_ == 1.0)) {
                dy *= static_cast<int>(scale_ / 2);
            }
            const int moved = offset_ - dy;
            if (moved != offset_ && moved >= 0 && moved <= OffsetLimit()) {
                offset_ = moved;
                update();
            }
        }
    }
    UpdateCursor(at);
    event->accept();
}

void CCtlRTA::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        EndDrag();
        UpdateCursor(event->position().toPoint());
    }
    event->accept();
}

void CCtlRTA::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit showZoomedRequested();
}

void CCtlRTA::leaveEvent(QEvent* event) {
    EndDrag();
    QWidget::leaveEvent(event);
}

void CCtlRTA::EndDrag() {
    if (dragging_) {
        dragging_ = false;
        update();
    }
}

void CCtlRTA::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        curvePen_.setColor(palette().color(QPalette::Base));
    }
}

void CCtlRTA::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

// ---- Painting --------------------------------------------------------------------------------

void CCtlRTA::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect graph = GraphRect();
    // A stream update repaints the graph alone.
    if (!graph.contains(event->rect())) {
        PaintFrame(painter, event->rect());
    }
    PaintGraph(painter);
}

void CCtlRTA::PaintFrame(QPainter& painter, const QRect& dirty) {
    const QRect graph = GraphRect();
    const QColor face = palette().color(QPalette::Button);
    painter.fillRect(QRect(0, 0, width(), graph.top()), face);
    painter.fillRect(QRect(0, graph.top(), graph.left(), height() - graph.top()), face);
    painter.fillRect(QRect(graph.left(), graph.bottom() + 1, width() - graph.left(),
                           height() - graph.bottom() - 1),
                     face);

    // Level labels, right-aligned beside their grid lines; they scroll with the graph.
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.setFont(metrics_.levelFont);
    painter.save();
    painter.setClipRect(QRect(0, graph.top(), graph.left(), graph.height()));
    const QStringList labels = LevelLabels();
    for (int k = 0; k < labels.size(); ++k) {
        const int top = metrics_.topMargin + k * metrics_.labelStep - offset_;
        if (top > graph.bottom() || top + labelHeight_ < graph.top()) {
            continue;
        }
        painter.drawText(QRect(0, top, labelWidth_ - 2, labelHeight_),
                         Qt::AlignRight | Qt::AlignVCenter, labels[k]);
    }
    painter.restore();

    // Band labels stand upright below their columns, ending at the graph's bottom edge.
    if (dirty.bottom() > graph.bottom()) {
        painter.setFont(metrics_.bandFont);
        const QFontMetrics band(metrics_.bandFont);
        for (int column = metrics_.firstBandLabel; column < kColumns;
             column += std::max(1, metrics_.bandLabelStep)) {
            const QString label = QLatin1String(kBandLabels[column]);
            if (!metrics_.uprightBandLabels) {
                const double middle = ColumnX(column) + metrics_.bandWidth / 2.0;
                const int width = band.horizontalAdvance(label);
                painter.drawText(QPointF(middle - width / 2.0, graph.bottom() + 1 + band.ascent()),
                                 label);
                continue;
            }
            const double x = ColumnX(column) + (metrics_.bandWidth - band.height()) / 2.0;
            const double y = graph.bottom() + 2 + band.horizontalAdvance(label);
            painter.save();
            painter.translate(x, y);
            painter.rotate(-90);
            painter.drawText(QPointF(0, band.ascent()), label);
            painter.restore();
        }
    }
}

void CCtlRTA::LayoutGrid() {
    const QRect graph = GraphRect();
    const double left = ColumnX(0);
    const double right = labelWidth_ + kColumns * metrics_.bandWidth;
    for (int k = 0; k < LabelCount(); ++k) {
        const double y = metrics_.topMargin + labelHeight_ / 2 + k * metrics_.labelStep - offset_;
        gridLines_[k] = QLineF(left, y, std::min<double>(right, graph.right()), y);
    }
}

// Last of a paint: the clip it sets is not undone.
void CCtlRTA::PaintGraph(QPainter& painter) {
    const QRect graph = GraphRect();
    painter.setClipRect(graph);
    painter.fillRect(graph, palette().color(QPalette::Text));

    LayoutGrid();
    painter.setPen(gridPen_);
    painter.drawLines(gridLines_.data(), LabelCount());

    if (curve_ && metrics_.zoomed) {
        PaintCurve(painter);
    }
    if (running_ && (channels_ & kFirstTrace) != 0) {
        PaintTrace(painter, first_, firstPen_, firstBrush_);
    }
    if (running_ && (channels_ & kSecondTrace) != 0) {
        PaintTrace(painter, second_, secondPen_, secondBrush_);
    }
}

void CCtlRTA::PaintTrace(QPainter& painter, const std::array<double, kColumns>& levels,
                         const QPen& linePen, const QBrush& barBrush) {
    const double width = metrics_.bandWidth;
    const double origin = ColumnX(0);
    if (lines_) {
        // From the graph's left edge through every column centre to the last column's right edge.
        points_[0] = QPointF(origin, LevelY(levels[0]));
        for (int column = 0; column < kColumns - 1; ++column) {
            points_[column + 1] =
                QPointF(origin + column * width + width / 2, LevelY(levels[column]));
        }
        points_[kColumns] = QPointF(origin + kColumns * width, LevelY(levels[kColumns - 1]));
        painter.setPen(linePen);
        painter.drawPolyline(points_.data(), static_cast<int>(points_.size()));
        return;
    }
    for (int column = 0; column < kColumns; ++column) {
        const double y = LevelY(levels[column]);
        bars_[column] =
            QRectF(origin + column * width, y - kBarHalfHeight, width, 2 * kBarHalfHeight);
    }
    painter.setPen(barOutlinePen_);
    painter.setBrush(barBrush);
    painter.drawRects(bars_.data(), kColumns);
    painter.setBrush(Qt::NoBrush);
}

void CCtlRTA::PaintCurve(QPainter& painter) {
    const auto& curve = XCurve::Points();
    const double width = metrics_.bandWidth;
    const double origin = ColumnX(0);
    int count = 0;
    for (int column = 0; column < kColumns; ++column) {
        if (curve[column] == XCurve::kNoPoint) {
            continue;
        }
        const bool last = column == kColumns - 1;
        const double x = origin + column * width + (last && count > 0 ? width : width / 2);
        points_[count++] = QPointF(x, LevelY(curve[column]));
    }
    if (count < 2) {
        return;
    }
    painter.setPen(curvePen_);
    painter.drawPolyline(points_.data(), count);
}

}  // namespace kvt::frontend
