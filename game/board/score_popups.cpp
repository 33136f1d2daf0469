#include "game/board/score_popups.h"
#include "engine/io/text_convert.h"
#include "framework/particles/particle_text.h"
#include "game/board/effect_images.h"
#include "game/board/game_score.h"
#include "game/services/game_fonts.h"

namespace wispwood {

ParticleGroup ScorePopups;

ScaleInFunc::ScaleInFunc() {
    pw = TPieceWiseFunction::CreateFromArray({{0, 0}, {0.2f, 1.1f}, {0.24f, 1.0f}, {1, 1}});
}

float ScaleInFunc::f(float x) {
    return pw->InterpolateLinearly(x) * scale;
}

ScaleInAlphaFunc::ScaleInAlphaFunc() {
    pw = TPieceWiseFunction::CreateFromArray({{0, 0}, {0.1f, 1}, {0.8f, 1}, {1, 0}});
}

float ScaleInAlphaFunc::f(float x) {
    return pw->InterpolateLinearly(x);
}

namespace {

Ref<ScaleInFunc> ScaleIn(float scale) {
    auto f = New<ScaleInFunc>();
    f->scale = scale;
    return f;
}

Ref<Particle> TextPopup(const Text& text, const Ref<Font>& font, float x, float y, float life, float scale,
                        int delayed) {
    Ref<Particle> p = ScorePopups.AddParticle();
    p->x = x;
    p->y = y;
    p->OverrideRender = New<ParticleRenderOverrideText>(text, AlignMiddle, font);
    p->TotalLife = life;
    p->OverrideAlpha = New<ScaleInAlphaFunc>();
    p->OverrideScale = ScaleIn(scale);
    p->Delayed = delayed;
    return p;
}

} // namespace

Ref<Particle> ShowPoints(int points, float x, float y, float scale, int rises, int life, int excellent) {
    if (points == 0) return nullptr;
    GameScore += points;

    Ref<Particle> backing = ScorePopups.AddParticle();
    backing->Image = EffectImages.ScoreBacking;
    backing->x = x;
    backing->y = y;
    backing->Blend = 4;
    backing->TotalLife = static_cast<float>(life);
    backing->OverrideAlpha = New<ScaleInAlphaFunc>();
    Ref<ScaleInFunc> backingScale = ScaleIn(scale);
    backingScale->pw = TPieceWiseFunction::CreateFromArray({{0, 0}, {0.1f, 1}, {0.9f, 1}, {1, 0}});
    backing->OverrideScale = backingScale;
    backing->Delayed = 55;

    Ref<Font> font = MainFont;
    if (scale > 1.5f) {
        font = BigFont;
        scale /= 1.8f;
    }
    Ref<Particle> text = TextPopup(IntToText(points), font, x, y, static_cast<float>(life), scale, 55);

    if (excellent) {
        Ref<Particle> e =
            TextPopup("EXCELLENT", font, x, y - 40, static_cast<float>(life) / 2.4f, scale / 1.6f, 80);
        if (rises) {
            e->y -= 20;
            e->dy = -0.25f;
        }
    }
    if (rises) {
        for (const Ref<Particle>& p : {backing, text}) {
            p->TotalLife -= 25;
            p->dy = -0.25f;
        }
    }
    return text;
}

void ScrollPopups(float v) {
    for (const auto& p : ScorePopups.AllParticles)
        if (p->dy > -0.05f) p->y += v;
}

int PopupsWaiting() {
    for (const auto& p : ScorePopups.AllParticles)
        if (p->Delayed > 0) return 1;
    return 0;
}

void ResetScorePopups() {
    ScorePopups.AllParticles.Clear();
}

} // namespace wispwood
