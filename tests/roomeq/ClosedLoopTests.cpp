// The assistant in a closed loop with the real engine over a pseudo-terminal and the simulated
// unit: the built-in room and room files of different character, each equalised and aligned and
// then checked against its own final measurement; cancel and unit loss mid-measurement.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <random>

#include "Assistant.h"
#include "KVT80.h"
#include "RoomModel.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "text/Codepage.h"

namespace kvt::roomeq {
namespace {

constexpr int kBlockMatrix = 3;
constexpr uint32_t kGeneratorControlAddress = 16;
constexpr uint32_t kGeneratorChannelBits = 0xE1D400;  // the eight channels' routing bits
constexpr int k63Hz = 4;
constexpr int k125Hz = 7;
constexpr int k12k5Hz = 27;
constexpr int k8kHz = 25;

class ClosedLoop : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string port = unit_.StartPty();
        engine_ = std::make_unique<KVT80>();
        ASSERT_EQ(engine_->Initialize(), 0);
        EngineTimings timings = testing::FastTimings();
        timings.levelReadPeriod = std::chrono::milliseconds(5);
        engine_->SetTimings(timings);
        ASSERT_EQ(engine_->put_ComPort(Variant::String(FromUtf8(port))), 0);
        ASSERT_EQ(engine_->Connect(), 0);
        ASSERT_EQ(engine_->QueryKVT(), 0);
        options_.measure.settleTime = std::chrono::milliseconds(0);
        options_.measure.frameTimeout = std::chrono::milliseconds(4000);
        options_.channels = {L, C, R, LS, SW, RS};
    }

    void TearDown() override {
        engine_->Disconnect();
        engine_->Cleanup();
        engine_.reset();
        unit_.Stop();
    }

    void UseRoom(const std::string& text) {
        std::string error;
        const auto room = sim::ParseRoomFile(text, error);
        ASSERT_TRUE(room) << error;
        unit_.SetRoom(&*room);
    }

    // The checks every room must pass, on the result's own final measurements; prints the
    // figures for the record.
    void ExpectEqualised(const AssistantResult& result, const std::string& room) {
        ASSERT_TRUE(result.completed) << result.failure;
        const double screenLevel = [&] {
            double sum = 0.0;
            int n = 0;
            for (const ChannelResult& r : result.channels) {
                if (r.kind == ChannelKind::Screen) {
                    sum += r.levelDb;
                    ++n;
                }
            }
            return sum / n;
        }();
        for (const ChannelResult& r : result.channels) {
            const std::string name(ChannelName(r.channel));
            // Columns judged: the screen range less only reported nulls and floor columns.
            std::array<bool, kColumns> expected{};
            if (r.kind == ChannelKind::Screen) {
                for (int c = k63Hz; c <= k12k5Hz; ++c) {
                    expected[static_cast<size_t>(c)] = true;
                }
                for (const Exclusion& e : r.excluded) {
                    if (e.reason != LeftOut::OutsideRange) {
                        expected[static_cast<size_t>(e.column)] = false;
                    }
                }
                EXPECT_EQ(r.judged, expected) << room << " " << name;
            } else if (r.kind == ChannelKind::Surround) {
                for (int c = k125Hz; c <= k8kHz; ++c) {
                    EXPECT_TRUE(r.judged[static_cast<size_t>(c)])
                        << room << " " << name << " " << c;
                }
            }
            const double tolerance = r.kind == ChannelKind::Screen ? 1.0 : 1.5;
            double largest = 0.0;
            for (size_t c = 0; c < kColumns; ++c) {
                if (r.judged[c]) {
                    largest = std::max(largest, std::abs(r.measuredAfter[c] - r.target[c]));
                }
            }
            // Against the target at the channel's level goal: shape and level together.
            EXPECT_LE(largest, tolerance + 0.5) << room << " " << name;
            EXPECT_LE(r.errorAfterDb, tolerance) << room << " " << name;
            EXPECT_NEAR(r.levelDb, r.levelGoalDb, 0.5) << room << " " << name;
            const double offset = r.kind == ChannelKind::Surround ? -3.0 : 0.0;
            EXPECT_NEAR(r.levelDb - screenLevel, offset, 0.5) << room << " " << name;
            EXPECT_TRUE(r.withinTolerance) << room << " " << name;
            // No setting beyond its limits, as the engine holds them now.
            const ChannelSettings now = ReadChannel(*engine_, r.channel);
            EXPECT_EQ(now.eq, r.written.eq) << room << " " << name;
            for (const double db : now.eq.bands) {
                EXPECT_LE(db, 6.0);
                EXPECT_GE(db, -6.0);
            }
            EXPECT_LE(std::abs(now.eq.bass), 6.0);
            EXPECT_LE(std::abs(now.eq.treble), 6.0);
            EXPECT_GE(now.outputGainDb, kUnitLowestOutputGain);
            EXPECT_LE(now.outputGainDb, kUnitHighestOutputGain);
            std::printf(
                "[ figures  ] %-12s %-3s rounds %d  deviation %4.1f -> %4.2f dB  level %5.2f "
                "(goal %5.2f)  left out %zu\n",
                room.c_str(), name.c_str(), r.rounds, r.errorBeforeDb, r.errorAfterDb, r.levelDb,
                r.levelGoalDb,
                static_cast<size_t>(std::count_if(
                    r.excluded.begin(), r.excluded.end(),
                    [](const Exclusion& e) { return e.reason != LeftOut::OutsideRange; })));
        }
        EXPECT_TRUE(result.AllWithinTolerance());
        ExpectGeneratorOffAndAnalyserAsItWas(false);
    }

