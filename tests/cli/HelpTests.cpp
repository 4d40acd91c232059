// The prompt's help and status meanings: the engine's tables cover every member and status, help
// shows what the dispatch table and the address map know, and scripts see none of it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "HelpText.h"
#include "IKVT80.h"
#include "RunnerFixture.h"
#include "ScriptRunner.h"
#include "automation/DispatchTable.h"
#include "automation/MemberHelp.h"
#include "automation/Names.h"

namespace kvt::cli::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Optional;

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

TEST(MemberHelpTable, EveryMemberOnceWithAParameterNameForEveryParameter) {
    std::set<std::string> seen;
    for (const MemberHelp& row : MemberHelpTable()) {
        EXPECT_TRUE(seen.insert(std::string(row.name)).second) << row.name << " twice";
    }
    for (const MemberInfo& member : DispatchTable()) {
        const MemberHelp* help = FindMemberHelp(member.name);
        ASSERT_NE(help, nullptr) << member.name << " has no help";
        // A property's value is not named; a method's every parameter is.
        const size_t named =
            member.kind == MemberKind::Method ? member.params.size() : member.params.size() - 1;
        EXPECT_EQ(help->ParameterNames().size(), named) << member.name;
    }
    EXPECT_EQ(seen.size(), MemberHelpTable().size());
}

TEST(MemberHelpTable, IndexRangesComeFromTheEnginesLimits) {
    EXPECT_EQ(IndexRangeOf("Channel")->last, 7);
    EXPECT_EQ(IndexRangeOf("Band")->last, 26);
    EXPECT_EQ(IndexRangeOf("Projector")->last, 1);
    EXPECT_EQ(IndexRangeOf("Format")->last, 15);
    EXPECT_EQ(IndexRangeOf("Button")->last, 7);
    EXPECT_FALSE(IndexRangeOf("FileName").has_value());
}

TEST(StatusMeanings, EveryStatusAMemberReturnsHasWords) {
    for (const int32_t code :
         {status::Ok, status::NoUnit, status::NotSupported, status::InvalidArgument,
          status::PortOpenFailed, status::RemoteUnreachable, status::AlreadyConnected}) {
        EXPECT_FALSE(status::Meaning(code).empty()) << code;
    }
    EXPECT_THAT(std::string(status::Meaning(87)), HasSubstr("invalid argument"));
    EXPECT_EQ(status::Meaning(1247), "already connected");
    EXPECT_EQ(status::Meaning(487), "remote address unreachable");
    EXPECT_TRUE(status::Meaning(2).empty());
}

TEST(HelpText, PropertyWithIndexesShowsKindsTypesRangeUnitAndDispatchId) {
    const auto lines = MemberHelpLines("eqband");
    ASSERT_TRUE(lines.has_value());
    EXPECT_THAT(*lines, ElementsAre("EQBand (dispatch id 0xd), Equaliser and outputs",
                                    "  get     EQBand(Channel, Band) -> double",
                                    "  put     EQBand(Channel, Band) = double",
                                    "  Channel: any, index 0 to 7", "  Band: any, index 0 to 26",
                                    "  range: -6 to 6 dB"));
}

TEST(HelpText, MethodsGetOnlyAndMembersWithoutDispatchId) {
    const std::string preview = Joined(*MemberHelpLines("GetConfigurationPreview"));
    EXPECT_THAT(preview, HasSubstr("method  GetConfigurationPreview(FileName) -> DigitalPlayer1, "
                                   "DigitalPlayer2,"));
    EXPECT_THAT(preview, HasSubstr("  Comments: any, out\n"));
    EXPECT_THAT(*MemberHelpLines("Connect"),
                ElementsAre("Connect (dispatch id 0x18), Connection", "  method  Connect()"));
    const std::string version = Joined(*MemberHelpLines("MatrixVersion"));
    EXPECT_THAT(version, HasSubstr("get     MatrixVersion -> any"));
    EXPECT_THAT(version, Not(HasSubstr("put")));
    EXPECT_THAT(Joined(*MemberHelpLines("UnitDate")), HasSubstr("(no dispatch id)"));
    EXPECT_THAT(Joined(*MemberHelpLines("SubParametricQ")), HasSubstr("range: 0.5 to 10\n"));
    EXPECT_THAT(Joined(*MemberHelpLines("LeftInputGain")), HasSubstr("range: -23.9 to 11.9 dB"));
    EXPECT_FALSE(MemberHelpLines("EQBnd").has_value());
}

TEST(HelpText, ListHasEveryMemberUnderItsGroup) {
    const std::string list = Joined(MemberListHelp());
    for (const MemberInfo& member : DispatchTable()) {
        EXPECT_THAT(list, HasSubstr(" " + std::string(member.name))) << member.name;
    }
    EXPECT_THAT(list, HasSubstr("Equaliser and outputs:\n    EQBand Bass Treble"));
    for (const std::string& line : MemberListHelp()) {
        EXPECT_LE(line.size(), 100u) << line;
    }
}

