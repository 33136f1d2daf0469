// The credits and the main menu's path file, read line by line as the game
// reads them.
#include "tests/tools/data/data_files.h"

#include "engine/io/text_routines.h"
#include <gtest/gtest.h>

namespace wispwood::datatest {
namespace {

TEST(Credits, LinesFitTheScreenAtTheirSize) {
    auto raw = ReadRawLines(ShippedPath("gameend/credits.txt"));
    int large = 0, medium = 0, normal = 0;
    for (const Text& line : raw.lines) {
        Text text = ReplaceText(ReplaceText(ReplaceText(line, "<M>", ""), "<L>", ""), "<I>", "");
        // Large headings are drawn at full big-font size, medium ones at
        // three quarters, other lines in the small font.
        size_t most = 40;
        if (line.find("<M>") != Text::npos)
            most = 36, ++medium;
        else if (line.find("<L>") != Text::npos)
            most = 28, ++large;
        else if (!text.empty())
            ++normal;
        EXPECT_LE(text.size(), most) << line;
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
