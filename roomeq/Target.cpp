#include "Target.h"

#include <cmath>
#include <fstream>

#include "ResponseText.h"
#include "XCurveTable.h"

namespace kvt::roomeq {

namespace {

constexpr std::streamsize kMaxFileBytes = 64 * 1024;

}  // namespace

Target XCurveTarget(double offsetDb) {
    static_assert(xcurve::kColumns == kColumns);
    Target target;
    target.name = "xcurve";
    for (int column = 0; column < kColumns; ++column) {
        const double point = xcurve::kReference[static_cast<size_t>(column)];
        target.has[static_cast<size_t>(column)] = point != xcurve::kNoPoint;
        target.db[static_cast<size_t>(column)] = point != xcurve::kNoPoint ? point + offsetDb : 0.0;
    }
    return target;
}

std::optional<Target> ParseTargetFile(std::string_view text, std::string& error) {
    const auto lines = acoustics::ResponseLines(text, error);
    if (!lines) {
        return std::nullopt;
    }
    Target target;
    int points = 0;
    for (const acoustics::ResponseLine& line : *lines) {
        auto fail = [&](const std::string& what) -> std::optional<Target> {
            error = "line " + std::to_string(line.number) + ": " + what;
            return std::nullopt;
        };
        if (line.fields.size() != 2) {
            return fail("expected a band centre in Hz and a level in dB");
        }
        const std::string& hzField = line.fields[0];
        const auto hz = acoustics::ResponseNumber(hzField);
        const auto column = hz ? ColumnOf(*hz) : std::nullopt;
        if (!column) {
            return fail("\"" + hzField +
                        "\" is not a third-octave band centre from 25 Hz to 20 kHz");
        }
        const auto db = acoustics::ResponseLevel(line.fields[1]);
        if (!db) {
            return fail(acoustics::kResponseLevelError);
        }
        const auto at = static_cast<size_t>(*column);
        if (target.has[at]) {
            return fail("the band " + std::string(ColumnLabel(*column)) + " Hz is given twice");
        }
        target.has[at] = true;
        target.db[at] = *db;
        ++points;
    }
    if (points == 0) {
        error = "the file has no target points";
        return std::nullopt;
    }
    return target;
}

std::optional<Target> ReadTargetFile(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": cannot be read";
        return std::nullopt;
    }
    std::string text(static_cast<size_t>(kMaxFileBytes) + 1, '\0');
    file.read(text.data(), kMaxFileBytes + 1);
    text.resize(static_cast<size_t>(file.gcount()));
    if (text.size() > static_cast<size_t>(kMaxFileBytes)) {
        error = path + ": larger than 64 KiB";
        return std::nullopt;
    }
    auto target = ParseTargetFile(text, error);
    if (!target) {
        error = path + ": " + error;
        return std::nullopt;
    }
    target->name = path;
    return target;
}

}  // namespace kvt::roomeq
