#include "engine/core/runtime_error.h"
#include "engine/draw/graphics.h"
#include "engine/draw/message_box.h"
#include "engine/draw/pixmap_loader.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "tests/support/golden_image.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include "tests/support/test_pictures.h"

namespace wispwood {
namespace {

using test::GrabScreen;
using test::SolidPixmap;

TextArray gMessages;
int RecordMessage(const Text& text, int) {
    gMessages.push_back(text);
    return 0;
}

class GameImage : public test::HeadlessDisplayTest {
  protected:
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        TDrawState::Reset();
        gMessages.clear();
        SetDialogResponder(RecordMessage);
    }
    void TearDown() override { SetDialogResponder(nullptr); }
};

uint32_t ScreenPixel(int x, int y) {
    return static_cast<uint32_t>(GrabScreen()->ReadPixel(x, y));
}

// A dark grey square drawn with a mid-grey picture at the given alpha.
uint32_t DrawnGrey(int blend, float alpha) {
    SetClsColor(40, 40, 40);
    Cls();
    auto image = LoadGameImage(SolidPixmap(8, 8, static_cast<int>(0xff505050u)), 0);
    SetBlend(blend);
    SetAlpha(alpha);
    DrawGameImage(image, 100, 100);
    EXPECT_FLOAT_EQ(GetAlpha(), alpha);
    EXPECT_EQ(GetBlend(), blend);
    return ScreenPixel(102, 102) & 255;
}

TEST_F(GameImage, AlphaAboveOneBrightensByDrawingTheExcessAdditively) {
    EXPECT_EQ(DrawnGrey(ALPHABLEND, 1.0f), 0x50u);
    EXPECT_NEAR(DrawnGrey(ALPHABLEND, 1.6f), 0x50 + 0x50 * 0.6, 1.5);
    // 2.5 is capped at 2: normal, then additively at 1, then at 0.
    EXPECT_EQ(DrawnGrey(ALPHABLEND, 2.5f), 0xa0u);
    EXPECT_EQ(DrawnGrey(MASKBLEND, 2.0f), 0xa0u);
    EXPECT_EQ(DrawnGrey(LIGHTBLEND, 1.5f), 40u + 0x50 + 0x27);
    // Solid and shade draw once.
    EXPECT_EQ(DrawnGrey(SOLIDBLEND, 1.5f), 0x50u);
    EXPECT_EQ(DrawnGrey(SHADEBLEND, 1.5f), 40u * 0x50 / 255);
}

TEST_F(GameImage, OversizedPicturesSplitIntoTilesOfAtMost512) {
    auto picture = LoadGameImage(test::Checker(1024, 600, 64, -1, static_cast<int>(0xff336699u)));
    auto split = Cast<TSplitImage>(picture);
    ASSERT_TRUE(split);
    EXPECT_EQ(ImageWidth(split), 1024);
    EXPECT_EQ(ImageHeight(split), 600);
    EXPECT_EQ(split->StepSize, 512);
    ASSERT_EQ(split->im.size(), 3u);
    ASSERT_EQ(split->im[0].size(), 2u);
    EXPECT_EQ(ImageWidth(split->im[0][0]), 512);
    EXPECT_EQ(ImageHeight(split->im[1][0]), 512);
    EXPECT_EQ(ImageHeight(split->im[0][1]), 88);
    EXPECT_EQ(ImageWidth(split->im[1][1]), 512);
    EXPECT_FALSE(split->im[2][0]);
    EXPECT_FALSE(split->im[2][1]);
    // The tiles take the automatic flags, not the caller's.
    SetDefaultImageFlags(FILTEREDIMAGE);
    auto other = Cast<TSplitImage>(LoadGameImage(test::Checker(600, 100, 10, -1, 0), 0));
    EXPECT_EQ(other->im[0][0]->flags, FILTEREDIMAGE);
    EXPECT_FALSE(Cast<TSplitImage>(LoadGameImage(test::Checker(512, 512, 10, -1, 0))));
}

TEST_F(GameImage, SplitImageDrawsAsOnePictureUnderRotationAndScale) {
    SetBlend(ALPHABLEND);
    auto big = TPixmap::Create(700, 560, PF_RGBA8888);
    big->Paste(test::Checker(700, 560, 35, static_cast<int>(0xffe0e0e0u), static_cast<int>(0xff3060a0u)), 0,
               0);
    big->Window(500, 0, 30, 560)->ClearPixels(static_cast<int>(0xffff0000u));
    big->Window(0, 500, 700, 30)->ClearPixels(static_cast<int>(0xff00c000u));
    auto split = LoadGameImage(big, 0);
    SetImageHandleRelative(split, 0.5f, 0.5f);
    EXPECT_EQ(split->handle_x, 350);
    SetTransform(20, 0.5f, 0.4f);
    DrawGameImage(split, 400, 300);
    EXPECT_TRUE(test::MatchesGolden(GrabScreen(), "images_split_rotated", {2, 40}));
}

TEST_F(GameImage, BrighteningGolden) {
    auto sprite = LoadGameImage(test::SoftSprite(48, 48), 0);
    DrawGameImage(LoadGameImage(test::Backdrop(300, 60), 0), 0, 0);
    SetBlend(ALPHABLEND);
    const float alphas[] = {0.5f, 1.0f, 1.3f, 1.7f, 2.5f};
    for (int i = 0; i < 5; ++i) {
        SetAlpha(alphas[i]);
        DrawGameImage(sprite, 6 + i * 58.0f, 6);
    }
    EXPECT_TRUE(test::MatchesGolden(GrabPixmap(0, 0, 300, 60), "images_brightening"));
}

TEST_F(GameImage, FailedLoadsTellThePlayerAndReturnNull) {
    EXPECT_FALSE(LoadGameImage("media/nothing here.png"));
    EXPECT_FALSE(LoadGameFramedImage(SolidPixmap(64, 64, -1), 64, 64, 1, 1));
    ASSERT_EQ(gMessages.size(), 2u);
    EXPECT_EQ(gMessages[0], "Could not load image: media/nothing here.png");
    EXPECT_EQ(gMessages[1], "Could not load image: ");
}

TEST_F(GameImage, FailedLoadInFullScreenDropsToAWindowFirst) {
    ASSERT_TRUE(OpenGraphics(800, 600, 32, 0, 0));
    EXPECT_FALSE(LoadGameImage("missing.png"));
    EXPECT_EQ(GraphicsIsFullScreen(), 0);
    EXPECT_EQ(GraphicsWidth(), 800);
    EXPECT_EQ(gMessages.size(), 1u);
}

TEST_F(GameImage, ImageListsLoadFromTheNormalisedFolderAndFailWithARuntimeError) {
    test::TempDir dir;
    ASSERT_TRUE(SavePixmapPNG(SolidPixmap(4, 4, -1), dir.File("a.png")));
    ASSERT_TRUE(SavePixmapPNG(SolidPixmap(8, 4, -1), dir.File("b.png")));
    auto images = LoadImageList({"a.png", "b.png"}, dir.Path() + "\\", -1);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(ImageWidth(images[1]), 8);
    auto framed = LoadFramedImageList({"b.png"}, dir.Path(), 4, 4, 0, 2);
    EXPECT_EQ(ImageFrameCount(framed[0]), 2);
    try {
        LoadImageList({"a.png", "gone.png"}, dir.Path() + "/", -1);
        FAIL() << "a missing picture must raise the run-time error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(Text(error.what()), "Could not load image: " + dir.Path() + "\\gone.png");
    }
    EXPECT_THROW(LoadFramedImageList({"a.png"}, dir.Path(), 4, 4, 0, 2), RuntimeError);
}

TEST_F(GameImage, LoadingPreparesEveryTextureAndDrawsOnlyOffScreen) {
    auto image = LoadGameFramedImage(test::Checker(64, 16, 16, -1, -1), 16, 16, 0, 4, 0);
    ASSERT_TRUE(image);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(image->frames[i]) << i;
    auto screen = GrabScreen();
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 7)
            ASSERT_EQ(static_cast<uint32_t>(screen->ReadPixel(x, y)), 0xff000000u);
}

