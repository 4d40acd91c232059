#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "RunnerFixture.h"

namespace kvt::cli::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

using Statements = RunnerFixture;
using Output = RunnerFixture;
using ExitStatus = RunnerFixture;
using UsageErrors = RunnerFixture;
using EventOutput = RunnerFixture;

// ----- resolution -----

TEST_F(Statements, BareNameOfAReadableMemberIsAGet) {
    EXPECT_EQ(RunText("Connected\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0 false"));
    EXPECT_EQ(engine.CallCount("get_Connected"), 1u);
}

TEST_F(Statements, BareNameOfAMethodIsACall) {
    EXPECT_EQ(RunText("Connect\nConnected\nDisconnect()\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0", "0 true", "0"));
    EXPECT_EQ(engine.CallCount("Connect"), 1u);
    EXPECT_EQ(engine.CallCount("Disconnect"), 1u);
}

TEST_F(Statements, PutThenGet) {
    EXPECT_EQ(RunText("ComPort = \"/dev/ttyUSB0\"\nComPort\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0", "0 \"/dev/ttyUSB0\""));
}

TEST_F(Statements, NamesMatchWhateverTheCase) {
    EXPECT_EQ(RunText("COMPORT = \"x\"\ncomport\nconnect\nCONNECTED\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0", "0 \"x\"", "0", "0 true"));
}

TEST_F(Statements, BlankAndCommentLinesPrintNothing) {
    EXPECT_EQ(RunText("# header\n\n   \nConnected   # trailing\n\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0 false"));
}

TEST_F(Statements, ArgumentsAreCoercedToTheParameterType) {
    // Initialized takes an automation boolean: a number or a string converts as a dispatcher
    // converts it.
    EXPECT_EQ(RunText("Initialized = 1\nInitialized\nInitialized = \"false\"\nInitialized\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0", "0 true", "0", "0 false"));
}

TEST_F(Statements, VariantParametersReceiveTheLiteralUnchanged) {
    // UpdateInputs refuses anything but a boolean, so an integer reaches it as an integer.
    EXPECT_EQ(RunText("UpdateInputs = -1\nUpdateInputs = false\nUpdateInputs\n"), 1);
    EXPECT_THAT(Lines(), ElementsAre("87", "0", "0 false"));
}

TEST_F(Statements, SleepPrintsZero) {
    EXPECT_EQ(RunText("sleep 0\nsleep 1\n"), 0);
    EXPECT_THAT(Lines(), ElementsAre("0", "0"));
}

TEST_F(Statements, CrLfLineEndsAndAByteOrderMarkAreAccepted) {
    EXPECT_EQ(RunText("\xEF\xBB\xBF"
                      "Connected\r\nComPort = \"a\"\r\n"),
              0);
    EXPECT_THAT(Lines(), ElementsAre("0 false", "0"));
}

// ----- output forms, read back through a Variant property -----

TEST_F(Output, Integer) {
    RunText("BitRate = -19200\nBitRate\n");
    EXPECT_EQ(Lines().at(1), "0 -19200");
}

TEST_F(Output, DoubleInShortestForm) {
    RunText("BitRate = 0.1\nBitRate\nBitRate = -3.0\nBitRate\nBitRate = 2.5e-3\nBitRate\n");
    EXPECT_THAT(Lines(), ElementsAre("0", "0 0.1", "0", "0 -3", "0", "0 0.0025"));
}

TEST_F(Output, Boolean) {
    RunText("BitRate = true\nBitRate\nBitRate = false\nBitRate\n");
    EXPECT_THAT(Lines(), ElementsAre("0", "0 true", "0", "0 false"));
}

TEST_F(Output, StringAsJson) {
    RunText(R"(ComPort = "tab\there \"quoted\" \u00e9"
ComPort
)");
    EXPECT_EQ(Lines().at(1), "0 \"tab\\there \\\"quoted\\\" \xC3\xA9\"");
}

TEST_F(Output, ArrayAsJson) {
    RunText("BitRate = [1, 2.5, \"x\", [true]]\nBitRate\n");
    EXPECT_EQ(Lines().at(1), R"(0 [1, 2.5, "x", [true]])");
}

TEST_F(Output, OutParametersFollowTheStatusInParameterOrder) {
    RunText(
        "FormatTxt1(3) = \"Left\"\nNRVersions\nEQBand(1, 14) = -3.0\nEQBand(1, 14)\n"
        "GetConfigurationPreview(\"/no-such-folder/x.kvt\")\n");
    EXPECT_THAT(Lines(), ElementsAre("0", "0 \"\" \"\"", "0", "0 -3",
                                     "110 null null null null null null null null"));
}

