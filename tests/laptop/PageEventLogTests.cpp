// The Event Log page against the simulated unit: reading the log while the page stays usable,
// sorting by each column both ways, saving in both file formats and reading the files back,
// clearing after the question, and the buttons that need the unit.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <memory>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "UnitRig.h"
#include "pages/CDlgEventLog.h"
#include "text/Codepage.h"

namespace kvt::laptop {
namespace {

constexpr int kTimeoutMs = 15000;

// The page with its questions answered by the test.
class TestEventLog : public CDlgEventLog {
  public:
    using CDlgEventLog::CDlgEventLog;

    std::deque<bool> clearAnswers;
    int clearQuestions = 0;
    QString saveName;  // empty: the save dialog is cancelled
    std::vector<QString> errors;

    bool AskClearLog() override {
        ++clearQuestions;
        const bool answer = !clearAnswers.empty() && clearAnswers.front();
        if (!clearAnswers.empty()) {
            clearAnswers.pop_front();
        }
        return answer;
    }
    std::optional<QString> AskSaveFileName(const QString&) override {
        if (saveName.isEmpty()) {
            return std::nullopt;
        }
        return saveName;
    }
    void ShowError(const QString& text) override { errors.push_back(text); }
};

// The log as the unit holds it, in its own order; descriptions with a comma, quotes, and
// characters of the unit's 8-bit code page (é as 0xE9).
const std::vector<sim::LogEntry> kUnitLog = {
    {"051231 235959", "Power on"},
    {"060102 000001", "aes/ebu input error, left"},
    {"990101 120000", "Format \"SR-D\" selected"},
    {"000229 080000",
     "Zone temp\xE9rature \xE9lev\xE9"
     "e"},
    {"060103 000000", "Bass management on"},
};

struct Row {
    QString date;
    QString time;
    QString description;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.date.toStdString() << " " << row.time.toStdString() << " "
         << row.description.toStdString();
}

// The rows of kUnitLog as the list shows them.
const Row kPowerOn{"12/31/05", "23:59:59", "Power on"};
const Row kAesEbu{"01/02/06", "00:00:01", "aes/ebu input error, left"};
const Row kFormat{"01/01/99", "12:00:00", "Format \"SR-D\" selected"};
const Row kZone{"02/29/00", "08:00:00", QString::fromUtf8("Zone température élevée")};
const Row kBass{"01/03/06", "00:00:00", "Bass management on"};

class EventLogPage : public UnitRig {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(UnitRig::SetUp());
        page = std::make_unique<TestEventLog>(*engine, *bridge);
        page->SetReadWaits(300, 3000);
        page->resize(760, 360);
        page->show();
    }

    void TearDown() override {
        page.reset();
        UnitRig::TearDown();
    }

    void Connect(const std::vector<sim::LogEntry>& log = kUnitLog) {
        unit.SetEventLog(log);
        ASSERT_NO_FATAL_FAILURE(ConnectToUnit());
        page->Refresh();
    }

    QPushButton* Button(const char* id) const { return page->findChild<QPushButton*>(id); }

    // Update, and wait until the list holds `rows` rows and the read is over.
    void ReadLog(int rows) {
        Button("1536")->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return page->List().rowCount() >= rows; }, kTimeoutMs));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Reading(); }, kTimeoutMs));
        ASSERT_EQ(page->List().rowCount(), rows);
    }

    std::vector<Row> Rows() const {
        std::vector<Row> rows;
        const QTableWidget& list = page->List();
        for (int row = 0; row < list.rowCount(); ++row) {
            rows.push_back(
                {list.item(row, 0)->text(), list.item(row, 1)->text(), list.item(row, 2)->text()});
        }
        return rows;
    }

    void ClickHeader(int column) {
        QHeaderView* header = page->List().horizontalHeader();
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    }

    QString ReadStatus() const { return page->findChild<QLabel*>("readStatus")->text(); }

    // The unit answers the next log dump only when the test releases it.
    void HoldDumps() {
        sim::Fault hold;
        hold.kind = sim::FaultKind::HoldReply;
        hold.match = "dumplog";
        unit.InjectFault(hold);
    }

    std::unique_ptr<TestEventLog> page;
};

