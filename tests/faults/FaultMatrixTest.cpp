// Faults at every phase: the engine against the simulated unit over a pseudo-terminal, with each
// fault the unit's line can show striking in the middle of each phase of the engine's work.
//
// A passing fault (a dropped, refused, split or garbled reply) must cost no more than a re-send:
// the phase succeeds, and a write made while the fault strikes still reaches the unit. A lasting
// one (the unit falls silent, the port is closed under the engine) must end the phase within its
// time-outs with its failure reported, leave the ready gate, the input-update flag and the
// pending-write lists consistent, and let the engine go on once the unit answers again (or the
// port is opened again).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "EngineFixture.h"
#include "ImageTestSupport.h"
#include "firmware/DspProgram.h"

namespace kvt {
namespace {

using namespace std::chrono_literals;
using sim::Fault;
using sim::FaultKind;
using testing::At;
using testing::Eventually;
using testing::Word24;

// A phase that has not ended after this has hung, whatever the fault.
constexpr auto kPhaseBound = 30s;

// What a phase the worker carries out came to; it has no status of its own.
constexpr int32_t kCompleted = status::Ok;
constexpr int32_t kUnitGone = status::NoUnit;
constexpr int32_t kNoEnd = -1;

enum class Phase {
    Retrieval,
    WriteBurst,
    Apply,
    Save,
    Verify,
    CardTransfer,
    LogDump,
    AnalyserStream,
    Download,
};

constexpr std::array<Phase, 9> kPhases{Phase::Retrieval, Phase::WriteBurst,     Phase::Apply,
                                       Phase::Save,      Phase::Verify,         Phase::CardTransfer,
                                       Phase::LogDump,   Phase::AnalyserStream, Phase::Download};
constexpr std::array<const char*, 9> kPhaseNames{"Retrieval", "WriteBurst",     "Apply",
                                                 "Save",      "Verify",         "CardTransfer",
                                                 "LogDump",   "AnalyserStream", "Download"};

constexpr std::array<FaultKind, 6> kFaults{FaultKind::DropReply,     FaultKind::BellReply,
                                           FaultKind::SplitReply,    FaultKind::Garbage,
                                           FaultKind::StopAnswering, FaultKind::ClosePort};
constexpr std::array<const char*, 6> kFaultNames{"DroppedReply",       "BellReply",
                                                 "SplitReply",         "GarbageBeforeEcho",
                                                 "UnitStopsAnswering", "PortClosed"};

bool IsLasting(FaultKind kind) {
    return kind == FaultKind::StopAnswering || kind == FaultKind::ClosePort;
}

// One cell of the matrix: a fault striking in the middle of a phase.
struct Cell {
    Phase phase;
    FaultKind kind;
};

std::string NameOf(const Cell& cell) {
    return std::string(kPhaseNames[static_cast<size_t>(cell.phase)]) + "_" +
           kFaultNames[static_cast<size_t>(cell.kind)];
}

void PrintTo(const Cell& cell, std::ostream* out) {
    *out << NameOf(cell);
}

std::vector<Cell> EveryCell() {
    std::vector<Cell> cells;
    for (const Phase phase : kPhases) {
        for (const FaultKind kind : kFaults) {
            cells.push_back({phase, kind});
        }
    }
    return cells;
}

// A write the test makes and the word the unit must end up with.
struct Write {
    int block;
    uint32_t address;
    uint32_t word;
};

// The burst: one write on each processor, so the lines and their commits take several passes.
const std::array<Write, 5> kBurst{{
    {1, 2, Word24(23)},              // LeftInputGain(0) 2.3 dB
    {3, 8, Word24(-144 * 150)},      // Delay 150 ms
    {4, 128 + 30 - 14, Word24(45)},  // EQBand(centre, 1 kHz) 4.5 dB
    {5, 33, Word24(-20)},            // Bass(left surround) -2 dB
    {6, 1013, Word24(30)},           // OutputGain(right) 3 dB
}};

// The put made while a fault strikes: OutputGain(right EX) -7.7 dB.
constexpr Write kLateWrite{6, 1019, Word24(-77)};

constexpr size_t kLogEntries = 40;
constexpr size_t kProgramWords = 160;  // ten "wrpm" lines

// The processor selected by "open PU", as its parameter block.
int BlockOfSelection(const std::string& pair) {
    static const std::array<const char*, 7> kPairs{"", "91", "92", "93", "61", "62", "6B"};
    for (size_t block = 1; block < kPairs.size(); ++block) {
        if (pair == kPairs[block]) {
            return static_cast<int>(block);
        }
    }
    return 0;
}

class FaultAtPhase : public testing::EngineOnSimulatedUnit,
                     public ::testing::WithParamInterface<Cell> {
  public:
    // One phase: how it is set up, carried out and judged. `run` returns the member's status, or
    // for a phase the worker carries out kCompleted, kUnitGone or kNoEnd.
    struct Script {
        const char* match;  // the phase's command lines the fault strikes
        int skip;           // lines of them let through first, so it strikes mid-phase
        bool lateWrite;     // a put made while the fault strikes reaches the unit afterwards
        bool inputsAfter;   // UpdateInputs once the phase has ended
        void (FaultAtPhase::*prepare)();
        int32_t (FaultAtPhase::*run)();
        void (FaultAtPhase::*recovered)(int32_t outcome);  // after a passing fault
        void (FaultAtPhase::*failed)(int32_t outcome);     // after a lasting fault
        void (FaultAtPhase::*again)();  // with the unit healthy again, the phase succeeds
    };

  protected:
    void SetUp() override {
        EngineOnSimulatedUnit::SetUp();
        EngineTimings timings = testing::FastTimings();
        timings.saveSettle = 10ms;
        timings.unmuteWait = 1000ms;
        timings.saveReplyWait = 300ms;
        timings.cardTransferLimit = 25s;  // inside kPhaseBound: SaveMMC answers first
        timings.logSilence = 1000ms;
        timings.logLimit = 10s;
        timings.clearLogWait = 500ms;
        engine->SetTimings(timings);
    }

    Phase PhaseOf() const { return GetParam().phase; }
    FaultKind Kind() const { return GetParam().kind; }
    bool Lasting() const { return IsLasting(Kind()); }

    // ---- Striking the phase ---------------------------------------------------------------------

    // Injected with the link held, so no line is on its way while the lines seen so far are
    // counted: the fault strikes the (baseline + skip + 1)th matching line of the session.
    void InjectMidPhase() {
        Fault fault;
        fault.kind = Kind();
        fault.match = Steps().match;
        fault.skip = Steps().skip;
        fault.bursts = 3;
        fault.garbageBytes = 48;
        engine->WithLink([&](Link&, const LinkLock&, const EngineTimings&) {
            baseline_ = LinesStartingWith(fault.match).size();
            unit.InjectFault(fault);
            return 0;
        });
    }

    bool Struck() const {
        return LinesStartingWith(Steps().match).size() > baseline_ + Steps().skip;
    }

    // A front end's put from another thread as soon as the fault has struck.
    std::jthread PutWhenStruck() {
        return std::jthread([this](std::stop_token stop) {
            while (!stop.stop_requested() && !Struck()) {
                std::this_thread::sleep_for(2ms);
            }
            if (!stop.stop_requested()) {
                latePutStatus_ = engine->put_OutputGain(At(7), -7.7);
            }
        });
    }

    // The write line the fault struck, with the block it was meant for (the processor the last
    // "open" before it selected).
    std::optional<std::pair<int, std::vector<uint32_t>>> StruckWriteLine(uint32_t& address) const {
        int block = 0;
        size_t seen = 0;
        for (const std::string& line : unit.ReceivedLines()) {
            if (line.rfind("open ", 0) == 0) {
                block = BlockOfSelection(line.substr(5));
            }
            if (line.rfind(Steps().match, 0) != 0 || seen++ != baseline_ + Steps().skip) {
                continue;
            }
            std::istringstream fields(line);
            std::string command;
            fields >> command >> std::hex >> address;
            std::vector<uint32_t> values;
            for (uint32_t value = 0; fields >> value;) {
                values.push_back(value);
            }
            return std::make_pair(block, values);
        }
        return std::nullopt;
    }

    // Every word of the struck line is where it was sent: the processor's memory, or the card.
    void ExpectStruckLineArrived(bool onCard) const {
        uint32_t address = 0;
        const auto struck = StruckWriteLine(address);
        ASSERT_TRUE(struck) << "the fault never struck";
        const auto& [block, values] = *struck;
        ASSERT_FALSE(values.empty());
        for (size_t i = 0; i < values.size(); ++i) {
            const uint32_t at = address + static_cast<uint32_t>(i);
            if (onCard) {
                EXPECT_EQ(unit.CardWord(block, at), values[i]) << block << "/" << at;
            } else {
                EXPECT_EQ(unit.Memory(block, at), values[i]) << block << "/" << at;
            }
        }
    }

    // ---- Bounds and shared checks ---------------------------------------------------------------

    // Runs a step on a thread of its own. A step that has not returned well after kPhaseBound has
    // hung: the test fails and the link is closed under it so that it ends.
    int32_t Bounded(const std::function<int32_t()>& step) {
        auto running = std::async(std::launch::async, step);
        if (running.wait_for(kPhaseBound + 10s) == std::future_status::ready) {
            return running.get();
        }
        ADD_FAILURE() << "the phase hung";
        engine->Disconnect();
        running.wait();
        return kNoEnd;
    }

    // Waits until the worker's phase has completed or the unit was reported gone.
    int32_t WorkerOutcome(const std::function<bool()>& completed) const {
        int32_t outcome = kNoEnd;
        Eventually(
            [&] {
                if (completed()) {
                    outcome = kCompleted;
                } else if (!events->Named("UnitDisappeared").empty()) {
                    outcome = kUnitGone;
                }
                return outcome != kNoEnd;
            },
            kPhaseBound);
        return outcome;
    }

    bool PendingEmpty() const {
        return Eventually([&] { return engine->Pending().AllEmpty(); }, 2s);
    }

    bool UpdateInputs() const {
        Variant value;
        EXPECT_EQ(engine->get_UpdateInputs(&value), status::Ok);
        return value.IsTrue();
    }

    bool Connected() const {
        Variant value;
        EXPECT_EQ(engine->get_Connected(&value), status::Ok);
        return value.IsTrue();
    }

    size_t Count(const std::string& event) const { return events->Named(event).size(); }

    bool AnyProgress(const std::string& event, int32_t state) const {
        for (const auto& e : events->Named(event)) {
            if (e.arguments.at(0).Int32() == state) {
                return true;
            }
        }
        return false;
    }

    bool Reached(const Write& write) const {
        return unit.Memory(write.block, write.address) == write.word;
    }

    // A passing fault left the unit ready and was never taken for its disappearance.
    void ExpectStillReady() {
        EXPECT_TRUE(Ready());
        EXPECT_EQ(Count("UnitDisappeared"), 0u);
    }

    // A lasting fault ends with the unit reported gone, the gate closed and nothing left queued.
    void ExpectUnitGone(int32_t outcome) {
        EXPECT_EQ(outcome, kUnitGone) << "UnitDisappeared was not raised within the bound";
        EXPECT_FALSE(Ready());
        EXPECT_TRUE(PendingEmpty());
    }

    // A member that reports its own failure and sets the gate again: the silent unit is found out
    // by the worker's next read.
    void ExpectFailedThenFoundGone(int32_t outcome) {
        EXPECT_EQ(outcome, status::NoUnit);
        ExpectUnitGone(WorkerOutcome([] { return false; }));
    }

    void MakeReady() {
        if (!Ready()) {
            ASSERT_EQ(engine->QueryKVT(), status::Ok);
        }
    }

    // After the port was closed under it the engine needs the new line: Disconnect, the new
    // path, Connect.
    void ReopenPort(bool connect) {
        ASSERT_EQ(engine->Disconnect(), status::Ok);
        portPath = unit.StartPty();
        ASSERT_EQ(engine->put_ComPort(Variant::String(FromUtf8(portPath))), status::Ok);
        if (connect) {
            ASSERT_EQ(engine->Connect(), status::Ok);
        }
    }

    // ---- Retrieval ------------------------------------------------------------------------------

    void PrepareNothing() {}

    int32_t RunRetrieval() {
        const int32_t connected = engine->Connect();
        return connected != status::Ok ? connected : engine->QueryKVT();
    }

    void RetrievalRecovered(int32_t outcome) {
        EXPECT_EQ(outcome, status::Ok);
        EXPECT_TRUE(Ready());
        const auto progress = events->Named("ConnectionProgress");
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.back().arguments.at(1).Int32(), 108);
    }