TEST_F(Output, NonZeroStatusIsPrinted) {
    engine.connectStatus = status::PortOpenFailed;
    EXPECT_EQ(RunText("Connect\n"), 1);
    EXPECT_THAT(Lines(), ElementsAre("110"));
}

// ----- exit status -----

TEST_F(ExitStatus, ZeroWhenEveryStatementReturnedZero) {
    EXPECT_EQ(RunText("Connect\nConnected\nDisconnect\n"), 0);
}

TEST_F(ExitStatus, OneWhenAnyStatementFailedAndTheScriptGoesOn) {
    EXPECT_EQ(RunText("Connect\nConnect\nConnected\n"), 1);
    EXPECT_THAT(Lines(), ElementsAre("0", "1247", "0 true"));
}

TEST_F(ExitStatus, TwoOnASyntaxErrorAndNothingAfterItRuns) {
    EXPECT_EQ(RunText("Connect\nConnected(\nDisconnect\n"), 2);
    EXPECT_THAT(Lines(), ElementsAre("0"));
    EXPECT_EQ(engine.CallCount("Disconnect"), 0u);
    EXPECT_THAT(errors.str(), HasSubstr("test.kvts, line 2"));
}

TEST_F(ExitStatus, TwoOnAnUnknownMemberAndNothingAfterItRuns) {
    EXPECT_EQ(RunText("# first\nConnect\nFrobnicate = 3\nDisconnect\n"), 2);
    EXPECT_THAT(Lines(), ElementsAre("0"));
    EXPECT_EQ(engine.CallCount("Disconnect"), 0u);
    EXPECT_THAT(errors.str(), HasSubstr("test.kvts, line 3"));
    EXPECT_THAT(errors.str(), HasSubstr("'Frobnicate'"));
}

TEST_F(ExitStatus, UsageErrorWinsOverAFailedStatement) {
    EXPECT_EQ(RunText("UpdateInputs = 1\nNoSuchThing\n"), 2);
}

// ----- usage errors -----

TEST_F(UsageErrors, WrongNumberOfArguments) {
    EXPECT_EQ(RunText("Connected(1)\nConnect\n"), 2);
    EXPECT_THAT(Lines(), IsEmpty());
    EXPECT_EQ(engine.CallCount("Connect"), 0u);
    EXPECT_THAT(errors.str(), HasSubstr("line 1"));
    EXPECT_THAT(errors.str(), HasSubstr("'Connected' takes 0 argument(s), 1 given"));
}

TEST_F(UsageErrors, WrongNumberOfIndexArgumentsInAPut) {
    EXPECT_EQ(RunText("ComPort(1) = \"x\"\n"), 2);
    EXPECT_THAT(errors.str(), HasSubstr("index argument"));
    EXPECT_EQ(engine.CallCount("put_ComPort"), 0u);
}

TEST_F(UsageErrors, ValueThatCannotBeCoerced) {
    EXPECT_EQ(RunText("Initialized = \"maybe\"\nConnect\n"), 2);
    EXPECT_THAT(errors.str(), HasSubstr("\"maybe\""));
    EXPECT_THAT(errors.str(), HasSubstr("boolean"));
    EXPECT_EQ(engine.CallCount("put_Initialized"), 0u);
    EXPECT_EQ(engine.CallCount("Connect"), 0u);
}

TEST_F(UsageErrors, ArrayForATypedParameter) {
    EXPECT_EQ(RunText("Initialized = [true]\n"), 2);
}

TEST_F(UsageErrors, PutOfAReadOnlyProperty) {
    EXPECT_EQ(RunText("Connected = true\n"), 2);
    EXPECT_THAT(errors.str(), HasSubstr("read-only"));
}

TEST_F(UsageErrors, PutOfAMethod) {
    EXPECT_EQ(RunText("Connect = 1\n"), 2);
    EXPECT_EQ(engine.CallCount("Connect"), 0u);
}

