// The credits and the main menu's path file, read line by line as the game
// reads them.
#include "tests/tools/data/data_files.h"
#include "tests/tools/data/font_fixture.h"

#include "engine/io/text_routines.h"
#include "game/services/game_fonts.h"
#include <gtest/gtest.h>

namespace wispwood::datatest {
namespace {

// Each credit line is printed centred on the screen: "<L>" lines in
// BigFont at full size, "<M>" lines in BigFont at 0.75, other lines in
// MainFont at full size. The markers are not shown.
using CreditFonts = GameFontsTest;

TEST_F(CreditFonts, EveryLineFitsTheScreenAtItsSize) {
    auto raw = ReadRawLines(ShippedPath("gameend/credits.txt"));
    int large = 0, medium = 0, normal = 0;
    for (const Text& line : raw.lines) {
        Text text = ReplaceText(ReplaceText(ReplaceText(line, "<M>", ""), "<L>", ""), "<I>", "");
        Ref<Font> font = MainFont;
        float scale = 1;
        if (line.find("<M>") != Text::npos)
            font = BigFont, scale = 0.75f, ++medium;
        else if (line.find("<L>") != Text::npos)
            font = BigFont, ++large;
        else if (!text.empty())
            ++normal;
        EXPECT_LE(font->FontLength(text, scale), 800) << line;
        EXPECT_EQ(MissingGlyphs(*font, text), "") << line;
        EXPECT_EQ(text, TrimText(text)) << line;
    }
    EXPECT_GE(large, 1);
    EXPECT_GE(medium, 1);
    EXPECT_GE(normal, 1);
}

TEST(Credits, TheFontsAndLibrariesAreCreditedWithTheirLicences) {
    Text all;
    for (const Text& line : ReadRawLines(ShippedPath("gameend/credits.txt")).lines) all += line + "\n";
    for (const char* name :
         {"SIL Open Font License", "SDL2", "zlib", "libpng", "libvorbis", "Independent JPEG Group"})
        EXPECT_NE(all.find(name), Text::npos) << name;
}

TEST(Credits, TheMenuPathFileIsAHarmlessPointList) {
    auto raw = ReadRawLines(ShippedPath("mainmenu/flowerpath.dat"));
    ASSERT_FALSE(raw.lines.empty());
    for (const Text& line : raw.lines) EXPECT_NE(line.find(','), Text::npos) << line;
}

} // namespace
} // namespace wispwood::datatest