    void ExpectGeneratorOffAndAnalyserAsItWas(bool running, bool sumAndDiff = false) {
        Variant channels;
        VariantBool isRunning = VARIANT_FALSE;
        VariantBool isSumAndDiff = VARIANT_FALSE;
        engine_->get_GeneratorChannels(&channels);
        engine_->get_SLARunning(&isRunning);
        engine_->get_SLASumAndDiff(&isSumAndDiff);
        EXPECT_EQ(channels.Int32(), 0);
        EXPECT_EQ(isRunning == VARIANT_TRUE, running);
        EXPECT_EQ(isSumAndDiff == VARIANT_TRUE, sumAndDiff);
    }

    sim::SimulatedUnit unit_;
    std::unique_ptr<KVT80> engine_;
    AssistantOptions options_;
    testing::ScopedConfigHome config_;
};

// A room from a seed: each channel a few broad random bumps and dips and a level offset, the
// surrounds with a small box's low end.
std::string RandomRoom(unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> gain(-3.5, 3.5);
    std::uniform_real_distribution<double> where(std::log2(80.0), std::log2(8000.0));
    std::uniform_real_distribution<double> width(0.4, 1.0);
    std::uniform_real_distribution<double> level(-3.0, 3.0);
    std::string text = "# random room, seed " + std::to_string(seed) + "\n";
    for (int channel = 0; channel < 8; ++channel) {
        const std::string name(sim::RoomChannelName(channel));
        text += name + " level " + std::to_string(level(random)) + "\n";
        struct Bump {
            double octave, db, width;
        };
        std::vector<Bump> bumps;
        for (int i = 0; i < 3; ++i) {
            bumps.push_back({where(random), gain(random), width(random)});
        }
        for (int c = 0; c < kColumns; ++c) {
            const double hz = ColumnHz(c);
            double db = 0.0;
            for (const Bump& b : bumps) {
                const double o = std::log2(hz) - b.octave;
                db += b.db * std::exp(-o * o / (2 * b.width * b.width));
            }
            if (channel == SW) {
                db += hz > 120 ? std::max(-40.0, -24.0 * std::log2(hz / 120.0)) : 0.0;
            } else if (KindOf(channel) == ChannelKind::Surround && hz < 100) {
                db -= 12.0 * std::log2(100.0 / hz);
            }
            // The natural high-frequency fall of a large room, about the target's.
            if (hz > 2000 && channel != SW) {
                db -= 2.5 * std::log2(hz / 2000.0);
            }
            text += name + " " + std::to_string(hz) + " " + std::to_string(db) + "\n";
        }
    }
    return text;
}

