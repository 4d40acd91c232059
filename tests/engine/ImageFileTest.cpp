// Controller memory images as the download reads them back, and the example firmware file.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "HexRecords.h"
#include "SourceTree.h"
#include "firmware/HexImage.h"
#include "firmware/McpImage.h"

namespace kvt {
namespace {

namespace fs = std::filesystem;

// A record line ending CR LF, as the maker's tools write them.
std::string Record(uint8_t type, uint16_t address, const std::vector<uint8_t>& data) {
    return testing::Record(type, address, data) + "\r\n";
}
using testing::Counting;

std::string Line(uint32_t address, uint8_t first = 0) {
    char field[8];
    std::snprintf(field, sizeof field, "%06X ", address);
    std::string line = field;
    for (size_t i = 0; i < 16; ++i) {
        std::snprintf(field, sizeof field, "%02X ", static_cast<uint8_t>(first + i));
        line += field;
    }
    return line + "\r\n";
}

std::string Text(const std::vector<ImageLine>& lines) {
    std::string text;
    for (const ImageLine& line : lines) {
        char field[8];
        std::snprintf(field, sizeof field, "%06X ", line.address);
        text += field;
        for (const uint8_t byte : line.bytes) {
            std::snprintf(field, sizeof field, "%02X ", byte);
            text += field;
        }
        text += "\r\n";
    }
    return text;
}

const FirmwareRegion kRegions[] = {FirmwareRegion::ProgramMemory, FirmwareRegion::UserId,
                                   FirmwareRegion::Config, FirmwareRegion::EepromData};

TEST(ImageFile, ReadsBackWhatTheSplitWrote) {
    const std::string hex = Record(4, 0, {0x00, 0x01}) + Record(0, 0xFFF0, Counting(0x10, 16)) +
                            Record(4, 0, {0x00, 0x00}) + Record(0, 0x0008, Counting(0x20, 16)) +
                            Record(4, 0, {0x00, 0x20}) + Record(0, 0x0000, Counting(0x30, 8)) +
                            Record(4, 0, {0x00, 0x30}) + Record(0, 0x0000, Counting(0x40, 14)) +
                            Record(4, 0, {0x00, 0xF0}) + Record(0, 0x03F0, Counting(0x50, 16)) +
                            ":00000001FF\r\n";
    const auto images = SplitHexFile(hex);
    ASSERT_TRUE(images);
    const std::vector<std::vector<uint32_t>> addresses{
        {0x01FFF0, 0x000000, 0x000010}, {0x200000}, {0x300000}, {0x0003F0}};
    for (const FirmwareRegion region : kRegions) {
        const std::string& image = (*images)[static_cast<size_t>(region)];
        const auto read = ReadImageFile(image, region);
        ASSERT_TRUE(read.lines) << read.error;
        std::vector<uint32_t> readAddresses;
        for (const ImageLine& line : *read.lines) {
            readAddresses.push_back(line.address);
        }
        EXPECT_EQ(readAddresses, addresses[static_cast<size_t>(region)]);
        EXPECT_EQ(Text(*read.lines), image);
    }
}

TEST(ImageFile, AcceptsAnEmptyImageAndALastLineWithoutItsEnd) {
    const auto empty = ReadImageFile("", FirmwareRegion::Config);
    ASSERT_TRUE(empty.lines);
    EXPECT_TRUE(empty.lines->empty());
    const std::string text = Line(0x1FFFF0, 0xF0) + Line(0x10);
    const auto read = ReadImageFile(text.substr(0, text.size() - 2), FirmwareRegion::ProgramMemory);
    ASSERT_TRUE(read.lines) << read.error;
    EXPECT_EQ(Text(*read.lines), text);
    std::string lower = Line(0x2000A0, 0xAA);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_TRUE(ReadImageFile(lower, FirmwareRegion::UserId).lines);
}

TEST(ImageFile, RefusesDamageNamingTheLine) {
    const std::string first = Line(0);
    const std::string line = Line(0x10);
    const std::string body = line.substr(0, line.size() - 2);
    const struct {
        std::string text;
        FirmwareRegion region;
        std::string error;
    } cases[] = {
        {first + Line(0x18), FirmwareRegion::ProgramMemory, "line 2: address 000018 is off"},
        {first + Line(0x200000), FirmwareRegion::ProgramMemory, "line 2: address 200000 lies"},
        {Line(0x0), FirmwareRegion::UserId, "line 1: address 000000 lies outside"},
        {Line(0x310000), FirmwareRegion::Config, "line 1: address 310000 lies outside"},
        {Line(0x010000), FirmwareRegion::EepromData, "line 1: address 010000 lies outside"},
        {first + first, FirmwareRegion::EepromData, "line 2: address 000000 comes a second time"},
        {first + body.substr(0, body.size() - 1), FirmwareRegion::ProgramMemory,
         "line 2: not an address and 16 bytes"},
        {first + body.substr(0, body.size() - 3) + "\r\n", FirmwareRegion::ProgramMemory,
         "line 2: not an address"},
        {first + body + "\n", FirmwareRegion::ProgramMemory, "line 2: does not end in CR LF"},
        {first + body + "\r", FirmwareRegion::ProgramMemory, "line 2: does not end in CR LF"},
        {first + body + " \r\n", FirmwareRegion::ProgramMemory, "line 2: does not end in CR LF"},
        {first + "\r\n", FirmwareRegion::ProgramMemory, "line 2: not an address"},
        {first + "00001G" + line.substr(6), FirmwareRegion::ProgramMemory, "line 2: not"},
        {first + "000010\t" + line.substr(7), FirmwareRegion::ProgramMemory, "line 2: not"},
        {first + line.substr(0, 10) + std::string(1, '\0') + line.substr(11),
         FirmwareRegion::ProgramMemory, "line 2: not"},
        {"+00010 " + line.substr(7), FirmwareRegion::ProgramMemory, "line 1: not"},
    };
    for (const auto& [text, region, error] : cases) {
        const auto read = ReadImageFile(text, region);
        EXPECT_FALSE(read.lines) << text;
        EXPECT_TRUE(read.error.starts_with(error)) << read.error;
    }
}

TEST(ImageFile, ExampleFirmwareSplitsIntoFourImages) {
    const fs::path file = testing::SourceTree() / "examples" / "fw.hex";
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto images = SplitHexFile(text);
    ASSERT_TRUE(images);
    const size_t lines[] = {256, 1, 1, 2};
    for (const FirmwareRegion region : kRegions) {
        const auto read = ReadImageFile((*images)[static_cast<size_t>(region)], region);
        ASSERT_TRUE(read.lines) << read.error;
        EXPECT_EQ(read.lines->size(), lines[static_cast<size_t>(region)]);
    }
    EXPECT_TRUE((*images)[1].starts_with("200000 30 32 31 35 30 30 00 00 00 "));
    EXPECT_TRUE((*images)[2].starts_with("300000 "));
}

}  // namespace
}  // namespace kvt
