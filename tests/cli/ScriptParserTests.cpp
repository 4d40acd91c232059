#include "ScriptParser.h"

#include <gtest/gtest.h>

#include <limits>

#include <cmath>

#include <string>

namespace kvt::cli {
namespace {

Statement Parsed(std::string_view line) {
    const ParseResult result = ParseStatement(line);
    EXPECT_FALSE(result.error) << line << ": " << (result.error ? result.error->message : "");
    return result.statement;
}

ParseError ErrorOf(std::string_view line) {
    const ParseResult result = ParseStatement(line);
    EXPECT_TRUE(result.error) << line << " parsed without error";
    return result.error.value_or(ParseError{});
}

Variant Literal(std::string_view text) {
    const LiteralResult result = ParseLiteral(text);
    EXPECT_FALSE(result.error) << text << ": " << (result.error ? result.error->message : "");
    return result.value;
}

bool LiteralFails(std::string_view text) {
    return ParseLiteral(text).error.has_value();
}

// ----- statements -----

TEST(StatementGrammar, BlankAndCommentLinesAreEmpty) {
    EXPECT_EQ(Parsed("").kind, StatementKind::Empty);
    EXPECT_EQ(Parsed("   \t ").kind, StatementKind::Empty);
    EXPECT_EQ(Parsed("# a comment").kind, StatementKind::Empty);
    EXPECT_EQ(Parsed("   # indented comment").kind, StatementKind::Empty);
}

TEST(StatementGrammar, BareNameIsACallWithoutArguments) {
    const Statement s = Parsed("Connected");
    EXPECT_EQ(s.kind, StatementKind::Call);
    EXPECT_EQ(s.name, "Connected");
    EXPECT_TRUE(s.arguments.empty());
}

TEST(StatementGrammar, EmptyParenthesesAreACallWithoutArguments) {
    const Statement s = Parsed("Connect()");
    EXPECT_EQ(s.kind, StatementKind::Call);
    EXPECT_EQ(s.name, "Connect");
    EXPECT_TRUE(s.arguments.empty());
}

TEST(StatementGrammar, CallWithArguments) {
    const Statement s = Parsed("EQBand(1, 14)");
    EXPECT_EQ(s.kind, StatementKind::Call);
    EXPECT_EQ(s.name, "EQBand");
    ASSERT_EQ(s.arguments.size(), 2u);
    EXPECT_EQ(s.arguments[0], Variant::Int(1));
    EXPECT_EQ(s.arguments[1], Variant::Int(14));
}

TEST(StatementGrammar, Put) {
    const Statement s = Parsed("ComPort = \"/dev/ttyUSB0\"");
    EXPECT_EQ(s.kind, StatementKind::Put);
    EXPECT_EQ(s.name, "ComPort");
    EXPECT_TRUE(s.arguments.empty());
    EXPECT_EQ(s.value, Variant::String(u"/dev/ttyUSB0"));
}

TEST(StatementGrammar, IndexedPut) {
    const Statement s = Parsed("EQBand(1, 14) = -3.0");
    EXPECT_EQ(s.kind, StatementKind::Put);
    ASSERT_EQ(s.arguments.size(), 2u);
    EXPECT_EQ(s.arguments[1], Variant::Int(14));
    EXPECT_EQ(s.value, Variant::Double(-3.0));
}

TEST(StatementGrammar, WhitespaceIsFreeBetweenTokens) {
    const Statement tight = Parsed("EQBand(1,14)=-3");
    const Statement loose = Parsed("  \tEQBand ( 1 ,\t14 )   =   -3   ");
    EXPECT_EQ(tight.kind, StatementKind::Put);
    EXPECT_EQ(loose.kind, StatementKind::Put);
    EXPECT_EQ(tight.name, loose.name);
    EXPECT_EQ(tight.arguments, loose.arguments);
    EXPECT_EQ(tight.value, loose.value);
}

TEST(StatementGrammar, TrailingCommentIsIgnored) {
    const Statement s = Parsed("BitRate = 19200   # slower line");
    EXPECT_EQ(s.kind, StatementKind::Put);
    EXPECT_EQ(s.value, Variant::Int(19200));
}

TEST(StatementGrammar, HashInsideAStringIsNotAComment) {
    const Statement s = Parsed("ComPort = \"a#b\" # comment");
    EXPECT_EQ(s.value, Variant::String(u"a#b"));
}

TEST(StatementGrammar, NamesKeepTheirSpellingForCaseInsensitiveLookUp) {
    EXPECT_EQ(Parsed("connected").name, "connected");
    EXPECT_EQ(Parsed("COMPORT = \"x\"").name, "COMPORT");
}

TEST(StatementGrammar, Sleep) {
    const Statement s = Parsed("sleep 250");
    EXPECT_EQ(s.kind, StatementKind::Sleep);
    EXPECT_EQ(s.milliseconds, 250);
    EXPECT_EQ(Parsed("SLEEP 0").kind, StatementKind::Sleep);
}

TEST(StatementGrammar, WaitWithDefaultTimeout) {
    const Statement s = Parsed("wait UnitDisappeared");
    EXPECT_EQ(s.kind, StatementKind::Wait);
    EXPECT_EQ(s.name, "UnitDisappeared");
    EXPECT_TRUE(s.arguments.empty());
    EXPECT_EQ(s.milliseconds, kDefaultWaitTimeoutMs);
    EXPECT_EQ(kDefaultWaitTimeoutMs, 30000);
}

TEST(StatementGrammar, WaitWithArgumentsAndTimeout) {
    const Statement s = Parsed("wait ConnectionProgress(4, 108) 5000");
    EXPECT_EQ(s.kind, StatementKind::Wait);
    EXPECT_EQ(s.name, "ConnectionProgress");
    ASSERT_EQ(s.arguments.size(), 2u);
    EXPECT_EQ(s.arguments[0], Variant::Int(4));
    EXPECT_EQ(s.milliseconds, 5000);
}

TEST(StatementGrammar, WaitWithTimeoutOnly) {
    const Statement s = Parsed("Wait SLARunning 100  # case-insensitive keyword");
    EXPECT_EQ(s.kind, StatementKind::Wait);
    EXPECT_TRUE(s.arguments.empty());
    EXPECT_EQ(s.milliseconds, 100);
}

// ----- syntax errors -----

TEST(StatementSyntaxErrors, ReportTheColumn) {
    EXPECT_EQ(ErrorOf("EQBand(1 14)").column, 10u);
    EXPECT_EQ(ErrorOf("Connected extra").column, 11u);
    EXPECT_EQ(ErrorOf("= 5").column, 1u);
}

TEST(StatementSyntaxErrors, MalformedStatements) {
    ErrorOf("EQBand(1, 14");
    ErrorOf("EQBand(1,)");
    ErrorOf("EQBand(,1)");
    ErrorOf("ComPort =");
    ErrorOf("ComPort = \"a\" \"b\"");
    ErrorOf("ComPort == 1");
    ErrorOf("1Name");
    ErrorOf("Name.Sub");
    ErrorOf("Connected()()");
}

TEST(StatementSyntaxErrors, SleepNeedsANonNegativeWholeDuration) {
    ErrorOf("sleep");
    ErrorOf("sleep -1");
    ErrorOf("sleep 1.5");
    ErrorOf("sleep \"10\"");
    ErrorOf("sleep 10 20");
}

TEST(StatementSyntaxErrors, WaitNeedsAnEventNameAndAWholeTimeout) {
    ErrorOf("wait");
    ErrorOf("wait 100");
    ErrorOf("wait UnitDisappeared -5");
    ErrorOf("wait UnitDisappeared 2.5");
    ErrorOf("wait UnitDisappeared 10 20");
    ErrorOf("wait ConnectionProgress(1");
}

TEST(StatementSyntaxErrors, MessageSaysWhatWasExpected) {
    EXPECT_NE(ErrorOf("EQBand(1 14)").message.find("')'"), std::string::npos);
    EXPECT_NE(ErrorOf("ComPort = COM1").message.find("double quotes"), std::string::npos);
}

// ----- literals -----

TEST(Literals, Integers) {
    EXPECT_EQ(Literal("0"), Variant::Int(0));
    EXPECT_EQ(Literal("42"), Variant::Int(42));
    EXPECT_EQ(Literal("-7"), Variant::Int(-7));
    EXPECT_EQ(Literal("2147483647"), Variant::Int(2147483647));
    EXPECT_EQ(Literal("-2147483648"), Variant::Int(-2147483647 - 1));
    EXPECT_EQ(Literal("42").Type(), VT_I4);
}

TEST(Literals, IntegersBeyondThirtyTwoBitsAreDoubles) {
    EXPECT_EQ(Literal("2147483648"), Variant::Double(2147483648.0));
    EXPECT_EQ(Literal("-2147483649"), Variant::Double(-2147483649.0));
    EXPECT_TRUE(LiteralFails("1" + std::string(400, '0')));
}

TEST(Literals, NonFiniteDoublesBySpelling) {
    EXPECT_EQ(Literal("Infinity"), Variant::Double(std::numeric_limits<double>::infinity()));
    EXPECT_EQ(Literal("-Infinity"), Variant::Double(-std::numeric_limits<double>::infinity()));
    EXPECT_TRUE(std::isnan(Literal("NaN").DoubleValue()));
    EXPECT_TRUE(LiteralFails("-Infinityx"));
    EXPECT_TRUE(LiteralFails("-Inf"));
    EXPECT_TRUE(LiteralFails("nan"));
}

TEST(Literals, Decimals) {
    EXPECT_EQ(Literal("-3.0"), Variant::Double(-3.0));
    EXPECT_EQ(Literal("0.1"), Variant::Double(0.1));
    EXPECT_EQ(Literal("11.9"), Variant::Double(11.9));
    EXPECT_EQ(Literal("-3.0").Type(), VT_R8);
}

TEST(Literals, DecimalsWithExponents) {
    EXPECT_EQ(Literal("1e3"), Variant::Double(1000.0));
    EXPECT_EQ(Literal("2.5E-2"), Variant::Double(0.025));
    EXPECT_EQ(Literal("-1e+2"), Variant::Double(-100.0));
    EXPECT_EQ(Literal("1e3").Type(), VT_R8);
}

TEST(Literals, MalformedNumbers) {
    EXPECT_TRUE(LiteralFails("-"));
    EXPECT_TRUE(LiteralFails("1."));
    EXPECT_TRUE(LiteralFails(".5"));
    EXPECT_TRUE(LiteralFails("1e"));
    EXPECT_TRUE(LiteralFails("1e+"));
    EXPECT_TRUE(LiteralFails("12abc"));
    EXPECT_TRUE(LiteralFails("1.2.3"));
    EXPECT_TRUE(LiteralFails("+5"));
    EXPECT_TRUE(LiteralFails("1e999"));
}

TEST(Literals, Booleans) {
    const Variant t = Literal("true");
    const Variant f = Literal("false");
    EXPECT_EQ(t.Type(), VT_BOOL);
    EXPECT_EQ(t.BoolField(), -1);
    EXPECT_EQ(f.Type(), VT_BOOL);
    EXPECT_EQ(f.BoolField(), 0);
    EXPECT_EQ(Literal("TRUE"), t);
}

TEST(Literals, BareWordsAreRefused) {
    EXPECT_TRUE(LiteralFails("COM1"));
    EXPECT_TRUE(LiteralFails("null"));
}

TEST(Literals, Strings) {
    EXPECT_EQ(Literal("\"\""), Variant::String(u""));
    EXPECT_EQ(Literal("\"COM1:\""), Variant::String(u"COM1:"));
    EXPECT_EQ(Literal("\"COM1:\"").Type(), VT_BSTR);
}

TEST(Literals, StringEscapes) {
    EXPECT_EQ(Literal(R"("a\"b\\c\/d")"), Variant::String(u"a\"b\\c/d"));
    EXPECT_EQ(Literal(R"("\b\f\n\r\t")"), Variant::String(u"\b\f\n\r\t"));
    EXPECT_EQ(Literal(R"("\u0041\u00e9\u20AC")"), Variant::String(u"A\u00e9\u20ac"));
    EXPECT_EQ(Literal(R"("\u0000")"), Variant::String(std::u16string(1, u'\0')));
}

TEST(Literals, SurrogatePairEscapes) {
    const Variant v = Literal(R"("\ud83c\udfb5")");
    ASSERT_EQ(v.StringValue().size(), 2u);
    EXPECT_EQ(v.StringValue()[0], 0xD83C);
    EXPECT_EQ(v.StringValue()[1], 0xDFB5);
}

TEST(Literals, UnpairedSurrogateEscapesAreRefused) {
    EXPECT_TRUE(LiteralFails(R"("\ud83c")"));
    EXPECT_TRUE(LiteralFails(R"("\ud83cx")"));
    EXPECT_TRUE(LiteralFails(R"("\ud83c\u0041")"));
    EXPECT_TRUE(LiteralFails(R"("\udfb5")"));
}

TEST(Literals, Utf8TextBecomesUtf16) {
    EXPECT_EQ(Literal("\"Salle \xC3\xA9t\xC3\xA9\""), Variant::String(u"Salle \u00e9t\u00e9"));
    EXPECT_EQ(Literal("\"\xF0\x9F\x8E\xB5\""), Variant::String(u"\U0001F3B5"));
}

TEST(Literals, BadStrings) {
    EXPECT_TRUE(LiteralFails("\"unterminated"));
    EXPECT_TRUE(LiteralFails("\"ends in backslash\\"));
    EXPECT_TRUE(LiteralFails(R"("\x41")"));
    EXPECT_TRUE(LiteralFails(R"("\u12")"));
    EXPECT_TRUE(LiteralFails(R"("\u12G4")"));
    EXPECT_TRUE(LiteralFails("\"tab\there\""));
    EXPECT_TRUE(LiteralFails("\"\xC3\""));          // truncated UTF-8
    EXPECT_TRUE(LiteralFails("\"\xC0\x80\""));      // overlong
    EXPECT_TRUE(LiteralFails("\"\xED\xA0\x80\""));  // encoded surrogate
}

TEST(Literals, Arrays) {
    const Variant v = Literal("[true, false, -1]");
    ASSERT_TRUE(v.IsArray());
    EXPECT_EQ(v.Type(), VT_ARRAY | VT_VARIANT);
    const SafeArray* array = v.ArrayValue();
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->lowerBound, 0);
    ASSERT_EQ(array->elements.size(), 3u);
    EXPECT_EQ(array->elements[0], Variant::Bool(true));
    EXPECT_EQ(array->elements[2], Variant::Int(-1));
}

