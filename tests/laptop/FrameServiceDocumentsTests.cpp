// File > "Compare With File..." and File > "Service Report..." in the frame, connected to the
// simulated unit over a pseudo-terminal: the differences table, and the report of the visit with
// the changes since the connection and the technician's notes, in the program's language.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CMainFrame.h"
#include "ConnectionFlows.h"
#include "EngineValues.h"
#include "FrameRig.h"
#include "KVT80.h"
#include "RunProgram.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "Translations.h"
#include "dialogs/CDlgCompareFile.h"
#include "dialogs/CDlgServiceReport.h"
#include "pages/CDlgEventLog.h"

namespace kvt::laptop {
namespace {

using ::testing::HasSubstr;

constexpr int kTimeoutMs = 20000;
constexpr int kCompareWithFile = 32890;
constexpr int kServiceReport = 32891;

// Runs fn on the modal dialog of type T once it is shown (checked on the event loop).
template <typename T>
void WhenModal(std::function<void(T&)> fn) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, fn] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            fn(*dialog);
        }
    });
    timer->start();
}

// The Event Log page's rows as "date time description".
std::vector<std::string> ListedTexts(const CDlgEventLog& page) {
    std::vector<std::string> texts;
    for (const CDlgEventLog::ListedEntry& entry : page.Entries()) {
        texts.push_back(
            (entry.dateText + ' ' + entry.timeText + ' ' + entry.description).toStdString());
    }
    return texts;
}

std::string PdfText(const QString& pdf) {
    return testing::RunProgram("/usr/bin/pdftotext", {"-layout", pdf.toStdString(), "-"}).out;
}

using FrameServiceDocuments = FrameRig<>;

TEST_F(FrameServiceDocuments, CompareWithFileListsEachDifferingFieldWithBothValues) {
    ASSERT_NO_FATAL_FAILURE(ConnectOrFail());
    const QString file = Path("before.kvt");
    ASSERT_EQ(engine->Save(frontend::TextVariant(file), Variant::Bool(false)), status::Ok);
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(2), -2.5), status::Ok);
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), status::Ok);

    QStringList rows;
    QString summary;
    WhenModal<QFileDialog>([&](QFileDialog& dialog) {
        WhenModal<CDlgCompareFile>([&](CDlgCompareFile& comparison) {
            summary = comparison.Summary().text();
            const QTableWidget& table = comparison.Table();
            for (int row = 0; row < table.rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < table.columnCount(); ++column) {
                    cells << table.item(row, column)->text();
                }
                rows << cells.join(QLatin1Char('|'));
            }
            comparison.reject();
        });
        dialog.selectFile(file);
        static_cast<QDialog&>(dialog).accept();
    });
    frame->Action(kCompareWithFile)->trigger();

    EXPECT_THAT(rows, ::testing::ElementsAre("EQBand|1, 14|-3.0|0.0", "OutputGain|2|-2.5|0.0"));
    EXPECT_THAT(summary.toStdString(), HasSubstr(": 2"));
}

TEST_F(FrameServiceDocuments, ComparingWithAFileThatIsNotAConfigurationSaysWhy) {
    const QString file = Path("notes.json");
    QFile text(file);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("{\"kind\": \"something else\"}");
    text.close();
    CDlgCompareFile comparison(*engine, file);
    EXPECT_FALSE(comparison.Loaded());
    EXPECT_THAT(comparison.Summary().text().toStdString(), HasSubstr("could not be compared"));
    EXPECT_TRUE(comparison.Table().isHidden());

    // Without differences the summary says so and the table is empty.
    const QString same = Path("same.kvt");
    ASSERT_EQ(engine->Save(frontend::TextVariant(same), Variant::Bool(false)), status::Ok);
    CDlgCompareFile equal(*engine, same);
    EXPECT_TRUE(equal.Loaded());
    EXPECT_EQ(equal.Table().rowCount(), 0);
    EXPECT_THAT(equal.Summary().text().toStdString(), HasSubstr("are the same"));
    EXPECT_EQ(CDlgCompareFile::SplitName("FormatTxt1[3]"),
              std::make_pair(QStringLiteral("FormatTxt1"), QStringLiteral("3")));
    EXPECT_EQ(CDlgCompareFile::SplitName("TheaterName"),
              std::make_pair(QStringLiteral("TheaterName"), QString()));
}

