// Running a built program as a child process and collecting what it writes, for the tests of
// the programs.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ChildOutput.h"

namespace kvt::testing {

using namespace std::chrono_literals;

struct ProgramResult {
    int exitStatus = -1;
    std::string out;
    std::string errors;
};

// Runs the program with the arguments and collects both output streams. With runAs, the child
// takes that user and group id first (the test runs as root). A program that has not ended after
// a minute is killed.
inline ProgramResult RunProgram(const std::string& program, std::vector<std::string> arguments,
                                std::optional<uid_t> runAs = std::nullopt,
                                std::chrono::milliseconds limit = 1min) {
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

    const ChildOutput output = CollectChildOutput(child, outPipe[0], errPipe[0], limit, program);
    close(outPipe[0]);
    close(errPipe[0]);
    result.exitStatus = output.exitStatus;
    result.out = output.out;
    result.errors = output.errors;
    return result;
}

}  // namespace kvt::testing