TEST(Literals, EmptyAndNestedArrays) {
    EXPECT_TRUE(Literal("[]").ArrayValue()->elements.empty());
    const Variant v = Literal("[1, [2.5, [\"x\"]], []]");
    const auto& outer = v.ArrayValue()->elements;
    ASSERT_EQ(outer.size(), 3u);
    const auto& middle = outer[1].ArrayValue()->elements;
    ASSERT_EQ(middle.size(), 2u);
    EXPECT_EQ(middle[0], Variant::Double(2.5));
    EXPECT_EQ(middle[1].ArrayValue()->elements.at(0), Variant::String(u"x"));
    EXPECT_TRUE(outer[2].ArrayValue()->elements.empty());
}

TEST(Literals, BadArrays) {
    EXPECT_TRUE(LiteralFails("["));
    EXPECT_TRUE(LiteralFails("[1,]"));
    EXPECT_TRUE(LiteralFails("[,1]"));
    EXPECT_TRUE(LiteralFails("[1 2]"));
    EXPECT_TRUE(LiteralFails("[1]]"));
}

TEST(Literals, DeepNestingIsRefusedRatherThanExhaustingTheStack) {
    EXPECT_FALSE(LiteralFails(std::string(10, '[') + std::string(10, ']')));
    EXPECT_TRUE(LiteralFails(std::string(100000, '[') + std::string(100000, ']')));
}

}  // namespace
}  // namespace kvt::cli
