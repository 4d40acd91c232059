// Downloads against the simulated unit: controller firmware through its boot loader, programs
// into the signal processors, with the exact state sequences the front ends rely on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "EngineFixture.h"
#include "SourceTree.h"
#include "firmware/DspProgram.h"

namespace kvt::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const fs::path kExamples = testing::SourceTree() / "examples";

class Download : public EngineOnSimulatedUnit {
  protected:
    // The states of one download's events, once its final state has come (or what came in time).
    std::vector<int32_t> States(const std::string& event, std::initializer_list<int32_t> finals) {
        Eventually(
            [&] {
                for (const RecordedEvent& e : events->Named(event)) {
                    for (const int32_t final : finals) {
                        if (e.arguments.at(0).Int32() == final) {
                            return true;
                        }
                    }
                }
                return false;
            },
            std::chrono::seconds(30));
        std::vector<int32_t> states;
        for (const RecordedEvent& e : events->Named(event)) {
            states.push_back(e.arguments.at(0).Int32());
        }
        return states;
    }
    std::vector<int32_t> PicStates() { return States("PICDownloadStateChange", {4, 5}); }
    std::vector<int32_t> DspStates() { return States("DSPDownloadStateChange", {9, 10, 12}); }

    // The note of the final progress report.
    std::string FinalNote() const {
        const auto reports = events->Named("DownloadProgress");
        return reports.empty() ? std::string()
                               : ToUtf8(reports.back().arguments.at(3).StringValue());
    }

    bool Connected() const {
        Variant connected;
        EXPECT_EQ(engine->get_Connected(&connected), status::Ok);
        return connected.IsTrue();
    }

    void ParseExampleFirmware() {
        const fs::path hex = config.Path() / "fw.hex";
        fs::copy_file(kExamples / "fw.hex", hex);
        ASSERT_EQ(engine->ParseHexFile(FromUtf8(hex.string())), status::Ok);
    }

    // A program file for the kind, of `count` words, with the version in word 1.
    std::string WriteProgram(DspKind kind, size_t count, uint32_t version,
                             const std::string& name = "program") {
        DspProgram program;
        program.kind = kind;
        program.version = version;
        for (size_t i = 0; i < count; ++i) {
            program.words.push_back(static_cast<uint32_t>((i * 0x9E3779u) & 0xFFFFFFu));
        }
        program.words[1] = version;
        program.crc = ProgramCrc(program.words);
        const fs::path path = config.Path() / name;
        std::ofstream(path) << FormatDspProgram(program);
        return path.string();
    }

    int32_t DownloadToDSP(int card, int dsp, const std::string& path) {
        return engine->DownloadToDSP(Variant::Int(card), Variant::Int(dsp),
                                     Variant::String(FromUtf8(path)));
    }
};

// ---- Controller firmware ----------------------------------------------------------------------

TEST_F(Download, ControllerFirmwareIsWrittenThroughTheBootLoader) {
    ParseExampleFirmware();
    unit.PowerCycleHoldingS5();
    ASSERT_EQ(engine->DownloadToPIC(), status::Ok);
    EXPECT_THAT(PicStates(), ElementsAre(0, 1, 2, 3, 5));
    EXPECT_EQ(FinalNote(), "");

    // The unit runs the new firmware, which reports the version of its user ID; the link the
    // download opened is closed again.
    EXPECT_FALSE(unit.BootLoaderRunning());
    EXPECT_TRUE(Eventually([&] { return !Connected(); }));
    const sim::ControllerMemories memories = unit.ControllerFirmware();
    EXPECT_EQ(std::string(memories.userId.begin(), memories.userId.begin() + 6), "021500");
    ASSERT_EQ(engine->Connect(), status::Ok);
    EXPECT_THAT(engine->CallerExchange("picver\r").reply, HasSubstr("021500"));

    // The position was reported while writing, up to the whole of each phase.
    bool programWhole = false;
    for (const RecordedEvent& report : events->Named("DownloadProgress")) {
        const int32_t state = report.arguments[0].Int32();
        const int32_t total = report.arguments[2].Int32();
        programWhole =
            programWhole || (state == 2 && total > 0 && report.arguments[1].Int32() == total);
    }
    EXPECT_TRUE(programWhole);
}

