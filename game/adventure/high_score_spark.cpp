#include "game/adventure/high_score_spark.h"
#include "engine/draw/draw_driver.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "game/adventure/high_score_menu.h"
#include "game/board/effect_images.h"
#include <algorithm>

namespace wispwood {

namespace {


void Burst(float x, float y, int count, float spread) {
    for (int i = 0; i < count; ++i)
        AddTwinkle(*HighScoreLayer, x + RandomFloatF(-spread, spread), y + RandomFloatF(-spread, spread), 0,
                   EffectImages.Twinkle, 5, 1);
}

} // namespace

Ref<HighScoreMenuDisplayParticle> HighScoreMenuDisplayParticle::Create(float sx, float sy, float dx, float dy,
                                                                       float tx, float ty) {
    auto p = New<HighScoreMenuDisplayParticle>();
    p->startx = p->realx = p->x = p->lastframex = sx;
    p->starty = p->realy = p->y = p->lastframey = sy;
    p->realdx = dx;
    p->realdy = dy;
    p->targetx = tx;
    p->targety = ty;
    return p;
}

void HighScoreMenuDisplayParticle::Update() {
    if (Delay > 0) {
        Delay -= 1;
        return;
    }
    if (StartParticles) {
        Burst(realx, realy, 5, 5);
        StartParticles = 0;
    }
    Ticks += 1;
    lastframex = x;
    lastframey = y;
    realy += realdy;
    realx += realdx;
    realdy += 0.05f;
    Progress += 0.01f;
    float ex = LerpSquareSquareClamped(startx, targetx, Progress);
    float ey = LerpSquareSquareClamped(starty, targety, Progress);
    float t = std::min(Progress, 1.0f);
    x = realx + (ex - realx) * t;
    y = realy + (ey - realy) * t;

    if (Progress > 1) {
        Invalid = 1;
        if (AddingChar == 1) {
            if (AddingCharNumber >= 0 && AddingCharNumber < static_cast<int>(NameCharScales.size()))
                NameCharScales[AddingCharNumber] = 1;
        } else if (AddingChar == 2) {
            if (AddingExtras)
                ExtrasArrived += 1;
            else if (AddingCharNumber >= 0 && AddingCharNumber < static_cast<int>(ScoreCharScales.size()))
                ScoreCharScales[AddingCharNumber] = 1;
        }
        int count = AddingChar != 0 ? 5 : 20;
        for (int i = 0; i < count; ++i)
            AddTwinkle(*HighScoreLayer, x + RandomFloatF(-6, 6), y + RandomFloatF(4, 12), 0, EffectImages.Twinkle, 5,
                       1);
        return;
    }

    if (Ticks % 2 == 0) {
        Ref<Particle> trail = AddTwinkle(*HighScoreLayer, x, y, 0, EffectImages.Twinkle, 5, 1);
        if (trail) {
            trail->TotalLife = 30;
            trail->dx = (x - lastframex) / 2;
            trail->dy = (y - lastframey) / 2;
            trail->StartScale = LerpSqrtClamped(0.4f, 1, Progress);
            trail->EndScale = trail->StartScale * 0.75f;
            // Now and then one lingers, drifting slower.
            if (RandomInt(1, 15) == 1) {
                trail->TotalLife = 90;
                trail->dx /= 3;
                trail->dy /= 3;
            }
        }
    }
}

float HighScoreMenuDisplayParticle::Alpha() const {
    if (Progress <= 0) return 0;
    if (Progress < 0.1f) return Progress / 0.1f * 2;
    if (Progress < 0.2f) return 2 - (Progress - 0.1f) / 0.1f;
    return 1;
}

void HighScoreMenuDisplayParticle::Render() {
    if (Delay > 0) return;
    TDrawState::Push();
    TDrawState::PushBlend(LIGHTBLEND);
    TDrawState::PushAlpha(Alpha());
    DrawGameImage(EffectImages.Star, x, y);
    TDrawState::Pop();
}

} // namespace wispwood
