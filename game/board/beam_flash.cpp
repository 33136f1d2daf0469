#include "game/board/beam_flash.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/image.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/calm_effects.h"
#include "game/board/beam_rubble_images.h"
#include "game/board/crumble.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

constexpr float kBeamLife = 100;
constexpr float kMaxBeamLength = 800;
constexpr float kVerticalBeamSpeed = 14;
constexpr float kHorizontalBeamSpeed = 7;

// Stretches the beam picture over length pixels from (x, y) along its
// rotation at the given width factor.
void DrawBeam(const Ref<TImage>& image, float x, float y, float width, float length) {
    int h = ImageHeight(image);
    if (!image || h <= 0 || length <= 0) return;
    TDrawState::PushScale(width, std::min(length, kMaxBeamLength) / static_cast<float>(h));
    DrawGameImage(image, x, y);
}

float WidthOf(Particle& p) {
    return p.OverrideXScale ? p.OverrideXScale->f(p.Life()) : p.xscale;
}

Ref<Particle> NewBeam(float x, float y) {
    Ref<Particle> p = ShardParticles.AddParticle();
    p->Image = BeamRubbleImages.DestroyFlash;
    p->x = x;
    p->y = y;
    p->Blend = LIGHTBLEND;
    p->TotalLife = kBeamLife;
    p->OverrideAlpha = New<VerticalFlashAlpha>();
    MarkFlash(*p);
    return p;
}

} // namespace

void VerticalFlash::Render(Particle& p) {
    DrawBeam(p.Image, p.x, 0, WidthOf(p), p.y);
}

void HorizontalFlash::Render(Particle& p) {
    DrawBeam(p.Image, Basex, p.y, WidthOf(p), std::fabs(p.x - Basex));
}

float VerticalFlashXScale::f(float t) {
    // The sum of the per-update growth 0.02 - 0.00015 k over the updates
    // lived so far.
    float n = t * kBeamLife;
    return 0.02f * n - 0.000075f * n * (n - 1);
}

float HorizontalFlashXScale::f(float t) {
    if (t < 0.6f) return LerpSqrt(0, 0.8f, t / 0.6f);
    return LerpLinear(0.8f, 0.6f, (t - 0.6f) / 0.4f);
}

float VerticalFlashAlpha::f(float t) {
    if (t < 0.6f) return 1;
    return LerpSquareClamped(1, 0, (t - 0.6f) / 0.4f);
}

void AddVerticalBeam(float x) {
    Ref<Particle> p = NewBeam(x, 0);
    p->dy = kVerticalBeamSpeed;
    p->xscale = 0;
    p->OverrideXScale = New<VerticalFlashXScale>();
    p->OverrideRender = New<VerticalFlash>();
}

void AddHorizontalBeams(float x, float y) {
    for (float rotation : {90.0f, 270.0f}) {
        Ref<Particle> p = NewBeam(x, y);
        p->dx = -kHorizontalBeamSpeed;
        p->Rotation = rotation;
        p->OverrideXScale = New<HorizontalFlashXScale>();
        auto render = New<HorizontalFlash>();
        render->Basex = x;
        p->OverrideRender = render;
    }
}

} // namespace wispwood
