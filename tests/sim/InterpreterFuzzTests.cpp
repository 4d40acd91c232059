// The interpreter must survive any bytes and keep its wire format.
#include <gtest/gtest.h>

#include <random>

#include "InterpreterFuzz.h"
#include "SimTestSupport.h"

namespace kvt::sim::test {
namespace {

// Pieces of real traffic mixed with noise reach deeper than noise alone.
const char* const kFragments[] = {
    "open 93",
    "open 9F",
    "open 6B",
    "close",
    "rdval 3F 000",
    "rdx 00 3F4",
    "rdvalb 3F 1A",
    "rdvalb FF 3FF",
    "rdeep FF 0700",
    "wrtval 0003FF 1 2",
    "wrtx 000000 FFFFFF",
    "wreep 0007FF 1",
    "wrtval 00 1000",
    "savevals",
    "button 9 x",
    "level ?",
    "level 64",
    "clru3 1C",
    "rdu3",
    "status",
    "intl",
    "openmmc",
    "date 991231",
    "time 235959",
    "dumplog 6",
    "clearlog",
    "\r",
    "\r\n",
    "\x1b",
    "\x08",
    " ",
    "\t",
    "FFFFFFFFF",
    "?",
};

std::string RandomInput(std::mt19937& random) {
    std::uniform_int_distribution<int> pieces(1, 40);
    std::uniform_int_distribution<size_t> fragment(0, std::size(kFragments) - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> coin(0, 3);
    std::string input(1, static_cast<char>(byte(random)));
    for (int i = pieces(random); i > 0; --i) {
        if (coin(random) == 0) {
            input += static_cast<char>(byte(random));
        } else {
            input += kFragments[fragment(random)];
        }
        if (coin(random) != 0) {
            input += '\r';
        }
    }
    return input;
}

TEST(InterpreterFuzz, SurvivesRandomTrafficKeepingItsWireFormat) {
    std::mt19937 random(20240315u);
    for (int run = 0; run < 2000; ++run) {
        const std::string input = RandomInput(random);
        EXPECT_EQ(SimInterpreterFuzz(reinterpret_cast<const uint8_t*>(input.data()), input.size()),
                  0);
    }
}

TEST(InterpreterFuzz, SurvivesPureNoise) {
    std::mt19937 random(7u);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int run = 0; run < 200; ++run) {
        std::string input(static_cast<size_t>(byte(random)) * 8, '\0');
        for (char& c : input) {
            c = static_cast<char>(byte(random));
        }
        EXPECT_EQ(SimInterpreterFuzz(reinterpret_cast<const uint8_t*>(input.data()), input.size()),
                  0);
    }
    EXPECT_EQ(SimInterpreterFuzz(nullptr, 0), 0);
}

TEST(InterpreterFuzz, EveryRefusalOrAnswerEndsInThePrompt) {
    auto unit = MakeInterpreter();
    std::mt19937 random(99u);
    for (int run = 0; run < 300; ++run) {
        const std::string line = RandomInput(random);
        for (const char byte : line) {
            const auto input = unit.Take(byte);
            if (!input || unit.State().menuMode) {
                continue;
            }
            const std::string reply = unit.Answer(*input).Bytes();
            EXPECT_TRUE(reply.ends_with(unit.Prompt()));
        }
        unit.State().menuMode = false;
    }
}

}  // namespace
}  // namespace kvt::sim::test
