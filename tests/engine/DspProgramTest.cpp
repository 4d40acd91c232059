// Signal-processor program files: the CRC, the strict reading of the text and its canonical form.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "SourceTree.h"
#include "firmware/DspProgram.h"

namespace kvt {
namespace {

namespace fs = std::filesystem;

DspProgram Program(size_t count, uint32_t version = 0x62, DspKind kind = DspKind::Equaliser) {
    DspProgram program;
    program.kind = kind;
    program.version = version;
    uint32_t state = 12345;
    for (size_t i = 0; i < count; ++i) {
        state = state * 1103515245u + 12345u;
        program.words.push_back(state >> 8);
    }
    program.words[1] = version;
    program.crc = ProgramCrc(program.words);
    return program;
}

std::string Error(std::string_view text) {
    const auto result = ParseDspProgram(text);
    EXPECT_FALSE(result.program) << text.substr(0, 200);
    return result.error;
}

TEST(DspProgramCrc, IsTheCommonCrc32OverThreeBytesPerWord) {
    // "123456789" as three words gives the standard check value.
    EXPECT_EQ(ProgramCrc(std::vector<uint32_t>{0x313233, 0x343536, 0x373839}), 0xCBF43926u);
    EXPECT_EQ(ProgramCrc(std::vector<uint32_t>{0x0C0040, 0x000062}), 0xFEA83991u);
    EXPECT_EQ(ProgramCrc({}), 0u);
}

TEST(DspProgramFile, ReadsTheDocumentedLayout) {
    const std::string text =
        "# equaliser, release 98\r\n"
        "\r\n"
        "KVT80 DSP PROGRAM 1\r\n"
        "TARGET EQ\r\n"
        "# the version program word 1 carries\n"
        "VERSION 62\n"
        "WORDS 4\n"
        "0C0040 000062\n"
        "   \t\n"
        "\t1\tabcdef  \n"
        "CRC df3c528c\r\n"
        "# end\n"
        "\n";
    const auto result = ParseDspProgram(text);
    ASSERT_TRUE(result.program) << result.error;
    EXPECT_EQ(result.program->kind, DspKind::Equaliser);
    EXPECT_EQ(result.program->version, 0x62u);
    EXPECT_EQ(result.program->words, (std::vector<uint32_t>{0x0C0040, 0x62, 0x1, 0xABCDEF}));
    EXPECT_EQ(result.program->crc, 0xDF3C528Cu);
    EXPECT_TRUE(ParseDspProgram(text.substr(0, text.find("# end"))).program);
    EXPECT_TRUE(ParseDspProgram(text.substr(0, text.find("\r\n# end"))).program);  // no line end
}

TEST(DspProgramFile, FormatsCanonicallyAndReadsBack) {
    DspProgram small = Program(9, 0x19, DspKind::NoiseReduction);
    small.words = {0x0C0040, 0x19, 0xABCDEF, 3, 4, 5, 6, 7, 0xFFFFFF};
    small.crc = ProgramCrc(small.words);
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08X", small.crc);
    EXPECT_EQ(FormatDspProgram(small),
              "KVT80 DSP PROGRAM 1\nTARGET NR\nVERSION 000019\nWORDS 9\n"
              "0C0040 000019 ABCDEF 000003 000004 000005 000006 000007\nFFFFFF\nCRC " +
                  std::string(crc) + "\n");

    for (const DspKind kind : {DspKind::NoiseReduction, DspKind::Matrix, DspKind::Equaliser}) {
        for (const size_t count : {size_t{2}, size_t{8}, size_t{2048}, kMaxProgramWords}) {
            const DspProgram program = Program(count, 0x154, kind);
            const auto result = ParseDspProgram(FormatDspProgram(program));
            ASSERT_TRUE(result.program) << result.error;
            EXPECT_EQ(result.program->kind, kind);
            EXPECT_EQ(result.program->version, program.version);
            EXPECT_EQ(result.program->words, program.words);
            EXPECT_EQ(result.program->crc, program.crc);
        }
    }
}

TEST(DspProgramFile, RefusesDamageNamingTheLine) {
    const std::string good = FormatDspProgram(Program(16));  // words on lines 5 and 6, CRC on 7
    std::string digit = good;
    const size_t at = good.find('\n', good.find("WORDS")) + 3;
    digit[at] = digit[at] == '0' ? '1' : '0';
    const size_t crcAt = good.find("CRC");
    const std::string words = good.substr(0, crcAt);
    const std::string crcLine = good.substr(crcAt);
    const auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        return text.replace(text.find(from), from.size(), to);
    };
    const std::vector<std::pair<std::string, std::string>> cases = {
        {digit, "line 7: CRC "},
        {words + "000001\n" + crcLine, "line 7: more program words than the 16 line 4 announces"},
        {words.substr(0, words.size() - 7) + "\n" + crcLine, "line 7: the file holds 15 program"},
        {replaced("VERSION 000062", "VERSION 000063"), "line 3: VERSION 000063 differs"},
        {replaced("WORDS 16", "WORDS 1"), "line 4: WORDS '1' is not a count of 2 to 16384"},
        {replaced("WORDS 16", "WORDS 16385"), "line 4: WORDS '16385'"},
        {replaced("WORDS 16", "WORDS 0x10"), "line 4: WORDS '0x10'"},
        {replaced("WORDS 16", "WORDS 99999999999999999999999"), "line 4: WORDS"},
        {words + "GG\n" + crcLine,
         "line 7: 'GG' is not a hexadecimal program word; the file is "
         "damaged, get a fresh copy from the maker"},
        {words + "1000000\n" + crcLine, "line 7: '1000000' is wider than a 24-bit program word"},
        {words + crcLine + "000001\n", "line 8: '000001' follows the CRC line"},
        {words + crcLine + "CRC 00000000\n", "line 8: 'CRC 00000000' follows"},
        {words, "the file ends after line 6 without its CRC line; the file is cut short"},
        {words + "\n# more\n", "the file ends after line 8 without its CRC line"},
        {good.substr(0, good.find("VERSION")), "ends after line 2 without its VERSION line"},
        {replaced("CRC ", "CRC 0"), "line 7: 'CRC 0"},
        {good.substr(0, good.size() - 2), "line 7: 'CRC "},  // seven digits
        {replaced("TARGET EQ", "TARGET DSP"), "line 2: TARGET 'DSP' is not NR, MATRIX or EQ"},
        {replaced("TARGET EQ", "TARGET eq"), "line 2: TARGET 'eq'"},
        {replaced("TARGET EQ", "TARGET EQ NR"),
         "line 2: 'TARGET EQ NR' is not TARGET and one value"},
        {replaced("TARGET EQ\nVERSION 000062", "VERSION 000062\nTARGET EQ"),
         "line 2: 'VERSION 000062' stands where the TARGET line belongs"},
        {replaced("KVT80 DSP PROGRAM 1", "KVT80 DSP PROGRAM 2"),
         "line 1: the program file's format"},
        {replaced("KVT80 DSP PROGRAM 1", "KVT80 DSP PROGRAM 1 "),
         "line 1: 'KVT80 DSP PROGRAM 1 ' is not the first line of a program file"},
        {"\xEF\xBB\xBF" + good, "line 1: byte EF is not text"},
        {std::string("# a\0comment\n", 12) + good, "line 1: byte 00 is not text"},
        {std::string("# comment\nKVT80 DSP PROGRAM 1\0\n", 30), "line 2: byte 00 is not text"},
        {replaced("\n", "\r\r\n"), "line 1: byte 0D is not text"},
        {"", "the file is empty"},
        {"\n# only a comment\n", "the file ends after line 2 without its KVT80 DSP PROGRAM line"},
        {"PK\x03\x04", "line 1: byte 03 is not text"},
    };
    for (const auto& [text, expected] : cases) {
        const std::string error = Error(text);
        EXPECT_NE(error.find(expected), std::string::npos) << error;
        EXPECT_TRUE(error.ends_with("maker") || error.ends_with("program")) << error;
    }
}

TEST(DspProgramFile, AcceptsUpToOneMebibyte) {
    const std::string program = FormatDspProgram(Program(kMaxProgramWords));
    std::string padded = program + "#";
    padded.resize(kMaxProgramFileBytes, 'x');
    EXPECT_TRUE(ParseDspProgram(padded).program);
    EXPECT_NE(Error(padded + "x").find("larger than 1 MiB"), std::string::npos);
}

TEST(DspProgramTargets, MapEachProcessorToItsKind) {
    EXPECT_EQ(KindOfTarget(9, 1), DspKind::NoiseReduction);
    EXPECT_EQ(KindOfTarget(9, 2), DspKind::NoiseReduction);
    EXPECT_EQ(KindOfTarget(9, 3), DspKind::Matrix);
    EXPECT_EQ(KindOfTarget(6, 1), DspKind::Equaliser);
    EXPECT_EQ(KindOfTarget(6, 2), DspKind::Equaliser);
    EXPECT_FALSE(KindOfTarget(6, 3));
    EXPECT_FALSE(KindOfTarget(9, 0));
    EXPECT_FALSE(KindOfTarget(1, 1));
    EXPECT_EQ(KindName(DspKind::NoiseReduction), "NR");
    EXPECT_EQ(KindName(DspKind::Matrix), "MATRIX");
    EXPECT_EQ(KindName(DspKind::Equaliser), "EQ");
}

TEST(DspProgramExamples, ShippedProgramsRead) {
    const fs::path examples = testing::SourceTree() / "examples";
    struct Example {
        const char* name;
        DspKind kind;
        uint32_t version;
        size_t words;
    };
    for (const Example& example : {Example{"eq1.EQ", DspKind::Equaliser, 0x62, 2048},
                                   Example{"nr.NR", DspKind::NoiseReduction, 0x19, 1024},
                                   Example{"matrix.MAT", DspKind::Matrix, 0x154, 1536}}) {
        std::ifstream in(examples / example.name, std::ios::binary);
        ASSERT_TRUE(in) << example.name;
        const std::string text{std::istreambuf_iterator<char>(in),
                               std::istreambuf_iterator<char>()};
        const auto result = ParseDspProgram(text);
        ASSERT_TRUE(result.program) << example.name << ": " << result.error;
        EXPECT_EQ(result.program->kind, example.kind);
        EXPECT_EQ(result.program->version, example.version);
        EXPECT_EQ(result.program->words.size(), example.words);
        // Canonical apart from the leading comment.
        EXPECT_EQ(text.substr(text.find('\n') + 1), FormatDspProgram(*result.program));
    }
}

}  // namespace
}  // namespace kvt