TEST_F(FrameServiceDocuments, ServiceReportListsTheChangesSinceTheConnectionAndTheNotes) {
    ASSERT_NO_FATAL_FAILURE(ConnectOrFail());
    // The technician's work, as the pages write it.
    ASSERT_EQ(engine->put_OutputGain(Variant::Int(4), 1.5), status::Ok);
    ASSERT_EQ(engine->put_TheaterName(Variant::String(u"Rex Cinema")), status::Ok);
    const QString pdf = Path("visit.pdf");

    bool wasBusy = false;
    QString status;
    int pages = 0;
    WhenModal<CDlgServiceReport>([&](CDlgServiceReport& dialog) {
        EXPECT_TRUE(dialog.ReadLog().isChecked());
        EXPECT_TRUE(dialog.RunVerify().isChecked());
        dialog.OutputFile().setText(pdf);
        dialog.Notes().setPlainText(QStringLiteral("Subwoofer level raised after the complaint."));
        dialog.WriteButton().click();
        // The unit is read on the dialog's thread: the GUI goes on meanwhile, and the dialog
        // cannot be closed until the report is done.
        wasBusy = dialog.Busy();
        dialog.reject();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.Busy(); }, kTimeoutMs));
        status = dialog.Status().text();
        pages = dialog.PagesWritten();
        dialog.reject();
    });
    frame->Action(kServiceReport)->trigger();

    EXPECT_TRUE(wasBusy);
    EXPECT_EQ(pages, 4) << status.toStdString();
    EXPECT_THAT(status.toStdString(), HasSubstr("Verify passed."));
    const std::string text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("OutputGain[4]"));
    EXPECT_THAT(text, HasSubstr("Rex Cinema"));
    EXPECT_THAT(text, HasSubstr("Subwoofer level raised after the complaint."));
    EXPECT_THAT(text, HasSubstr("AES/EBU input error"));
}

// The report reads the unit's log through the engine, which raises its entries to the Event Log
// page as well: the page, filled by a read of its own, keeps its list as it was.
TEST_F(FrameServiceDocuments, ServiceReportLeavesTheEventLogPagesListAsItWas) {
    ASSERT_NO_FATAL_FAILURE(ConnectOrFail());
    auto* eventLog = qobject_cast<CDlgEventLog*>(frame->PageWidget(CMainFrame::kEventLogPage));
    ASSERT_NE(eventLog, nullptr);
    eventLog->SetReadWaits(300, 5000);
    eventLog->findChild<QPushButton*>("1536")->click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !eventLog->Reading() && eventLog->List().rowCount() > 0; }, kTimeoutMs));
    const std::vector<std::string> listed = ListedTexts(*eventLog);

    const QString pdf = Path("log.pdf");
    int pages = 0;
    WhenModal<CDlgServiceReport>([&](CDlgServiceReport& dialog) {
        EXPECT_TRUE(dialog.ReadLog().isChecked());
        dialog.RunVerify().setChecked(false);
        dialog.OutputFile().setText(pdf);
        dialog.WriteButton().click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.Busy(); }, kTimeoutMs));
        pages = dialog.PagesWritten();
        dialog.reject();
    });
    frame->Action(kServiceReport)->trigger();
    QApplication::processEvents();

    ASSERT_EQ(pages, 4);
    EXPECT_THAT(PdfText(pdf), HasSubstr("AES/EBU input error"));
    EXPECT_EQ(ListedTexts(*eventLog), listed);
    EXPECT_FALSE(eventLog->Reading());
    EXPECT_TRUE(eventLog->findChild<QPushButton*>("1536")->isEnabled());
}

TEST_F(FrameServiceDocuments, WithoutAConnectionTheReportHoldsTheProgramsConfiguration) {
    const QString pdf = Path("offline.pdf");
    CDlgServiceReport dialog(*engine, std::nullopt);
    EXPECT_FALSE(dialog.ReadLog().isEnabled());
    EXPECT_FALSE(dialog.RunVerify().isEnabled());
    dialog.OutputFile().setText(pdf);
    dialog.RoomEqFile().setText(Path("missing.json"));
    dialog.Write();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Busy(); }, kTimeoutMs));
    EXPECT_EQ(dialog.PagesWritten(), 0);
    EXPECT_THAT(dialog.Status().text().toStdString(), HasSubstr("missing.json"));
    EXPECT_FALSE(QFile::exists(pdf));

    dialog.RoomEqFile().clear();
    dialog.Write();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Busy(); }, kTimeoutMs));
    EXPECT_EQ(dialog.PagesWritten(), 4);
    EXPECT_THAT(PdfText(pdf), HasSubstr("not verified: the unit is not connected"));
}

// The report is written in the language the program shows: its translation is the one installed.
TEST_F(FrameServiceDocuments, TheReportIsInTheLanguageTheProgramShows) {
    const std::unique_ptr<QTranslator> german = frontend::LoadTranslation(7);
    ASSERT_NE(german, nullptr);
    ASSERT_TRUE(QApplication::installTranslator(german.get()));
    struct Removal {
        QTranslator* translator;
        ~Removal() { QApplication::removeTranslator(translator); }
    } removal{german.get()};
    const QString pdf = Path("german.pdf");
    CDlgServiceReport dialog(*engine, std::nullopt);
    dialog.OutputFile().setText(pdf);
    dialog.Write();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Busy(); }, kTimeoutMs));
    EXPECT_EQ(dialog.PagesWritten(), 4) << dialog.Status().text().toStdString();
    const std::string text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("KVT-80 Wartungsbericht"));
    EXPECT_THAT(text, HasSubstr("nicht überprüft: Das Gerät ist nicht verbunden"));
    EXPECT_THAT(text, HasSubstr("Notizen des Technikers"));
    EXPECT_THAT(text, ::testing::Not(HasSubstr("Technician's notes")));
}

}  // namespace
}  // namespace kvt::laptop
