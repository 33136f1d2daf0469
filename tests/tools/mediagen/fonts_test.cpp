// The three generated font folders as the game's font loader reads them:
// every glyph the game's texts need, one cell per glyph, glyphs drawn from
// the cell's left edge, and kerning bytes the loader takes as they are.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/draw/image.h"
#include "framework/fonts/font_files.h"
#include "game/app/world_reset.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include "tests/tools/mediagen/raw_bytes.h"
#include "tools/mediagen/fonts/bitmap_font.h"

namespace wispwood::mediagen {
namespace {

class FontFolder : public wispwood::test::HeadlessDisplayTest,
                   public ::testing::WithParamInterface<std::pair<const char*, int>> {
  protected:
    // The tests read the glyph pictures' pixels.
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        SetKeepDecodedPixels(true);
    }
    void TearDown() override { ResetWorld(); }
};

TEST_P(FontFolder, LoadsWithEveryGlyphTheGameTextsNeed) {
    auto [folder, cell] = GetParam();
    const Text path = wispwood::test::GamePath(std::string("media/") + folder);
    Ref<Font> font = LoadFont(path);
    ASSERT_TRUE(font) << "the game's loader refused " << folder;
    EXPECT_EQ(font->ImageWidth, cell);
    const size_t n = font->Chars.size();
    ASSERT_GT(n, 40u);
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!?.,':;-+/()&%\""))
        EXPECT_NE(font->GlyphOf(uint8_t(c)), 0) << "missing " << c;
    EXPECT_GT(font->Spacing, 3);
    ASSERT_EQ(ImageFrameCount(font->Image), int(n));
    EXPECT_EQ(ImageWidth(font->Image), cell);
    EXPECT_EQ(ImageHeight(font->Image), cell);

    // The loader also reads past tables longer than the character set
    // needs, which would hide a set and tables written for different sets.
    std::string kerning = probe::ReadBytes(path + "/kerning.dat");
    ASSERT_EQ(kerning.size(), n * (n + 1) + n);
    EXPECT_EQ(probe::ReadBytes(path + "/offsets.dat").size(), n);
    for (size_t k = 0; k < n; ++k)
        for (size_t m = 0; m <= n; ++m) {
            // the loader turns an advance outside 4..128 into 4 without a word
            int advance = uint8_t(kerning[k * (n + 1) + m]);
            EXPECT_TRUE(advance >= 4 && advance <= 128) << font->Chars[k] << " " << m;
            EXPECT_LE(advance, cell + 4);
        }

    // Glyph ink starts at the cell's left edge and ends within the glyph's
    // own advance, which also places its handle.
    for (size_t k = 0; k < n; ++k) {
        Ref<TPixmap> glyph = LockImage(font->Image, int(k));
        int left = cell, right = -1;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                if ((uint32_t(glyph->ReadPixel(x, y)) >> 24) > 64)
                    left = std::min(left, x), right = std::max(right, x);
        ASSERT_GE(right, 0) << "empty glyph " << font->Chars[k];
        EXPECT_LE(left, 3) << font->Chars[k];
        EXPECT_LE(right, int(font->Width[k + 1][0]) + 2) << font->Chars[k];
    }
    // pairs the fonts kern tighter than the glyphs' own advances
    int a = font->GlyphOf('A'), v = font->GlyphOf('V');
    EXPECT_LE(font->Width[a][v], font->Width[a][0]);
}

// Where a glyph's ink (outline included) is on each row of its cell.
struct RowInk {
    std::vector<int> left, right; // right < 0 on an empty row
};

RowInk InkOf(const Ref<Font>& font, int glyph) {
    Ref<TPixmap> pixmap = LockImage(font->Image, glyph - 1);
    const int cell = font->ImageWidth;
    RowInk ink{std::vector<int>(cell, cell), std::vector<int>(cell, -1)};
    for (int y = 0; y < cell; ++y)
        for (int x = 0; x < cell; ++x)
            if ((uint32_t(pixmap->ReadPixel(x, y)) >> 24) > 128)
                ink.left[y] = std::min(ink.left[y], x), ink.right[y] = std::max(ink.right[y], x);
    return ink;
}

// Letters set side by side as the font places them read as one word: on the
// rows both letters share, their inks come close (a loosely spaced script
// face leaves letters floating apart), yet never run into each other beyond
// their outlines.
TEST_P(FontFolder, LettersOfAWordStayCloseWithoutRunningTogether) {
    auto [folder, cell] = GetParam();
    Ref<Font> font = LoadFont(wispwood::test::GamePath(std::string("media/") + folder));
    ASSERT_TRUE(font);
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::vector<RowInk> inks;
    for (char c : letters) inks.push_back(InkOf(font, font->GlyphOf(uint8_t(c))));
    std::vector<int> closest;
    for (size_t a = 0; a < letters.size(); ++a)
        for (size_t b = 0; b < letters.size(); ++b) {
            const int advance =
                int(font->Width[font->GlyphOf(uint8_t(letters[a]))][font->GlyphOf(uint8_t(letters[b]))]);
            int gap = cell;
            for (int y = 0; y < cell; ++y)
                if (inks[a].right[y] >= 0 && inks[b].right[y] >= 0)
                    gap = std::min(gap, advance + inks[b].left[y] - inks[a].right[y] - 1);
            EXPECT_GE(gap, -cell / 8) << letters[a] << letters[b] << " overlap";
            closest.push_back(gap);
        }
    std::sort(closest.begin(), closest.end());
    const int median = closest[closest.size() / 2];
    EXPECT_LE(median, cell / 10) << "letters stand apart";
    EXPECT_GE(median, -cell / 10) << "letters crowd each other";
}

INSTANTIATE_TEST_SUITE_P(Fonts, FontFolder,
                         ::testing::Values(std::make_pair("font", 32), std::make_pair("tutorialfont", 32),
                                           std::make_pair("bigfont", 48)),
                         [](const auto& info) { return std::string(info.param.first); });

TEST(FontFormat, WritesTheByteLayoutOfTheFontFolder) {
    BitmapFont font;
    font.cell = 8;
    font.chars = "AB";
    font.advance = {{5, 6, 200}, {2, 7, 8}}; // 200 and 2 are out of the loader's range
    font.left_pixel = {1, 0};
    font.offset = {0, -3};
    font.spacing = 4;
    font.sheet = Raster(16, 8);
    auto files = EncodeFontFolder(font);
    EXPECT_EQ(files["dimensions.dat"], "8\r\n16\r\n");
    EXPECT_EQ(files["characters.dat"], "AB\r\n");
    EXPECT_EQ(files["spacing.dat"], "4\r\n");
    EXPECT_EQ(files["kerning.dat"], std::string("\x05\x06\x80\x04\x07\x08\x01\x00", 8));
    EXPECT_EQ(files["offsets.dat"], std::string("\x80\x7d", 2));
    EXPECT_EQ(files["font.png"].substr(1, 3), "PNG");
}

} // namespace
} // namespace wispwood::mediagen
