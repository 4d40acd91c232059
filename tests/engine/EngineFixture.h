// An engine connected (or ready to connect) to a simulated unit over a real pseudo-terminal.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"
#include "text/Codepage.h"

namespace kvt::testing {

class EngineOnSimulatedUnit : public ::testing::Test {
  protected:
    void SetUp() override {
        portPath = unit.StartPty();
        engine = std::make_unique<KVT80>();
        ASSERT_EQ(engine->Initialize(), 0);
        engine->SetTimings(FastTimings());
        ASSERT_EQ(engine->put_ComPort(Variant::String(FromUtf8(portPath))), 0);
        ASSERT_EQ(engine->Advise(events, &cookie), 0);
    }

    void TearDown() override {
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
        unit.Stop();
    }

    // Ready without a retrieval. The worker's level reads and status polls stay off unless
    // asked for, so a test sees exactly the lines its own actions cause.
    void ConnectReady(bool polling = false) {
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(polling)), 0);
        ASSERT_EQ(engine->Connect(), 0);
        ASSERT_EQ(engine->put_Initialized(VARIANT_TRUE), 0);
        WaitForWorkerPass();
    }

    // The ready gate as the engine reports it.
    bool Ready() const {
        VariantBool ready = VARIANT_FALSE;
        EXPECT_EQ(engine->get_Initialized(&ready), status::Ok);
        return ready == VARIANT_TRUE;
    }

    // Returns once a worker pass has started and ended after the call: the worker has seen
    // every change of state made before it.
    void WaitForWorkerPass() const {
        const uint64_t start = engine->WorkerPasses();
        ASSERT_TRUE(testing::Eventually([&] { return engine->WorkerPasses() >= start + 2; }));
    }

    // The lines the unit received that start with `start`.
    std::vector<std::string> LinesStartingWith(const std::string& start) const {
        std::vector<std::string> found;
        for (const auto& line : unit.ReceivedLines()) {
            if (line.rfind(start, 0) == 0) {
                found.push_back(line);
            }
        }
        return found;
    }

    // The lines the unit received, from the first one that starts with `from`.
    std::vector<std::string> LinesSince(const std::string& from) const {
        const auto lines = unit.ReceivedLines();
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].rfind(from, 0) == 0) {
                return {lines.begin() + static_cast<long>(i), lines.end()};
            }
        }
        return {};
    }

    ScopedConfigHome config;
    sim::SimulatedUnit unit;
    std::string portPath;
    std::unique_ptr<KVT80> engine;
    std::shared_ptr<EventRecorder> events = std::make_shared<EventRecorder>();
    uint32_t cookie = 0;
};

}  // namespace kvt::testing
