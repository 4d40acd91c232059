// The unit clock dialog: what it shows of the unit's clock and of its own, when it stops following
// the clock, and the clock it sets, down to the simulated unit's.
#include <gtest/gtest.h>

#include <QDateEdit>
#include <QPushButton>
#include <QTest>
#include <QTimeEdit>
#include <memory>

#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "UnitRig.h"
#include "dialogs/CDlgSetDateTime.h"

namespace kvt::laptop {
namespace {

constexpr int kTimeoutMs = 15000;

// The dialog with its messages kept by the test.
class TestSetDateTime : public CDlgSetDateTime {
  public:
    using CDlgSetDateTime::CDlgSetDateTime;
    std::vector<QString> warnings;
    void ShowWarning(const QString& text) override { warnings.push_back(text); }
};

const QDateTime kComputerTime(QDate(2027, 3, 9), QTime(8, 7, 6));

class SetDateTime : public UnitRig {
  protected:
    EngineTimings Timings() const override {
        EngineTimings timings = testing::FastTimings();
        // The clock is read with the status poll.
        timings.statusPollPeriod = std::chrono::milliseconds(100);
        return timings;
    }

    void TearDown() override {
        dialog.reset();
        UnitRig::TearDown();
    }

    void Open(const QDateTime& computerTime = kComputerTime) {
        dialog = std::make_unique<TestSetDateTime>(*engine, nullptr,
                                                   [computerTime] { return computerTime; });
        dialog->show();
    }

    // No status poll until a test asks for one: a clock read that overlaps the puts of a
    // clock set replaces the texts to be sent with the unit's own (an engine race, rare at the
    // poll's normal period).
    void Connect() { ConnectToUnit(false); }

    QDateTime Shown() const {
        return QDateTime(dialog->DatePicker().date(), dialog->TimePicker().time());
    }
    QPushButton* Button(const char* id) const { return dialog->findChild<QPushButton*>(id); }

    QString UnitText(int32_t (IKVT80::*get)(std::u16string*)) const {
        std::u16string text;
        ((*engine).*get)(&text);
        return frontend::ToQString(text);
    }

    // Stands for the engine's reading of the unit's clock.
    void UnitClockReads(const char16_t* date, const char16_t* time) {
        ASSERT_EQ(engine->put_UnitDate(date), status::Ok);
        ASSERT_EQ(engine->put_UnitTime(time), status::Ok);
    }

    std::unique_ptr<TestSetDateTime> dialog;
};

TEST_F(SetDateTime, NothingToSendUntilADateIsChosen) {
    Open();
    EXPECT_FALSE(Button("1")->isEnabled());
    EXPECT_TRUE(dialog->Following());
    // A short date with the century.
    EXPECT_TRUE(dialog->DatePicker().displayFormat().contains("yyyy"));
    EXPECT_TRUE(dialog->TimePicker().displayFormat().contains("ss"));
}

TEST_F(SetDateTime, ShowsTheUnitsClockAsTheEngineHoldsIt) {
    UnitClockReads(u"051231", u"235958");
    Open();
    EXPECT_EQ(Shown(), QDateTime(QDate(2005, 12, 31), QTime(23, 59, 58)));
    UnitClockReads(u"060101", u"000003");
    dialog->Refresh();
    EXPECT_EQ(Shown(), QDateTime(QDate(2006, 1, 1), QTime(0, 0, 3)));
    EXPECT_FALSE(Button("1")->isEnabled());
}

TEST_F(SetDateTime, UnitClockTextsThatAreNoDate) {
    EXPECT_FALSE(CDlgSetDateTime::UnitClock("3F1F3F", "3F3F3F"));
    EXPECT_FALSE(CDlgSetDateTime::UnitClock("", ""));
    EXPECT_FALSE(CDlgSetDateTime::UnitClock("051332", "120000"));
    EXPECT_FALSE(CDlgSetDateTime::UnitClock("050230", "120000"));
    EXPECT_FALSE(CDlgSetDateTime::UnitClock("051231", "240000"));
    EXPECT_EQ(CDlgSetDateTime::UnitClock("000229", "235959"),
              QDateTime(QDate(2000, 2, 29), QTime(23, 59, 59)));
}

TEST_F(SetDateTime, UnitWithoutAValidDateCountsOnFromTheYear2000) {
    // Nothing read from a unit yet.
    Open();
    EXPECT_EQ(Shown(), QDateTime(QDate(2000, 1, 1), QTime(1, 0, 0)));
    dialog->Refresh();
    dialog->Refresh();
    EXPECT_EQ(Shown(), QDateTime(QDate(2000, 1, 1), QTime(1, 0, 2)));
}

TEST_F(SetDateTime, SystemTimeIsTakenAsItIsAndRunsOnPastMidnight) {
    UnitClockReads(u"051231", u"120000");
    Open(QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
    Button("1552")->click();
    EXPECT_EQ(Shown(), QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59)));
    EXPECT_TRUE(Button("1")->isEnabled());
    dialog->Refresh();
    EXPECT_EQ(Shown(), QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)));
}

