// Reads and writes of blocks 0..6, the binary analyser read and the commits.
#include <gtest/gtest.h>

#include "AnalyserWords.h"
#include "SimTestSupport.h"

namespace kvt::sim::test {
namespace {

uint32_t WordAt(const std::string& data, size_t index) {
    const auto byte = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<unsigned char>(data[i]));
    };
    return byte(3 * index) << 16 | byte(3 * index + 1) << 8 | byte(3 * index + 2);
}

TEST(BlockReads, SingleValueIsSixHexDigits) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 93");
    EXPECT_EQ(Ask(unit, "rdval 00 01E"), "rdval 00 01E\r\n000153\r\n93>");
}

TEST(BlockReads, SeveralValuesAreOneTabSeparatedLine) {
    auto unit = MakeInterpreter();
    unit.State().memory.Write(4, 4, 0xFFFFE2);
    unit.State().memory.Write(4, 5, 0x00001E);
    unit.State().memory.Write(4, 6, 0);
    Ask(unit, "open 61");
    EXPECT_EQ(Ask(unit, "rdval 02 004"), "rdval 02 004\r\nFFFFE2\t00001E\t000000\r\n61>");
}

TEST(BlockReads, FactoryVersionsAreInPlace) {
    auto unit = MakeInterpreter();
    const std::pair<const char*, const char*> cases[] = {
        {"open 91", "rdval 00 012"}, {"open 92", "rdval 00 012"}, {"open 93", "rdval 00 01E"},
        {"open 61", "rdval 00 105"}, {"open 62", "rdval 00 105"},
    };
    const char* expected[] = {"000018", "000018", "000153", "000061", "000061"};
    for (size_t i = 0; i < std::size(cases); ++i) {
        Ask(unit, cases[i].first);
        const std::string reply = Ask(unit, cases[i].second);
        EXPECT_EQ(reply.substr(std::string(cases[i].second).size() + 2, 6), expected[i])
            << cases[i].first;
    }
}

TEST(BlockReads, EachSelectionReadsItsOwnBlock) {
    auto unit = MakeInterpreter();
    for (int block = 1; block <= 6; ++block) {
        unit.State().memory.Write(block, 0x3F0, 0x100 + static_cast<uint32_t>(block));
    }
    const char* opens[] = {"open 91", "open 92", "open 93", "open 61", "open 62", "open 6B"};
    for (int block = 1; block <= 6; ++block) {
        Ask(unit, opens[block - 1]);
        EXPECT_NE(Ask(unit, "rdval 00 3F0").find("00010" + std::to_string(block)),
                  std::string::npos);
    }
}

TEST(BlockReads, NeedASelectedProcessor) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "rdval 00 000"), "rdval 00 000\r\n\x07\r\n>");
    Ask(unit, "open 9F");
    EXPECT_EQ(Ask(unit, "rdval 00 000"), "rdval 00 000\r\n\x07\r\n9F>");
}

TEST(BlockReads, BeyondTheBlockAreRefused) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 91");
    EXPECT_TRUE(EndsWith(Ask(unit, "rdval 00 3FF"), "\r\n91>"));
    EXPECT_EQ(Ask(unit, "rdval 01 3FF"), "rdval 01 3FF\r\n\x07\r\n91>");
    EXPECT_EQ(Ask(unit, "rdval 00 400"), "rdval 00 400\r\n\x07\r\n91>");
    EXPECT_EQ(Ask(unit, "rdval 100 000"), "rdval 100 000\r\n\x07\r\n91>");
}

TEST(BlockReads, MalformedFieldsAreRefused) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 91");
    for (const char* line :
         {"rdval", "rdval 00", "rdval 0G 000", "rdval 00 00X", "rdval 00 000 1"}) {
        EXPECT_EQ(Ask(unit, line), std::string(line) + "\r\n\x07\r\n91>") << line;
    }
}

TEST(OutputProcessor, RdxReadsBlockSixOnlyWithItSelected) {
    auto unit = MakeInterpreter();
    unit.State().memory.Write(6, 1012, 0xFFFFEC);
    Ask(unit, "open 6B");
    EXPECT_EQ(Ask(unit, "rdx 00 3F4"), "rdx 00 3F4\r\nFFFFEC\r\n6B>");
    Ask(unit, "open 61");
    EXPECT_EQ(Ask(unit, "rdx 00 3F4"), "rdx 00 3F4\r\n\x07\r\n61>");
}

