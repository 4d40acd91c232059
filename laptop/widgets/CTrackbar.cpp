#include "CTrackbar.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QWheelEvent>
#include <algorithm>

namespace kvt::laptop {

namespace {

constexpr int kThumbLength = 11;  // along the slider; odd, so the thumb has a centre line
constexpr int kThumbMaxBreadth = 21;
constexpr int kThumbMinBreadth = 8;
constexpr int kSideMargin = kThumbLength / 2 + 3;
constexpr int kChannelBreadth = 6;
constexpr int kTickGap = 2;  // between the thumb and the ticks
constexpr int kTickLength = 4;
constexpr int kTickRoom = kTickGap + kTickLength + 1;  // on each side of the thumb
constexpr int kMarkHalfWidth = 3;  // the mark's triangles stand in the tick rows
constexpr int kHorizontalHintBreadth = 36;
constexpr int kVerticalHintBreadth = kThumbMinBreadth + 2 * kTickRoom;
constexpr int kHorizontalHintLength = 197;
constexpr int kVerticalHintLength = 160;

constexpr int kWheelStep = 120;  // one notch of a classic wheel
constexpr int kPageRepeatDelayMs = 400;
constexpr int kPageRepeatIntervalMs = 100;

const QColor kFocusedVerticalChannel(0, 0x33, 0xFF);

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

QColor Blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

}  // namespace

CTrackbar::CTrackbar(Qt::Orientation orientation, QWidget* parent)
    : QAbstractSlider(parent), thumbColour_(Qt::black) {
    setOrientation(orientation);
    setSingleStep(1);
    setFocusPolicy(Qt::StrongFocus);
    if (orientation == Qt::Horizontal) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        hintBreadth_ = kHorizontalHintBreadth;
    } else {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        hintBreadth_ = kVerticalHintBreadth;
    }
    pageRepeat_.setSingleShot(false);
    connect(&pageRepeat_, &QTimer::timeout, this, &CTrackbar::PageTowardsPointer);
    connect(this, &QAbstractSlider::valueChanged, this, &CTrackbar::positionDisplayed);
}

void CTrackbar::SetThumbColour(const QColor& colour) {
    thumbColour_ = colour;
    update();
}

void CTrackbar::SetTickInterval(int interval) {
    tickInterval_ = std::max(0, interval);
    update();
}

void CTrackbar::SetMark(std::optional<int> position) {
    mark_ = position;
    update();
}

void CTrackbar::SetThumbBreadth(int breadth) {
    hintBreadth_ = std::clamp(breadth, kThumbMinBreadth, kThumbMaxBreadth) + 2 * kTickRoom;
    updateGeometry();
}

QSize CTrackbar::sizeHint() const {
    return Horizontal() ? QSize(kHorizontalHintLength, hintBreadth_)
                        : QSize(hintBreadth_, kVerticalHintLength);
}

QSize CTrackbar::minimumSizeHint() const {
    const int along = 2 * kSideMargin + 40;
    const int across = kThumbMinBreadth + 2 * kTickRoom;
    return Horizontal() ? QSize(along, across) : QSize(across, along);
}

int CTrackbar::AlongLength() const {
    return Horizontal() ? width() : height();
}

int CTrackbar::AcrossLength() const {
    return Horizontal() ? height() : width();
}

int CTrackbar::Along(QPointF point) const {
    return qRound(Horizontal() ? point.x() : point.y());
}

QPoint CTrackbar::Point(int along, int across) const {
    return Horizontal() ? QPoint(along, across) : QPoint(across, along);
}

QRect CTrackbar::Oriented(int along, int across, int alongLength, int acrossLength) const {
    return Horizontal() ? QRect(along, across, alongLength, acrossLength)
                        : QRect(across, along, acrossLength, alongLength);
}

int CTrackbar::PositionOffset(int position) const {
    const int first = kSideMargin;
    const int last = std::max(first, AlongLength() - 1 - kSideMargin);
    const int span = maximum() - minimum();
    if (span <= 0) {
        return first;
    }
    const int offset = std::clamp(position, minimum(), maximum()) - minimum();
    return first + qRound(static_cast<double>(last - first) * offset / span);
}

int CTrackbar::PositionAt(int offset) const {
    const int first = kSideMargin;
    const int last = std::max(first + 1, AlongLength() - 1 - kSideMargin);
    const double share = static_cast<double>(offset - first) / (last - first);
    return std::clamp(minimum() + qRound(share * (maximum() - minimum())), minimum(), maximum());
}

