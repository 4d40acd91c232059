// The Profile page against a real engine: what it shows, what it writes and when, and the version
// lines from a connected simulated unit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "Version.h"
#include "pages/CDlgProfileForm.h"
#include "widgets/CSvgPicture.h"

namespace kvt::laptop {
namespace {

using frontend::ReadText;
using frontend::TextVariant;

constexpr int kGuiTimeoutMs = 10000;

struct FieldCase {
    const char* id;
    const char* name;
    int32_t (IKVT80::*get)(Variant*);
    int32_t (IKVT80::*put)(const Variant&);
    int limit;
};

const FieldCase kTheaterFields[] = {
    {"1364", "Digital Player 1", &IKVT80::get_DigitalPlayer1, &IKVT80::put_DigitalPlayer1, 15},
    {"1365", "Digital Player 2", &IKVT80::get_DigitalPlayer2, &IKVT80::put_DigitalPlayer2, 15},
    {"1366", "Theater Number", &IKVT80::get_ProjectName, &IKVT80::put_ProjectName, 31},
    {"1367", "Theater Name", &IKVT80::get_TheaterName, &IKVT80::put_TheaterName, 31},
    {"1368", "Screen Number", &IKVT80::get_ScreenNumber, &IKVT80::put_ScreenNumber, 3},
    {"1369", "Projector Model Number", &IKVT80::get_ProjectorModel, &IKVT80::put_ProjectorModel,
     31},
    {"1370", "Automation System", &IKVT80::get_AutomationSystem, &IKVT80::put_AutomationSystem, 31},
};

class ProfilePage : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(testing::FastTimings());
    }

    void TearDown() override {
        page.reset();
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
    }

    void OpenPage() {
        page = std::make_unique<CDlgProfileForm>(*engine);
        page->resize(755, 340);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get(), kGuiTimeoutMs));
    }

    template <typename T = QWidget>
    T* Control(const char* id) const {
        return page->findChild<T*>(QString::fromLatin1(id));
    }

    void Focus(QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return widget->hasFocus(); }, kGuiTimeoutMs));
    }

    // Moves the focus out of the page's fields, as a click elsewhere does.
    void LeaveField() {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        focused->clearFocus();
    }

    void Put(int32_t (IKVT80::*put)(const Variant&), const QString& text) {
        ASSERT_EQ(((*engine).*put)(TextVariant(text)), status::Ok);
    }

    bool Dirty() { return frontend::IsTrueProperty(*engine, &IKVT80::get_ConfigFileDirty); }

    // A saved configuration is clean: later writes show up in the dirty flag.
    void MarkClean() {
        ASSERT_TRUE(files.isValid());
        const QString path = files.filePath("clean.kvt");
        ASSERT_EQ(engine->Save(TextVariant(path), Variant::Bool(false)), status::Ok);
        ASSERT_FALSE(Dirty());
    }

    testing::ScopedConfigHome config;
    QTemporaryDir files;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<CDlgProfileForm> page;
};

TEST_F(ProfilePage, ControlsCarryTheirIdsAndLabels) {
    OpenPage();
    for (const FieldCase& field : kTheaterFields) {
        auto* edit = Control<QLineEdit>(field.id);
        ASSERT_NE(edit, nullptr) << field.id;
        EXPECT_EQ(edit->accessibleName(), field.name);
        EXPECT_EQ(edit->maxLength(), field.limit) << field.id;
    }
    ASSERT_NE(Control<QPlainTextEdit>("1394"), nullptr);
    EXPECT_EQ(Control("1394")->accessibleName(), "Comments");
    ASSERT_NE(Control<QLineEdit>("1363"), nullptr);
    EXPECT_EQ(Control("1363")->accessibleName(), "KVT Serial Number");
    EXPECT_EQ(Control<QLineEdit>("1363")->maxLength(), 15);

    const std::pair<const char*, const char*> versions[] = {
        {"1371", "PIC Firmware Version"}, {"1372", "Matrix Firmware Version"},
        {"1373", "NR Firmware Version"},  {"1374", "EQ Firmware Version"},
        {"1375", "KVT Exec Version"},
    };
    for (const auto& [id, name] : versions) {
        ASSERT_NE(Control<QLabel>(id), nullptr) << id;
        EXPECT_EQ(Control(id)->accessibleName(), name);
    }
    ASSERT_NE(Control<CSvgPicture>("1396"), nullptr);

    QStringList groups;
    for (const QGroupBox* group : page->findChildren<QGroupBox*>()) {
        groups << group->title();
    }
    EXPECT_EQ(groups, QStringList({"Theater Information", "Component Information"}));
}

