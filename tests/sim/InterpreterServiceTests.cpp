// Status report, identification and the personality module.
#include <gtest/gtest.h>

#include "SimTestSupport.h"
#include "StatusFields.h"
#include "TextFields.h"

namespace kvt::sim::test {
namespace {

std::vector<std::string> SplitTabs(const std::string& text) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (true) {
        const size_t tab = text.find('\t', start);
        fields.push_back(text.substr(start, tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

TEST(Status, AnswersFortyFiveTabSeparatedHexFields) {
    auto unit = MakeInterpreter();
    const std::string reply = Ask(unit, "status");
    ASSERT_TRUE(reply.starts_with("status\r\n"));
    ASSERT_TRUE(EndsWith(reply, "\r\n>"));
    const std::string line = reply.substr(8, reply.size() - 8 - 3);
    const auto fields = SplitTabs(line);
    ASSERT_EQ(fields.size(), kStatusFieldCount);
    for (const auto& field : fields) {
        EXPECT_TRUE(ParseHex(field)) << field;
    }
}

TEST(Status, ReportsTheProcessorVersionsAndAesEbuState) {
    auto unit = MakeInterpreter();
    unit.State().panel.aesEbuError = true;
    const auto fields = StatusFields(unit.State());
    ASSERT_EQ(fields.size(), kStatusFieldCount);
    EXPECT_EQ(fields[3 * 3 + 1], 0x153u);  // matrix processor
    EXPECT_EQ(fields[3 * 9], 2u);          // AES/EBU input in fault
}

TEST(Identification, IntlNamesTheSelectedController) {
    auto unit = MakeInterpreter();
    Ask(unit, "open 9F");
    EXPECT_EQ(Ask(unit, "intl"), "intl\r\nZVQ215\r\n9F>");
    Ask(unit, "open 6F");
    EXPECT_EQ(Ask(unit, "intl"), "intl\r\nEQP108\r\n6F>");
}

TEST(Identification, IntlIsRefusedWithoutAController) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "intl"), "intl\r\n\x07\r\n>");
    Ask(unit, "open 93");
    EXPECT_EQ(Ask(unit, "intl"), "intl\r\n\x07\r\n93>");
}

TEST(Identification, PicverAnswersSixCharacters) {
    auto unit = MakeInterpreter();
    EXPECT_EQ(Ask(unit, "picver"), "picver\r\n021400\r\n>");
}

TEST(PersonalityModule, EachOpenWithACardAnswersANewValue) {
    auto unit = MakeInterpreter();
    const std::string first = Ask(unit, "openmmc");
    const std::string second = Ask(unit, "openmmc");
    EXPECT_EQ(first, "openmmc\r\n000001\r\n>");
    EXPECT_EQ(second, "openmmc\r\n000002\r\n>");
    EXPECT_TRUE(unit.State().cardOpen);
}

TEST(PersonalityModule, WithoutACardOpenAnswersFFFFFF) {
    auto unit = MakeInterpreter();
    unit.State().cardPresent = false;
    EXPECT_EQ(Ask(unit, "openmmc"), "openmmc\r\nFFFFFF\r\n>");
    EXPECT_EQ(Ask(unit, "openmmc"), "openmmc\r\nFFFFFF\r\n>");
    EXPECT_FALSE(unit.State().cardOpen);
}

TEST(PersonalityModule, CardValueNeverReadsAsNoCard) {
    auto unit = MakeInterpreter();
    unit.State().cardSerial = 0xFFFFFE;
    EXPECT_EQ(Ask(unit, "openmmc"), "openmmc\r\n000000\r\n>");
}

TEST(PersonalityModule, ClosemmcAnswersThePrompt) {
    auto unit = MakeInterpreter();
    Ask(unit, "openmmc");
    EXPECT_EQ(Ask(unit, "closemmc"), "closemmc\r\n>");
    EXPECT_FALSE(unit.State().cardOpen);
}

}  // namespace
}  // namespace kvt::sim::test
