// The front ends' own settings files, kept in the user's settings folder
// ($XDG_CONFIG_HOME/Rodmere, ~/.config/Rodmere when XDG_CONFIG_HOME is unset or not absolute):
//
//   kvtlang.ini   [Language] ID=<language code>     the display language, read at start-up
//   xcurve.ini    [XCurve]   Setting=<offset in dB>  the X-curve overlay's offset
//
// Section and key names match without regard to case; a write changes only its own line and
// replaces the file whole, so a failed write leaves the previous file as it was.
#pragma once

#include <QString>

namespace kvt::frontend {

// Resolves the settings folder from the environment now and keeps it for the rest of the run.
// Called once at start-up, before demo mode points XDG_CONFIG_HOME elsewhere for the engine.
QString InitSettingsFolder();
// The folder InitSettingsFolder chose; resolved on first use when it was never called.
QString SettingsFolder();

inline constexpr int kEnglishLanguageCode = 9;
inline constexpr int kDefaultXCurveSetting = 0;

QString LanguageFilePath(const QString& folder);
QString XCurveFilePath(const QString& folder);

// The stored language code; English when the file, the key or a number is missing. Codes
// without a translation are returned as they are.
int ReadLanguageCode(const QString& folder);
// Creates the folder when needed; false when the file could not be written.
bool WriteLanguageCode(const QString& folder, int code);

// The X-curve offset in dB; 0 when nothing is stored.
int ReadXCurveSetting(const QString& folder);
bool WriteXCurveSetting(const QString& folder, int setting);

}  // namespace kvt::frontend