    void RetrievalFailed(int32_t outcome) {
        EXPECT_EQ(outcome, status::NoUnit);
        EXPECT_FALSE(Ready());
    }

    void RetrievalAgain() {
        EXPECT_EQ(engine->QueryKVT(), status::Ok);
        EXPECT_TRUE(Ready());
    }

    // ---- Write burst ----------------------------------------------------------------------------

    void PrepareReady() { ConnectReady(true); }

    int32_t RunWriteBurst() {
        EXPECT_EQ(engine->put_LeftInputGain(At(0), 2.3), status::Ok);
        EXPECT_EQ(engine->put_Delay(150), status::Ok);
        EXPECT_EQ(engine->put_EQBand(At(1), At(14), 4.5), status::Ok);
        EXPECT_EQ(engine->put_Bass(At(3), -2.0), status::Ok);
        EXPECT_EQ(engine->put_OutputGain(At(2), 3.0), status::Ok);
        return WorkerOutcome([&] {
            return std::all_of(kBurst.begin(), kBurst.end(),
                               [&](const Write& w) { return Reached(w); }) &&
                   engine->Pending().AllEmpty();
        });
    }

    void WriteBurstRecovered(int32_t outcome) {
        EXPECT_EQ(outcome, kCompleted);
        ExpectStillReady();
    }

