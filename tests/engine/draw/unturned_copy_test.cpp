// The software renderer copies unturned, unscaled pictures instead of
// filling their triangles; both ways must put down the same pixels, in every
// blend, tint and alpha, at whole and fractional positions and clipped.
#include "engine/draw/draw_memory.h"
#include "engine/draw/graphics.h"
#include "engine/draw/sdl_driver.h"
#include "tests/support/golden_image.h"
#include "tests/support/headless_display.h"
#include "tests/support/test_pictures.h"

namespace wispwood {
namespace {

class UnturnedCopies : public test::HeadlessDisplayTest {
  protected:
    void TearDown() override { SetUnturnedCopies(true); }

    Ref<TPixmap> DrawScene(bool copies) {
        SetUnturnedCopies(copies);
        SetViewport(0, 0, 800, 600);
        SetBlend(SOLIDBLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawImage(backdrop, 0, 0);
        const int modes[] = {MASKBLEND, SOLIDBLEND, ALPHABLEND, LIGHTBLEND, SHADEBLEND};
        const float offsets[] = {0, 0.25f, 0.5f, 0.75f, 0.4999f};
        for (int m = 0; m < 5; ++m) {
            SetBlend(modes[m]);
            for (int i = 0; i < 5; ++i) {
                SetColor(255 - 40 * i, 120 + 30 * i, 60 * i);
                SetAlpha(1 - 0.2f * i);
                float x = 4 + 46 * i + offsets[i], y = 4 + 46 * m + offsets[4 - i];
                DrawImage(i % 2 ? sheet : sprite, x, y, i % 3);
            }
        }
        // A clip cuts a row of copies mid-picture.
        SetBlend(ALPHABLEND);
        SetColor(200, 255, 200);
        SetViewport(10, 240, 100, 20);
        for (int i = 0; i < 4; ++i) DrawImage(sprite, 2 + 30.5f * i, 230.3f);
        SetViewport(0, 0, 800, 600);
        return GrabPixmap(0, 0, 260, 270);
    }

    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        backdrop = LoadImage(test::Backdrop(260, 270), 0);
        sprite = LoadImage(test::SoftSprite(40, 40), FILTEREDIMAGE);
        auto cells = TPixmap::Create(120, 40, PF_RGBA8888);
        for (int i = 0; i < 3; ++i) cells->Paste(test::SoftSprite(40, 40), 40 * i, 0);
        sheet = LoadFramedImage(cells, 40, 40, 0, 3, FILTEREDIMAGE);
    }

    Ref<TImage> backdrop, sprite, sheet;
};

TEST_F(UnturnedCopies, PutDownTheSamePixelsAsTriangles) {
    auto triangles = DrawScene(false);
    auto copies = DrawScene(true);
    EXPECT_EQ(test::CountDifferingPixels(copies, triangles, 2), 0);
}

// Turned or scaled pictures still go through the triangles; mixing both in
// one frame keeps the drawing order.
TEST_F(UnturnedCopies, TurnedAndScaledPicturesKeepTheirOrderAmongCopies) {
    auto draw = [&](bool copies) {
        SetUnturnedCopies(copies);
        SetBlend(SOLIDBLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawImage(backdrop, 0, 0);
        SetBlend(ALPHABLEND);
        for (int i = 0; i < 6; ++i) {
            SetTransform(i % 2 ? 30.0f * i : 0, i % 3 ? 1 : 1.5f, 1);
            SetColor(255, 255 - 30 * i, 100);
            DrawImage(sprite, 20 + 15 * i, 30 + 7 * i);
        }
        SetTransform(0, 1, 1);
        return GrabPixmap(0, 0, 200, 120);
    };
    auto triangles = draw(false);
    auto copies = draw(true);
    EXPECT_EQ(test::CountDifferingPixels(copies, triangles, 2), 0);
}

// Pictures drawn in the same tint frame after frame are drawn from a tinted
// copy from the second frame on: the pixels must not change, a tint that
// keeps changing makes no copies, and a picture changed after its copy was
// made is drawn as it is now.
TEST_F(UnturnedCopies, TintedCopiesDrawTheSamePixelsAndFollowChanges) {
    auto scene = [&](bool copies) {
        SetUnturnedCopies(copies);
        SetBlend(SOLIDBLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawImage(backdrop, 0, 0);
        const int modes[] = {MASKBLEND, SOLIDBLEND, ALPHABLEND, LIGHTBLEND, SHADEBLEND};
        for (int m = 0; m < 5; ++m) {
            SetBlend(modes[m]);
            for (int i = 0; i < 5; ++i) {
                SetColor(255 - 40 * i, 120 + 30 * i, 60 * i);
                SetAlpha(1 - 0.2f * i);
                DrawImage(i % 2 ? sheet : sprite, 4 + 46 * i, 4 + 46 * m, i % 3);
            }
        }
        return GrabPixmap(0, 0, 260, 270);
    };
    auto triangles = scene(false);
    Flip(0);
    const size_t before = TextureBytesInUse();
    for (int frame = 0; frame < 3; ++frame) {
        auto copies = scene(true);
        Flip(0);
        EXPECT_EQ(test::CountDifferingPixels(copies, triangles, 2), 0) << "frame " << frame;
    }
    EXPECT_GT(TextureBytesInUse(), before) << "the tints seen again were copied";
    for (int frame = 0; frame < 130; ++frame) Flip(0);
    EXPECT_EQ(TextureBytesInUse(), before) << "copies not drawn for a while go";

    for (int frame = 0; frame < 5; ++frame) {
        SetBlend(ALPHABLEND);
        SetColor(100 + frame, 200, 50);
        DrawImage(sprite, 10, 10);
        Flip(0);
    }
    EXPECT_EQ(TextureBytesInUse(), before) << "a changing tint is never copied";

    auto plain = CreateImage(8, 8);
    auto paint = [&](uint32_t argb) {
        auto pixels = LockImage(plain);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) pixels->WritePixel(x, y, argb);
        UnlockImage(plain);
    };
    auto drawn = [&] {
        SetBlend(SOLIDBLEND);
        SetColor(128, 255, 255);
        DrawImage(plain, 100, 100);
        uint32_t seen = GrabPixmap(100, 100, 1, 1)->ReadPixel(0, 0);
        Flip(0);
        return seen & 0xffffff;
    };
    paint(0xffffffff);
    drawn(), drawn();
    EXPECT_EQ(drawn(), 0x80ffffu);
    paint(0xff00ff00);
    EXPECT_EQ(drawn(), 0x00ff00u) << "the old copy is not drawn";
}

} // namespace
} // namespace wispwood
