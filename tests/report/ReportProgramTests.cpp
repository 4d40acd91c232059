// kvt80-report and "kvt80-config report" as a technician runs them: the built programs, the real
// engine and the simulated unit over a pseudo-terminal; the PDF read back with pdftotext and
// pdfinfo.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "SimulatedUnit.h"
#include "SourceTree.h"
#include "TestSupport.h"

namespace {

using kvt::testing::ProgramResult;
using kvt::testing::RunProgram;
using ::testing::HasSubstr;
using ::testing::Not;

std::string PdfText(const std::filesystem::path& pdf) {
    return RunProgram("/usr/bin/pdftotext", {"-layout", pdf.string(), "-"}).out;
}

int PdfPages(const std::filesystem::path& pdf) {
    const ProgramResult result = RunProgram("/usr/bin/pdfinfo", {pdf.string()});
    const size_t at = result.out.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(result.out.substr(at + 6));
}

// Sets PATH for the programs the test starts, and puts it back.
class ScopedPath {
  public:
    explicit ScopedPath(const std::string& path) {
        const char* old = std::getenv("PATH");
        old_ = old != nullptr ? old : "";
        ::setenv("PATH", path.c_str(), 1);
    }
    ~ScopedPath() { ::setenv("PATH", old_.c_str(), 1); }
    ScopedPath(const ScopedPath&) = delete;
    ScopedPath& operator=(const ScopedPath&) = delete;

  private:
    std::string old_;
};

class ReportProgram : public ::testing::Test {
  protected:
    void SetUp() override { port_ = unit_.StartPty(); }

    ProgramResult Report(std::vector<std::string> arguments) {
        return RunProgram(KVT80_REPORT_PATH, std::move(arguments), std::nullopt,
                          std::chrono::minutes(2));
    }
    void Ctl(const std::vector<std::string>& statements) {
        std::vector<std::string> arguments{"--port", port_, "-e", "Connect", "-e", "QueryKVT"};
        for (const std::string& statement : statements) {
            arguments.insert(arguments.end(), {"-e", statement});
        }
        const ProgramResult result = RunProgram(KVT80CTL_PATH, arguments);
        ASSERT_EQ(result.exitStatus, 0) << result.out << result.errors;
    }
    std::filesystem::path File(const std::string& name) const { return home_.Path() / name; }

    kvt::testing::ScopedConfigHome home_;
    kvt::sim::SimulatedUnit unit_;
    std::string port_;
};

TEST_F(ReportProgram, TheVisitsChangesMadeWithKvt80ctlAreInTheReport) {
    // The configuration at the start, then the technician's work with kvt80ctl.
    const auto before = File("before.kvt");
    Ctl({"Save(\"" + before.string() + "\", false)"});
    Ctl({"OutputGain(2) = -1.5", "Mute(4) = true", "TheaterName = \"Rex Cinema\"", "sleep 300"});
    const auto notes = File("notes.txt");
    std::ofstream(notes) << "Subwoofer muted until the amplifier is back.\n";

    const auto pdf = File("visit.pdf");
    const ProgramResult result =
        Report({"--port", port_, "-o", pdf.string(), "--before", before.string(), "--notes-file",
                notes.string(), "--roomeq",
                (kvt::testing::SourceTree() / "tests/report/data/roomeq-demo.json").string()});
    ASSERT_EQ(result.exitStatus, 0) << result.errors;
    EXPECT_THAT(result.out, HasSubstr("5 pages"));
    EXPECT_EQ(PdfPages(pdf), 5);
    const std::string text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("3 fields differ"));
    EXPECT_THAT(text, HasSubstr("OutputGain[2]"));
    EXPECT_THAT(text, HasSubstr("Mute[4]"));
    EXPECT_THAT(text, HasSubstr("Rex Cinema"));
    EXPECT_THAT(text, Not(HasSubstr("TheaterNameBytes")));
    EXPECT_THAT(text, HasSubstr("Room EQ assistant"));
    EXPECT_THAT(text, HasSubstr("Subwoofer muted until the amplifier is back."));
    EXPECT_THAT(text, HasSubstr("Passed"));
}

