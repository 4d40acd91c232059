// Reading what a child program writes on its standard output and error until it ends, for the
// tests that run the built programs.
#pragma once

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace kvt::testing {

struct ChildOutput {
    int exitStatus = -1;  // -1 when it did not exit normally (killed, or ended by a signal)
    std::string out;
    std::string errors;
};

// Reads both pipes until the child closes them, then reaps it. A child still running after
// `limit` is killed and the test fails (a hang, not a slow run). The pipes stay open.
inline ChildOutput CollectChildOutput(pid_t child, int outFd, int errFd,
                                      std::chrono::milliseconds limit, const std::string& name) {
    ChildOutput result;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    int open = 2;
    while (open > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || poll(fds, 2, static_cast<int>(left.count())) <= 0) {
            kill(child, SIGKILL);
            ADD_FAILURE() << name << " did not finish";
            break;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                fds[i].fd = -1;
                --open;
                continue;
            }
            (i == 0 ? result.out : result.errors).append(buffer, static_cast<size_t>(n));
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

}  // namespace kvt::testing
