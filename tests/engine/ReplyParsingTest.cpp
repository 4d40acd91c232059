#include "protocol/ReplyParsing.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using namespace std::string_literals;

ReplyExpectation Echo(std::string echo) {
    ReplyExpectation expected;
    expected.echo = std::move(echo);
    return expected;
}

TEST(PromptSelection, DigitsAndTheTwoLetters) {
    EXPECT_EQ(PromptCharValue('0'), 0);
    EXPECT_EQ(PromptCharValue('9'), 9);
    EXPECT_EQ(PromptCharValue('B'), 11);
    EXPECT_EQ(PromptCharValue('F'), 15);
    EXPECT_EQ(PromptCharValue('A'), 0);
    EXPECT_EQ(PromptCharValue('b'), 0);
    EXPECT_EQ(PromptCharValue('\r'), 0);
}

TEST(PromptSelection, SixBGivesPageSixUnitEleven) {
    const std::string reply = "open 6B\r\n6B>";
    EXPECT_EQ(ReadPromptSelection(reply, reply.size() - 1), (PromptSelection{6, 11}));
}

TEST(PromptSelection, PromptWithoutTwoCharactersBeforeItIsUnknown) {
    EXPECT_EQ(ReadPromptSelection(">", 0), PromptSelection{});
    EXPECT_EQ(ReadPromptSelection("3>", 1), PromptSelection{});
    EXPECT_EQ(ReadPromptSelection("93>", 2), (PromptSelection{9, 3}));
    EXPECT_EQ(ReadPromptSelection("93>", 7), PromptSelection{});
}

TEST(ReplyCompletion, CompleteAtThePromptAfterTheEcho) {
    const auto expected = Echo("rdval 00 012");
    EXPECT_EQ(CheckReply("rdval 00 0", expected).state, ReplyState::Incomplete);
    EXPECT_EQ(CheckReply("rdval 00 012\r\n00001", expected).state, ReplyState::Incomplete);
    const std::string whole = "rdval 00 012\r\n000018\r\n91>";
    const ReplyCheck check = CheckReply(whole, expected);
    EXPECT_EQ(check.state, ReplyState::Complete);
    EXPECT_EQ(check.promptPos, whole.size() - 1);
}

TEST(ReplyCompletion, PromptOfAnEarlierReplyDoesNotCompleteThisOne) {
    const auto expected = Echo("rdval 00 012");
    // The tail of a late reply to another line, then the start of ours.
    EXPECT_EQ(CheckReply("000007\r\n93>", expected).state, ReplyState::Incomplete);
    EXPECT_EQ(CheckReply("000007\r\n93>rdval 00 012\r\n", expected).state, ReplyState::Incomplete);
    const ReplyCheck check = CheckReply("000007\r\n93>rdval 00 012\r\n000001\r\n93>", expected);
    EXPECT_EQ(check.state, ReplyState::Complete);
    EXPECT_EQ(check.start, 11u);
}

TEST(ReplyCompletion, GarbageBeforeTheEchoIsIgnored) {
    const auto expected = Echo("button ?");
    const std::string reply = "\x01\xfe\x07zz button ?\r\n3\r\n93>";
    const ReplyCheck check = CheckReply(reply, expected);
    EXPECT_EQ(check.state, ReplyState::Complete);  // the BEL lies before the echo
}

TEST(ReplyCompletion, BellAfterTheEchoRefusesTheLine) {
    EXPECT_EQ(CheckReply("open 77\r\n\x07\r\n>", Echo("open 77")).state, ReplyState::Refused);
    ReplyExpectation terminal = Echo("");
    terminal.bellRefuses = false;
    EXPECT_EQ(CheckReply("\x07\r\n93>", terminal).state, ReplyState::Complete);
}

TEST(ReplyCompletion, NeverCompleteWithoutTheEcho) {
    // The tail of a late reply to the same kind of line must not pass for this one's answer.
    EXPECT_EQ(CheckReply("000018\r\n91>", Echo("rdval 00 012")).state, ReplyState::Incomplete);
    EXPECT_EQ(CheckReply("rdval 00 013\r\n000099\r\n91>", Echo("rdval 00 012")).state,
              ReplyState::Incomplete);
}

TEST(ReplyCompletion, GreaterThanInsideTheAnswerIsNotThePrompt) {
    const auto expected = Echo("dumplog 6");
    // A read that happens to end right after a '>' in a log text.
    EXPECT_EQ(CheckReply("dumplog 6\r\n240101 101010 Route A->", expected).state,
              ReplyState::Incomplete);
    EXPECT_EQ(CheckReply("dumplog 6\r\n240101 101010 Ratio 2>", expected).state,
              ReplyState::Incomplete);
    const std::string whole = "dumplog 6\r\n240101 101010 Route A->B\r\n93>";
    const ReplyCheck check = CheckReply(whole, expected);
    EXPECT_EQ(check.state, ReplyState::Complete);
    EXPECT_EQ(ReadPromptSelection(whole, check.promptPos), (PromptSelection{9, 3}));
}

TEST(ReplyCompletion, PromptAloneOnItsLineCompletes) {
    EXPECT_EQ(CheckReply("close\r\n>", Echo("close")).state, ReplyState::Complete);
    EXPECT_EQ(CheckReply("close\r\n3>", Echo("close")).state, ReplyState::Complete);
    EXPECT_EQ(CheckReply("\r\n6B>", Echo("")).state, ReplyState::Complete);
    EXPECT_EQ(CheckReply(">", Echo("")).state, ReplyState::Complete);
}

