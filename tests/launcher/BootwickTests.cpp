// Bootwick on a scratch install disk: a copy of the built launcher in a folder whose names hold
// blanks, beside an En/autorun.exe the test writes. The launcher does not wait for what it starts,
// so the programs it starts leave marker files, and the tests wait for those.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto kGenerousTimeout = 10s;
constexpr auto kPollInterval = 10ms;
constexpr std::string_view kMarkerEnd = "end\n";

struct LauncherRun {
    int status = -1;  // exit status; -1 when it did not exit on its own in time
    std::chrono::steady_clock::duration took{};
    std::string output;  // standard output and standard error together
};

std::string ReadFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text, bool executable) {
    std::ofstream(path, std::ios::binary) << text;
    fs::permissions(
        path, executable ? fs::perms::owner_all : fs::perms::owner_read | fs::perms::owner_write);
}

// A shell command that writes its words into `marker`, each on a line of its own, and "end"
// last, so a reader knows the marker is complete. Paths go in single quotes: they hold blanks.
std::string WriteMarker(const fs::path& marker, const std::string& words) {
    return "printf '%s\\n' " + words + " end > '" + marker.string() + "'\n";
}

std::string Script(const std::string& body) {
    return "#!/bin/sh\n" + body;
}

// The marker's lines without the closing "end", once it is complete; none within the timeout.
std::optional<std::string> WaitForMarker(const fs::path& marker) {
    const auto deadline = std::chrono::steady_clock::now() + kGenerousTimeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const std::string text = fs::exists(marker) ? ReadFile(marker) : std::string{};
        if (text.ends_with(kMarkerEnd)) {
            return text.substr(0, text.size() - kMarkerEnd.size());
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return std::nullopt;
}

// An argument or environment list as exec takes it: pointers into `texts`, then a null.
std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    pointers.reserve(texts.size() + 1);
    for (auto& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

class Bootwick : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kvt80 launcher XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = fs::canonical(pattern);
        disk_ = root_ / "Install Disk";
        launcher_ = disk_ / "Bootwick";
        installer_ = disk_ / "En" / "autorun.exe";
        tools_ = root_ / "fake tools";
        installerMarker_ = root_ / "installer ran";
        openerMarker_ = root_ / "xdg-open ran";
        fs::create_directories(disk_ / "En");
        fs::create_directories(tools_);
        fs::copy_file(BOOTWICK_PROGRAM, launcher_);
        fs::permissions(launcher_, fs::perms::owner_all);
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    // The environment with PATH replaced, for a fake xdg-open.
    static std::vector<std::string> EnvironmentWithPath(const std::string& path) {
        std::vector<std::string> environment{"PATH=" + path};
        for (char** variable = environ; *variable != nullptr; ++variable) {
            if (!std::string_view(*variable).starts_with("PATH=")) {
                environment.emplace_back(*variable);
            }
        }
        return environment;
    }

    // Starts the launcher copy with arguments it must ignore and waits for it to exit.
    LauncherRun RunLauncher(std::optional<std::vector<std::string>> environment = std::nullopt) {
        std::vector<std::string> arguments{launcher_.string(), "--install", "two words", "*"};
        std::vector<char*> argv = Pointers(arguments);
        std::vector<char*> envp = environment ? Pointers(*environment) : std::vector<char*>{};

        const std::string outputPath = (root_ / "launcher output").string();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);

        LauncherRun run;
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        const int error = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(),
                                      environment ? envp.data() : environ);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0) {
            ADD_FAILURE() << "cannot start " << argv[0] << ": " << std::strerror(error);
            return run;
        }
        run.status = WaitForExit(child);
        run.took = std::chrono::steady_clock::now() - start;
        run.output = ReadFile(outputPath);
        return run;
    }

    // The child's exit status; a child still running after the timeout is killed and gives -1.
    static int WaitForExit(pid_t child) {
        const auto deadline = std::chrono::steady_clock::now() + kGenerousTimeout;
        int status = 0;
        while (::waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                return -1;
            }
            std::this_thread::sleep_for(kPollInterval);
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // A fake xdg-open, first in PATH, that records how it was called.
    std::vector<std::string> FakeOpenerEnvironment() {
        WriteFile(tools_ / "xdg-open", Script(WriteMarker(openerMarker_, "\"$#\" \"$1\"")), true);
        return EnvironmentWithPath(tools_.string() + ":/usr/bin:/bin");
    }

    fs::path root_;             // the scratch folder, removed afterwards
    fs::path disk_;             // the install disk's top folder
    fs::path launcher_;         // the launcher copy on the disk
    fs::path installer_;        // En/autorun.exe on the disk
    fs::path tools_;            // where a fake xdg-open goes
    fs::path installerMarker_;  // written by the installer scripts
    fs::path openerMarker_;     // written by the fake xdg-open
};

TEST_F(Bootwick, StartsTheInstallerByItsFullPathWithoutArgumentsAndSaysNothing) {
    WriteFile(installer_, Script(WriteMarker(installerMarker_, "\"$0\" \"$#\"")), true);
    const LauncherRun run = RunLauncher();
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(WaitForMarker(installerMarker_), installer_.string() + "\n0\n");
}

TEST_F(Bootwick, ExitsWithoutWaitingForTheInstaller) {
    const fs::path go = root_ / "go";
    ASSERT_EQ(::mkfifo(go.c_str(), 0600), 0);
    // The installer cannot end before the test writes to the FIFO, which it does only after the
    // launcher has exited (or was killed for waiting).
    WriteFile(installer_,
              Script("read answer < '" + go.string() + "'\n" +
                     WriteMarker(installerMarker_, "\"$answer\"")),
              true);
    const LauncherRun run = RunLauncher();
    const int fifo = ::open(go.c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_GE(fifo, 0);
    ASSERT_EQ(::write(fifo, "go\n", 3), 3);
    const auto marker = WaitForMarker(installerMarker_);
    ::close(fifo);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(marker, "go\n");
}

TEST_F(Bootwick, WithoutAnInstallerExitsAtOnceWithStatusZeroNamingThePath) {
    const LauncherRun run = RunLauncher();
    EXPECT_EQ(run.status, 0);
    EXPECT_LT(run.took, 2s);
    EXPECT_NE(run.output.find(installer_.string()), std::string::npos) << run.output;
}

TEST_F(Bootwick, HandsANonExecutableInstallerToXdgOpenAsOnePath) {
    WriteFile(installer_, Script(WriteMarker(installerMarker_, "ran")), false);
    const LauncherRun run = RunLauncher(FakeOpenerEnvironment());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(WaitForMarker(openerMarker_), "1\n" + installer_.string() + "\n");
    EXPECT_FALSE(fs::exists(installerMarker_));
}

TEST_F(Bootwick, HandsAnInstallerTheSystemCannotRunToXdgOpen) {
    WriteFile(installer_, "not a program for this system\n", true);
    const LauncherRun run = RunLauncher(FakeOpenerEnvironment());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(WaitForMarker(openerMarker_), "1\n" + installer_.string() + "\n");
}

TEST_F(Bootwick, WithoutXdgOpenStillExitsWithStatusZeroAndSaysWhy) {
    WriteFile(installer_, "text\n", false);
    const LauncherRun run = RunLauncher(EnvironmentWithPath(tools_.string()));
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.output.find("xdg-open"), std::string::npos) << run.output;
}

}  // namespace