TEST_F(EventLogPage, ReadsTheUnitsLogInItsOrderWithProgress) {
    Connect();
    Button("1536")->click();
    // The read goes on while the page is usable: nothing has arrived yet, the progress shows.
    EXPECT_TRUE(page->Reading());
    EXPECT_TRUE(page->findChild<QProgressBar*>("readProgress")->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Reading(); }, kTimeoutMs));
    EXPECT_FALSE(page->findChild<QProgressBar*>("readProgress")->isVisible());
    EXPECT_EQ(Rows(), (std::vector<Row>{kPowerOn, kAesEbu, kFormat, kZone, kBass}));
    EXPECT_EQ(ReadStatus(), "Entries read: 5");
}

TEST_F(EventLogPage, UpdateTwiceAppendsTheLogTwice) {
    Connect();
    ReadLog(5);
    ReadLog(10);
    const auto rows = Rows();
    EXPECT_EQ(std::vector<Row>(rows.begin(), rows.begin() + 5),
              std::vector<Row>(rows.begin() + 5, rows.end()));
}

TEST_F(EventLogPage, EmptyLogEndsTheReadWithASay) {
    Connect({});
    Button("1536")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Reading(); }, kTimeoutMs));
    EXPECT_EQ(page->List().rowCount(), 0);
    EXPECT_TRUE(ReadStatus().startsWith("No entries arrived")) << ReadStatus().toStdString();
}

TEST_F(EventLogPage, SortsByEachColumnBothWays) {
    Connect();
    ReadLog(5);
    // Dates by year first (2000 + YY): 12/31/05 before 01/02/06.
    ClickHeader(0);
    EXPECT_EQ(Rows(), (std::vector<Row>{kZone, kPowerOn, kAesEbu, kBass, kFormat}));
    ClickHeader(0);
    EXPECT_EQ(Rows(), (std::vector<Row>{kFormat, kBass, kAesEbu, kPowerOn, kZone}));
    // Another column starts ascending again.
    ClickHeader(1);
    EXPECT_EQ(Rows(), (std::vector<Row>{kBass, kAesEbu, kZone, kFormat, kPowerOn}));
    ClickHeader(1);
    EXPECT_EQ(Rows(), (std::vector<Row>{kPowerOn, kFormat, kZone, kAesEbu, kBass}));
    // Descriptions regardless of case: "aes/ebu" before "Bass".
    ClickHeader(2);
    EXPECT_EQ(Rows(), (std::vector<Row>{kAesEbu, kBass, kFormat, kPowerOn, kZone}));
    ClickHeader(2);
    EXPECT_EQ(Rows(), (std::vector<Row>{kZone, kPowerOn, kFormat, kBass, kAesEbu}));
    ClickHeader(0);
    EXPECT_EQ(Rows(), (std::vector<Row>{kZone, kPowerOn, kAesEbu, kBass, kFormat}));
    EXPECT_EQ(page->List().horizontalHeader()->sortIndicatorSection(), 0);
    EXPECT_EQ(page->List().horizontalHeader()->sortIndicatorOrder(), Qt::AscendingOrder);
}

TEST_F(EventLogPage, EntriesArrivingAfterASortGoToTheEnd) {
    Connect();
    ReadLog(5);
    ClickHeader(2);
    ReadLog(10);
    EXPECT_FALSE(page->List().horizontalHeader()->isSortIndicatorShown());
    const auto rows = Rows();
    EXPECT_EQ(std::vector<Row>(rows.begin() + 5, rows.end()),
              (std::vector<Row>{kPowerOn, kAesEbu, kFormat, kZone, kBass}));
}

// The engine raises the entries of every dump, whoever asked for it; the page lists those of the
// reads it asked for, and only those.
TEST_F(EventLogPage, EntriesOfADumpAskedForElsewhereAreNotListed) {
    Connect();
    ReadLog(5);
    QSignalSpy raised(bridge.get(), &frontend::EngineBridge::eventEntry);
    ASSERT_EQ(engine->QueryEventLog(), status::Ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return raised.count() == 5; }, kTimeoutMs));
    EXPECT_EQ(Rows(), (std::vector<Row>{kPowerOn, kAesEbu, kFormat, kZone, kBass}));
    EXPECT_FALSE(page->Reading());
    EXPECT_EQ(ReadStatus(), "Entries read: 5");
}

