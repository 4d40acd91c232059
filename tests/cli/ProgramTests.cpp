// kvt80ctl as a user runs it: the built program, the real engine and, with --demo, the simulated
// unit over a pseudo-terminal.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ChildOutput.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

struct ProgramResult {
    int exitStatus = -1;
    std::string out;
    std::string errors;

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(out);
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }
};

// A settings directory of its own for every test, because ComPort puts write a settings file.
class TemporaryDirectory {
  public:
    TemporaryDirectory() {
        std::string pattern = std::filesystem::temp_directory_path() / "kvt80ctl-test-XXXXXX";
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

class Program : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(config.Path().empty()); }

    // Where the program runs; empty: the test's own working folder.
    std::filesystem::path workingDirectory;

    // Runs kvt80ctl with the arguments, feeding input to its standard input, and collects both
    // output streams. A program that has not ended after two minutes is killed (a hang, not a
    // slow run).
    ProgramResult Run(const std::vector<std::string>& arguments, const std::string& input = "") {
        ProgramResult result;
        int inPipe[2], outPipe[2], errPipe[2];
        if (pipe(inPipe) != 0 || pipe(outPipe) != 0 || pipe(errPipe) != 0) {
            ADD_FAILURE() << "pipe failed";
            return result;
        }
        const pid_t child = fork();
        if (child == 0) {
            dup2(inPipe[0], STDIN_FILENO);
            dup2(outPipe[1], STDOUT_FILENO);
            dup2(errPipe[1], STDERR_FILENO);
            for (int fd : {inPipe[0], inPipe[1], outPipe[0], outPipe[1], errPipe[0], errPipe[1]}) {
                close(fd);
            }
            setenv("XDG_CONFIG_HOME", config.Path().c_str(), 1);
            if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) {
                _exit(126);
            }
            std::vector<char*> argv;
            std::string program = KVT80CTL_PATH;
            argv.push_back(program.data());
            std::vector<std::string> copies = arguments;
            for (std::string& argument : copies) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            execv(program.c_str(), argv.data());
            _exit(127);
        }
        close(inPipe[0]);
        close(outPipe[1]);
        close(errPipe[1]);
        signal(SIGPIPE, SIG_IGN);
        if (!input.empty()) {
            [[maybe_unused]] const ssize_t written = write(inPipe[1], input.data(), input.size());
        }
        close(inPipe[1]);
        Collect(child, outPipe[0], errPipe[0], result);
        close(outPipe[0]);
        close(errPipe[0]);
        return result;
    }

    std::filesystem::path WriteScript(const std::string& name, const std::string& text) {
        const std::filesystem::path path = config.Path() / name;
        std::ofstream(path) << text;
        return path;
    }

    TemporaryDirectory config;

  private:
    static void Collect(pid_t child, int outFd, int errFd, ProgramResult& result) {
        kvt::testing::ChildOutput output = kvt::testing::CollectChildOutput(
            child, outFd, errFd, std::chrono::minutes(2), "kvt80ctl");
        result.exitStatus = output.exitStatus;
        result.out = std::move(output.out);
        result.errors = std::move(output.errors);
    }
};