    void WriteBurstAgain() {
        MakeReady();
        ASSERT_EQ(engine->put_OutputGain(At(2), -2.0), status::Ok);
        EXPECT_TRUE(Eventually([&] { return Reached({6, 1013, Word24(-20)}); }));
    }

    // ---- Applying a saved configuration ---------------------------------------------------------

    void PrepareApply() {
        ConnectReady(true);
        configFile_ = (config.Path() / "applied.kvt").string();
        ASSERT_EQ(engine->Save(Variant::String(FromUtf8(configFile_)), Variant::Bool(false)),
                  status::Ok);
    }

    int32_t RunApply() {
        const int32_t loaded = engine->Load(Variant::String(FromUtf8(configFile_)));
        if (loaded != status::Ok) {
            return loaded;
        }
        return WorkerOutcome([&] { return AnyProgress("UploadProgress", UploadStateCompleted); });
    }

    void ApplyRecovered(int32_t outcome) {
        EXPECT_EQ(outcome, kCompleted);
        ExpectStruckLineArrived(false);
        ExpectStillReady();
    }

    void ApplyFailed(int32_t outcome) {
        ExpectUnitGone(outcome);
        WaitForWorkerPass();
        EXPECT_FALSE(AnyProgress("UploadProgress", UploadStateCompleted))
            << "a transfer that did not reach the unit was reported complete";
    }

