#include "CommandLine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace kvt::cli {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

CommandLineResult Parse(std::vector<std::string_view> arguments) {
    return ParseCommandLine(arguments);
}

TEST(CommandLineOptions, NoArguments) {
    const CommandLineResult r = Parse({});
    EXPECT_EQ(r.error, "");
    EXPECT_FALSE(r.options.script);
    EXPECT_TRUE(r.options.statements.empty());
    EXPECT_FALSE(r.options.events);
    EXPECT_FALSE(r.options.demo);
}

TEST(CommandLineOptions, Everything) {
    const CommandLineResult r = Parse({"--port", "/dev/ttyUSB0", "--baud", "19200", "--events",
                                       "-e", "Connect", "-e", "Connected", "setup.kvts"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.port, "/dev/ttyUSB0");
    EXPECT_EQ(r.options.baud, 19200);
    EXPECT_TRUE(r.options.events);
    EXPECT_THAT(r.options.statements, ElementsAre("Connect", "Connected"));
    EXPECT_EQ(r.options.script, "setup.kvts");
}

TEST(CommandLineOptions, ValuesAfterAnEqualsSign) {
    const CommandLineResult r = Parse({"--port=COM2", "--baud=9600"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.port, "COM2");
    EXPECT_EQ(r.options.baud, 9600);
}

TEST(CommandLineOptions, DashIsStandardInput) {
    const CommandLineResult r = Parse({"--demo", "-"});
    ASSERT_EQ(r.error, "");
    EXPECT_TRUE(r.options.demo);
    EXPECT_EQ(r.options.script, "-");
}

TEST(CommandLineOptions, OptionsMayFollowTheScript) {
    const CommandLineResult r = Parse({"run.kvts", "--events"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.script, "run.kvts");
    EXPECT_TRUE(r.options.events);
}

TEST(CommandLineOptions, DoubleDashEndsOptions) {
    const CommandLineResult r = Parse({"--", "--odd-name.kvts"});
    ASSERT_EQ(r.error, "");
    EXPECT_EQ(r.options.script, "--odd-name.kvts");
}

TEST(CommandLineOptions, Help) {
    EXPECT_TRUE(Parse({"--help"}).options.help);
    EXPECT_TRUE(Parse({"-h"}).options.help);
    EXPECT_THAT(std::string(UsageText()),
                HasSubstr("kvt80ctl [--port PORT] [--baud N] [--events] [--demo] [-e STATEMENT]... "
                          "[SCRIPT | -]"));
}

TEST(CommandLineErrors, UnknownOption) {
    EXPECT_THAT(Parse({"--verbose"}).error, HasSubstr("--verbose"));
}

TEST(CommandLineErrors, MissingValue) {
    EXPECT_THAT(Parse({"--port"}).error, HasSubstr("--port"));
    EXPECT_THAT(Parse({"-e"}).error, HasSubstr("-e"));
    EXPECT_THAT(Parse({"--baud"}).error, HasSubstr("--baud"));
}

TEST(CommandLineErrors, BitRateMustBeAPositiveWholeNumber) {
    EXPECT_NE(Parse({"--baud", "fast"}).error, "");
    EXPECT_NE(Parse({"--baud", "0"}).error, "");
    EXPECT_NE(Parse({"--baud", "-9600"}).error, "");
    EXPECT_NE(Parse({"--baud", "9600.5"}).error, "");
    EXPECT_NE(Parse({"--baud", "99999999999"}).error, "");
}

TEST(CommandLineErrors, OnlyOneScript) {
    EXPECT_THAT(Parse({"a.kvts", "b.kvts"}).error, HasSubstr("b.kvts"));
}

TEST(CommandLineErrors, DemoChoosesThePortItself) {
    EXPECT_NE(Parse({"--demo", "--port", "COM1"}).error, "");
}

}  // namespace
}  // namespace kvt::cli
