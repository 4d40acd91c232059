// Working and stored memory, the power cycle, and the personality module's card image.
#include <gtest/gtest.h>

#include "OperatorConsole.h"
#include "SimTestSupport.h"
#include "SimulatedUnit.h"
#include "StatusFields.h"

namespace kvt::sim::test {
namespace {

// Words the factory state leaves at 0 and the analyser does not look at.
constexpr uint32_t kSpare = 0x3F0;
constexpr uint32_t kSpareEeprom = 0x7F0;

TEST(StoredMemory, SavevalsStoresTheSelectedProcessorOnly) {
    auto unit = MakeInterpreter();
    for (const char* open : {"open 91", "open 92"}) {
        Ask(unit, open);
        Ask(unit, "wrtval 3F0 11");
    }
    EXPECT_EQ(StoredWord(unit.State(), 2, kSpare), 0u);
    EXPECT_EQ(Ask(unit, "savevals"), "savevals\r\n686921\r\n92>");
    EXPECT_EQ(StoredWord(unit.State(), 2, kSpare), 0x11u);
    EXPECT_EQ(StoredWord(unit.State(), 1, kSpare), 0u);
    EXPECT_EQ(unit.State().memory.Read(1, kSpare), 0x11u);
}

TEST(StoredMemory, OutputProcessorKeepsWritesAtOnce) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 6B");
    Ask(unit, "wrtx 3F0 44");
    EXPECT_EQ(StoredWord(unit.State(), 6, kSpare), 0x44u);
    PowerCycleUnit(unit.State());
    EXPECT_EQ(unit.State().memory.Read(6, kSpare), 0x44u);
}

TEST(PowerCycle, ReturnsToTheStoredMemoryKeepsTheEepromAndPlaysThePowerOnButton) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 91");
    Ask(unit, "wrtval 3F0 22");
    Ask(unit, "savevals");
    Ask(unit, "wrtval 3F0 33 44");
    Ask(unit, "wreep 7F0 5A");
    Ask(unit, "wreep 13 4");  // power-on entry 4: button 5, which holds format 8
    Ask(unit, "level 37");
    const auto before = StatusFields(unit.State());

    PowerCycleUnit(unit.State());
    const UnitState& state = unit.State();
    EXPECT_EQ(state.memory.Read(1, kSpare), 0x22u);
    EXPECT_EQ(state.memory.Read(1, kSpare + 1), 0u);
    EXPECT_EQ(state.memory.Read(0, kSpareEeprom), 0x5Au);
    EXPECT_EQ(Ask(unit, ""), "\r\n>");
    EXPECT_EQ(state.panel.button, 5);
    EXPECT_EQ(state.panel.format, 8);
    EXPECT_EQ(state.panel.level, 0x37);
    EXPECT_EQ(StatusFields(state)[43], before[43] + 1);  // power-on count
    EXPECT_EQ(StatusFields(state)[44], 0u);              // saves since power-on
}

TEST(CardImage, WritesWhileTheCardIsOpenGoToTheCardUntilClosemmc) {
    auto unit = MakeInterpreter();
    Ask(unit, "openmmc");
    Ask(unit, "open 6B");
    Ask(unit, "wrtx 3F0 1234567 2");
    Ask(unit, "wreep 7F0 1FF");
    EXPECT_TRUE(EndsWith(Ask(unit, "wrtx 3FF 1 2"), "\x07\r\n6B>"));
    const CardWords expected{
        {{6, kSpare}, 0x234567}, {{6, kSpare + 1}, 2}, {{0, kSpareEeprom}, 0xFF}};
    EXPECT_EQ(unit.State().cardImage, expected);
    EXPECT_EQ(Ask(unit, "rdx 00 3F0"), "rdx 00 3F0\r\n000000\r\n6B>");
    EXPECT_EQ(unit.State().memory.Read(0, kSpareEeprom), 0u);

    EXPECT_EQ(Ask(unit, "closemmc"), "closemmc\r\n6B>");
    Ask(unit, "wrtx 3F0 7");
    EXPECT_EQ(unit.State().memory.Read(6, kSpare), 7u);
    EXPECT_EQ(unit.State().cardImage, expected);
}

// The library's side, with the unit serving a line.
TEST(StoredMemoryLibrary, PresetsWorkingWritesAndPowerCycle) {
    SimulatedUnit unit;
    LineClient client = LineClient::OpenPty(unit.StartPty());
    unit.SetMemory(3, kSpare, 0x10);
    unit.SetWorkingMemory(3, kSpare, 0x20);
    EXPECT_EQ(unit.StoredMemory(3, kSpare), 0x10u);
    EXPECT_EQ(client.Exchange("open 93"), "open 93\r\n93>");
    EXPECT_EQ(client.Exchange("rdval 00 3F0"), "rdval 00 3F0\r\n000020\r\n93>");
    unit.PowerCycle();
    EXPECT_EQ(unit.Memory(3, kSpare), 0x10u);
    EXPECT_EQ(client.Exchange("rdval 00 3F0"), "rdval 00 3F0\r\n\x07\r\n>");
}

TEST(StoredMemoryLibrary, CardAnswersComeInOrderThenTheUsualOnesResume) {
    SimulatedUnit unit;
    LineClient client = LineClient::OpenPty(unit.StartPty());
    unit.SetCardAnswers({0x2A, 0x2A});
    EXPECT_EQ(client.Exchange("openmmc"), "openmmc\r\n00002A\r\n>");
    EXPECT_EQ(client.Exchange("openmmc"), "openmmc\r\n00002A\r\n>");
    EXPECT_TRUE(unit.CardOpen());
    client.Exchange("wreep 7F0 A5");
    EXPECT_EQ(unit.CardWord(0, kSpareEeprom), 0xA5u);
    EXPECT_EQ(unit.CardWord(0, kSpareEeprom + 1), std::nullopt);
    EXPECT_EQ(client.Exchange("openmmc"), "openmmc\r\n00002B\r\n>");

    unit.SetCardPresent(false);
    EXPECT_EQ(client.Exchange("openmmc"), "openmmc\r\nFFFFFF\r\n>");
    EXPECT_FALSE(unit.CardOpen());
    unit.ClearCardImage();
    EXPECT_TRUE(unit.CardImage().empty());
}

TEST(OperatorCommands, PowerCycleAnswersThePanelItComesUpWith) {
    SimulatedUnit unit;
    unit.SetWorkingMemory(1, kSpare, 2);
    EXPECT_EQ(RunOperatorCommand(unit, "Power-Cycle"),
              "ok power cycled; button 3, format 2 (Stereo SR)");
    EXPECT_EQ(unit.Memory(1, kSpare), 0u);
    EXPECT_EQ(RunOperatorCommand(unit, "power-cycle now"),
              "error: power-cycle takes nothing, or s5 to hold S5 for the boot loader; type "
              "\"power-cycle s5\"");
}

}  // namespace
}  // namespace kvt::sim::test