TEST_F(ProfilePage, ShowsTheEngineTextsOnRefresh) {
    OpenPage();
    Put(&IKVT80::put_DigitalPlayer1, "DCP-2000");
    Put(&IKVT80::put_TheaterName, "Odeon Leicester Sq");
    Put(&IKVT80::put_ScreenNumber, "12");
    Put(&IKVT80::put_SerialNumber, "KVT80-001234");
    Put(&IKVT80::put_Comments, "Line one\r\nLine two");
    EXPECT_EQ(Control<QLineEdit>("1367")->text(), "");

    page->Refresh();
    EXPECT_EQ(Control<QLineEdit>("1364")->text(), "DCP-2000");
    EXPECT_EQ(Control<QLineEdit>("1367")->text(), "Odeon Leicester Sq");
    EXPECT_EQ(Control<QLineEdit>("1368")->text(), "12");
    EXPECT_EQ(Control<QLineEdit>("1363")->text(), "KVT80-001234");
    EXPECT_EQ(Control<QPlainTextEdit>("1394")->toPlainText(), "Line one\nLine two");
}

TEST_F(ProfilePage, OpensShowingWhatTheEngineHolds) {
    Put(&IKVT80::put_AutomationSystem, "Show Control 5");
    OpenPage();
    EXPECT_EQ(Control<QLineEdit>("1370")->text(), "Show Control 5");
}

TEST_F(ProfilePage, LeavingFieldsUnchangedWritesNothing) {
    Put(&IKVT80::put_TheaterName, "Rex");
    Put(&IKVT80::put_Comments, "Two\r\nlines");  // kept with its Windows line break
    MarkClean();
    OpenPage();
    page->SetDiagnosticsUnlocked(true);
    for (const char* id : {"1364", "1365", "1366", "1367", "1368", "1369", "1370", "1394"}) {
        Focus(Control(id));
        LeaveField();
    }
    EXPECT_FALSE(Dirty());
    EXPECT_EQ(ReadText(*engine, &IKVT80::get_Comments), "Two\r\nlines");
}

TEST_F(ProfilePage, ChangedFieldIsWrittenWhenItLosesTheFocus) {
    MarkClean();
    OpenPage();
    for (const FieldCase& field : kTheaterFields) {
        const QString before = ReadText(*engine, field.get);
        Focus(Control(field.id));
        QTest::keyClicks(Control(field.id), "7A");
        EXPECT_EQ(ReadText(*engine, field.get), before) << field.id << ": written while typing";
        LeaveField();
        EXPECT_EQ(ReadText(*engine, field.get), "7A") << field.id;
    }
    EXPECT_TRUE(Dirty());
}

TEST_F(ProfilePage, TabbingOnWritesTheFieldLeft) {
    OpenPage();
    Focus(Control("1366"));
    QTest::keyClicks(Control("1366"), "Theatre 4");
    QTest::keyClick(Control("1366"), Qt::Key_Tab);
    EXPECT_TRUE(Control("1367")->hasFocus());
    EXPECT_EQ(ReadText(*engine, &IKVT80::get_ProjectName), "Theatre 4");
}

TEST_F(ProfilePage, LongTheaterNameIsCutTo31Characters) {
    OpenPage();
    const QString forty = QString("Grand Palace Cinema and Concert Hall 123");
    ASSERT_EQ(forty.size(), 40);
    Focus(Control("1367"));
    QTest::keyClicks(Control("1367"), forty);
    EXPECT_EQ(Control<QLineEdit>("1367")->text(), forty.left(31));
    LeaveField();
    EXPECT_EQ(ReadText(*engine, &IKVT80::get_TheaterName), forty.left(31));
}

TEST_F(ProfilePage, CommentsAreWrittenWithWindowsLineBreaks) {
    OpenPage();
    auto* comments = Control<QPlainTextEdit>("1394");
    Focus(comments);
    QTest::keyClicks(comments, "First");
    QTest::keyClick(comments, Qt::Key_Return);
    QTest::keyClicks(comments, "Second");
    LeaveField();
    EXPECT_EQ(ReadText(*engine, &IKVT80::get_Comments), "First\r\nSecond");
}

TEST_F(ProfilePage, CommentsStopAt126Characters) {
    OpenPage();
    auto* comments = Control<QPlainTextEdit>("1394");
    Focus(comments);
    QTest::keyClicks(comments, QString(130, QLatin1Char('c')));
    EXPECT_EQ(comments->toPlainText(), QString(126, QLatin1Char('c')));
    LeaveField();
    EXPECT_EQ(ReadText(*engine, &IKVT80::get_Comments), QString(126, QLatin1Char('c')));
}

TEST_F(ProfilePage, CommentsCountALineBreakAsTwo) {
    OpenPage();
    auto* comments = Control<QPlainTextEdit>("1394");
    Focus(comments);
    QTest::keyClicks(comments, QString(120, QLatin1Char('a')));
    QTest::keyClick(comments, Qt::Key_Return);
    QTest::keyClicks(comments, "bcdefg");
    EXPECT_EQ(comments->toPlainText(), QString(120, QLatin1Char('a')) + "\nbcde");
    LeaveField();
    EXPECT_EQ(ReadText(*engine, &IKVT80::get_Comments),
              QString(120, QLatin1Char('a')) + "\r\nbcde");
}