TEST_F(Download, ControllerDownloadEndsWithFailedWhenTheBootLoaderStopsAnswering) {
    ParseExampleFirmware();
    unit.PowerCycleHoldingS5();
    sim::Fault stop;
    stop.kind = sim::FaultKind::StopAnswering;
    stop.match = "W 000100";
    unit.InjectFault(stop);
    ASSERT_EQ(engine->DownloadToPIC(), status::Ok);
    EXPECT_THAT(PicStates(), ElementsAre(0, 1, 2, 4));
    EXPECT_THAT(FinalNote(), HasSubstr("000100"));
    // Three sends of the record, then nothing more (no "R").
    EXPECT_EQ(LinesStartingWith("W 000100").size(), 3u);
    EXPECT_THAT(LinesStartingWith("R"), IsEmpty());
    EXPECT_TRUE(Eventually([&] { return !Connected(); }));
}

TEST_F(Download, RecordWhoseAnswerIsLostIsSentAgainAndTheDownloadCompletes) {
    ParseExampleFirmware();
    unit.PowerCycleHoldingS5();
    sim::Fault noise;
    noise.kind = sim::FaultKind::Garbage;  // the answer line arrives unreadable
    noise.match = "W 000100";
    unit.InjectFault(noise);
    ASSERT_EQ(engine->DownloadToPIC(), status::Ok);
    EXPECT_THAT(PicStates(), ElementsAre(0, 1, 2, 3, 5));
    EXPECT_EQ(LinesStartingWith("W 000100").size(), 2u);
}

TEST_F(Download, ControllerDownloadGivesUpWhenNoBootLoaderComes) {
    ParseExampleFirmware();
    // Powered up without S5: the firmware refuses the probes.
    ASSERT_EQ(engine->DownloadToPIC(), status::Ok);
    EXPECT_THAT(PicStates(), ElementsAre(0, 4));
    EXPECT_THAT(FinalNote(), HasSubstr("S5"));
    EXPECT_THAT(LinesStartingWith("E"), IsEmpty());
}

TEST_F(Download, DisconnectStopsAWaitingDownload) {
    ParseExampleFirmware();
    EngineTimings timings = FastTimings();
    timings.bootWaitLimit = std::chrono::minutes(2);
    engine->SetTimings(timings);
    ASSERT_EQ(engine->DownloadToPIC(), status::Ok);
    ASSERT_TRUE(unit.WaitForLines(2, std::chrono::seconds(5)));
    ASSERT_EQ(engine->Disconnect(), status::Ok);
    EXPECT_THAT(States("PICDownloadStateChange", {4, 5}), ElementsAre(0, 4));
    EXPECT_THAT(FinalNote(), HasSubstr("stopped"));
}

TEST_F(Download, RefusedBeforeAnyEventWithoutImageOrPort) {
    EXPECT_EQ(engine->DownloadToPIC(), status::InvalidArgument);  // nothing parsed yet
    ParseExampleFirmware();
    ASSERT_EQ(engine->put_ComPort(Variant::String(u"/dev/kvt80-no-such-port")), status::Ok);
    EXPECT_NE(engine->DownloadToPIC(), status::Ok);
    EXPECT_NE(DownloadToDSP(6, 1, WriteProgram(DspKind::Equaliser, 64, 0x62)), status::Ok);
    EXPECT_EQ(DownloadToDSP(6, 3, WriteProgram(DspKind::Equaliser, 64, 0x62)),
              status::InvalidArgument);
    EXPECT_EQ(engine->DownloadToDSP(Variant::Int(6), Variant::Int(1), Variant::Int(3)),
              status::InvalidArgument);
    EXPECT_THAT(events->Events(), IsEmpty());
}

// ---- Signal-processor programs ----------------------------------------------------------------

