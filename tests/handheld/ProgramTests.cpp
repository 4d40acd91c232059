// The real KVTExecCE program: its command line without a display, and the smoke test: the demo
// visit of every panel on a 240 x 320 virtual display, with its pictures.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "RunProgram.h"
#include "TestSupport.h"

namespace kvt::handheld {
namespace {

using testing::RunProgram;

TEST(Program, HelpAndAWrongOptionWithoutADisplay) {
    const auto help = RunProgram(
        "/usr/bin/env", {"-u", "DISPLAY", "-u", "QT_QPA_PLATFORM", KVTEXECCE_PROGRAM, "--help"});
    EXPECT_EQ(help.exitStatus, 0);
    EXPECT_NE(help.out.find("KVTExecCE [--demo]"), std::string::npos) << help.out;
    const auto wrong = RunProgram(
        "/usr/bin/env", {"-u", "DISPLAY", "-u", "QT_QPA_PLATFORM", KVTEXECCE_PROGRAM, "--bogus"});
    EXPECT_EQ(wrong.exitStatus, 2);
    EXPECT_NE(wrong.errors.find("unknown option '--bogus'"), std::string::npos) << wrong.errors;
    EXPECT_EQ(RunProgram(KVTEXECCE_PROGRAM, {"/regserver"}).exitStatus, 0);
}

TEST(Program, DemoVisitOfEveryPanelAtTheHandheldSize) {
    if (!std::filesystem::exists("/usr/bin/xvfb-run")) {
        GTEST_SKIP() << "xvfb-run is not installed";
    }
    testing::ScopedConfigHome config;
    const std::filesystem::path pictures =
        std::filesystem::path(KVTEXECCE_PROGRAM).parent_path() / "screenshots";
    std::filesystem::remove_all(pictures);
    const auto result = RunProgram(
        "/usr/bin/env",
        {"-u", "QT_QPA_PLATFORM", "/usr/bin/xvfb-run", "-a", "-s", "-screen 0 240x320x24",
         KVTEXECCE_PROGRAM, "--demo", "--screenshots", pictures.string()},
        std::nullopt, std::chrono::minutes(2));
    ASSERT_EQ(result.exitStatus, 0) << result.errors;
    // Every panel, the formats with controls of their own, and every dialog of the menus (the
    // tour fails when one needs more room than the screen has).
    for (const char* name :
         {"kvtexecce-profile", "kvtexecce-optical", "kvtexecce-matrix", "kvtexecce-equalizer",
          "kvtexecce-equalizer-sub", "kvtexecce-format-setup", "kvtexecce-format-setup-ext2",
          "kvtexecce-format-setup-mic", "kvtexecce-outputs", "kvtexecce-about",
          "kvtexecce-comm-settings", "kvtexecce-copy-eq", "kvtexecce-open", "kvtexecce-headroom",
          "kvtexecce-input-configuration", "kvtexecce-digital-delays"}) {
        const auto file = pictures / (std::string(name) + ".png");
        ASSERT_TRUE(std::filesystem::exists(file)) << file;
        const QImage picture(QString::fromStdString(file.string()));
        EXPECT_EQ(picture.size(), QSize(240, 320)) << file;
    }
}

}  // namespace
}  // namespace kvt::handheld
