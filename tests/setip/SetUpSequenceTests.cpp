// The whole set-up against the simulated unit over a real pseudo-terminal: what goes over the
// wire, when it stops, and that the port is always given back.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "SetIpSequence.h"
#include "SetIpTestSupport.h"
#include "SimulatedUnit.h"
#include "kvtcomm.h"

namespace kvt::setip::test {
namespace {

class SetUpOnSimulatedUnit : public ::testing::Test {
  protected:
    // The lines the unit received once at least `count` have arrived.
    std::vector<std::string> LinesAfter(size_t count) {
        EXPECT_TRUE(unit.WaitForLines(count, kGenerousTimeout));
        return unit.ReceivedLines();
    }

    sim::SimulatedUnit unit;
    std::string port = unit.StartPty();
};

TEST_F(SetUpOnSimulatedUnit, SendsTheFiveLinesInOrderAndSucceeds) {
    const SetIpResult result = ConfigureNetwork(port, kClassCAddresses);
    EXPECT_EQ(result.outcome, SetIpOutcome::Configured);
    EXPECT_EQ(LinesAfter(5), kClassCLines);
    EXPECT_EQ(ResultMessage(result), "KVT-80 IP address information was successfully configured");
}

TEST_F(SetUpOnSimulatedUnit, UnitKeepsTheAddressesWithDhcpOff) {
    ASSERT_EQ(ConfigureNetwork(port, kClassCAddresses).outcome, SetIpOutcome::Configured);
    const sim::NetworkSettings network = unit.Network();
    EXPECT_FALSE(network.dhcp);
    EXPECT_EQ(network.ip, (std::array<uint8_t, 4>{192, 168, 1, 20}));
    EXPECT_EQ(network.mask, (std::array<uint8_t, 4>{255, 255, 255, 0}));
    EXPECT_EQ(network.gateway, (std::array<uint8_t, 4>{192, 168, 1, 1}));
}

TEST_F(SetUpOnSimulatedUnit, PortIsClosedAfterASuccessfulSetUp) {
    const size_t before = OpenDescriptors();
    ASSERT_EQ(ConfigureNetwork(port, kClassCAddresses).outcome, SetIpOutcome::Configured);
    EXPECT_EQ(OpenDescriptors(), before);
    // The port is opened exclusively: a second run finds it free.
    EXPECT_EQ(ConfigureNetwork(port, kClassCAddresses).outcome, SetIpOutcome::Configured);
}

TEST_F(SetUpOnSimulatedUnit, SilentUnitFailsAfterTheAllowanceAndNothingMoreIsSent) {
    unit.InjectFault(FaultOn(sim::FaultKind::StopAnswering));
    const size_t before = OpenDescriptors();
    const auto start = std::chrono::steady_clock::now();
    const SetIpResult result = ConfigureNetwork(port, kClassCAddresses);
    const auto elapsed = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(result.outcome, SetIpOutcome::NoValidResponse);
    EXPECT_EQ(ResultMessage(result), "Failed to receive a valid response from a KVT-80 unit");
    EXPECT_GE(elapsed, 900ms);
    EXPECT_LT(elapsed, kGenerousTimeout);
    EXPECT_EQ(LinesAfter(1), std::vector<std::string>{"close"});
    EXPECT_EQ(OpenDescriptors(), before);

    unit.ClearFaults();
    EXPECT_EQ(ConfigureNetwork(port, kClassCAddresses).outcome, SetIpOutcome::Configured);
}

TEST_F(SetUpOnSimulatedUnit, LostReplyStopsTheSetUpAtThatLine) {
    unit.InjectFault(FaultOn(sim::FaultKind::DropReply, "mask"));
    EXPECT_EQ(ConfigureNetwork(port, kClassCAddresses).outcome, SetIpOutcome::NoValidResponse);
    EXPECT_EQ(LinesAfter(4),
              (std::vector<std::string>(kClassCLines.begin(), kClassCLines.end() - 1)));
    EXPECT_EQ(unit.Network().gateway, (std::array<uint8_t, 4>{}));
}

// A unit that rings the bell did not take the line; saying "configured" would be false.
TEST_F(SetUpOnSimulatedUnit, RefusedLineIsAFailureAndNothingMoreIsSent) {
    unit.InjectFault(FaultOn(sim::FaultKind::BellReply, "ip"));
    EXPECT_EQ(ConfigureNetwork(port, kClassCAddresses).outcome, SetIpOutcome::NoValidResponse);
    EXPECT_EQ(LinesAfter(3),
              (std::vector<std::string>(kClassCLines.begin(), kClassCLines.begin() + 3)));
}

TEST_F(SetUpOnSimulatedUnit, RepliesInBurstsAreAssembledUntilThePrompt) {
    sim::Fault split = FaultOn(sim::FaultKind::SplitReply, "", 5);
    split.cutsFromEnd = {1};
    split.gap = 150ms;
    unit.InjectFault(split);
    EXPECT_EQ(ConfigureNetwork(port, kClassCAddresses).outcome, SetIpOutcome::Configured);
    EXPECT_EQ(LinesAfter(5), kClassCLines);
}

TEST_F(SetUpOnSimulatedUnit, NoiseBeforeTheEchoDoesNotMatter) {
    unit.InjectFault(FaultOn(sim::FaultKind::Garbage, "", 5));
    EXPECT_EQ(ConfigureNetwork(port, kClassCAddresses).outcome, SetIpOutcome::Configured);
}

TEST_F(SetUpOnSimulatedUnit, PortInUseIsAnOpenFailure) {
    KVTCommSettings settings{};
    port.copy(settings.portName, KVTCOMM_PORT_NAME_MAX);
    settings.bitRate = 38400;
    settings.dataBits = 8;
    KVTCommHandle holder = OpenComm(settings, nullptr, nullptr, nullptr);
    ASSERT_NE(holder, nullptr);

    const SetIpResult result = ConfigureNetwork(port, kClassCAddresses);
    CloseComm(holder, nullptr);
    EXPECT_EQ(result.outcome, SetIpOutcome::PortNotOpened);
    EXPECT_NE(result.openFailureReason.find("in use"), std::string::npos)
        << result.openFailureReason;
    EXPECT_FALSE(result.permissionDenied);
    EXPECT_TRUE(unit.ReceivedLines().empty());
}

TEST(SetUpOpenFailure, MissingDeviceIsAnOpenFailure) {
    const size_t before = OpenDescriptors();
    const SetIpResult result = ConfigureNetwork("/dev/kvt80-no-such-port", kClassCAddresses);
    EXPECT_EQ(result.outcome, SetIpOutcome::PortNotOpened);
    EXPECT_FALSE(result.permissionDenied);
    EXPECT_FALSE(result.openFailureReason.empty());
    EXPECT_EQ(ResultMessage(result), "Failed to open communication port");
    EXPECT_EQ(OpenDescriptors(), before);
}

// The settings record holds a C string; a name that does not fit must not open a shorter one.
TEST(SetUpOpenFailure, PortNameTooLongOrWithAZeroByteIsNotOpened) {
    const std::string tooLong = "/dev/" + std::string(300, 'x');
    EXPECT_EQ(ConfigureNetwork(tooLong, kClassCAddresses).outcome, SetIpOutcome::PortNotOpened);
    const std::string withZero("/dev/null\0x", 11);
    EXPECT_EQ(ConfigureNetwork(withZero, kClassCAddresses).outcome, SetIpOutcome::PortNotOpened);
}

TEST(ResultMessage, PermissionProblemAddsWhatToDo) {
    SetIpResult result;
    result.outcome = SetIpOutcome::PortNotOpened;
    result.permissionDenied = true;
    result.openFailureReason =
        "Permission denied opening /dev/ttyUSB0: add your user to the "
        "'dialout' group.";
    EXPECT_EQ(ResultMessage(result),
              "Failed to open communication port\n\n" + result.openFailureReason);
}

TEST(ResultMessage, OtherOpenFailuresShowTheMessageAlone) {
    SetIpResult result;
    result.outcome = SetIpOutcome::PortNotOpened;
    result.openFailureReason = "Cannot open /dev/ttyS4: no such device.";
    EXPECT_EQ(ResultMessage(result), "Failed to open communication port");
}

}  // namespace
}  // namespace kvt::setip::test
