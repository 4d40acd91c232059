// CDlgZoomedSLA: the "Real Time Analyzer" window, a larger analyser display with the X-curve
// overlay. The curve can be moved up or down ("X-Curve Adjust") once its lock is opened; the
// offset is kept in xcurve.ini and applies to the next run too. The window is made once and
// shown again each time it is asked for; closing it only hides it.
#pragma once

#include <QDialog>

#include "IKVT80.h"

class QLabel;
class QSlider;
class QToolButton;

namespace kvt::frontend {
class CCtlRTA;
class EngineBridge;
}  // namespace kvt::frontend

namespace kvt::laptop {

class CDlgZoomedSLA : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kSliderId = 1558;
    static constexpr int kAdjustLabelId = 1560;
    static constexpr int kLockId = 1562;
    // The slider's positions: the curve's offset is the negated position.
    static constexpr int kLowestPosition = -20;
    static constexpr int kHighestPosition = 50;

    // The X-curve offset is read from (and written to) xcurve.ini in settingsFolder.
    CDlgZoomedSLA(IKVT80& engine, frontend::EngineBridge& bridge, int languageCode,
                  QString settingsFolder, QWidget* parent = nullptr);
    ~CDlgZoomedSLA() override;

    frontend::CCtlRTA& Analyser() const { return *analyser_; }
    bool Locked() const { return locked_; }
    void SetLocked(bool locked);
    // Writes the current offset to xcurve.ini unless it is stored already; false when it could
    // not be written.
    bool SaveSetting();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void OnSliderMoved(int position);

    QString settingsFolder_;
    frontend::CCtlRTA* analyser_ = nullptr;
    QLabel* adjustLabel_ = nullptr;
    QSlider* slider_ = nullptr;
    QToolButton* lock_ = nullptr;
    bool locked_ = true;
    int storedOffset_ = 0;  // what xcurve.ini holds
};

}  // namespace kvt::laptop
