// Echo, prompt and refusal: the frame every reply of the unit has.
#include <gtest/gtest.h>

#include "SimTestSupport.h"

namespace kvt::sim::test {
namespace {

TEST(ReplyFrame, EmptyLineAnswersEchoAndPrompt) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(unit.Exchange("\r"), "\r\n>");
}

TEST(ReplyFrame, LineFeedAfterCarriageReturnIsIgnored) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(unit.Exchange("picver\r\n"), "picver\r\n021400\r\n>");
}

TEST(ReplyFrame, NothingIsAnsweredBeforeTheCarriageReturn) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(unit.Exchange("picver"), "");
    EXPECT_EQ(unit.Exchange("\r"), "picver\r\n021400\r\n>");
}

TEST(ReplyFrame, UnknownCommandIsRefusedWithBel) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "frobnicate 12"), "frobnicate 12\r\n\x07\r\n>");
}

TEST(ReplyFrame, RefusalKeepsTheCurrentSelectionInThePrompt) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 62");
    EXPECT_EQ(Ask(unit, "nonsense"), "nonsense\r\n\x07\r\n62>");
}

TEST(ReplyFrame, CommandWordIsNotCaseSensitive) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "PICVER"), "PICVER\r\n021400\r\n>");
}

TEST(ReplyFrame, BackspaceTakesBackTheLastCharacter) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(unit.Exchange("picvex\x08r\r"), "picver\r\n021400\r\n>");
}

TEST(ReplyFrame, OverlongLineIsRefusedAndTheUnitCarriesOn) {
    auto unit = MakeInterpreter();
    const std::string longLine = "picver" + std::string(1000, ' ');
    const std::string reply = Ask(unit, longLine);
    EXPECT_TRUE(EndsWith(reply, "\x07\r\n>"));
    EXPECT_LE(reply.size(), InputFramer::kMaxLineLength + 8);
    EXPECT_EQ(Ask(unit, "picver"), "picver\r\n021400\r\n>");
}

TEST(Selection, PromptIsBareBeforeAnySelection) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(unit.Prompt(), ">");
}

TEST(Selection, OpenAnswersOnlyThePromptWithTheNewSelection) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "open 93"), "open 93\r\n93>");
}

TEST(Selection, PromptShowsPageAndUnitAsUpperCaseHexDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"open 91", "91>"}, {"open 92", "92>"}, {"open 93", "93>"}, {"open 9F", "9F>"},
        {"open 61", "61>"}, {"open 62", "62>"}, {"open 6B", "6B>"}, {"open 6f", "6F>"},
    };
    for (const auto& [line, prompt] : cases) {
        auto unit = MakeInterpreter();
        EXPECT_TRUE(EndsWith(Ask(unit, line), std::string("\r\n") + prompt)) << line;
    }
}

TEST(Selection, UnknownPairsAreRefusedAndKeepTheSelection) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 91");
    for (const char* line :
         {"open 94", "open 63", "open 11", "open 9", "open 9FF", "open", "open zz"}) {
        EXPECT_EQ(Ask(unit, line), std::string(line) + "\r\n\x07\r\n91>") << line;
    }
}

TEST(Selection, CloseDeselects) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 6B");
    EXPECT_EQ(Ask(unit, "close"), "close\r\n>");
    EXPECT_EQ(unit.Prompt(), ">");
}

TEST(Selection, SelectionsMapToTheirParameterBlocks) {
    EXPECT_EQ(BlockOfSelection(Selection{9, 1}), 1);
    EXPECT_EQ(BlockOfSelection(Selection{9, 2}), 2);
    EXPECT_EQ(BlockOfSelection(Selection{9, 3}), 3);
    EXPECT_EQ(BlockOfSelection(Selection{6, 1}), 4);
    EXPECT_EQ(BlockOfSelection(Selection{6, 2}), 5);
    EXPECT_EQ(BlockOfSelection(Selection{6, 0xB}), 6);
    EXPECT_EQ(BlockOfSelection(Selection{9, 0xF}), -1);
    EXPECT_EQ(BlockOfSelection(std::nullopt), -1);
}

TEST(MenuMode, EveryLineIsAnsweredWithClearScreenAndMenuWithoutPrompt) {
    auto unit = MakeInterpreter();
    unit.State().menuMode = true;
    const std::string reply = unit.Exchange("\r");
    EXPECT_TRUE(reply.starts_with("\x1b[2J"));
    EXPECT_NE(reply.find("Select:"), std::string::npos);
    EXPECT_EQ(reply.find('>'), std::string::npos);
    EXPECT_EQ(Ask(unit, "status"), reply);
}

TEST(MenuMode, EscapeLeavesTheMenuAndShowsThePrompt) {
    auto unit = MakeInterpreter();
    unit.State().menuMode = true;
    EXPECT_EQ(unit.Exchange("\x1b"), "\r\n>");
    EXPECT_FALSE(unit.State().menuMode);
    EXPECT_EQ(unit.Exchange("\r"), "\r\n>");
}

TEST(MenuMode, EscapeOutsideTheMenuShowsThePrompt) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 93");
    EXPECT_EQ(unit.Exchange("\x1b"), "\r\n93>");
}

TEST(MenuMode, EscapeDropsAHalfTypedLine) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(unit.Exchange("clru3 1C\x1b"), "\r\n>");
    EXPECT_EQ(unit.Exchange("\r"), "\r\n>");
    EXPECT_FALSE(unit.State().panel.muted);
}

TEST(InputFramer, EscapeIsAnInputOfItsOwn) {
    InputFramer framer;
    const auto input = framer.Take('\x1b');
    ASSERT_TRUE(input);
    EXPECT_EQ(input->kind, UnitInput::Kind::Escape);
}

TEST(InputFramer, CarriageReturnCompletesTheLineWithoutIt) {
    InputFramer framer;
    for (const char c : std::string_view("rdu3")) {
        EXPECT_FALSE(framer.Take(c));
    }
    const auto input = framer.Take('\r');
    ASSERT_TRUE(input);
    EXPECT_EQ(input->kind, UnitInput::Kind::Line);
    EXPECT_EQ(input->text, "rdu3");
    EXPECT_FALSE(input->overflow);
}

TEST(InputFramer, LineBeyondTheBufferIsMarkedAndCut) {
    InputFramer framer;
    for (size_t i = 0; i < InputFramer::kMaxLineLength + 10; ++i) {
        framer.Take('a');
    }
    const auto input = framer.Take('\r');
    ASSERT_TRUE(input);
    EXPECT_TRUE(input->overflow);
    EXPECT_EQ(input->text.size(), InputFramer::kMaxLineLength);
    const auto next = framer.Take('\r');
    ASSERT_TRUE(next);
    EXPECT_FALSE(next->overflow);
}

}  // namespace
}  // namespace kvt::sim::test
