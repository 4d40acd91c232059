// The front panel worked from outside while the unit serves: the library's operator methods, the
// operator commands and the console that reads them from a descriptor.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

#include "OperatorConsole.h"
#include "SimTestSupport.h"
#include "SimulatedUnit.h"

namespace kvt::sim::test {
namespace {

TEST(FrontPanelControl, TheOperatorMethodsReachTheLine) {
    SimulatedUnit unit;
    LineClient client = LineClient::OpenPty(unit.StartPty());
    EXPECT_TRUE(unit.PressButton(5));  // holds format 8 in the factory table
    EXPECT_EQ(client.Exchange("button ?"), "button ?\r\n8\r\n>");
    unit.SetMuted(true);
    unit.SetAesEbuError(true);
    EXPECT_EQ(client.Exchange("rdu3"), "rdu3\r\n8\r\n>");
    EXPECT_TRUE(unit.MoveFader(100));
    EXPECT_EQ(client.Exchange("level ?"), "level ?\r\n64\r\n>");
    EXPECT_TRUE(unit.SelectProjector(2));
    EXPECT_EQ(client.Exchange("projector ?"), "projector ?\r\n1\r\n>");

    EXPECT_FALSE(unit.PressButton(9));
    EXPECT_FALSE(unit.MoveFader(101));
    EXPECT_FALSE(unit.SelectProjector(0));
    const FrontPanel panel = unit.Panel();
    EXPECT_EQ(panel.button, 5);
    EXPECT_EQ(panel.level, 100);
    EXPECT_EQ(panel.projector, 2);
}

TEST(OperatorCommands, EachCommandAnswersOneLineAndMistakesSayWhatToType) {
    SimulatedUnit unit;
    const std::pair<const char*, const char*> exchanges[] = {
        {"button 3", "ok button 3, format 2 (Stereo SR)"},
        {"mute", "ok muted"},
        {"FADER 55", "ok fader 55"},
        {"projector 2", "ok projector 2"},
        {"aes-error on", "ok aes-error on"},
        {"  panel\t",
         "ok button 3, format 2 (Stereo SR), projector 2, fader 55, muted, "
         "aes-error on"},
        {"", ""},
        {"button 9", "error: button needs a number from 1 to 8; type \"button 2\""},
        {"fader -5", "error: fader needs a level from 0 to 100; type \"fader 70\""},
        {"aes-error maybe", "error: aes-error needs on or off; type \"aes-error on\""},
        {"unmute now", "error: unmute takes no value; type \"unmute\""},
        {"\x1b[A", "error: unknown command \"?[a\"; type \"help\" for the list"},
    };
    for (const auto& [line, answer] : exchanges) {
        EXPECT_EQ(RunOperatorCommand(unit, line), answer) << line;
    }
    EXPECT_TRUE(unit.Panel().muted);
    unit.SetMemory(0, 20 + 6, 0xFF);
    EXPECT_EQ(RunOperatorCommand(unit, "button 7"),
              "ok button 7 holds no format; format 2 (Stereo SR) plays on");
}

// A console on two pipes: the test types into one and reads the answers from the other.
class Console : public ::testing::Test {
  protected:
    void SetUp() override {
        int in[2];
        int out[2];
        ASSERT_EQ(::pipe(in), 0);
        ASSERT_EQ(::pipe(out), 0);
        typing_.Reset(in[1]);
        input_.Reset(in[0]);
        answers_.emplace(UniqueFd(out[0]));
        output_.Reset(out[1]);
        console_.emplace(unit_, input_.Get(), output_.Get());
    }
    void TearDown() override { console_.reset(); }

    void Type(std::string_view text) {
        ASSERT_EQ(::write(typing_.Get(), text.data(), text.size()),
                  static_cast<ssize_t>(text.size()));
    }
    std::string ReadLines(size_t count) {
        return answers_->ReadUntil([count](const std::string& text) {
            return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) >= count;
        });
    }

    SimulatedUnit unit_;
    UniqueFd typing_;
    UniqueFd input_;
    UniqueFd output_;
    std::optional<LineClient> answers_;
    std::optional<OperatorConsole> console_;
};

TEST_F(Console, AnswersEveryLineAndWorksThePanel) {
    Type("mute\r\n\nfader 40\nbogus\n");
    EXPECT_EQ(
        ReadLines(3),
        "ok muted\nok fader 40\nerror: unknown command \"bogus\"; type \"help\" for the list\n");
    EXPECT_TRUE(unit_.Panel().muted);
    EXPECT_EQ(unit_.Panel().level, 40);
}

TEST_F(Console, RefusesAnOverlongLineAndTakesALastLineWithoutItsLineEnd) {
    Type(std::string(300, 'x') + "\nprojector 2");
    typing_.Reset();
    EXPECT_EQ(ReadLines(2), "error: line longer than 256 characters\nok projector 2\n");
    LineClient client = LineClient::OpenPty(unit_.StartPty());  // the unit serves on
    EXPECT_EQ(client.Exchange("projector ?"), "projector ?\r\n1\r\n>");
}

TEST_F(Console, StopReturnsWhileTheInputStaysOpenAndSilent) {
    console_->Stop();
    Type("mute\n");
    EXPECT_FALSE(unit_.Panel().muted);
}

}  // namespace
}  // namespace kvt::sim::test
