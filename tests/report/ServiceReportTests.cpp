// The service report's parts: reading the unit through the engine (event log, Verify, the image),
// the room EQ report, the readable list of changes and the PDF's pages, sections and language.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "KVT80.h"
#include "ReportPdf.h"
#include "RunProgram.h"
#include "ServiceReport.h"
#include "SimulatedUnit.h"
#include "SourceTree.h"
#include "TestSupport.h"
#include "Translations.h"
#include "formats/FormatTable.h"
#include "text/Codepage.h"

namespace kvt::report {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

// The PDF writer needs Qt's fonts (offscreen: no display).
QGuiApplication& Application() {
    static int argc = 1;
    static char name[] = "report_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *application;
}

std::string PdfText(const std::filesystem::path& pdf) {
    const testing::ProgramResult result =
        testing::RunProgram("/usr/bin/pdftotext", {"-layout", pdf.string(), "-"});
    EXPECT_EQ(result.exitStatus, 0) << result.errors;
    return result.out;
}

int PdfPages(const std::filesystem::path& pdf) {
    const testing::ProgramResult result = testing::RunProgram("/usr/bin/pdfinfo", {pdf.string()});
    const size_t at = result.out.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(result.out.substr(at + 6));
}

std::filesystem::path RoomEqSample() {
    return testing::SourceTree() / "tests/report/data/roomeq-demo.json";
}

class EngineWithUnit : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(testing::FastTimings());
    }
    void TearDown() override {
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
        unit.Stop();
    }
    void Connect() {
        const std::string port = unit.StartPty();
        ASSERT_EQ(engine->put_ComPort(Variant::String(FromUtf8(port))), status::Ok);
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), status::Ok);
        ASSERT_EQ(engine->Connect(), status::Ok);
        ASSERT_EQ(engine->QueryKVT(), status::Ok);
    }

    testing::ScopedConfigHome home;
    sim::SimulatedUnit unit;
    std::unique_ptr<IKVT80> engine;
};

TEST_F(EngineWithUnit, ReadsTheWholeEventLogAndKeepsTheMostRecentEntries) {
    std::vector<sim::LogEntry> entries;
    for (int i = 0; i < 50; ++i) {
        char stamp[16];
        std::snprintf(stamp, sizeof stamp, "2612%02d 10%02d00", 1 + i / 2, i % 60);
        entries.push_back({stamp, "Event " + std::to_string(i)});
    }
    unit.SetEventLog(entries);
    ASSERT_NO_FATAL_FAILURE(Connect());

    const EventLogRead log = ReadEventLog(*engine, std::chrono::seconds(20));
    ASSERT_EQ(log.error, "");
    ASSERT_EQ(log.entries.size(), 50u);
    const std::vector<LogEntry> recent = RecentEntries(log.entries, kReportLogEntries);
    ASSERT_EQ(recent.size(), 40u);
    EXPECT_EQ(recent.front().description, "Event 10");
    EXPECT_EQ(recent.back().description, "Event 49");
    EXPECT_EQ(LogStamp(recent.back()), "26-12-25 10:49:00");
}

TEST_F(EngineWithUnit, WithoutAConnectionNothingIsReadOrVerifiedAndTheReportSaysSo) {
    const Gathered gathered = GatherReport(*engine, {});
    ASSERT_TRUE(gathered.report);
    EXPECT_FALSE(gathered.report->logRead);
    EXPECT_FALSE(gathered.report->verify.ran);
    EXPECT_THAT(gathered.report->verify.note, HasSubstr("not connected"));
    EXPECT_THAT(gathered.notes, ElementsAre(HasSubstr("not connected")));
    // The engine's image is still reported: here the factory configuration.
    EXPECT_EQ(ToUtf8(gathered.report->image.profile.Text(ProfileField::ProjectName)),
              "* FACTORY DEFAULTS *");
}

