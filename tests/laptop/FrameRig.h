// What the frame tests share: the unit rig with the main frame shown over its engine, the frame's
// own settings in a configuration folder of the test's own, and the frame's connection flow.
// FrameT is the frame class the test needs (CMainFrame, or one with its questions answered).
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTest>
#include <memory>

#include "CMainFrame.h"
#include "ConnectionFlows.h"
#include "EngineValues.h"
#include "TestSupport.h"
#include "UnitRig.h"

namespace kvt::laptop {

template <typename FrameT = CMainFrame>
class FrameRig : public UnitRig {
  protected:
    static constexpr int kFlowTimeoutMs = 20000;

    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(UnitRig::SetUp());
        ASSERT_NO_FATAL_FAILURE(StartUnit());
        frame = std::make_unique<FrameT>(*engine, 9);
        frame->show();
    }

    void TearDown() override {
        if (frame) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->Flows().Busy(); }, kFlowTimeoutMs));
            frame.reset();
        }
        UnitRig::TearDown();
    }

    // Connects through the frame, as File > Connect does, and waits for the retrieval.
    void ConnectOrFail() {
        ASSERT_TRUE(frame->Flows().Connect());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !frame->Flows().Busy(); }, kFlowTimeoutMs));
        ASSERT_TRUE(frontend::IsConnected(*engine));
    }

    // A file of that name in the test's configuration folder.
    QString Path(const char* name) const {
        return QString::fromStdString((config.Path() / name).string());
    }

    testing::ScopedConfigHome config;
    std::unique_ptr<FrameT> frame;
};

}  // namespace kvt::laptop