TEST_F(Program, HelpPrintsTheUsage) {
    const ProgramResult r = Run({"--help"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_THAT(r.out, StartsWith("kvt80ctl [--port PORT] [--baud N] [--events] [--demo] "
                                  "[-e STATEMENT]... [SCRIPT | -]\n"));
    EXPECT_THAT(r.out, HasSubstr("wait Event[(a, ...)] [TIMEOUT_MS]"));
}

TEST_F(Program, BadCommandLineIsAUsageError) {
    const ProgramResult r = Run({"--baud", "fast", "-e", "Connected"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_THAT(r.out, IsEmpty());
    EXPECT_THAT(r.errors, HasSubstr("--baud"));
}

TEST_F(Program, MissingScriptIsAUsageError) {
    const ProgramResult r = Run({(config.Path() / "absent.kvts").string()});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_THAT(r.errors, HasSubstr("absent.kvts"));
}

TEST_F(Program, FolderGivenAsScriptIsAUsageError) {
    const ProgramResult r = Run({config.Path().string()});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_THAT(r.out, IsEmpty());
    EXPECT_THAT(r.errors, HasSubstr("folder"));
}

TEST_F(Program, DemoConnectsToTheSimulatedUnit) {
    const ProgramResult r = Run({"--demo", "-e", "Connect", "-e", "Connected", "-e", "Disconnect"});
    EXPECT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_THAT(r.Lines(), ElementsAre("0", "0 true", "0"));
}

TEST_F(Program, DemoLeavesTheUsersPortSettingAlone) {
    Run({"--port", "/dev/ttyUSB7", "-e", "ComPort"});
    const ProgramResult demo = Run({"--demo", "-e", "ComPort"});
    EXPECT_EQ(demo.exitStatus, 0);
    EXPECT_THAT(demo.out, HasSubstr("/dev/"));
    const ProgramResult after = Run({"-e", "ComPort"});
    EXPECT_THAT(after.Lines(), ElementsAre("0 \"/dev/ttyUSB7\""));
}

TEST_F(Program, EventsArePrintedWithDemo) {
    const ProgramResult r = Run({"--demo", "--events", "-e", "Connect", "-e", "Disconnect"});
    EXPECT_EQ(r.exitStatus, 0) << r.errors;
    // Closing a link reports the input levels as silent.
    EXPECT_THAT(r.Lines(), ElementsAre("0", "event InputLevelsUpdated(-80, -80)", "0"));
}

TEST_F(Program, PortAndBitRateOptionsArePutBeforeTheStatements) {
    const ProgramResult r =
        Run({"--port", "/dev/ttyUSB3", "--baud", "19200", "-e", "ComPort", "-e", "BitRate"});
    EXPECT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_THAT(r.Lines(), ElementsAre("0 \"/dev/ttyUSB3\"", "0 19200"));
}

TEST_F(Program, RefusedPortOptionIsAUsageErrorAndNothingRuns) {
    const std::string tooLong = "/dev/" + std::string(300, 'x');
    const ProgramResult r = Run({"--port", tooLong, "-e", "Connect"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_THAT(r.out, IsEmpty());
    EXPECT_THAT(r.errors, HasSubstr("--port"));
}

TEST_F(Program, FailedConnectExitsOneAndSaysWhy) {
    const std::string port = (config.Path() / "no-such-tty").string();
    const ProgramResult r = Run({"--port", port, "-e", "Connect", "-e", "Connected"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_THAT(r.Lines(), ElementsAre("110", "0 false"));
    EXPECT_THAT(r.errors, StartsWith("kvt80ctl: "));
}

TEST_F(Program, UnknownMemberStopsTheRunWithStatusTwo) {
    const ProgramResult r = Run({"-e", "Connected", "-e", "Bogus", "-e", "Connected"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_THAT(r.Lines(), ElementsAre("0 false"));
    EXPECT_THAT(r.errors, HasSubstr("-e statement 2"));
    EXPECT_THAT(r.errors, HasSubstr("'Bogus'"));
}

TEST_F(Program, ScriptFileRunsAfterTheStatementOptions) {
    const auto script = WriteScript("set.kvts",
                                    "# port for the test\nComPort = \"/dev/ttyS4\"\n"
                                    "ComPort\nsleep 1\n");
    const ProgramResult r = Run({"-e", "Connected", script.string()});
    EXPECT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_THAT(r.Lines(), ElementsAre("0 false", "0", "0 \"/dev/ttyS4\"", "0"));
}

// Scripts are called .kvts by habit only: any name runs, even a configuration file's extension.
TEST_F(Program, ScriptsRunWhateverTheirName) {
    for (const char* name : {"steps", "store.txt", "odd.kvt"}) {
        const auto script = WriteScript(name, "Connected\n");
        const ProgramResult r = Run({script.string()});
        EXPECT_EQ(r.exitStatus, 0) << name << ": " << r.errors;
        EXPECT_THAT(r.Lines(), ElementsAre("0 false")) << name;
    }
}

TEST_F(Program, SyntaxErrorInAScriptNamesItsLine) {
    const auto script = WriteScript("bad.kvts", "Connected\n\nComPort = COM1\nConnected\n");
    const ProgramResult r = Run({script.string()});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_THAT(r.Lines(), ElementsAre("0 false"));
    EXPECT_THAT(r.errors, HasSubstr("bad.kvts, line 3"));
}

TEST_F(Program, StandardInputWithDash) {
    const ProgramResult r = Run({"-"}, "Connected\nwait UnitDisappeared 10\n");
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_THAT(r.Lines(), ElementsAre("0 false", "1"));
}

TEST_F(Program, NothingToRunWithoutATerminal) {
    const ProgramResult r = Run({});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_THAT(r.errors, HasSubstr("nothing to run"));
}

TEST_F(Program, DemoScriptRuns) {
    const ProgramResult r = Run({"--demo", KVT80_DEMO_SCRIPT});
    EXPECT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_FALSE(r.Lines().empty());
}

// The other examples write files (a configuration, the firmware's images) next to the ones they
// name, so they run in a copy of the examples folder.
TEST_F(Program, ExampleScriptsRunEveryStatementSuccessfully) {
    TemporaryDirectory work;
    std::filesystem::copy(KVT80_EXAMPLES, work.Path() / "examples");
    workingDirectory = work.Path();
    ProgramResult r;
    for (const char* script : {"service-visit.kvts", "downloads.kvts"}) {
        r = Run({"--demo", "--events", std::string("examples/") + script});
        EXPECT_EQ(r.exitStatus, 0) << script << "\n" << r.out << r.errors;
    }
    EXPECT_THAT(r.out, HasSubstr("event PICDownloadStateChange(5)"));
    EXPECT_THAT(r.out, HasSubstr("event DSPDownloadStateChange(10)"));
    EXPECT_THAT(r.out, HasSubstr("progress Writing 2048/2048 (100%)"));
    EXPECT_THAT(r.out, HasSubstr("0 \"021500\""));
}

}  // namespace
