#include "game/board/quota_particle.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/image.h"
#include "engine/io/random.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "framework/particles/calm_effects.h"
#include "framework/scene/tunables.h"
#include "game/board/board.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/piece_definition.h"
#include "game/board/quota.h"
#include "game/board/quota_images.h"
#include "game/board/selection.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

TList<Ref<QuotaParticle>> QuotaParticles;
int QuotaParticleCount = 0;
float BottleX = 672;
float BottleY = 344;
ParticleGroup QuotaTrails;

namespace {

constexpr float kLaunchSpeed = 5;

// The steps of 0.01 (0.008 for a combo) add up to a hair under 1 after 100
// (125) updates in single precision; that update is meant to be the last.
constexpr float kArrived = 1.0f - 1e-4f;

float TargetY() {
    return BottleY + GetTunable("targety", "25");
}

// A combo's particles are drawn with its silver or gold picture.
Ref<TImage> ImageFor(int combo, const Ref<TImage>& plain) {
    if (combo == 0) return plain;
    return combo == 2 ? QuotaImages.ComboGold : QuotaImages.ComboSilver;
}

Ref<Particle> Glowing(ParticleGroup& group, const Ref<TImage>& image, float x, float y) {
    Ref<Particle> p = group.AddParticle();
    p->Image = image;
    p->Blend = LIGHTBLEND;
    p->x = x;
    p->y = y;
    return p;
}

void Splash(float x, float y, int count, float scale) {
    for (int i = 0; i < count; ++i) {
        Ref<Particle> p = Glowing(QuotaDrops, QuotaImages.Sprite, x, y);
        p->dx = static_cast<float>(RandomFloat(-1.2, 1.2));
        p->dy = static_cast<float>(RandomFloat(-2.0, -0.5));
        p->ay = 0.08f;
        p->TotalLife = static_cast<float>(RandomInt(20, 35));
        p->StartScale = 0.4f * scale;
        p->EndScale = 0.1f * scale;
        p->StartAlpha = 1;
        p->EndAlpha = 0;
        MarkSparkle(*p);
    }
}

void Trail(const QuotaParticle& q) {
    Ref<Particle> p = Glowing(QuotaTrails, ImageFor(q.Combo, QuotaImages.SpriteTrail), q.x, q.y);
    p->TotalLife = 25;
    p->StartScale = 0.6f * q.Scale;
    p->EndScale = 0.2f * q.Scale;
    p->StartAlpha = 0.7f;
    p->EndAlpha = 0;
}

void Drop(const QuotaParticle& q) {
    float x = BottleX + static_cast<float>(BottleWidth()) / 2 + static_cast<float>(RandomFloat(-10, 10));
    Ref<Particle> p = Glowing(QuotaDrops, ImageFor(q.Combo, QuotaImages.Sprite), x, q.y);
    p->ay = 0.05f;
    p->TotalLife = 200;
    p->StartScale = p->EndScale = 0.5f * q.Scale;
    auto logic = New<ParticleLogicQuotaDrop>();
    logic->inc = 1;
    logic->Value = q.Value;
    logic->Combo = q.Combo ? 1 : 0;
    p->ExtraLogic = logic;
}

} // namespace

void QuotaParticle::Update() {
    lastframex = x;
    lastframey = y;
    realx += realdx;
    realy += realdy;
    realdy += 0.05f;
    Progress += Combo ? 0.008f : 0.01f;
    const float pathx = LerpSquareSquare(startx, targetx, Progress);
    const float pathy = LerpSquareSquare(starty, TargetY(), Progress);
    x = LerpLinear(realx, pathx, Progress);
    y = LerpLinear(realy, pathy, Progress);
    Ticks += 1;
    if (Ticks % 2 == 0) Trail(*this);
    if (Progress < kArrived) return;

    if (Ref<QuotaParticle> self = weak_from_this().lock()) QuotaParticles.Remove(self);
    Splash(targetx, TargetY(), static_cast<int>(3 * Scale * Scale * Scale), Scale);
    if (!Invalid) Drop(*this);
}

