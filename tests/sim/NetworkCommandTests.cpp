// The Ethernet option's settings: the lines the network set-up tool sends, their refusals and
// query forms, and what the unit keeps over a power cycle.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "OperatorConsole.h"
#include "SimTestSupport.h"
#include "SimulatedUnit.h"

namespace kvt::sim::test {
namespace {

// Exactly what the set-up tool sends, in its order, CR included.
constexpr const char* kSetUpLines[] = {
    "close\r",
    "dhcp 0\r",
    "ip 192\t168\t1\t20\r",
    "mask 255\t255\t255\t0\r",
    "gateway 192\t168\t1\t1\r",
};

NetworkSettings SetUpToolSettings() {
    NetworkSettings settings;
    settings.dhcp = false;
    settings.ip = {192, 168, 1, 20};
    settings.mask = {255, 255, 255, 0};
    settings.gateway = {192, 168, 1, 1};
    return settings;
}

// The echo without the CR, CR LF, and the prompt with nothing selected.
std::string EchoAndPrompt(std::string_view line) {
    line.remove_suffix(1);
    return std::string(line) + "\r\n>";
}

TEST(NetworkCommands, TheSetUpToolsLinesAnswerEchoAndPromptAndAreKept) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 93");
    for (const char* line : kSetUpLines) {
        EXPECT_EQ(unit.Exchange(line), EchoAndPrompt(line)) << line;
    }
    EXPECT_EQ(unit.State().network, SetUpToolSettings());
}

TEST(NetworkCommands, TheSetUpToolsLinesOverThePseudoTerminal) {
    SimulatedUnit unit;
    LineClient client = LineClient::OpenPty(unit.StartPty());
    std::string replies;
    std::string expected;
    for (const char* line : kSetUpLines) {
        client.Send(line);
        replies += client.ReadUntil([](const std::string& text) { return text.ends_with(">"); });
        expected += EchoAndPrompt(line);
    }
    EXPECT_EQ(replies, expected);
    EXPECT_EQ(unit.Network(), SetUpToolSettings());
}

TEST(NetworkCommands, MalformedValuesAreRefusedAndChangeNothing) {
    auto unit = MakeInterpreter();
    unit.State().network = SetUpToolSettings();
    const char* const refused[] = {
        "ip 10\t0\t0",
        "ip 10\t0\t0\t1\t5",
        "ip 256\t0\t0\t1",
        "ip 10\t0\t0\t1a",
        "ip +10\t0\t0\t1",
        "ip -1\t0\t0\t1",
        "ip 0010\t0\t0\t1",
        "ip 10.0.0.1",
        "mask 255\t255\t255",
        "gateway x\t0\t0\t1",
        "dhcp 2",
        "dhcp 0\t1",
        "dhcp on",
        "dhcp 01",
    };
    for (const char* line : refused) {
        EXPECT_EQ(Ask(unit, line), std::string(line) + "\r\n\x07\r\n>") << line;
    }
    EXPECT_EQ(unit.State().network, SetUpToolSettings());
}

TEST(NetworkCommands, BlanksSeparateOctetsTooAndLeadingZerosReadAsDecimal) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "ip 10 0\t000 255"), "ip 10 0\t000 255\r\n>");
    EXPECT_EQ(Ask(unit, "GATEWAY  010  020 030 040"), "GATEWAY  010  020 030 040\r\n>");
    EXPECT_EQ(unit.State().network.ip, (std::array<uint8_t, 4>{10, 0, 0, 255}));
    EXPECT_EQ(unit.State().network.gateway, (std::array<uint8_t, 4>{10, 20, 30, 40}));
}

TEST(NetworkCommands, WithoutFieldsEachAnswersItsSetting) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "dhcp"), "dhcp\r\n1\r\n>");
    EXPECT_EQ(Ask(unit, "ip"), "ip\r\n0\t0\t0\t0\r\n>");
    unit.State().network = SetUpToolSettings();
    Ask(unit, "open 6F");
    EXPECT_EQ(Ask(unit, "dhcp"), "dhcp\r\n0\r\n6F>");
    EXPECT_EQ(Ask(unit, "ip"), "ip\r\n192\t168\t1\t20\r\n6F>");
    EXPECT_EQ(Ask(unit, "mask"), "mask\r\n255\t255\t255\t0\r\n6F>");
    EXPECT_EQ(Ask(unit, "gateway"), "gateway\r\n192\t168\t1\t1\r\n6F>");
}

TEST(NetworkCommands, SettingsSurviveAPowerCycle) {
    SimulatedUnit unit;
    EXPECT_EQ(unit.Network(), NetworkSettings{});
    EXPECT_TRUE(unit.Network().dhcp);
    unit.SetNetwork(SetUpToolSettings());
    unit.PowerCycle();
    EXPECT_EQ(unit.Network(), SetUpToolSettings());
    unit.PowerCycleHoldingS5();
    EXPECT_EQ(unit.Network(), SetUpToolSettings());
}

TEST(OperatorCommands, NetworkShowsTheSettingsDotted) {
    SimulatedUnit unit;
    EXPECT_EQ(RunOperatorCommand(unit, "network"),
              "ok dhcp on, ip 0.0.0.0, mask 0.0.0.0, gateway 0.0.0.0");
    unit.SetNetwork(SetUpToolSettings());
    EXPECT_EQ(RunOperatorCommand(unit, "Network"),
              "ok dhcp off, ip 192.168.1.20, mask 255.255.255.0, gateway 192.168.1.1");
    EXPECT_EQ(RunOperatorCommand(unit, "network now"),
              "error: network takes no value; type \"network\"");
}

}  // namespace
}  // namespace kvt::sim::test
