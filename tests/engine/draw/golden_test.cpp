// Whole pictures compared with golden images; see tests/support/golden_image.h
// for how to look at a failure and how to regenerate after an intended change.
#include "engine/draw/graphics.h"
#include "tests/support/golden_image.h"
#include "tests/support/headless_display.h"
#include "tests/support/test_pictures.h"

namespace wispwood {
namespace {

class GoldenDrawing : public test::HeadlessDisplayTest {
  protected:
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        sprite = LoadImage(test::SoftSprite(48, 48), FILTEREDIMAGE);
        SetBlend(SOLIDBLEND);
        DrawImage(LoadImage(test::Backdrop(240, 120), 0), 0, 0);
    }
    Ref<TPixmap> Result() { return GrabPixmap(0, 0, 240, 120); }
    Ref<TImage> sprite;
};

// One sprite at full alpha, one at half alpha, one tinted orange, one
// tinted at half alpha, across the bars and the ramp.
struct BlendCase {
    int mode;
    const char* golden;
};
void PrintTo(const BlendCase& c, std::ostream* out) {
    *out << c.golden;
}

class GoldenBlend : public GoldenDrawing, public ::testing::WithParamInterface<BlendCase> {};

TEST_P(GoldenBlend, DrawsSpritesAtFullAndHalfAlphaPlainAndTinted) {
    SetBlend(GetParam().mode);
    for (int row = 0; row < 2; ++row) {
        float y = 8 + row * 60.0f;
        SetColor(255, 255, 255);
        SetAlpha(1);
        DrawImage(sprite, 4, y);
        SetAlpha(0.5f);
        DrawImage(sprite, 62, y);
        SetColor(255, 140, 40);
        SetAlpha(1);
        DrawImage(sprite, 120, y);
        SetAlpha(0.5f);
        DrawImage(sprite, 178, y);
    }
    EXPECT_TRUE(test::MatchesGolden(Result(), GetParam().golden));
}

INSTANTIATE_TEST_SUITE_P(Modes, GoldenBlend,
                         ::testing::Values(BlendCase{MASKBLEND, "draw_blend_mask"},
                                           BlendCase{SOLIDBLEND, "draw_blend_solid"},
                                           BlendCase{ALPHABLEND, "draw_blend_alpha"},
                                           BlendCase{LIGHTBLEND, "draw_blend_light"},
                                           BlendCase{SHADEBLEND, "draw_blend_shade"}),
                         [](const auto& info) { return Text(info.param.golden).substr(11); });

// Rotation and non-uniform scale about a handle, rectangles with a handle,
// and the origin.
TEST_F(GoldenDrawing, Transform) {
    SetBlend(ALPHABLEND);
    CentreImageHandle(sprite);
    const float turns[] = {0, 30, 90, 135, 200};
    for (int i = 0; i < 5; ++i) {
        SetTransform(turns[i], 1.0f + i * 0.15f, 1.0f - i * 0.1f);
        DrawImage(sprite, 24 + i * 48.0f, 30);
    }
    SetOrigin(20, 70);
    SetHandle(15, 10);
    SetColor(40, 200, 255);
    SetAlpha(0.8f);
    for (int i = 0; i < 4; ++i) {
        SetTransform(i * 25.0f, 1, 1 + i * 0.2f);
        DrawRect(i * 55.0f + 10, 20, 30, 20);
    }
    EXPECT_TRUE(test::MatchesGolden(Result(), "draw_transform", {2, 6}));
}

// Clipping to a viewport that the origin and the transform do not move.
TEST_F(GoldenDrawing, Viewport) {
    SetBlend(ALPHABLEND);
    SetViewport(30, 20, 150, 70);
    SetOrigin(-20, 10);
    SetTransform(25, 2.5f, 2);
    CentreImageHandle(sprite);
    DrawImage(sprite, 80, 40);
    SetTransform(0, 1, 1);
    SetColor(255, 255, 0);
    SetAlpha(0.5f);
    DrawRect(150, 50, 100, 100);
    SetViewport(0, 0, 800, 600);
    SetOrigin(0, 0);
    SetColor(255, 0, 0);
    SetAlpha(1);
    DrawText("viewport 30,20 150x70", 4, 108);
    EXPECT_TRUE(test::MatchesGolden(Result(), "draw_viewport", {2, 6}));
}

} // namespace
} // namespace wispwood
