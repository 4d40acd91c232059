#include "CMainFader.h"

#include <QPainter>
#include <QPolygon>

namespace kvt::laptop {

namespace {

constexpr int kMarkHalfWidth = 3;  // the nominal level's triangles stand in the tick rows
const QColor kThumbColour(0xCC, 0, 0);

}  // namespace

CMainFader::CMainFader(QWidget* parent) : CTrackbar(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("1382"));
    setAccessibleName(tr("Main Fader"));
    setRange(kMinimumLevel, kMaximumLevel);
    setPageStep(kPageStep);
    SetThumbColour(kThumbColour);
    SetTickInterval(kTickInterval);
    connect(this, &CTrackbar::positionDisplayed, this, &CMainFader::levelDisplayed);
    connect(this, &CTrackbar::positionWritten, this, &CMainFader::levelWritten);
}

void CMainFader::DrawTicks(QPainter& painter) const {
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    for (int position = minimum(); position <= maximum(); position += kTickInterval) {
        if (position != kNominalLevel) {
            DrawTick(painter, position);
        }
    }

    // The nominal level: a triangle in each tick row pointing at the channel.
    const TickRows rows = Ticks();
    const int x = PositionX(kNominalLevel);
    painter.setBrush(ink);
    painter.drawPolygon(
        QPolygon({QPoint(x - kMarkHalfWidth, rows.beforeOuter),
                  QPoint(x + kMarkHalfWidth, rows.beforeOuter), QPoint(x, rows.beforeInner)}));
    painter.drawPolygon(
        QPolygon({QPoint(x - kMarkHalfWidth, rows.afterOuter),
                  QPoint(x + kMarkHalfWidth, rows.afterOuter), QPoint(x, rows.afterInner)}));
}

}  // namespace kvt::laptop
