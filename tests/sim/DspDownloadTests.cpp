// Loading a program into a signal processor: reset, stub, words, CRC, run; what the control card
// keeps, the refusals and the injected failures.
#include <gtest/gtest.h>

#include <array>

#include "OperatorConsole.h"
#include "SimTestSupport.h"
#include "SimulatedUnit.h"

namespace kvt::sim::test {
namespace {

// The words spell "123456789" three bytes at a time, whose CRC-32 is the well-known CBF43926.
constexpr std::string_view kCheckWords = "313233 343536 373839";
constexpr std::string_view kCheckCrc = "CBF43926";
constexpr uint32_t kCheckVersion = 0x343536;  // word 1

bool Refused(const std::string& reply) {
    return reply.find('\x07') != std::string::npos;
}

struct ProcessorVersionWords {
    const char* open;
    int block;
    uint32_t first;
    uint32_t second;
};

constexpr std::array<ProcessorVersionWords, 5> kProcessors{{
    {"open 91", 1, 18, 20},
    {"open 92", 2, 18, 20},
    {"open 93", 3, 30, 32},
    {"open 61", 4, 261, 264},
    {"open 62", 5, 261, 264},
}};

TEST(DspDownload, FullSequenceKeepsTheProgramAndSetsTheVersionWordsOfThatProcessorOnly) {
    for (const auto& processor : kProcessors) {
        auto unit = MakeInterpreter();
        const auto before = unit.State().memory;
        const std::string prompt = std::string(processor.open).substr(5) + ">";
        Ask(unit, processor.open);
        EXPECT_EQ(Ask(unit, "dspreset"), "dspreset\r\n" + prompt);
        EXPECT_EQ(Ask(unit, "dspstub"), "dspstub\r\n" + prompt);
        EXPECT_EQ(Ask(unit, "wrpm 0 " + std::string(kCheckWords)),
                  "wrpm 0 " + std::string(kCheckWords) + "\r\n" + prompt);
        EXPECT_EQ(Ask(unit, "crcpm 0000 0003"),
                  "crcpm 0000 0003\r\n" + std::string(kCheckCrc) + "\r\n" + prompt);
        EXPECT_EQ(Ask(unit, "dsprun"), "dsprun\r\n" + prompt);

        const UnitState& state = unit.State();
        const auto* kept = ProcessorOfBlock(state, processor.block);
        EXPECT_EQ(kept->program, (std::vector<uint32_t>{0x313233, 0x343536, 0x373839}));
        EXPECT_EQ(kept->stage, ProcessorStage::Running);
        for (const uint32_t address : {processor.first, processor.second}) {
            EXPECT_EQ(state.memory.Read(processor.block, address), kCheckVersion);
            EXPECT_EQ(StoredWord(state, processor.block, address), kCheckVersion);
        }
        for (int block = 1; block <= 5; ++block) {
            if (block != processor.block) {
                EXPECT_EQ(state.memory.Read(block, 261), before.Read(block, 261));
                EXPECT_EQ(state.memory.Read(block, 18), before.Read(block, 18));
            }
        }
    }
}

TEST(DspDownload, CrcCoversTheWordsAsked) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 93");
    Ask(unit, "dspreset");
    Ask(unit, "dspstub");
    Ask(unit, "wrpm 3FF0 313233 343536 373839");
    EXPECT_EQ(Ask(unit, "crcpm 3ff0 3"), "crcpm 3ff0 3\r\n" + std::string(kCheckCrc) + "\r\n93>");
    // Words never written read as 0: three zero bytes.
    EXPECT_EQ(Ask(unit, "crcpm 0 1"), "crcpm 0 1\r\nFF41D912\r\n93>");
}

TEST(DspDownload, RefusesWhatTheStageOrTheLineDoesNotAllow) {
    auto unit = MakeInterpreter();
    EXPECT_TRUE(Refused(Ask(unit, "dspreset")));  // nothing selected
    Ask(unit, "open 6B");
    EXPECT_TRUE(Refused(Ask(unit, "dspreset")));  // the output processor takes no download
    Ask(unit, "open 91");
    for (const char* line : {"dspstub", "wrpm 0 1", "crcpm 0 1", "dsprun"}) {
        EXPECT_TRUE(Refused(Ask(unit, line))) << line << " while the program runs";
    }
    EXPECT_FALSE(Refused(Ask(unit, "dspreset")));
    for (const char* line : {"wrpm 0 1", "crcpm 0 1", "dsprun", "dspreset 1"}) {
        EXPECT_TRUE(Refused(Ask(unit, line))) << line << " in the boot ROM";
    }
    EXPECT_FALSE(Refused(Ask(unit, "dspstub")));
    EXPECT_TRUE(Refused(Ask(unit, "dspstub")));  // the stub runs already
    for (const char* line : {"wrpm 0", "wrpm 0 1 2 3 4 5 6 7 8 9 A B C D E F 10 11",
                             "wrpm 3FFF 1 2", "wrpm 10000 1", "wrpm 0 1000000", "wrpm 0 12G",
                             "crcpm 3FFF 2", "crcpm 0", "crcpm 0 1 2", "dsprun", "dsprun now"}) {
        EXPECT_TRUE(Refused(Ask(unit, line))) << line;
    }
    EXPECT_FALSE(Refused(Ask(unit, "wrpm 3FFF FFFFFF")));
    EXPECT_FALSE(Refused(Ask(unit, "wrpm 0 1 2 3 4 5 6 7 8 9 A B C D E F 10")));
    EXPECT_FALSE(Refused(Ask(unit, "dsprun")));
    EXPECT_EQ(ProcessorOfBlock(unit.State(), 1)->program.size(), 0x4000u);
}

TEST(DspDownload, OneWordIsNoProgramAndDsprunKeepsTheOldOne) {
    auto unit = MakeInterpreter();
    const auto factory = ProcessorOfBlock(unit.State(), 4)->program;
    ASSERT_GE(factory.size(), 2u);
    EXPECT_EQ(factory[1], unit.State().memory.Read(4, 261));
    Ask(unit, "open 61");
    Ask(unit, "dspreset");
    Ask(unit, "dspstub");
    Ask(unit, "wrpm 0 0C0040");
    EXPECT_TRUE(Refused(Ask(unit, "dsprun")));
    EXPECT_EQ(ProcessorOfBlock(unit.State(), 4)->program, factory);
}

// The library's side, with the unit serving a pseudo-terminal.
class DspDownloadLine : public ::testing::Test {
  protected:
    void SetUp() override { client_.emplace(LineClient::OpenPty(unit_.StartPty())); }

