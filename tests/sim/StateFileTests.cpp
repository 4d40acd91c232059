// State files: saving a unit, presetting one from a file, and refusing files that are not right.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SimTestSupport.h"
#include "SimulatedUnit.h"
#include "StateFile.h"

namespace kvt::sim::test {
namespace {

// A scratch directory, removed with its files at the end of the test.
class ScratchDirectory {
  public:
    ScratchDirectory() {
        std::string pattern = "/tmp/kvt80-state-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("mkdtemp");
        }
        path_ = pattern;
    }
    ~ScratchDirectory() {
        for (const auto& name : Names()) {
            ::unlink((path_ + "/" + name).c_str());
        }
        ::rmdir(path_.c_str());
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    std::string File(const std::string& name) const { return path_ + "/" + name; }

    std::string Write(const std::string& name, const std::string& text) const {
        std::ofstream(File(name), std::ios::binary) << text;
        return File(name);
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        if (DIR* dir = ::opendir(path_.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                const std::string name = entry->d_name;
                if (name != "." && name != "..") {
                    names.push_back(name);
                }
            }
            ::closedir(dir);
        }
        return names;
    }

  private:
    std::string path_;
};

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool SameMemories(const SimulatedUnit& a, const UnitMemory& b) {
    for (int block = 0; block < UnitMemory::kBlockCount; ++block) {
        for (uint32_t address = 0; address < UnitMemory::Size(block); ++address) {
            if (a.Memory(block, address) != b.Read(block, address)) {
                return false;
            }
        }
    }
    return true;
}

bool SamePanel(const FrontPanel& a, const FrontPanel& b) {
    return a.button == b.button && a.projector == b.projector && a.level == b.level &&
           a.muted == b.muted && a.aesEbuError == b.aesEbuError && a.format == b.format;
}

TEST(StateFileRoundTrip, ASavedUnitLoadsIntoAnotherUnchanged) {
    ScratchDirectory scratch;
    SimulatedUnit source;
    source.SetMemory(0, 28, 5);
    source.SetMemory(0, 2047, 0xA5);
    source.SetMemory(1, 2, 0xFFFFF6);
    source.SetMemory(3, 8, 0);  // a factory word set back to zero
    source.SetMemory(6, 1023, 0xFFFFFF);
    source.SetPanel({7, 2, 42, true, true, 11});
    const std::string path = scratch.File("unit.state");
    ASSERT_TRUE(source.SaveState(path)) << source.LastStateError();

    SimulatedUnit target;
    ASSERT_TRUE(target.LoadState(path)) << target.LastStateError();
    for (int block = 0; block < UnitMemory::kBlockCount; ++block) {
        for (uint32_t address = 0; address < UnitMemory::Size(block); ++address) {
            ASSERT_EQ(target.Memory(block, address), source.Memory(block, address))
                << block << "/" << address;
        }
    }
    EXPECT_TRUE(SamePanel(target.Panel(), source.Panel()));
    EXPECT_EQ(scratch.Names(), std::vector<std::string>{"unit.state"});  // no temporary left
}

TEST(StateFileRoundTrip, ClockOffsetSurvives) {
    StateSnapshot snapshot{FactoryMemory(), FrontPanel{}, std::chrono::seconds{-86400 * 3 + 5}};
    const auto parsed = ParseStateFile(FormatStateFile(snapshot));
    ASSERT_TRUE(parsed.snapshot) << parsed.error;
    EXPECT_EQ(parsed.snapshot->clockOffset, snapshot.clockOffset);
}

TEST(StateFileRoundTrip, ClockOffsetIsAppliedToTheUnitsClock) {
    ScratchDirectory scratch;
    // One day ahead of the host, give or take the second the test may straddle.
    const std::string path = scratch.Write("clock.state", "clock 86400\n");
    SimulatedUnit unit;
    ASSERT_TRUE(unit.LoadState(path)) << unit.LastStateError();
    const std::string saved = scratch.File("saved.state");
    ASSERT_TRUE(unit.SaveState(saved));
    EXPECT_NE(ReadAll(saved).find("\nclock 86400\n"), std::string::npos);
}

TEST(StateFileSave, AFactoryUnitSavesNoWords) {
    ScratchDirectory scratch;
    SimulatedUnit unit;
    const std::string path = scratch.File("factory.state");
    ASSERT_TRUE(unit.SaveState(path));
    std::istringstream lines(ReadAll(path));
    std::string line;
    std::vector<std::string> entries;
    while (std::getline(lines, line)) {
        if (!line.starts_with("#")) {
            entries.push_back(line);
        }
    }
    EXPECT_EQ(entries, (std::vector<std::string>{"panel 1 1 70 0 0 0", "clock 0"}));
}

TEST(StateFileSave, WordsAreBlockAddressValueInHex) {
    ScratchDirectory scratch;
    SimulatedUnit unit;
    unit.SetMemory(4, 0x1F, 0xABCDEF);
    const std::string path = scratch.File("one.state");
    ASSERT_TRUE(unit.SaveState(path));
    EXPECT_NE(ReadAll(path).find("\n4 01F ABCDEF\n"), std::string::npos);
}

TEST(StateFileSave, ReplacesAnExistingFile) {
    ScratchDirectory scratch;
    const std::string path = scratch.Write("unit.state", "old content that is not a state\n");
    SimulatedUnit unit;
    ASSERT_TRUE(unit.SaveState(path));
    EXPECT_EQ(ReadAll(path).find("old content"), std::string::npos);
    EXPECT_EQ(scratch.Names().size(), 1u);
}

TEST(StateFileSave, FailsIntoAMissingDirectoryWithAMessage) {
    ScratchDirectory scratch;
    SimulatedUnit unit;
    EXPECT_FALSE(unit.SaveState(scratch.File("no/such/dir.state")));
    EXPECT_NE(unit.LastStateError().find("no/such"), std::string::npos) << unit.LastStateError();
    EXPECT_TRUE(scratch.Names().empty());
}

TEST(StateFileLoad, AMissingFileChangesNothing) {
    SimulatedUnit unit;
    unit.SetMemory(1, 2, 0x55);
    EXPECT_FALSE(unit.LoadState("/nonexistent/kvt80.state"));
    EXPECT_NE(unit.LastStateError().find("/nonexistent/kvt80.state"), std::string::npos);
    EXPECT_EQ(unit.Memory(1, 2), 0x55u);
}

TEST(StateFileLoad, ADirectoryIsRefused) {
    ScratchDirectory scratch;
    SimulatedUnit unit;
    EXPECT_FALSE(unit.LoadState(scratch.File("")));
    EXPECT_FALSE(unit.LastStateError().empty());
}

TEST(StateFileLoad, AnyMalformedLineRefusesTheWholeFileAndChangesNothing) {
    const char* malformed[] = {
        "7 000 000001",          // no block 7
        "1 400 000001",          // address past the block
        "0 800 01",              // past the EEPROM
        "0 013 100",             // too wide for an EEPROM byte
        "1 002 1000000",         // too wide for a word
        "1 002",                 // value missing
        "1 002 000001 000002",   // one field too many
        "1 002 00G001",          // not hex
        "0x1 002 000001",        // no prefixes
        "-1 002 000001",         // negative
        "word 1 2 3",            // unknown entry
        "panel 0 1 70 0 0",      // button 0
        "panel 1 3 70 0 0",      // projector 3
        "panel 1 1 101 0 0",     // level above 100
        "panel 1 1 70 2 0",      // muted is 0 or 1
        "panel 1 1 70 0",        // a field missing
        "panel 1 1 70 0 0 16",   // no format 16
        "panel 1 1 70 0 0 2 1",  // one field too many
        "clock",                 // offset missing
        "clock 12s",             // not a number
        "clock 99999999999999",  // beyond a century
    };
    ScratchDirectory scratch;
    for (const char* line : malformed) {
        SimulatedUnit unit;
        unit.SetMemory(1, 5, 0x77);
        unit.SetPanel({4, 2, 10, true, false, 8});
        // A good line before the bad one must not be applied either.
        const std::string path = scratch.Write("bad.state", "3 000 000011\n" + std::string(line));
        EXPECT_FALSE(unit.LoadState(path)) << line;
        EXPECT_NE(unit.LastStateError().find("line 2"), std::string::npos)
            << line << ": " << unit.LastStateError();
        EXPECT_EQ(unit.Memory(1, 5), 0x77u) << line;
        EXPECT_EQ(unit.Memory(3, 0), FactoryMemory().Read(3, 0)) << line;
        EXPECT_TRUE(SamePanel(unit.Panel(), {4, 2, 10, true, false, 8})) << line;
    }
}

TEST(StateFileLoad, NulBytesAreRefused) {
    ScratchDirectory scratch;
    const std::string path = scratch.Write("nul.state", std::string("1 002 00\0"
                                                                    "0001\n",
                                                                    14));
    SimulatedUnit unit;
    EXPECT_FALSE(unit.LoadState(path));
    EXPECT_NE(unit.LastStateError().find("line 1"), std::string::npos) << unit.LastStateError();
}

TEST(StateFileLoad, AnEmptyFileIsTheFactoryState) {
    ScratchDirectory scratch;
    SimulatedUnit unit;
    unit.SetMemory(4, 35, 0);
    unit.SetPanel({5, 2, 0, true, true, 4});
    ASSERT_TRUE(unit.LoadState(scratch.Write("empty.state", "")));
    EXPECT_TRUE(SameMemories(unit, FactoryMemory()));
    EXPECT_TRUE(SamePanel(unit.Panel(), FrontPanel{}));
}

TEST(StateFileLoad, OddButValidLayoutIsAccepted) {
    ScratchDirectory scratch;
    const std::string text =
        "# a preset for a test\r\n"
        "\r\n"
        "   \t\n"
        "1\t2\t00000a   # trailing comment\r\n"
        "6 3f4 ffffe2\n"
        "6 3F4 00000A\n"  // a later line for the same word wins
        "0 1c 3\n"
        "panel 2 1 55 1 0\n"
        "0 7FF FF";  // no newline at the end
    SimulatedUnit unit;
    ASSERT_TRUE(unit.LoadState(scratch.Write("odd.state", text))) << unit.LastStateError();
    EXPECT_EQ(unit.Memory(1, 2), 0x0Au);
    EXPECT_EQ(unit.Memory(6, 1012), 0x0Au);
    EXPECT_EQ(unit.Memory(0, 28), 3u);
    EXPECT_EQ(unit.Memory(0, 2047), 0xFFu);
    EXPECT_EQ(unit.Memory(3, 8), FactoryMemory().Read(3, 8));  // unmentioned: factory
    EXPECT_TRUE(SamePanel(unit.Panel(), {2, 1, 55, true, false, 1}));
}

TEST(StateFileLoad, ThePanelFormatIsTheSixthFieldOrTheButtonsEntry) {
    ScratchDirectory scratch;
    SimulatedUnit unit;
    ASSERT_TRUE(unit.LoadState(scratch.Write("new.state", "panel 9 1 70 0 0 13\n")));
    EXPECT_TRUE(SamePanel(unit.Panel(), {9, 1, 70, false, false, 13}));
    // Five fields: what the button holds in the file's final button table (button 5: format 8).
    ASSERT_TRUE(unit.LoadState(scratch.Write("old.state", "panel 5 2 60 0 1\n")));
    EXPECT_TRUE(SamePanel(unit.Panel(), {5, 2, 60, false, true, 8}));
    ASSERT_TRUE(unit.LoadState(scratch.Write("table.state", "panel 2 1 70 0 0\n0 015 0B\n")));
    EXPECT_EQ(unit.Panel().format, 11);
    // Button 9, or an entry naming no format: format 0.
    ASSERT_TRUE(unit.LoadState(scratch.Write("bad.state", "0 016 FF\npanel 3 1 70 0 0\n")));
    EXPECT_EQ(unit.Panel().format, 0);
}

TEST(StateFileLoad, APresetUnitAnswersWithItsValuesOverTheLine) {
    ScratchDirectory scratch;
    SimulatedUnit unit;
    ASSERT_TRUE(unit.LoadState(scratch.Write("preset.state", "3 008 FFC7C0\npanel 4 2 64 0 0\n")));
    LineClient client = LineClient::OpenPty(unit.StartPty());
    EXPECT_EQ(client.Exchange("open 93"), "open 93\r\n93>");
    EXPECT_EQ(client.Exchange("rdval 00 008"), "rdval 00 008\r\nFFC7C0\r\n93>");
    EXPECT_EQ(client.Exchange("level ?"), "level ?\r\n40\r\n93>");
    unit.Stop();
}

}  // namespace
}  // namespace kvt::sim::test
