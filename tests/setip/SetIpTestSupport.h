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
#include "RunProgram.h"
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

using kvt::testing::ProgramResult;
using kvt::testing::RunProgram;

}  // namespace kvt::setip::test