TEST_F(EventLogPage, ADumpThatComesAfterTheReadWasGivenUpIsStillListed) {
    HoldDumps();
    Connect();
    page->SetReadWaits(300, 500);
    Button("1536")->click();
    ASSERT_TRUE(testing::Eventually([&] { return unit.HeldReplies() == 1; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Reading(); }, kTimeoutMs));
    EXPECT_TRUE(ReadStatus().startsWith("No entries arrived")) << ReadStatus().toStdString();
    unit.ReleaseHeldReplies();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->List().rowCount() == 5; }, kTimeoutMs));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Reading(); }, kTimeoutMs));
    EXPECT_EQ(Rows(), (std::vector<Row>{kPowerOn, kAesEbu, kFormat, kZone, kBass}));
    EXPECT_EQ(ReadStatus(), "Entries read: 5");
}

// While a service report reads the log, a read of the page's own that has had no entries yet
// cannot tell its dump from the report's: it is given up and "Update" waits for the report.
TEST_F(EventLogPage, AServiceReportReadingTheLogTakesOverAReadStillWaiting) {
    HoldDumps();
    Connect();
    Button("1536")->click();
    ASSERT_TRUE(testing::Eventually([&] { return unit.HeldReplies() == 1; }));
    page->SetReportReadingLog(true);
    EXPECT_FALSE(page->Reading());
    EXPECT_FALSE(Button("1536")->isEnabled());
    EXPECT_TRUE(ReadStatus().contains("service report")) << ReadStatus().toStdString();

    // The report's request, then the held dump and the report's.
    QSignalSpy raised(bridge.get(), &frontend::EngineBridge::eventEntry);
    ASSERT_EQ(engine->QueryEventLog(), status::Ok);
    unit.ReleaseHeldReplies();
    ASSERT_TRUE(QTest::qWaitFor([&] { return raised.count() == 10; }, kTimeoutMs));
    EXPECT_EQ(page->List().rowCount(), 0);
    page->Refresh();
    EXPECT_FALSE(Button("1536")->isEnabled());

    page->SetReportReadingLog(false);
    EXPECT_TRUE(Button("1536")->isEnabled());
    ReadLog(5);
}

// A read whose dump has come when the report starts is complete: the report's dump is not added.
TEST_F(EventLogPage, AReadWhoseDumpHasComeEndsWhenAServiceReportStarts) {
    Connect();
    page->SetReadWaits(60000, 60000);
    Button("1536")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->List().rowCount() == 5; }, kTimeoutMs));
    EXPECT_TRUE(page->Reading());
    page->SetReportReadingLog(true);
    EXPECT_FALSE(page->Reading());
    EXPECT_EQ(ReadStatus(), "Entries read: 5");
    QSignalSpy raised(bridge.get(), &frontend::EngineBridge::eventEntry);
    ASSERT_EQ(engine->QueryEventLog(), status::Ok);
    ASSERT_TRUE(QTest::qWaitFor([&] { return raised.count() == 5; }, kTimeoutMs));
    page->SetReportReadingLog(false);
    EXPECT_EQ(Rows(), (std::vector<Row>{kPowerOn, kAesEbu, kFormat, kZone, kBass}));
}

// The event-log text file: "MM/DD/YY HH:MM:SS text" and CR LF per entry, in list order, in the
// unit's code page, no header.
std::vector<Row> ReadLogFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    std::vector<Row> rows;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        EXPECT_TRUE(line.endsWith('\r'));
        const QString text = frontend::ToQString(
            FromCp1252(std::string_view(line.constData(), static_cast<size_t>(line.size() - 1))));
        rows.push_back({text.section(' ', 0, 0), text.section(' ', 1, 1), text.section(' ', 2)});
    }
    return rows;
}

// A CSV reader as a spreadsheet reads: quoted fields with doubled quotes, CR LF between records.
std::vector<QStringList> ReadCsv(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    std::vector<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            record << field;
            field.clear();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            record << field;
            field.clear();
            records.push_back(record);
            record.clear();
            ++i;
        } else {
            field += c;
        }
    }
    EXPECT_TRUE(field.isEmpty() && record.isEmpty()) << "the last record has no line end";
    return records;
}

TEST_F(EventLogPage, SavesTheEventLogFileAndReadsItBack) {
    Connect();
    ReadLog(5);
    ClickHeader(0);
    QTemporaryDir folder;
    page->saveName = folder.filePath("screen1.log");
    Button("1553")->click();
    EXPECT_TRUE(page->errors.empty());
    EXPECT_EQ(ReadLogFile(page->saveName), Rows());
    QFile file(page->saveName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("02/29/00 08:00:00 Zone temp\xE9rature"));
}

