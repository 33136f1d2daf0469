#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "tests/support/headless_display.h"

namespace wispwood {
namespace {

class DrawState : public test::HeadlessDisplayTest {
  protected:
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        TDrawState::Reset();
    }
};

TEST_F(DrawState, PushAlphaMultipliesTheTopSnapshotNotTheCurrentAlpha) {
    TDrawState::Push();
    TDrawState::PushAlpha(0.5f);
    TDrawState::Push();
    TDrawState::PushAlpha(0.5f);
    EXPECT_FLOAT_EQ(GetAlpha(), 0.25f);
    TDrawState::PushAlpha(0.5f);
    EXPECT_FLOAT_EQ(GetAlpha(), 0.25f);
    EXPECT_EQ(TDrawState::Size(), 2);
    TDrawState::Pop();
    EXPECT_FLOAT_EQ(GetAlpha(), 0.5f);
    TDrawState::Pop();
    EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
    EXPECT_EQ(TDrawState::Size(), 0);
}

TEST_F(DrawState, ChangeBlendOnPushFollowsTheTable) {
    // Rows: current 1..5; columns: requested 1..5.
    const int table[5][5] = {
        {0, 0, 1, 1, 1}, {1, 0, 1, 1, 1}, {0, 0, 0, 1, 1}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0},
    };
    for (int current = 1; current <= 5; ++current)
        for (int requested = 1; requested <= 5; ++requested)
            EXPECT_EQ(TDrawState::ChangeBlendOnPush(current, requested), table[current - 1][requested - 1])
                << current << " -> " << requested;
}

TEST_F(DrawState, OuterLightBlendIsInheritedAndAlphaSurvivesWeakerRequests) {
    SetBlend(LIGHTBLEND);
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    EXPECT_EQ(GetBlend(), LIGHTBLEND);
    TDrawState::Pop();
    SetBlend(ALPHABLEND);
    TDrawState::Push();
    TDrawState::PushBlend(MASKBLEND);
    EXPECT_EQ(GetBlend(), ALPHABLEND);
    TDrawState::PushBlend(SHADEBLEND);
    EXPECT_EQ(GetBlend(), SHADEBLEND);
    TDrawState::Pop();
    EXPECT_EQ(GetBlend(), ALPHABLEND);
}

TEST_F(DrawState, PushOriginAddsToTheSnapshotAndPopRestoresViewportAndOriginExactly) {
    SetOrigin(5, 7);
    SetViewport(10, 20, 300, 200);
    TDrawState::Push();
    TDrawState::PushOrigin(10, 0);
    TDrawState::PushOrigin(10, 0);
    float x, y;
    GetOrigin(x, y);
    EXPECT_EQ(x, 15);
    EXPECT_EQ(y, 7);
    TDrawState::PushViewport(1.9f, 2.5f, 50.7f, 60.2f);
    int vx, vy, vw, vh;
    GetViewport(vx, vy, vw, vh);
    EXPECT_EQ(vx, 16);
    EXPECT_EQ(vy, 9);
    EXPECT_EQ(vw, 50);
    EXPECT_EQ(vh, 60);
    TDrawState::Pop();
    GetOrigin(x, y);
    GetViewport(vx, vy, vw, vh);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 7);
    EXPECT_EQ(vx, 10);
    EXPECT_EQ(vw, 300);
}

TEST_F(DrawState, SetOriginAbsoluteSurvivesThePop) {
    TDrawState::Push();
    TDrawState::SetOriginAbsolute(40, 50);
    TDrawState::PushOrigin(1, 1);
    float x, y;
    GetOrigin(x, y);
    EXPECT_EQ(x, 41);
    TDrawState::Pop();
    GetOrigin(x, y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 50);
}

TEST_F(DrawState, PopRestoresColourMaskColourTransformAndAbsoluteSetters) {
    SetColor(1, 2, 3);
    SetMaskColor(4, 5, 6);
    SetTransform(30, 2, 3);
    auto saved = TDrawState::Push();
    EXPECT_EQ(saved->Color, 0x010203);
    EXPECT_EQ(saved->MaskColor, 0x040506);
    TDrawState::PushColor(200, 100, 50);
    TDrawState::PushRotation(10);
    TDrawState::PushScale(0.5f, 0.5f);
    SetMaskColor(0, 0, 0);
    EXPECT_EQ(GetRotation(), 10);
    TDrawState::Pop();
    int r, g, b;
    GetColor(r, g, b);
    EXPECT_EQ(b, 3);
    GetMaskColor(r, g, b);
    EXPECT_EQ(r, 4);
    float sx, sy;
    GetScale(sx, sy);
    EXPECT_EQ(GetRotation(), 30);
    EXPECT_EQ(sy, 3);
    SetMaskColor(0, 0, 0);
}

TEST_F(DrawState, ApplyWithParentMultipliesAlphaAndKeepsAStrongerParentBlend) {
    SetAlpha(0.5f);
    SetBlend(ALPHABLEND);
    auto child = TDrawState::Capture();
    SetAlpha(0.4f);
    SetBlend(LIGHTBLEND);
    auto parent = TDrawState::Capture();
    child->Apply(parent);
    EXPECT_FLOAT_EQ(GetAlpha(), 0.2f);
    EXPECT_EQ(GetBlend(), LIGHTBLEND);
    child->Apply();
    EXPECT_FLOAT_EQ(GetAlpha(), 0.5f);
    EXPECT_EQ(GetBlend(), ALPHABLEND);
}

TEST_F(DrawState, ResetEmptiesTheStackAndRestoresStartState) {
    TDrawState::Push();
    TDrawState::Push();
    SetColor(1, 1, 1);
    SetAlpha(0.1f);
    SetTransform(45, 2, 2);
    SetBlend(SHADEBLEND);
    SetViewport(1, 1, 1, 1);
    SetOrigin(3, 3);
    TDrawState::Reset();
    EXPECT_EQ(TDrawState::Size(), 0);
    auto now = TDrawState::Capture();
    EXPECT_EQ(now->Color, 0xffffff);
    EXPECT_EQ(now->Alpha, 1);
    EXPECT_EQ(now->Rotation, 0);
    EXPECT_EQ(now->Blend, MASKBLEND);
    EXPECT_EQ(now->ScaleX, 1);
    EXPECT_EQ(now->ViewportWidth, 800);
    EXPECT_EQ(now->ViewportHeight, 600);
    EXPECT_EQ(now->OriginX, 0);
    TDrawState::Pop();
    EXPECT_EQ(TDrawState::Size(), 0);
}

} // namespace
} // namespace wispwood
