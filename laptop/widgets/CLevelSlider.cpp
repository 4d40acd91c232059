#include "CLevelSlider.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QWheelEvent>
#include <algorithm>

namespace kvt::laptop {

namespace {

constexpr int kThumbThickness = 11;  // along the channel; odd, so the thumb has a centre line
constexpr int kThumbMaxBreadth = 21;
constexpr int kThumbMinBreadth = 8;
constexpr int kEndMargin = kThumbThickness / 2 + 3;
constexpr int kChannelBreadth = 6;
constexpr int kTickGap = 2;  // between the thumb and the ticks
constexpr int kTickLength = 4;
constexpr int kMarkHalfWidth = 3;

constexpr int kWheelStep = 120;  // one notch of a classic wheel
constexpr int kPageRepeatDelayMs = 400;
constexpr int kPageRepeatIntervalMs = 100;

// The channel of the slider with the focus.
const QColor kFocusColour(0, 51, 255);

unsigned ArrowBit(int key) {
    switch (key) {
        case Qt::Key_Left:
            return 1U;
        case Qt::Key_Right:
            return 2U;
        case Qt::Key_Up:
            return 4U;
        case Qt::Key_Down:
            return 8U;
        default:
            return 0U;
    }
}

bool IsTrackKey(int key) {
    return ArrowBit(key) != 0 || key == Qt::Key_PageUp || key == Qt::Key_PageDown ||
           key == Qt::Key_Home || key == Qt::Key_End;
}

}  // namespace

CLevelSlider::CLevelSlider(Qt::Orientation orientation, int minimum, int maximum, QWidget* parent)
    : QAbstractSlider(parent), thumbColour_(0, 204, 0) {
    setOrientation(orientation);
    setRange(minimum, maximum);
    setSingleStep(1);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(orientation == Qt::Vertical
                      ? QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding)
                      : QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed));

    pageRepeat_.setSingleShot(false);
    connect(&pageRepeat_, &QTimer::timeout, this, &CLevelSlider::PageTowardsPointer);
    connect(this, &QAbstractSlider::valueChanged, this, &CLevelSlider::positionDisplayed);
}

void CLevelSlider::SetTickInterval(int interval) {
    tickInterval_ = std::max(0, interval);
    update();
}

void CLevelSlider::SetMark(std::optional<int> position) {
    mark_ = position;
    update();
}

void CLevelSlider::SetThumbColour(const QColor& colour) {
    thumbColour_ = colour;
    update();
}

QSize CLevelSlider::sizeHint() const {
    const int across = kThumbMaxBreadth + 2 * (kTickGap + kTickLength + 1);
    return Vertical() ? QSize(across, 160) : QSize(160, across);
}

QSize CLevelSlider::minimumSizeHint() const {
    const int across = kThumbMinBreadth + 2 * (kTickGap + kTickLength + 1);
    const int along = 2 * kEndMargin + 40;
    return Vertical() ? QSize(across, along) : QSize(along, across);
}

int CLevelSlider::Along(QPointF point) const {
    return qRound(Vertical() ? point.y() : point.x());
}

int CLevelSlider::Length() const {
    return Vertical() ? height() : width();
}

int CLevelSlider::Across() const {
    return Vertical() ? width() : height();
}

int CLevelSlider::PositionCoordinate(int position) const {
    const int first = kEndMargin;
    const int last = std::max(first, Length() - 1 - kEndMargin);
    const int span = maximum() - minimum();
    if (span <= 0) {
        return first;
    }
    const int offset = std::clamp(position, minimum(), maximum()) - minimum();
    return first + qRound(static_cast<double>(last - first) * offset / span);
}

int CLevelSlider::PositionAt(int coordinate) const {
    const int first = kEndMargin;
    const int last = std::max(first + 1, Length() - 1 - kEndMargin);
    const double share = static_cast<double>(coordinate - first) / (last - first);
    return std::clamp(minimum() + qRound(share * (maximum() - minimum())), minimum(), maximum());
}

QPoint CLevelSlider::PositionPoint(int position) const {
    const int along = PositionCoordinate(position);
    const int across = Across() / 2;
    return Vertical() ? QPoint(across, along) : QPoint(along, across);
}

