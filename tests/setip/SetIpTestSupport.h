// Helpers of the network tool's tests: what the unit should receive, open descriptors, and the
// built program run as a child process.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ChildOutput.h"
#include "NetworkAddress.h"
#include "SimulatedUnit.h"

namespace kvt::setip::test {

using namespace std::chrono_literals;

inline constexpr std::chrono::milliseconds kGenerousTimeout = 10s;

// 192.168.1.20 with the mask and gateway it suggests.
inline const NetworkAddresses kClassCAddresses{0xC0A80114u, 0xFFFFFF00u, 0xC0A80101u};

// The set-up's lines as the unit records them (without the carriage return).
inline const std::vector<std::string> kClassCLines = {
    "close", "dhcp 0", "ip 192\t168\t1\t20", "mask 255\t255\t255\t0", "gateway 192\t168\t1\t1"};

// A fault of that kind on lines starting with match (every line when empty).
inline sim::Fault FaultOn(sim::FaultKind kind, std::string match = "", int count = 1) {
    sim::Fault fault;
    fault.kind = kind;
    fault.match = std::move(match);
    fault.count = count;
    return fault;
}

inline size_t OpenDescriptors() {
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count;
}

struct ProgramResult {
    int exitStatus = -1;
    std::string out;
    std::string errors;
};

// Runs the program with the arguments and collects both output streams. With runAs, the child
// takes that user and group id first (the test runs as root). A program that has not ended after
// a minute is killed.
inline ProgramResult RunProgram(const std::string& program, std::vector<std::string> arguments,
                                std::optional<uid_t> runAs = std::nullopt) {
    ProgramResult result;
    std::vector<char*> argv;
    std::string name = program;
    argv.push_back(name.data());
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0 || pipe2(errPipe, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "pipe failed";
        return result;
    }
    const pid_t child = fork();
    if (child == 0) {
        // Only calls that are safe between fork and exec in a threaded process.
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        if (runAs && (setgid(*runAs) != 0 || setuid(*runAs) != 0)) {
            _exit(126);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(outPipe[1]);
    close(errPipe[1]);

    const kvt::testing::ChildOutput output =
        kvt::testing::CollectChildOutput(child, outPipe[0], errPipe[0], 1min, program);
    close(outPipe[0]);
    close(errPipe[0]);
    result.exitStatus = output.exitStatus;
    result.out = output.out;
    result.errors = output.errors;
    return result;
}

}  // namespace kvt::setip::test
