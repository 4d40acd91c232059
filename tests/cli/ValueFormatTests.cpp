#include "ValueFormat.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "ScriptParser.h"

namespace kvt::cli {
namespace {

// Reads printed text back through the tool's own literal parser, as a script would.
double ReadBack(const std::string& text) {
    const LiteralResult parsed = ParseLiteral(text);
    EXPECT_FALSE(parsed.error) << text;
    double value = 0;
    Variant asDouble;
    EXPECT_TRUE(CoerceVariant(parsed.value, VT_R8, asDouble)) << text;
    value = asDouble.DoubleValue();
    return value;
}

TEST(DoubleOutput, ShortestForm) {
    EXPECT_EQ(FormatValue(Variant::Double(-3.0)), "-3");
    EXPECT_EQ(FormatValue(Variant::Double(0.1)), "0.1");
    EXPECT_EQ(FormatValue(Variant::Double(11.9)), "11.9");
    EXPECT_EQ(FormatValue(Variant::Double(-80.0)), "-80");
    EXPECT_EQ(FormatValue(Variant::Double(0.0)), "0");
}

TEST(DoubleOutput, ReadsBackToTheSameValue) {
    for (double d : {1.0 / 3.0, 0.1 + 0.2, -23.9, 5e-324, 1e21, 123456789.123456789, 2147483648.0,
                     -2147483649.0, 123456789012.0, std::numeric_limits<double>::max(),
                     -std::numeric_limits<double>::min(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(ReadBack(FormatDouble(d)), d) << FormatDouble(d);
    }
    EXPECT_EQ(FormatDouble(0.1 + 0.2), "0.30000000000000004");
    EXPECT_TRUE(std::isnan(ReadBack(FormatDouble(std::nan("")))));
    EXPECT_EQ(FormatDouble(-std::numeric_limits<double>::infinity()), "-Infinity");
}

TEST(IntegerOutput, Decimal) {
    EXPECT_EQ(FormatValue(Variant::Int(0)), "0");
    EXPECT_EQ(FormatValue(Variant::Int(38400)), "38400");
    EXPECT_EQ(FormatValue(Variant::Int(-30)), "-30");
    EXPECT_EQ(FormatValue(Variant::Int(-2147483647 - 1)), "-2147483648");
}

TEST(BooleanOutput, TrueFalseAndOtherRawValuesAsNumbers) {
    EXPECT_EQ(FormatValue(Variant::Bool(true)), "true");
    EXPECT_EQ(FormatValue(Variant::Bool(false)), "false");
    EXPECT_EQ(FormatValue(Variant::Bool16(1)), "1");
    EXPECT_EQ(FormatValue(Variant::Bool16(-2)), "-2");
}

TEST(EmptyOutput, IsNull) {
    EXPECT_EQ(FormatValue(Variant()), "null");
}

TEST(StringOutput, JsonLiteral) {
    EXPECT_EQ(FormatValue(Variant::String(u"")), "\"\"");
    EXPECT_EQ(FormatValue(Variant::String(u"COM1:")), "\"COM1:\"");
    EXPECT_EQ(FormatValue(Variant::String(u"say \"hi\" \\ bye")), R"("say \"hi\" \\ bye")");
    EXPECT_EQ(FormatValue(Variant::String(u"a/b")), "\"a/b\"");
}

TEST(StringOutput, ControlCharactersAreEscaped) {
    EXPECT_EQ(FormatValue(Variant::String(u"\b\f\n\r\t")), R"("\b\f\n\r\t")");
    EXPECT_EQ(FormatValue(Variant::String(std::u16string(1, u'\0'))), R"("\u0000")");
    EXPECT_EQ(FormatValue(Variant::String(u"\x1b[2J")), R"("\u001b[2J")");
    EXPECT_EQ(FormatValue(Variant::String(u"\x7f\x85")), R"("\u007f\u0085")");
}

TEST(StringOutput, NonAsciiIsWrittenAsUtf8) {
    EXPECT_EQ(FormatValue(Variant::String(u"\u00e9t\u00e9")), "\"\xC3\xA9t\xC3\xA9\"");
    EXPECT_EQ(FormatValue(Variant::String(u"\u20ac")), "\"\xE2\x82\xAC\"");
    EXPECT_EQ(FormatValue(Variant::String(u"\U0001F3B5")), "\"\xF0\x9F\x8E\xB5\"");
}

TEST(StringOutput, UnpairedSurrogatesAreEscaped) {
    const std::u16string lone{static_cast<char16_t>(0xD800), u'x', static_cast<char16_t>(0xDC01)};
    EXPECT_EQ(FormatValue(Variant::String(lone)), R"("\ud800x\udc01")");
}

TEST(StringOutput, ReadsBackThroughTheLiteralParser) {
    for (const std::u16string& text :
         {std::u16string(u"plain"), std::u16string(u"tab\there \"q\" \\"),
          std::u16string(u"\u00e9\u20ac\U0001F3B5"), std::u16string(u"\x01\x1f\x7f")}) {
        const Variant value = Variant::String(text);
        const LiteralResult back = ParseLiteral(FormatValue(value));
        ASSERT_FALSE(back.error) << FormatValue(value);
        EXPECT_EQ(back.value, value) << FormatValue(value);
    }
}

TEST(ArrayOutput, JsonArrays) {
    EXPECT_EQ(FormatValue(Variant::Array(VT_VARIANT, {})), "[]");
    EXPECT_EQ(FormatValue(Variant::Array(VT_R8, {Variant::Double(-80.0), Variant::Double(0.5)})),
              "[-80, 0.5]");
    const Variant nested =
        Variant::Array(VT_VARIANT, {Variant::Int(1), Variant::String(u"x"), Variant::Bool(true),
                                    Variant::Array(VT_VARIANT, {Variant::Int(2)})});
    EXPECT_EQ(FormatValue(nested), R"([1, "x", true, [2]])");
}

TEST(ArrayOutput, ReadsBackThroughTheLiteralParser) {
    const Variant value = Variant::Array(
        VT_VARIANT, {Variant::Int(-1), Variant::Double(2.5), Variant::String(u"a\"b"),
                     Variant::Array(VT_VARIANT, {Variant::Bool(false)})});
    const LiteralResult back = ParseLiteral(FormatValue(value));
    ASSERT_FALSE(back.error);
    EXPECT_EQ(back.value, value);
}

TEST(EventLineFormat, NameAndArguments) {
    const Variant progress[] = {Variant::Int(1), Variant::Int(5), Variant::Int(108)};
    EXPECT_EQ(FormatEventLine("ConnectionProgress", progress),
              "event ConnectionProgress(1, 5, 108)");
    const Variant entry[] = {Variant::Int(0x180102), Variant::Int(0x0c0000),
                             Variant::String(u"Power on")};
    EXPECT_EQ(FormatEventLine("EventEntry", entry),
              R"(event EventEntry(1573122, 786432, "Power on"))");
    EXPECT_EQ(FormatEventLine("UnitDisappeared", {}), "event UnitDisappeared()");
    const Variant levels[] = {Variant::Double(-80.0), Variant::Double(-12.5)};
    EXPECT_EQ(FormatEventLine("InputLevelsUpdated", levels),
              "event InputLevelsUpdated(-80, -12.5)");
}

}  // namespace
}  // namespace kvt::cli
