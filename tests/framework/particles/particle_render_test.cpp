#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font_files.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_text.h"
#include "framework/particles/shiny_effect.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include "tests/support/test_font.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using test::GrabScreen;

class ParticleRender : public test::HeadlessDisplayTest {
  protected:
    Ref<TImage> white;
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        TDrawState::Reset();
        SetClsColor(0, 0, 0);
        Cls();
        white = LoadGameImage(test::SolidPixmap(8, 8, static_cast<int>(0xffffffffu)), 0);
        ASSERT_TRUE(white);
    }
    // A particle of the white square with its top-left corner at (x, y).
    Ref<Particle> Square(ParticleGroup& group, float x, float y) {
        auto p = group.AddParticle();
        p->Image = white;
        p->TotalLife = 100;
        p->x = x;
        p->y = y;
        p->DoHandle = 1;
        return p;
    }
    static uint32_t Pixel(const Ref<TPixmap>& screen, int x, int y) {
        return static_cast<uint32_t>(screen->ReadPixel(x, y)) & 0xffffffu;
    }
};

TEST_F(ParticleRender, ColourAlphaAndScaleComeFromTheParticleInsideTheGroupsState) {
    ParticleGroup group;
    auto p = Square(group, 100, 100);
    p->r = 255;
    p->g = 0;
    p->b = 0;
    p->StartAlpha = 0.5f;
    p->EndAlpha = 0.5f;
    p->StartScale = 2;
    p->EndScale = 2;
    SetAlpha(0.5f);
    SetColor(0, 255, 0);
    group.Render();
    auto screen = GrabScreen();
    // Alpha 0.25 (the group's half times the particle's half), 16 pixels.
    EXPECT_NEAR(static_cast<int>(Pixel(screen, 101, 101) >> 16), 64, 2);
    EXPECT_EQ(Pixel(screen, 101, 101) & 0xffff, 0u);
    EXPECT_NE(Pixel(screen, 115, 115), 0u);
    EXPECT_EQ(Pixel(screen, 117, 117), 0u);
    EXPECT_EQ(Pixel(screen, 99, 101), 0u);
    int r = 0, g = 0, b = 0;
    GetColor(r, g, b);
    EXPECT_EQ(g, 255);
    EXPECT_FLOAT_EQ(GetAlpha(), 0.5f);
    EXPECT_EQ(TDrawState::Size(), 0);
}

TEST_F(ParticleRender, DelayedInvisibleAndClippedParticles) {
    ParticleGroup group;
    auto waiting = Square(group, 10, 10);
    waiting->Delayed = 3;
    waiting->RenderWhileDelayed = 0;
    auto shown = Square(group, 30, 10);
    shown->Delayed = 3;
    auto faded = Square(group, 50, 10);
    faded->StartAlpha = faded->EndAlpha = 0;
    auto clipped = Square(group, 70, 10);
    clipped->doViewport = 1;
    clipped->vpx = 70;
    clipped->vpy = 10;
    clipped->vpw = 4;
    clipped->vph = 8;
    auto after = Square(group, 90, 10); // drawn with the full viewport again
    group.Render();
    auto screen = GrabScreen();
    EXPECT_EQ(Pixel(screen, 12, 12), 0u);
    EXPECT_EQ(Pixel(screen, 32, 12), 0xffffffu);
    EXPECT_EQ(Pixel(screen, 52, 12), 0u);
    EXPECT_EQ(Pixel(screen, 72, 12), 0xffffffu);
    EXPECT_EQ(Pixel(screen, 75, 12), 0u);
    EXPECT_EQ(Pixel(screen, 95, 12), 0xffffffu);
}

TEST_F(ParticleRender, TextParticlesPrintAtTheirScale) {
    test::TempDir dir;
    test::WriteTestFontFolder(dir.File("font"), true);
    auto font = LoadFont(dir.File("font"));
    ASSERT_TRUE(font);
    ParticleGroup group;
    auto p = group.AddParticle();
    p->TotalLife = 100;
    p->x = 200;
    p->y = 100;
    p->StartScale = p->EndScale = 2;
    p->OverrideRender = New<ParticleRenderOverrideText>("A", AlignMiddle, font);
    group.Render();
    // "A" at scale 2, centred on (200, 100): 40 pixels of red glyph.
    auto screen = GrabScreen();
    EXPECT_EQ(Pixel(screen, 200, 100), 0xff0000u);
    EXPECT_EQ(Pixel(screen, 200, 82), 0xff0000u);
    EXPECT_EQ(Pixel(screen, 200, 124), 0u);
    ResetFonts();
}

TEST_F(ParticleRender, GlintsDrawAtTheirOwnersBase) {
    ParticleGroup group;
    auto glint = New<ShinyEffect>();
    glint->Image = white;
    SetImageHandle(white, 4, 4);
    glint->x = 20;
    glint->y = 30;
    glint->OwnerBaseX = 300;
    glint->OwnerBaseY = 200;
    glint->Life = 150;
    glint->Alpha = 1;
    auto sprite = New<SmallShinyEffect>();
    sprite->Scale = 1;
    glint->Effects.push_back(sprite);
    group.AddParticle(EffectParticle::CreateFromEffect(glint));
    group.Render();
    auto screen = GrabScreen();
    EXPECT_EQ(Pixel(screen, 320, 230), 0xffffffu);
    EXPECT_EQ(Pixel(screen, 326, 230), 0u);
}

} // namespace
} // namespace wispwood
