#include "framework/fonts/font_files.h"
#include "game/app/world_reset.h"
#include "game/services/game_fonts.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include "tests/support/test_font.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class GameFonts : public test::HeadlessDisplayTest {
  protected:
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        ResetWorld();
    }
    void TearDown() override { ResetWorld(); }
};

TEST_F(GameFonts, TheThreeGeneratedFontsLoadAndTheMainOneIsCurrent) {
    test::WorkingFolder game(test::GamePath(""));
    LoadFonts();
    ASSERT_TRUE(MainFont && TutorialFont && BigFont);
    EXPECT_EQ(GetCurrentFont(), MainFont);
    for (const auto& font : {MainFont, TutorialFont, BigFont}) {
        EXPECT_TRUE(font->Image);
        EXPECT_GT(font->FontLength("Master Quest"), 0);
    }
    EXPECT_GT(BigFont->FontHeight(), MainFont->FontHeight());
    // Loading again replaces every font object.
    auto first = MainFont;
    SetCurrentFont(BigFont);
    LoadFonts();
    EXPECT_NE(MainFont, first);
    EXPECT_EQ(GetCurrentFont(), MainFont);
}

TEST_F(GameFonts, MissingFoldersLeaveUsableBlankFonts) {
    test::TempDir dir;
    test::WriteTestFontFolder(dir.File("media/font"), true);
    test::WorkingFolder folder(dir.Path());
    testing::internal::CaptureStderr();
    LoadFonts();
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("media\\tutorialfont"), std::string::npos) << printed;
    EXPECT_NE(printed.find("media\\bigfont"), std::string::npos) << printed;
    ASSERT_TRUE(MainFont && TutorialFont && BigFont);
    EXPECT_EQ(MainFont->Chars, "AB!'");
    EXPECT_EQ(BigFont->FontLength("Anything"), 0);
    BigFont->FontPrint("Anything", 10, 10);
    EXPECT_EQ(GetCurrentFont(), MainFont);
    // A later load that fails keeps the font that loaded before.
    auto main = MainFont;
    std::filesystem::remove_all(dir.File("media/font"));
    testing::internal::CaptureStderr();
    LoadFonts();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(MainFont, main);
}

} // namespace
} // namespace wispwood