QRect CLevelSlider::ThumbRect() const {
    const int breadth =
        std::clamp(Across() - 2 * (kTickGap + kTickLength + 1), kThumbMinBreadth, kThumbMaxBreadth);
    const int side = (Across() - breadth) / 2;
    const int start = PositionCoordinate(value()) - kThumbThickness / 2;
    return Vertical() ? QRect(side, start, breadth, kThumbThickness)
                      : QRect(start, side, kThumbThickness, breadth);
}

QRect CLevelSlider::ChannelRect() const {
    const int start = kEndMargin - 2;
    const int length = std::max(0, Length() - 1 - kEndMargin + 2 - start + 1);
    const int side = (Across() - kChannelBreadth) / 2;
    return Vertical() ? QRect(side, start, kChannelBreadth, length)
                      : QRect(start, side, length, kChannelBreadth);
}

void CLevelSlider::SetPosition(int position) {
    setValue(std::clamp(position, minimum(), maximum()));
}

void CLevelSlider::Move(int position, Track track) {
    position = std::clamp(position, minimum(), maximum());
    if (position == value()) {
        return;
    }
    setValue(position);
    trackMoved_ = true;
    emit userMoved(position);
    if (HoldingInput() || track == Track::Page || track == Track::ToEnd) {
        Write();
    }
}

// The end of a key press, a drag, a held channel or a wheel turn: whatever the track moved and
// was not yet written goes out now.
void CLevelSlider::EndTrack() {
    if (!trackMoved_) {
        return;
    }
    trackMoved_ = false;
    if (lastWritten_ != value()) {
        Write();
    }
    emit trackEnded(value());
}

void CLevelSlider::Write() {
    lastWritten_ = value();
    emit positionWritten(value());
}

void CLevelSlider::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Ctrl, Alt and Meta combinations belong to the menus and shortcuts.
    const Qt::KeyboardModifiers commandModifiers =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!IsTrackKey(key) || commandModifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (const unsigned bit = ArrowBit(key); bit != 0) {
        heldArrows_ |= bit;
        const int step = (key == Qt::Key_Left || key == Qt::Key_Up) ? -singleStep() : singleStep();
        Move(value() + step, Track::Line);
        return;
    }
    switch (key) {
        case Qt::Key_PageUp:
            Move(value() - pageStep(), Track::Page);
            break;
        case Qt::Key_PageDown:
            Move(value() + pageStep(), Track::Page);
            break;
        case Qt::Key_Home:
            Move(minimum(), Track::ToEnd);
            break;
        case Qt::Key_End:
            Move(maximum(), Track::ToEnd);
            break;
        default:
            break;
    }
}

void CLevelSlider::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!IsTrackKey(key)) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat()) {
        return;
    }
    heldArrows_ &= ~ArrowBit(key);
    EndTrack();
}

void CLevelSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    leftButtonDown_ = true;
    const int along = Along(event->position());
    const QRect thumb = ThumbRect();
    if (thumb.contains(event->position().toPoint())) {
        dragging_ = true;
        dragOffset_ = along - PositionCoordinate(value());
        return;
    }
    // Anywhere else pages towards the pointer, as a click on a trackbar's channel does.
    const int centre = Vertical() ? thumb.center().y() : thumb.center().x();
    pageDirection_ = along < centre ? -1 : 1;
    pagePointer_ = along;
    Move(value() + pageDirection_ * pageStep(), Track::Page);
    pageRepeat_.start(kPageRepeatDelayMs);
}

void CLevelSlider::mouseMoveEvent(QMouseEvent* event) {
    const int along = Along(event->position());
    if (dragging_) {
        Move(PositionAt(along - dragOffset_), Track::Thumb);
    } else if (pageDirection_ != 0) {
        pagePointer_ = along;
    }
    event->accept();
}

void CLevelSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    leftButtonDown_ = false;
    dragging_ = false;
    StopPaging();
    EndTrack();
}

void CLevelSlider::PageTowardsPointer() {
    pageRepeat_.setInterval(kPageRepeatIntervalMs);
    const QRect thumb = ThumbRect();
    const int thumbStart = Vertical() ? thumb.top() : thumb.left();
    const int thumbEnd = Vertical() ? thumb.bottom() : thumb.right();
    const bool reached = pageDirection_ < 0 ? pagePointer_ >= thumbStart : pagePointer_ <= thumbEnd;
    if (pageDirection_ == 0 || reached) {
        StopPaging();
        return;
    }
    Move(value() + pageDirection_ * pageStep(), Track::Page);
}

