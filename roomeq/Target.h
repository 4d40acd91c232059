// The curve a channel is equalised toward: the X-curve that the zoomed analyser overlays, moved by
// an offset, or a curve from a small text file. Columns without a point are not aimed at.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Bands.h"

namespace kvt::roomeq {

struct Target {
    std::string name;  // "xcurve" or the file's path
    Curve db{};
    std::array<bool, kColumns> has{};
};

// The X-curve, `offsetDb` above the reference table.
Target XCurveTarget(double offsetDb = 0.0);

// A target file: one point per line, "HZ DB" (the band centre by its nominal frequency, 25 Hz to
// 20 kHz, and the level); '#' starts a comment, blank lines are ignored; each band at most once.
// On error returns nothing and sets `error` to the line and what is wrong.
std::optional<Target> ParseTargetFile(std::string_view text, std::string& error);
std::optional<Target> ReadTargetFile(const std::string& path, std::string& error);

}  // namespace kvt::roomeq
