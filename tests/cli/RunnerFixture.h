// A ScriptRunner over the engine test double, with its output captured.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "FakeEngine.h"
#include "LineWriter.h"
#include "ScriptRunner.h"

namespace kvt::cli::testing {

class RunnerFixture : public ::testing::Test {
  protected:
    void SetUp() override { StartRunner({}); }

    void StartRunner(RunnerOptions options) {
        runner.reset();
        out.str("");
        errors.str("");
        runner = std::make_unique<ScriptRunner>(engine, writer, errors, std::move(options));
        ASSERT_EQ(runner->Attach(), status::Ok);
    }

    // Runs a whole script and returns the exit status.
    int RunText(const std::string& script) {
        std::istringstream in(script);
        RunScript(*runner, in, "test.kvts");
        return runner->ExitStatus();
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    FakeEngine engine;
    std::ostringstream out;
    std::ostringstream errors;
    std::shared_ptr<LineWriter> writer = std::make_shared<LineWriter>(out);
    std::unique_ptr<ScriptRunner> runner;
};

}  // namespace kvt::cli::testing
