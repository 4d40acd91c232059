#include "CFaderValueDisplay.h"

#include <QFontMetrics>
#include <QResizeEvent>
#include <cstdlib>

namespace kvt::laptop {

namespace {

const QColor kTextColour(128, 0, 0);
constexpr int kLargestPixelSize = 26;
constexpr int kSmallestPixelSize = 8;
// Every level the fader can show fits once this does.
const QString kWidestText = QStringLiteral("10.0");

}  // namespace

QString FaderText(int position) {
    QString digits = QString::number(std::abs(position));
    if (digits.size() == 1) {
        digits.prepend(QLatin1Char('0'));
    }
    digits.insert(digits.size() - 1, QLatin1Char('.'));
    return position < 0 ? QLatin1Char('-') + digits : digits;
}

CFaderValueDisplay::CFaderValueDisplay(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::WindowText, kTextColour);
    }
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(kLargestPixelSize);
    setFont(bold);
    SetPosition(0);
}

void CFaderValueDisplay::SetPosition(int position) {
    position_ = position;
    setText(FaderText(position));
}

QSize CFaderValueDisplay::sizeHint() const {
    return {42, 30};
}

QSize CFaderValueDisplay::minimumSizeHint() const {
    return {24, 14};
}

void CFaderValueDisplay::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    FitFont();
}

void CFaderValueDisplay::FitFont() {
    const QRect room = contentsRect();
    QFont fitted = font();
    for (int size = kLargestPixelSize; size >= kSmallestPixelSize; --size) {
        fitted.setPixelSize(size);
        const QFontMetrics metrics(fitted);
        if (metrics.horizontalAdvance(kWidestText) <= room.width() &&
            metrics.height() <= room.height()) {
            break;
        }
    }
    if (fitted.pixelSize() != font().pixelSize()) {
        setFont(fitted);
    }
}

}  // namespace kvt::laptop
