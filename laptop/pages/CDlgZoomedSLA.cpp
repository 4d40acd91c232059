#include "CDlgZoomedSLA.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "AppSettings.h"
#include "CCtlRTA.h"
#include "XCurve.h"

namespace kvt::laptop {

using frontend::XCurve;

CDlgZoomedSLA::CDlgZoomedSLA(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                             QString settingsFolder, QWidget* parent)
    : QDialog(parent), settingsFolder_(std::move(settingsFolder)) {
    setObjectName(QStringLiteral("CDlgZoomedSLA"));
    setWindowTitle(tr("Real Time Analyzer"));
    setModal(false);

    analyser_ = new frontend::CCtlRTA(engine, bridge,
                                      frontend::AnalyserMetrics::Zoomed(languageCode), this);

    adjustLabel_ = new QLabel(tr("X-Curve Adjust"), this);
    adjustLabel_->setObjectName(QString::number(kAdjustLabelId));
    adjustLabel_->setAlignment(Qt::AlignCenter);
    adjustLabel_->setWordWrap(true);
    slider_ = new QSlider(Qt::Vertical, this);
    slider_->setObjectName(QString::number(kSliderId));
    slider_->setAccessibleName(tr("X-Curve Adjust"));
    slider_->setRange(kLowestPosition, kHighestPosition);
    // The lowest position at the top: moving the thumb down moves the curve down.
    slider_->setInvertedAppearance(true);
    slider_->setInvertedControls(true);
    slider_->setPageStep(5);
    slider_->setTickPosition(QSlider::TicksBothSides);
    slider_->setTickInterval(10);
    adjustLabel_->setBuddy(slider_);
    lock_ = new QToolButton(this);
    lock_->setObjectName(QString::number(kLockId));
    lock_->setIconSize(QSize(32, 32));
    lock_->setAutoRaise(true);

    // A stored offset the slider cannot show is taken at the nearest one it can.
    const int stored = frontend::ReadXCurveSetting(settingsFolder_);
    const int offset = std::clamp(stored, -kHighestPosition, -kLowestPosition);
    XCurve::ShiftTo(offset);
    storedOffset_ = stored;
    slider_->setValue(-offset);
    connect(slider_, &QSlider::valueChanged, this, &CDlgZoomedSLA::OnSliderMoved);
    connect(lock_, &QToolButton::clicked, this, [this] { SetLocked(!locked_); });
    SetLocked(true);

    auto* side = new QVBoxLayout;
    side->addWidget(adjustLabel_);
    side->addWidget(slider_, 1, Qt::AlignHCenter);
    side->addWidget(lock_, 0, Qt::AlignHCenter);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(analyser_, 1);
    layout->addLayout(side);
}

CDlgZoomedSLA::~CDlgZoomedSLA() {
    SaveSetting();
}

void CDlgZoomedSLA::SetLocked(bool locked) {
    locked_ = locked;
    lock_->setIcon(QIcon(locked ? QStringLiteral(":/icons/lock-closed.svg")
                                : QStringLiteral(":/icons/lock-open.svg")));
    lock_->setToolTip(locked ? tr("Unlock the X-curve adjustment")
                             : tr("Lock the X-curve adjustment"));
    lock_->setAccessibleName(lock_->toolTip());
    slider_->setEnabled(!locked);
    adjustLabel_->setEnabled(!locked);
}

void CDlgZoomedSLA::OnSliderMoved(int position) {
    XCurve::ShiftTo(-position);
    for (frontend::CCtlRTA* display : frontend::CCtlRTA::Instances()) {
        if (display->Zoomed()) {
            display->update(display->GraphRect());
        }
    }
}

bool CDlgZoomedSLA::SaveSetting() {
    const int offset = -slider_->value();
    if (offset == storedOffset_) {
        return true;
    }
    if (!frontend::WriteXCurveSetting(settingsFolder_, offset)) {
        return false;
    }
    storedOffset_ = offset;
    return true;
}

void CDlgZoomedSLA::closeEvent(QCloseEvent* event) {
    // Kept for the next time it is asked for; the offset is kept now, not only at exit.
    SaveSetting();
    event->ignore();
    hide();
}

}  // namespace kvt::laptop
