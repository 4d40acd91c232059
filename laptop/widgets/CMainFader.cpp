#include "CMainFader.h"

namespace kvt::laptop {

namespace {

const QColor kThumbColour(0xCC, 0, 0);

}  // namespace

CMainFader::CMainFader(QWidget* parent) : CTrackbar(Qt::Horizontal, parent) {
    setObjectName(QStringLiteral("1382"));
    setAccessibleName(tr("Main Fader"));
    setRange(kMinimumLevel, kMaximumLevel);
    setPageStep(kPageStep);
    SetThumbColour(kThumbColour);
    SetTickInterval(kTickInterval);
    SetMark(kNominalLevel);
    connect(this, &CTrackbar::positionDisplayed, this, &CMainFader::levelDisplayed);
    connect(this, &CTrackbar::positionWritten, this, &CMainFader::levelWritten);
}

}  // namespace kvt::laptop
