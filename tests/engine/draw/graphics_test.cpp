#include "engine/core/runtime_error.h"
#include "engine/draw/graphics.h"
#include "engine/draw/sdl_driver.h"
#include "tests/support/headless_display.h"
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace wispwood {
namespace {

using test::GrabScreen;
using test::SolidPixmap;

class Graphics : public test::HeadlessDisplayTest {};

uint32_t Pixel(const Ref<TPixmap>& screen, int x, int y) {
    return static_cast<uint32_t>(screen->ReadPixel(x, y));
}

// Grey background, then one texel of the given colour and alpha stretched
// over a square in the given blend mode.
uint32_t BlendOver(int mode, uint32_t texel, float alpha, int red = 255, int green = 255, int blue = 255) {
    SetClsColor(100, 100, 100);
    Cls();
    auto image = LoadImage(SolidPixmap(4, 4, static_cast<int>(texel)), 0);
    SetBlend(mode);
    SetAlpha(alpha);
    SetColor(red, green, blue);
    DrawImage(image, 10, 10);
    return Pixel(GrabScreen(), 11, 11);
}

void ExpectColour(uint32_t actual, int r, int g, int b, const char* what) {
    EXPECT_NEAR(int(actual >> 16 & 255), r, 2) << what << std::hex << " got " << actual;
    EXPECT_NEAR(int(actual >> 8 & 255), g, 2) << what << std::hex << " got " << actual;
    EXPECT_NEAR(int(actual & 255), b, 2) << what << std::hex << " got " << actual;
}

TEST_F(Graphics, EachBlendModeCombinesSourceAndDestinationAsDefined) {
    // Texel (200, 50, 0) at alpha 128/255 over (100, 100, 100).
    const uint32_t texel = 0x80c83200u;
    ExpectColour(BlendOver(MASKBLEND, texel, 1), 200, 50, 0, "mask draws what passes the test unblended");
    ExpectColour(BlendOver(MASKBLEND, 0x7fc83200u, 1), 100, 100, 100, "mask skips alpha below one half");
    ExpectColour(BlendOver(MASKBLEND, 0xffc83200u, 0.4f), 100, 100, 100,
                 "mask skips when alpha is below one half");
    ExpectColour(BlendOver(SOLIDBLEND, 0x10c83200u, 1), 200, 50, 0, "solid ignores alpha");
    ExpectColour(BlendOver(ALPHABLEND, texel, 1), 150, 75, 50, "alpha");
    ExpectColour(BlendOver(ALPHABLEND, 0xffc83200u, 0.25f), 125, 87, 75, "alpha by the context");
    ExpectColour(BlendOver(LIGHTBLEND, texel, 1), 200, 125, 100, "light adds source x alpha");
    ExpectColour(BlendOver(LIGHTBLEND, 0xffc83200u, 1), 255, 150, 100, "light saturates");
    ExpectColour(BlendOver(SHADEBLEND, texel, 1), 78, 20, 0, "shade multiplies");
}

TEST_F(Graphics, ColourModulatesAndOutOfRangeValuesAreClampedButKept) {
    ExpectColour(BlendOver(SOLIDBLEND, 0xffffffffu, 1, 300, -5, 128), 255, 0, 128, "clamped tint");
    int r, g, b;
    GetColor(r, g, b);
    EXPECT_EQ(r, 300);
    EXPECT_EQ(g, -5);
    ExpectColour(BlendOver(ALPHABLEND, 0xff000000u, 1.7f), 0, 0, 0, "alpha above 1 is 1");
    EXPECT_FLOAT_EQ(GetAlpha(), 1.7f);
    ExpectColour(BlendOver(ALPHABLEND, 0xff000000u, -1), 100, 100, 100, "alpha below 0 is 0");
}

// Filled extent of the non-background pixels of the screen.
struct Extent {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1, count = 0;
};

Extent Painted(const Ref<TPixmap>& screen) {
    Extent e;
    for (int y = 0; y < screen->height; ++y)
        for (int x = 0; x < screen->width; ++x)
            if (Pixel(screen, x, y) != 0xff000000u) {
                e.left = std::min(e.left, x), e.right = std::max(e.right, x + 1);
                e.top = std::min(e.top, y), e.bottom = std::max(e.bottom, y + 1);
                ++e.count;
            }
    return e;
}

void ExpectExtent(const Extent& e, int left, int top, int right, int bottom) {
    EXPECT_EQ(e.left, left);
    EXPECT_EQ(e.top, top);
    EXPECT_EQ(e.right, right);
    EXPECT_EQ(e.bottom, bottom);
    EXPECT_EQ(e.count, (right - left) * (bottom - top));
}

TEST_F(Graphics, RectangleHandleIsTheNegatedStoredOffset) {
    SetHandle(10, 5);
    float hx, hy;
    GetHandle(hx, hy);
    EXPECT_EQ(hx, 10);
    EXPECT_EQ(CurrentGraphics()->handle_x, -10);
    DrawRect(100, 100, 20, 10);
    ExpectExtent(Painted(GrabScreen()), 90, 95, 110, 105);
}

TEST_F(Graphics, RotationAndScaleTurnAboutTheImageHandleThenOriginMoves) {
    auto image = LoadImage(SolidPixmap(20, 10, -1), 0);
    SetImageHandle(image, 10, 5);
    SetOrigin(30, 40);
    SetRotation(90);
    DrawImage(image, 100, 100);
    ExpectExtent(Painted(GrabScreen()), 125, 130, 135, 150);
    Cls();
    SetTransform(0, 2, 0.5f);
    DrawImage(image, 100, 100);
    ExpectExtent(Painted(GrabScreen()), 110, 137, 150, 142);
    EXPECT_FLOAT_EQ(CurrentGraphics()->tform_ix, 2);
    EXPECT_FLOAT_EQ(CurrentGraphics()->tform_jy, 0.5f);
}

TEST_F(Graphics, MatrixFollowsRotationAndScale) {
    SetTransform(30, 2, 3);
    auto& c = *CurrentGraphics();
    EXPECT_NEAR(c.tform_ix, std::cos(30 * std::numbers::pi / 180) * 2, 1e-5);
    EXPECT_NEAR(c.tform_iy, -std::sin(30 * std::numbers::pi / 180) * 3, 1e-5);
    EXPECT_NEAR(c.tform_jx, std::sin(30 * std::numbers::pi / 180) * 2, 1e-5);
    EXPECT_NEAR(c.tform_jy, std::cos(30 * std::numbers::pi / 180) * 3, 1e-5);
    SetRotation(-270);
    EXPECT_EQ(c.tform_ix, 0);
    EXPECT_EQ(c.tform_jx, 2);
}

TEST_F(Graphics, ViewportClipsInScreenPixelsRegardlessOfOriginAndTransform) {
    SetOrigin(50, 50);
    SetViewport(100, 100, 30, 20);
    SetScale(4, 4);
    DrawRect(0, 0, 100, 100);
    ExpectExtent(Painted(GrabScreen()), 100, 100, 130, 120);
    int x, y, w, h;
    GetViewport(x, y, w, h);
    EXPECT_EQ(w, 30);
    SetViewport(100, 100, 0, 20);
    SetColor(255, 0, 0);
    DrawRect(0, 0, 100, 100);
    DrawImage(LoadImage(SolidPixmap(8, 8, -1), 0), 60, 60);
    EXPECT_EQ(Pixel(GrabScreen(), 110, 110), 0xffffffffu);
}

TEST_F(Graphics, ClsClearsTheWholeScreenInTheClearColourAndFlipKeepsThePicture) {
    SetViewport(0, 0, 10, 10);
    SetClsColor(10, 20, 30);
    Cls();
    Flip(0);
    auto screen = GrabScreen();
    EXPECT_EQ(Pixel(screen, 0, 0), 0xff0a141eu);
    EXPECT_EQ(Pixel(screen, 799, 599), 0xff0a141eu);
}

TEST_F(Graphics, GrabPixmapIsClippedToTheScreenAndDrawPixmapCopiesUnscaled) {
    auto pixmap = SolidPixmap(3, 2, static_cast<int>(0x80204060u));
    SetScale(5, 5);
    DrawPixmap(pixmap, 798, 10);
    auto grab = GrabPixmap(790, 5, 100, 10);
    ASSERT_TRUE(grab);
    EXPECT_EQ(grab->width, 10);
    EXPECT_EQ(grab->height, 10);
    EXPECT_EQ(Pixel(grab, 8, 5), 0xff204060u);
    EXPECT_EQ(Pixel(grab, 9, 6), 0xff204060u);
    EXPECT_EQ(Pixel(grab, 8, 7), 0xff000000u);
    EXPECT_EQ(GrabPixmap(900, 0, 10, 10)->width, 0);
}

TEST_F(Graphics, FramedImagesTakeCellsLeftToRightTopToBottom) {
    auto sheet = TPixmap::Create(256, 128, PF_RGBA8888);
    for (int n = 0; n < 8; ++n)
        sheet->Window(64 * (n % 4), 64 * (n / 4), 64, 64)->ClearPixels(0xff000000 | n);
    EXPECT_FALSE(LoadFramedImage(sheet->Window(0, 0, 256, 64), 64, 64, 2, 3));
    auto image = LoadFramedImage(sheet, 64, 64, 2, 5, 0);
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageFrameCount(image), 5);
    EXPECT_EQ(ImageWidth(image), 64);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(Pixel(image->pixmaps[i], 10, 10) & 255, 2u + i);
    EXPECT_FALSE(LoadFramedImage(sheet, 64, 64, 2, 7));
    EXPECT_FALSE(LoadFramedImage(sheet, 0, 64, 0, 1));
}

TEST_F(Graphics, NullImagesAreHarmless) {
    Ref<TImage> none;
    EXPECT_EQ(ImageWidth(none), 0);
    EXPECT_EQ(ImageHeight(none), 0);
    EXPECT_EQ(ImageFrameCount(none), 0);
    SetImageHandle(none, 1, 2);
    CentreImageHandle(none);
    DrawImage(none, 10, 10);
    EXPECT_FALSE(LockImage(none));
    UnlockImage(none);
    CopyScreenToImage(none, 0, 0);
    auto image = LoadImage(SolidPixmap(4, 4, -1), 0);
    DrawImage(image, 0, 0, 1);
    DrawImage(image, 0, 0, -1);
    EXPECT_EQ(Painted(GrabScreen()).count, 0);
    EXPECT_FALSE(LoadImage("no such file.png"));
}

TEST_F(Graphics, MaskedFlagMakesTheMaskColourTransparentInPicturesWithoutAlpha) {
    auto rgb = TPixmap::Create(2, 1, PF_RGB888);
    rgb->WritePixel(0, 0, static_cast<int>(0xff000000u));
    rgb->WritePixel(1, 0, static_cast<int>(0xff010203u));
    auto masked = LoadImage(rgb, MASKEDIMAGE);
    EXPECT_EQ(Pixel(masked->pixmaps[0], 0, 0) >> 24, 0u);
    EXPECT_EQ(Pixel(masked->pixmaps[0], 1, 0) >> 24, 255u);
    SetMaskColor(1, 2, 3);
    auto other = LoadImage(rgb, -1);
    EXPECT_EQ(other->flags, MASKEDIMAGE | FILTEREDIMAGE);
    EXPECT_EQ(Pixel(other->pixmaps[0], 0, 0) >> 24, 255u);
    EXPECT_EQ(Pixel(other->pixmaps[0], 1, 0) >> 24, 0u);
    // A picture with alpha already says what is transparent.
    auto withAlpha = LoadImage(SolidPixmap(1, 1, static_cast<int>(0xff010203u)), MASKEDIMAGE);
    EXPECT_EQ(Pixel(withAlpha->pixmaps[0], 0, 0) >> 24, 255u);
    SetDefaultImageFlags(-1);
    EXPECT_EQ(GetDefaultImageFlags(), MASKEDIMAGE | FILTEREDIMAGE);
    SetDefaultImageFlags(FILTEREDIMAGE);
    EXPECT_EQ(LoadImage(rgb)->flags, FILTEREDIMAGE);
    EXPECT_EQ(CreateImage(4, 4)->flags, FILTEREDIMAGE | DYNAMICIMAGE);
}

TEST_F(Graphics, AutoCentreHandleAppliesToImagesLoadedAfterwards) {
    auto before = LoadImage(SolidPixmap(10, 6, -1));
    SetAutoCentreHandle(1);
    auto after = LoadImage(SolidPixmap(10, 6, -1));
    EXPECT_EQ(before->handle_x, 0);
    EXPECT_EQ(after->handle_x, 5);
    EXPECT_EQ(after->handle_y, 3);
}

TEST_F(Graphics, ImagesDrawAgainAfterTheDisplayIsClosedAndReopened) {
    auto image = LoadImage(SolidPixmap(4, 4, -1), 0);
    DrawImage(image, 0, 0);
    CloseGraphics();
    EXPECT_FALSE(CurrentGraphics());
    EXPECT_EQ(GraphicsWidth(), 0);
    DrawImage(image, 0, 0);
    ASSERT_TRUE(test::OpenHeadlessDisplay());
    DrawImage(image, 20, 20);
    EXPECT_EQ(Painted(GrabScreen()).count, 16);
}

TEST_F(Graphics, SwitchingToFullScreenAndBackKeepsTexturesAndTheLogicalScreen) {
    auto image = LoadImage(SolidPixmap(4, 4, -1), 0);
    DrawImage(image, 0, 0);
    int generation = CurrentDrawDriver()->Generation();
    ASSERT_TRUE(OpenGraphics(800, 600, 32, 0, 0));
    EXPECT_EQ(GraphicsIsFullScreen(), 1);
    EXPECT_EQ(CurrentDrawDriver()->Generation(), generation);
    DrawImage(image, 796, 596);
    Flip(0);
    auto screen = GrabScreen();
    EXPECT_EQ(screen->width, 800);
    EXPECT_EQ(Pixel(screen, 799, 599), 0xffffffffu);
    ASSERT_TRUE(OpenGraphics(1024, 768, 0, 0, 0));
    EXPECT_EQ(GraphicsIsFullScreen(), 0);
    EXPECT_EQ(GraphicsWidth(), 1024);
    EXPECT_EQ(GrabScreen()->width, 800);
    EXPECT_EQ(CurrentDrawDriver()->Generation(), generation);
}

TEST_F(Graphics, LockedPixmapChangesReachTheTextureOnUnlock) {
    auto image = CreateImage(4, 4, 2, 0);
    DrawImage(image, 0, 0, 1);
    LockImage(image, 1)->ClearPixels(static_cast<int>(0xff00ff00u));
    UnlockImage(image, 1);
    DrawImage(image, 0, 0, 1);
    EXPECT_EQ(Pixel(GrabScreen(), 3, 3), 0xff00ff00u);
}

TEST_F(Graphics, CopyScreenToImageTakesTheRectangleAndAppliesTheMask) {
    SetColor(0, 0, 255);
    DrawRect(10, 10, 2, 2);
    auto image = CreateImage(4, 4, 1, MASKEDIMAGE);
    CopyScreenToImage(image, 9, 9);
    auto pixels = image->pixmaps[0];
    EXPECT_EQ(Pixel(pixels, 0, 0), 0u);
    EXPECT_EQ(Pixel(pixels, 1, 1), 0xff0000ffu);
    Cls();
    SetColor(255, 255, 255);
    DrawImage(image, 100, 100);
    EXPECT_EQ(Painted(GrabScreen()).count, 4);
}

TEST_F(Graphics, DeveloperTextDrawsInTheColourWithinItsMeasuredBox) {
    SetColor(255, 255, 0);
    SetHandle(0, 0);
    DrawText("Hi!", 50, 60);
    Extent e = Painted(GrabScreen());
    EXPECT_GE(e.left, 50);
    EXPECT_GE(e.top, 60);
    EXPECT_LE(e.right, 50 + TextWidth("Hi!"));
    EXPECT_LE(e.bottom, 60 + TextHeight("Hi!"));
    EXPECT_GT(e.count, 20);
    EXPECT_EQ(Pixel(GrabScreen(), e.left, e.top) & 0xffffff00u, 0xffffff00u);
}

TEST(GraphicsWithoutDisplay, StateCallsAreKeptAndDrawingDoesNothing) {
    CloseGraphics();
    SetColor(1, 2, 3);
    SetViewport(1, 2, 3, 4);
    DrawRect(0, 0, 10, 10);
    DrawText("x", 0, 0);
    Flip(0);
    Cls();
    EXPECT_FALSE(GrabPixmap(0, 0, 10, 10));
    int r, g, b;
    GetColor(r, g, b);
    EXPECT_EQ(b, 3);
    auto image = LoadImage(SolidPixmap(2, 2, -1));
    ASSERT_TRUE(image);
    EXPECT_FALSE(image->Frame(0));
}

// Frames share one texture; each must show its own cell, whole, at any
// position in the sheet, including the sheet's last row and column.
TEST_F(Graphics, EveryFrameOfASharedSheetDrawsItsOwnCell) {
    const int count = 23;
    auto sheet = TPixmap::Create(10 * count, 7, PF_RGBA8888);
    for (int n = 0; n < count; ++n) {
        sheet->Window(10 * n, 0, 10, 7)->ClearPixels(static_cast<int>(0xff000000u | (n * 10) << 8 | 255));
        sheet->WritePixel(10 * n, 0, static_cast<int>(0xffff0000u));
    }
    auto image = LoadFramedImage(sheet, 10, 7, 0, count, FILTEREDIMAGE);
    SetBlend(SOLIDBLEND);
    for (int n = 0; n < count; ++n) DrawImage(image, 20.0f * n, 50, n);
    auto screen = GrabScreen();
    for (int n = 0; n < count; ++n) {
        EXPECT_EQ(Pixel(screen, 20 * n, 50), 0xffff0000u) << n;
        for (auto [x, y] : {std::pair{1, 0}, {9, 0}, {0, 6}, {9, 6}, {5, 3}})
            EXPECT_EQ(Pixel(screen, 20 * n + x, 50 + y), 0xff000000u | (n * 10) << 8 | 255)
                << n << " at " << x << "," << y;
        EXPECT_EQ(Pixel(screen, 20 * n + 10, 50), 0xff000000u) << n;
        EXPECT_EQ(Pixel(screen, 20 * n + 5, 57), 0xff000000u) << n;
    }
}

TEST_F(Graphics, RunTimeErrorsArePrintedWithoutBlockingWhenNoScreenCanShowThem) {
    testing::internal::CaptureStderr();
    PresentRuntimeError("Could not load image: x.png");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Could not load image: x.png\n");
}

} // namespace
} // namespace wispwood