TEST(ReplyCompletion, TrailingSpacesAfterThePromptAreAllowed) {
    EXPECT_EQ(CheckReply("close\r\n> ", Echo("close")).state, ReplyState::Complete);
}

TEST(ReplyCompletion, BinaryDataIsCountedNotSearched) {
    ReplyExpectation expected = Echo("rdvalb 01 1A");
    expected.binaryOffset = 15;
    expected.binaryBytes = 6;
    // Data bytes that look like a prompt, a bell and a terminator must not end or refuse the reply.
    const std::string head = "rdvalb 01 1A\r\n\r";
    const std::string data = "\x3E\x07\x00\x00\x3E\x3E"s;
    EXPECT_EQ(CheckReply(head + data.substr(0, 2), expected).state, ReplyState::Incomplete);
    EXPECT_EQ(CheckReply(head + data, expected).state, ReplyState::Incomplete);
    // The prompt may follow the data directly.
    EXPECT_EQ(CheckReply(head + data + "93>", expected).state, ReplyState::Complete);
    const std::string whole = head + data + "\r\n93>";
    const ReplyCheck check = CheckReply(whole, expected);
    ASSERT_EQ(check.state, ReplyState::Complete);
    const auto words = ParseBinaryWords(whole, "rdvalb", 15, 2);
    ASSERT_TRUE(words.has_value());
    EXPECT_EQ((*words)[0], 0x3E0700u);
    EXPECT_EQ((*words)[1], 0x003E3Eu);
}

TEST(ReplyParsing, BinaryWordsNeedEveryByte) {
    const std::string reply = "rdvalb 01 1A\r\n\r\x12\x34\x56\x78\x9A";
    EXPECT_FALSE(ParseBinaryWords(reply, "rdvalb", 15, 2).has_value());
    EXPECT_FALSE(ParseBinaryWords("no echo here", "rdvalb", 15, 1).has_value());
    const auto one = ParseBinaryWords(reply, "rdvalb", 15, 1);
    ASSERT_TRUE(one.has_value());
    EXPECT_EQ((*one)[0], 0x123456u);
}

TEST(ReplyParsing, EchoSkipThenHexValue) {
    const std::string reply = "rdval 00 012\r\n000018\r\n91>";
    EXPECT_EQ(AnswerText(reply, "rdval", 12), "000018\r\n");
    EXPECT_EQ(ParseHexValue(AnswerText(reply, "rdval", 12)), 0x18u);
    EXPECT_EQ(ParseHexValue(AnswerText("button ?\r\nA\r\n93>", "button ?", 8)), 0xAu);
    EXPECT_EQ(ParseHexValue(AnswerText("savevals\r\n686921\r\n91>", "savevals", 8)), 0x686921u);
}

TEST(ReplyParsing, AnswerWithoutTheWordStartsAtTheReplyStart) {
    EXPECT_EQ(ParseHexValue(AnswerText("\r\nFFC7C0\r\n93>", "rdval", 12)), 0xFFC7C0u);
}

TEST(ReplyParsing, NothingToParseLeavesNoValue) {
    EXPECT_FALSE(ParseHexValue(AnswerText("rdval 00 012\r\n91>", "rdval", 12)).has_value());
    EXPECT_FALSE(ParseHexValue("xyz").has_value());
    EXPECT_FALSE(ParseHexValue("").has_value());
    EXPECT_FALSE(ParseDigit("").has_value());
    EXPECT_FALSE(ParseDigit("x").has_value());
    EXPECT_TRUE(AnswerText(">", "rdval", 12).empty());
    EXPECT_TRUE(AnswerText("", "rdval", 12).empty());
}

TEST(ReplyParsing, HexReadsLikeScanf) {
    EXPECT_EQ(ParseHexValue("  1f>"), 0x1Fu);
    EXPECT_EQ(ParseHexValue("0x10"), 0x10u);
    EXPECT_EQ(ParseHexValue("-1"), 0xFFFFFFFFu);
    EXPECT_EQ(ParseHexValue("0xg"), 0u);
}

TEST(ReplyParsing, TabListStopsBeforeThePrompt) {
    const std::string reply = "rdval 02 004\r\n000001\t000002\tFFFFE2\r\n64>";
    const auto values = ParseTabList(AnswerText(reply, "rdval", 12), 27);
    EXPECT_EQ(values, (std::vector<uint32_t>{1, 2, 0xFFFFE2}));
    EXPECT_EQ(ParseTabList("1\t2\t3\t4", 2), (std::vector<uint32_t>{1, 2}));
    EXPECT_EQ(ParseTabList("1\t\r\n2\tzz\t3", 10), (std::vector<uint32_t>{1, 2}));
}

TEST(ReplyParsing, SixCharactersEndAtTheLine) {
    EXPECT_EQ(ParseSixCharacters("021400\r\n"), "021400");
    EXPECT_EQ(ParseSixCharacters("ZVQ2155555"), "ZVQ215");
    EXPECT_EQ(ParseSixCharacters("12\r\n93"), "12");
}

TEST(ReplyParsing, DigitOfTheMuteStatus) {
    EXPECT_EQ(ParseDigit(AnswerText("rdu3\r\n9\r\n93>", "rdu3", 4)), 9);
}

TEST(ReplyParsing, SignExtensionOfWords) {
    EXPECT_EQ(SignExtend24(0xFFFFE2), -30);
    EXPECT_EQ(SignExtend24(0xFFC7C0), -14400);
    EXPECT_EQ(SignExtend24(0x7FFFFF), 0x7FFFFF);
    EXPECT_EQ(SignExtend24(0x1FFFFE2), -30);
}

}  // namespace
}  // namespace kvt
