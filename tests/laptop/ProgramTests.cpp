// KVTExec as a technician starts it: the built program, its command line, and a whole visit in
// demo mode under a virtual display (connect, the Profile page, disconnect with a store, close),
// with a picture of each window left in the build folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "RunProgram.h"
#include "TestSupport.h"

namespace kvt::laptop {
namespace {

using testing::RunProgram;

// The whole demo visit of the real program on a virtual display, its pictures saved in `pictures`.
testing::ProgramResult RunDemoTour(const std::filesystem::path& pictures) {
    return RunProgram(
        "/usr/bin/env",
        {"-u", "QT_QPA_PLATFORM", "/usr/bin/xvfb-run", "-a", "-s", "-screen 0 1280x800x24",
         KVTEXEC_PROGRAM, "--demo", "--screenshots", pictures.string()},
        std::nullopt, std::chrono::minutes(2));
}

TEST(Program, HelpPrintsTheUsageWithoutADisplay) {
    const auto result = RunProgram(
        "/usr/bin/env", {"-u", "DISPLAY", "-u", "QT_QPA_PLATFORM", KVTEXEC_PROGRAM, "--help"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_NE(result.out.find("KVTExec [--demo] [--port PORT] [--lang CODE]"), std::string::npos);
}

TEST(Program, RegserverEndsAtOnceWithoutADisplay) {
    // No display and no platform: the program must not even try to open a window.
    const auto result =
        RunProgram("/usr/bin/env", {"-u", "DISPLAY", "-u", "QT_QPA_PLATFORM",
                                    "QT_QPA_PLATFORM=none", KVTEXEC_PROGRAM, "/unregserverx"});
    EXPECT_EQ(result.exitStatus, 0) << result.errors;
}

TEST(Program, UnknownOptionIsAUsageError) {
    const auto result = RunProgram(KVTEXEC_PROGRAM, {"--bogus"});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_NE(result.errors.find("unknown option '--bogus'"), std::string::npos);
}

TEST(Program, HelpDocumentsAreBuiltBesideTheProgram) {
    const std::filesystem::path folder = std::filesystem::path(KVTEXEC_PROGRAM).parent_path();
    std::ifstream manual(folder / "KVT-80 Manual.pdf", std::ios::binary);
    ASSERT_TRUE(manual.is_open());
    std::string start(5, '\0');
    manual.read(start.data(), 5);
    EXPECT_EQ(start, "%PDF-");
    // The pictures of the windows are in it, not only the text.
    EXPECT_GT(std::filesystem::file_size(folder / "KVT-80 Manual.pdf"), 100000u);

    std::ifstream checklist(folder / "KVT80Checklist.htm");
    const std::string page((std::istreambuf_iterator<char>(checklist)),
                           std::istreambuf_iterator<char>());
    EXPECT_NE(page.find("<html"), std::string::npos);
    EXPECT_NE(page.find("KVT-80 Installation Checklist"), std::string::npos);
}

TEST(Program, DemoVisitUnderAVirtualDisplay) {
    if (!std::filesystem::exists("/usr/bin/xvfb-run")) {
        GTEST_SKIP() << "xvfb-run is not installed";
    }
    testing::ScopedConfigHome config;
    const std::filesystem::path pictures =
        std::filesystem::path(KVTEXEC_PROGRAM).parent_path() / "screenshots";
    std::filesystem::remove_all(pictures);
    const auto result = RunDemoTour(pictures);
    ASSERT_EQ(result.exitStatus, 0) << result.errors;
    for (const char* name : {"splash", "main-connected", "disconnect-prompt", "progress-dialog",
                             "about", "main-disconnected", "communication-settings", "download"}) {
        const auto file = pictures / (std::string(name) + ".png");
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        EXPECT_GT(std::filesystem::file_size(file), 2000u) << file;
    }
    // The language code was read and written back unchanged: English by default.
    std::ifstream language(config.Path() / "Rodmere" / "kvtlang.ini");
    std::string text((std::istreambuf_iterator<char>(language)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("ID=9"), std::string::npos) << text;
}

TEST(Program, UnknownLanguageCodeIsWrittenBackUnchanged) {
    testing::ScopedConfigHome config;
    std::filesystem::create_directories(config.Path() / "Rodmere");
    {
        std::ofstream language(config.Path() / "Rodmere" / "kvtlang.ini");
        language << "[Language]\nID=3\n";
    }
    if (!std::filesystem::exists("/usr/bin/xvfb-run")) {
        GTEST_SKIP() << "xvfb-run is not installed";
    }
    const std::filesystem::path pictures =
        std::filesystem::path(KVTEXEC_PROGRAM).parent_path() / "screenshots-language";
    const auto result = RunDemoTour(pictures);
    ASSERT_EQ(result.exitStatus, 0) << result.errors;
    std::ifstream language(config.Path() / "Rodmere" / "kvtlang.ini");
    std::string text((std::istreambuf_iterator<char>(language)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("ID=3"), std::string::npos) << text;
}

}  // namespace
}  // namespace kvt::laptop