    std::string Ask(const std::string& line) { return client_->Exchange(line, "62>"); }

    void StartStub() {
        ASSERT_EQ(client_->Exchange("open 62", "62>"), "open 62\r\n62>");
        ASSERT_EQ(Ask("dspreset"), "dspreset\r\n62>");
        ASSERT_EQ(Ask("dspstub"), "dspstub\r\n62>");
    }

    SimulatedUnit unit_;
    std::optional<LineClient> client_;
};

TEST_F(DspDownloadLine, DeadProcessorRefusesResetUntilItIsAliveAgain) {
    unit_.SetProcessorDead(5, true);
    EXPECT_EQ(client_->Exchange("open 62", "62>"), "open 62\r\n62>");
    EXPECT_EQ(Ask("dspreset"), "dspreset\r\n\x07\r\n62>");
    EXPECT_EQ(client_->Exchange("open 61", "61>"), "open 61\r\n61>");
    EXPECT_EQ(client_->Exchange("dspreset", "61>"), "dspreset\r\n61>");

    unit_.SetProcessorDead(5, false);
    StartStub();
    // A processor that dies during the download stops answering the stub's commands too.
    EXPECT_EQ(RunOperatorCommand(unit_, "dsp-dead 5 on"), "ok dsp-dead 5 on");
    EXPECT_EQ(Ask("wrpm 0 1 2"), "wrpm 0 1 2\r\n\x07\r\n62>");
    EXPECT_EQ(Ask("dspstub"), "dspstub\r\n\x07\r\n62>");
    EXPECT_EQ(RunOperatorCommand(unit_, "DSP-DEAD 5 Off"), "ok dsp-dead 5 off");
    EXPECT_EQ(Ask("wrpm 0 1 2"), "wrpm 0 1 2\r\n62>");
    for (const char* wrong : {"dsp-dead 6 on", "dsp-dead 0 off", "dsp-dead 5", "dsp-dead 5 yes"}) {
        EXPECT_EQ(RunOperatorCommand(unit_, wrong),
                  "error: dsp-dead needs a processor block from 1 to 5 and on or off; type "
                  "\"dsp-dead 3 on\"")
            << wrong;
    }
}

TEST_F(DspDownloadLine, CorruptedWriteMakesTheCrcDifferUntilTheWordsAreWrittenAgain) {
    StartStub();
    unit_.CorruptProgramWrites(1);
    const std::string write = "wrpm 0000 " + std::string(kCheckWords);
    EXPECT_EQ(Ask(write), write + "\r\n62>");
    const std::string crc = Ask("crcpm 0000 0003");
    EXPECT_NE(crc, "crcpm 0000 0003\r\n" + std::string(kCheckCrc) + "\r\n62>");
    EXPECT_EQ(crc.size(), std::string("crcpm 0000 0003\r\nXXXXXXXX\r\n62>").size());
    Ask(write);
    EXPECT_EQ(Ask("crcpm 0000 0003"), "crcpm 0000 0003\r\n" + std::string(kCheckCrc) + "\r\n62>");
}

TEST_F(DspDownloadLine, PowerCycleBeforeDsprunKeepsTheOldProgramAndAfterItTheNewOne) {
    const auto factory = unit_.ProcessorProgram(5);
    ASSERT_FALSE(factory.empty());
    StartStub();
    Ask("wrpm 0000 " + std::string(kCheckWords));
    unit_.PowerCycle();
    EXPECT_EQ(unit_.ProcessorProgram(5), factory);
    EXPECT_EQ(unit_.Memory(5, 261), factory[1]);
    EXPECT_EQ(client_->Exchange("open 62", "62>"), "open 62\r\n62>");
    EXPECT_EQ(Ask("wrpm 0 1"), "wrpm 0 1\r\n\x07\r\n62>");  // the program runs again

    StartStub();
    Ask("wrpm 0000 " + std::string(kCheckWords));
    EXPECT_EQ(Ask("dsprun"), "dsprun\r\n62>");
    unit_.PowerCycle();
    EXPECT_EQ(unit_.ProcessorProgram(5), (std::vector<uint32_t>{0x313233, 0x343536, 0x373839}));
    EXPECT_EQ(unit_.Memory(5, 261), kCheckVersion);
    EXPECT_EQ(unit_.Memory(5, 264), kCheckVersion);
    EXPECT_EQ(unit_.ProcessorProgram(6), std::vector<uint32_t>{});
}

}  // namespace
}  // namespace kvt::sim::test
