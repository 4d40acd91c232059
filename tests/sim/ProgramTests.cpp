// kvt80-sim as a program: it tells where it serves, serves, and ends cleanly on SIGTERM.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>

#include "SimTestSupport.h"
#include "TextFields.h"

extern char** environ;

namespace kvt::sim::test {
namespace {

// kvt80-sim started with its standard output on a pipe the test reads, and its standard input
// on a pipe the test types into (withInput) or on /dev/null.
class SimProgram {
  public:
    explicit SimProgram(std::vector<std::string> arguments, bool withInput = false) {
        int out[2];
        int in[2];
        if (::pipe(out) != 0 || (withInput && ::pipe(in) != 0)) {
            throw std::runtime_error("pipe");
        }
        output_.emplace(UniqueFd(out[0]));
        UniqueFd writeEnd(out[1]);
        UniqueFd readEnd;
        if (withInput) {
            readEnd.Reset(in[0]);
            input_.Reset(in[1]);
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, output_->Fd());
        if (withInput) {
            posix_spawn_file_actions_adddup2(&actions, readEnd.Get(), STDIN_FILENO);
            posix_spawn_file_actions_addclose(&actions, input_.Get());
        } else {
            posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        }
        arguments.insert(arguments.begin(), KVT80_SIM_PROGRAM);
        std::vector<char*> argv;
        for (auto& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        const int error =
            posix_spawn(&pid_, KVT80_SIM_PROGRAM, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (error != 0) {
            throw std::runtime_error("cannot start kvt80-sim");
        }
    }

    ~SimProgram() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
    }

    // The next line the program prints, without its line end.
    std::string NextLine() {
        const size_t end = printed_.find('\n');
        if (end == std::string::npos) {
            printed_ += output_->ReadUntil(
                [](const std::string& text) { return text.find('\n') != std::string::npos; });
        }
        std::string line = printed_.substr(0, printed_.find('\n'));
        printed_.erase(0, std::min(printed_.size(), line.size() + 1));
        return line;
    }

    // The first line the program prints: where it serves.
    std::string FirstLine() { return NextLine(); }

    // Types one line on the program's standard input and returns the line it answers.
    std::string Type(const std::string& line) {
        const std::string text = line + "\n";
        if (::write(input_.Get(), text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
            return "(cannot type)";
        }
        return NextLine();
    }

    void CloseInput() { input_.Reset(); }

    // Exit status once the program ends by itself; -1 when it did not exit normally.
    int Wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // Exit status after SIGTERM; -1 when it did not exit normally.
    int Terminate() {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

  private:
    std::optional<LineClient> output_;
    std::string printed_;  // read from the output but not yet taken as lines
    UniqueFd input_;
    pid_t pid_ = -1;
};

TEST(SimProgramRun, PrintsThePtyPathAndServesIt) {
    SimProgram program({"--latency", "1", "--no-card", "--adapter-latency", "2"});
    const std::string path = program.FirstLine();
    ASSERT_TRUE(path.starts_with("/dev/")) << path;
    LineClient client = LineClient::OpenPty(path);
    EXPECT_EQ(client.Exchange("openmmc"), "openmmc\r\nFFFFFF\r\n>");
    EXPECT_EQ(program.Terminate(), 0);
}

TEST(SimProgramRun, ServesTcpAndAppliesFaults) {
    SimProgram program({"--tcp", "0", "--fault", "bell:rdu3:1", "--fault", "drop:zz"});
    const std::string line = program.FirstLine();
    ASSERT_TRUE(line.starts_with("tcp 127.0.0.1:")) << line;
    const auto port = ParseDecimal(line.substr(14), 5);
    ASSERT_TRUE(port);
    LineClient client = LineClient::ConnectTcp(static_cast<uint16_t>(*port));
    EXPECT_EQ(client.Exchange("rdu3"), "rdu3\r\n\x07\r\n>");
    EXPECT_EQ(client.Exchange("rdu3"), "rdu3\r\n1\r\n>");
    EXPECT_EQ(program.Terminate(), 0);
}

TEST(SimProgramRun, StartsInMenuModeWhenAsked) {
    SimProgram program({"--menu"});
    LineClient client = LineClient::OpenPty(program.FirstLine());
    client.Send("\r");
    EXPECT_NE(client.ReadUntil([](const std::string& text) { return text.ends_with("Select: "); })
                  .find("[2J"),
              std::string::npos);
    EXPECT_EQ(program.Terminate(), 0);
}

TEST(SimProgramRun, StartsFromAStateFile) {
    char path[] = "/tmp/kvt80-sim-state-XXXXXX";
    UniqueFd fd(::mkstemp(path));
    ASSERT_TRUE(fd.Valid());
    const std::string text = "# preset\n1 004 FFFFF6\npanel 3 1 50 0 0\n";
    ASSERT_EQ(::write(fd.Get(), text.data(), text.size()), static_cast<ssize_t>(text.size()));
    SimProgram program({"--state", path});
    LineClient client = LineClient::OpenPty(program.FirstLine());
    ::unlink(path);
    EXPECT_EQ(client.Exchange("open 91"), "open 91\r\n91>");
    EXPECT_EQ(client.Exchange("rdval 00 004"), "rdval 00 004\r\nFFFFF6\r\n91>");
    // Button 3 holds format 2 in the factory button table.
    EXPECT_EQ(client.Exchange("button ?"), "button ?\r\n2\r\n91>");
    EXPECT_EQ(program.Terminate(), 0);
}

TEST(SimProgramRun, ExitsWithStatus2OnAStateFileItCannotLoad) {
    char path[] = "/tmp/kvt80-sim-state-XXXXXX";
    UniqueFd fd(::mkstemp(path));
    ASSERT_TRUE(fd.Valid());
    const std::string text = "1 004 FFFFF6\n9 000 000000\n";
    ASSERT_EQ(::write(fd.Get(), text.data(), text.size()), static_cast<ssize_t>(text.size()));
    SimProgram broken({"--state", path});
    EXPECT_EQ(broken.Wait(), 2);
    ::unlink(path);
    SimProgram missing({"--state", "/nonexistent/kvt80.state"});
    EXPECT_EQ(missing.Wait(), 2);
}

TEST(SimProgramRun, ServesWithARoomFileAndExitsWithStatus2OnOneItCannotLoad) {
    char path[] = "/tmp/kvt80-sim-room-XXXXXX";
    UniqueFd fd(::mkstemp(path));
    ASSERT_TRUE(fd.Valid());
    const std::string good = "# one quiet surround\nLS level -6\nC 100 3\nC 1000 0\n";
    ASSERT_EQ(::write(fd.Get(), good.data(), good.size()), static_cast<ssize_t>(good.size()));
    {
        SimProgram program({"--room", path});
        LineClient client = LineClient::OpenPty(program.FirstLine());
        EXPECT_EQ(client.Exchange("open 93"), "open 93\r\n93>");
        EXPECT_EQ(program.Terminate(), 0);
    }
    const std::string bad = "C 1000 0\nC 500 1\n";  // frequencies must rise
    ASSERT_EQ(::ftruncate(fd.Get(), 0), 0);
    ASSERT_EQ(::pwrite(fd.Get(), bad.data(), bad.size(), 0), static_cast<ssize_t>(bad.size()));
    SimProgram broken({"--room", path});
    EXPECT_EQ(broken.Wait(), 2);
    ::unlink(path);
    SimProgram missing({"--room", "/nonexistent/kvt80.room"});
    EXPECT_EQ(missing.Wait(), 2);
}

TEST(SimProgramFrontPanel, OperatorCommandsWorkThePanelAndTheEndOfInputLeavesItServing) {
    SimProgram program({}, true);
    LineClient client = LineClient::OpenPty(program.FirstLine());
    EXPECT_EQ(program.Type("mute"), "ok muted");
    EXPECT_EQ(client.Exchange("rdu3"), "rdu3\r\n0\r\n>");
    EXPECT_EQ(program.Type("button 5"), "ok button 5, format 8 (Digital B)");
    EXPECT_EQ(client.Exchange("button ?"), "button ?\r\n8\r\n>");
    EXPECT_EQ(program.Type("projector 2"), "ok projector 2");
    EXPECT_EQ(client.Exchange("projector ?"), "projector ?\r\n1\r\n>");
    EXPECT_EQ(program.Type("fader 101"),
              "error: fader needs a level from 0 to 100; type \"fader 70\"");
    EXPECT_EQ(program.Type("power-cycle"), "ok power cycled; button 3, format 2 (Stereo SR)");
    EXPECT_EQ(client.Exchange("button ?"), "button ?\r\n2\r\n>");
    program.CloseInput();
    EXPECT_EQ(client.Exchange("level ?"), "level ?\r\n46\r\n>");
    EXPECT_EQ(program.Terminate(), 0);
}

TEST(SimProgramFrontPanel, StopsCleanlyWhileStandardInputIsOpenAndIdle) {
    SimProgram program({"--tcp", "0"}, true);
    ASSERT_TRUE(program.FirstLine().starts_with("tcp "));
    EXPECT_EQ(program.Terminate(), 0);
}

}  // namespace
}  // namespace kvt::sim::test
