// The three font folders against the game's font format: consistent file
// sizes for N glyphs, advances the loader accepts, glyphs drawn from the
// cell's left edge, and every character the game's texts need.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/paths.h"
#include "tests/tools/mediagen/decode.h"
#include "tools/mediagen/fonts/bitmap_font.h"

namespace wispwood::mediagen {
namespace {

std::string FirstLine(const std::string& text) {
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

std::string Trim(const std::string& text) {
    size_t a = 0, b = text.size();
    while (a < b && uint8_t(text[a]) <= 32) ++a;
    while (b > a && uint8_t(text[b - 1]) <= 32) --b;
    return text.substr(a, b - a);
}

class FontFolder : public ::testing::TestWithParam<std::pair<const char*, int>> {};

TEST_P(FontFolder, IsConsistentAndCoversTheGameTexts) {
    auto [folder, cell] = GetParam();
    auto file = [&](const char* name) {
        return test::ReadBytes(wispwood::test::GamePath(std::string("media/") + folder + "/" + name));
    };
    std::string dimensions = file("dimensions.dat");
    EXPECT_EQ(std::stoi(Trim(FirstLine(dimensions))), cell);
    std::string chars = Trim(FirstLine(file("characters.dat")));
    const size_t n = chars.size();
    ASSERT_GT(n, 40u);
    for (char c : std::string("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!?.,':;-+/()&%\""))
        EXPECT_NE(chars.find(c), std::string::npos) << "missing " << c;
    EXPECT_GT(std::stoi(Trim(FirstLine(file("spacing.dat")))), 3);

    std::string kerning = file("kerning.dat");
    ASSERT_EQ(kerning.size(), n * (n + 1) + n);
    for (size_t k = 0; k < n; ++k)
        for (size_t m = 0; m <= n; ++m) {
            int advance = uint8_t(kerning[k * (n + 1) + m]);
            EXPECT_TRUE(advance >= 4 && advance <= 128) << chars[k] << " " << m;
            EXPECT_LE(advance, cell + 4);
        }
    std::string offsets = file("offsets.dat");
    ASSERT_EQ(offsets.size(), n);

    test::Decoded sheet =
        test::DecodePicture(wispwood::test::GamePath(std::string("media/") + folder + "/font.png"));
    ASSERT_TRUE(sheet.ok);
    int cols = sheet.raster.width / cell, rows = sheet.raster.height / cell;
    ASSERT_GE(size_t(cols * rows), n);
    // glyph ink starts at the cell's left edge and ends within its own advance
    for (size_t k = 0; k < n; ++k) {
        int ox = int(k % cols) * cell, oy = int(k / cols) * cell;
        int left = cell, right = -1;
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                if (sheet.raster.At(ox + x, oy + y)[3] > 64)
                    left = std::min(left, x), right = std::max(right, x);
        ASSERT_GE(right, 0) << "empty glyph " << chars[k];
        EXPECT_LE(left, 3) << chars[k];
        EXPECT_LE(right, int(uint8_t(kerning[k * (n + 1)])) + 2) << chars[k];
    }
    // pairs the fonts kern tighter than the glyphs' own advances
    auto advance = [&](char a, char b) {
        size_t k = chars.find(a), m = chars.find(b);
        return int(uint8_t(kerning[k * (n + 1) + m + 1]));
    };
    auto own = [&](char a) { return int(uint8_t(kerning[chars.find(a) * (n + 1)])); };
    EXPECT_LE(advance('A', 'V'), own('A'));
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
