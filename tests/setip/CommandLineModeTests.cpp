// The command-line form's options, parsed and run in the test process.
#include <gtest/gtest.h>

#include <sstream>
#include <string_view>
#include <vector>

#include "CommandLineMode.h"
#include "SetIpTestSupport.h"
#include "SimulatedUnit.h"

namespace kvt::setip::test {
namespace {

ParsedCommandLine Parse(std::vector<std::string_view> arguments) {
    return ParseCommandLine(arguments);
}

TEST(SetIpCommandLine, TakesPortAndAllThreeAddresses) {
    const auto parsed = Parse(
        {"--port", "COM2", "--ip", "10.1.2.3", "--mask", "255.255.0.0", "--gateway", "10.1.0.254"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.port, "COM2");
    EXPECT_EQ(parsed.options.ip, 0x0A010203u);
    EXPECT_EQ(parsed.options.mask, 0xFFFF0000u);
    EXPECT_EQ(parsed.options.gateway, 0x0A0100FEu);
}

TEST(SetIpCommandLine, ValuesMayFollowAnEqualsSign) {
    const auto parsed = Parse({"--port=/dev/ttyUSB1", "--ip=192.168.1.20"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.port, "/dev/ttyUSB1");
    EXPECT_EQ(parsed.options.ip, 0xC0A80114u);
    EXPECT_FALSE(parsed.options.mask.has_value());
}

TEST(SetIpCommandLine, PortDefaultsToUsb) {
    EXPECT_EQ(Parse({"--ip", "10.0.0.2"}).options.port, "USB");
}

TEST(SetIpCommandLine, MissingOrMalformedValuesAreErrors) {
    EXPECT_NE(Parse({}).error, "");
    EXPECT_NE(Parse({"--port", "COM1"}).error, "");
    EXPECT_NE(Parse({"--ip"}).error, "");
    EXPECT_NE(Parse({"--ip", "192.168.1"}).error, "");
    EXPECT_NE(Parse({"--ip", "10.0.0.2", "--mask", "255.255.255.256"}).error, "");
    EXPECT_NE(Parse({"--ip", "10.0.0.2", "--port="}).error, "");
    EXPECT_NE(Parse({"--ip", "10.0.0.2", "--speed", "9600"}).error, "");
    EXPECT_NE(Parse({"--ipaddress", "10.0.0.2"}).error, "");
}

TEST(SetIpCommandLine, HelpNeedsNothingElse) {
    const auto parsed = Parse({"--help"});
    EXPECT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.help);
    EXPECT_TRUE(Parse({"-h"}).options.help);
}

TEST(SetIpCommandLine, RegserverAnywhereAsksToRegister) {
    for (std::vector<std::string_view> arguments : {std::vector<std::string_view>{"regserver"},
                                                    {"/RegServer"},
                                                    {"-platform", "-REGSERVER"},
                                                    {"--ip", "10.0.0.2", "regserver"}}) {
        EXPECT_TRUE(AsksToRegister(arguments));
    }
    EXPECT_FALSE(AsksToRegister(std::vector<std::string_view>{"--ip", "10.0.0.2"}));
    EXPECT_FALSE(AsksToRegister(std::vector<std::string_view>{}));
}

TEST(SetIpCommandLine, OnlyTheToolsOwnOptionsSelectTheCommandLineForm) {
    EXPECT_TRUE(IsCommandLineUse(std::vector<std::string_view>{"--ip", "10.0.0.2"}));
    EXPECT_TRUE(IsCommandLineUse(std::vector<std::string_view>{"--port=COM1"}));
    EXPECT_TRUE(IsCommandLineUse(std::vector<std::string_view>{"--help"}));
    EXPECT_FALSE(IsCommandLineUse(std::vector<std::string_view>{}));
    EXPECT_FALSE(IsCommandLineUse(std::vector<std::string_view>{"-platform", "offscreen"}));
}

TEST(SetIpCommandLineRun, UsageErrorsExitWithTwoAndShowTheUsage) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(std::vector<std::string_view>{"--ip", "1.2.3"}, out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("Usage: KVTSetIP"), std::string::npos);
}

TEST(SetIpCommandLineRun, AddressStartingWithZeroNeedsMaskAndGateway) {
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(std::vector<std::string_view>{"--ip", "0.1.2.3"}, out, err), 2);
    EXPECT_NE(err.str().find("--mask"), std::string::npos);
}

TEST(SetIpCommandLineRun, MaskAndGatewayFollowTheAddress) {
    sim::SimulatedUnit unit;
    const std::string port = unit.StartPty();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(std::vector<std::string_view>{"--port", port, "--ip", "172.16.5.9"},
                             out, err),
              0);
    EXPECT_EQ(out.str(), "KVT-80 IP address information was successfully configured\n");
    EXPECT_EQ(err.str(), "");
    ASSERT_TRUE(unit.WaitForLines(5, kGenerousTimeout));
    EXPECT_EQ(unit.ReceivedLines()[3], "mask 255\t255\t0\t0");
    EXPECT_EQ(unit.ReceivedLines()[4], "gateway 172\t16\t5\t1");
}

TEST(SetIpCommandLineRun, GivenMaskAndGatewayAreSentAsGiven) {
    sim::SimulatedUnit unit;
    const std::string port = unit.StartPty();
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(
        RunCommandLine(std::vector<std::string_view>{"--port", port, "--ip", "10.1.2.3", "--mask",
                                                     "255.255.255.0", "--gateway", "10.1.2.254"},
                       out, err),
        0);
    ASSERT_TRUE(unit.WaitForLines(5, kGenerousTimeout));
    EXPECT_EQ(unit.ReceivedLines()[3], "mask 255\t255\t255\t0");
    EXPECT_EQ(unit.ReceivedLines()[4], "gateway 10\t1\t2\t254");
}

}  // namespace
}  // namespace kvt::setip::test