    void ApplyAgain() {
        MakeReady();
        events->Clear();
        ASSERT_EQ(engine->Load(Variant::String(FromUtf8(configFile_))), status::Ok);
        EXPECT_EQ(
            WorkerOutcome([&] { return AnyProgress("UploadProgress", UploadStateCompleted); }),
            kCompleted);
    }

    // ---- Storing in the unit --------------------------------------------------------------------

    void PrepareSave() {
        // Written since the last store, one word on each processor.
        for (int block = 1; block <= 5; ++block) {
            unit.SetWorkingMemory(block, 20, 0x100 + static_cast<uint32_t>(block));
        }
        ConnectReady(true);
    }

    int32_t RunSave() { return engine->SaveKVTParameters(); }

    void SaveRecovered(int32_t outcome) {
        EXPECT_EQ(outcome, status::Ok);
        for (int block = 1; block <= 5; ++block) {
            EXPECT_EQ(unit.StoredMemory(block, 20), 0x100u + static_cast<uint32_t>(block)) << block;
        }
        EXPECT_FALSE(unit.Panel().muted);
        ExpectStillReady();
    }

    void SaveFailed(int32_t outcome) {
        EXPECT_TRUE(unit.Panel().muted);  // a failed store leaves the outputs muted
        ExpectFailedThenFoundGone(outcome);
    }