int CTrackbar::ThumbBreadth() const {
    return std::clamp(AcrossLength() - 2 * kTickRoom, kThumbMinBreadth, kThumbMaxBreadth);
}

QRect CTrackbar::ThumbRect() const {
    const int breadth = ThumbBreadth();
    const int across = (AcrossLength() - breadth) / 2;
    return Oriented(PositionOffset(value()) - kThumbLength / 2, across, kThumbLength, breadth);
}

QRect CTrackbar::ChannelRect() const {
    const int first = kSideMargin - 2;
    const int last = AlongLength() - 1 - kSideMargin + 2;
    return Oriented(first, (AcrossLength() - kChannelBreadth) / 2, std::max(0, last - first + 1),
                    kChannelBreadth);
}

void CTrackbar::SetPosition(int position, bool write) {
    setValue(std::clamp(position, minimum(), maximum()));
    if (write) {
        Write();
    }
}

void CTrackbar::Move(int position, Track track) {
    position = std::clamp(position, minimum(), maximum());
    if (position == value()) {
        return;
    }
    setValue(position);
    trackMoved_ = true;
    emit positionTracked(position);
    if (HoldingInput() || track == Track::Page || track == Track::ToEnd) {
        Write();
    }
}

// The end of a key press, a drag, a held channel or a wheel turn: whatever the track moved and
// was not yet written goes to the engine now.
void CTrackbar::EndTrack() {
    if (!trackMoved_) {
        return;
    }
    trackMoved_ = false;
    if (lastWritten_ != value()) {
        Write();
    }
    emit trackEnded(value());
}

void CTrackbar::Write() {
    lastWritten_ = value();
    emit positionWritten(value());
}

void CTrackbar::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    // Ctrl, Alt and Meta combinations belong to the menus and shortcuts.
    const Qt::KeyboardModifiers commandModifiers =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!IsTrackKey(key) || commandModifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A horizontal slider grows to the right and with Up; a vertical one grows downwards.
    const bool upGrows = Horizontal();
    if (const unsigned bit = ArrowBit(key); bit != 0) {
        heldArrows_ |= bit;
        bool grows = key == Qt::Key_Right || key == Qt::Key_Down;
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            grows = (key == Qt::Key_Up) == upGrows;
        }
        Move(value() + (grows ? singleStep() : -singleStep()), Track::Line);
        return;
    }
    switch (key) {
        case Qt::Key_PageUp:
            Move(value() + (upGrows ? pageStep() : -pageStep()), Track::Page);
            break;
        case Qt::Key_PageDown:
            Move(value() + (upGrows ? -pageStep() : pageStep()), Track::Page);
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

void CTrackbar::keyReleaseEvent(QKeyEvent* event) {
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

void CTrackbar::mousePressEvent(QMouseEvent* event) {
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
        dragOffset_ = along - PositionOffset(value());
        return;
    }
    // Anywhere else pages towards the pointer, as a click on a trackbar's channel does.
    pageDirection_ = along < PositionOffset(value()) ? -1 : 1;
    pagePointer_ = along;
    Move(value() + pageDirection_ * pageStep(), Track::Page);
    pageRepeat_.start(kPageRepeatDelayMs);
}

void CTrackbar::mouseMoveEvent(QMouseEvent* event) {
    const int along = Along(event->position());
    if (dragging_) {
        Move(PositionAt(along - dragOffset_), Track::Thumb);
    } else if (pageDirection_ != 0) {
        pagePointer_ = along;
    }
    event->accept();
}

void CTrackbar::mouseReleaseEvent(QMouseEvent* event) {
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

void CTrackbar::PageTowardsPointer() {
    pageRepeat_.setInterval(kPageRepeatIntervalMs);
    const int thumbFirst = PositionOffset(value()) - kThumbLength / 2;
    const int thumbLast = thumbFirst + kThumbLength - 1;
    const bool reached =
        pageDirection_ < 0 ? pagePointer_ >= thumbFirst : pagePointer_ <= thumbLast;
    if (pageDirection_ == 0 || reached || pageStep() == 0) {
        StopPaging();
        return;
    }
    Move(value() + pageDirection_ * pageStep(), Track::Page);
}

void CTrackbar::StopPaging() {
    pageRepeat_.stop();
    pageDirection_ = 0;
}

void CTrackbar::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    wheelRemainder_ += angle.y() != 0 ? angle.y() : angle.x();
    const int steps = wheelRemainder_ / kWheelStep;
    wheelRemainder_ %= kWheelStep;
    event->accept();
    if (steps == 0) {
        return;
    }
    // Each turn is a whole track: it ends at once, so the engine hears of it. Turning away moves
    // the thumb up or right.
    Move(value() + (Horizontal() ? steps : -steps) * singleStep(), Track::Line);
    EndTrack();
}

void CTrackbar::focusInEvent(QFocusEvent* event) {
    QAbstractSlider::focusInEvent(event);
    update();
}

// Keys held when the focus leaves are released elsewhere; the track ends here.
void CTrackbar::focusOutEvent(QFocusEvent* event) {
    QAbstractSlider::focusOutEvent(event);
    if (heldArrows_ != 0) {
        heldArrows_ = 0;
        EndTrack();
    }
    update();
}

void CTrackbar::changeEvent(QEvent* event) {
    QAbstractSlider::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        leftButtonDown_ = false;
        dragging_ = false;
        heldArrows_ = 0;
        StopPaging();
        EndTrack();
    }
}

