// kvt80-config as a user runs it: the built program, the real engine and the simulated unit over
// a pseudo-terminal, changed with kvt80ctl in between.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ConfigJson.h"
#include "RunProgram.h"
#include "SimulatedUnit.h"
#include "SourceTree.h"
#include "TestSupport.h"

namespace {

using kvt::config::Json;
using kvt::testing::ProgramResult;
using kvt::testing::RunProgram;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteAll(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ConfigProgram : public ::testing::Test {
  protected:
    void SetUp() override { port_ = unit_.StartPty(); }

    ProgramResult Config(std::vector<std::string> arguments) {
        return RunProgram(KVT80_CONFIG_PATH, std::move(arguments));
    }
    // kvt80ctl statements against the simulated unit, after connecting and reading it.
    void Ctl(const std::vector<std::string>& statements) {
        std::vector<std::string> arguments{"--port", port_, "-e", "Connect", "-e", "QueryKVT"};
        for (const std::string& statement : statements) {
            arguments.insert(arguments.end(), {"-e", statement});
        }
        const ProgramResult result = RunProgram(KVT80CTL_PATH, arguments);
        ASSERT_EQ(result.exitStatus, 0) << result.out << result.errors;
    }
    // The simulated unit's configuration as the engine saves it.
    std::filesystem::path SaveUnit(const std::string& name) {
        const std::filesystem::path file = Folder() / name;
        Ctl({"Save(\"" + file.string() + "\", false)"});
        return file;
    }
    std::filesystem::path Folder() const { return home_.Path(); }
    std::string Unit() const { return "unit:" + port_; }

    kvt::testing::ScopedConfigHome home_;  // the engine's settings and the test's files
    kvt::sim::SimulatedUnit unit_;
    std::string port_;
};

TEST_F(ConfigProgram, ExportAndImportGiveTheUnitsFileBack) {
    const auto saved = SaveUnit("unit.kvt");
    const auto json = Folder() / "unit.json";
    const auto again = Folder() / "again.kvt";

    const ProgramResult exported = Config({"export", saved.string(), "-o", json.string()});
    ASSERT_EQ(exported.exitStatus, 0) << exported.errors;
    EXPECT_THAT(exported.errors, IsEmpty());
    const ProgramResult imported = Config({"import", json.string(), "-o", again.string()});
    ASSERT_EQ(imported.exitStatus, 0) << imported.errors;
    EXPECT_EQ(ReadAll(again), ReadAll(saved));

    const ProgramResult toStdout = Config({"export", saved.string()});
    EXPECT_EQ(toStdout.out, ReadAll(json));
    EXPECT_THAT(toStdout.out, HasSubstr("{\"member\":\"EQBand\",\"index\":[1,14],\"value\":"));
}

TEST_F(ConfigProgram, ImportRefusesBadInputAndWritesNothing) {
    const auto saved = SaveUnit("unit.kvt");
    const std::string json = Config({"export", saved.string()}).out;
    const auto input = Folder() / "edited.json";
    const auto output = Folder() / "out.kvt";
    const auto kept = Folder() / "kept.kvt";
    WriteAll(kept, "an older file");

    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases{
        {"{\"kind\": \"kvt80-configuration\",", "not valid JSON"},
        {json.substr(0, json.rfind('}')) + ", \"Owner\": \"me\"}",
         "Owner: is not a field of a configuration"},
        {[&] {
             Json edited = Json::parse(json);
             edited["parameters"][100]["value"] = 9;
             return edited.dump();
         }(),
         "EQBand[2][19]: 9 is outside -6.0..6.0"},
    };
    for (const Case& bad : cases) {
        WriteAll(input, bad.text);
        for (const auto& target : {output, kept}) {
            const ProgramResult result = Config({"import", input.string(), "-o", target.string()});
            EXPECT_EQ(result.exitStatus, 2);
            EXPECT_THAT(result.errors, HasSubstr(bad.message));
        }
        EXPECT_FALSE(std::filesystem::exists(output)) << bad.message;
        EXPECT_EQ(ReadAll(kept), "an older file");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()),
                            std::filesystem::directory_iterator()),
              4)  // the settings folder, unit.kvt, edited.json, kept.kvt: no temporary left
        << "files left behind";
}

