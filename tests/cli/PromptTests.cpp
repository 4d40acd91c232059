// kvt80ctl at a terminal: the built program on a pseudo-terminal, typed at as a person types
// (arrow keys, Tab, Ctrl-D), with its error stream on a pipe of its own.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
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

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

constexpr auto kPatience = std::chrono::seconds(30);  // a hang guard, not a timing check
constexpr const char* kUp = "\033[A";

class TemporaryDirectory {
  public:
    TemporaryDirectory() {
        std::string pattern = std::filesystem::temp_directory_path() / "kvt80ctl-prompt-XXXXXX";
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

// One kvt80ctl session on a pseudo-terminal.
class Terminal {
  public:
    struct Environment {
        std::filesystem::path config;
        std::filesystem::path home;
        std::optional<std::filesystem::path> stateHome;
    };

    Terminal(const std::vector<std::string>& arguments, const Environment& environment) {
        int errPipe[2];
        if (pipe(errPipe) != 0) {
            ADD_FAILURE() << "pipe failed";
            return;
        }
        winsize size{};
        size.ws_row = 40;
        size.ws_col = 100;
        child_ = forkpty(&terminal_, nullptr, nullptr, &size);
        if (child_ == 0) {
            dup2(errPipe[1], STDERR_FILENO);
            close(errPipe[0]);
            close(errPipe[1]);
            setenv("XDG_CONFIG_HOME", environment.config.c_str(), 1);
            setenv("HOME", environment.home.c_str(), 1);
            if (environment.stateHome) {
                setenv("XDG_STATE_HOME", environment.stateHome->c_str(), 1);
            } else {
                unsetenv("XDG_STATE_HOME");
            }
            setenv("TERM", "xterm", 1);
            unsetenv("EDITRC");
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
        close(errPipe[1]);
        errors_ = errPipe[0];
        if (child_ < 0) {
            ADD_FAILURE() << "forkpty failed";
        }
    }

    ~Terminal() {
        if (child_ > 0 && !ended_) {
            kill(child_, SIGKILL);
            waitpid(child_, nullptr, 0);
        }
        for (int fd : {terminal_, errors_}) {
            if (fd >= 0) {
                close(fd);
            }
        }
    }

    void Type(std::string_view keys) {
        [[maybe_unused]] const ssize_t written = write(terminal_, keys.data(), keys.size());
    }

    // Reads the screen until text appears after the position of the previous wait; false (and
    // the test fails) when it does not appear or the program ends first.
    bool WaitFor(const std::string& text) {
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (screen_.find(text, mark_) == std::string::npos) {
            if (!ReadSome(deadline)) {
                ADD_FAILURE() << "never saw \"" << text << "\" on:\n" << screen_;
                return false;
            }
        }
        mark_ = screen_.find(text, mark_) + text.size();
        return true;
    }

    void WaitForPrompt() { WaitFor("kvt80> "); }

    // Types a statement and waits for the next prompt.
    void Enter(std::string_view keys) {
        Type(keys);
        Type("\r");
        WaitForPrompt();
    }

    // Ctrl-D at an empty prompt, then everything up to the end; the exit status (-1 when the
    // program did not end by itself: it is killed and the test fails).
    int End() {
        Type("\x04");
        const auto deadline = std::chrono::steady_clock::now() + kPatience;
        while (ReadSome(deadline)) {
        }
        int status = 0;
        pid_t ended = 0;
        while ((ended = waitpid(child_, &status, WNOHANG)) == 0 &&
               std::chrono::steady_clock::now() < deadline) {
            usleep(10000);
        }
        if (ended != child_) {
            ADD_FAILURE() << "kvt80ctl did not end after Ctrl-D; the screen:\n" << screen_;
            return -1;
        }
        ended_ = true;
        char buffer[4096];
        for (ssize_t got; (got = read(errors_, buffer, sizeof buffer)) > 0;) {
            errorText_.append(buffer, static_cast<size_t>(got));
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    const std::string& Screen() const { return screen_; }
    // What the program wrote on its error stream; complete after End.
    const std::string& Errors() const { return errorText_; }

  private:
    bool ReadSome(std::chrono::steady_clock::time_point deadline) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd wait{terminal_, POLLIN, 0};
        if (left.count() <= 0 || poll(&wait, 1, static_cast<int>(left.count())) <= 0) {
            return false;
        }
        char buffer[4096];
        const ssize_t got = read(terminal_, buffer, sizeof buffer);
        if (got <= 0) {
            return false;  // the program ended (EIO on Linux)
        }
        screen_.append(buffer, static_cast<size_t>(got));
        return true;
    }

    pid_t child_ = -1;
    int terminal_ = -1;
    int errors_ = -1;
    bool ended_ = false;
    std::string screen_;
    size_t mark_ = 0;
    std::string errorText_;
};

std::vector<std::string> FileLines(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class Prompt : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(folder.Path().empty()); }

    Terminal::Environment Env() const {
        return {folder.Path() / "config", folder.Path() / "home", folder.Path() / "state"};
    }
    std::filesystem::path HistoryFile() const {
        return folder.Path() / "state" / "Rodmere" / "kvt80ctl_history";
    }

    TemporaryDirectory folder;
};

TEST_F(Prompt, ArrowUpRecallsThePreviousStatement) {
    Terminal t({"--demo"}, Env());
    t.WaitForPrompt();
    t.Enter("BitRate = 19200");
    t.Enter("BitRate");
    t.Enter(kUp);
    EXPECT_EQ(t.End(), 0) << t.Errors();
    EXPECT_EQ(Count(t.Screen(), "0 19200\r\n"), 2u) << t.Screen();
    EXPECT_THAT(t.Screen(), Not(HasSubstr("^[[A")));
}

TEST_F(Prompt, TabCompletesAMemberNameAndListsSeveral) {
    Terminal t({"--demo"}, Env());
    t.WaitForPrompt();
    t.Type("EQBa\t");
    t.WaitFor("nd");
    t.Enter("(1, 14) = 2.5");
    t.Enter("eqband(1, 14)");
    t.Type("SaveKVTP\t");
    t.WaitFor("arameters");
    t.Type("\x15");  // Ctrl-U: the line is dropped again
    t.Type("Save\t");
    t.WaitFor("SaveZVQParameters");
    t.Type("\x15");
    EXPECT_EQ(t.End(), 0) << t.Errors();
    EXPECT_THAT(t.Screen(), HasSubstr("0 2.5\r\n"));
    EXPECT_THAT(t.Screen(), HasSubstr("SaveMMC"));
}

TEST_F(Prompt, HistorySurvivesARestartAndStaysBounded) {
    // A long history from earlier sessions: only the newest lines are kept.
    std::filesystem::create_directories(HistoryFile().parent_path());
    {
        std::ofstream old(HistoryFile());
        old << "_HiStOrY_V2_\n";
        for (int i = 0; i < 1500; ++i) {
            old << "sleep\\040" << i << "\n";
        }
    }
    {
        Terminal first({}, Env());
        first.WaitForPrompt();
        first.Enter("ComPort = \"/dev/ttyS3\"");
        first.Enter("ComPort");
        EXPECT_EQ(first.End(), 0) << first.Errors();
    }
    const std::vector<std::string> saved = FileLines(HistoryFile());
    ASSERT_FALSE(saved.empty());
    EXPECT_LE(saved.size(), 1001u);  // the format's header line and the kept lines
    EXPECT_EQ(saved.back(), "ComPort");
    EXPECT_EQ(std::filesystem::status(HistoryFile()).permissions() &
                  (std::filesystem::perms::group_all | std::filesystem::perms::others_all),
              std::filesystem::perms::none);

    Terminal second({}, Env());
    second.WaitForPrompt();
    second.Enter(kUp);
    EXPECT_EQ(second.End(), 0) << second.Errors();
    EXPECT_THAT(second.Screen(), HasSubstr("0 \"/dev/ttyS3\"\r\n"));
}

TEST_F(Prompt, HistoryGoesToTheLocalStateFolderWithoutXdgStateHome) {
    Terminal::Environment env = Env();
    env.stateHome.reset();
    Terminal t({}, env);
    t.WaitForPrompt();
    t.Enter("Connected");
    EXPECT_EQ(t.End(), 0) << t.Errors();
    const std::filesystem::path file =
        env.home / ".local" / "state" / "Rodmere" / "kvt80ctl_history";
    EXPECT_THAT(FileLines(file), testing::Contains("Connected"));
}

TEST_F(Prompt, HelpShowsTheRangeAndTheGroups) {
    Terminal t({}, Env());
    t.WaitForPrompt();
    t.Enter("help EQBand");
    t.Enter("help");
    EXPECT_EQ(t.End(), 0) << t.Errors();
    EXPECT_THAT(t.Screen(), HasSubstr("range: -6 to 6 dB"));
    EXPECT_THAT(t.Screen(), HasSubstr("Equaliser and outputs:"));
}

TEST_F(Prompt, StatusMeaningsAndSuggestionsGoToTheErrorStream) {
    Terminal t({"--demo"}, Env());
    t.WaitForPrompt();
    t.Enter("EQBand(1, 27) = 1");
    t.Enter("Connect");
    t.Enter("Connect");
    t.Enter("EQBnd(1, 2)");
    t.Enter("Disconnect");
    EXPECT_EQ(t.End(), 2);  // the unknown member is a usage error, as in a script
    EXPECT_THAT(t.Screen(), HasSubstr("87\r\n"));
    EXPECT_THAT(t.Screen(), Not(HasSubstr("invalid argument")));
    EXPECT_THAT(t.Errors(), HasSubstr("87: invalid argument"));
    EXPECT_THAT(t.Errors(), HasSubstr("1247: already connected"));
    EXPECT_THAT(t.Errors(), HasSubstr("unknown member 'EQBnd'; did you mean 'EQBand'?"));
}

TEST_F(Prompt, EventsAppearAboveTheLineBeingTyped) {
    Terminal t({"--demo", "--events"}, Env());
    t.WaitForPrompt();
    t.Enter("Connect");
    t.Enter("QueryKVT");
    // The worker now reports the input levels on every pass; one arrives while "Conn" is typed:
    // the half-typed line is cleared, the event takes its place, and the line comes back below.
    t.Type("Conn");
    t.WaitFor("Conn\r\033[Kevent InputLevelsUpdated(");
    t.WaitFor("kvt80> Conn");
    t.Type("\x15");
    // Events keep redrawing the prompt: the one to wait for is the one after Disconnect's status.
    t.Type("Disconnect\r");
    t.WaitFor("\r\n0\r\n");
    t.WaitForPrompt();
    EXPECT_EQ(t.End(), 0) << t.Errors();
}

}  // namespace