void CTrackbar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawTicks(painter);
    DrawMark(painter);
    DrawChannel(painter);
    DrawThumb(painter);
}

CTrackbar::TickRows CTrackbar::Ticks() const {
    const int breadth = ThumbBreadth();
    const int thumbFirst = (AcrossLength() - breadth) / 2;
    const int thumbLast = thumbFirst + breadth - 1;
    TickRows rows{};
    rows.beforeInner = thumbFirst - kTickGap;
    rows.beforeOuter = rows.beforeInner - kTickLength + 1;
    rows.afterInner = thumbLast + kTickGap;
    rows.afterOuter = rows.afterInner + kTickLength - 1;
    return rows;
}

void CTrackbar::DrawTicks(QPainter& painter) const {
    if (tickInterval_ <= 0) {
        return;
    }
    const TickRows rows = Ticks();
    painter.setPen(palette().color(QPalette::WindowText));
    for (int position = minimum(); position <= maximum(); position += tickInterval_) {
        if (position == mark_) {
            continue;
        }
        const int along = PositionOffset(position);
        painter.drawLine(Point(along, rows.beforeOuter), Point(along, rows.beforeInner));
        painter.drawLine(Point(along, rows.afterInner), Point(along, rows.afterOuter));
    }
}

// A triangle in each tick row, pointing at the channel.
void CTrackbar::DrawMark(QPainter& painter) const {
    if (!mark_) {
        return;
    }
    const TickRows rows = Ticks();
    const int along = PositionOffset(*mark_);
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    painter.setBrush(ink);
    for (const auto& [outer, inner] : {std::pair{rows.beforeOuter, rows.beforeInner},
                                       std::pair{rows.afterOuter, rows.afterInner}}) {
        painter.drawPolygon(QPolygon({Point(along - kMarkHalfWidth, outer),
                                      Point(along + kMarkHalfWidth, outer), Point(along, inner)}));
    }
}

void CTrackbar::DrawChannel(QPainter& painter) const {
    const QRect channel = ChannelRect();
    if (hasFocus()) {
        const QColor colour = Horizontal() ? QColor(Qt::white) : kFocusedVerticalChannel;
        QLinearGradient fill(channel.topLeft(),
                             Horizontal() ? channel.bottomLeft() : channel.topRight());
        fill.setColorAt(0, colour);
        fill.setColorAt(1, Blend(colour, QColor(0xE0, 0xE0, 0xE0), Horizontal() ? 1.0 : 0.35));
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

void CTrackbar::DrawThumb(QPainter& painter) const {
    const QRect thumb = ThumbRect();
    const QColor start =
        isEnabled() ? thumbColour_ : palette().color(QPalette::Disabled, QPalette::Text);
    QLinearGradient fill(thumb.topLeft(), Horizontal() ? thumb.bottomLeft() : thumb.topRight());
    fill.setColorAt(0, start);
    fill.setColorAt(1, Blend(start, Qt::white, 0.6));
    painter.fillRect(thumb, fill);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(thumb.adjusted(0, 0, -1, -1));
}

}  // namespace kvt::laptop