TEST_F(UsageErrors, MessageGoesToErrorsWithTheProgramName) {
    RunText("\n\n  bad bad\n");
    EXPECT_THAT(errors.str(), HasSubstr("kvt80ctl: test.kvts, line 3: column 7:"));
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST_F(UsageErrors, ReportedForAnOptionStopsTheRunLikeAStatement) {
    runner->ReportUsageError("--baud", "BitRate could not be set");
    EXPECT_EQ(runner->ExitStatus(), 2);
    EXPECT_THAT(errors.str(), HasSubstr("kvt80ctl: --baud: BitRate could not be set"));
}

// ----- Connect's hint -----

TEST(ConnectHint, FailedConnectPrintsWhyThePortDidNotOpen) {
    FakeEngine engine;
    engine.connectStatus = status::PortOpenFailed;
    std::ostringstream out;
    std::ostringstream errors;
    RunnerOptions options;
    options.openErrorText = [] { return std::string("permission denied on /dev/ttyS0 (dialout)"); };
    ScriptRunner runner(engine, std::make_shared<LineWriter>(out), errors, options);
    ASSERT_EQ(runner.Attach(), status::Ok);
    EXPECT_EQ(runner.RunLine("Connect", "-e statement 1"), Outcome::Failed);
    EXPECT_EQ(out.str(), "110\n");
    EXPECT_EQ(errors.str(), "kvt80ctl: permission denied on /dev/ttyS0 (dialout)\n");
}

TEST(ConnectHint, NothingWhenTheReasonIsEmptyOrConnectSucceeds) {
    FakeEngine engine;
    std::ostringstream out;
    std::ostringstream errors;
    int asked = 0;
    RunnerOptions options;
    options.openErrorText = [&] {
        ++asked;
        return std::string();
    };
    ScriptRunner runner(engine, std::make_shared<LineWriter>(out), errors, options);
    EXPECT_EQ(runner.RunLine("Connect", "x"), Outcome::Ok);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(runner.RunLine("Disconnect", "x"), Outcome::Ok);
    engine.connectStatus = status::PortOpenFailed;
    EXPECT_EQ(runner.RunLine("Connect", "x"), Outcome::Failed);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(errors.str(), "");
}

// ----- events -----

TEST_F(EventOutput, EventsArePrintedOnlyWhenAsked) {
    engine.onConnect = [](FakeEngine& e) {
        e.Raise([](IKVTEvents& sink) { sink.ConnectionProgress(1, 5, 108); });
    };
    RunText("Connect\n");
    EXPECT_THAT(Lines(), ElementsAre("0"));

    StartRunner(RunnerOptions{true, {}, {}});
    RunText("Disconnect\nConnect\n");
    EXPECT_THAT(Lines(), ElementsAre("event InputLevelsUpdated(-80, -80)", "0",
                                     "event ConnectionProgress(1, 5, 108)", "0"));
}

TEST_F(EventOutput, EveryArgumentTypeIsFormatted) {
    StartRunner(RunnerOptions{true, {}, {}});
    engine.Raise([](IKVTEvents& sink) {
        sink.SystemMuteChanged(VARIANT_TRUE);
        sink.EventEntry(0x180102, 0x0c1e00, u"Format \"DTS\" selected");
        sink.SLAUpdate(Variant::Array(VT_R8, {Variant::Double(-61.5), Variant::Double(-3)}));
        sink.UnitDisappeared();
    });
    EXPECT_THAT(Lines(),
                ElementsAre("event SystemMuteChanged(true)",
                            R"(event EventEntry(1573122, 794112, "Format \"DTS\" selected"))",
                            "event SLAUpdate([-61.5, -3])", "event UnitDisappeared()"));
}

TEST_F(EventOutput, LinesFromOtherThreadsNeverInterleave) {
    StartRunner(RunnerOptions{true, {}, {}});
    constexpr int kThreads = 4;
    constexpr int kEventsPerThread = 300;
    constexpr int kStatements = 200;
    std::vector<std::thread> raisers;
    for (int t = 0; t < kThreads; ++t) {
        raisers.emplace_back([this, t] {
            for (int i = 0; i < kEventsPerThread; ++i) {
                engine.Raise([&](IKVTEvents& sink) {
                    sink.EventEntry(t, i, u"a fairly long description so that lines are long");
                });
            }
        });
    }
    for (int i = 0; i < kStatements; ++i) {
        runner->RunLine("ComPort", "x");
    }
    for (auto& thread : raisers) {
        thread.join();
    }
    // "event EventEntry(<digits>, <digits>, "<description>")" and nothing else.
    const auto isEventLine = [](const std::string& line) {
        const std::string head = "event EventEntry(";
        const std::string tail = ", \"a fairly long description so that lines are long\")";
        if (!line.starts_with(head) || !line.ends_with(tail) ||
            line.size() < head.size() + tail.size()) {
            return false;
        }
        const std::string numbers =
            line.substr(head.size(), line.size() - head.size() - tail.size());
        const size_t comma = numbers.find(", ");
        return comma != std::string::npos && comma > 0 && comma + 2 < numbers.size() &&
               numbers.find_first_not_of("0123456789, ") == std::string::npos &&
               numbers.find(", ", comma + 1) == std::string::npos;
    };
    int events = 0;
    int results = 0;
    for (const std::string& line : Lines()) {
        if (line == "0 \"COM1:\"") {
            ++results;
        } else {
            EXPECT_TRUE(isEventLine(line)) << line;
            ++events;
        }
    }
    EXPECT_EQ(events, kThreads * kEventsPerThread);
    EXPECT_EQ(results, kStatements);
}

// ----- sink lifetime -----

