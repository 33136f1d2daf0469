#include "game/board/quota.h"
#include "engine/draw/draw_driver.h"
#include "engine/draw/image.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/particles/calm_effects.h"
#include "framework/particles/shiny_effect.h"
#include "framework/scene/tunables.h"
#include "game/board/board.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/game_over.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/quota_bottle.h"
#include "game/board/quota_images.h"
#include <algorithm>

namespace wispwood {

int QuotaCollected = 0;
int QuotaRemaining = 0;
float QuotaLevel = 1;
ParticleGroup QuotaDrops;

namespace {

int Quota() {
    return CurrentLevel ? CurrentLevel->Quota() : 0;
}

struct Ring {
    float scale;
    float spin;
    float life;
};

// The four rings of a completed quota; the first, thin one sweeps the
// board to gold.
void QuotaDoneRings() {
    static const Ring rings[] = {{30, 0.5f, 140}, {10, -0.3f, 90}, {5, 0.2f, 50}, {15, -0.3f, 80}};
    const float x = GetTunable("sourcex", "739");
    const float y = GetTunable("sourcey", "359");
    bool first = true;
    for (const Ring& ring : rings) {
        Ref<Particle> p = QuotaDrops.AddParticle();
        p->Blend = LIGHTBLEND;
        p->x = x;
        p->y = y;
        p->StartScale = 0;
        p->EndScale = ring.scale;
        p->dRotation = ring.spin;
        p->TotalLife = ring.life;
        p->StartAlpha = 1;
        p->EndAlpha = 0;
        MarkFlash(*p);
        if (first) {
            p->Image = QuotaImages.DoneThin;
            p->Delayed = 30;
            p->ExtraLogic = New<KillPiecesUnderNeath>();
        } else {
            p->Image = QuotaImages.Done;
        }
        first = false;
    }
}

} // namespace

void KillPiecesUnderNeath::Logic(Particle& p) {
    const float width = p.Image ? static_cast<float>(ImageWidth(p.Image)) : 0.0f;
    const float r = LerpLinearClamped(p.StartScale, p.EndScale * width / 2, p.Life());
    ForEachPiece([&](const Ref<Piece>& piece) {
        const float cx = static_cast<float>(piece->GetX() + CellWidth / 2);
        const float cy = static_cast<float>(piece->GetY() + CellHeight / 2);
        if (Distance(cx, cy, p.x, p.y) < r) piece->TurnToGold();
    });
}

int QuotaDivisor() {
    return std::max(Quota(), 1);
}

int QuotaReached() {
    return CurrentLevel && QuotaCollected >= CurrentLevel->Quota() ? 1 : 0;
}

int QuotaRingSpreading() {
    for (const auto& p : QuotaDrops.AllParticles)
        if (dynamic_cast<KillPiecesUnderNeath*>(p->ExtraLogic.get())) return 1;
    return 0;
}

int QuotaDisplayCatchingUp() {
    if (!CurrentLevel) return 0;
    const float t = static_cast<float>(Quota() - QuotaCollected) / static_cast<float>(QuotaDivisor());
    return QuotaLevel != t ? 1 : 0;
}

void CountQuotaDrop(int value) {
    if (GameOverSequence) return;
    QuotaCollected = std::min(QuotaCollected + value, Quota());
    if (!CurrentLevel || QuotaCollected != Quota() || CurrentLevel->DoneQuotaBottleEffect) return;
    PlayBoardSound("media\\jingles\\levelcomplete.ogg");
    CurrentLevel->DoneQuotaBottleEffect = 1;
    QuotaDoneRings();
}

float LiquidSurfaceY() {
    const float h = static_cast<float>(BottleHeight());
    return BottleY + 41 + (h - 41) * QuotaLevel;
}

void UpdateQuota() {
    RefreshBottlePosition();
    UpdateQuotaWaves();
    QuotaDrops.Update();
    UpdateQuotaParticles();

    if (QuotaCollected > Quota()) QuotaCollected = Quota();

    if (Quota() - QuotaCollected < 100 && !QuotaReached()) {
        ShinyEffect::Singleton()->HandleEffectArea(static_cast<int>(GetTunable("qbx", "736")),
                                                   static_cast<int>(GetTunable("qby", "363")), 1, 1,
                                                   "quotabottle", EffectImages.Twinkle, QuotaDrops);
    }

    QuotaRemaining = Quota() - QuotaCollected;
    const float t = static_cast<float>(QuotaRemaining) / static_cast<float>(QuotaDivisor());
    if (QuotaLevel < t) {
        QuotaLevel += 0.005f;
    } else if (QuotaLevel - t >= 0.0025f) {
        QuotaLevel -= 0.0025f;
    } else {
        QuotaLevel = t;
    }
}

void ResetQuota(int first) {
    if (!first) return;
    QuotaCollected = 0;
    for (const Ref<QuotaParticle>& q : QuotaParticles) q->Invalid = 1;
    // Drops of the last play still falling into the bottle are cancelled too.
    for (const Ref<Particle>& p : QuotaDrops.AllParticles)
        if (auto drop = dynamic_cast<ParticleLogicQuotaDrop*>(p->ExtraLogic.get())) drop->inc = 0;
    QuotaRemaining = Quota();
    QuotaLevel = 1;
}

void SetQuotaDisplay() {
    QuotaRemaining = Quota() - QuotaCollected;
    // In whole numbers, as the restored bottle shows it.
    QuotaLevel = static_cast<float>(QuotaRemaining / QuotaDivisor());
}

void ResetQuotaState() {
    QuotaCollected = 0;
    QuotaRemaining = 0;
    QuotaLevel = 1;
    QuotaDrops.AllParticles.Clear();
    ResetQuotaParticles();
    ResetQuotaWaves();
}

} // namespace wispwood
