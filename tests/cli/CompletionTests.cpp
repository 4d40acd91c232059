// Tab completion and "did you mean" as functions: what the prompt offers for a partly typed line.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Completion.h"
#include "Suggestions.h"

namespace kvt::cli {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr CompletionWords kPrompt{.help = true, .simulator = false};

TEST(Completion, MemberNameAtTheStartTakesTheEnginesSpelling) {
    const Completion c = Complete("EQBa", kPrompt);
    EXPECT_EQ(c.start, 0u);
    EXPECT_THAT(c.candidates, ElementsAre("EQBand"));
    EXPECT_THAT(Complete("  eqba", kPrompt).candidates, ElementsAre("EQBand"));
    EXPECT_EQ(Complete("  eqba", kPrompt).start, 2u);
}

TEST(Completion, SeveralCandidatesAreSortedAndShareTheirPrefix) {
    const Completion c = Complete("SaveM", kPrompt);
    EXPECT_THAT(c.candidates, ElementsAre("SaveMMC"));
    const Completion save = Complete("save", kPrompt);
    EXPECT_THAT(save.candidates, ElementsAre("Save", "SaveEQParameters", "SaveKVTParameters",
                                             "SaveMMC", "SaveZVQParameters"));
    EXPECT_EQ(CommonPrefix(save.candidates), "Save");
    EXPECT_EQ(CommonPrefix(Complete("FormatS", kPrompt).candidates), "FormatS");
}

TEST(Completion, StatementWordsEndInASpaceAndHelpAndSimOnlyWhereTheyExist) {
    EXPECT_THAT(Complete("sle", kPrompt).candidates, ElementsAre("sleep "));
    EXPECT_THAT(Complete("wai", kPrompt).candidates, ElementsAre("wait "));
    EXPECT_THAT(Complete("hel", kPrompt).candidates, ElementsAre("help "));
    EXPECT_THAT(Complete("hel", CompletionWords{}).candidates, IsEmpty());
    EXPECT_THAT(Complete("si", kPrompt).candidates, Not(Contains("sim ")));
    EXPECT_THAT(Complete("si", CompletionWords{.help = true, .simulator = true}).candidates,
                Contains("sim "));
}

TEST(Completion, EventNamesAfterWaitAndMemberNamesAfterHelp) {
    const Completion wait = Complete("wait UnitD", kPrompt);
    EXPECT_EQ(wait.start, 5u);
    EXPECT_THAT(wait.candidates, ElementsAre("UnitDisappeared"));
    // Events are not members: EQBand is no event.
    EXPECT_THAT(Complete("wait EQB", kPrompt).candidates, IsEmpty());
    EXPECT_THAT(Complete("WAIT\tconnectionp", kPrompt).candidates,
                ElementsAre("ConnectionProgress"));
    EXPECT_THAT(Complete("help EQBa", kPrompt).candidates, ElementsAre("EQBand"));
    EXPECT_THAT(Complete("help EQBa", CompletionWords{}).candidates, IsEmpty());
}

TEST(Completion, NothingInsideArgumentsValuesOrAfterTheFirstArgument) {
    EXPECT_THAT(Complete("EQBand(Con", kPrompt).candidates, IsEmpty());
    EXPECT_THAT(Complete("ComPort = Con", kPrompt).candidates, IsEmpty());
    EXPECT_THAT(Complete("wait UnitDisappeared Con", kPrompt).candidates, IsEmpty());
    EXPECT_THAT(Complete("Connect Con", kPrompt).candidates, IsEmpty());
    EXPECT_THAT(Complete("sim fad", CompletionWords{.help = true, .simulator = true}).candidates,
                IsEmpty());
    EXPECT_THAT(Complete("Bogu", kPrompt).candidates, IsEmpty());
}

TEST(Completion, AnEmptyWordOffersEverything) {
    const Completion all = Complete("", kPrompt);
    EXPECT_EQ(all.candidates.size(), MemberNames().size() + 3);  // sleep, wait, help
    EXPECT_EQ(Complete("wait ", kPrompt).candidates.size(), EventNames().size());
}

TEST(Completion, ColumnsRunDownwardsAndFitTheWidth) {
    const std::vector<std::string> names = {"aa", "bbbb", "c", "dd", "e"};
    // Columns of 6 characters: three fit in 20, so two rows.
    EXPECT_THAT(Columns(names, 20), ElementsAre("aa    c     e", "bbbb  dd"));
    EXPECT_THAT(Columns(names, 3), ElementsAre("aa", "bbbb", "c", "dd", "e"));
    EXPECT_THAT(Columns({}, 80), IsEmpty());
}

TEST(Suggestions, EditDistanceCountsSwapsAsOneAndIgnoresCase) {
    EXPECT_EQ(EditDistance("EQBnd", "EQBand"), 1u);
    EXPECT_EQ(EditDistance("eqband", "EQBand"), 0u);
    EXPECT_EQ(EditDistance("Conencted", "Connected"), 1u);
    EXPECT_EQ(EditDistance("", "Mode"), 4u);
    EXPECT_EQ(EditDistance("ab", "ba"), 1u);
    EXPECT_EQ(EditDistance("Mute", "Mode"), 2u);
}

TEST(Suggestions, ClosestNamesFirstAndNothingFarAway) {
    EXPECT_THAT(ClosestNames("EQBnd", MemberNames()), ElementsAre("EQBand"));
    EXPECT_THAT(ClosestNames("Conect", MemberNames()), ElementsAre("Connect"));
    EXPECT_THAT(ClosestNames("Bogus", MemberNames()), IsEmpty());
    // A short name allows one edit only: "Mde" is Mode, not every four-letter member.
    EXPECT_THAT(ClosestNames("Mde", MemberNames()), ElementsAre("Mode"));
    EXPECT_THAT(ClosestNames("UnitDisapeared", EventNames()), ElementsAre("UnitDisappeared"));
}

TEST(Suggestions, DidYouMeanListsAtMostThree) {
    EXPECT_EQ(DidYouMean("EQBnd", MemberNames()), "; did you mean 'EQBand'?");
    EXPECT_EQ(DidYouMean("Bogus", MemberNames()), "");
    const std::vector<std::string_view> names = {"FormatP1", "FormatP2", "FormatP3", "FormatP4"};
    EXPECT_EQ(DidYouMean("FormatP", names), "; did you mean 'FormatP1', 'FormatP2' or 'FormatP3'?");
}

TEST(Suggestions, EveryMemberNameOnceAndEveryEvent) {
    EXPECT_EQ(MemberNames().size(), 122u);
    EXPECT_THAT(MemberNames(), Contains("RTAHardwareAvail"));
    EXPECT_EQ(EventNames().size(), 19u);
}

}  // namespace
}  // namespace kvt::cli
