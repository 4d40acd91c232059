#include "CDlgSubParametricForm.h"

#include <QGridLayout>
#include <QLabel>
#include <cmath>

#include "widgets/CTrackbar.h"

namespace kvt::laptop {

namespace {

const QColor kThumbColour(Qt::black);

}  // namespace

int CDlgSubParametricForm::LevelPosition(double gain) {
    return static_cast<int>(std::lround(-10.0 * gain));
}

int CDlgSubParametricForm::QPosition(double q) {
    return static_cast<int>(std::lround(-4.0 * q));
}

int CDlgSubParametricForm::FrequencyPosition(double hertz) {
    return static_cast<int>(std::lround(-hertz));
}

CDlgSubParametricForm::CDlgSubParametricForm(IKVT80& engine, QWidget* parent)
    : QGroupBox(tr("Sub Bass Parametric Equalizer"), parent), engine_(engine) {
    setObjectName(QStringLiteral("331"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(2);

    const QString dB = tr("dB");
    const QString hz = tr("Hz");
    level_ = EQSliderColumn::Add(
        this, grid, 0, 1,
        {1420, QStringLiteral("1421"), QStringLiteral("subLevelLabel"), tr("Level"), 0, 119,
         kThumbColour, 0, [dB](int p) { return EQOneDecimal(-p) + QLatin1Char('\n') + dB; }});
    q_ = EQSliderColumn::Add(
        this, grid, 0, 2,
        {1422, QStringLiteral("1451"), QStringLiteral("subQLabel"), tr("Q"), -40, -2, kThumbColour,
         0, [](int p) { return EQTwoDecimals(-25 * p); }});
    frequency_ = EQSliderColumn::Add(
        this, grid, 0, 3,
        {1452, QStringLiteral("1453"), QStringLiteral("subFrequencyLabel"), tr("Frequency"), -120,
         -20, kThumbColour, 0,
         [hz](int p) { return EQOneDecimal(-10 * p) + QLatin1Char('\n') + hz; }});
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(1, 1);
    for (const EQSliderColumn* column : {&level_, &q_, &frequency_}) {
        // Room enough here for the page's own type size.
        column->display->setMinimumWidth(48);
        column->display->setFont(font());
        column->label->setFont(font());
    }

    connect(level_.trackbar, &CTrackbar::positionWritten, this,
            [this](int p) { engine_.put_SubParametricGain(-p / 10.0); });
    connect(q_.trackbar, &CTrackbar::positionWritten, this,
            [this](int p) { engine_.put_SubParametricQ(-p / 4.0); });
    connect(frequency_.trackbar, &CTrackbar::positionWritten, this,
            [this](int p) { engine_.put_SubParametricFreq(static_cast<double>(-p)); });
    Refresh();
}

void CDlgSubParametricForm::Refresh() {
    double value = 0;
    engine_.get_SubParametricGain(&value);
    level_.Show(LevelPosition(value));
    value = 0;
    engine_.get_SubParametricQ(&value);
    q_.Show(QPosition(value));
    value = 0;
    engine_.get_SubParametricFreq(&value);
    frequency_.Show(FrequencyPosition(value));
}

}  // namespace kvt::laptop