    void SaveAgain() {
        MakeReady();
        EXPECT_EQ(engine->SaveKVTParameters(), status::Ok);
        // The failed store left the outputs muted and the retrieval took that as SystemMute: the
        // store keeps them muted rather than unmute behind the front end's back.
        Variant mute;
        ASSERT_EQ(engine->get_SystemMute(&mute), status::Ok);
        EXPECT_EQ(unit.Panel().muted, mute.IsTrue());
    }

    // ---- Verify ---------------------------------------------------------------------------------

    void PrepareRetrieved() { ASSERT_EQ(RunRetrieval(), status::Ok); }

    int32_t RunVerify() {
        Variant mask = Variant::Int(-1);
        const int32_t result = engine->Verify(&mask);
        mask_ = mask.Int32();
        return result;
    }

    void VerifyRecovered(int32_t outcome) {
        EXPECT_EQ(outcome, status::Ok);
        EXPECT_EQ(mask_, 0);
        ExpectStillReady();
    }

    void VerifyFailed(int32_t outcome) {
        EXPECT_EQ(mask_, 0);  // what was read agrees: the failure is in the status alone
        ExpectFailedThenFoundGone(outcome);
    }

    void VerifyAgain() {
        MakeReady();
        EXPECT_EQ(RunVerify(), status::Ok);
        EXPECT_EQ(mask_, 0);
    }

    // ---- Personality-module transfer ------------------------------------------------------------

    int32_t RunCardTransfer() { return engine->SaveMMC(Variant::Bool(true)); }

    void CardTransferRecovered(int32_t outcome) {
        EXPECT_EQ(outcome, status::Ok);
        const auto progress = events->Named("SaveMMCProgress");
        ASSERT_FALSE(progress.empty());
        EXPECT_EQ(progress.back().arguments.at(0).Int32(), SaveMMCStateCompleted);
        EXPECT_FALSE(unit.CardOpen());
        ExpectStruckLineArrived(true);
        ExpectStillReady();
    }

    void CardTransferFailed(int32_t outcome) {
        EXPECT_EQ(outcome, status::NoUnit);
        EXPECT_FALSE(AnyProgress("SaveMMCProgress", SaveMMCStateCompleted))
            << "a card that did not get the configuration was reported written";
        ExpectUnitGone(WorkerOutcome([] { return false; }));
    }

    void CardTransferAgain() {
        MakeReady();
        unit.ClearCardImage();
        EXPECT_EQ(engine->SaveMMC(Variant::Bool(true)), status::Ok);
        EXPECT_GT(unit.CardImage().size(), 100u);
    }

    // ---- Event-log dump -------------------------------------------------------------------------

    void PrepareLog() {
        std::vector<sim::LogEntry> log;
        for (size_t i = 0; i < kLogEntries; ++i) {
            log.push_back({"260314 1200" + std::to_string(10 + i), "Entry " + std::to_string(i)});
        }
        unit.SetEventLog(log);
        ConnectReady(true);
    }

    int32_t RunLogDump() {
        EXPECT_EQ(engine->QueryEventLog(), status::Ok);
        return WorkerOutcome([&] { return Count("EventEntry") >= kLogEntries; });
    }

