// The start-up steps both programs share: the shared options and their refusals, the end before
// the window for --help and a wrong command line, the language of the run with its translation,
// the engine on the demo unit's or the chosen port, and the frames' progress-dialog bookkeeping.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <memory>

#include "AppSettings.h"
#include "CFlowFrame.h"
#include "DemoSession.h"
#include "EngineValues.h"
#include "ProgramStart.h"
#include "TestSupport.h"

namespace kvt::frontend {
namespace {

// Reads every argument after the program's name with ReadStartOption; the first one it does not
// take ends the reading and is returned.
QString ReadAll(const QStringList& arguments, StartOptions& options,
                const QString& examples = QStringLiteral("9 (English)")) {
    for (qsizetype i = 1; i < arguments.size() && options.error.isEmpty(); ++i) {
        if (!ReadStartOption(arguments, i, options, examples)) {
            return arguments[i];
        }
    }
    return {};
}

TEST(StartOptions, SharedOptionsAreReadWithTheirValues) {
    StartOptions options;
    const QString rest = ReadAll({"P", "--demo", "--lang", "7", "--screenshots", "/tmp/s", "-h",
                                  "--port", "COM2", "file.kvt"},
                                 options);
    EXPECT_EQ(rest, "file.kvt");  // left to the program
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_TRUE(options.demo);
    EXPECT_TRUE(options.help);
    EXPECT_EQ(options.language, 7);
    EXPECT_EQ(options.screenshots, QString("/tmp/s"));
    EXPECT_EQ(options.port, QString("COM2"));
}

TEST(StartOptions, AValueIsNeverTakenForAnOption) {
    // "--port --demo": --demo is the port's value, not an option of its own.
    StartOptions options;
    EXPECT_TRUE(ReadAll({"P", "--port", "--demo"}, options).isEmpty());
    EXPECT_EQ(options.port, QString("--demo"));
    EXPECT_FALSE(options.demo);
}

TEST(StartOptions, RefusalsNameTheOptionAndTheProgramsExamples) {
    StartOptions missing;
    ReadAll({"P", "--demo", "--lang"}, missing);
    EXPECT_EQ(missing.error, "--lang needs a value");
    EXPECT_FALSE(missing.language.has_value());

    StartOptions handheld;
    ReadAll({"P", "--lang", "de"}, handheld);
    EXPECT_EQ(handheld.error, "--lang needs a language code such as 9 (English), not 'de'");

    StartOptions laptop;
    ReadAll({"P", "--lang", "german"}, laptop, QStringLiteral("9 (English) or 7 (German)"));
    EXPECT_EQ(laptop.error,
              "--lang needs a language code such as 9 (English) or 7 (German), not 'german'");
    EXPECT_FALSE(laptop.language.has_value());
}

TEST(StartOptions, DemoModeChoosesThePortItself) {
    StartOptions both;
    ReadAll({"P", "--demo", "--port", "USB"}, both);
    CheckDemoAndPort(both);
    EXPECT_EQ(both.error, "--demo and --port cannot be combined (--demo chooses the port)");

    StartOptions portOnly;
    ReadAll({"P", "--port", "USB"}, portOnly);
    CheckDemoAndPort(portOnly);
    EXPECT_TRUE(portOnly.error.isEmpty());

    // An earlier refusal is the one reported.
    StartOptions earlier;
    earlier.demo = true;
    earlier.port = QStringLiteral("USB");
    earlier.error = QStringLiteral("unknown option '--x'");
    CheckDemoAndPort(earlier);
    EXPECT_EQ(earlier.error, "unknown option '--x'");
}

TEST(ProgramStart, HelpAndRefusalsEndBeforeAnyWindow) {
    const QString usage = QStringLiteral("P [--demo]\n");
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(EndBeforeStart("KVTExecCE", true, {}, usage), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "P [--demo]\n");

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(EndBeforeStart("KVTExecCE", false, QStringLiteral("unknown option '--x'"), usage), 2);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "KVTExecCE: unknown option '--x'\nTry 'KVTExecCE --help'.\n");