void CLevelSlider::StopPaging() {
    pageRepeat_.stop();
    pageDirection_ = 0;
}

void CLevelSlider::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    wheelRemainder_ += angle.y() != 0 ? angle.y() : angle.x();
    const int steps = wheelRemainder_ / kWheelStep;
    wheelRemainder_ %= kWheelStep;
    event->accept();
    if (steps == 0) {
        return;
    }
    // Turning the wheel away from the user raises the level: the smaller position.
    Move(value() - steps * singleStep(), Track::Line);
    EndTrack();
}

void CLevelSlider::focusInEvent(QFocusEvent* event) {
    QAbstractSlider::focusInEvent(event);
    update();
}

// Keys held when the focus leaves are released elsewhere; the track ends here.
void CLevelSlider::focusOutEvent(QFocusEvent* event) {
    QAbstractSlider::focusOutEvent(event);
    if (heldArrows_ != 0) {
        heldArrows_ = 0;
        EndTrack();
    }
    update();
}

void CLevelSlider::changeEvent(QEvent* event) {
    QAbstractSlider::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        leftButtonDown_ = false;
        dragging_ = false;
        heldArrows_ = 0;
        StopPaging();
        EndTrack();
    }
}

void CLevelSlider::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawTicks(painter);
    DrawChannel(painter);
    DrawThumb(painter);
}

void CLevelSlider::DrawTicks(QPainter& painter) const {
    const QRect thumb = ThumbRect();
    // The tick rows on either side of the thumb, given across the channel.
    const int nearInner = (Vertical() ? thumb.left() : thumb.top()) - kTickGap;
    const int nearOuter = nearInner - kTickLength + 1;
    const int farInner = (Vertical() ? thumb.right() : thumb.bottom()) + kTickGap;
    const int farOuter = farInner + kTickLength - 1;
    const auto point = [this](int along, int across) {
        return Vertical() ? QPoint(across, along) : QPoint(along, across);
    };
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    if (tickInterval_ > 0) {
        for (int position = minimum(); position <= maximum(); position += tickInterval_) {
            if (mark_ == position) {
                continue;
            }
            const int along = PositionCoordinate(position);
            painter.drawLine(point(along, nearOuter), point(along, nearInner));
            painter.drawLine(point(along, farInner), point(along, farOuter));
        }
    }
    if (!mark_) {
        return;
    }
    const int along = PositionCoordinate(*mark_);
    painter.setBrush(ink);
    painter.drawPolygon(
        QPolygon({point(along - kMarkHalfWidth, nearOuter),
                  point(along + kMarkHalfWidth, nearOuter), point(along, nearInner)}));
    painter.drawPolygon(
        QPolygon({point(along - kMarkHalfWidth, farOuter), point(along + kMarkHalfWidth, farOuter),
                  point(along, farInner)}));
}

void CLevelSlider::DrawChannel(QPainter& painter) const {
    const QRect channel = ChannelRect();
    if (hasFocus()) {
        const bool tall = channel.height() >= channel.width();
        QLinearGradient fill(channel.topLeft(), tall ? channel.bottomLeft() : channel.topRight());
        fill.setColorAt(0, kFocusColour);
        fill.setColorAt(1, Qt::white);
        painter.fillRect(channel, fill);
    } else {
        painter.fillRect(channel, palette().color(QPalette::Mid));
    }
    // Sunken edge: shadow above and left, light below and right.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(channel.topLeft(), channel.topRight());
    painter.drawLine(channel.topLeft(), channel.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(channel.bottomLeft(), channel.bottomRight());
    painter.drawLine(channel.topRight(), channel.bottomRight());
}

void CLevelSlider::DrawThumb(QPainter& painter) const {
    const QRect thumb = ThumbRect();
    const QColor start =
        isEnabled() ? thumbColour_ : palette().color(QPalette::Disabled, QPalette::Text);
    // Across the thumb's long side: left to right on a vertical slider.
    QLinearGradient fill(thumb.topLeft(), Vertical() ? thumb.topRight() : thumb.bottomLeft());
    fill.setColorAt(0, start);
    fill.setColorAt(1, Qt::white);
    painter.fillRect(thumb, fill);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(thumb.adjusted(0, 0, -1, -1));
}

}  // namespace kvt::laptop
