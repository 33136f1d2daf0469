#include "engine/draw/graphics.h"
#include "engine/draw/message_box.h"
#include "engine/io/file_stream.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font_files.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include "tests/support/test_font.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using test::GrabScreen;

class FontPrint : public test::HeadlessDisplayTest {
  protected:
    test::TempDir dir;
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        TDrawState::Reset();
        ResetFonts();
        // A glyph sheet that fails to load tells the player; nobody answers.
        SetDialogResponder([](const Text&, int) { return 0; });
        SetClsColor(0, 0, 0);
        Cls();
    }
    void TearDown() override {
        SetDialogResponder(nullptr);
        ResetFonts();
    }
    Ref<Font> LoadTestFont() {
        test::WriteTestFontFolder(dir.File("font"), true);
        return LoadFont(dir.File("font"));
    }
};

uint32_t Pixel(const Ref<TPixmap>& screen, int x, int y) {
    return static_cast<uint32_t>(screen->ReadPixel(x, y)) | 0xff000000u;
}

TEST_F(FontPrint, GlyphsLandWhereTheLayoutPutsThem) {
    auto font = LoadTestFont();
    ASSERT_TRUE(font);
    EXPECT_EQ(GetCurrentFont(), font); // the first font loaded becomes current
    ASSERT_TRUE(font->Image);
    EXPECT_EQ(ImageFrameCount(font->Image), 4);
    // A: (105, 59) about (5, 10) covers 100-119 x 49-68; "?" is skipped.
    font->FontPrint("A?b", 100, 50);
    auto screen = GrabScreen();
    EXPECT_EQ(Pixel(screen, 103, 60), test::kSheetColours[0]);
    EXPECT_EQ(Pixel(screen, 103, 49), test::kSheetColours[0]);
    EXPECT_EQ(Pixel(screen, 99, 60), 0xff000000u);
    EXPECT_EQ(Pixel(screen, 103, 69), 0xff000000u);
    // "?" advanced by the spacing: B sits at 105 + 5 + 7 + 7 = 124 and
    // covers 117-136 x 47-66.
    EXPECT_EQ(Pixel(screen, 118, 55), test::kSheetColours[1]);
    EXPECT_EQ(Pixel(screen, 125, 66), test::kSheetColours[1]);
    EXPECT_EQ(Pixel(screen, 125, 67), 0xff000000u);
    EXPECT_EQ(Pixel(screen, 136, 55), test::kSheetColours[1]);
    EXPECT_EQ(Pixel(screen, 137, 55), 0xff000000u);
}

TEST_F(FontPrint, PrintingKeepsTheCallersStateAndColour) {
    auto font = LoadTestFont();
    ASSERT_TRUE(font);
    SetColor(255, 0, 255);
    SetAlpha(1);
    SetScale(3, 3);
    SetRotation(45);
    SetBlend(SOLIDBLEND);
    PrintText("A", 100, 50);
    // The glyph is drawn at its own scale (1) with the caller's colour.
    auto screen = GrabScreen();
    EXPECT_EQ(Pixel(screen, 103, 60), 0xffff0000u);
    EXPECT_EQ(Pixel(screen, 95, 60), 0xff000000u);
    float sx = 0, sy = 0;
    GetScale(sx, sy);
    EXPECT_FLOAT_EQ(sx, 3);
    EXPECT_FLOAT_EQ(GetRotation(), 45);
    EXPECT_EQ(GetBlend(), SOLIDBLEND);
    EXPECT_EQ(TDrawState::Size(), 0);
}

TEST_F(FontPrint, CarefulAndPopInPrinting) {
    auto font = LoadTestFont();
    ASSERT_TRUE(font);
    // The apostrophe keeps its white glyph at the exclamation mark's place.
    font->FontPrintCareful("A'", 100, 50);
    auto screen = GrabScreen();
    EXPECT_EQ(Pixel(screen, 112, 68), test::kSheetColours[3]);
    Cls();
    // Before its time a popping character is not visible at all.
    PrintPopIn("A", 100, 50, AlignLeft, 1, 0, 0, font);
    EXPECT_EQ(Pixel(GrabScreen(), 105, 59), 0xff000000u);
    PrintPopIn("A", 100, 50, AlignLeft, 1, 100, 0, nullptr);
    EXPECT_EQ(Pixel(GrabScreen(), 105, 59), test::kSheetColours[0]);
}

TEST_F(FontPrint, AFolderWithoutAGlyphSheetFailsCleanly) {
    test::WriteTestFontFolder(dir.File("font"), false);
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadFont(dir.File("font")), nullptr);
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_NE(printed.find("is not a whole font"), std::string::npos) << printed;
    EXPECT_EQ(GetCurrentFont(), nullptr);

    // A sheet with fewer cells than characters is no better.
    test::WriteTestFontFolder(dir.File("font"), true);
    SaveText(dir.File("font/characters.dat"), "AB!'XYZ\r\n");
    SaveText(dir.File("font/kerning.dat"), Text(7 * 8 + 7, '\x08'));
    SaveText(dir.File("font/offsets.dat"), Text(7, '\x80'));
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadFont(dir.File("font")), nullptr);
    testing::internal::GetCapturedStderr();
    testing::internal::CaptureStderr();
    EXPECT_EQ(LoadFont(dir.File("nowhere")), nullptr);
    testing::internal::GetCapturedStderr();
}

TEST_F(FontPrint, EveryGeneratedFontLoadsMeasuresAndPrints) {
    for (const char* folder : {"media/font", "media/tutorialfont", "media/bigfont/"}) {
        SCOPED_TRACE(folder);
        auto font = LoadFont(test::GamePath(folder));
        ASSERT_TRUE(font);
        ASSERT_TRUE(font->Image);
        EXPECT_EQ(ImageFrameCount(font->Image), static_cast<int>(font->Chars.size()));
        for (char c = 'A'; c <= 'Z'; ++c) EXPECT_GT(font->GlyphOf(static_cast<unsigned char>(c)), 0) << c;
        const int length = font->FontLength("Well done, Ann!");
        EXPECT_GT(length, 0);
        EXPECT_EQ(font->FontLength("well done, ann!"), length);
        EXPECT_GT(font->FontLength("Well done, Ann! Well done, Ann!"), length);
        EXPECT_NEAR(font->FontLength("Well done", 2), 2 * font->FontLength("Well done"), 2);
        EXPECT_GT(font->FontHeight(), 0);
        EXPECT_LT(font->FontHeight(), 2 * font->ImageHeight + 2);
        Cls();
        font->FontPrint("WISPWOOD", 400, 300, AlignMiddle);
        auto screen = GrabScreen();
        int lit = 0;
        for (int y = 300 - font->ImageHeight; y < 300 + font->ImageHeight; ++y)
            for (int x = 0; x < 800; ++x) lit += (screen->ReadPixel(x, y) & 0xffffff) != 0;
        EXPECT_GT(lit, 50);
    }
}

} // namespace
} // namespace wispwood