TEST_F(Download, EqualiserProgramIsWrittenVerifiedAndStarted) {
    const std::string path = WriteProgram(DspKind::Equaliser, 100, 0x000063);
    ASSERT_EQ(DownloadToDSP(6, 1, path), status::Ok);
    EXPECT_THAT(DspStates(), ElementsAre(6, 7, 8, 11, 10));
    EXPECT_EQ(FinalNote(), "");

    const DspProgram program = *ParseDspProgram([&] {
                                    std::ifstream in(path);
                                    return std::string(std::istreambuf_iterator<char>(in), {});
                                }())
                                    .program;
    EXPECT_EQ(unit.ProcessorProgram(4), program.words);
    EXPECT_EQ(unit.Memory(4, 261), 0x000063u);  // the version the engine reads
    EXPECT_EQ(unit.StoredMemory(4, 264), 0x000063u);
    // 100 words go as six lines of 16 and one of 4, to the processor selected first.
    EXPECT_EQ(LinesStartingWith("wrpm").size(), 7u);
    EXPECT_THAT(LinesSince("open 61").at(1), "dspreset");
    EXPECT_EQ(LinesStartingWith("crcpm"), std::vector<std::string>{"crcpm 0000 0064"});
    EXPECT_TRUE(Eventually([&] { return !Connected(); }));
}

TEST_F(Download, ProgramThatReadsBackWrongEndsWithVerifyFailedAndKeepsTheOldProgram) {
    const std::vector<uint32_t> before = unit.ProcessorProgram(3);
    unit.CorruptProgramWrites(1);
    ASSERT_EQ(DownloadToDSP(9, 3, WriteProgram(DspKind::Matrix, 40, 0x154)), status::Ok);
    EXPECT_THAT(DspStates(), ElementsAre(6, 7, 8, 11, 12));
    EXPECT_THAT(FinalNote(), HasSubstr("CRC"));
    EXPECT_THAT(LinesStartingWith("dsprun"), IsEmpty());
    EXPECT_EQ(unit.ProcessorProgram(3), before);
}

TEST_F(Download, DeadProcessorEndsWithFailed) {
    unit.SetProcessorDead(1, true);
    ASSERT_EQ(DownloadToDSP(9, 1, WriteProgram(DspKind::NoiseReduction, 40, 0x19)), status::Ok);
    EXPECT_THAT(DspStates(), ElementsAre(6, 9));
    EXPECT_THAT(FinalNote(), HasSubstr("card 9 DSP 1"));
    EXPECT_THAT(LinesStartingWith("dspstub"), IsEmpty());
}

TEST_F(Download, ProgramForAnotherProcessorOrDamagedIsRefusedBeforeTheUnitIsTouched) {
    ASSERT_EQ(DownloadToDSP(6, 2, WriteProgram(DspKind::NoiseReduction, 40, 0x19)), status::Ok);
    EXPECT_THAT(DspStates(), ElementsAre(6, 9));
    EXPECT_THAT(FinalNote(), HasSubstr("NR program"));

    events->Clear();
    const std::string path = WriteProgram(DspKind::Equaliser, 40, 0x62);
    std::string text;
    {
        std::ifstream in(path);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    text[text.find("000062") + 5] = '3';  // word 1 no longer matches its version and CRC
    std::ofstream(path) << text;
    ASSERT_EQ(DownloadToDSP(6, 2, path), status::Ok);
    EXPECT_THAT(DspStates(), ElementsAre(6, 9));
    EXPECT_THAT(FinalNote(), HasSubstr("not valid"));
    EXPECT_THAT(LinesStartingWith("dspreset"), IsEmpty());
}

TEST_F(Download, WhileConnectedTheConnectResultIsReturned) {
    ASSERT_EQ(engine->Connect(), status::Ok);
    EXPECT_EQ(DownloadToDSP(6, 1, WriteProgram(DspKind::Equaliser, 40, 0x62)),
              status::AlreadyConnected);
    EXPECT_THAT(events->Named("DSPDownloadStateChange"), IsEmpty());
}

}  // namespace
}  // namespace kvt::testing