    void LogDumpRecovered(int32_t outcome) {
        EXPECT_EQ(outcome, kCompleted) << "the dump was lost";
        WaitForWorkerPass();
        const auto entries = events->Named("EventEntry");
        ASSERT_EQ(entries.size(), kLogEntries);
        EXPECT_EQ(entries.front().arguments.at(2).StringValue(), u"Entry 0");
        EXPECT_EQ(entries.back().arguments.at(2).StringValue(), u"Entry 39");
        ExpectStillReady();
    }

    void LogDumpFailed(int32_t outcome) {
        ExpectUnitGone(outcome);
        EXPECT_EQ(Count("EventEntry"), 0u);
    }

    void LogDumpAgain() {
        MakeReady();
        events->Clear();
        EXPECT_EQ(RunLogDump(), kCompleted);
    }

    // ---- Analyser streaming ---------------------------------------------------------------------

    void PrepareAnalyser() {
        ConnectReady(true);
        ASSERT_EQ(engine->StartSLA(), status::Ok);
        ASSERT_TRUE(events->WaitFor("SLAUpdate", 3));
    }

    int32_t RunAnalyserStream() {
        if (!Eventually([&] { return Struck(); }, kPhaseBound)) {
            return kNoEnd;
        }
        const size_t before = Count("SLAUpdate");
        return WorkerOutcome([&] { return Count("SLAUpdate") >= before + 5; });
    }

    void AnalyserStreamRecovered(int32_t outcome) {
        EXPECT_EQ(outcome, kCompleted);
        ExpectStillReady();
    }

    void AnalyserStreamAgain() {
        MakeReady();
        const size_t before = Count("SLAUpdate");
        EXPECT_TRUE(Eventually([&] { return Count("SLAUpdate") >= before + 3; }));
    }

    // ---- Program download -----------------------------------------------------------------------

    void PrepareProgram() {
        program_.kind = DspKind::Equaliser;
        program_.version = 0x000064;
        for (size_t i = 0; i < kProgramWords; ++i) {
            program_.words.push_back(static_cast<uint32_t>((i * 0x9E3779u) & 0xFFFFFFu));
        }
        program_.words[1] = program_.version;
        program_.crc = ProgramCrc(program_.words);
        programFile_ = (config.Path() / "program.eq").string();
        std::ofstream(programFile_) << FormatDspProgram(program_);
        oldProgram_ = unit.ProcessorProgram(4);
    }

    int32_t RunDownload() {
        events->Clear();
        const int32_t started = engine->DownloadToDSP(Variant::Int(6), Variant::Int(1),
                                                      Variant::String(FromUtf8(programFile_)));
        if (started != status::Ok) {
            return started;
        }
        int32_t final = kNoEnd;
        Eventually(
            [&] {
                for (const auto& e : events->Named("DSPDownloadStateChange")) {
                    const int32_t state = e.arguments.at(0).Int32();
                    if (state == DSPDownloadStateFailed || state == DSPDownloadStateCompleted ||
                        state == DSPDownloadStateVerifyFailed) {
                        final = state;
                    }
                }
                return final != kNoEnd;
            },
            kPhaseBound);
        return final;
    }

    void DownloadRecovered(int32_t outcome) {
        EXPECT_EQ(outcome, DSPDownloadStateCompleted);
        EXPECT_EQ(unit.ProcessorProgram(4), program_.words);
        EXPECT_TRUE(Eventually([&] { return !Connected(); }));
        EXPECT_FALSE(Ready());
    }

    void DownloadFailed(int32_t outcome) {
        EXPECT_EQ(outcome, DSPDownloadStateFailed);
        EXPECT_EQ(unit.ProcessorProgram(4), oldProgram_);  // the old program stays in use
        EXPECT_TRUE(Eventually([&] { return !Connected(); }));
        EXPECT_FALSE(Ready());
    }

    void DownloadAgain() {
        EXPECT_EQ(RunDownload(), DSPDownloadStateCompleted);
        EXPECT_EQ(unit.ProcessorProgram(4), program_.words);
    }

    // ---- The phases, in the order of Phase ------------------------------------------------------

