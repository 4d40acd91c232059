#include "Target.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "XCurveTable.h"

namespace kvt::roomeq {

namespace {

constexpr size_t kMaxLineLength = 256;
constexpr std::streamsize kMaxFileBytes = 64 * 1024;
constexpr double kLevelLimit = 60.0;

std::optional<double> Number(const std::string& field) {
    size_t used = 0;
    double value = 0.0;
    try {
        value = std::stod(field, &used);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    if (used != field.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

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
    Target target;
    std::istringstream lines{std::string(text)};
    std::string line;
    int number = 0;
    int points = 0;
    auto fail = [&](const std::string& what) -> std::optional<Target> {
        error = "line " + std::to_string(number) + ": " + what;
        return std::nullopt;
    };
    while (std::getline(lines, line)) {
        ++number;
        if (line.size() > kMaxLineLength) {
            return fail("longer than 256 characters");
        }
        if (const auto hash = line.find('#'); hash != std::string::npos) {
            line.erase(hash);
        }
        std::istringstream fields(line);
        std::string hzField;
        std::string dbField;
        std::string extra;
        if (!(fields >> hzField)) {
            continue;
        }
        if (!(fields >> dbField) || (fields >> extra)) {
            return fail("expected a band centre in Hz and a level in dB");
        }
        const auto hz = Number(hzField);
        const auto column = hz ? ColumnOf(*hz) : std::nullopt;
        if (!column) {
            return fail("\"" + hzField +
                        "\" is not a third-octave band centre from 25 Hz to 20 kHz");
        }
        const auto db = Number(dbField);
        if (!db || std::abs(*db) > kLevelLimit) {
            return fail("the level must be a number of dB from -60 to 60");
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