TEST_F(GameImage, RowClippedRepeatsTheImageAcrossTheBandOnly) {
    auto image = LoadGameImage(test::Checker(10, 10, 5, -1, static_cast<int>(0xffff0000u)), 0);
    SetViewport(0, 0, 800, 600);
    SetScale(2, 1);
    DrawImageRowClipped(image, 1003, 50, 100.7f, 175.2f, 52, 58);
    int vx, vy, vw, vh;
    GetViewport(vx, vy, vw, vh);
    EXPECT_EQ(vw, 800);
    auto screen = GrabScreen();
    for (int x = 95; x < 185; ++x) {
        bool inside = x >= 100 && x < 174; // width trunc(74.5)
        EXPECT_EQ(screen->ReadPixel(x, 53) != static_cast<int>(0xff000000u), inside) << x;
        EXPECT_EQ(screen->ReadPixel(x, 51), static_cast<int>(0xff000000u)) << x;
        EXPECT_EQ(screen->ReadPixel(x, 58), static_cast<int>(0xff000000u)) << x;
    }
    // Copies line up with the original position modulo the scaled width.
    EXPECT_EQ(static_cast<uint32_t>(screen->ReadPixel(103, 53)), 0xffffffffu);
    EXPECT_EQ(static_cast<uint32_t>(screen->ReadPixel(113, 53)), 0xffff0000u);
    Cls();
    SetScale(1, 0.5f);
    DrawImageColumnClipped(image, 20, -7, 20, 25, 10, 30);
    screen = GrabScreen();
    for (int y = 5; y < 35; ++y)
        EXPECT_EQ(screen->ReadPixel(21, y) != static_cast<int>(0xff000000u), y >= 10 && y < 30);
    DrawImageRowClipped(nullptr, 0, 0, 0, 100, 0, 100);
    SetScale(0, 1);
    DrawImageRowClipped(image, 0, 0, 0, 100, 0, 100);
}

TEST_F(GameImage, OpaqueRowsFindTheFirstAndLastVisiblePixelOfEachColumn) {
    auto pixmap = TPixmap::Create(3, 5, PF_RGBA8888);
    pixmap->WritePixel(0, 1, 0x02000000);
    pixmap->WritePixel(0, 3, 0x7f000000);
    pixmap->WritePixel(1, 2, 0x01ffffff);
    pixmap->WritePixel(2, 4, -1);
    EXPECT_EQ(OpaqueTopRows(pixmap), (std::vector<float>{1, 0, 4}));
    EXPECT_EQ(OpaqueBottomRows(pixmap), (std::vector<float>{3, 5, 4}));
    EXPECT_TRUE(OpaqueTopRows(nullptr).empty());
}

TEST_F(GameImage, NullImagesAreHarmlessInTheFrameworkCalls) {
    Ref<TImage> none;
    DrawGameImage(none, 0, 0);
    SetImageHandleRelative(none, 0.5f, 0.5f);
    DrawImageColumnClipped(none, 0, 0, 0, 10, 0, 10);
    EXPECT_EQ(TDrawState::Size(), 0);
    EXPECT_FALSE(LoadSplitImage(nullptr, 512));
}

} // namespace
} // namespace wispwood
