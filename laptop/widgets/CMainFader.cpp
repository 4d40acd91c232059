#include "CMainFader.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QWheelEvent>
#include <algorithm>

namespace kvt::laptop {

namespace {

constexpr int kThumbWidth = 11;  // odd, so the thumb has a centre column
constexpr int kThumbMaxHeight = 21;
constexpr int kThumbMinHeight = 8;
constexpr int kSideMargin = kThumbWidth / 2 + 3;
constexpr int kChannelHeight = 6;
constexpr int kTickGap = 2;  // between the thumb and the ticks
constexpr int kTickLength = 4;
constexpr int kMarkHalfWidth = 3;  // the nominal level's triangles stand in the tick rows

constexpr int kWheelStep = 120;  // one notch of a classic wheel
constexpr int kPageRepeatDelayMs = 400;
constexpr int kPageRepeatIntervalMs = 100;

const QColor kThumbColour(0xCC, 0, 0);

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

CMainFader::CMainFader(QWidget* parent) : QAbstractSlider(parent) {
    setObjectName(QStringLiteral("1382"));
    setAccessibleName(tr("Main Fader"));
    setOrientation(Qt::Horizontal);
    setRange(kMinimumLevel, kMaximumLevel);
    setSingleStep(1);
    setPageStep(kPageStep);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    pageRepeat_.setSingleShot(false);
    connect(&pageRepeat_, &QTimer::timeout, this, &CMainFader::PageTowardsPointer);
    connect(this, &QAbstractSlider::valueChanged, this, &CMainFader::levelDisplayed);
}

QSize CMainFader::sizeHint() const {
    return {197, 36};
}

QSize CMainFader::minimumSizeHint() const {
    return {2 * kSideMargin + 40, kThumbMinHeight + 2 * (kTickGap + kTickLength + 1)};
}

int CMainFader::PositionX(int position) const {
    const int left = kSideMargin;
    const int right = std::max(left, width() - 1 - kSideMargin);
    const int span = maximum() - minimum();
    if (span <= 0) {
        return left;
    }
    const int offset = std::clamp(position, minimum(), maximum()) - minimum();
    return left + qRound(static_cast<double>(right - left) * offset / span);
}

int CMainFader::PositionAt(int x) const {
    const int left = kSideMargin;
    const int right = std::max(left + 1, width() - 1 - kSideMargin);
    const double share = static_cast<double>(x - left) / (right - left);
    return std::clamp(minimum() + qRound(share * (maximum() - minimum())), minimum(), maximum());
}

QRect CMainFader::ThumbRect() const {
    const int thumbHeight =
        std::clamp(height() - 2 * (kTickGap + kTickLength + 1), kThumbMinHeight, kThumbMaxHeight);
    const int top = (height() - thumbHeight) / 2;
    return {PositionX(value()) - kThumbWidth / 2, top, kThumbWidth, thumbHeight};
}

QRect CMainFader::ChannelRect() const {
    const int left = kSideMargin - 2;
    const int right = width() - 1 - kSideMargin + 2;
    return {left, (height() - kChannelHeight) / 2, std::max(0, right - left + 1), kChannelHeight};
}

void CMainFader::SetLevel(int level, bool write) {
    setValue(std::clamp(level, minimum(), maximum()));
    if (write) {
        Write();
    }
}

void CMainFader::Move(int position, Track track) {
    position = std::clamp(position, minimum(), maximum());
    if (position == value()) {
        return;
    }
    setValue(position);
    trackMoved_ = true;
    if (HoldingInput() || track == Track::Page || track == Track::ToEnd) {
        Write();
    }
}

// The end of a key press, a drag, a held channel or a wheel turn: whatever the track moved and
// was not yet written goes to the engine now.
void CMainFader::EndTrack() {
    if (trackMoved_ && lastWritten_ != value()) {
        Write();
    }
    trackMoved_ = false;
}

void CMainFader::Write() {
    lastWritten_ = value();
    emit levelWritten(value());
}

void CMainFader::keyPressEvent(QKeyEvent* event) {
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
        const int step =
            (key == Qt::Key_Left || key == Qt::Key_Down) ? -singleStep() : singleStep();
        Move(value() + step, Track::Line);
        return;
    }
    switch (key) {
        case Qt::Key_PageUp:
            Move(value() + pageStep(), Track::Page);
            break;
        case Qt::Key_PageDown:
            Move(value() - pageStep(), Track::Page);
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

void CMainFader::keyReleaseEvent(QKeyEvent* event) {
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

void CMainFader::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    leftButtonDown_ = true;
    const int x = qRound(event->position().x());
    const QRect thumb = ThumbRect();
    if (thumb.contains(event->position().toPoint())) {
        dragging_ = true;
        dragOffset_ = x - PositionX(value());
        return;
    }
    // Anywhere else pages towards the pointer, as a click on a trackbar's channel does.
    pageDirection_ = x < thumb.center().x() ? -1 : 1;
    pagePointerX_ = x;
    Move(value() + pageDirection_ * pageStep(), Track::Page);
    pageRepeat_.start(kPageRepeatDelayMs);
}

void CMainFader::mouseMoveEvent(QMouseEvent* event) {
    const int x = qRound(event->position().x());
    if (dragging_) {
        Move(PositionAt(x - dragOffset_), Track::Thumb);
    } else if (pageDirection_ != 0) {
        pagePointerX_ = x;
    }
    event->accept();
}

void CMainFader::mouseReleaseEvent(QMouseEvent* event) {
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

void CMainFader::PageTowardsPointer() {
    pageRepeat_.setInterval(kPageRepeatIntervalMs);
    const QRect thumb = ThumbRect();
    const bool reached =
        pageDirection_ < 0 ? pagePointerX_ >= thumb.left() : pagePointerX_ <= thumb.right();
    if (pageDirection_ == 0 || reached) {
        StopPaging();
        return;
    }
    Move(value() + pageDirection_ * pageStep(), Track::Page);
}

void CMainFader::StopPaging() {
    pageRepeat_.stop();
    pageDirection_ = 0;
}

void CMainFader::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    wheelRemainder_ += angle.y() != 0 ? angle.y() : angle.x();
    const int steps = wheelRemainder_ / kWheelStep;
    wheelRemainder_ %= kWheelStep;
    event->accept();
    if (steps == 0) {
        return;
    }
    // Each turn is a whole track: it ends at once, so the engine hears of it.
    Move(value() + steps * singleStep(), Track::Line);
    EndTrack();
}

void CMainFader::focusInEvent(QFocusEvent* event) {
    QAbstractSlider::focusInEvent(event);
    update();
}

// Keys held when the focus leaves are released elsewhere; the track ends here.
void CMainFader::focusOutEvent(QFocusEvent* event) {
    QAbstractSlider::focusOutEvent(event);
    if (heldArrows_ != 0) {
        heldArrows_ = 0;
        EndTrack();
    }
    update();
}

void CMainFader::changeEvent(QEvent* event) {
    QAbstractSlider::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        leftButtonDown_ = false;
        dragging_ = false;
        heldArrows_ = 0;
        StopPaging();
        EndTrack();
    }
}

void CMainFader::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawTicks(painter);
    DrawChannel(painter);
    DrawThumb(painter);
}

void CMainFader::DrawTicks(QPainter& painter) const {
    const QRect thumb = ThumbRect();
    const int aboveInner = thumb.top() - kTickGap;
    const int aboveOuter = aboveInner - kTickLength + 1;
    const int belowInner = thumb.bottom() + kTickGap;
    const int belowOuter = belowInner + kTickLength - 1;
    const QColor ink = palette().color(QPalette::WindowText);
    painter.setPen(ink);
    for (int position = minimum(); position <= maximum(); position += kTickInterval) {
        if (position == kNominalLevel) {
            continue;
        }
        const int x = PositionX(position);
        painter.drawLine(x, aboveOuter, x, aboveInner);
        painter.drawLine(x, belowInner, x, belowOuter);
    }

    // The nominal level: a triangle in each tick row pointing at the channel.
    const int x = PositionX(kNominalLevel);
    painter.setBrush(ink);
    painter.drawPolygon(QPolygon({QPoint(x - kMarkHalfWidth, aboveOuter),
                                  QPoint(x + kMarkHalfWidth, aboveOuter), QPoint(x, aboveInner)}));
    painter.drawPolygon(QPolygon({QPoint(x - kMarkHalfWidth, belowOuter),
                                  QPoint(x + kMarkHalfWidth, belowOuter), QPoint(x, belowInner)}));
}

void CMainFader::DrawChannel(QPainter& painter) const {
    const QRect channel = ChannelRect();
    if (hasFocus()) {
        QLinearGradient fill(channel.topLeft(), channel.bottomLeft());
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, QColor(0xE0, 0xE0, 0xE0));
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

void CMainFader::DrawThumb(QPainter& painter) const {
    const QRect thumb = ThumbRect();
    const QColor start =
        isEnabled() ? kThumbColour : palette().color(QPalette::Disabled, QPalette::Text);
    QLinearGradient fill(thumb.topLeft(), thumb.bottomLeft());
    fill.setColorAt(0, start);
    fill.setColorAt(1, Blend(start, Qt::white, 0.6));
    painter.fillRect(thumb, fill);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(thumb.adjusted(0, 0, -1, -1));
}

}  // namespace kvt::laptop
