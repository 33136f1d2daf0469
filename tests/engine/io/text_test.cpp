#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

TEST(TextToInt, SignsBasesAndStopCharacters) {
    EXPECT_EQ(TextToInt(" -12abc"), -12);
    EXPECT_EQ(TextToInt("$1F"), 31);
    EXPECT_EQ(TextToInt("$1f"), 31);
    EXPECT_EQ(TextToInt("%101"), 5);
    EXPECT_EQ(TextToInt("%102"), 2); // stops at the 2
    EXPECT_EQ(TextToInt(""), 0);
    EXPECT_EQ(TextToInt("abc"), 0);
    EXPECT_EQ(TextToInt("+7"), 7);
    EXPECT_EQ(TextToInt("\t\r\n 42 "), 42);
    EXPECT_EQ(TextToInt("-"), 0);
    EXPECT_EQ(TextToInt("--1"), 0);
    EXPECT_EQ(TextToInt("-$10"), -16);
    EXPECT_EQ(TextToInt("1.9"), 1);
}

TEST(TextToInt, OverflowWrapsToThirtyTwoBits) {
    EXPECT_EQ(TextToInt("2147483647"), 2147483647);
    EXPECT_EQ(TextToInt("2147483648"), -2147483647 - 1);
    EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(TextToInt("4294967297"), 1);
    EXPECT_EQ(TextToInt("$FFFFFFFF"), -1);
    // Far beyond 64 bits still gives a fixed answer.
    EXPECT_EQ(TextToInt(std::string(400, '9')), TextToInt(std::string(400, '9')));
}

TEST(NumberToText, FormatsAsTheFilesExpect) {
    EXPECT_EQ(FloatToText(0.5f), "0.500000000");
    EXPECT_EQ(FloatToText(1.0f), "1.00000000");
    EXPECT_EQ(FloatToText(0.8f), "0.800000000");
    EXPECT_EQ(FloatToText(0.33f), "0.330000000");
    EXPECT_EQ(FloatToText(-2.5e-7f), "-2.50000000e-07");
    for (float f : {1.0f / 3, 0.1f, 123456.789f, 3.4e38f, 1e-45f})
        EXPECT_EQ(TextToFloat(FloatToText(f)), f) << FloatToText(f);
    EXPECT_EQ(IntToText(-45), "-45");
    EXPECT_FLOAT_EQ(TextToFloat(FloatToText(0.7f)), 0.7f);
    EXPECT_FLOAT_EQ(TextToFloat(" 2.5xyz"), 2.5f);
    EXPECT_EQ(TextToFloat("junk"), 0.0f);
    EXPECT_EQ(TextToDouble(DoubleToText(0.1)), 0.1);
}

TEST(TextRoutines, PositionsAreOneBased) {
    EXPECT_EQ(FindText("hello", "l"), 3);
    EXPECT_EQ(FindText("hello", "l", 4), 4);
    EXPECT_EQ(FindText("hello", "l", 5), 0);
    EXPECT_EQ(FindText("hello", "z"), 0);
    EXPECT_EQ(FindText("hello", ""), 0);
    EXPECT_EQ(Substring("hello", 2, 3), "ell");
    EXPECT_EQ(Substring("hello", 4), "lo");
    EXPECT_EQ(Substring("hello", 0, 2), "h");
    EXPECT_EQ(Substring("hello", 9, 2), "");
    EXPECT_EQ(LeftText("hello", 2), "he");
    EXPECT_EQ(LeftText("hello", 9), "hello");
    EXPECT_EQ(RightText("hello", 2), "lo");
    EXPECT_EQ(RightText("hello", -1), "");
}

TEST(TextRoutines, PaddingTrimmingCaseAndReplacing) {
    EXPECT_EQ(PadLeft("7", 3), "  7");
    EXPECT_EQ(PadLeft("12345", 3), "345");
    EXPECT_EQ(PadRight("7", 3), "7  ");
    EXPECT_EQ(PadRight("12345", 3), "123");
    EXPECT_EQ(TrimText("\t a b \r\n"), "a b");
    EXPECT_EQ(TrimText(" \x01\x1f "), "");
    EXPECT_EQ(LowerText("AbC\xC9"), "abc\xC9");
    EXPECT_EQ(UpperText("aBc\xE9"), "ABC\xE9");
    EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceText("a.ogg.ogg", ".ogg", ".wav"), "a.wav.wav");
    EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
}

} // namespace
} // namespace wispwood
