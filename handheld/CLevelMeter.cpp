#include "CLevelMeter.h"

#include <QPainter>

#include "PanelSlider.h"
#include "pages/CDlgInputForm.h"

namespace kvt::handheld {

namespace {

constexpr int kLampSize = 12;
constexpr int kLampGap = 3;
constexpr int kTextHeight = 12;
constexpr int kWidth = 30;

QColor LampColour(int image) {
    switch (image) {
        case 0:
            return QColor(230, 30, 30);
        case 2:
            return QColor(40, 210, 60);
        case 1:
            return QColor(90, 30, 30);
        default:
            return QColor(30, 80, 35);
    }
}

}  // namespace

CLevelMeter::CLevelMeter(const QString& name, QWidget* parent)
    : QWidget(parent), lamps_(laptop::kLampsDark) {
    setAccessibleName(name);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void CLevelMeter::SetLevel(double level, bool silent) {
    const Lamps lamps = silent ? laptop::kLampsDark : laptop::LampsForLevel(level);
    const QString text = silent ? QString() : OneDecimal(level);
    if (lamps != lamps_ || text != text_) {
        lamps_ = lamps;
        text_ = text;
        update();
    }
}

QSize CLevelMeter::sizeHint() const {
    return {kWidth, 4 * kLampSize + 3 * kLampGap + kTextHeight + 4};
}

QSize CLevelMeter::minimumSizeHint() const {
    return sizeHint();
}

void CLevelMeter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int left = (width() - kLampSize) / 2;
    int top = 1;
    painter.setPen(QColor(20, 20, 20));
    for (int lamp : lamps_) {
        painter.setBrush(LampColour(lamp));
        painter.drawEllipse(QRect(left, top, kLampSize, kLampSize));
        top += kLampSize + kLampGap;
    }
    QFont small = font();
    small.setPixelSize(10);
    painter.setFont(small);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, top, width(), kTextHeight), Qt::AlignCenter, text_);
}

}  // namespace kvt::handheld