TEST_F(SetDateTime, EditingAPickerStopsFollowingTheClock) {
    UnitClockReads(u"051231", u"120000");
    Open();
    dialog->DatePicker().setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(&dialog->DatePicker(), Qt::Key_Down);
    EXPECT_FALSE(dialog->Following());
    EXPECT_TRUE(Button("1")->isEnabled());
    const QDateTime edited = Shown();
    EXPECT_NE(edited, QDateTime(QDate(2005, 12, 31), QTime(12, 0, 0)));
    // "Use System Time" follows the computer's clock again.
    Button("1552")->click();
    EXPECT_TRUE(dialog->Following());
}

TEST_F(SetDateTime, ClockSetFromTheDialogReachesTheUnit) {
    Connect();
    Open();
    dialog->DatePicker().setDate(QDate(2031, 7, 4));
    dialog->TimePicker().setTime(QTime(13, 45, 30));
    unit.ClearReceivedLines();
    Button("1")->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(dialog->warnings.empty());
    ASSERT_TRUE(testing::Eventually([&] {
        const auto lines = unit.ReceivedLines();
        return std::find(lines.begin(), lines.end(), "time 134530") != lines.end();
    }));
    const auto lines = unit.ReceivedLines();
    const auto date = std::find(lines.begin(), lines.end(), "date 310704");
    ASSERT_NE(date, lines.end());
    EXPECT_LT(date - lines.begin(),
              std::find(lines.begin(), lines.end(), "time 134530") - lines.begin());
    // The unit's clock runs from there: the engine's status poll reads it back.
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(true)), status::Ok);
    ASSERT_TRUE(testing::Eventually(
        [&] {
            return UnitText(&IKVT80::get_UnitDate) == "310704" &&
                   UnitText(&IKVT80::get_UnitTime).startsWith("1345");
        },
        std::chrono::milliseconds(kTimeoutMs)));
}

TEST_F(SetDateTime, SystemTimeSendsTheComputersTimeWithItsSeconds) {
    Connect();
    Open();
    Button("1552")->click();
    unit.ClearReceivedLines();
    Button("1")->click();
    ASSERT_TRUE(testing::Eventually([&] {
        const auto lines = unit.ReceivedLines();
        return std::find(lines.begin(), lines.end(), "time 080706") != lines.end();
    }));
    const auto lines = unit.ReceivedLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "date 270309"), lines.end());
}

TEST_F(SetDateTime, NothingIsSetWhileTheUnitIsAway) {
    // Kept by the engine, a clock set now would reach the unit at the next connection with a time
    // long past.
    Open();
    Button("1552")->click();
    Button("1")->click();
    ASSERT_EQ(dialog->warnings.size(), 1u);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(UnitText(&IKVT80::get_UnitTime).isEmpty());
}

TEST_F(SetDateTime, NothingIsSetWhileTheTerminalHoldsTheUnit) {
    Connect();
    ASSERT_EQ(engine->put_TerminalLogging(Variant::Bool(true)), status::Ok);
    Open();
    Button("1552")->click();
    Button("1")->click();
    ASSERT_EQ(dialog->warnings.size(), 1u);
    EXPECT_TRUE(dialog->isVisible());
    // The engine holds no clock set for later.
    EXPECT_NE(UnitText(&IKVT80::get_UnitTime), "080706");
}

}  // namespace
}  // namespace kvt::laptop
