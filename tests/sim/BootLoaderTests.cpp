// The controller's boot loader: entering it, its records and regions, leaving it, and its line
// under injected faults.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "OperatorConsole.h"
#include "SimTestSupport.h"
#include "SimulatedUnit.h"
#include "TextFields.h"

namespace kvt::sim::test {
namespace {

constexpr std::string_view kCountingBytes = "00112233445566778899AABBCCDDEEFF";

// A "W" (six address digits) or "D" (four) record with its checksum.
std::string Record(char command, uint32_t address, std::string_view data) {
    const int addressBytes = command == 'W' ? 3 : 2;
    uint32_t sum = 0;
    for (int i = 0; i < addressBytes; ++i) {
        sum += (address >> (8 * i)) & 0xFFu;
    }
    for (size_t i = 0; i < data.size(); i += 2) {
        sum += *ParseHex(data.substr(i, 2), 2);
    }
    char head[16];
    std::snprintf(head, sizeof head, "%c %0*X ", command, 2 * addressBytes,
                  static_cast<unsigned>(address));
    char checksum[4];
    std::snprintf(checksum, sizeof checksum, " %02X", (0x100u - (sum & 0xFFu)) & 0xFFu);
    return head + std::string(data) + checksum;
}

std::vector<uint8_t> Bytes(std::string_view hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < hex.size(); i += 2) {
        bytes.push_back(static_cast<uint8_t>(*ParseHex(hex.substr(i, 2), 2)));
    }
    return bytes;
}

UnitInterpreter InterpreterInBootLoader() {
    auto unit = MakeInterpreter();
    PowerCycleUnitHoldingS5(unit.State());
    return unit;
}

TEST(BootLoader, IdentifiesWithoutEchoAndAnswersNToAnythingElse) {
    auto unit = InterpreterInBootLoader();
    EXPECT_EQ(Ask(unit, "?"), "BOOT KVT80 1.0\r\n");
    const std::string data(kCountingBytes);
    const std::vector<std::string> lines{"",
                                         "picver",
                                         "e",
                                         "E now",
                                         "R 1",
                                         "W 000000",
                                         "W 0000 " + data + " 08",
                                         "W 000000 " + data + "0 08",
                                         "D 0000 XX112233445566778899AABBCCDDEEFF 00",
                                         std::string(300, 'W')};
    for (const auto& line : lines) {
        EXPECT_EQ(Ask(unit, line), "N\r\n") << line;
    }
    EXPECT_EQ(unit.Exchange("\x1b"), "");
    EXPECT_TRUE(unit.State().controller.bootLoaderRunning);
}

TEST(BootLoader, ProgramMemoryTakesALineOnlyWhereErased) {
    auto unit = InterpreterInBootLoader();
    const auto& program = unit.State().controller.memories.program;
    const std::vector<uint8_t> firmware(program.begin(), program.begin() + 16);
    EXPECT_EQ(Ask(unit, "W 000000 00112233445566778899AABBCCDDEEFF 08"), "F 000000\r\n");
    EXPECT_TRUE(std::equal(firmware.begin(), firmware.end(), program.begin()));

    EXPECT_EQ(Ask(unit, "E"), "K\r\n");
    EXPECT_TRUE(std::all_of(program.begin(), program.end(), [](uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(Ask(unit, "W 000000 00112233445566778899AABBCCDDEEFF 08"), "K 000000\r\n");
    EXPECT_EQ(Ask(unit, Record('W', 0x01FFF0, "0102030405060708090A0B0C0D0E0F10")), "K 01FFF0\r\n");
    // The same line again reads back right; other data over it cannot be programmed.
    EXPECT_EQ(Ask(unit, "w 000000 00112233445566778899aabbccddeeff 08"), "N\r\n");
    EXPECT_EQ(Ask(unit, "W 000000 00112233445566778899aabbccddeeff 08"), "K 000000\r\n");
    EXPECT_EQ(Ask(unit, Record('W', 0, "FF112233445566778899AABBCCDDEEFF")), "F 000000\r\n");
    EXPECT_EQ(std::vector<uint8_t>(program.begin(), program.begin() + 16), Bytes(kCountingBytes));
    EXPECT_EQ(program[0x01FFFF], 0x10);
    EXPECT_EQ(program[0x000010], 0xFF);
}

TEST(BootLoader, RefusesBadChecksumsAndAddressesOffTheGridOrOutsideTheRegions) {
    auto unit = InterpreterInBootLoader();
    Ask(unit, "E");
    EXPECT_EQ(Ask(unit, "W 000000 00112233445566778899AABBCCDDEEFF 09"), "C 000000\r\n");
    EXPECT_EQ(Ask(unit, "D 0100 00112233445566778899AABBCCDDEEFF 08"), "C 0100\r\n");
    for (const uint32_t address : {0x000008u, 0x020000u, 0x100000u, 0x200010u, 0x300010u}) {
        const std::string record = Record('W', address, kCountingBytes);
        EXPECT_EQ(Ask(unit, record), "A " + record.substr(2, 6) + "\r\n") << record;
    }
    EXPECT_EQ(Ask(unit, Record('D', 0x0400, kCountingBytes)), "A 0400\r\n");
    EXPECT_EQ(Ask(unit, Record('D', 0x0005, kCountingBytes)), "A 0005\r\n");
    const auto& program = unit.State().controller.memories.program;
    EXPECT_TRUE(std::all_of(program.begin(), program.end(), [](uint8_t b) { return b == 0xFF; }));
}

TEST(BootLoader, UserIdConfigurationAndEepromAreWrittenWhateverTheyHeld) {
    auto unit = InterpreterInBootLoader();
    const auto& memories = unit.State().controller.memories;
    const std::string userId =
        "313233343536AA55"
        "0102030405060708";
    EXPECT_EQ(Ask(unit, Record('W', 0x200000, userId)), "K 200000\r\n");
    EXPECT_EQ(Ask(unit, Record('W', 0x300000, kCountingBytes)), "K 300000\r\n");
    EXPECT_EQ(Ask(unit, Record('D', 0x03F0, kCountingBytes)), "K 03F0\r\n");
    EXPECT_EQ(Ask(unit, Record('D', 0x03F0, "0102030405060708090A0B0C0D0E0F10")), "K 03F0\r\n");

    const auto expectedUserId = Bytes(userId.substr(0, 16));
    EXPECT_TRUE(std::equal(memories.userId.begin(), memories.userId.end(), expectedUserId.begin()));
    const auto counting = Bytes(kCountingBytes);
    EXPECT_TRUE(
        std::equal(memories.configuration.begin(), memories.configuration.end(), counting.begin()));
    EXPECT_EQ(memories.eeprom[0x3F0], 0x01);
    EXPECT_EQ(memories.eeprom[0x3FF], 0x10);
    EXPECT_EQ(memories.eeprom[0x3EF], 0xFF);
}

TEST(BootLoader, RStartsTheFirmwareWithTheVersionFromTheUserId) {
    auto unit = InterpreterInBootLoader();
    Ask(unit, Record('W', 0x200000, "303331353030FFFF0000000000000000"));
    EXPECT_EQ(Ask(unit, "R"), "K\r\n>");
    EXPECT_FALSE(unit.State().controller.bootLoaderRunning);
    EXPECT_EQ(Ask(unit, "picver"), "picver\r\n031500\r\n>");
    EXPECT_EQ(unit.Exchange("\x1b"), "\r\n>");

    // A user ID that is no text leaves the version the firmware had.
    PowerCycleUnitHoldingS5(unit.State());
    Ask(unit, Record('W', 0x200000, "00FF00FF00FF00FF0000000000000000"));
    EXPECT_EQ(Ask(unit, "R"), "K\r\n>");
    EXPECT_EQ(Ask(unit, "picver"), "picver\r\n031500\r\n>");
}

TEST(BootLoader, EveryPowerUpRunsItWhileTheFirmwareIsMissing) {
    auto unit = InterpreterInBootLoader();
    PowerCycleUnit(unit.State());
    EXPECT_FALSE(unit.State().controller.bootLoaderRunning);  // firmware there: it starts

    PowerCycleUnitHoldingS5(unit.State());
    Ask(unit, "E");
    Ask(unit, "W 000000 00112233445566778899AABBCCDDEEFF 08");
    PowerCycleUnit(unit.State());
    EXPECT_TRUE(unit.State().controller.bootLoaderRunning);
    EXPECT_EQ(Ask(unit, "?"), "BOOT KVT80 1.0\r\n");
    EXPECT_EQ(Ask(unit, "R"), "K\r\n>");
    PowerCycleUnit(unit.State());
    EXPECT_FALSE(unit.State().controller.bootLoaderRunning);
    EXPECT_EQ(Ask(unit, "picver"), "picver\r\n021400\r\n>");
}

// The library and the console, with the unit serving a pseudo-terminal.
class BootLoaderLine : public ::testing::Test {
  protected:
    void SetUp() override { client_.emplace(LineClient::OpenPty(unit_.StartPty())); }

    std::string Send(std::string_view line) {
        client_->Send(std::string(line) + "\r");
        return client_->ReadUntil([](const std::string& text) { return text.ends_with("\r\n"); });
    }

    SimulatedUnit unit_;
    std::optional<LineClient> client_;
};

TEST_F(BootLoaderLine, WholeDownloadThroughTheLineThenThePromptComesBack) {
    EXPECT_FALSE(unit_.BootLoaderRunning());
    unit_.PowerCycleHoldingS5();
    EXPECT_TRUE(unit_.BootLoaderRunning());
    EXPECT_EQ(Send("?"), "BOOT KVT80 1.0\r\n");
    EXPECT_EQ(Send("E"), "K\r\n");
    EXPECT_EQ(Send(Record('W', 0x000100, kCountingBytes)), "K 000100\r\n");
    EXPECT_EQ(Send(Record('W', 0x200000, "303232303030FFFFFFFFFFFFFFFFFFFF")), "K 200000\r\n");
    EXPECT_EQ(Send(Record('D', 0x0010, kCountingBytes)), "K 0010\r\n");
    const ControllerMemories firmware = unit_.ControllerFirmware();
    EXPECT_EQ(
        std::vector<uint8_t>(firmware.program.begin() + 0x100, firmware.program.begin() + 0x110),
        Bytes(kCountingBytes));
    EXPECT_EQ(firmware.program[0], 0xFF);
    EXPECT_EQ(firmware.eeprom[0x11], 0x11);
    EXPECT_EQ(firmware.eeprom[0x0F], 0xFF);

    client_->Send("R\r");
    EXPECT_EQ(client_->ReadUntil([](const std::string& text) { return text.ends_with(">"); }),
              "K\r\n>");
    EXPECT_FALSE(unit_.BootLoaderRunning());
    EXPECT_EQ(client_->Exchange("picver"), "picver\r\n022000\r\n>");
}

TEST_F(BootLoaderLine, FaultsStrikeBootLoaderLinesLikeAnyOther) {
    unit_.PowerCycleHoldingS5();
    Fault drop;
    drop.match = "W 000100";
    unit_.InjectFault(drop);
    Fault bell;
    bell.kind = FaultKind::BellReply;
    bell.match = "?";
    unit_.InjectFault(bell);

    EXPECT_EQ(Send("?"), "N\r\n");
    EXPECT_EQ(Send("E"), "K\r\n");
    client_->Send(Record('W', 0x000100, kCountingBytes) + "\r");
    ASSERT_TRUE(unit_.WaitForLines(3, kGenerousTimeout));
    EXPECT_FALSE(client_->ReadOnce(std::chrono::milliseconds{150}));
    EXPECT_EQ(unit_.ControllerFirmware().program[0x100], 0xFF);  // swallowed, not written
    EXPECT_EQ(Send(Record('W', 0x000100, kCountingBytes)), "K 000100\r\n");
}

TEST_F(BootLoaderLine, ConsolePowerCycles) {
    EXPECT_EQ(RunOperatorCommand(unit_, "power-cycle S5"),
              "ok power cycled holding S5; boot loader running");
    EXPECT_EQ(Send("E"), "K\r\n");
    EXPECT_EQ(RunOperatorCommand(unit_, "power-cycle"),
              "ok power cycled; no firmware, boot loader running");
    EXPECT_EQ(RunOperatorCommand(unit_, "power-cycle s6"),
              "error: power-cycle takes nothing, or s5 to hold S5 for the boot loader; type "
              "\"power-cycle s5\"");
    EXPECT_TRUE(unit_.BootLoaderRunning());
    EXPECT_EQ(Send("?"), "BOOT KVT80 1.0\r\n");
}

}  // namespace
}  // namespace kvt::sim::test