TEST_F(EngineWithUnit, VerifyPassesOnAHealthyUnitAndNamesTheProcessorsThatDiffer) {
    ASSERT_NO_FATAL_FAILURE(Connect());
    const VerifyOutcome healthy = RunVerify(*engine, std::chrono::seconds(5));
    ASSERT_TRUE(healthy.ran);
    EXPECT_EQ(healthy.status, status::Ok);
    EXPECT_EQ(healthy.mask, 0u);

    // The centre channel's 1 kHz band changes in the unit behind the engine's back.
    unit.SetWorkingMemory(4, 128 + 30 - 14, 0xFFFFE2);
    const VerifyOutcome changed = RunVerify(*engine, std::chrono::seconds(5));
    ASSERT_TRUE(changed.ran);
    EXPECT_NE(changed.status, status::Ok);
    EXPECT_EQ(changed.mask, 0x30u);
    EXPECT_EQ(VerifyMaskText(changed.mask), "equaliser processors");
    EXPECT_EQ(VerifyMaskText(0x7F),
              "memory (formats, profile), preamp processors, matrix processor, equaliser "
              "processors, output card");
}

TEST_F(EngineWithUnit, AReportFromTheUnitHasEverySectionAndTheChangesOfTheVisit) {
    Application();
    ASSERT_NO_FATAL_FAILURE(Connect());
    GatherOptions options;
    options.atConnect = EngineImage(*engine);
    options.notes = "Replaced the left surround fuse.";
    options.program = "report_tests";
    ASSERT_TRUE(options.atConnect);
    // The visit: the centre's 1 kHz band and the theatre's name.
    ASSERT_EQ(engine->put_EQBand(Variant::Int(1), Variant::Int(14), -3.0), status::Ok);
    ASSERT_EQ(engine->put_TheaterName(Variant::String(u"Rex Cinema")), status::Ok);

    const Gathered gathered = GatherReport(*engine, options);
    ASSERT_TRUE(gathered.report) << gathered.error;
    EXPECT_TRUE(gathered.report->verify.ran);
    EXPECT_EQ(gathered.report->verify.mask, 0u);  // the changes reached the unit first
    EXPECT_TRUE(gathered.report->logRead);
    std::vector<std::string> changed;
    for (const config::FieldDifference& change : gathered.report->Changes()) {
        changed.push_back(change.name);
    }
    EXPECT_THAT(changed, ElementsAre("EQBand[1][14]", "TheaterName"));

    const std::filesystem::path pdf = home.Path() / "visit.pdf";
    const PdfResult written = WriteReportPdf(*gathered.report, pdf.string());
    ASSERT_EQ(written.error, "");
    EXPECT_EQ(written.pages, 4);
    EXPECT_EQ(PdfPages(pdf), 4);
    const std::string text = PdfText(pdf);
    for (const char* section :
         {"KVT-80 Service Report", "Unit", "Profile", "Verify", "Changes during the visit",
          "Format table", "Inputs and system settings", "Channels: equaliser curves",
          "Output levels, delays, mute and invert", "Event log", "Technician's notes"}) {
        EXPECT_THAT(text, HasSubstr(section)) << section;
    }
    EXPECT_THAT(text, HasSubstr("SIM-000001"));
    EXPECT_THAT(text, HasSubstr("Rex Cinema"));
    EXPECT_THAT(text, HasSubstr("Passed"));
    EXPECT_THAT(text, HasSubstr("Replaced the left surround fuse."));
    EXPECT_THAT(text, HasSubstr("AES/EBU input error"));  // from the unit's event log
    EXPECT_THAT(text, HasSubstr("EQBand[1][14]"));
    EXPECT_THAT(text, Not(HasSubstr("Room EQ assistant")));
}

TEST(ServiceReport, RoomEqReportOfTheAssistantIsRead) {
    const RoomEqRead read = ReadRoomEqReport(RoomEqSample().string());
    ASSERT_TRUE(read.result) << read.error;
    ASSERT_EQ(read.result->channels.size(), 4u);
    const RoomEqChannel& left = read.result->channels[0];
    EXPECT_EQ(left.channel, "L");
    ASSERT_EQ(left.hz.size(), 30u);
    EXPECT_DOUBLE_EQ(left.hz[0], 25.0);
    EXPECT_DOUBLE_EQ(left.hz[17], 1250.0);
    EXPECT_DOUBLE_EQ(left.hz[29], 20000.0);
    EXPECT_EQ(left.before.size(), 30u);
    EXPECT_EQ(left.after.size(), 30u);
    EXPECT_FALSE(left.afterPredicted);
    EXPECT_TRUE(read.result->completed);
}