void QuotaParticle::Render() {
    TDrawState::Push();
    TDrawState::PushBlend(LIGHTBLEND);
    TDrawState::PushScale(Scale, Scale);
    if (Combo) {
        DrawGameImage(ImageFor(Combo, nullptr), x, y);
    } else {
        DrawGameImage(QuotaImages.FireSprite, x, y);
        DrawGameImage(QuotaImages.Sprite, x, y);
        if (Definition && Definition->Particle) DrawGameImage(Definition->Particle, x, y);
    }
    TDrawState::Pop();
}

void ParticleLogicQuotaDrop::Logic(Particle& p) {
    const float surface = LiquidSurfaceY() - (Combo ? 10.0f : 0.0f);
    const float above = surface - p.y;
    p.StartAlpha = p.EndAlpha = 2 * ClampFloat(above / 50, 0, 1);
    p.yscale += 0.02f;
    if (p.y > surface) p.DeleteParticle();
}

void ParticleLogicQuotaDrop::Death(Particle& p) {
    if (inc) CountQuotaDrop(Value);
    Splash(p.x, p.y, Combo ? 8 : 3, Combo ? 1.8f : 1.0f);
}

Ref<QuotaParticle> LaunchQuotaParticle(float x, float y, int value, int combo) {
    auto q = New<QuotaParticle>();
    q->startx = q->x = q->realx = q->lastframex = x;
    q->starty = q->y = q->realy = q->lastframey = y;
    q->Value = value;
    q->Combo = combo;
    q->Scale = combo ? 1.8f : 1.0f;
    q->targetx = BottleX + static_cast<float>(BottleWidth()) / 2;
    float dx = x - LastClearX, dy = y - LastClearY;
    SetVectorLength(dx, dy, kLaunchSpeed);
    // A particle leaving from the click point itself has no direction away
    // from it; it rises.
    if (dx == 0 && dy == 0) dy = -kLaunchSpeed;
    if (combo) {
        dx = -std::fabs(dx);
        dy = -std::fabs(dy);
    }
    q->realdx = dx;
    q->realdy = dy;
    QuotaParticles.AddLast(q);
    return q;
}

void PieceQuotaParticle(Piece& piece, int force) {
    if (!piece.Normal()) return;
    const float x = static_cast<float>(BoardLeft() + piece.GetX() + CellWidth / 2);
    const float y = static_cast<float>(piece.GetY() + CellHeight / 2 - CellHeight);
    QuotaParticleCount += 1;
    if (QuotaParticleCount == 1 && force == 0) return;
    Ref<QuotaParticle> q = LaunchQuotaParticle(x, y, 1, 0);
    q->Definition = piece.Definition();
}

void ComboQuotaParticle(float x, float y, int gold, int count) {
    LaunchQuotaParticle(x, y, count, gold ? 2 : 1);
}

void ResetQuotaParticleCount() {
    QuotaParticleCount = 0;
}

void RefreshBottlePosition() {
    BottleX = GetTunable("bottlex", "672");
    BottleY = GetTunable("bottley", "344");
}

void UpdateQuotaParticles() {
    QuotaTrails.Update();
    for (const Ref<QuotaParticle>& q : QuotaParticles) q->Update();
}

void RenderQuotaParticles() {
    TDrawState::Push();
    TDrawState::PushBlend(LIGHTBLEND);
    QuotaTrails.Render();
    for (const Ref<QuotaParticle>& q : QuotaParticles) q->Render();
    TDrawState::Pop();
}

void ResetQuotaParticles() {
    QuotaParticles.Clear();
    QuotaTrails.AllParticles.Clear();
    QuotaParticleCount = 0;
    BottleX = 672;
    BottleY = 344;
}

} // namespace wispwood