TEST(OutputProcessor, WrtxWritesBlockSix) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 6B");
    EXPECT_EQ(Ask(unit, "wrtx 0003F4 FFFFEC 000014"), "wrtx 0003F4 FFFFEC 000014\r\n6B>");
    EXPECT_EQ(unit.State().memory.Read(6, 1012), 0xFFFFECu);
    EXPECT_EQ(unit.State().memory.Read(6, 1013), 0x000014u);
}

TEST(BlockWrites, WrtvalWritesConsecutiveWordsAndAnswersThePrompt) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 61");
    EXPECT_EQ(Ask(unit, "wrtval 000044 FFFFE2 000001 000002"),
              "wrtval 000044 FFFFE2 000001 000002\r\n61>");
    EXPECT_EQ(unit.State().memory.Read(4, 0x44), 0xFFFFE2u);
    EXPECT_EQ(unit.State().memory.Read(4, 0x45), 1u);
    EXPECT_EQ(unit.State().memory.Read(4, 0x46), 2u);
}

TEST(BlockWrites, ValuesAreMaskedTo24Bits) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 91");
    Ask(unit, "wrtval 000002 12345678");
    EXPECT_EQ(unit.State().memory.Read(1, 2), 0x345678u);
}

TEST(BlockWrites, TakeOneToSevenValues) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 91");
    EXPECT_TRUE(EndsWith(Ask(unit, "wrtval 000010 1 2 3 4 5 6 7"), "\r\n91>"));
    EXPECT_EQ(unit.State().memory.Read(1, 0x16), 7u);
    EXPECT_EQ(Ask(unit, "wrtval 000010 1 2 3 4 5 6 7 8"),
              "wrtval 000010 1 2 3 4 5 6 7 8\r\n\x07\r\n91>");
    EXPECT_EQ(Ask(unit, "wrtval 000010"), "wrtval 000010\r\n\x07\r\n91>");
}

TEST(BlockWrites, ARefusedWriteChangesNothing) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 91");
    EXPECT_TRUE(EndsWith(Ask(unit, "wrtval 0003FE 1 2 3"), "\x07\r\n91>"));
    EXPECT_EQ(unit.State().memory.Read(1, 0x3FE), 0u);
    EXPECT_TRUE(EndsWith(Ask(unit, "wrtval 000002 5 XYZ"), "\x07\r\n91>"));
    EXPECT_EQ(unit.State().memory.Read(1, 2), 0u);
}

TEST(BlockWrites, WrtvalIsRefusedOnTheOutputProcessorAndControllers) {
    auto unit = MakeInterpreter();
    for (const char* open : {"open 6B", "open 9F", "open 6F"}) {
        Ask(unit, open);
        EXPECT_TRUE(EndsWith(Ask(unit, "wrtval 000002 1"), "\x07\r\n" + unit.Prompt())) << open;
    }
}

TEST(BlockWrites, CommitFormsWriteAddressesZeroAndHex100) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 91");
    EXPECT_EQ(Ask(unit, "wrtval 00 1000"), "wrtval 00 1000\r\n91>");
    EXPECT_EQ(unit.State().memory.Read(1, 0), 0x1000u);
    Ask(unit, "open 62");
    EXPECT_EQ(Ask(unit, "wrtval 100 0E"), "wrtval 100 0E\r\n62>");
    EXPECT_EQ(unit.State().memory.Read(5, 0x100), 0x0Eu);
}

TEST(Eeprom, RdeepAnswersBytesWithoutASelection) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "rdeep 00 001C"), "rdeep 00 001C\r\n10\r\n>");
    EXPECT_EQ(Ask(unit, "rdeep 07 0014"), "rdeep 07 0014\r\n00\t01\t02\t03\t08\t04\t05\t06\r\n>");
}

TEST(Eeprom, RdeepAlsoWorksWithAProcessorSelected) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 93");
    EXPECT_EQ(Ask(unit, "rdeep 00 0013"), "rdeep 00 0013\r\n02\r\n93>");
}

TEST(Eeprom, WreepStoresTheLowByteOfEachValue) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "wreep 00001C 000003 0001FF"), "wreep 00001C 000003 0001FF\r\n>");
    EXPECT_EQ(unit.State().memory.Read(0, 28), 3u);
    EXPECT_EQ(unit.State().memory.Read(0, 29), 0xFFu);
}

