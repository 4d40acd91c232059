#include "SimProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace kvt::bench {

namespace {

constexpr auto kStartLimit = std::chrono::seconds(10);

void CloseIfOpen(int& fd) {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

// Reads up to the first line feed, or fails once `limit` has passed.
std::string ReadFirstLine(int fd, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::string line;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            throw std::runtime_error("the simulated unit printed no path");
        }
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        char byte = 0;
        const ssize_t got = ::read(fd, &byte, 1);
        if (got <= 0) {
            throw std::runtime_error("the simulated unit ended before printing its path");
        }
        if (byte == '\n') {
            return line;
        }
        line.push_back(byte);
    }
}

}  // namespace

SimProcess::SimProcess(const std::string& program, const std::vector<std::string>& arguments) {
    int toChild[2] = {-1, -1};
    int fromChild[2] = {-1, -1};
    if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make pipes for the simulated unit");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toChild[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromChild[1], STDOUT_FILENO);

    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(words.size() + 1);
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    const int spawned =
        ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(toChild[0]);
    ::close(fromChild[1]);
    input_ = toChild[1];
    output_ = fromChild[0];
    if (spawned != 0) {
        pid_ = -1;
        CloseIfOpen(input_);
        CloseIfOpen(output_);
        throw std::runtime_error("cannot start " + program);
    }
    try {
        firstLine_ = ReadFirstLine(output_, kStartLimit);
    } catch (...) {
        Stop();
        throw;
    }
}

SimProcess::~SimProcess() {
    Stop();
}

void SimProcess::Stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    CloseIfOpen(input_);
    CloseIfOpen(output_);
}

double SimProcess::CpuSeconds() const {
    std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
    std::string text;
    std::getline(stat, text);
    // The command name is in parentheses and may hold blanks: count fields after the last ')'.
    const size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos) {
        return 0.0;
    }
    std::istringstream fields(text.substr(nameEnd + 2));
    std::string field;
    unsigned long long ticks = 0;
    // Fields 14 and 15 of the line (utime, stime) are the 12th and 13th after the name.
    for (int index = 3; index <= 15 && fields >> field; ++index) {
        if (index >= 14) {
            ticks += std::stoull(field);
        }
    }
    return static_cast<double>(ticks) / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

}  // namespace kvt::bench
