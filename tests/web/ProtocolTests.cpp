// The browser's messages: what is accepted, and that everything else is refused with a reason.
#include <gtest/gtest.h>

#include <string>

#include "Protocol.h"

namespace kvt::web {
namespace {

TEST(ClientMessages, ReadsAnEqualiserPut) {
    const ParseResult result = ParseClientMessage(
        R"({"op":"put","id":7,"name":"EQBand","channel":1,"band":14,"value":-3})");
    ASSERT_TRUE(result.message) << result.error;
    EXPECT_EQ(result.message->operation, Operation::Put);
    EXPECT_EQ(result.message->id, 7);
    EXPECT_EQ(result.message->property, Property::EQBand);
    EXPECT_EQ(result.message->channel, 1);
    EXPECT_EQ(result.message->band, 14);
    EXPECT_DOUBLE_EQ(result.message->value, -3.0);
}

TEST(ClientMessages, ReadsTheOtherOperations) {
    EXPECT_EQ(ParseClientMessage(R"({"op":"control"})").message->operation, Operation::TakeControl);
    EXPECT_EQ(ParseClientMessage(R"({"op":"connect","id":2})").message->operation,
              Operation::Connect);
    const auto off = ParseClientMessage(R"({"op":"disconnect","store":false})");
    ASSERT_TRUE(off.message);
    EXPECT_FALSE(off.message->store);
    EXPECT_TRUE(off.message->verify);
    const auto analyser = ParseClientMessage(R"({"op":"analyser","on":true})");
    ASSERT_TRUE(analyser.message);
    EXPECT_TRUE(analyser.message->on);
    const auto generator = ParseClientMessage(
        R"({"op":"put","name":"GeneratorChannels","value":24,"confirmed":true})");
    ASSERT_TRUE(generator.message) << generator.error;
    EXPECT_EQ(generator.message->value, 24.0);
    EXPECT_TRUE(generator.message->confirmed);
}

TEST(ClientMessages, RefusesValuesOutsideTheirRange) {
    const char* refused[] = {
        R"({"op":"put","name":"EQBand","channel":8,"band":0,"value":0})",
        R"({"op":"put","name":"EQBand","channel":-1,"band":0,"value":0})",
        R"({"op":"put","name":"EQBand","channel":0,"band":27,"value":0})",
        R"({"op":"put","name":"EQBand","channel":0,"band":0,"value":6.01})",
        R"({"op":"put","name":"OutputGain","channel":0,"value":-22.5})",
        R"({"op":"put","name":"GeneratorMode","value":5})",
        R"({"op":"put","name":"GeneratorMode","value":1.5})",
        R"({"op":"put","name":"GeneratorChannels","value":256})",
        R"({"op":"put","name":"Bass","channel":1.5,"value":0})",
        R"({"op":"put","name":"Bass","channel":18446744073709551615,"value":0})",
        R"({"op":"put","name":"Treble","channel":0,"value":"1"})",
        R"({"op":"put","name":"Treble","channel":0,"value":1e999})",
    };
    for (const char* text : refused) {
        const ParseResult result = ParseClientMessage(text);
        EXPECT_FALSE(result.message) << text;
        EXPECT_FALSE(result.error.empty()) << text;
    }
}

TEST(ClientMessages, RefusesWhatIsNotAKnownMessage) {
    const char* refused[] = {
        "",
        "{",
        "[]",
        "42",
        R"({"id":1})",
        R"({"op":"format"})",
        R"({"op":5})",
        R"({"op":"put","name":"FaderLevel","value":50})",
        R"({"op":"put","name":"Bass","value":0})",
        R"({"op":"put","name":"Bass","channel":0,"value":0,"band":3})",
        R"({"op":"ping","extra":true})",
        R"({"op":"analyser"})",
        R"({"op":"analyser","on":1})",
        R"({"op":"disconnect","store":"yes"})",
        R"({"op":"ping","id":-1})",
        R"({"op":"ping","id":9007199254740992})",
    };
    for (const char* text : refused) {
        const ParseResult result = ParseClientMessage(text);
        EXPECT_FALSE(result.message) << text;
        EXPECT_FALSE(result.error.empty()) << text;
    }
}

TEST(ClientMessages, KeepsTheIdOfARefusedMessageForTheAnswer) {
    const ParseResult result = ParseClientMessage(
        R"({"op":"put","id":31,"name":"EQBand","channel":0,"band":0,"value":9})");
    EXPECT_FALSE(result.message);
    EXPECT_EQ(result.id, 31);
}

TEST(ClientMessages, RefusesAnOversizedMessageBeforeParsingIt) {
    std::string text = R"({"op":"ping","pad":")";
    text += std::string(kMaxMessageBytes, 'x');
    text += "\"}";
    const ParseResult result = ParseClientMessage(text);
    EXPECT_FALSE(result.message);
    EXPECT_EQ(result.error, "message too long");
}

TEST(ClientMessages, EchoesUnknownNamesOnlyAsPlainShortText) {
    const ParseResult result =
        ParseClientMessage("{\"op\":\"<script>\\u0007" + std::string(100, 'a') + "\"}");
    EXPECT_FALSE(result.message);
    EXPECT_EQ(result.error.find('<'), std::string::npos);
    EXPECT_EQ(result.error.find('\a'), std::string::npos);
    EXPECT_LT(result.error.size(), 64u);
}

TEST(ClientMessages, SurvivesDeepNesting) {
    const std::string deep(kMaxMessageBytes, '[');
    EXPECT_FALSE(ParseClientMessage(deep).message);
}

}  // namespace
}  // namespace kvt::web