TEST_F(EventLogPage, SavesCsvWithAHeaderRowAndReadsItBack) {
    Connect();
    ReadLog(5);
    QTemporaryDir folder;
    page->saveName = folder.filePath("screen1.csv");
    Button("1553")->click();
    EXPECT_TRUE(page->errors.empty());
    const auto records = ReadCsv(page->saveName);
    ASSERT_EQ(records.size(), 6u);
    EXPECT_EQ(records[0], (QStringList{"Date", "Time", "Description"}));
    const std::vector<QStringList> expected = {
        {"2005-12-31", "23:59:59", "Power on"},
        {"2006-01-02", "00:00:01", "aes/ebu input error, left"},
        {"2099-01-01", "12:00:00", "Format \"SR-D\" selected"},
        {"2000-02-29", "08:00:00", QString::fromUtf8("Zone température élevée")},
        {"2006-01-03", "00:00:00", "Bass management on"},
    };
    EXPECT_EQ(std::vector<QStringList>(records.begin() + 1, records.end()), expected);
}

TEST_F(EventLogPage, SaveThatFailsIsReportedAndLeavesNoFile) {
    Connect();
    ReadLog(5);
    QTemporaryDir folder;
    page->saveName = folder.filePath("missing-folder/screen1.log");
    Button("1553")->click();
    ASSERT_EQ(page->errors.size(), 1u);
    EXPECT_TRUE(page->errors[0].contains("screen1.log")) << page->errors[0].toStdString();
    EXPECT_FALSE(QFile::exists(page->saveName));
}

TEST_F(EventLogPage, SaveReplacesAFileWholeAndLeavesNothingBesideIt) {
    QTemporaryDir folder;
    const QString path = folder.filePath("old.log");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("01/01/24 00:00:00 old entry\r\n");
    }
    page->AddEntry((24 << 16) | (1 << 8) | 5, (9 << 16) | (15 << 8) | 2, "Power on");
    QString error;
    ASSERT_TRUE(page->SaveEntries(path, &error)) << error.toStdString();
    EXPECT_EQ(ReadLogFile(path), (std::vector<Row>{{"01/05/24", "09:15:02", "Power on"}}));
    // Nothing left behind beside it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"old.log"});
}

TEST_F(EventLogPage, ClearAnsweredNoChangesNothing) {
    Connect();
    ReadLog(5);
    page->clearAnswers = {false};
    Button("1537")->click();
    EXPECT_EQ(page->clearQuestions, 1);
    EXPECT_EQ(page->List().rowCount(), 5);
    // A clear asked for would be served in the pass of this read at the latest.
    ReadLog(10);
    EXPECT_EQ(unit.EventLog().size(), kUnitLog.size());
    for (const std::string& line : unit.ReceivedLines()) {
        EXPECT_NE(line, "clearlog");
    }
}

TEST_F(EventLogPage, ClearAnsweredYesClearsTheUnitsLogAndTheList) {
    Connect();
    ReadLog(5);
    page->clearAnswers = {true};
    Button("1537")->click();
    EXPECT_EQ(page->List().rowCount(), 0);
    ASSERT_TRUE(testing::Eventually([&] { return unit.EventLog().empty(); }));
    Button("1536")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->Reading(); }, kTimeoutMs));
    EXPECT_EQ(page->List().rowCount(), 0);
}

TEST_F(EventLogPage, UnitButtonsNeedTheConnection) {
    // A clear pressed now would be kept by the engine and erase the log at the next connection.
    for (const char* id : {"1536", "1537", "1538"}) {
        EXPECT_FALSE(Button(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(Button("1553")->isEnabled());
    Connect();
    for (const char* id : {"1536", "1537", "1538"}) {
        EXPECT_TRUE(Button(id)->isEnabled()) << id;
    }
    ASSERT_EQ(engine->Disconnect(), status::Ok);
    page->Refresh();
    EXPECT_FALSE(Button("1537")->isEnabled());
}

TEST_F(EventLogPage, SetDateTimeAsksTheFrameForTheClockDialog) {
    Connect();
    QSignalSpy asked(page.get(), &CDlgEventLog::setDateTimeRequested);
    Button("1538")->click();
    EXPECT_EQ(asked.count(), 1);
}

}  // namespace
}  // namespace kvt::laptop
