// Frames drawn again only where they differ from the last must show exactly
// what drawing every frame whole shows, however the frames change: moves,
// turns, light, order, clips, pictures changed under the same call.
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/draw/sdl_driver.h"
#include "engine/draw/sdl_driver_internal.h"
#include "tests/support/golden_image.h"
#include "tests/support/headless_display.h"
#include "tests/support/test_pictures.h"
#include <functional>

namespace wispwood {
namespace {

constexpr int64_t WholeCanvas = int64_t(ScreenWidth) * ScreenHeight;
// A tint drawn from a cached tinted copy may round one step apart from the
// tint applied as it is drawn, and the runs warm the cache differently.
constexpr int Rounding = 2;

class DamageTracking : public test::HeadlessDisplayTest {
  protected:
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        backdrop = LoadImage(test::Backdrop(800, 600), 0);
        sprite = LoadImage(test::SoftSprite(40, 40), FILTEREDIMAGE);
        quarter = LoadImage(test::Backdrop(400, 300), 0);
    }
    void TearDown() override { SetDamageTracking(true); }

    void Plain() {
        SetBlend(ALPHABLEND);
        SetColor(255, 255, 255);
        SetAlpha(1);
        SetTransform(0, 1, 1);
        SetViewport(0, 0, 800, 600);
    }

    // Each frame drawn and presented, then the canvas as it stands.
    std::vector<Ref<TPixmap>> Run(bool tracking, int frames, const std::function<void(int)>& draw) {
        SetDamageTracking(tracking);
        std::vector<Ref<TPixmap>> shots;
        for (int f = 0; f < frames; ++f) {
            Plain();
            draw(f);
            Flip(0);
            shots.push_back(GrabPixmap(0, 0, 800, 600));
        }
        return shots;
    }

    void ExpectSameAsWhole(int frames, const std::function<void(int)>& draw) {
        auto whole = Run(false, frames, draw);
        auto tracked = Run(true, frames, draw);
        for (int f = 0; f < frames; ++f)
            EXPECT_EQ(test::CountDifferingPixels(tracked[f], whole[f], Rounding), 0) << "frame " << f;
    }

