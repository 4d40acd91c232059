// What the line editor relies on without a terminal: where the history lives, and the writer
// keeping event lines back while a line is typed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "LineEditor.h"
#include "LineWriter.h"

namespace kvt::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(HistoryFile, StateHomeFirstThenTheHomeFolder) {
    EXPECT_EQ(HistoryFilePath("/x/state", "/home/u"), "/x/state/Rodmere/kvt80ctl_history");
    EXPECT_EQ(HistoryFilePath(nullptr, "/home/u"), "/home/u/.local/state/Rodmere/kvt80ctl_history");
    // An empty or relative state home does not count.
    EXPECT_EQ(HistoryFilePath("", "/home/u"), "/home/u/.local/state/Rodmere/kvt80ctl_history");
    EXPECT_EQ(HistoryFilePath("state", "/home/u"), "/home/u/.local/state/Rodmere/kvt80ctl_history");
    EXPECT_TRUE(HistoryFilePath(nullptr, nullptr).empty());
    EXPECT_TRUE(HistoryFilePath("relative", "also/relative").empty());
}

TEST(HeldLines, KeptBackWhileHeldAndWrittenWhenHoldingStops) {
    std::ostringstream out;
    LineWriter writer(out);
    int wakes = 0;
    writer.Hold([&wakes] { ++wakes; });
    writer.WriteLine("event A()");
    writer.WriteLine("event B()");
    EXPECT_THAT(out.str(), IsEmpty());
    EXPECT_EQ(wakes, 2);
    EXPECT_THAT(writer.TakeHeld(), ElementsAre("event A()", "event B()"));
    EXPECT_THAT(writer.TakeHeld(), IsEmpty());
    writer.WriteLine("event C()");
    writer.StopHolding();
    writer.WriteLine("0");
    EXPECT_EQ(out.str(), "event C()\n0\n");
    EXPECT_EQ(wakes, 3);
}

}  // namespace
}  // namespace kvt::cli
