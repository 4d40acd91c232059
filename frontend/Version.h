// The program's version as the build knows it: the project's version and the build number (the
// number of commits of the source tree it was configured from).
#pragma once

#include <QString>

namespace kvt::frontend {

int VersionMajor();
int VersionMinor();
int VersionPatch();
int BuildNumber();

// "0.2.0 Build 164"
QString VersionText();

}  // namespace kvt::frontend
