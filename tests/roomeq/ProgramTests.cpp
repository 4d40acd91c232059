// kvt80-roomeq as a program: a demo room equalised end to end with its JSON report, the
// dry run, and the options it refuses.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "RunProgram.h"

namespace kvt::roomeq {
namespace {

std::string TempPath(const char* stem) {
    std::string path = std::string("/tmp/") + stem + "-XXXXXX";
    const int fd = ::mkstemp(path.data());
    if (fd >= 0) {
        ::close(fd);
    }
    return path;
}

nlohmann::json ReadJson(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return nlohmann::json::parse(text.str());
}

TEST(RoomEqProgram, EqualisesADemoRoomAndWritesTheReport) {
    const std::string room = TempPath("kvt80-room");
    const std::string report = TempPath("kvt80-report");
    std::ofstream(room) << "C level -6\nC 63 4\nC 250 -3\nC 1000 0\nC 12500 -8\n";
    const testing::ProgramResult run = testing::RunProgram(
        KVT80_ROOMEQ_PROGRAM,
        {"--demo", "--room", room, "--channels", "c", "--offset", "0", "--report", report},
        std::nullopt, std::chrono::minutes(2));
    EXPECT_EQ(run.exitStatus, 0) << run.out << run.errors;
    EXPECT_NE(run.out.find("C: round 1"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(" ok"), std::string::npos) << run.out;
    const nlohmann::json json = ReadJson(report);
    ::unlink(room.c_str());
    ::unlink(report.c_str());
    ASSERT_EQ(json["channels"].size(), 1u);
    const auto& centre = json["channels"][0];
    EXPECT_EQ(centre["channel"], "C");
    EXPECT_EQ(centre["band_centres_hz"].size(), 30u);
    EXPECT_EQ(centre["measured_before_db"].size(), 30u);
    EXPECT_EQ(centre["settings_written"]["bands"].size(), 27u);
    EXPECT_GE(centre["rounds"].get<int>(), 1);
    EXPECT_TRUE(centre["within_tolerance"].get<bool>());
    EXPECT_TRUE(json["all_within_tolerance"].get<bool>());
    // The quieter channel was brought up by its output gain to the level the offset sets.
    EXPECT_GT(centre["settings_written"]["output_gain_db"].get<double>(),
              centre["settings_before"]["output_gain_db"].get<double>() + 4.0);
}

TEST(RoomEqProgram, RefusesBadOptionsWithStatus2) {
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>>{
             {},
             {"--demo", "--port", "/dev/null"},
             {"--demo", "--channels", "L,X"},
             {"--demo", "--max-boost", "9"},
             {"--demo", "--max-cut", "-1"},
             {"--demo", "--offset", "abc"},
             {"--demo", "--target", "/nonexistent/target.txt"},
             {"--port", "/dev/null", "--room", "x"},
             {"--demo", "--bogus"},
         }) {
        const testing::ProgramResult run = testing::RunProgram(KVT80_ROOMEQ_PROGRAM, arguments);
        EXPECT_EQ(run.exitStatus, 2) << ::testing::PrintToString(arguments) << run.errors;
        EXPECT_FALSE(run.errors.empty());
    }
}

}  // namespace
}  // namespace kvt::roomeq