TEST_F(ClosedLoop, EqualisesTheBuiltInRoom) {
    ExpectEqualised(RunAssistant(*engine_, options_), "built-in");
}

TEST_F(ClosedLoop, EqualisesARoomWithADeepNullAndReportsTheNull) {
    UseRoom(
        "C 100 0\nC 125 0\nC 160 -16\nC 200 0\nC 2000 0\nC 12500 -9\n"
        "L 2000 0\nL 12500 -8\nR 2000 0\nR 12500 -10\n");
    options_.channels = {L, C, R};
    const AssistantResult result = RunAssistant(*engine_, options_);
    ExpectEqualised(result, "deep-null");
    const ChannelResult& centre = result.channels[1];
    EXPECT_TRUE(std::any_of(centre.excluded.begin(), centre.excluded.end(), [](const Exclusion& e) {
        return e.column == 8 && e.reason == LeftOut::Null;  // 160 Hz
    }));
    EXPECT_LE(centre.written.eq.bands[6], 0.0);  // its band was not boosted into the null
}

TEST_F(ClosedLoop, EqualisesAStrongLowModeAndARisingTopEnd) {
    UseRoom(
        "L 40 2\nL 50 5\nL 63 8\nL 80 5\nL 100 2\nL 125 0\nL 2000 0\nL 12500 -8\n"
        "C 2000 0\nC 5000 -1\nC 8000 -3\nC 12500 -6.5\nC 16000 -6\n"
        "R 40 1\nR 63 3\nR 80 6\nR 100 3\nR 160 0\nR 2000 0\nR 12500 -9\n");
    options_.channels = {L, C, R};
    ExpectEqualised(RunAssistant(*engine_, options_), "mode+top");
}

// The subwoofer is equalised by its parametric band alone: a strong mode at 50 Hz is cut where
// it is, within the unit's ranges; its bands, bass and treble are left as they were.
TEST_F(ClosedLoop, CutsASubwooferModeWithTheParametricBand) {
    UseRoom(
        "C 2000 0\nC 12500 -9\n"
        "SW 25 0\nSW 40 0\nSW 45 3\nSW 50 7\nSW 56 3\nSW 63 0\nSW 100 0\nSW 125 -4\n"
        "SW 160 -16\n");
    options_.channels = {C, SW};
    const ChannelSettings before = ReadChannel(*engine_, SW);
    const AssistantResult result = RunAssistant(*engine_, options_);
    ExpectEqualised(result, "sub-mode");
    const ChannelResult& sub = result.channels[1];
    EXPECT_GT(sub.errorBeforeDb, 4.0);
    double hz = 0.0;
    double q = 0.0;
    double gain = 0.0;
    engine_->get_SubParametricFreq(&hz);
    engine_->get_SubParametricQ(&q);
    engine_->get_SubParametricGain(&gain);
    EXPECT_EQ(sub.written.eq.parametric, (Parametric{hz, q, gain}));
    EXPECT_NEAR(hz, 50.0, 6.0);
    EXPECT_LE(gain, -3.0);
    EXPECT_GE(gain, -11.9);
    EXPECT_GE(q, 0.5);
    EXPECT_LE(q, 10.0);
    const ChannelSettings now = ReadChannel(*engine_, SW);
    EXPECT_EQ(now.eq.bands, before.eq.bands);
    EXPECT_EQ(now.eq.bass, before.eq.bass);
    EXPECT_EQ(now.eq.treble, before.eq.treble);
    // Undo puts the band back as well.
    EXPECT_EQ(RestoreChannel(*engine_, SW, sub.before), status::Ok);
    EXPECT_EQ(ReadChannel(*engine_, SW).eq, before.eq);
}

