#include "CInputTrackbar.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace kvt::laptop {

namespace {

constexpr int kChannelThickness = 6;

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

QColor Blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) { return qRound(a + (b - a) * share); };
    return {mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue())};
}

}  // namespace

CInputTrackbar::CInputTrackbar(Qt::Orientation orientation, QColor thumbColour, QWidget* parent)
    : QSlider(orientation, parent), thumbColour_(thumbColour) {
    setPageStep(0);
    setFocusPolicy(Qt::StrongFocus);
    if (orientation == Qt::Vertical) {
        // The lowest position at the top; Up moves the thumb up.
        setInvertedAppearance(true);
        setInvertedControls(true);
    }
    connect(this, &QAbstractSlider::actionTriggered, this, &CInputTrackbar::OnAction);
    connect(this, &QAbstractSlider::valueChanged, this, &CInputTrackbar::OnValueChanged);
    connect(this, &QAbstractSlider::sliderReleased, this, &CInputTrackbar::EndTrack);
}

void CInputTrackbar::SetPosition(int position) {
    userAction_ = false;
    setValue(position);
}

void CInputTrackbar::OnAction(int action) {
    userAction_ = true;
    writeAction_ = action == SliderPageStepAdd || action == SliderPageStepSub ||
                   action == SliderToMinimum || action == SliderToMaximum;
}

void CInputTrackbar::OnValueChanged(int position) {
    emit positionShown(position);
    if (!userAction_) {
        return;
    }
    userAction_ = false;
    trackMoved_ = true;
    if (Holding() || writeAction_ || isSliderDown()) {
        Write();
    }
}

void CInputTrackbar::EndTrack() {
    if (trackMoved_ && lastWritten_ != value()) {
        Write();
    }
    trackMoved_ = false;
}

void CInputTrackbar::Write() {
    lastWritten_ = value();
    emit positionWritten(value());
}

void CInputTrackbar::keyPressEvent(QKeyEvent* event) {
    heldArrows_ |= ArrowBit(event->key());
    QSlider::keyPressEvent(event);
}

void CInputTrackbar::keyReleaseEvent(QKeyEvent* event) {
    QSlider::keyReleaseEvent(event);
    if (event->isAutoRepeat()) {
        return;
    }
    heldArrows_ &= ~ArrowBit(event->key());
    EndTrack();
}

void CInputTrackbar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        mouseDown_ = true;
    }
    QSlider::mousePressEvent(event);
}

void CInputTrackbar::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) {
        mouseDown_ = false;
        EndTrack();
    }
}

void CInputTrackbar::focusOutEvent(QFocusEvent* event) {
    QSlider::focusOutEvent(event);
    if (heldArrows_ != 0) {
        heldArrows_ = 0;
        EndTrack();
    }
}

void CInputTrackbar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);

    const bool vertical = orientation() == Qt::Vertical;
    QRect channel = groove;
    if (vertical) {
        channel = QRect(groove.center().x() - kChannelThickness / 2, groove.top(),
                        kChannelThickness, groove.height());
    } else {
        channel = QRect(groove.left(), groove.center().y() - kChannelThickness / 2, groove.width(),
                        kChannelThickness);
    }
    if (hasFocus()) {
        painter.fillRect(channel, vertical ? QColor(0, 0x33, 0xFF) : QColor(Qt::white));
    } else {
        painter.fillRect(channel, palette().color(QPalette::Mid));
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(channel.topLeft(), channel.topRight());
    painter.drawLine(channel.topLeft(), channel.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(channel.bottomLeft(), channel.bottomRight());
    painter.drawLine(channel.topRight(), channel.bottomRight());

    const QColor start =
        isEnabled() ? thumbColour_ : palette().color(QPalette::Disabled, QPalette::Text);
    QLinearGradient fill(handle.topLeft(), vertical ? handle.topRight() : handle.bottomLeft());
    fill.setColorAt(0, start);
    fill.setColorAt(1, Blend(start, Qt::white, 0.6));
    painter.fillRect(handle, fill);
    painter.setPen(Qt::black);
    painter.drawRect(handle.adjusted(0, 0, -1, -1));
}

}  // namespace kvt::laptop
