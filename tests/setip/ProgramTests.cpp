// KVTSetIP's command-line form as an install script runs it: the built program, no display,
// against the simulated unit in this process.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "SetIpTestSupport.h"
#include "SimulatedUnit.h"

namespace kvt::setip::test {
namespace {

constexpr const char* kConfigured = "KVT-80 IP address information was successfully configured\n";

ProgramResult RunSetIp(std::vector<std::string> arguments,
                       std::optional<uid_t> runAs = std::nullopt) {
    return RunProgram(KVTSETIP_PROGRAM, std::move(arguments), runAs);
}

TEST(SetIpProgram, ConfiguresTheUnitAndSaysSo) {
    sim::SimulatedUnit unit;
    const ProgramResult r = RunSetIp({"--port", unit.StartPty(), "--ip", "192.168.1.20"});
    EXPECT_EQ(r.exitStatus, 0) << r.errors;
    EXPECT_EQ(r.out, kConfigured);
    EXPECT_EQ(r.errors, "");
    ASSERT_TRUE(unit.WaitForLines(5, kGenerousTimeout));
    EXPECT_EQ(unit.ReceivedLines(), kClassCLines);
}

TEST(SetIpProgram, SilentUnitFailsWithTheResponseMessage) {
    sim::SimulatedUnit unit;
    unit.InjectFault(FaultOn(sim::FaultKind::StopAnswering));
    const ProgramResult r = RunSetIp({"--port", unit.StartPty(), "--ip", "192.168.1.20"});
    EXPECT_EQ(r.exitStatus, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.errors, "Failed to receive a valid response from a KVT-80 unit\n");
    ASSERT_TRUE(unit.WaitForLines(1, kGenerousTimeout));
    EXPECT_EQ(unit.ReceivedLines(), std::vector<std::string>{"close"});
}

TEST(SetIpProgram, PortThatCannotBeOpenedFails) {
    const ProgramResult r = RunSetIp({"--port", "/dev/kvt80-no-such-port", "--ip", "192.168.1.20"});
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.errors, "Failed to open communication port\n");
}

TEST(SetIpProgram, PermissionProblemSaysWhatToDo) {
    const std::filesystem::path device =
        std::filesystem::temp_directory_path() / ("kvtsetip-locked-" + std::to_string(getpid()));
    std::ofstream(device).put('\n');
    ASSERT_EQ(chmod(device.c_str(), 0), 0);
    // Root opens anything; the program then runs as nobody.
    const std::optional<uid_t> runAs = geteuid() == 0 ? std::optional<uid_t>(65534) : std::nullopt;
    const ProgramResult r = RunSetIp({"--port", device.string(), "--ip", "10.0.0.2"}, runAs);
    std::filesystem::remove(device);
    if (r.exitStatus == 126 || r.exitStatus == 127) {
        GTEST_SKIP() << "cannot run the program as an unprivileged user here";
    }
    EXPECT_EQ(r.exitStatus, 1);
    EXPECT_EQ(r.errors.rfind("Failed to open communication port\n\n", 0), 0u) << r.errors;
    EXPECT_NE(r.errors.find("dialout"), std::string::npos) << r.errors;
}

TEST(SetIpProgram, MissingIpIsAUsageError) {
    const ProgramResult r = RunSetIp({"--port", "COM1"});
    EXPECT_EQ(r.exitStatus, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.errors.find("--ip is required"), std::string::npos);
    EXPECT_NE(r.errors.find("Usage: KVTSetIP"), std::string::npos);
}

TEST(SetIpProgram, MalformedAddressIsAUsageError) {
    for (const char* address : {"192.168.1", "192.168.1.300", "192.168.1.x"}) {
        const ProgramResult r = RunSetIp({"--port", "COM1", "--ip", address});
        EXPECT_EQ(r.exitStatus, 2) << address;
        EXPECT_NE(r.errors.find("Usage: KVTSetIP"), std::string::npos);
    }
    EXPECT_EQ(RunSetIp({"--ip", "10.0.0.2", "--gateway", "10.0.0"}).exitStatus, 2);
}

TEST(SetIpProgram, HelpPrintsTheUsage) {
    const ProgramResult r = RunSetIp({"--help"});
    EXPECT_EQ(r.exitStatus, 0);
    EXPECT_EQ(r.out.rfind("Usage: KVTSetIP [--port PORT] --ip A.B.C.D", 0), 0u) << r.out;
    EXPECT_EQ(r.errors, "");
}

TEST(SetIpProgram, RegserverExitsAtOnce) {
    for (const char* argument : {"regserver", "/RegServer"}) {
        const ProgramResult r = RunSetIp({argument});
        EXPECT_EQ(r.exitStatus, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.errors, "");
    }
}

}  // namespace
}  // namespace kvt::setip::test
