// KVTExecCE's start-up: the command line, the language, the engine, demo mode and the window's
// size (the whole screen when the screen is small, a phone-sized window on a desktop).
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "ProgramStart.h"

namespace kvt::handheld {

// The handheld takes just the options both programs share.
using LaunchOptions = frontend::StartOptions;

LaunchOptions ParseLaunchOptions(const QStringList& arguments);
QString UsageText();

// The handheld's screen in logical pixels.
inline constexpr QSize kDesignSize{240, 320};

// Where the window goes on a screen with this free area: all of it when it is not larger than
// twice the design size in either direction, else a window of the design size in its middle.
QRect WindowGeometry(const QRect& available);

// The whole program; returns its exit status.
int RunKVTExecCE(int argc, char** argv);

}  // namespace kvt::handheld
