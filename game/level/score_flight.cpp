#include "game/level/score_flight.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/images/game_image.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/tunables.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/game_score.h"
#include "game/board/panel_particles.h"

namespace wispwood {

TList<Ref<AddToScoreParticle>> ScoreFlights;

namespace {

// The corner of the score number on the panel, as the panel places it.
void ScoreTextCorner(float& sx, float& sy) {
    const Text digits = IntToText(DisplayedScore);
    const Text zeros(digits.size(), '0');
    sx = FixedTunable("scorex", "721") - CurrentFontLength(zeros, FixedTunable("scorescale", "1.0")) / 2;
    sy = FixedTunable("scorey", "40");
}

void ArrivalSparkles() {
    float sx = 0, sy = 0;
    ScoreTextCorner(sx, sy);
    const float w = CurrentFontLength(IntToText(DisplayedScore), 0.75f);
    const float h = CurrentFontHeight(0.75f);
    for (int i = 0; i < 15; ++i) {
        const float px = sx + static_cast<float>(RandomFloat(0, w));
        const float py = sy + static_cast<float>(RandomFloat(0, h));
        AddTwinkle(PanelParticles, px, py, 0, EffectImages.Twinkle, 15, 1);
    }
}

} // namespace

AddToScoreParticle::AddToScoreParticle() {
    offset = RandomInt(1, 32);
}

Ref<AddToScoreParticle> AddToScoreParticle::Create(int startx, int starty, int destx, int desty) {
    PlayBoardSound("media\\sound\\scoremagicstart.ogg");
    auto p = New<AddToScoreParticle>();
    p->startx = p->x = p->realx = static_cast<float>(startx);
    p->starty = p->y = p->realy = static_cast<float>(starty);
    p->destx = static_cast<float>(destx);
    p->desty = static_cast<float>(desty);
    p->realdx = GetTunable("st", "0.000000000");
    p->realdy = 0;
    ScoreFlights.AddLast(p);
    return p;
}

void AddToScoreParticle::Update() {
    if (paid_) return;
    ticks += 1;
    // The trail thickens from every 7th to every 2nd update.
    const int every = static_cast<int>(LerpLinearClamped(7, 2, static_cast<float>(ticks) / 65.0f));
    if ((ticks + offset) % every == 0) AddTwinkle(PanelParticles, x, y, 0, EffectImages.Twinkle, 30, 1);

    const float t = static_cast<float>(ticks) / static_cast<float>(life);
    const float ex = LerpSquareSquareClamped(startx, destx, t);
    const float ey = LerpSquareSquareClamped(starty, desty, t);
    // The ball leaves along the free flight and is drawn onto the eased path.
    x = LerpSqrtClamped(realx, ex, t);
    y = LerpSqrtClamped(realy, ey, t);
    realx += realdx;
    realy += realdy;
    realdx -= GetTunable("acc", "0.400000006");

    if (ticks > life) {
        PlayBoardSound("media\\sound\\scoremagicdone.ogg");
        ArrivalSparkles();
        if (Ref<AddToScoreParticle> self = weak_from_this().lock()) ScoreFlights.Remove(self);
        paid_ = 1;
        GameScore += value;
    }
}

void AddToScoreParticle::Render() {
    TDrawState::Push();
    TDrawState::PushBlend(4);
    DrawGameImage(EffectImages.AddToScore, x, y, 0);
    TDrawState::Pop();
}

void UpdateScoreFlights(int onlyDuringTally) {
    if (onlyDuringTally != 0 && !ScoreTallyShowing()) return;
    for (const Ref<AddToScoreParticle>& p : ScoreFlights) p->Update();
}

void RenderScoreFlights() {
    for (const Ref<AddToScoreParticle>& p : ScoreFlights) p->Render();
}

int CashInScoreFlights() {
    int added = 0;
    for (const Ref<AddToScoreParticle>& p : ScoreFlights) {
        if (!p->paid_) added += p->value;
        p->paid_ = 1;
        ScoreFlights.Remove(p);
    }
    GameScore += added;
    return added;
}

void ResetScoreFlights() {
    ScoreFlights.Clear();
}

} // namespace wispwood