    EXPECT_FALSE(EndBeforeStart("KVTExecCE", false, {}, usage).has_value());
}

TEST(ProgramStart, ArgumentsAndRegistration) {
    char program[] = "KVTExec";
    char option[] = "--demo";
    char registration[] = "/unregserver";
    char* plain[] = {program, option};
    char* registering[] = {program, registration};
    EXPECT_EQ(ArgumentList(2, plain), QStringList({"KVTExec", "--demo"}));
    EXPECT_FALSE(AsksForRegistration(2, plain));
    EXPECT_TRUE(AsksForRegistration(2, registering));
    // The program's own name does not count.
    char* named[] = {registration};
    EXPECT_FALSE(AsksForRegistration(1, named));
}

TEST(ProgramStart, TheRunsLanguageIsTheCommandLinesElseTheStoredOne) {
    const QString applicationName = QCoreApplication::applicationName();
    {
        testing::ScopedConfigHome config;
        ASSERT_TRUE(WriteLanguageCode(InitSettingsFolder(), 7));

        const ProgramLanguage stored = StartProgram(QStringLiteral("KVTExecCE"), std::nullopt);
        EXPECT_EQ(QCoreApplication::applicationName(), "KVTExecCE");
        EXPECT_EQ(QCoreApplication::organizationName(), "Rodmere");
        EXPECT_EQ(stored.settingsFolder, QString::fromStdString((config.Path() / "Rodmere")));
        EXPECT_EQ(stored.storedLanguage, 7);
        EXPECT_EQ(stored.language, 7);
        ASSERT_NE(stored.translator, nullptr);
        EXPECT_EQ(stored.translator->language(), "de");
    }
    {
        testing::ScopedConfigHome config;
        ASSERT_TRUE(WriteLanguageCode(InitSettingsFolder(), 12));
        // English for this run: the stored code stays what it was, no translation is installed.
        const ProgramLanguage english = StartProgram(QStringLiteral("KVTExec"), 9);
        EXPECT_EQ(english.storedLanguage, 12);
        EXPECT_EQ(english.language, 9);
        EXPECT_EQ(english.translator, nullptr);
    }
    QCoreApplication::setApplicationName(applicationName);
    InitSettingsFolder();
}

TEST(ProgramStart, TheEngineTakesTheDemoUnitsPortElseTheChosenOne) {
    testing::ScopedConfigHome config;
    {
        sim::DemoSession demo;
        const std::unique_ptr<IKVT80> engine =
            StartEngine("KVT80.KVT80", QStringLiteral("KVT-80"), demo, true, std::nullopt);
        ASSERT_NE(engine, nullptr);
        Variant port;
        ASSERT_EQ(engine->get_ComPort(&port), status::Ok);
        EXPECT_FALSE(demo.Port().empty());
        EXPECT_EQ(ToQString(port.StringValue()), QString::fromStdString(demo.Port()));
        engine->Cleanup();
    }
    {
        sim::DemoSession unused;
        const std::unique_ptr<IKVT80> engine = StartEngine(
            "KVT80CE.KVT80CE", QStringLiteral("KVT-80"), unused, false, QStringLiteral("COM3"));
        ASSERT_NE(engine, nullptr);
        Variant port;
        ASSERT_EQ(engine->get_ComPort(&port), status::Ok);
        EXPECT_EQ(ToQString(port.StringValue()), "COM3");
        EXPECT_TRUE(unused.Port().empty());  // no demo unit was started
        engine->Cleanup();
    }
}

// A progress dialog that counts the quiet closes.
class QuietDialog : public QDialog {
  public:
    explicit QuietDialog(int& closed) : closed_(closed) {}
    void CloseQuietly() {
        ++closed_;
        close();
    }

  private:
    int& closed_;
};

TEST(StatusDialogs, ADialogThatWentIsNotFoundAndTheRestCloseQuietly) {
    int closed = 0;
    StatusDialogs<QuietDialog> dialogs;
    auto* connection = new QuietDialog(closed);
    auto* save = new QuietDialog(closed);
    auto* upload = new QuietDialog(closed);
    dialogs.Add(StatusDialog::Connection, connection);
    dialogs.Add(StatusDialog::Save, save);
    dialogs.Add(StatusDialog::Upload, upload);
    EXPECT_EQ(dialogs.Find(StatusDialog::Save), save);
    EXPECT_EQ(dialogs.Find(StatusDialog::PersonalityModule), nullptr);

    // The user closed it and it deleted itself.
    delete save;
    EXPECT_EQ(dialogs.Find(StatusDialog::Save), nullptr);

    EXPECT_EQ(dialogs.Take(StatusDialog::Upload), upload);
    EXPECT_EQ(dialogs.Find(StatusDialog::Upload), nullptr);
    EXPECT_EQ(dialogs.Take(StatusDialog::Upload), nullptr);

    // Only the connection dialog is still kept (and alive): it alone is closed.
    dialogs.CloseAllQuietly();
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(dialogs.Find(StatusDialog::Connection), nullptr);
    delete connection;
    delete upload;
}

}  // namespace
}  // namespace kvt::frontend
