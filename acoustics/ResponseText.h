// The text of a frequency response as room and target files write it: one point per line as
// whitespace-separated fields, '#' starting a comment, blank lines ignored, every line at most 256
// characters, levels in dB within +-60. The files' own readers decide what the fields mean.
#pragma once

#include <cmath>
#include <cstddef>
#include <exception>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace kvt::acoustics {

inline constexpr size_t kMaxResponseLineLength = 256;
inline constexpr double kResponseDbLimit = 60.0;

struct ResponseLine {
    int number = 0;  // from 1
    std::vector<std::string> fields;
};

// The lines that hold fields, comments removed. A line too long gives nothing and sets `error`
// to "line N: ...".
inline std::optional<std::vector<ResponseLine>> ResponseLines(std::string_view text,
                                                              std::string& error) {
    std::vector<ResponseLine> out;
    std::istringstream lines{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (line.size() > kMaxResponseLineLength) {
            error = "line " + std::to_string(number) + ": longer than 256 characters";
            return std::nullopt;
        }
        if (const auto hash = line.find('#'); hash != std::string::npos) {
            line.erase(hash);
        }
        std::istringstream fields(line);
        ResponseLine entry{number, {}};
        for (std::string field; fields >> field;) {
            entry.fields.push_back(field);
        }
        if (!entry.fields.empty()) {
            out.push_back(std::move(entry));
        }
    }
    return out;
}

// A whole field as a finite number, or nothing ("12dB", "nan" and "" are not numbers).
inline std::optional<double> ResponseNumber(const std::string& field) {
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

// A level field: a number of dB within +-60.
inline std::optional<double> ResponseLevel(const std::string& field) {
    const auto db = ResponseNumber(field);
    if (!db || std::abs(*db) > kResponseDbLimit) {
        return std::nullopt;
    }
    return db;
}

inline constexpr const char* kResponseLevelError =
    "the level must be a number of dB from -60 to 60";

}  // namespace kvt::acoustics