TEST(HelpTopic, RecognisesHelpWithOrWithoutANameAndNothingElse) {
    EXPECT_THAT(HelpTopic("help"), Optional(std::string()));
    EXPECT_THAT(HelpTopic("  HELP   EQBand  # the band"), Optional(std::string("EQBand")));
    EXPECT_THAT(HelpTopic("help EQBand(1)"), Optional(std::string("EQBand(1)")));
    EXPECT_FALSE(HelpTopic("helpful").has_value());
    EXPECT_FALSE(HelpTopic("EQBand").has_value());
    EXPECT_FALSE(HelpTopic("# help").has_value());
}

// ----- the runner at the prompt and in scripts -----

class AtPrompt : public RunnerFixture {
  protected:
    void SetUp() override {
        RunnerOptions options;
        options.atPrompt = true;
        StartRunner(options);
    }
};
using InScripts = RunnerFixture;

TEST_F(AtPrompt, HelpPrintsOnStandardOutputAndIsNoStatement) {
    EXPECT_EQ(runner->RunLine("help EQBand", "input, line 1"), Outcome::Nothing);
    EXPECT_THAT(Lines(), Contains("  range: -6 to 6 dB"));
    EXPECT_THAT(errors.str(), IsEmpty());
    EXPECT_EQ(runner->ExitStatus(), 0);
    out.str("");
    runner->RunLine("help", "input, line 2");
    EXPECT_THAT(Lines(), Contains("Connection:"));
}

TEST_F(AtPrompt, HelpOnAnUnknownNameSuggestsTheClosest) {
    EXPECT_EQ(runner->RunLine("help EQBnd", "input, line 1"), Outcome::UsageError);
    EXPECT_THAT(errors.str(), HasSubstr("unknown member 'EQBnd'; did you mean 'EQBand'?"));
    EXPECT_EQ(runner->RunLine("help EQBand(1)", "input, line 2"), Outcome::UsageError);
    EXPECT_THAT(errors.str(), HasSubstr("help takes one member name"));
}

TEST_F(AtPrompt, NonZeroStatusIsExplainedOnTheErrorStreamOnly) {
    runner->RunLine("EQBand(1, 27) = 1", "input, line 1");
    runner->RunLine("Connected", "input, line 2");
    EXPECT_THAT(Lines(), ElementsAre("87", "0 false"));
    EXPECT_EQ(errors.str(),
              "  87: invalid argument: an index or value out of range, or a value "
              "of the wrong type\n");
}

TEST_F(AtPrompt, WaitTimeOutSaysNoEventCameRatherThanNoUnit) {
    runner->RunLine("wait UnitDisappeared 1", "input, line 1");
    EXPECT_THAT(Lines(), ElementsAre("1"));
    EXPECT_EQ(errors.str(), "  1: no such event within 1 ms\n");
}

TEST_F(InScripts, OutputStaysOneLinePerStatementWithoutMeanings) {
    EXPECT_EQ(RunText("EQBand(1, 27) = 1\nwait UnitDisappeared 1\nConnected\n"), 1);
    EXPECT_THAT(Lines(), ElementsAre("87", "1", "0 false"));
    EXPECT_THAT(errors.str(), IsEmpty());
}

TEST_F(InScripts, HelpIsAnUnknownStatement) {
    EXPECT_EQ(RunText("help\nConnected\n"), 2);
    EXPECT_THAT(Lines(), IsEmpty());
    EXPECT_THAT(errors.str(), HasSubstr("test.kvts, line 1: unknown member 'help'"));
}

TEST_F(InScripts, UnknownMemberOrEventSuggestsTheClosestAndStillStopsTheScript) {
    EXPECT_EQ(RunText("EQBnd(1, 2)\nConnected\n"), 2);
    EXPECT_THAT(Lines(), IsEmpty());
    EXPECT_THAT(errors.str(),
                HasSubstr("test.kvts, line 1: unknown member 'EQBnd'; did you mean 'EQBand'?"));
    StartRunner({});
    EXPECT_EQ(RunText("Comport = \"x\"\nCoMPort2 = \"x\"\n"), 2);
    EXPECT_THAT(errors.str(), HasSubstr("unknown member 'CoMPort2'; did you mean 'ComPort'?"));
    StartRunner({});
    EXPECT_EQ(RunText("wait UnitDisapeared 1\n"), 2);
    EXPECT_THAT(errors.str(), HasSubstr("did you mean 'UnitDisappeared'?"));
}

}  // namespace
}  // namespace kvt::cli::testing
