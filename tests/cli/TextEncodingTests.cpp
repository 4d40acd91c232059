#include "TextEncoding.h"

#include <gtest/gtest.h>

namespace kvt::cli {
namespace {

TEST(Utf8Decoding, AsciiAndMultiByteCharacters) {
    EXPECT_EQ(Utf8ToUtf16("COM1:"), u"COM1:");
    EXPECT_EQ(Utf8ToUtf16("\xC3\xA9"), u"\u00e9");
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82\xAC"), u"\u20ac");
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x8E\xB5"), u"\U0001F3B5");
    EXPECT_EQ(Utf8ToUtf16("\xF4\x8F\xBF\xBF"), u"\U0010FFFF");
}

TEST(Utf8Decoding, RefusesMalformedInput) {
    EXPECT_FALSE(Utf8ToUtf16("\x80"));              // stray continuation byte
    EXPECT_FALSE(Utf8ToUtf16("\xC3"));              // truncated
    EXPECT_FALSE(Utf8ToUtf16("\xE2\x82"));          // truncated
    EXPECT_FALSE(Utf8ToUtf16("\xC3\x41"));          // bad continuation
    EXPECT_FALSE(Utf8ToUtf16("\xC0\xAF"));          // overlong
    EXPECT_FALSE(Utf8ToUtf16("\xE0\x80\xAF"));      // overlong
    EXPECT_FALSE(Utf8ToUtf16("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(Utf8ToUtf16("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_FALSE(Utf8ToUtf16("\xFF"));
}

TEST(Utf8Encoding, AllLengths) {
    std::string out;
    AppendUtf8(out, U'A');
    AppendUtf8(out, U'\u00e9');
    AppendUtf8(out, U'\u20ac');
    AppendUtf8(out, U'\U0001F3B5');
    EXPECT_EQ(out, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xB5");
}

}  // namespace
}  // namespace kvt::cli
