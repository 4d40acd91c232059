// The front panel through the command interpreter.
#include <gtest/gtest.h>

#include "SimTestSupport.h"

namespace kvt::sim::test {
namespace {

// The factory panel: button 1 playing format 0 (Mono), projector 1 (preamp 0), level 70.
TEST(FrontPanel, StartsAtLevel70Format0Preamp0Unmuted) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "level ?"), "level ?\r\n46\r\n>");
    EXPECT_EQ(Ask(unit, "button ?"), "button ?\r\n0\r\n>");
    EXPECT_EQ(Ask(unit, "projector ?"), "projector ?\r\n0\r\n>");
    EXPECT_EQ(Ask(unit, "rdu3"), "rdu3\r\n1\r\n>");
    EXPECT_EQ(unit.State().panel.button, 1);
}

// Factory buttons 1..8 hold formats 0, 1, 2, 3, 8, 4, 5, 6; "button ?" answers the format.
TEST(FrontPanel, ButtonPlaysTheFormatItsEepromEntryHolds) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "button 5"), "button 5\r\n>");
    EXPECT_EQ(unit.State().panel.button, 5);
    EXPECT_EQ(Ask(unit, "button ?"), "button ?\r\n8\r\n>");
    EXPECT_EQ(Ask(unit, "button 4 x"), "button 4 x\r\n>");
    EXPECT_EQ(unit.State().panel.format, 3);
    Ask(unit, "wreep 000015 0C");  // button 2 now holds format 12
    Ask(unit, "button 2");
    EXPECT_EQ(Ask(unit, "button ?"), "button ?\r\nC\r\n>");
}

TEST(FrontPanel, ButtonNineAndButtonsHoldingNoFormatKeepTheFormat) {
    auto unit = MakeInterpreter();
    Ask(unit, "button 3");
    EXPECT_EQ(Ask(unit, "button 9"), "button 9\r\n>");
    EXPECT_EQ(unit.State().panel.button, 9);
    Ask(unit, "wreep 000014 10");  // button 1's entry names no format
    Ask(unit, "button 1");
    EXPECT_EQ(unit.State().panel.button, 1);
    EXPECT_EQ(Ask(unit, "button ?"), "button ?\r\n2\r\n>");
}

TEST(FrontPanel, ButtonOutsideOneToNineIsRefused) {
    auto unit = MakeInterpreter();
    for (const char* line : {"button 0", "button A", "button", "button 3 y", "button 12"}) {
        EXPECT_EQ(Ask(unit, line), std::string(line) + "\r\n\x07\r\n>") << line;
    }
    EXPECT_EQ(unit.State().panel.button, 1);
}

TEST(FrontPanel, ProjectorTakesOneOrTwoAndAnswersThePreampFromZero) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "projector 2"), "projector 2\r\n>");
    EXPECT_EQ(Ask(unit, "projector ?"), "projector ?\r\n1\r\n>");
    EXPECT_EQ(Ask(unit, "projector 3"), "projector 3\r\n\x07\r\n>");
    EXPECT_EQ(Ask(unit, "projector 0"), "projector 0\r\n\x07\r\n>");
    EXPECT_EQ(unit.State().panel.projector, 2);
}

TEST(FrontPanel, LevelIsHexUpTo64) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "level 64"), "level 64\r\n>");
    EXPECT_EQ(Ask(unit, "level ?"), "level ?\r\n64\r\n>");
    EXPECT_EQ(unit.State().panel.level, 100);
    EXPECT_EQ(Ask(unit, "level 0A"), "level 0A\r\n>");
    EXPECT_EQ(Ask(unit, "level ?"), "level ?\r\n0A\r\n>");
    EXPECT_EQ(Ask(unit, "level 65"), "level 65\r\n\x07\r\n>");
    EXPECT_EQ(unit.State().panel.level, 10);
}

TEST(FrontPanel, Clru3MutesAndSetu3Unmutes) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "clru3 1C"), "clru3 1C\r\n>");
    EXPECT_TRUE(unit.State().panel.muted);
    EXPECT_EQ(Ask(unit, "rdu3"), "rdu3\r\n0\r\n>");
    EXPECT_EQ(Ask(unit, "setu3 1C"), "setu3 1C\r\n>");
    EXPECT_FALSE(unit.State().panel.muted);
    EXPECT_EQ(Ask(unit, "rdu3"), "rdu3\r\n1\r\n>");
}

TEST(FrontPanel, U3CommandsOnOtherBitsAreRefused) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "clru3 02"), "clru3 02\r\n\x07\r\n>");
    EXPECT_FALSE(unit.State().panel.muted);
}

TEST(FrontPanel, Rdu3SetsBitThreeForAnAesEbuError) {
    auto unit = MakeInterpreter();
    unit.State().panel.aesEbuError = true;
    EXPECT_EQ(Ask(unit, "rdu3"), "rdu3\r\n9\r\n>");
    Ask(unit, "clru3 1C");
    EXPECT_EQ(Ask(unit, "rdu3"), "rdu3\r\n8\r\n>");
}

TEST(FrontPanel, CommandsWorkWhateverIsSelected) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 6B");
    EXPECT_EQ(Ask(unit, "level 20"), "level 20\r\n6B>");
    EXPECT_EQ(Ask(unit, "button ?"), "button ?\r\n0\r\n6B>");
}

}  // namespace
}  // namespace kvt::sim::test