TEST(Eeprom, ReachesAddress2047AndNoFurther) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "wreep 0007FF 5A"), "wreep 0007FF 5A\r\n>");
    EXPECT_EQ(Ask(unit, "rdeep 00 07FF"), "rdeep 00 07FF\r\n5A\r\n>");
    EXPECT_EQ(Ask(unit, "rdeep 01 07FF"), "rdeep 01 07FF\r\n\x07\r\n>");
    EXPECT_EQ(Ask(unit, "wreep 0007FF 1 2"), "wreep 0007FF 1 2\r\n\x07\r\n>");
}

TEST(Eeprom, FormatUpdateAnswersThePromptAndIsCounted) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "formatupdate"), "formatupdate\r\n>");
    Ask(unit, "formatupdate");
    EXPECT_EQ(unit.State().formatUpdates, 2u);
}

TEST(AnalyserRead, DataStartsFifteenCharactersAfterTheCommandWord) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 93");
    const std::string reply = Ask(unit, "rdvalb 3F 1A");
    ASSERT_EQ(reply.size(), 15 + 192 + 2 + 3);
    EXPECT_EQ(reply.substr(0, 15), "rdvalb 3F 1A\r\n\r");
    EXPECT_EQ(reply.substr(15 + 192), "\r\n93>");
}

TEST(AnalyserRead, FrameMarkersAreEqualAndAdvancePerRead) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 93");
    const std::string first = Ask(unit, "rdvalb 3F 1A").substr(15, 192);
    const std::string second = Ask(unit, "rdvalb 3F 1A").substr(15, 192);
    EXPECT_EQ(WordAt(first, 2), WordAt(first, 63));
    EXPECT_EQ(WordAt(second, 2), WordAt(second, 63));
    EXPECT_NE(WordAt(first, 2), WordAt(second, 2));
}

TEST(AnalyserRead, OtherAddressesReadMatrixMemory) {
    auto unit = MakeInterpreter();
    unit.State().memory.Write(3, 0x100, 0xABCDEF);
    Ask(unit, "open 93");
    const std::string reply = Ask(unit, "rdvalb 00 100");
    EXPECT_EQ(reply, std::string("rdvalb 00 100\r\n\r\xAB\xCD\xEF\r\n93>"));
}

TEST(AnalyserRead, NeedsTheMatrixProcessor) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 91");
    EXPECT_EQ(Ask(unit, "rdvalb 3F 1A"), "rdvalb 3F 1A\r\n\x07\r\n91>");
}

TEST(AnalyserSnapshot, PairsHoldLeftThenRightPerBand) {
    UnitState state = FactoryState();
    const auto words = AnalyserSnapshot(state);
    EXPECT_EQ(words[2], words[kAnalyserWords - 1]);
    EXPECT_EQ(state.analyserFrame, words[2]);
}

TEST(SaveValues, AcknowledgesWith686921OnEveryParameterBlock) {
    auto unit = MakeInterpreter();
    for (const char* open : {"open 91", "open 92", "open 93", "open 61", "open 62", "open 6B"}) {
        Ask(unit, open);
        EXPECT_EQ(Ask(unit, "savevals"), "savevals\r\n686921\r\n" + unit.Prompt()) << open;
    }
    EXPECT_EQ(unit.State().saves, 6u);
}

TEST(SaveValues, IsRefusedWithoutAParameterBlock) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "savevals"), "savevals\r\n\x07\r\n>");
    for (const char* open : {"open 9F", "open 6F"}) {
        Ask(unit, open);
        EXPECT_EQ(Ask(unit, "savevals"), "savevals\r\n\x07\r\n" + unit.Prompt()) << open;
    }
}

TEST(SaveValues, AcknowledgementFollowsTheSaveDurationOfSilence) {
    auto unit = MakeInterpreter();
    unit.State().saveDuration = std::chrono::milliseconds{250};
    Ask(unit, "open 91");
    const Reply reply = unit.Answer(UnitInput{UnitInput::Kind::Line, "savevals", false});
    ASSERT_EQ(reply.segments.size(), 2u);
    EXPECT_EQ(reply.segments[0].bytes, "savevals\r\n");
    EXPECT_EQ(reply.segments[1].silenceBefore, std::chrono::milliseconds{250});
    EXPECT_EQ(reply.segments[1].bytes, "686921\r\n91>");
}

}  // namespace
}  // namespace kvt::sim::test
