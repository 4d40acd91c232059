// The start-up steps both programs take in the same order: the command line as text, the
// "regserver" call that does nothing, --help and a refused command line, the application's
// names, the settings folder and the language with its translation, and the demo unit and the
// engine on the chosen port. Each program keeps its own options, window and ending.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>

#include "IKVT80.h"
#include "Translations.h"

namespace kvt::sim {
class DemoSession;
}

namespace kvt::frontend {

// The options both programs take.
struct StartOptions {
    bool demo = false;
    bool help = false;
    std::optional<QString> port;
    std::optional<int> language;
    std::optional<QString> screenshots;  // the tour's folder (demo mode only)
    QString error;                       // why the command line was refused; empty when it was not
};

// Reads arguments[i] when it is one of the shared options (--demo, --help or -h, --port PORT,
// --lang CODE, --screenshots DIR), moving i past its value; false for any other argument. A
// missing value or a language code that is not a number sets the error; the refusal of a wrong
// code names the example codes given.
bool ReadStartOption(const QStringList& arguments, qsizetype& i, StartOptions& options,
                     const QString& languageExamples);
// --demo chooses the port itself, so --port with it is refused.
void CheckDemoAndPort(StartOptions& options);

// "regserver" anywhere in the command line, also inside a longer word: the program does nothing.
bool AsksForRegistration(int argc, char** argv);

// The command line as text, the program's name first.
QStringList ArgumentList(int argc, char** argv);

// After the command line was read: the usage text on the standard output for --help (status 0),
// the refusal and a hint on the error output for a wrong command line (status 2); nothing when
// the program goes on.
std::optional<int> EndBeforeStart(const char* program, bool help, const QString& error,
                                  const QString& usage);

// The settings folder and the language of this run, with its translation installed.
struct ProgramLanguage {
    QString settingsFolder;
    int storedLanguage = 0;  // the code stored in the settings folder
    int language = 0;        // the code of this run: the command line's, else the stored one
    std::unique_ptr<QTranslator> translator;  // installed; nothing for the built-in texts
};

// Names the application (and so its settings), fixes the settings folder (before demo mode
// moves the engine's settings elsewhere), and installs the translation of the command line's
// language or else the stored one. Needs the QApplication.
ProgramLanguage StartProgram(const QString& applicationName,
                             const std::optional<int>& languageOption);

// Starts the demo unit when asked, creates the engine of the class name and sets its port: the
// demo unit's, else the command line's, else the engine's stored one. A failure is shown in a
// message box with the caption; then nothing is returned.
std::unique_ptr<IKVT80> StartEngine(const char* className, const QString& caption,
                                    sim::DemoSession& demo, bool startDemo,
                                    const std::optional<QString>& port);

}  // namespace kvt::frontend
