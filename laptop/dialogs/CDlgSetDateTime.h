// CDlgSetDateTime: reads and sets the unit's clock.
//
// While open it shows the unit's date and time as the engine last read them (the engine's status
// poll reads the clock every few seconds) and refreshes every second. A unit without a valid date
// shows 2000-01-01 01:00:00 counting on from there. "Use System Time" takes this computer's clock
// and lets it run on; editing either picker stops the refresh so the entry stays. OK hands the date
// and then the time to the engine, which sets the unit's clock from both.
#pragma once

#include <QDateTime>
#include <QDialog>
#include <functional>
#include <optional>

#include "IKVT80.h"

class QDateEdit;
class QPushButton;
class QTimeEdit;
class QTimer;

namespace kvt::laptop {

class CDlgSetDateTime : public QDialog {
    Q_OBJECT

  public:
    using Clock = std::function<QDateTime()>;

    // The clock stands for this computer's local time (tests give a fixed one).
    explicit CDlgSetDateTime(IKVT80& engine, QWidget* parent = nullptr,
                             Clock computerClock = &QDateTime::currentDateTime);

    QDateEdit& DatePicker() const { return *date_; }
    QTimeEdit& TimePicker() const { return *time_; }
    // Whether the pickers still follow the clock each second (until the user edits one).
    bool Following() const;

    // The unit's clock texts (YYMMDD, HHMMSS) as a date and time; nothing when they are not a
    // valid date and time (a unit without a set clock reports "3F1F3F").
    static std::optional<QDateTime> UnitClock(const QString& date, const QString& time);

  public slots:
    // Once a second while following: the pickers show the unit's clock, or the clock of the
    // dialog's own while the unit has no valid date or the computer's time was taken.
    void Refresh();
    void UseSystemTime();

  protected:
    virtual void ShowWarning(const QString& text);

  private:
    void accept() override;
    void ShowStored();
    void OnEdited();

    IKVT80& engine_;
    Clock computerClock_;
    QDateEdit* date_ = nullptr;
    QTimeEdit* time_ = nullptr;
    QPushButton* ok_ = nullptr;
    QTimer* timer_ = nullptr;
    std::optional<QDateTime> stored_;
    bool useSystemTime_ = false;
    bool showing_ = false;  // the pickers are being set by the dialog, not the user
};

}  // namespace kvt::laptop
