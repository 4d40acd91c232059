// Soak: the engine under a random mix of work for minutes, with transient line faults, against
// the simulated unit. Two threads change parameters, one streams the analyser and asks for the
// unit's status, one stores and verifies now and then, and one disturbs the line. Every store and
// verify must succeed, and at the end the unit must hold exactly what the engine believes.
//
// Not part of the default run: `./scripts/soak.sh` runs it under ThreadSanitizer and
// AddressSanitizer (KVT_SOAK_SECONDS sets the duration, 120 s by default).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <random>
#include <shared_mutex>
#include <thread>

#include "EngineFixture.h"

namespace kvt::testing {
namespace {

using namespace std::chrono_literals;

std::chrono::seconds SoakDuration() {
    const char* text = std::getenv("KVT_SOAK_SECONDS");
    const long seconds = text != nullptr ? std::strtol(text, nullptr, 10) : 0;
    return std::chrono::seconds(seconds > 0 ? seconds : 120);
}

// A value on the parameter's 0.1 dB grid.
double Tenths(std::mt19937& random, int lowest, int highest) {
    return std::uniform_int_distribution<int>(lowest, highest)(random) / 10.0;
}

class Soak : public EngineOnSimulatedUnit {
  protected:
    // Nothing left to send: the lists are empty and the worker has finished a pass since.
    void WaitUntilQuiet() {
        ASSERT_TRUE(Eventually([&] { return !engine->Pending().FirstPendingBlock(); }, 60s));
        WaitForWorkerPass();
    }

    void ExpectUnitMatchesImage(const char* when) {
        WaitUntilQuiet();
        Variant mask;
        EXPECT_EQ(engine->Verify(&mask), status::Ok) << when;
        EXPECT_EQ(mask, Variant::Int(0)) << when;
        EXPECT_TRUE(Ready()) << when;
    }

    std::atomic<bool> stop{false};
    // Writers and the analyser take it shared; storing and verifying take it alone, so what they
    // compare is not changing under them.
    std::shared_mutex work;
};

TEST_F(Soak, RandomWorkWithTransientFaultsLeavesTheUnitAsTheEngineBelieves) {
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), status::Ok);
    ASSERT_EQ(engine->Connect(), status::Ok);
    ASSERT_EQ(engine->QueryKVT(), status::Ok);

    std::vector<std::jthread> threads;
    // Equaliser bands of every channel.
    threads.emplace_back([&] {
        std::mt19937 random(1);
        while (!stop) {
            std::shared_lock lock(work);
            const int channel = std::uniform_int_distribution<int>(0, 7)(random);
            const int band = std::uniform_int_distribution<int>(0, 26)(random);
            EXPECT_EQ(engine->put_EQBand(Variant::Int(channel), Variant::Int(band),
                                         Tenths(random, -60, 60)),
                      status::Ok);
            lock.unlock();
            std::this_thread::sleep_for(std::chrono::milliseconds(random() % 20));
        }
    });
    // Output levels and input gains.
    threads.emplace_back([&] {
        std::mt19937 random(2);
        while (!stop) {
            std::shared_lock lock(work);
            if (random() % 2 == 0) {
                const int channel = std::uniform_int_distribution<int>(0, 7)(random);
                EXPECT_EQ(engine->put_OutputGain(Variant::Int(channel), Tenths(random, -220, 80)),
                          status::Ok);
            } else {
                const int projector = std::uniform_int_distribution<int>(0, 1)(random);
                EXPECT_EQ(
                    engine->put_LeftInputGain(Variant::Int(projector), Tenths(random, -239, 119)),
                    status::Ok);
            }
            lock.unlock();
            std::this_thread::sleep_for(std::chrono::milliseconds(random() % 30));
        }
    });
    // The analyser streaming on and off, and the unit's status asked for.
    threads.emplace_back([&] {
        std::mt19937 random(3);
        while (!stop) {
            {
                std::shared_lock lock(work);
                const bool streaming = random() % 2 == 0;
                EXPECT_EQ(engine->put_UpdateInputs(Variant::Bool(streaming)), status::Ok);
                EXPECT_EQ(streaming ? engine->StartSLA() : engine->StopSLA(), status::Ok);
                engine->UnitStatus();  // may time out while a fault strikes; must not hang
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200 + random() % 800));
        }
    });
    // Transient faults: one reply lost, cut into bursts, or behind noise; the engine's retries
    // carry every exchange through them.
    threads.emplace_back([&] {
        std::mt19937 random(4);
        while (!stop) {
            sim::Fault fault;
            const sim::FaultKind kinds[] = {sim::FaultKind::DropReply, sim::FaultKind::SplitReply,
                                            sim::FaultKind::Garbage};
            fault.kind = kinds[random() % 3];
            fault.skip = static_cast<int>(random() % 5);
            unit.InjectFault(fault);
            std::this_thread::sleep_for(std::chrono::milliseconds(300 + random() % 700));
        }
    });

    const auto end = std::chrono::steady_clock::now() + SoakDuration();
    for (int round = 0; std::chrono::steady_clock::now() < end; ++round) {
        std::this_thread::sleep_for(10s);
        std::unique_lock lock(work);
        ASSERT_EQ(engine->StopSLA(), status::Ok);
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), status::Ok);
        if (round % 2 == 0) {
            WaitUntilQuiet();
            EXPECT_EQ(engine->SaveKVTParameters(), status::Ok) << "round " << round;
        } else {
            ExpectUnitMatchesImage("during the soak");
        }
    }

    stop = true;
    threads.clear();
    unit.ClearFaults();
    ASSERT_EQ(engine->StopSLA(), status::Ok);
    ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(false)), status::Ok);
    ExpectUnitMatchesImage("at the end");
}

}  // namespace
}  // namespace kvt::testing