TEST(ServiceReport, RoomEqReportsThatAreNotOneAreRefusedWithTheReason) {
    EXPECT_THAT(ParseRoomEqReport("not json").error, HasSubstr("not a JSON object"));
    EXPECT_THAT(ParseRoomEqReport("{}").error, HasSubstr("\"channels\""));
    EXPECT_THAT(ParseRoomEqReport(R"({"channels":[{"channel":"L"}]})").error,
                HasSubstr("L: no band_centres_hz"));
    EXPECT_THAT(
        ParseRoomEqReport(R"({"channels":[{"channel":"C","band_centres_hz":["1k","2x"]}]})").error,
        HasSubstr("C: band_centres_hz: not a frequency"));
    EXPECT_THAT(ParseRoomEqReport(R"({"channels":[{"channel":"R","band_centres_hz":["1k","2k"],
                                     "measured_before_db":[1.0]}]})")
                    .error,
                HasSubstr("R: measured_before_db: needs one value"));
    const RoomEqRead dry = ParseRoomEqReport(
        R"({"dry_run":true,"channels":[{"channel":"SW","band_centres_hz":["31.5","40"],
            "measured_before_db":[null,-3.5],"predicted_after_db":[0.5,null]}]})");
    ASSERT_TRUE(dry.result) << dry.error;
    EXPECT_TRUE(dry.result->dryRun);
    EXPECT_TRUE(dry.result->channels[0].afterPredicted);
    EXPECT_FALSE(dry.result->channels[0].before[0]);
    EXPECT_EQ(dry.result->channels[0].after[0], 0.5);
    EXPECT_THAT(ReadRoomEqReport("/no/such/file.json").error, HasSubstr("cannot be read"));
    // Members of another type than expected are taken as absent, never thrown on.
    const RoomEqRead odd = ParseRoomEqReport(
        R"({"target":5,"completed":"yes","failure":[1],"channels":[{"channel":7,
            "band_centres_hz":["1k"],"within_tolerance":1,"largest_deviation_after_db":"2"}]})");
    ASSERT_TRUE(odd.result) << odd.error;
    EXPECT_EQ(odd.result->target, "");
    EXPECT_FALSE(odd.result->completed);
    EXPECT_EQ(odd.result->channels[0].channel, "?");
    EXPECT_FALSE(odd.result->channels[0].withinTolerance);
}

TEST(ServiceReport, RawTextBytesAreListedOnlyWhenTheTextItselfDidNotChange) {
    const std::vector<config::FieldDifference> differences{
        {"TheaterName", "A", "B"},
        {"TheaterNameBytes", "41", "42"},
        {"FormatTxt1Bytes[3]", "00", "01"},  // the text is the same: only bytes after it
        {"EQBand[1][14]", 0.0, -3.0},
    };
    std::vector<std::string> names;
    for (const config::FieldDifference& difference : ReadableDifferences(differences)) {
        names.push_back(difference.name);
    }
    EXPECT_THAT(names, ElementsAre("TheaterName", "FormatTxt1Bytes[3]", "EQBand[1][14]"));
}

TEST(ServiceReport, ChannelNamesAndDelaysFollowTheChannelConfiguration) {
    ParameterImage image = FactoryImage();
    image.Set(Param::DigitalInputDelay, {}, 40);
    image.Set(Param::DigitalSurroundDelay, {}, 12);
    image.Set(Param::InputConfig, {}, 0);
    EXPECT_EQ(ChannelDelayMs(image, 0), 40);
    EXPECT_EQ(ChannelDelayMs(image, 3), 52);
    EXPECT_EQ(ChannelDelayMs(image, 6), 52);
    EXPECT_EQ(ChannelName(6, 0), "Left EX");
    image.Set(Param::InputConfig, {}, 1);  // LCRC: the EX outputs are centres, without the delay
    EXPECT_EQ(ChannelDelayMs(image, 6), 40);
    EXPECT_EQ(ChannelDelayMs(image, 5), 52);
    EXPECT_EQ(ChannelName(6, 1), "Left Center");
    EXPECT_DOUBLE_EQ(BandHertz(0), 1000.0 * std::pow(2.0, -14.0 / 3.0));  // 40 Hz band
    EXPECT_NEAR(BandHertz(26), 16000.0, 20.0);
}

