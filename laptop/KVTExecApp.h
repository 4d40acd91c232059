// KVTExec's start-up: the command line, the language and its translation, the engine, demo mode,
// the main frame's size and place, the splash, and the language code written back at exit.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "CMainFrame.h"
#include "ProgramStart.h"

namespace kvt::laptop {

struct LaunchOptions : frontend::StartOptions {
    std::optional<QString> file;  // a configuration file to open (a double-click on it)
};

// The start-up steps the handheld program shares.
using frontend::AsksForRegistration;
using frontend::LoadTranslation;
using frontend::TranslationName;

LaunchOptions ParseLaunchOptions(const QStringList& arguments);
QString UsageText();

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
