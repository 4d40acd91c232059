// Terminal access against the simulated unit: reaching the prompt, terminal mode and text sent as
// typed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EngineFixture.h"

namespace kvt::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class Terminal : public EngineOnSimulatedUnit {
  protected:
    // Everything TerminalData delivered so far, joined.
    std::string TerminalText() const {
        std::string text;
        for (const RecordedEvent& event : events->Named("TerminalData")) {
            text += ToUtf8(event.arguments.at(0).StringValue());
        }
        return text;
    }

    void SetTerminalLogging(const Variant& value) {
        ASSERT_EQ(engine->put_TerminalLogging(value), status::Ok);
    }
};

TEST_F(Terminal, EnterCommandInterpreterFindsThePromptAndLeavesTheMenuWithEscape) {
    EXPECT_EQ(engine->EnterCommandInterpreter(), status::NoUnit);  // no link

    ASSERT_EQ(engine->Connect(), status::Ok);
    EXPECT_EQ(engine->EnterCommandInterpreter(), status::Ok);
    EXPECT_THAT(unit.ReceivedLines(), ElementsAre(""));

    // A port in its menu answers the carriage return with a cleared screen: ESC brings the prompt.
    unit.ClearReceivedLines();
    unit.SetMenuMode(true);
    EXPECT_EQ(engine->EnterCommandInterpreter(), status::Ok);
    EXPECT_THAT(unit.ReceivedLines(), ElementsAre("", "\x1b"));
}

TEST_F(Terminal, EnterCommandInterpreterGivesUpAfterFiveSilentCarriageReturns) {
    ASSERT_EQ(engine->Connect(), status::Ok);
    sim::Fault stop;
    stop.kind = sim::FaultKind::StopAnswering;
    unit.InjectFault(stop);
    EXPECT_EQ(engine->EnterCommandInterpreter(), status::NoUnit);
    EXPECT_THAT(unit.ReceivedLines(), ElementsAre("", "", "", "", ""));
}

TEST_F(Terminal, TerminalLoggingSwitchesTheWorkerByTheLowSixteenBits) {
    ASSERT_EQ(engine->Connect(), status::Ok);
    ASSERT_FALSE(Ready());

    // Off (0) on a unit never retrieved: ready all the same, the worker writes and polls.
    SetTerminalLogging(Variant::Bool(false));
    EXPECT_TRUE(Ready());

    // On: the worker goes quiet; the type of the value is not looked at, only its low 16 bits.
    SetTerminalLogging(Variant::Int(static_cast<int32_t>(0x1234FFFF)));
    Variant on;
    ASSERT_EQ(engine->get_TerminalLogging(&on), status::Ok);
    EXPECT_TRUE(on.IsTrue());
    EXPECT_FALSE(Ready());

    // Any other value: off, and the ready flag as it was.
    SetTerminalLogging(Variant::Int(1));
    ASSERT_EQ(engine->get_TerminalLogging(&on), status::Ok);
    EXPECT_FALSE(on.IsTrue());
    EXPECT_FALSE(Ready());

    // Connect and Disconnect end terminal mode.
    SetTerminalLogging(Variant::Bool(true));
    ASSERT_EQ(engine->Disconnect(), status::Ok);
    ASSERT_EQ(engine->get_TerminalLogging(&on), status::Ok);
    EXPECT_FALSE(on.IsTrue());

    Variant untouched = Variant::Int(7);
    EXPECT_EQ(engine->get_TerminalLogFilename(&untouched), status::NotSupported);
    EXPECT_EQ(untouched, Variant::Int(7));
}

TEST_F(Terminal, TextTypedInTerminalModeComesBackAsTerminalData) {
    ASSERT_EQ(engine->Connect(), status::Ok);
    // Outside terminal mode nothing is sent.
    EXPECT_EQ(engine->WriteStringDirect(u"status\r"), status::Ok);

    SetTerminalLogging(Variant::Bool(true));
    EXPECT_EQ(engine->WriteStringDirect(u"status\r"), status::Ok);
    ASSERT_TRUE(Eventually([&] { return TerminalText().find('>') != std::string::npos; }));
    EXPECT_THAT(unit.ReceivedLines(), ElementsAre("status"));
    const std::string text = TerminalText();
    EXPECT_THAT(text, HasSubstr("status\r\n"));  // the echo
    EXPECT_THAT(text, HasSubstr("\t"));          // the answer's fields

    // What the unit says on its own arrives too.
    unit.SendUnsolicited("Power supply OK\r\n");
    EXPECT_TRUE(
        Eventually([&] { return TerminalText().find("Power supply OK") != std::string::npos; }));
}

TEST_F(Terminal, WriteStringDirectRefusesTextTheUnitCannotTakeWhole) {
    ASSERT_EQ(engine->Connect(), status::Ok);
    SetTerminalLogging(Variant::Bool(true));
    EXPECT_EQ(engine->WriteStringDirect(std::u16string(256, u'x')), status::InvalidArgument);
    EXPECT_EQ(engine->WriteStringDirect(u"\u4e2d\r"), status::InvalidArgument);
    // 255 characters are the most the unit's line buffer takes: sent as they are.
    EXPECT_EQ(engine->WriteStringDirect(std::u16string(254, u'y') + u"\r"), status::Ok);
    ASSERT_TRUE(unit.WaitForLines(1, std::chrono::seconds(5)));
    EXPECT_EQ(unit.ReceivedLines().at(0), std::string(254, 'y'));
}

}  // namespace
}  // namespace kvt::testing