TEST(ServiceReport, AFailedWriteLeavesNoFileAndRoomEqCurvesAddAPage) {
    Application();
    testing::ScopedConfigHome home;
    ServiceReport report;
    report.image = FactoryImage();
    const PdfResult missingFolder =
        WriteReportPdf(report, (home.Path() / "no-folder" / "r.pdf").string());
    EXPECT_EQ(missingFolder.pages, 0);
    EXPECT_THAT(missingFolder.error, HasSubstr("cannot be written"));
    EXPECT_FALSE(std::filesystem::exists(home.Path() / "no-folder"));

    // A room EQ section adds a page; the notes stay on the last one.
    RoomEqRead roomEq = ReadRoomEqReport(RoomEqSample().string());
    ASSERT_TRUE(roomEq.result);
    report.roomEq = roomEq.result;
    const std::filesystem::path pdf = home.Path() / "r.pdf";
    const PdfResult written = WriteReportPdf(report, pdf.string());
    EXPECT_EQ(written.pages, 5);
    const std::string text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("Room EQ assistant"));
    EXPECT_THAT(text, HasSubstr("The event log was not read."));
    EXPECT_THAT(text, HasSubstr("No configuration from the start of the visit was given"));
    EXPECT_THAT(text, HasSubstr("not verified"));
    const std::string notesPage = text.substr(text.rfind("Room EQ assistant"));
    EXPECT_THAT(notesPage, HasSubstr("Technician's notes"));
}

// A translation installed for the life of a test, as the laptop program installs its own.
class InstalledTranslation {
  public:
    explicit InstalledTranslation(int languageCode)
        : translator_(frontend::LoadTranslation(languageCode)) {
        if (translator_) {
            QCoreApplication::installTranslator(translator_.get());
        }
    }
    ~InstalledTranslation() {
        if (translator_) {
            QCoreApplication::removeTranslator(translator_.get());
        }
    }
    InstalledTranslation(const InstalledTranslation&) = delete;
    InstalledTranslation& operator=(const InstalledTranslation&) = delete;
    bool Loaded() const { return translator_ != nullptr; }

  private:
    std::unique_ptr<QTranslator> translator_;
};

TEST(ServiceReport, TheReportIsInTheLanguageOfTheInstalledTranslationAndTheUnitsTextsAsTheyAre) {
    Application();
    testing::ScopedConfigHome home;
    ServiceReport report;
    report.image = FactoryImage();
    report.atConnect = report.image;
    report.image.Set(Param::EQBand, {1, 14}, -3.0);
    report.verify.ran = true;
    report.verify.mask = 0x48;  // the matrix processor and the output card differ
    report.notes = "Sicherung getauscht.";
    RoomEqRead roomEq = ReadRoomEqReport(RoomEqSample().string());
    ASSERT_TRUE(roomEq.result) << roomEq.error;
    report.roomEq = roomEq.result;
    const std::filesystem::path pdf = home.Path() / "r.pdf";
    {
        const InstalledTranslation german(7);
        ASSERT_TRUE(german.Loaded());
        const PdfResult written = WriteReportPdf(report, pdf.string());
        ASSERT_EQ(written.error, "");
        EXPECT_EQ(written.pages, 5);  // the longer texts wrap within the same pages
        const std::string text = PdfText(pdf);
        for (const char* german : {"KVT-80 Wartungsbericht",
                                   "Gerät",
                                   "Seriennummer",
                                   "Profil",
                                   "Überprüfung",
                                   "Änderungen während des Einsatzes",
                                   "Formattabelle",
                                   "Eingänge und Systemeinstellungen",
                                   "Kanäle: Equalizer-Kurven",
                                   "Ausgangspegel, Verzögerungen, Stumm und Invertierung",
                                   "Ereignisprotokoll",
                                   "Das Ereignisprotokoll wurde nicht gelesen.",
                                   "Raum-EQ-Assistent",
                                   "Notizen des Technikers",
                                   "Techniker",
                                   "Datum und Unterschrift",
                                   "Seite 5",
                                   "Surround links",
                                   "FEHLGESCHLAGEN",
                                   "Matrix-Prozessor, Ausgangskarte"}) {
            EXPECT_THAT(text, HasSubstr(german)) << german;
        }
        for (const char* english : {"Service Report", "Format table", "Event log",
                                    "Technician's notes", "Page 1", "Left Surround", "FAILED"}) {
            EXPECT_THAT(text, Not(HasSubstr(english))) << english;
        }
        // The unit's and the files' own texts stand as they are.
        EXPECT_THAT(text, HasSubstr("EQBand[1][14]"));
        EXPECT_THAT(text, HasSubstr("* FACTORY DEFAULTS *"));
        EXPECT_THAT(text, HasSubstr("Sicherung getauscht."));
        EXPECT_EQ(VerifyMaskTextTranslated(0x48), "Matrix-Prozessor, Ausgangskarte");
        EXPECT_EQ(VerifyMaskText(0x48), "matrix processor, output card");
    }
    // Without the translation the report is in English again.
    WriteReportPdf(report, pdf.string());
    const std::string english = PdfText(pdf);
    for (const char* heading : {"KVT-80 Service Report", "Format table", "Technician's notes",
                                "Page 1", "Left Surround", "matrix processor, output card"}) {
        EXPECT_THAT(english, HasSubstr(heading)) << heading;
    }
    EXPECT_THAT(english, Not(HasSubstr("Formattabelle")));
}

