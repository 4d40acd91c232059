#include "EQSliderColumn.h"

#include <QGridLayout>
#include <QLabel>
#include <cstdlib>

#include "CFaderValueDisplay.h"
#include "CTabberWnd.h"
#include "CTrackbar.h"

namespace kvt::laptop {

namespace {

constexpr int kSmallPointSize = 7;

// Texts wider than their slider keep a pixel from the next column's.
constexpr int kTextMargin = 1;

QFont SmallFont(const QWidget* owner) {
    QFont small = owner->font();
    small.setPointSize(kSmallPointSize);
    return small;
}

}  // namespace

QString EQOneDecimal(int tenths) {
    return FaderText(tenths);
}

QString EQTwoDecimals(int hundredths) {
    const QString whole = QString::number(std::abs(hundredths) / 100);
    const QString fraction =
        QStringLiteral("%1").arg(std::abs(hundredths) % 100, 2, 10, QLatin1Char('0'));
    return (hundredths < 0 ? QStringLiteral("-") : QString()) + whole + QLatin1Char('.') + fraction;
}

EQSliderColumn EQSliderColumn::Add(QWidget* owner, QGridLayout* grid, int row, int column,
                                   const EQSliderSpec& spec) {
    EQSliderColumn slider;
    slider.display = new QLabel(owner);
    slider.display->setObjectName(spec.displayName);
    slider.display->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    slider.display->setFont(SmallFont(owner));
    slider.display->setContentsMargins(kTextMargin, 0, kTextMargin, 0);
    slider.display->setAccessibleName(spec.label);
    grid->addWidget(slider.display, row, column, Qt::AlignHCenter | Qt::AlignBottom);

    slider.trackbar = new CTrackbar(Qt::Vertical, owner);
    slider.trackbar->setObjectName(QString::number(spec.trackbarId));
    slider.trackbar->setAccessibleName(spec.label);
    slider.trackbar->setRange(spec.minimum, spec.maximum);
    // Page keys and clicks on the channel do not move these sliders: steps, drags and the ends.
    slider.trackbar->setPageStep(0);
    slider.trackbar->SetThumbColour(spec.thumbColour);
    slider.trackbar->SetTickInterval(spec.tickInterval);
    CTabberWnd::Wrap(slider.trackbar);
    grid->addWidget(slider.trackbar, row + 1, column, Qt::AlignHCenter);

    if (!spec.labelName.isEmpty()) {
        slider.label = new QLabel(spec.label, owner);
        slider.label->setObjectName(spec.labelName);
        slider.label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        slider.label->setFont(SmallFont(owner));
        slider.label->setContentsMargins(kTextMargin, 0, kTextMargin, 0);
        grid->addWidget(slider.label, row + 2, column, Qt::AlignHCenter | Qt::AlignTop);
    }

    const EQValueText text = spec.text;
    QLabel* display = slider.display;
    QObject::connect(slider.trackbar, &CTrackbar::positionDisplayed, display,
                     [display, text](int position) { display->setText(text(position)); });
    display->setText(text(slider.trackbar->value()));
    return slider;
}

void EQSliderColumn::Show(int position) const {
    trackbar->SetPosition(position, false);
}

void EQSliderColumn::SetVisible(bool visible) const {
    display->setVisible(visible);
    trackbar->setVisible(visible);
    if (label != nullptr) {
        label->setVisible(visible);
    }
}

}  // namespace kvt::laptop