TEST_F(ClosedLoop, AlignsAChannelSixDecibelsQuieter) {
    UseRoom(
        "L 2000 0\nL 12500 -9\nC 2000 0\nC 12500 -9\nR level -6\nR 2000 0\nR 12500 -9\n"
        "LS level -1\nLS 63 -8\nLS 125 0\nLS 2000 0\nLS 12500 -9\n"
        "RS level 2\nRS 63 -8\nRS 125 0\nRS 2000 0\nRS 12500 -9\n");
    options_.channels = {L, C, R, LS, RS};
    const AssistantResult result = RunAssistant(*engine_, options_);
    ExpectEqualised(result, "quiet-R");
    EXPECT_NEAR(result.channels[2].written.outputGainDb - result.channels[1].written.outputGainDb,
                6.0, 0.5);
}

TEST_F(ClosedLoop, EqualisesRandomRoomsFromSeeds) {
    for (const unsigned seed : {7u, 20261208u}) {
        char path[] = "/tmp/kvt80-room-XXXXXX";
        const int fd = ::mkstemp(path);
        ASSERT_GE(fd, 0);
        ::close(fd);
        std::ofstream(path) << RandomRoom(seed);
        std::string error;
        ASSERT_TRUE(unit_.LoadRoom(path, error)) << error;
        ::unlink(path);
        ExpectEqualised(RunAssistant(*engine_, options_), "seed " + std::to_string(seed));
    }
}

TEST_F(ClosedLoop, DryRunProposesAndWritesNothing) {
    options_.dryRun = true;
    options_.channels = {C};
    const ChannelSettings before = ReadChannel(*engine_, C);
    const AssistantResult result = RunAssistant(*engine_, options_);
    ASSERT_TRUE(result.completed) << result.failure;
    EXPECT_EQ(ReadChannel(*engine_, C).eq, before.eq);
    EXPECT_EQ(ReadChannel(*engine_, C).outputGainDb, before.outputGainDb);
    EXPECT_NE(result.channels[0].written.eq, before.eq);
    ExpectGeneratorOffAndAnalyserAsItWas(false);
}

TEST_F(ClosedLoop, UndoPutsTheChannelBackInOneStep) {
    options_.channels = {L};
    const ChannelSettings before = ReadChannel(*engine_, L);
    const AssistantResult result = RunAssistant(*engine_, options_);
    ASSERT_TRUE(result.completed) << result.failure;
    ASSERT_NE(ReadChannel(*engine_, L).eq, before.eq);
    EXPECT_EQ(RestoreChannel(*engine_, L, result.channels[0].before), status::Ok);
    EXPECT_EQ(ReadChannel(*engine_, L).eq, before.eq);
    EXPECT_EQ(ReadChannel(*engine_, L).outputGainDb, before.outputGainDb);
}

TEST_F(ClosedLoop, StoresInTheUnitOnlyWhenAsked) {
    constexpr int kEqBlock = 4;
    constexpr uint32_t kCentreRegion = 128;
    options_.channels = {C};
    auto stored = [&] {
        std::vector<uint32_t> words;
        for (uint32_t at = kCentreRegion; at < kCentreRegion + 34; ++at) {
            words.push_back(unit_.StoredMemory(kEqBlock, at));
        }
        return words;
    };
    auto working = [&] {
        std::vector<uint32_t> words;
        for (uint32_t at = kCentreRegion; at < kCentreRegion + 34; ++at) {
            words.push_back(unit_.Memory(kEqBlock, at));
        }
        return words;
    };
    const std::vector<uint32_t> factory = stored();
    AssistantResult result = RunAssistant(*engine_, options_);
    ASSERT_TRUE(result.completed) << result.failure;
    EXPECT_FALSE(result.stored);
    ASSERT_TRUE(testing::Eventually([&] { return working() != factory; }));
    EXPECT_EQ(stored(), factory);

    options_.store = true;
    result = RunAssistant(*engine_, options_);
    ASSERT_TRUE(result.completed) << result.failure;
    EXPECT_TRUE(result.stored);
    EXPECT_EQ(stored(), working());
    // What the unit holds reads back as exactly what the engine wrote.
    Variant mask;
    EXPECT_EQ(engine_->Verify(&mask), status::Ok);
    EXPECT_EQ(mask.Int32(), 0);
}

