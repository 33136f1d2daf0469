// Pictures that let their decoded pixels go once the textures hold them.
#include "engine/draw/draw_memory.h"
#include "engine/draw/graphics.h"
#include "tests/support/golden_image.h"
#include "tests/support/headless_display.h"
#include "tests/support/test_pictures.h"

namespace wispwood {
namespace {

class ReleasedPixels : public test::HeadlessDisplayTest {
  protected:
    Ref<TPixmap> DrawAndGrab(const Ref<TImage>& image) {
        SetBlend(SOLIDBLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawImage(backdrop, 0, 0);
        for (int blend : {MASKBLEND, ALPHABLEND, LIGHTBLEND}) {
            SetBlend(blend);
            for (int f = 0; f < image->FrameCount(); ++f)
                DrawImage(image, 10 + 45 * f, 10 + 45 * (blend - 1), f);
        }
        return GrabPixmap(0, 0, 200, 200);
    }
    static Ref<TPixmap> Cells() {
        auto cells = TPixmap::Create(120, 40, PF_RGBA8888);
        for (int i = 0; i < 3; ++i) cells->Paste(test::SoftSprite(40, 40), 40 * i, 0);
        return cells;
    }
    Ref<TImage> backdrop = LoadImage(test::Backdrop(200, 200), 0);
};

TEST_F(ReleasedPixels, FramesDrawAsBeforeAndThePixelMemoryIsFreed) {
    auto kept = LoadFramedImage(Cells(), 40, 40, 0, 3, FILTEREDIMAGE);
    auto released = LoadFramedImage(Cells(), 40, 40, 0, 3, FILTEREDIMAGE);
    auto expected = DrawAndGrab(kept);
    size_t before = PixmapBytesInUse();
    ASSERT_TRUE(released->ReleasePixels());
    EXPECT_TRUE(released->PixelsReleased());
    EXPECT_EQ(before - PixmapBytesInUse(), 3u * 40 * 40 * 4);
    EXPECT_EQ(test::CountDifferingPixels(DrawAndGrab(released), expected, 0), 0);
    // Nothing hands out pixels that are gone; the size stays known.
    EXPECT_FALSE(LockImage(released, 1));
    EXPECT_EQ(ImageFrameCount(released), 3);
    EXPECT_EQ(ImageWidth(released), 40);
    CopyScreenToImage(released, 0, 0); // harmless
}

TEST_F(ReleasedPixels, ASoftPicturesMaskCopyIsMadeWhenTheMaskBlendFirstDrawsIt) {
    auto early = LoadFramedImage(Cells(), 40, 40, 0, 3, FILTEREDIMAGE);
    const size_t base = TextureBytesInUse();
    auto image = LoadFramedImage(Cells(), 40, 40, 0, 3, FILTEREDIMAGE);
    SetBlend(ALPHABLEND);
    DrawImage(image, 0, 0, 1);
    const size_t loaded = TextureBytesInUse() - base;
    SetBlend(MASKBLEND);
    DrawImage(early, 0, 0, 0);
    auto drawn = [&] {
        DrawImage(image, 0, 0, 0);
        return TextureBytesInUse() - base;
    };
    const size_t masked = drawn();
    // The copy is as large as the sheet; until it is made, only the packed
    // pixels wait beside the sheet.
    EXPECT_GT(masked - loaded, loaded / 3);
    EXPECT_EQ(drawn(), masked) << "made once";
    // Made late from the packed pixels, it draws what one made at load drew.
    auto made = DrawAndGrab(image);
    EXPECT_EQ(test::CountDifferingPixels(DrawAndGrab(early), made, 0), 0);
}

TEST_F(ReleasedPixels, ImagesThatNeedTheirPixelsKeepThem) {
    // A dynamic image is changed through its pixmap.
    auto dynamic = CreateImage(16, 16);
    EXPECT_FALSE(dynamic->ReleasePixels());
    EXPECT_TRUE(LockImage(dynamic));
    EXPECT_FALSE(dynamic->PixelsReleased());
}

} // namespace
} // namespace wispwood
