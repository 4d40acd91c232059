// A QR code drawn with block characters, for a phone's camera to read off the terminal.
#pragma once

#include <string>

namespace kvt::web {

// The code for text as lines of text (two modules per character cell, dark on light); empty when
// the build has no QR encoder or the text does not fit.
std::string TerminalQr(const std::string& text);

}  // namespace kvt::web