TEST_F(ClosedLoop, CancelMidMeasurementLeavesTheGeneratorOffAndTheAnalyserAsItWas) {
    ASSERT_EQ(engine_->put_UpdateInputs(Variant::Bool(true)), 0);
    ASSERT_EQ(engine_->StartSLA(), 0);
    ASSERT_EQ(engine_->put_SLASumAndDiff(VARIANT_TRUE), 0);
    std::atomic<bool> cancel{false};
    options_.cancel = &cancel;
    options_.progress = [&](const std::string& text) {
        if (text == "C: measuring") {
            cancel = true;
        }
    };
    const AssistantResult result = RunAssistant(*engine_, options_);
    EXPECT_FALSE(result.completed);
    EXPECT_NE(result.failure.find("cancelled"), std::string::npos) << result.failure;
    EXPECT_FALSE(result.pendingRestore.has_value());
    ExpectGeneratorOffAndAnalyserAsItWas(true, true);
    // The unit hears it too: the generator word routes the signal to no channel.
    EXPECT_TRUE(testing::Eventually([&] {
        return (unit_.Memory(kBlockMatrix, kGeneratorControlAddress) & kGeneratorChannelBits) == 0;
    })) << std::hex
        << unit_.Memory(kBlockMatrix, kGeneratorControlAddress);
}

TEST_F(ClosedLoop, UnitLossMidMeasurementLeavesTheGeneratorOffAndTheAnalyserAsItWas) {
    options_.measure.frameTimeout = std::chrono::milliseconds(15000);  // the engine's own time-outs
    options_.progress = [&](const std::string& text) {
        // The first measurement is in: the generator plays on the channel as the unit goes.
        if (text.starts_with("L: largest deviation")) {
            sim::Fault fault;
            fault.kind = sim::FaultKind::StopAnswering;
            unit_.InjectFault(fault);
        }
    };
    const AssistantResult result = RunAssistant(*engine_, options_);
    EXPECT_FALSE(result.completed);
    EXPECT_NE(result.failure.find("stopped answering"), std::string::npos) << result.failure;
    VariantBool ready = VARIANT_TRUE;
    engine_->get_Initialized(&ready);
    EXPECT_EQ(ready, VARIANT_FALSE);
    // The generator is off in the engine. With the unit gone the engine keeps the analyser
    // marked as running until a retrieval reads the unit again, so only the generator and the
    // analyser's mode are checked here.
    Variant channels;
    VariantBool sumAndDiff = VARIANT_TRUE;
    engine_->get_GeneratorChannels(&channels);
    engine_->get_SLASumAndDiff(&sumAndDiff);
    EXPECT_EQ(channels.Int32(), 0);
    EXPECT_EQ(sumAndDiff, VARIANT_FALSE);
    // The put-back is kept for when the unit is back: it was playing the noise when lost.
    ASSERT_TRUE(result.pendingRestore.has_value());
    EXPECT_FALSE(result.pendingRestore->running);
    EXPECT_FALSE(PutBackAnalyser(*engine_, *result.pendingRestore));  // still gone

    unit_.ClearFaults();
    engine_->Disconnect();
    ASSERT_EQ(engine_->Connect(), 0);
    ASSERT_EQ(engine_->QueryKVT(), 0);
    // Read from the unit again: its analyser runs and the generator plays on the channel.
    VariantBool running = VARIANT_FALSE;
    engine_->get_SLARunning(&running);
    EXPECT_EQ(running, VARIANT_TRUE);
    EXPECT_NE((unit_.Memory(kBlockMatrix, kGeneratorControlAddress) & kGeneratorChannelBits), 0u);
    EXPECT_TRUE(PutBackAnalyser(*engine_, *result.pendingRestore));
    ExpectGeneratorOffAndAnalyserAsItWas(false);
    EXPECT_TRUE(testing::Eventually([&] {
        return (unit_.Memory(kBlockMatrix, kGeneratorControlAddress) & kGeneratorChannelBits) == 0;
    }));
}

}  // namespace
}  // namespace kvt::roomeq
