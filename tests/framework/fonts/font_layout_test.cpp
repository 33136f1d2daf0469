#include "framework/fonts/font.h"
#include "tests/support/test_font.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class FontLayout : public ::testing::Test {
  protected:
    Ref<Font> font = test::MakeTestFont();
    void SetUp() override { SetCurrentFont(font); }
    void TearDown() override { ResetFonts(); }
};

struct Expected {
    float x, y;
    int frame;
    float width;
};

void ExpectRecords(const std::vector<CharDrawInfo>& infos, const std::vector<Expected>& expected) {
    ASSERT_EQ(infos.size(), expected.size());
    for (size_t i = 0; i < infos.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(infos[i].x, expected[i].x);
        EXPECT_FLOAT_EQ(infos[i].y, expected[i].y);
        EXPECT_EQ(infos[i].frame, expected[i].frame);
        EXPECT_FLOAT_EQ(infos[i].width, expected[i].width);
    }
}

TEST_F(FontLayout, KerningOffsetsAndHandlesOfALeftAlignedLine) {
    // y: 50 + (20 div 2 - 2 + 1) = 59; A is followed by B, B by nothing.
    auto infos = LayoutText("AB", 100, 50);
    ExpectRecords(infos, {{105, 59, 0, 11}, {118, 57, 1, 14}});
    EXPECT_FLOAT_EQ(infos[0].handlex, 5);
    EXPECT_FLOAT_EQ(infos[1].handlex, 7);
    EXPECT_FLOAT_EQ(infos[1].handley, 10);
    EXPECT_FLOAT_EQ(infos[1].scalex, 1);
    EXPECT_FLOAT_EQ(infos[1].rotation, 0);
    // Small letters are upper-cased first.
    ExpectRecords(LayoutText("ab", 100, 50), {{105, 59, 0, 11}, {118, 57, 1, 14}});
}

TEST_F(FontLayout, AlignmentsShiftByTheWholeWidth) {
    // Total advance 25: centring takes trunc(12.5) = 12, right alignment 25.
    ExpectRecords(LayoutText("AB", 100, 50, AlignCentre), {{93, 59, 0, 11}, {106, 57, 1, 14}});
    ExpectRecords(LayoutText("AB", 100, 50, AlignRight), {{80, 59, 0, 11}, {93, 57, 1, 14}});
    // The vertical centre keeps y as given.
    ExpectRecords(LayoutText("AB", 100, 50, AlignMiddle), {{93, 50, 0, 11}, {106, 48, 1, 14}});
    FontDrawStyle fractional;
    fractional.FractionalPositions = 1;
    ExpectRecords(LayoutText("AB", 100, 50.4f, AlignCentre, 1, &fractional),
                  {{92.5f, 59.4f, 0, 11}, {105.5f, 57.4f, 1, 14}});
    ExpectRecords(LayoutText("AB", 100, 50.4f, AlignLeft), {{105, 59, 0, 11}, {118, 57, 1, 14}});
}

TEST_F(FontLayout, CentringAnOddWidthDropsTheHalfPixel) {
    font->Spacing = 101;
    ExpectRecords(LayoutText("?", 400, 0, AlignCentre), {{350, 7, -1, 101}});
}

TEST_F(FontLayout, ScaleMultipliesAdvancesHandlesAndOffsets) {
    auto infos = LayoutText("AB", 100, 50, AlignLeft, 2);
    ExpectRecords(infos, {{110, 68, 0, 22}, {136, 64, 1, 28}});
    EXPECT_FLOAT_EQ(infos[0].scalex, 2);
    EXPECT_FLOAT_EQ(infos[0].scaley, 2);
    EXPECT_FLOAT_EQ(CurrentFontHeight(2), 36);
    EXPECT_FLOAT_EQ(CurrentFontHeight(1), 18);
}

TEST_F(FontLayout, CharactersOutsideTheSetAdvanceBySpacingAndBreakKerning) {
    // A sees nothing after it (column 0), ? takes the spacing.
    ExpectRecords(LayoutText("A?B", 100, 50), {{105, 59, 0, 10}, {110, 57, -1, 7}, {124, 57, 1, 14}});
}

