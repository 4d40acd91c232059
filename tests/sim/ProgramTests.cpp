// kvt80-sim as a program: it tells where it serves, serves, and ends cleanly on SIGTERM.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include "SimTestSupport.h"
#include "TextFields.h"

extern char** environ;

namespace kvt::sim::test {
namespace {

class SimProgram {
  public:
    explicit SimProgram(std::vector<std::string> arguments) {
        int fds[2];
        if (::pipe(fds) != 0) {
            throw std::runtime_error("pipe");
        }
        output_.Reset(fds[0]);
        UniqueFd writeEnd(fds[1]);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, output_.Get());
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

    // The first line the program prints.
    std::string FirstLine() {
        LineClient reader(std::move(output_));
        std::string line = reader.ReadUntil(
            [](const std::string& text) { return text.find('\n') != std::string::npos; });
        return line.substr(0, line.find('\n'));
    }

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
    UniqueFd output_;
    pid_t pid_ = -1;
};

TEST(SimProgramRun, PrintsThePtyPathAndServesIt) {
    SimProgram program({"--latency", "1", "--no-card"});
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
    EXPECT_EQ(client.Exchange("button ?"), "button ?\r\n3\r\n91>");
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

}  // namespace
}  // namespace kvt::sim::test
