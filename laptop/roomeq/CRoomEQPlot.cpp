#include "CRoomEQPlot.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace kvt::laptop {

namespace {

constexpr double kLowestHz = 20.0;
constexpr double kHighestHz = 20000.0;
constexpr double kGridStepDb = 5.0;
constexpr double kLeastSpanDb = 20.0;

const QColor kBeforeColour(200, 60, 40);
const QColor kTargetColour(90, 90, 90);
const QColor kAfterColour(20, 100, 200);
const QColor kJudgedShade(235, 242, 250);

struct AxisLabel {
    double hz;
    const char* text;
};
constexpr AxisLabel kFrequencyLabels[] = {{31.5, "31.5"}, {63, "63"},    {125, "125"}, {250, "250"},
                                          {500, "500"},   {1000, "1k"},  {2000, "2k"}, {4000, "4k"},
                                          {8000, "8k"},   {16000, "16k"}};

}  // namespace

CRoomEQPlot::CRoomEQPlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CRoomEQPlot::SetCurves(const Curves& curves) {
    curves_ = curves;
    update();
}

void CRoomEQPlot::Clear() {
    curves_.reset();
    update();
}

void CRoomEQPlot::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics(font());
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("-100 dB")) + 6;
    const int legendHeight = metrics.height() + 6;
    const QRectF area(labelWidth, legendHeight + 4, width() - labelWidth - 12,
                      height() - legendHeight - metrics.height() - 14);
    if (area.width() < 20 || area.height() < 20) {
        return;
    }

    // The dB range: every value drawn, in whole grid steps, at least kLeastSpanDb tall.
    double low = 0.0;
    double high = 0.0;
    bool any = false;
    if (curves_) {
        for (size_t c = 0; c < roomeq::kColumns; ++c) {
            for (const double db : {curves_->before[c], curves_->after[c]}) {
                low = any ? std::min(low, db) : db;
                high = any ? std::max(high, db) : db;
                any = true;
            }
            if (curves_->hasTarget[c]) {
                low = std::min(low, curves_->target[c]);
                high = std::max(high, curves_->target[c]);
            }
        }
    }
    if (!any) {
        low = -10.0;
        high = 10.0;
    }
    low = std::floor(low / kGridStepDb) * kGridStepDb;
    high = std::ceil(high / kGridStepDb) * kGridStepDb;
    if (high - low < kLeastSpanDb) {
        const double middle = std::round((high + low) / 2.0 / kGridStepDb) * kGridStepDb;
        low = middle - kLeastSpanDb / 2.0;
        high = middle + kLeastSpanDb / 2.0;
    }
    const double stepDb = (high - low) > 40.0 ? 2.0 * kGridStepDb : kGridStepDb;

    auto x = [&](double hz) {
        return area.left() +
               area.width() * std::log(hz / kLowestHz) / std::log(kHighestHz / kLowestHz);
    };
    auto y = [&](double db) { return area.bottom() - area.height() * (db - low) / (high - low); };

    // The judged columns, a third of an octave wide each.
    if (curves_) {
        for (int c = 0; c < roomeq::kColumns; ++c) {
            if (curves_->judged[static_cast<size_t>(c)]) {
                const double hz = roomeq::ColumnHz(c);
                painter.fillRect(QRectF(QPointF(x(hz / std::cbrt(std::sqrt(2.0))), area.top()),
                                        QPointF(x(hz * std::cbrt(std::sqrt(2.0))), area.bottom())),
                                 kJudgedShade);
            }
        }
    }

    // The grid and its labels.
    painter.setPen(QPen(palette().mid().color(), 0.5));
    painter.setFont(font());
    for (const AxisLabel& label : kFrequencyLabels) {
        const double at = x(label.hz);
        painter.drawLine(QPointF(at, area.top()), QPointF(at, area.bottom()));
        const QString text = QString::fromLatin1(label.text);
        const int w = metrics.horizontalAdvance(text);
        painter.setPen(palette().text().color());
        painter.drawText(QPointF(at - w / 2.0, area.bottom() + metrics.ascent() + 4), text);
        painter.setPen(QPen(palette().mid().color(), 0.5));
    }
    for (double db = low; db <= high + 0.01; db += stepDb) {
        painter.drawLine(QPointF(area.left(), y(db)), QPointF(area.right(), y(db)));
        const QString text = tr("%1 dB").arg(db, 0, 'f', 0);
        painter.setPen(palette().text().color());
        painter.drawText(
            QRectF(0, y(db) - metrics.height() / 2.0, labelWidth - 6, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, text);
        painter.setPen(QPen(palette().mid().color(), 0.5));
    }
    painter.setPen(QPen(palette().text().color(), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);

    // The legend, above the plot.
    struct Entry {
        QString text;
        QColor colour;
        Qt::PenStyle style;
    };
    const Entry legend[] = {{tr("Before"), kBeforeColour, Qt::SolidLine},
                            {tr("Target"), kTargetColour, Qt::DashLine},
                            {tr("After"), kAfterColour, Qt::SolidLine}};
    double left = area.left();
    for (const Entry& entry : legend) {
        painter.setPen(QPen(entry.colour, 2.0, entry.style));
        const double middle = legendHeight / 2.0 + 1;
        painter.drawLine(QPointF(left, middle), QPointF(left + 24, middle));
        painter.setPen(palette().text().color());
        painter.drawText(QPointF(left + 30, middle + metrics.ascent() / 2.0 - 1), entry.text);
        left += 30 + metrics.horizontalAdvance(entry.text) + 20;
    }

    if (!curves_) {
        return;
    }
    painter.setClipRect(area);
    auto draw = [&](const roomeq::Curve& curve, const std::array<bool, roomeq::kColumns>* has,
                    const QColor& colour, Qt::PenStyle style) {
        QPainterPath path;
        bool open = false;
        for (int c = 0; c < roomeq::kColumns; ++c) {
            const auto at = static_cast<size_t>(c);
            if (has != nullptr && !(*has)[at]) {
                open = false;
                continue;
            }
            const QPointF point(x(roomeq::ColumnHz(c)), y(curve[at]));
            if (open) {
                path.lineTo(point);
            } else {
                path.moveTo(point);
                open = true;
            }
        }
        painter.setPen(QPen(colour, 2.0, style));
        painter.drawPath(path);
    };
    draw(curves_->target, &curves_->hasTarget, kTargetColour, Qt::DashLine);
    draw(curves_->before, nullptr, kBeforeColour, Qt::SolidLine);
    draw(curves_->after, nullptr, kAfterColour, Qt::SolidLine);
}

}  // namespace kvt::laptop