    Ref<TImage> backdrop, sprite, quarter;
};

TEST_F(DamageTracking, MovingTurningAndLightShowWhatWholeFramesShow) {
    ExpectSameAsWhole(8, [&](int f) {
        SetBlend(SOLIDBLEND);
        DrawImage(backdrop, 0, 0);
        SetBlend(ALPHABLEND);
        // Sprites creeping by whole and fractional pixels, one turning.
        DrawImage(sprite, 100 + 3 * f, 100);
        DrawImage(sprite, 200 + 0.3f * f, 150.5f);
        SetTransform(7.0f * f, 1 + 0.1f * f, 1);
        DrawImage(sprite, 300, 300);
        SetTransform(0, 1, 1);
        // Light over both, the way a swaying beam lies over the scene.
        SetBlend(LIGHTBLEND);
        SetAlpha(0.25f);
        SetTransform(-28 + f, 3, 6);
        DrawImage(sprite, 150 + f, 120);
        SetTransform(0, 1, 1);
        SetAlpha(1);
        // Shade and a tint that changes every other frame.
        SetBlend(SHADEBLEND);
        DrawImage(sprite, 500, 400);
        SetBlend(MASKBLEND);
        SetColor(255, 128 + 60 * (f / 2 % 2), 40);
        DrawImage(sprite, 600, 200);
        // A still picture, scaled, that a small moving one cuts into.
        SetBlend(ALPHABLEND);
        SetColor(255, 255, 255);
        SetTransform(0, 2.5f, 1.5f);
        DrawImage(sprite, 400, 80);
        SetTransform(0, 1, 1);
        DrawImage(sprite, 410 + 2 * f, 90);
        // A sprite that comes and goes.
        if (f % 3 == 1) {
            SetBlend(ALPHABLEND);
            SetColor(255, 255, 255);
            DrawImage(sprite, 700, 500);
        }
    });
}

// Two pictures that trade places in the order at the same spots, a clip
// that changes while the calls stay, a filled rectangle changing colour, and
// the clear colour changing under everything.
TEST_F(DamageTracking, OrderClipsAndClearsShowWhatWholeFramesShow) {
    ExpectSameAsWhole(6, [&](int f) {
        SetClsColor(10, 20 + 40 * (f / 3), 30);
        Cls();
        SetColor(200, 100, 50);
        DrawRect(20, 20, 60 + (f % 2) * 10, 40);
        SetColor(255, 255, 255);
        auto a = [&] { DrawImage(sprite, 400, 300); };
        auto b = [&] {
            SetColor(90, 200, 255);
            DrawImage(sprite, 410, 310);
            SetColor(255, 255, 255);
        };
        if (f % 2)
            a(), b();
        else
            b(), a();
        SetViewport(100 + 5 * (f / 2), 100, 120, 80);
        DrawImage(quarter, 80, 90);
        SetViewport(0, 0, 800, 600);
    });
}

// Light added onto the canvas with nothing painting it afresh builds up
// from frame to frame; kept frames must build it up the same.
TEST_F(DamageTracking, FramesThatPaintOverTheLastOneStillAddUp) {
    ExpectSameAsWhole(5, [&](int f) {
        if (f == 0) {
            SetBlend(SOLIDBLEND);
            DrawImage(backdrop, 0, 0);
        }
        SetBlend(LIGHTBLEND);
        SetAlpha(0.2f);
        DrawImage(sprite, 300, 200);
    });
}

// A picture whose pixels change is drawn anew by the same call, also when
// it changes after it was drawn in the same frame, and so is a new picture
// in a freed one's place.
TEST_F(DamageTracking, ChangedPicturesAreDrawnAsTheyAreNow) {
    Ref<TImage> dynamic = CreateImage(40, 40, 1, DYNAMICIMAGE);
    auto paint = [&](int argb) {
        Ref<TPixmap> pixels = LockImage(dynamic);
        ASSERT_TRUE(pixels);
        pixels->Paste(test::SolidPixmap(40, 40, argb), 0, 0);
        UnlockImage(dynamic);
    };
    ExpectSameAsWhole(6, [&](int f) {
        SetBlend(SOLIDBLEND);
        DrawImage(backdrop, 0, 0);
        SetBlend(ALPHABLEND);
        paint(f < 2 ? 0xff2040ff : 0xffff4020);
        DrawImage(dynamic, 50, 50);
        if (f == 4) {
            // Drawn, changed, drawn again elsewhere.
            paint(0xff20ff20);
            DrawImage(dynamic, 150, 50);
        }
        Ref<TImage> fresh = LoadImage(test::SolidPixmap(30, 30, f % 2 ? 0xffffffff : 0xff000000), 0);
        DrawImage(fresh, 300, 50);
    });
}

// Reading the canvas or putting pixels on it in the middle of a frame
// needs the frame's calls drawn at once; the frame after must still agree.
TEST_F(DamageTracking, GrabsAndPixelsMidFrameShowWhatWholeFramesShow) {
    std::vector<Ref<TPixmap>> midWhole, midTracked;
    auto draw = [&](std::vector<Ref<TPixmap>>& mid) {
        return [&mid, this](int f) {
            SetBlend(SOLIDBLEND);
            DrawImage(backdrop, 0, 0);
            SetBlend(ALPHABLEND);
            DrawImage(sprite, 100 + 10 * f, 100);
            mid.push_back(GrabPixmap(80, 80, 200, 80));
            if (f == 1) DrawPixmap(test::SolidPixmap(20, 20, 0xff00ff00), 120 + 5 * f, 110);
            DrawImage(sprite, 130, 100 + 4 * f);
        };
    };
    auto whole = Run(false, 4, draw(midWhole));
    auto tracked = Run(true, 4, draw(midTracked));
    for (int f = 0; f < 4; ++f) {
        EXPECT_EQ(test::CountDifferingPixels(tracked[f], whole[f], Rounding), 0) << "frame " << f;
        EXPECT_EQ(test::CountDifferingPixels(midTracked[f], midWhole[f], Rounding), 0) << "mid frame " << f;
    }
}

// What the tracking is for: a small move redraws a small part, a frame the
// same as the last none, and a large picture in several pieces still counts
// as covering the canvas.
TEST_F(DamageTracking, RedrawsOnlyAroundWhatChanged) {
    SetDamageTracking(true);
    auto frame = [&](float x) {
        Plain();
        SetBlend(SOLIDBLEND);
        for (int i = 0; i < 4; ++i) DrawImage(quarter, 400 * (i % 2), 300 * (i / 2));
        SetBlend(ALPHABLEND);
        DrawImage(sprite, x, 200);
        Flip(0);
        return LastFrameRedrawnPixels();
    };
    EXPECT_EQ(frame(100), WholeCanvas) << "the first frame is drawn whole";
    EXPECT_EQ(frame(100), 0);
    int64_t moved = frame(104);
    EXPECT_GT(moved, 0);
    EXPECT_LT(moved, WholeCanvas / 50);
    SetDamageTracking(false);
    EXPECT_EQ(frame(104), WholeCanvas);
}

sdl::DrawOp Quad(float x0, float y0, float x1, float y1, SDL_BlendMode mode = SDL_BLENDMODE_BLEND) {
    sdl::DrawOp op{};
    op.key.kind = sdl::DrawOp::Kind::Quad;
    op.key.mode = mode;
    op.key.clip = {0, 0, 800, 600};
    const float xs[4] = {x0, x1, x1, x0}, ys[4] = {y0, y0, y1, y1};
    for (int i = 0; i < 4; ++i) op.key.vertices[i].position = {xs[i], ys[i]};
    SDL_Rect box{int(x0) - 1, int(y0) - 1, int(x1 - x0) + 2, int(y1 - y0) + 2};
    SDL_IntersectRect(&box, &op.key.clip, &op.bounds);
    op.hash = sdl::HashKey(op.key);
    return op;
}

int64_t Area(const std::vector<SDL_Rect>& rects) {
    int64_t area = 0;
    for (const SDL_Rect& r : rects) area += int64_t(r.w) * r.h;
    return area;
}

bool Covers(const std::vector<SDL_Rect>& rects, int x, int y) {
    SDL_Point p{x, y};
    return std::any_of(rects.begin(), rects.end(),
                       [&](const SDL_Rect& r) { return SDL_PointInRect(&p, &r); });
}

TEST(FrameDamage, CoversWhatIsNewGoneOrReorderedAndNothingElse) {
    auto base = Quad(0, 0, 800, 600, SDL_BLENDMODE_NONE);
    auto a = Quad(100, 100, 120, 120), b = Quad(500, 400, 520, 420), c = Quad(300, 50, 330, 80);
    std::vector<sdl::DrawOp> before{base, a, b, c};

    EXPECT_TRUE(sdl::FrameDamage(before, before, 800, 600).empty());

    auto moved = Quad(104, 100, 124, 120);
    auto damage = sdl::FrameDamage(before, {base, moved, b, c}, 800, 600);
    EXPECT_TRUE(Covers(damage, 101, 110) && Covers(damage, 122, 110)) << "old and new places";
    EXPECT_FALSE(Covers(damage, 510, 410));
    EXPECT_LT(Area(damage), 60 * 40);

    damage = sdl::FrameDamage(before, {base, a, c}, 800, 600);
    EXPECT_TRUE(Covers(damage, 510, 410)) << "gone";
    EXPECT_FALSE(Covers(damage, 110, 110));

    damage = sdl::FrameDamage(before, {base, a, c, b}, 800, 600);
    EXPECT_TRUE(Covers(damage, 510, 410) || Covers(damage, 310, 60)) << "the order changed";

    // Far more scattered changes than regions come as one box; most of the
    // canvas comes as all of it.
    std::vector<sdl::DrawOp> many{base}, shifted{base};
    for (int i = 0; i < 30; ++i) {
        many.push_back(Quad(20.0f * i, 20.0f * i, 20.0f * i + 8, 20.0f * i + 8));
        shifted.push_back(Quad(20.0f * i + 2, 20.0f * i, 20.0f * i + 10, 20.0f * i + 8));
    }
    damage = sdl::FrameDamage(many, shifted, 800, 600);
    ASSERT_EQ(damage.size(), 1u);
    EXPECT_TRUE(Covers(damage, 5, 5) && Covers(damage, 585, 585));
    damage = sdl::FrameDamage(before, {Quad(0, 0, 800, 600, SDL_BLENDMODE_ADD)}, 800, 600);
    ASSERT_EQ(damage.size(), 1u);
    EXPECT_EQ(Area(damage), WholeCanvas);
}

TEST(FrameDamage, ACanvasIsPaintedWholeOnlyWhenEveryPixelIsCopiedOver) {
    using Ops = std::vector<sdl::DrawOp>;
    EXPECT_TRUE(sdl::PaintsWholeCanvas({Quad(0, 0, 800, 600, SDL_BLENDMODE_NONE)}, 800, 600));
    EXPECT_TRUE(sdl::PaintsWholeCanvas(Ops{Quad(0, 0, 512, 600, SDL_BLENDMODE_NONE), Quad(10, 10, 20, 20),
                                           Quad(512, 0, 800, 600, SDL_BLENDMODE_NONE)},
                                       800, 600));
    EXPECT_FALSE(sdl::PaintsWholeCanvas({Quad(0, 0, 800, 600)}, 800, 600)) << "blended";
    EXPECT_FALSE(sdl::PaintsWholeCanvas(
        Ops{Quad(0, 0, 512, 600, SDL_BLENDMODE_NONE), Quad(513, 0, 800, 600, SDL_BLENDMODE_NONE)}, 800, 600))
        << "a column left out";
    EXPECT_FALSE(sdl::PaintsWholeCanvas({Quad(0.5f, 0, 800, 600, SDL_BLENDMODE_NONE)}, 800, 600))
        << "a half-covered column";
    auto clipped = Quad(0, 0, 800, 600, SDL_BLENDMODE_NONE);
    clipped.key.clip = {0, 0, 800, 300};
    EXPECT_FALSE(sdl::PaintsWholeCanvas({clipped}, 800, 600));
}

} // namespace
} // namespace wispwood