TEST(ServiceReport, AChineseReportHasItsTextsAndAFontWithTheirGlyphs) {
    Application();
    testing::ScopedConfigHome home;
    ServiceReport report;
    report.image = FactoryImage();
    report.verify.note = "not verified: the unit is not connected";  // as GatherReport notes it
    const std::filesystem::path pdf = home.Path() / "zh.pdf";
    {
        const InstalledTranslation chinese(4);
        ASSERT_TRUE(chinese.Loaded());
        ASSERT_EQ(WriteReportPdf(report, pdf.string()).error, "");
    }
    // Qt's PDF writer maps each glyph back to the lowest code point the font gives it, and the CJK
    // font gives some ideographs' glyphs to Kangxi radicals as well: a copy of the text reads
    // "⽇" for "日". Compatibility-normalised the two are the same.
    const auto normalised = [](const std::string& text) {
        return QString::fromStdString(text).normalized(QString::NormalizationForm_KC).toStdString();
    };
    const std::string text = normalised(PdfText(pdf));
    for (const char* chinese : {"KVT-80 服务报告", "格式表", "事件日志", "技术员备注",
                                "未校验：设备未连接", "左环绕", "日期和签名"}) {
        EXPECT_THAT(text, HasSubstr(normalised(chinese))) << chinese;
    }
    // DejaVu has no Chinese glyphs: the report takes them from the CJK font, in their Simplified
    // Chinese forms.
    const testing::ProgramResult fonts = testing::RunProgram("/usr/bin/pdffonts", {pdf.string()});
    EXPECT_THAT(fonts.out, HasSubstr("NotoSansCJKsc"));
}

TEST(ServiceReport, LongNotesGoOnOverMorePagesAndAreKeptWhole) {
    Application();
    testing::ScopedConfigHome home;
    ServiceReport report;
    report.image = FactoryImage();
    for (int line = 0; line < 60; ++line) {
        report.notes += "Line " + std::to_string(line) + " of the notes, checked and signed.\n";
    }
    report.notes += std::string(9000, 'x') + " the end of a very long line";
    const std::filesystem::path pdf = home.Path() / "notes.pdf";
    const PdfResult written = WriteReportPdf(report, pdf.string());
    ASSERT_EQ(written.error, "");
    EXPECT_GT(written.pages, 5);
    EXPECT_EQ(PdfPages(pdf), written.pages);
    const std::string text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("Line 0 of the notes"));
    EXPECT_THAT(text, HasSubstr("Line 59 of the notes"));
    EXPECT_THAT(text, HasSubstr("the end of a"));  // the rest may wrap
}

}  // namespace
}  // namespace kvt::report