// The engine does not load a value outside its range from a file (the image keeps its own); the
// export says which field that was instead of passing the substitute off as the file's value.
TEST_F(ConfigProgram, ExportNamesFieldsTheFileCannotGive) {
    const auto saved = SaveUnit("unit.kvt");
    std::string bytes = ReadAll(saved);
    const double tooHigh = 50.0;
    constexpr size_t kEqBandOffset = 138 + (27 * 2 + 5) * 8;  // EQBand(2, 5)
    std::memcpy(bytes.data() + kEqBandOffset, &tooHigh, sizeof tooHigh);
    const auto patched = Folder() / "patched.kvt";
    WriteAll(patched, bytes);

    const ProgramResult exported = Config({"export", patched.string()});
    EXPECT_EQ(exported.exitStatus, 0);
    EXPECT_THAT(exported.errors, HasSubstr("EQBand[2][5] is not taken from the file"));
    EXPECT_THAT(exported.out, HasSubstr("{\"member\":\"EQBand\",\"index\":[2,5],\"value\":0.0}"));

    const ProgramResult older = Config(
        {"export",
         (kvt::testing::SourceTree() / "fuzz/seeds/fuzz_config_file/changed-v0.kvt").string()});
    EXPECT_EQ(older.exitStatus, 0);
    EXPECT_THAT(older.errors, HasSubstr("an older or shorter configuration file (version 0)"));
}

TEST_F(ConfigProgram, DiffOfFilesAndJson) {
    const auto saved = SaveUnit("unit.kvt");
    const auto json = Folder() / "unit.json";
    ASSERT_EQ(Config({"export", saved.string(), "-o", json.string()}).exitStatus, 0);

    const ProgramResult same = Config({"diff", saved.string(), json.string()});
    EXPECT_EQ(same.exitStatus, 0);
    EXPECT_THAT(same.out, IsEmpty());

    Json edited = Json::parse(ReadAll(json));
    for (Json& row : edited["parameters"]) {
        if (row["member"] == "Delay") {
            row["value"] = 42;
        }
    }
    edited["profile"]["TheaterName"] = "Odeon";
    const auto changed = Folder() / "changed.json";
    WriteAll(changed, edited.dump());

    const ProgramResult text = Config({"diff", saved.string(), changed.string()});
    EXPECT_EQ(text.exitStatus, 1);
    const Json before = Json::parse(ReadAll(json));
    EXPECT_THAT(text.out,
                HasSubstr("Delay: " + before["parameters"][7]["value"].dump() + " -> 42\n"));
    EXPECT_THAT(text.out, HasSubstr("TheaterName: "));
    EXPECT_THAT(text.out, HasSubstr(" -> \"Odeon\"\n"));

    const ProgramResult listed = Config({"diff", "--json", saved.string(), changed.string()});
    EXPECT_EQ(listed.exitStatus, 1);
    const Json list = Json::parse(listed.out);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]["field"], "Delay");
    EXPECT_EQ(list[0]["b"], 42);
    EXPECT_EQ(list[1]["field"], "TheaterName");
    EXPECT_EQ(list[1]["b"], "Odeon");

    EXPECT_EQ(Config({"diff", saved.string(), (Folder() / "none.kvt").string()}).exitStatus, 2);
    EXPECT_EQ(Config({"diff", saved.string()}).exitStatus, 2);
    EXPECT_EQ(Config({"frobnicate"}).exitStatus, 2);
}

TEST_F(ConfigProgram, DiffAgainstTheUnitAfterAChangeWithKvt80ctl) {
    const auto before = SaveUnit("before.kvt");
    const ProgramResult unchanged = Config({"diff", before.string(), Unit()});
    EXPECT_EQ(unchanged.exitStatus, 0) << unchanged.out << unchanged.errors;

    // The worker sends the writes within a pass; the pause keeps the link open until it has.
    Ctl({"UpdateInputs = false", "Delay = 42", "EQBand(1, 14) = -3.0", "sleep 1500"});
    ASSERT_EQ(unit_.Memory(3, 8), 42u * -144u & 0xFFFFFFu) << "the delay did not reach the unit";

    const ProgramResult changed = Config({"diff", before.string(), Unit()});
    EXPECT_EQ(changed.exitStatus, 1) << changed.errors;
    EXPECT_THAT(changed.out, HasSubstr("Delay: "));
    EXPECT_THAT(changed.out, HasSubstr(" -> 42\n"));
    EXPECT_THAT(changed.out, HasSubstr("EQBand[1][14]: "));
    EXPECT_THAT(changed.out, HasSubstr(" -> -3.0\n"));

    EXPECT_EQ(Config({"diff", before.string(), "unit:/dev/no-such-port"}).exitStatus, 2);
}

}  // namespace