TEST_F(EventOutput, DetachDisconnectsTheSinkAndIgnoresLateDeliveries) {
    StartRunner(RunnerOptions{true, {}, {}});
    const std::shared_ptr<EventRecorder> recorder = runner->Recorder();
    EXPECT_EQ(engine.SinkCount(), 1u);
    runner->Detach();
    EXPECT_EQ(engine.SinkCount(), 0u);
    // An event taken from the sink list just before Unadvise may still arrive.
    recorder->UnitDisappeared();
    EXPECT_EQ(recorder->RecordedCount(), 0u);
    EXPECT_THAT(Lines(), IsEmpty());
}

TEST(RunnerLifetime, DestructorUnadvises) {
    FakeEngine engine;
    std::ostringstream out;
    std::ostringstream errors;
    {
        ScriptRunner runner(engine, std::make_shared<LineWriter>(out), errors);
        ASSERT_EQ(runner.Attach(), status::Ok);
        EXPECT_EQ(engine.SinkCount(), 1u);
    }
    EXPECT_EQ(engine.SinkCount(), 0u);
}

// ----- the simulated unit and download progress -----

TEST(SimulatorStatements, GoToTheSimulatedUnitAndFailOnItsErrors) {
    FakeEngine engine;
    std::ostringstream out;
    std::ostringstream errors;
    std::vector<std::string> commands;
    RunnerOptions options;
    options.simulator = [&](std::string_view command) {
        commands.emplace_back(command);
        return std::string(command == "power-cycle s5" ? "ok boot loader running"
                                                       : "error: unknown command");
    };
    ScriptRunner runner(engine, std::make_shared<LineWriter>(out), errors, options);
    EXPECT_EQ(runner.RunLine("sim power-cycle s5   # hold S5", "x"), Outcome::Ok);
    EXPECT_EQ(runner.ExitStatus(), 0);
    EXPECT_EQ(runner.RunLine("SIM\tfly", "x"), Outcome::Failed);
    EXPECT_EQ(runner.ExitStatus(), 1);
    EXPECT_THAT(commands, ElementsAre("power-cycle s5", "fly"));
    EXPECT_EQ(out.str(), "sim ok boot loader running\nsim error: unknown command\n");

    // Without --demo there is nothing to act on; "sim" alone says what it needs.
    ScriptRunner plain(engine, std::make_shared<LineWriter>(out), errors);
    EXPECT_EQ(plain.RunLine("sim mute", "x"), Outcome::UsageError);
    EXPECT_THAT(errors.str(), HasSubstr("--demo"));
    EXPECT_TRUE(ParseStatement("sim").error.has_value());
    // A member whose name starts with "sim" is still a member.
    EXPECT_EQ(ParseStatement("simulate(1)").statement.kind, StatementKind::Call);
}

TEST_F(EventOutput, DownloadProgressPrintsPositionsAndReasonsOnly) {
    StartRunner(RunnerOptions{true, {}, {}});
    engine.Raise([](IKVTEvents& sink) {
        sink.DownloadProgress(8, 0, 0, u"");
        sink.DownloadProgress(8, 512, 2048, u"");
        sink.DownloadProgress(12, 0, 0, u"the CRC differs");
        sink.DownloadProgress(10, 0, 0, u"");
    });
    EXPECT_THAT(Lines(), ElementsAre("progress Writing 512/2048 (25%)",
                                     "progress VerifyFailed: the CRC differs"));
}

// ----- interactive prompt -----

TEST(InteractivePrompt, PromptsForEachLineAndGoesOnAfterAnError) {
    FakeEngine engine;
    std::ostringstream out;
    std::ostringstream errors;
    auto writer = std::make_shared<LineWriter>(out);
    ScriptRunner runner(engine, writer, errors);
    ASSERT_EQ(runner.Attach(), status::Ok);
    std::istringstream input("Connect\nOops(\nConnected\n");
    RunInteractive(runner, input, *writer, "kvt80> ");
    EXPECT_EQ(out.str(), "kvt80> 0\nkvt80> kvt80> 0 true\nkvt80> \n");
    EXPECT_THAT(errors.str(), HasSubstr("input, line 2"));
    EXPECT_EQ(runner.ExitStatus(), 2);
}

TEST(InteractivePrompt, EventWhileThePromptIsShownGoesBelowItAndThePromptReturns) {
    std::ostringstream out;
    LineWriter writer(out);
    writer.ShowPrompt("kvt80> ");
    writer.WriteLine("event UnitDisappeared()");
    writer.PromptAnswered();
    writer.WriteLine("0");
    EXPECT_EQ(out.str(), "kvt80> \nevent UnitDisappeared()\nkvt80> 0\n");
}

}  // namespace
}  // namespace kvt::cli::testing