TEST_F(ProfilePage, PasteInTheMiddleOfFullCommentsKeepsTheTextAroundIt) {
    OpenPage();
    auto* comments = Control<QPlainTextEdit>("1394");
    comments->setPlainText(QString(60, QLatin1Char('a')) + QString(60, QLatin1Char('z')));
    QTextCursor cursor = comments->textCursor();
    cursor.setPosition(60);
    comments->setTextCursor(cursor);
    comments->insertPlainText("0123456789");
    EXPECT_EQ(comments->toPlainText(),
              QString(60, QLatin1Char('a')) + "012345" + QString(60, QLatin1Char('z')));
}

TEST_F(ProfilePage, SerialNumberIsEditableOnlyAfterTheUnlock) {
    Put(&IKVT80::put_SerialNumber, "S100");
    MarkClean();
    OpenPage();
    auto* serial = Control<QLineEdit>("1363");
    const auto base = [serial] { return serial->palette().color(QPalette::Base); };
    EXPECT_TRUE(serial->isReadOnly());
    EXPECT_EQ(base(), page->palette().color(QPalette::Window));
    Focus(serial);
    QTest::keyClicks(serial, "9");
    LeaveField();
    EXPECT_EQ(ReadText(*engine, &IKVT80::get_SerialNumber), "S100");

    page->SetDiagnosticsUnlocked(true);
    EXPECT_FALSE(serial->isReadOnly());
    EXPECT_EQ(base(), page->palette().color(QPalette::Base));
    Focus(serial);
    serial->end(false);
    QTest::keyClicks(serial, "9");
    LeaveField();
    EXPECT_EQ(ReadText(*engine, &IKVT80::get_SerialNumber), "S1009");
    EXPECT_FALSE(Dirty()) << "the serial number belongs to the unit, not to the configuration";

    page->SetDiagnosticsUnlocked(false);
    EXPECT_TRUE(serial->isReadOnly());
}

TEST_F(ProfilePage, CommitEditsWritesAFieldThatStillHasTheFocus) {
    OpenPage();
    Focus(Control("1369"));
    QTest::keyClicks(Control("1369"), "DP-4K");
    page->CommitEdits();
    EXPECT_TRUE(Control("1369")->hasFocus());
    EXPECT_EQ(ReadText(*engine, &IKVT80::get_ProjectorModel), "DP-4K");
}

TEST_F(ProfilePage, VersionLinesOfAnUnconnectedEngine) {
    OpenPage();
    EXPECT_EQ(Control<QLabel>("1371")->text(), "");
    EXPECT_EQ(Control<QLabel>("1372")->text(), "");
    EXPECT_EQ(Control<QLabel>("1373")->text(), "");
    EXPECT_EQ(Control<QLabel>("1374")->text(), "");
    EXPECT_EQ(Control<QLabel>("1375")->text(), frontend::VersionText());
}

TEST_F(ProfilePage, NothingIsClippedAtThePagesSize) {
    OpenPage();
    EXPECT_LE(page->minimumSizeHint().width(), 755);
    EXPECT_LE(page->minimumSizeHint().height(), 340);
    for (QWidget* child : page->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(page.get()) || child->parentWidget() != page.get()) {
            continue;
        }
        const QString name = child->objectName();
        EXPECT_TRUE(page->rect().contains(child->geometry()))
            << name.toStdString() << " leaves the page";
        if (qobject_cast<QLineEdit*>(child) != nullptr || qobject_cast<QLabel*>(child) != nullptr) {
            EXPECT_GE(child->height(), child->minimumSizeHint().height()) << name.toStdString();
        }
    }
    auto* comments = Control<QPlainTextEdit>("1394");
    EXPECT_GE(comments->height(), 2 * comments->fontMetrics().lineSpacing());
}

TEST_F(ProfilePage, CommentsAndPictureTakeTheRoomOfALargerPage) {
    OpenPage();
    const int comments = Control("1394")->height();
    const QSize picture = Control("1396")->size();
    page->resize(1000, 600);
    QApplication::processEvents();
    EXPECT_GT(Control("1394")->height(), comments);
    EXPECT_GT(Control("1396")->height(), picture.height());
    EXPECT_GT(Control("1396")->width(), picture.width());
}

// The picture comes from the program's resources, which only a program that links them has.
TEST_F(ProfilePage, PictureIsTheProgramsOwnArtwork) {
    OpenPage();
    if (!QFile::exists(QString::fromLatin1(kProfilePicture))) {
        GTEST_SKIP() << "the icons are not linked into this test program";
    }
    EXPECT_TRUE(Control<CSvgPicture>("1396")->IsLoaded());
}