TEST_F(ReportProgram, AUnitThatCannotBeReadGivesNoReport) {
    // The unit swallows every request for its controller's version: the retrieval fails, and no
    // report is written.
    kvt::sim::Fault fault;
    fault.kind = kvt::sim::FaultKind::DropReply;
    fault.match = "picver";
    fault.count = 100;
    unit_.InjectFault(fault);
    const auto pdf = File("dead.pdf");
    const ProgramResult result = Report({"--port", port_, "-o", pdf.string()});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_THAT(result.errors, HasSubstr("could not be read"));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportProgram, BadInputIsRefusedBeforeTheUnitIsTouchedAndNothingIsWritten) {
    const auto pdf = File("never.pdf");
    const auto bad = File("bad.json");
    std::ofstream(bad) << "{\"channels\": 3}";
    const ProgramResult roomEq =
        Report({"--port", port_, "-o", pdf.string(), "--roomeq", bad.string()});
    EXPECT_EQ(roomEq.exitStatus, 2);
    EXPECT_THAT(roomEq.errors, HasSubstr("not a room EQ report"));
    const ProgramResult before =
        Report({"--port", port_, "-o", pdf.string(), "--before", File("missing.kvt").string()});
    EXPECT_EQ(before.exitStatus, 2);
    EXPECT_THAT(Report({"-o", pdf.string()}).errors, HasSubstr("--port PORT or --demo"));
    EXPECT_THAT(Report({"--demo"}).errors, HasSubstr("-o REPORT.pdf"));
    EXPECT_EQ(Report({"--port", "/dev/no-such-port", "-o", pdf.string()}).exitStatus, 2);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ReportProgram, TheReportIsInTheLanguageAskedForElseInTheOneKVTExecWasSetTo) {
    const auto pdf = File("language.pdf");
    const ProgramResult german = Report({"--port", port_, "-o", pdf.string(), "--language", "de"});
    ASSERT_EQ(german.exitStatus, 0) << german.errors;
    std::string text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("KVT-80 Wartungsbericht"));
    EXPECT_THAT(text, HasSubstr("Formattabelle"));
    EXPECT_THAT(text, HasSubstr("Notizen des Technikers"));
    EXPECT_THAT(text, Not(HasSubstr("Format table")));

    // KVTExec set to Italian (code 16): the report follows it unless told otherwise.
    std::filesystem::create_directories(home_.Path() / "Rodmere");
    std::ofstream(home_.Path() / "Rodmere" / "kvtlang.ini") << "[Language]\nID=16\n";
    ASSERT_EQ(Report({"--port", port_, "-o", pdf.string()}).exitStatus, 0);
    text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("Rapporto di intervento KVT-80"));
    EXPECT_THAT(text, HasSubstr("Tabella dei formati"));
    ASSERT_EQ(Report({"--port", port_, "-o", pdf.string(), "--language", "en"}).exitStatus, 0);
    text = PdfText(pdf);
    EXPECT_THAT(text, HasSubstr("KVT-80 Service Report"));
    EXPECT_THAT(text, HasSubstr("Format table"));
}

TEST_F(ReportProgram, AnUnknownLanguageIsRefusedAndNothingIsWritten) {
    const auto pdf = File("never.pdf");
    for (const char* language : {"xx", "DE", "german", "7", ""}) {
        const ProgramResult refused =
            Report({"--port", port_, "-o", pdf.string(), "--language", language});
        EXPECT_EQ(refused.exitStatus, 2) << language;
        EXPECT_THAT(refused.errors, HasSubstr(std::string("unknown language '") + language +
                                              "' (give one of en, de, es, fr, it, zh_CN)"));
    }
    const ProgramResult missing = Report({"--port", port_, "-o", pdf.string(), "--language"});
    EXPECT_EQ(missing.exitStatus, 2);
    EXPECT_THAT(missing.errors, HasSubstr("--language needs a value"));
    EXPECT_FALSE(std::filesystem::exists(pdf));
    EXPECT_THAT(Report({"--help"}).out, HasSubstr("--language CODE"));
}

TEST(ConfigReport, RunsTheReportProgramOrNamesThePackageThatHasIt) {
    kvt::testing::ScopedConfigHome home;
    const auto pdf = home.Path() / "demo.pdf";
    {
        ScopedPath path("/nonexistent");
        const ProgramResult missing =
            RunProgram(KVT80_CONFIG_PATH, {"report", "--demo", "-o", pdf.string()});
        EXPECT_EQ(missing.exitStatus, 2);
        EXPECT_THAT(missing.errors, HasSubstr("kvt80-report"));
        EXPECT_THAT(missing.errors, HasSubstr("kvt80-laptop"));
        EXPECT_FALSE(std::filesystem::exists(pdf));
    }
    const std::string folder = std::filesystem::path(KVT80_REPORT_PATH).parent_path().string();
    ScopedPath path(folder + ":/usr/bin:/bin");
    const ProgramResult demo =
        RunProgram(KVT80_CONFIG_PATH, {"report", "--demo", "-o", pdf.string()}, std::nullopt,
                   std::chrono::minutes(2));
    ASSERT_EQ(demo.exitStatus, 0) << demo.errors;
    EXPECT_EQ(PdfPages(pdf), 4);
    EXPECT_THAT(PdfText(pdf), HasSubstr("SIM-000001"));
    // The report program's own options pass through.
    const ProgramResult french =
        RunProgram(KVT80_CONFIG_PATH, {"report", "--demo", "-o", pdf.string(), "--language", "fr"},
                   std::nullopt, std::chrono::minutes(2));
    ASSERT_EQ(french.exitStatus, 0) << french.errors;
    EXPECT_THAT(PdfText(pdf), HasSubstr("Table des formats"));
}

}  // namespace
