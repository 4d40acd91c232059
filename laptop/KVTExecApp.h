// KVTExec's start-up: the command line, the language and its translation, the engine, demo mode,
// the main frame's size and place, the splash, and the language code written back at exit.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>

#include "CMainFrame.h"

namespace kvt::laptop {

struct LaunchOptions {
    bool demo = false;
    bool help = false;
    std::optional<QString> port;
    std::optional<int> language;
    std::optional<QString> screenshots;  // the tour's folder (demo mode only)
    std::optional<QString> file;         // a configuration file to open (a double-click on it)
    QString error;                       // why the command line was refused; empty when it was not
};

// "regserver" anywhere in the command line, also inside a longer word: the program does nothing.
bool AsksForRegistration(int argc, char** argv);

LaunchOptions ParseLaunchOptions(const QStringList& arguments);
QString UsageText();

// The language codes with a translation: 4 Chinese, 7 German, 10 Spanish, 12 French, 16 Italian;
// English (9) and any other code use the built-in texts.
QString TranslationName(int languageCode);
// Loads the translation of the code; nothing for English, an unknown code, or one that cannot be
// loaded (the program stays in English).
std::unique_ptr<QTranslator> LoadTranslation(int languageCode);

// The frame's client size from the screen's logical dots per inch: 755 x 430 at 96 dpi, scaled,
// with one more inch of width when the scale is not 1.
QSize FrameClientSize(double dpiX, double dpiY);

// The program's frame: a configuration file named on the command line goes through the Open
// command's flow, with its questions (save the changes first? overwrite the connected unit?); only
// the file dialog is answered with that file.
class KVTExecFrame : public CMainFrame {
  public:
    using CMainFrame::CMainFrame;

    // Opens the file as File > Open does; false when that was refused (another flow runs, or the
    // user cancelled a question).
    bool OpenFile(const QString& path);
    // Opens the file once no flow runs any more (after demo mode's connection, for example).
    void OpenFileWhenIdle(const QString& path);

    std::optional<QString> AskOpenFileName(const QString& startFolder) override;

  private:
    std::optional<QString> fileArgument_;
};

// The whole program; returns its exit status.
int RunKVTExec(int argc, char** argv);

}  // namespace kvt::laptop
