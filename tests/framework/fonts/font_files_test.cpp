#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/fonts/font_files.h"
#include "tests/support/paths.h"
#include "tests/support/test_font.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class FontFiles : public ::testing::Test {
  protected:
    test::TempDir dir;
    Text folder;
    void SetUp() override {
        folder = dir.File("font");
        test::WriteTestFontFolder(folder);
    }
};

TEST_F(FontFiles, TablesAreReadFromTheFolderWithKerningClamped) {
    auto font = ReadFontTables(folder + "\\");
    ASSERT_TRUE(font);
    auto expected = test::MakeTestFont();
    EXPECT_EQ(font->Chars, "AB!'");
    EXPECT_EQ(font->ImageWidth, 20);
    EXPECT_EQ(font->ImageHeight, 20);
    EXPECT_EQ(font->TextureWidth, 128);
    EXPECT_EQ(font->Spacing, 7);
    EXPECT_EQ(font->LowestOffset, 2);
    EXPECT_EQ(font->Offset, expected->Offset);
    EXPECT_EQ(font->LeftPixel, expected->LeftPixel);
    // A followed by ' was written as 200: above 128 it becomes 4.
    EXPECT_FLOAT_EQ(font->Width[1][4], 4);
    expected->Width[1][4] = 4;
    EXPECT_EQ(font->Width, expected->Width);
    EXPECT_EQ(font->Width[0], std::vector<float>(5, 0.0f));
    EXPECT_EQ(FontFilePath("media\\font\\", "kerning.dat"), "media/font\\kerning.dat");
}

TEST_F(FontFiles, SmallKerningBytesAreRaisedToFour) {
    Text kerning(4 * 5 + 4, '\x03');
    kerning[1] = static_cast<char>(128);
    ASSERT_EQ(SaveText(folder + "/kerning.dat", kerning), 1);
    auto font = ReadFontTables(folder);
    ASSERT_TRUE(font);
    EXPECT_FLOAT_EQ(font->Width[1][0], 4);
    EXPECT_FLOAT_EQ(font->Width[1][1], 128);
}

TEST_F(FontFiles, MissingOrShortFilesFailWithAReason) {
    struct Damage {
        const char* file;
        Text contents; // written in place of the file; "-" deletes it
        const char* reason;
    };
    const Damage cases[] = {
        {"dimensions.dat", "-", "missing"},
        {"dimensions.dat", "\r\n", "no cell size"},
        {"characters.dat", "-", "missing"},
        {"characters.dat", "  \r\n", "no characters"},
        {"kerning.dat", "-", "missing"},
        {"kerning.dat", Text(23, '\x08'), "too short"},
        {"spacing.dat", "-", "missing"},
        {"offsets.dat", "-", "missing"},
        {"offsets.dat", Text(3, '\x80'), "too short"},
    };
    for (const Damage& damage : cases) {
        SCOPED_TRACE(Text(damage.file) + " " + damage.reason);
        test::WriteTestFontFolder(folder);
        const Text path = folder + "/" + damage.file;
        if (damage.contents == "-")
            DeleteFile(path);
        else
            SaveText(path, damage.contents);
        Text problem;
        EXPECT_FALSE(ReadFontTables(folder, &problem));
        EXPECT_NE(problem.find(damage.reason), Text::npos) << problem;
        EXPECT_NE(problem.find(damage.file), Text::npos) << problem;
    }
    EXPECT_FALSE(ReadFontTables(dir.File("nowhere")));
}

TEST_F(FontFiles, ExtraBytesAndLinesAreIgnored) {
    Text kerning;
    ASSERT_TRUE(LoadText(folder + "/kerning.dat", kerning));
    SaveText(folder + "/kerning.dat", kerning + "\x50\x50\x50");
    SaveText(folder + "/characters.dat", "AB!'\r\nsecond line\r\n");
    auto font = ReadFontTables(folder);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->Chars, "AB!'");
}

} // namespace
} // namespace wispwood