    const Script& Steps() const {
        using F = FaultAtPhase;
        static const std::array<Script, 9> kScripts{{
            {"rdval ", 40, false, true, &F::PrepareNothing, &F::RunRetrieval,
             &F::RetrievalRecovered, &F::RetrievalFailed, &F::RetrievalAgain},
            {"wrtval 000", 1, true, true, &F::PrepareReady, &F::RunWriteBurst,
             &F::WriteBurstRecovered, &F::ExpectUnitGone, &F::WriteBurstAgain},
            {"wrtval 000", 20, true, true, &F::PrepareApply, &F::RunApply, &F::ApplyRecovered,
             &F::ApplyFailed, &F::ApplyAgain},
            {"savevals", 2, true, true, &F::PrepareSave, &F::RunSave, &F::SaveRecovered,
             &F::SaveFailed, &F::SaveAgain},
            {"rdval ", 30, false, true, &F::PrepareRetrieved, &F::RunVerify, &F::VerifyRecovered,
             &F::VerifyFailed, &F::VerifyAgain},
            {"wrtval 000", 10, false, false, &F::PrepareReady, &F::RunCardTransfer,
             &F::CardTransferRecovered, &F::CardTransferFailed, &F::CardTransferAgain},
            {"dumplog", 0, true, true, &F::PrepareLog, &F::RunLogDump, &F::LogDumpRecovered,
             &F::LogDumpFailed, &F::LogDumpAgain},
            {"rdvalb", 3, true, true, &F::PrepareAnalyser, &F::RunAnalyserStream,
             &F::AnalyserStreamRecovered, &F::ExpectUnitGone, &F::AnalyserStreamAgain},
            {"wrpm", 4, false, true, &F::PrepareProgram, &F::RunDownload, &F::DownloadRecovered,
             &F::DownloadFailed, &F::DownloadAgain},
        }};
        return kScripts[static_cast<size_t>(PhaseOf())];
    }

    size_t baseline_ = 0;
    std::atomic<int32_t> latePutStatus_{kNoEnd};
    int32_t mask_ = -1;
    std::string configFile_;
    std::string programFile_;
    DspProgram program_;
    std::vector<uint32_t> oldProgram_;
};

TEST_P(FaultAtPhase, EndsWithinItsTimeOutsConsistentAndCanGoOn) {
    const Script& steps = Steps();
    (this->*steps.prepare)();
    ASSERT_FALSE(HasFatalFailure());
    InjectMidPhase();

    const bool lateWrite = steps.lateWrite && !Lasting();
    std::jthread latePut = lateWrite ? PutWhenStruck() : std::jthread();
    const auto start = std::chrono::steady_clock::now();
    const int32_t outcome = Bounded([&] { return (this->*steps.run)(); });
    RecordProperty("phaseMilliseconds",
                   static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now() - start)
                                        .count()));
    EXPECT_TRUE(Struck()) << "the fault never struck: the phase did not send its lines";

    if (Lasting()) {
        (this->*steps.failed)(outcome);
    } else {
        (this->*steps.recovered)(outcome);
    }
    EXPECT_TRUE(PendingEmpty());
    EXPECT_EQ(UpdateInputs(), steps.inputsAfter);
    if (lateWrite) {
        ASSERT_TRUE(Eventually([&] { return latePutStatus_ != kNoEnd; }));
        EXPECT_EQ(latePutStatus_, status::Ok);
        EXPECT_TRUE(Eventually([&] { return Reached(kLateWrite); }))
            << "a put made while the fault struck never reached the unit";
    }
    if (!Lasting()) {
        return;
    }

    // The unit answers again (or the line is back): the engine goes on.
    unit.ClearFaults();
    if (Kind() == FaultKind::ClosePort) {
        ReopenPort(PhaseOf() != Phase::Download);  // a download opens its own link
    }
    events->Clear();
    Bounded([&] {
        (this->*steps.again)();
        return 0;
    });
}

INSTANTIATE_TEST_SUITE_P(EveryPhase, FaultAtPhase, ::testing::ValuesIn(EveryCell()),
                         [](const ::testing::TestParamInfo<Cell>& info) {
                             return NameOf(info.param);
                         });

}  // namespace
}  // namespace kvt