TEST_F(FontLayout, MeasuresIncludeHalfTheLastGlyph) {
    EXPECT_FLOAT_EQ(CurrentFontLength("AB"), 32);
    EXPECT_FLOAT_EQ(CurrentFontLength("ab", 2), 64);
    EXPECT_FLOAT_EQ(CurrentFontLength(""), 0);
    EXPECT_TRUE(LayoutText("", 10, 10).empty());
    EXPECT_EQ(font->FontLength("AB", 1.5f), 48);
    EXPECT_EQ(font->FontHeight(0.75f), 13); // 13.5 truncated
}

TEST_F(FontLayout, StyleScalesRotatesAndNudgesSingleCharacters) {
    FontDrawStyle style;
    style.Scale = {2, 0.5f};
    style.Rotate = {0, 30};
    style.Nudge = {3};
    auto infos = LayoutText("AB!", 100, 50, AlignLeft, 1, &style);
    ASSERT_EQ(infos.size(), 3u);
    EXPECT_FLOAT_EQ(infos[0].scalex, 2);
    EXPECT_FLOAT_EQ(infos[0].y, 62);
    EXPECT_FLOAT_EQ(infos[1].scaley, 0.5f);
    EXPECT_FLOAT_EQ(infos[1].rotation, 30);
    EXPECT_FLOAT_EQ(infos[1].x, 118); // positions do not follow the style's scale
    EXPECT_FLOAT_EQ(infos[2].scalex, 1);
    EXPECT_FLOAT_EQ(infos[2].rotation, 0);
}

TEST_F(FontLayout, CarefulLayoutSpacesApostrophesLikeExclamationMarks) {
    auto infos = LayoutTextCareful("A'B", 100, 50);
    // From the layout of "A!B", but the apostrophe keeps its own glyph.
    ExpectRecords(infos, {{105, 59, 0, 9}, {112, 62, 3, 6}, {123, 57, 1, 14}});
    EXPECT_FLOAT_EQ(infos[1].handlex, 2);
}

TEST_F(FontLayout, FontMethodsLeaveTheCurrentFontAlone) {
    auto other = test::MakeTestFont();
    other->Spacing = 30;
    EXPECT_EQ(other->FontLength("?"), 30);
    EXPECT_EQ(GetCurrentFont(), font);
    EXPECT_EQ(font->FontLength("?"), 7);
    EXPECT_EQ(other->FontTextPOsitions("?", 0, 0)[0].width, 30);
    EXPECT_EQ(GetCurrentFont(), font);
    ResetFonts();
    EXPECT_EQ(other->FontLength("?"), 30);
    EXPECT_EQ(GetCurrentFont(), nullptr);
    EXPECT_TRUE(LayoutText("AB", 0, 0).empty());
    EXPECT_EQ(CurrentFontHeight(), 0);
}

TEST_F(FontLayout, PopInGrowsEachCharacterFourStepsAfterThePrevious) {
    auto before = PopInStyle("AB", 0, 0);
    EXPECT_EQ(before.Scale, (std::vector<float>{0, 0}));
    // t = 0 with offset -25 puts the first character at its peak.
    auto peak = PopInStyle("ABA", 0, -25);
    EXPECT_FLOAT_EQ(peak.Scale[0], 1.1f);
    EXPECT_FLOAT_EQ(peak.Scale[1], 1.05f * 21 / 24);
    EXPECT_FLOAT_EQ(peak.Scale[2], 1.05f * 17 / 24);
    // t = 10 + 10^1.9 / 70 = 11.1347...
    auto early = PopInStyle("A", 10, 0);
    EXPECT_NEAR(early.Scale[0], 1.05 * 11.1347 / 24, 1e-4);
    auto settled = PopInStyle("AB", 100, 0);
    EXPECT_EQ(settled.Scale, (std::vector<float>{1, 1}));
}

} // namespace
} // namespace wispwood
