// Controller firmware files: the check of an Intel HEX file and its split into the four images.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "HexRecords.h"
#include "KVT80.h"
#include "TestSupport.h"
#include "firmware/HexImage.h"
#include "text/Codepage.h"

namespace kvt {
namespace {

namespace fs = std::filesystem;
using testing::Counting;
using testing::Record;

std::string ImageLine(uint32_t address, const std::vector<uint8_t>& bytes) {
    char field[8];
    std::snprintf(field, sizeof field, "%06X ", address);
    std::string line = field;
    for (size_t i = 0; i < 16; ++i) {
        std::snprintf(field, sizeof field, "%02X ", i < bytes.size() ? bytes[i] : 0);
        line += field;
    }
    return line + "\r\n";
}

const std::string kEnd = ":00000001FF";

std::string Image(const FirmwareImages& images, FirmwareRegion region) {
    return images[static_cast<size_t>(region)];
}

TEST(HexSplit, ExtendedAddressesChooseTheRegionAndItsAddressForm) {
    EXPECT_EQ(Record(4, 0, {0x00, 0x30}), ":020000040030CA");
    EXPECT_EQ(Record(4, 0, {0x00, 0xF0}), ":0200000400F00A");
    const std::string file = Record(0, 0x0120, Counting(1, 16)) + "\n" +     //
                             Record(4, 0, {0x00, 0x30}) + "\n" +             //
                             Record(0, 0x0000, Counting(0x40, 16)) + "\n" +  //
                             Record(4, 0, {0x00, 0x20}) + "\n" +             //
                             Record(0, 0x0010, Counting(0x80, 16)) + "\n" +  //
                             Record(4, 0, {0x00, 0xF0}) + "\n" +             //
                             Record(0, 0x0000, Counting(0xA0, 16)) + "\n" +  //
                             Record(4, 0, {0x00, 0x40}) + "\n" +             //
                             Record(0, 0x0000, Counting(0xC0, 16)) + "\n" + kEnd + "\n";
    const auto images = SplitHexFile(file);
    ASSERT_TRUE(images);
    EXPECT_EQ(Image(*images, FirmwareRegion::ProgramMemory), ImageLine(0x000120, Counting(1, 16)));
    EXPECT_EQ(Image(*images, FirmwareRegion::Config), ImageLine(0x300000, Counting(0x40, 16)));
    EXPECT_EQ(Image(*images, FirmwareRegion::UserId), ImageLine(0x200010, Counting(0x80, 16)));
    // The data EEPROM keeps the low word only; upper word 0x0040 belongs to no region.
    EXPECT_EQ(Image(*images, FirmwareRegion::EepromData), ImageLine(0x000000, Counting(0xA0, 16)));
    EXPECT_EQ(ImageLine(0x300000, {0xAB}).substr(0, 14), "300000 AB 00 0");
    EXPECT_EQ(ImageLine(0, {}).substr(ImageLine(0, {}).size() - 3), " \r\n");
}

TEST(HexSplit, ProgramMemoryKeepsItsFullLinearAddress) {
    const std::string file = Record(4, 0, {0x00, 0x01}) + "\r\n" +
                             Record(0, 0xFFF0, Counting(0, 16)) + "\r\n" + kEnd + "\r\n";
    const auto images = SplitHexFile(file);
    ASSERT_TRUE(images);
    EXPECT_EQ(Image(*images, FirmwareRegion::ProgramMemory), ImageLine(0x01FFF0, Counting(0, 16)));
}

TEST(HexSplit, RecordsOffTheLineGridKeepEveryByte) {
    // 16 bytes from 0x08 straddle two lines; two 4-byte records share a line; a 20-byte record
    // runs into the next line.
    const std::string file = Record(0, 0x0008, Counting(0x10, 16)) + "\n" +
                             Record(0, 0x0020, Counting(0x30, 4)) + "\n" +
                             Record(0, 0x002C, Counting(0x40, 4)) + "\n" +
                             Record(0, 0x0040, Counting(0x50, 20)) + "\n" + kEnd;
    const auto images = SplitHexFile(file);
    ASSERT_TRUE(images);
    std::vector<uint8_t> first(16, 0);
    std::vector<uint8_t> second(16, 0);
    for (size_t i = 0; i < 8; ++i) {
        first[8 + i] = static_cast<uint8_t>(0x10 + i);
        second[i] = static_cast<uint8_t>(0x18 + i);
    }
    std::vector<uint8_t> shared(16, 0);
    for (size_t i = 0; i < 4; ++i) {
        shared[i] = static_cast<uint8_t>(0x30 + i);
        shared[12 + i] = static_cast<uint8_t>(0x40 + i);
    }
    const std::string expected = ImageLine(0x00, first) + ImageLine(0x10, second) +
                                 ImageLine(0x20, shared) + ImageLine(0x40, Counting(0x50, 16)) +
                                 ImageLine(0x50, Counting(0x60, 4));
    EXPECT_EQ(Image(*images, FirmwareRegion::ProgramMemory), expected);
}

TEST(HexSplit, InvalidFilesAreRefused) {
    const std::string good = Record(0, 0, Counting(0, 16));
    std::string changed = good;
    changed[12] = changed[12] == '0' ? '1' : '0';  // a data digit, checksum left as it was
    const std::vector<std::string> invalid = {
        "",
        "\n",
        changed + "\n" + kEnd + "\n",
        good + "\n\n" + kEnd + "\n",         // an empty line in the middle
        good + "\n" + kEnd + "\n\n",         // and after the end record
        good + "\n" + kEnd + "\r\n\r\n",     // a line holding only a carriage return
        "020000040030CA\n" + kEnd,           // no colon
        good.substr(0, good.size() - 2),     // the checksum cut off
        ":0G0000040030CA",                   // not hexadecimal
        Record(4, 0, {0x00}) + "\n" + kEnd,  // an extended address needs two bytes
    };
    for (const std::string& file : invalid) {
        EXPECT_FALSE(SplitHexFile(file)) << file;
    }
    EXPECT_TRUE(SplitHexFile(good + "\n" + kEnd));
    EXPECT_TRUE(SplitHexFile(good + "\r\n" + kEnd + "\r\n"));
    std::string lower = good;
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_TRUE(SplitHexFile(lower));
}

class HexFileMember : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = config.Path() / "firmware 2.1";
        fs::create_directories(folder);
        ASSERT_EQ(engine.Initialize(), 0);
    }
    void TearDown() override { engine.Cleanup(); }

