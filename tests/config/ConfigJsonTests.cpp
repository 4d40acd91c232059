// The JSON form of a configuration: a configuration file survives the trip through its JSON form
// byte for byte, and the import takes nothing it cannot write back exactly.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <random>

#include "ConfigJson.h"
#include "SourceTree.h"
#include "files/ConfigFile.h"

namespace {

using namespace kvt;
using namespace kvt::config;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// The file the engine writes for an image, after the trip through the JSON text.
std::vector<uint8_t> ThroughJson(const ParameterImage& image) {
    const ImportResult imported = FromJsonText(JsonText(ToJson(image)));
    EXPECT_EQ(imported.error, "");
    return imported.image ? EncodeConfiguration(*imported.image) : std::vector<uint8_t>{};
}

void ExpectLossless(const ParameterImage& image) {
    EXPECT_EQ(ThroughJson(image), EncodeConfiguration(image));
}

// Renames a record field the way the engine does: the new text over the old one.
void Rename(FormatRecord& record, RecordText field, std::string_view text) {
    ASSERT_TRUE(record.SetText(field, text));
}

TEST(ConfigJsonRoundTrip, FactoryImage) {
    ExpectLossless(FactoryImage());
}

TEST(ConfigJsonRoundTrip, EveryParameterAtBothEndsOfItsRange) {
    for (const bool top : {false, true}) {
        ParameterImage image = FactoryImage();
        for (const ParameterRow& row : AddressMap()) {
            for (size_t i = 0; i < ValueCount(row.index); ++i) {
                image.values[FirstSlot(row.param) + i] = top ? row.max : row.min;
            }
        }
        image.mute.fill(top);
        image.invert.fill(!top);
        image.formats.powerOnFormat = top ? kNoPowerOnFormat : 0;
        image.formats.formatCount = top ? kFormats : 0;
        image.formats.buttonFormat.fill(top ? kFormats - 1 : 0);
        ExpectLossless(image);
    }
}

TEST(ConfigJsonRoundTrip, DoublesKeepEveryBit) {
    ParameterImage image = FactoryImage();
    image.Set(Param::EQBand, {3, 7}, 0.1 + 0.2);
    image.Set(Param::EQBand, {3, 8}, -0.0);
    image.Set(Param::EQBand, {3, 9}, std::nextafter(6.0, 0.0));
    image.Set(Param::SlitEQ, {1, 0}, std::nextafter(10.0, 11.0));
    image.Set(Param::SubParametricQ, {}, 0.5 + std::numeric_limits<double>::epsilon());
    image.Set(Param::LeftInputGain, {0, 0}, -23.9);
    image.Set(Param::MonoEQ, {}, 1.0 / 3.0 * 10.0);
    ExpectLossless(image);
}

TEST(ConfigJsonRoundTrip, FormatRecordsWithRenamedTextsAndOddBytes) {
    ParameterImage image = FactoryImage();
    FormatRecord& renamed = image.formats.records[7];
    Rename(renamed, kFormatText1, "Dolby Stereo");
    Rename(renamed, kFormatText1, "SR-D");          // "y Stereo" stays behind the terminator
    Rename(renamed, kFormatText2, "Caf\xE9 \x80");  // Windows-1252: é and the euro sign
    FormatRecord& odd = image.formats.records[9];
    odd.bytes[kFormatCode.offset] = 0x81;  // undefined in Windows-1252
    odd.bytes[kFormatCode.offset + 1] = 0;
    odd.bytes[kFormatCode.offset + 2] = 'Z';
    odd.SetFlags(0xFFFF);
    odd.bytes[kReservedOffset] = 0xFF;
    odd.bytes[kLevelOffset] = 255;
    odd.bytes[kSpareOffset] = 0xA5;
    FormatRecord& full = image.formats.records[10];
    full.bytes.fill('x');  // no terminator in any text field
    ExpectLossless(image);

    const Json json = ToJson(image);
    const Json& record = json["formats"]["table"][7];
    EXPECT_EQ(record["FormatTxt1"], "SR-D");
    EXPECT_EQ(record["FormatTxt2"], "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_TRUE(record.contains("FormatTxt1Bytes"));
    EXPECT_FALSE(record.contains("FormatTxt2Bytes"));
    EXPECT_EQ(json["formats"]["table"][9]["FormatFlag15"], true);
    EXPECT_EQ(json["formats"]["table"][9]["FormatNR"], 3);
}

TEST(ConfigJsonRoundTrip, ProfileTextsWithWhatFollowsTheTerminator) {
    ParameterImage image = FactoryImage();
    Profile& profile = image.profile;
    ASSERT_TRUE(profile.SetText(ProfileField::TheaterName, u"Kino Zürich — Saal 3 \U0001F3AC"));
    ASSERT_TRUE(profile.SetText(ProfileField::ProjectName, u"Short"));  // over the factory text
    profile.fields[static_cast<size_t>(ProfileField::Comments)][0] = 0xD800;    // lone surrogate
    profile.fields[static_cast<size_t>(ProfileField::ScreenNumber)] = u"12AB";  // no terminator
    ExpectLossless(image);

    const Json json = ToJson(image);
    EXPECT_EQ(json["profile"]["TheaterName"], "Kino Zürich — Saal 3 \U0001F3AC");
    EXPECT_FALSE(json["profile"].contains("TheaterNameBytes"));
    EXPECT_TRUE(json["profile"].contains("ProjectNameBytes"));
}

// Images as a fuzzer makes them: every byte of the records and profile, any value in range.
TEST(ConfigJsonRoundTrip, RandomImages) {
    std::mt19937_64 random(2026);
    for (int round = 0; round < 200; ++round) {
        ParameterImage image = FactoryImage();
        for (const ParameterRow& row : AddressMap()) {
            std::uniform_real_distribution<double> value(row.min, row.max);
            for (size_t i = 0; i < ValueCount(row.index); ++i) {
                image.values[FirstSlot(row.param) + i] = value(random);
            }
        }
        for (FormatRecord& record : image.formats.records) {
            for (uint8_t& byte : record.bytes) {
                byte = static_cast<uint8_t>(random() % (round % 2 == 0 ? 256 : 4));
            }
        }
        for (std::u16string& units : image.profile.fields) {
            for (char16_t& unit : units) {
                unit = static_cast<char16_t>(random() % (round % 3 == 0 ? 0x10000 : 0x80));
            }
        }
        // Whole values as the file keeps them.
        const std::vector<uint8_t> file = EncodeConfiguration(image);
        ParameterImage read = FactoryImage();
        ASSERT_TRUE(DecodeConfiguration(file, read));
        ASSERT_EQ(ThroughJson(read), file) << "round " << round;
    }
}

TEST(ConfigJsonRoundTrip, FuzzerSeedFiles) {
    const auto folder = kvt::testing::SourceTree() / "fuzz" / "seeds" / "fuzz_config_file";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
        ParameterImage image = FactoryImage();
        ASSERT_TRUE(DecodeConfiguration(bytes, image)) << entry.path();
        ExpectLossless(image);
        ++files;
    }
    EXPECT_GE(files, 3);
}

// ---- Import ----------------------------------------------------------------------------------

Json FactoryJson() {
    return ToJson(FactoryImage());
}

Json& Row(Json& json, std::string_view member, int index = -1) {
    for (Json& row : json["parameters"]) {
        if (row["member"] == member && (index < 0 || row["index"] == index)) {
            return row;
        }
    }
    throw std::runtime_error("no such row");
}

std::string ImportError(const Json& json) {
    const ImportResult result = FromJson(json);
    EXPECT_FALSE(result.image.has_value());
    return result.error;
}

TEST(ConfigJsonImport, TakesAnEditedValue) {
    Json json = FactoryJson();
    Row(json, "OutputGain", 4)["value"] = -3.5;
    json["profile"]["TheaterName"] = "Odeon";
    json["formats"]["table"][3]["FormatTxt1"] = "Dolby SR-D";
    const ImportResult result = FromJson(json);
    ASSERT_TRUE(result.image) << result.error;
    EXPECT_EQ(result.image->Get(Param::OutputGain, {4, 0}), -3.5);
    EXPECT_EQ(result.image->profile.Text(ProfileField::TheaterName), u"Odeon");
    EXPECT_EQ(result.image->formats.records[3].Text(kFormatText1), "Dolby SR-D");
}

TEST(ConfigJsonImport, RejectsTextThatIsNotJson) {
    EXPECT_THAT(FromJsonText("{\"kind\": ").error, StartsWith("not valid JSON"));
    EXPECT_THAT(FromJsonText("").error, StartsWith("not valid JSON"));
    EXPECT_THAT(FromJsonText("[1, 2]").error, StartsWith("the configuration: must be an object"));
    EXPECT_THAT(FromJsonText("{\"kind\": \"x\"}").error, StartsWith("kind:"));
}

TEST(ConfigJsonImport, RejectsUnknownFieldsByName) {
    Json top = FactoryJson();
    top["Colour"] = "red";
    EXPECT_EQ(ImportError(top), "Colour: is not a field of a configuration");

    Json member = FactoryJson();
    Row(member, "Delay")["member"] = "Dealy";
    EXPECT_THAT(ImportError(member), HasSubstr("(Dealy): is not a field of a configuration"));

    Json rowKey = FactoryJson();
    Row(rowKey, "Bass", 2)["unit"] = "dB";
    EXPECT_THAT(ImportError(rowKey), HasSubstr(".unit: is not a field of a configuration"));

    Json record = FactoryJson();
    record["formats"]["table"][5]["FormatColour"] = 1;
    EXPECT_EQ(ImportError(record),
              "formats.table[5].FormatColour: is not a field of a configuration");

    Json profile = FactoryJson();
    profile["profile"]["SerialNumber"] = "1234";
    EXPECT_EQ(ImportError(profile), "profile.SerialNumber: is not a field of a configuration");
}

TEST(ConfigJsonImport, RejectsValuesOutOfRangeByName) {
    const auto error = [](const std::function<void(Json&)>& edit) {
        Json json = FactoryJson();
        edit(json);
        return ImportError(json);
    };
    EXPECT_EQ(error([](Json& j) { Row(j, "EQBand")["value"] = 6.5; }),
              "EQBand[0][0]: 6.5 is outside -6.0..6.0");
    EXPECT_EQ(error([](Json& j) { Row(j, "Delay")["value"] = 221; }),
              "Delay: 221 is outside 10..220");
    EXPECT_EQ(error([](Json& j) { Row(j, "Delay")["value"] = 20.5; }),
              "Delay: 20.5 is not a whole number");
    EXPECT_EQ(error([](Json& j) { Row(j, "Mute", 3)["value"] = 1; }),
              "Mute[3]: must be true or false");
    EXPECT_EQ(error([](Json& j) { Row(j, "MonoEQ")["value"] = "10"; }), "MonoEQ: must be a number");
    EXPECT_EQ(error([](Json& j) { j["formats"]["PowerOnFormat"] = 16; }),
              "PowerOnFormat: 16 is neither a format 0..15 nor 128");
    EXPECT_EQ(error([](Json& j) { j["formats"]["ButtonFormat"][2] = -1; }),
              "ButtonFormat[2]: -1 is outside 0..15");
    EXPECT_EQ(error([](Json& j) { j["formats"]["table"][1]["FormatLevel"] = 256; }),
              "FormatLevel[1]: 256 is outside 0..255");
    EXPECT_EQ(error([](Json& j) { j["formats"]["table"][1]["FormatCode"] = "ABC"; }),
              "FormatCode[1]: the text is longer than 2 characters");
    EXPECT_EQ(error([](Json& j) { j["formats"]["table"][1]["FormatTxt1"] = "\xE4\xB8\xAD"; }),
              "FormatTxt1[1]: a character has no Windows-1252 form");
    EXPECT_EQ(error([](Json& j) { j["profile"]["ScreenNumber"] = "1234"; }),
              "ScreenNumber: the text is longer than 3 characters");
    EXPECT_EQ(error([](Json& j) { Row(j, "Bass", 1)["index"] = 8; }),
              "parameters[12] (Bass): the index must be a channel 0..7");
}

TEST(ConfigJsonImport, RejectsMissingAndRepeatedFields) {
    Json missing = FactoryJson();
    Json& rows = missing["parameters"];
    rows.erase(rows.begin() + 10);  // NonSyncGain
    EXPECT_EQ(ImportError(missing), "NonSyncGain: is missing");

    Json twice = FactoryJson();
    twice["parameters"].push_back(Row(twice, "Treble", 6));
    EXPECT_EQ(ImportError(twice), "Treble[6]: appears twice");

    Json noProfile = FactoryJson();
    noProfile["profile"].erase("Comments");
    EXPECT_EQ(ImportError(noProfile), "profile.Comments: is missing");
}

// ---- Differences -----------------------------------------------------------------------------

TEST(ConfigJsonDifferences, NameEachChangedFieldWithBothValues) {
    const ParameterImage before = FactoryImage();
    ParameterImage after = before;
    EXPECT_TRUE(Differences(before, after).empty());
    after.Set(Param::EQBand, {1, 14}, -3.0);
    after.Set(Param::Delay, {}, 42);
    after.mute[5] = true;
    after.formats.records[2].SetFlag(format_flag::Matrix, true);
    ASSERT_TRUE(after.profile.SetText(ProfileField::TheaterName, u"Odeon"));
    const auto differences = Differences(before, after);
    std::vector<std::string> lines;
    for (const FieldDifference& d : differences) {
        lines.push_back(d.name + " " + d.first.dump() + " " + d.second.dump());
    }
    EXPECT_THAT(
        lines, ::testing::ElementsAre("Delay 20 42", "EQBand[1][14] 0.0 -3.0", "Mute[5] false true",
                                      "FormatMatrix[2] false true", "TheaterName \"\" \"Odeon\""));
}

TEST(ConfigJsonDifferences, FieldsPresentOnOneSideOnly) {
    const ParameterImage before = FactoryImage();
    ParameterImage after = before;
    after.formats.records[4].bytes[kReservedOffset] = 0x80;
    const auto differences = Differences(before, after);
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].name, "FormatReservedBits[4]");
    EXPECT_TRUE(differences[0].first.is_null());
    EXPECT_EQ(differences[0].second, 128);
}

}  // namespace