// The engine connected to the simulated unit, after the retrieval.
class ProfilePageOnUnit : public ProfilePage {
  protected:
    void Connect() {
        const std::string port = unit.StartPty();
        ASSERT_EQ(engine->put_ComPort(TextVariant(QString::fromStdString(port))), status::Ok);
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), status::Ok);
        ASSERT_EQ(engine->Connect(), status::Ok);
        ASSERT_EQ(engine->QueryKVT(), status::Ok);
    }

    QString Text(int32_t (IKVT80::*get)(Variant*)) { return ReadText(*engine, get); }

    std::pair<QString, QString> Pair(int32_t (IKVT80::*get)(Variant*, Variant*)) {
        Variant first;
        Variant second;
        ((*engine).*get)(&first, &second);
        return {frontend::ToQString(first.StringValue()),
                frontend::ToQString(second.StringValue())};
    }

    sim::SimulatedUnit unit;
};

TEST_F(ProfilePageOnUnit, VersionLinesFromTheUnit) {
    Connect();
    OpenPage();
    const auto [nr1, nr2] = Pair(&IKVT80::NRVersions);
    const auto [eq1, eq2] = Pair(&IKVT80::EQVersions);
    const QString processor = Text(&IKVT80::get_ProcessorPICVersion);
    const QString output = Text(&IKVT80::get_OutputPICVersion);
    ASSERT_FALSE(processor.isEmpty());
    ASSERT_FALSE(eq1.isEmpty());

    EXPECT_EQ(Control<QLabel>("1371")->text(), Text(&IKVT80::get_PICVersion));
    EXPECT_EQ(Control<QLabel>("1372")->text(), Text(&IKVT80::get_MatrixVersion));
    EXPECT_EQ(Control<QLabel>("1373")->text(), nr1 + "   " + nr2 + "   [" + processor + "]");
    EXPECT_EQ(Control<QLabel>("1374")->text(), eq1 + "   " + eq2 + "   [" + output + "]");
    EXPECT_FALSE(Control<QLabel>("1371")->text().isEmpty());
}

TEST_F(ProfilePageOnUnit, NRLineIsBlankWithoutTheProcessorControllersVersion) {
    // The preamp side's controller does not identify itself (every try of its "intl" is lost).
    sim::Fault lost;
    lost.kind = sim::FaultKind::DropReply;
    lost.match = "intl";
    lost.count = testing::FastTimings().maxSends;
    unit.InjectFault(lost);
    Connect();
    OpenPage();
    ASSERT_TRUE(Text(&IKVT80::get_ProcessorPICVersion).isEmpty());
    ASSERT_FALSE(Pair(&IKVT80::NRVersions).first.isEmpty());
    EXPECT_EQ(Control<QLabel>("1373")->text(), "");
}

// The EEPROM addresses the unit was asked to write ("wreep AAAAAA VVVVVV ...").
std::vector<uint32_t> EepromWrites(const std::vector<std::string>& lines) {
    std::vector<uint32_t> addresses;
    for (const std::string& line : lines) {
        const QStringList words = QString::fromStdString(line).trimmed().split(' ');
        if (words.size() < 3 || words[0] != "wreep") {
            continue;
        }
        const uint32_t start = words[1].toUInt(nullptr, 16);
        for (qsizetype value = 2; value < words.size(); ++value) {
            addresses.push_back(start + static_cast<uint32_t>(value - 2));
        }
    }
    return addresses;
}

TEST_F(ProfilePageOnUnit, LeavingFieldsUnchangedSendsNothingToTheUnit) {
    Connect();
    OpenPage();
    page->SetDiagnosticsUnlocked(true);
    unit.ClearReceivedLines();
    for (const char* id : {"1364", "1367", "1394", "1363"}) {
        Focus(Control(id));
        LeaveField();
    }
    // A change afterwards goes out: once it has, anything queued before would have too.
    const QString screen = Text(&IKVT80::get_ScreenNumber) == "42" ? "43" : "42";
    Focus(Control("1368"));
    QTest::keyClicks(Control("1368"), screen);
    LeaveField();
    ASSERT_TRUE(testing::Eventually([&] { return !EepromWrites(unit.ReceivedLines()).empty(); }));

    constexpr uint32_t kScreenNumberFirst = 783;  // 4 UTF-16 units, 8 bytes
    for (const uint32_t address : EepromWrites(unit.ReceivedLines())) {
        EXPECT_GE(address, kScreenNumberFirst);
        EXPECT_LT(address, kScreenNumberFirst + 8);
    }
    EXPECT_EQ(Text(&IKVT80::get_ScreenNumber), screen);
}

}  // namespace
}  // namespace kvt::laptop