    void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    int32_t Parse(const fs::path& path) { return engine.ParseHexFile(FromUtf8(path.string())); }

    testing::ScopedConfigHome config;
    fs::path folder;
    KVT80 engine;
};

TEST_F(HexFileMember, WritesTheFourImagesBesideTheFile) {
    const fs::path hex = folder / "kvt80 fw.hex";
    Write(hex, Record(0, 0x0100, Counting(0, 16)) + "\n" + Record(4, 0, {0x00, 0xF0}) + "\n" +
                   Record(0, 0x0000, Counting(9, 2)) + "\n" + kEnd + "\n");
    ASSERT_EQ(Parse(hex), 0);
    EXPECT_EQ(Read(folder / "PROGMEM.MCP"), ImageLine(0x100, Counting(0, 16)));
    EXPECT_EQ(Read(folder / "EEDATA.MCP"), ImageLine(0, Counting(9, 2)));
    EXPECT_TRUE(fs::exists(folder / "USERID.MCP"));
    EXPECT_EQ(fs::file_size(folder / "CONFIG.MCP"), 0u);
}

TEST_F(HexFileMember, InvalidFileLeavesTheImagesOfTheLastOne) {
    const fs::path hex = folder / "good.hex";
    Write(hex, Record(0, 0, Counting(0, 16)) + "\n" + kEnd + "\n");
    ASSERT_EQ(Parse(hex), 0);
    const std::string before = Read(folder / "PROGMEM.MCP");

    const fs::path bad = folder / "bad.hex";
    Write(bad, Record(0, 0x40, Counting(7, 16)) + "\n\n" + kEnd + "\n");
    EXPECT_EQ(Parse(bad), 1);
    EXPECT_EQ(Read(folder / "PROGMEM.MCP"), before);
    Write(bad, "");
    EXPECT_EQ(Parse(bad), 1);
    EXPECT_EQ(Parse(folder / "missing.hex"), 1);
    EXPECT_EQ(Parse(folder), 1);
    EXPECT_EQ(engine.ParseHexFile(u""), 1);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
        ++files;
    }
    EXPECT_EQ(files, 6u);  // the two HEX files and the four images, nothing half-written
}

}  // namespace
}  // namespace kvt
