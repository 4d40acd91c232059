// Configurations as text: the JSON form of a configuration file.
//
// Every field a configuration file keeps appears under the engine's member name with its index
// and its value in engineering units: the numeric parameters and the channel flags as a list of
// {"member", "index", "value"} rows, the format table with each record's texts, flags, level and
// output mask by member name, and the profile texts. Reading the JSON back gives an image whose
// file has the same bytes as the file the JSON came from: wherever a record or profile field holds
// more than its text shows (bytes after the terminator, characters without a text form), the
// field's bytes travel beside the text (the "...Bytes" members).
#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image/ParameterImage.h"

namespace kvt::config {

using Json = nlohmann::ordered_json;

constexpr std::string_view kJsonKind = "kvt80-configuration";
constexpr int kJsonVersion = 1;

// The JSON form of what a configuration file keeps of the image.
Json ToJson(const ParameterImage& image);

// The JSON form as text: one line per parameter row and per format record, so that a version
// control system's line diff shows one changed field per line.
std::string JsonText(const Json& json);

// Reading the JSON form: the image, or an error naming the field (and nothing else).
struct ImportResult {
    std::optional<ParameterImage> image;
    std::string error;
};
// Every field must be present exactly once, known and within the range the engine accepts.
ImportResult FromJson(const Json& json);
// The same from text; text that is not JSON is an error with the parser's position.
ImportResult FromJsonText(std::string_view text);

// One field of a configuration by its name ("EQBand[2][14]", "FormatCode[3]", "TheaterName") and
// its value, in file order.
struct Field {
    std::string name;
    Json value;
};
std::vector<Field> Fields(const ParameterImage& image);

// The fields whose values differ, with both values.
struct FieldDifference {
    std::string name;
    Json first;
    Json second;
};
std::vector<FieldDifference> Differences(const ParameterImage& first, const ParameterImage& second);

}  // namespace kvt::config
