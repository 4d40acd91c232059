// What the page and dialog tests share: a real engine with the tests' short waits, its event
// bridge, and a simulated unit on a pseudo-terminal to connect it to. A test's fixture derives
// from UnitRig, closes its own windows in TearDown and then calls UnitRig::TearDown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <memory>
#include <string>

#include "EngineBridge.h"
#include "EngineValues.h"
#include "KVT80.h"
#include "SimulatedUnit.h"
#include "TestSupport.h"

namespace kvt::laptop {

class UnitRig : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(CreateEngine("KVT80.KVT80", engine), status::Ok);
        dynamic_cast<KVT80&>(*engine).SetTimings(Timings());
        bridge = std::make_unique<frontend::EngineBridge>(*engine);
    }

    void TearDown() override {
        bridge.reset();
        engine->Disconnect();
        engine->Cleanup();
        engine.reset();
        unit.Stop();
    }

    // The engine's waits; a fixture that needs others (a faster status poll) says so here.
    virtual EngineTimings Timings() const { return testing::FastTimings(); }

    // Serves the unit on a new pseudo-terminal and makes it the engine's port.
    void StartUnit() {
        port = unit.StartPty();
        ASSERT_EQ(engine->put_ComPort(frontend::TextVariant(QString::fromStdString(port))),
                  status::Ok);
    }

    // Connects and retrieves; the input levels stay off unless asked for, so the line carries
    // only what a test does. The retrieval's events reach the windows before it returns.
    void ConnectToUnit(bool updateInputs = false) {
        ASSERT_NO_FATAL_FAILURE(StartUnit());
        ASSERT_EQ(engine->put_UpdateInputs(Variant::Bool(updateInputs)), status::Ok);
        ASSERT_EQ(engine->Connect(), status::Ok);
        ASSERT_EQ(engine->QueryKVT(), status::Ok);
        QApplication::processEvents();
    }

    sim::SimulatedUnit unit;
    std::string port;
    std::unique_ptr<IKVT80> engine;
    std::unique_ptr<frontend::EngineBridge> bridge;
};

}  // namespace kvt::laptop
