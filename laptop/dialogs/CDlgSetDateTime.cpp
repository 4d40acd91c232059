#include "CDlgSetDateTime.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>
#include <array>

#include "DialogControls.h"
#include "EngineValues.h"
#include "Texts.h"

namespace kvt::laptop {

namespace {

constexpr int kDatePickerId = 1548;
constexpr int kTimePickerId = 1549;
constexpr int kUseSystemTimeId = 1552;
constexpr int kRefreshMs = 1000;

// The unit keeps a two-digit year: its clock covers 2000 to 2099.
const QDate kFirstDate(2000, 1, 1);
const QDate kLastDate(2099, 12, 31);
// Shown while the unit has no valid date.
const QDateTime kUnsetClock(QDate(2000, 1, 1), QTime(1, 0, 0));

std::optional<std::array<int, 3>> SixDigits(const QString& text) {
    if (text.size() != 6) {
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
    }
    return std::array<int, 3>{text.mid(0, 2).toInt(), text.mid(2, 2).toInt(),
                              text.mid(4, 2).toInt()};
}

QString TwoDigitFields(int first, int second, int third) {
    return QStringLiteral("%1%2%3")
        .arg(first, 2, 10, QLatin1Char('0'))
        .arg(second, 2, 10, QLatin1Char('0'))
        .arg(third, 2, 10, QLatin1Char('0'));
}

// The locale's short date, with the century.
QString DateFormatWithCentury() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy"))) {
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    }
    return format;
}

}  // namespace

CDlgSetDateTime::CDlgSetDateTime(IKVT80& engine, QWidget* parent, Clock computerClock)
    : QDialog(parent), engine_(engine), computerClock_(std::move(computerClock)) {
    setWindowTitle(tr("Set Date/Time"));

    auto* dateLabel = new QLabel(tr("Date:"), this);
    date_ = new QDateEdit(this);
    date_->setDisplayFormat(DateFormatWithCentury());
    date_->setDateRange(kFirstDate, kLastDate);
    date_->setCalendarPopup(true);
    IdentifyControl(date_, kDatePickerId, dateLabel->text());
    dateLabel->setBuddy(date_);

    auto* timeLabel = new QLabel(tr("Time:"), this);
    time_ = new QTimeEdit(this);
    time_->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    IdentifyControl(time_, kTimePickerId, timeLabel->text());
    timeLabel->setBuddy(time_);

    auto* useSystemTime = new QPushButton(tr("Use System Time"), this);
    IdentifyControl(useSystemTime, kUseSystemTimeId, useSystemTime->text());
    connect(useSystemTime, &QPushButton::clicked, this, &CDlgSetDateTime::UseSystemTime);

    auto* buttons = AddOkCancel(this);
    ok_ = buttons->findChild<QPushButton*>(QStringLiteral("1"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(dateLabel, 0, 0);
    layout->addWidget(date_, 0, 1);
    layout->addWidget(timeLabel, 1, 0);
    layout->addWidget(time_, 1, 1);
    layout->addWidget(useSystemTime, 2, 0, 1, 2);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(300);

    connect(date_, &QDateEdit::dateChanged, this, &CDlgSetDateTime::OnEdited);
    connect(time_, &QTimeEdit::timeChanged, this, &CDlgSetDateTime::OnEdited);

    // Nothing to send until the user has chosen a date and time.
    ok_->setEnabled(false);
    Refresh();
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &CDlgSetDateTime::Refresh);
    timer_->start(kRefreshMs);
}

bool CDlgSetDateTime::Following() const {
    return timer_->isActive();
}

std::optional<QDateTime> CDlgSetDateTime::UnitClock(const QString& date, const QString& time) {
    const auto day = SixDigits(date);
    const auto clock = SixDigits(time);
    if (!day || !clock) {
        return std::nullopt;
    }
    const QDate unitDate(2000 + (*day)[0], (*day)[1], (*day)[2]);
    const QTime unitTime((*clock)[0], (*clock)[1], (*clock)[2]);
    if (!unitDate.isValid() || !unitTime.isValid()) {
        return std::nullopt;
    }
    return QDateTime(unitDate, unitTime);
}

void CDlgSetDateTime::Refresh() {
    std::u16string date;
    std::u16string time;
    engine_.get_UnitDate(&date);
    engine_.get_UnitTime(&time);
    const auto unit = UnitClock(frontend::ToQString(date), frontend::ToQString(time));
    if (!unit || useSystemTime_) {
        // The dialog's own clock runs on, into the next day when it must.
        stored_ = stored_ ? stored_->addSecs(1) : kUnsetClock;
    } else {
        stored_ = unit;
    }
    ShowStored();
}

void CDlgSetDateTime::UseSystemTime() {
    ok_->setEnabled(true);
    stored_ = computerClock_();
    useSystemTime_ = true;
    // The time taken is shown as it is; the following ticks run it on.
    ShowStored();
    if (!timer_->isActive()) {
        timer_->start(kRefreshMs);
    }
}

void CDlgSetDateTime::ShowStored() {
    showing_ = true;
    date_->setDate(stored_->date());
    time_->setTime(stored_->time());
    showing_ = false;
}

void CDlgSetDateTime::OnEdited() {
    if (showing_) {
        return;
    }
    // The user's entry is no longer overwritten.
    timer_->stop();
    ok_->setEnabled(true);
}

void CDlgSetDateTime::accept() {
    // Set while the unit is away, the engine would keep the request and set the clock at the next
    // connection to a time long past.
    if (!frontend::IsConnected(engine_)) {
        ShowWarning(tr("The KVT unit is not connected; its clock was not set."));
        return;
    }
    // Likewise while the unit is not in normal operation (the Terminal page holds it): the clock
    // would be set only when it is, with the time chosen now.
    VariantBool ready = VARIANT_FALSE;
    engine_.get_Initialized(&ready);
    if (ready != VARIANT_TRUE) {
        ShowWarning(
            tr("The KVT unit is busy (the terminal is in use); its clock was not set.  "
               "Try again when the unit is back in normal operation."));
        return;
    }
    const QDate date = date_->date();
    const QTime time = time_->time();
    const QString dateText = TwoDigitFields(date.year() - 2000, date.month(), date.day());
    const QString timeText = TwoDigitFields(time.hour(), time.minute(), time.second());
    // The date first: the time sets the unit's clock from both.
    if (engine_.put_UnitDate(frontend::ToU16(dateText)) != status::Ok ||
        engine_.put_UnitTime(frontend::ToU16(timeText)) != status::Ok) {
        ShowWarning(tr("The date and time were not accepted; the unit's clock was not set."));
        return;
    }
    QDialog::accept();
}

void CDlgSetDateTime::ShowWarning(const QString& text) {
    QMessageBox::warning(this, frontend::ProgramTitle(), text);
}

}  // namespace kvt::laptop
