#include "game/board/reward_text.h"
#include "engine/draw/graphics.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/particles/calm_effects.h"
#include "framework/particles/particle_logic.h"
#include "game/board/board_frame.h"
#include "game/board/effect_images.h"
#include "game/board/game_score.h"
#include "game/services/game_fonts.h"
#include <cstdint>

namespace wispwood {

TList<Ref<RewardTextGroup>> RewardTextQueue;
TList<Ref<RewardTextGroup>> ImportantRewardTexts;
ParticleGroup RewardSparklesBelow;
ParticleGroup RewardSparklesAbove;

namespace {

// The glints must look the same however often the text is drawn, so each
// character's chance comes from a generator seeded by the time, the
// character and the text. The product outgrows 32 bits on a text that shows
// for over half an hour (the quest map's final message never ends), so it
// wraps instead of overflowing.
int32_t GlintSeed(int ticks, int character, int base) {
    const uint32_t seed = static_cast<uint32_t>(ticks) * 10000u + static_cast<uint32_t>(character) * 37545u +
                          static_cast<uint32_t>(base);
    return static_cast<int32_t>(seed);
}

// A draw from the glint's own generator: the game's stream stays where it was.
int GlintDraw(int32_t seed, int hi) {
    return TRandom(seed).Int(1, hi);
}

} // namespace

RewardText::RewardText(const Text& line) : txt(line) {
    fds.Scale.assign(txt.size(), 0.0f);
    baseTicksSeed = RandomInt(1000, 30000);
    ParticleBase = EffectImages.Star;
    ParticleOverlay = EffectImages.Twinkle;
}

void RewardText::Update() {
    Ticks += 1;
    if (Ticks - 2 * static_cast<int>(txt.size()) > 10) PulseTicks += 1;
    // The sparkles come from the letters grown in by now: the update grows
    // them itself rather than go by the last drawing, which would make the
    // game's random draws follow the frame rate.
    ApplyLetterScales();
    if (BigFont && Important) {
        const std::vector<CharDrawInfo> infos =
            BigFont->FontTextPOsitions(txt, x, y, AlignMiddle, scale, &fds);
        const int hi = Ticks > 200 ? 90 : 30;
        int a = 0;
        for (const CharDrawInfo& info : infos) {
            a += 1;
            if (GlintDraw(GlintSeed(Ticks, a, baseTicksSeed), hi) != 10 || info.scalex < 0.1f) continue;
            const float sx = info.x + static_cast<float>(RandomFloat(-16, 16));
            const float sy = info.y + static_cast<float>(RandomFloat(-16, 16));
            ParticleGroup& group = RandomInt(0, 1) == 0 ? RewardSparklesAbove : RewardSparklesBelow;
            // The star is the base the spawner does not draw; the twinkle is
            // the sparkle itself.
            AddTwinkle(group, sx, sy, 0, ParticleOverlay, 15, 1);
        }
    }
    if (Ticks > Life && !Infinite) _Done = 1;
}

void RewardText::ApplyLetterScales() {
    // A caller may change the line after it was made; the scales follow.
    fds.Scale.resize(txt.size());
    for (size_t i = 0; i < fds.Scale.size(); ++i)
        fds.Scale[i] = LerpLinearClamped(0, 1, static_cast<float>(Ticks - 2 * static_cast<int>(i)) / 10.0f);
}

void RewardText::Render() {
    ApplyLetterScales();
    const float alpha =
        Infinite ? 1.4f : LerpLinearClamped(1.4f, 0, static_cast<float>(Ticks - (Life - 30)) / 30.0f);
    if (!BigFont) return;
    TDrawState::Push();
    TDrawState::PushAlpha(alpha);
    // The glow copy grows and fades once the letters are in; past its last
    // visible update it is not drawn at all rather than with a negative alpha.
    // Calm effects leave the pulse out.
    const float glow = 0.5f - static_cast<float>(PulseTicks) / 200.0f;
    if (glow > 0 && !CalmEffects) {
        TDrawState::Push();
        TDrawState::PushAlpha(glow);
        BigFont->FontPrint(txt, x, y, AlignMiddle, scale + static_cast<float>(PulseTicks) / 300.0f, &fds);
        TDrawState::Pop();
    }
    BigFont->FontPrint(txt, x, y, AlignMiddle, scale, &fds);
    TDrawState::Pop();
}

void RewardTextGroup::Update() {
    if (Delayed > 0) Delayed -= 1;
    for (const Ref<RewardText>& line : Instances) {
        line->Update();
        if (line->_Done) Instances.Remove(line);
    }
    // Checked after the lines too, so that a group left without lines still
    // finishes instead of blocking its list.
    if (Instances.IsEmpty() && _AlmostDone == 0) _AlmostDone = 1;
    if (_AlmostDone != 0) {
        _AlmostDone += 1;
        if (_AlmostDone > 50) {
            _Done = 1;
            // The caller holds a reference, so leaving the lists does not
            // end this object while it runs.
            for (auto* list : {&ImportantRewardTexts, &RewardTextQueue})
                for (const Ref<RewardTextGroup>& g : *list)
                    if (g.get() == this) list->Remove(g);
        }
    }
}

void RewardTextGroup::Render() {
    for (const Ref<RewardText>& line : Instances) line->Render();
}

Ref<RewardTextGroup> CreateRewardText(const Text& line1, const Text& line2, int important, int style,
                                      int centreOnScreen) {
    auto g = New<RewardTextGroup>();
    auto t = New<RewardText>(line1);
    t->x = static_cast<float>(centreOnScreen ? ScreenWidth / 2 : BoardCentreX());
    t->y = static_cast<float>(ScreenHeight / 2);
    t->Important = important;
    if (style != 0) {
        t->Important = 1;
        if (style == 2) {
            t->ParticleBase = EffectImages.StarGold;
            t->ParticleOverlay = EffectImages.TwinkleGold;
        }
    }
    if (important == 0) {
        t->y = 24;
        t->scale = 0.7f;
    }
    g->Instances.AddLast(t);
    if (!line2.empty()) {
        auto u = New<RewardText>(line2);
        u->x = static_cast<float>(BoardCentreX());
        u->y = static_cast<float>(ScreenHeight / 2 + 42);
        u->Important = 1;
        g->Score = u;
        g->Instances.AddLast(u);
        const int points = TextToInt(line2);
        if (IntToText(points) == line2) GameScore += points;
    }
    (important != 0 ? ImportantRewardTexts : RewardTextQueue).AddLast(g);
    return g;
}

void UpdateRewardTexts() {
    RewardSparklesBelow.Update();
    RewardSparklesAbove.Update();
    // Only the head of each list advances; the others wait their turn.
    if (Ref<RewardTextGroup> g = RewardTextQueue.First()) g->Update();
    if (Ref<RewardTextGroup> g = ImportantRewardTexts.First()) g->Update();
}

void RenderRewardTexts() {
    TDrawState::Push();
    RewardSparklesBelow.Render();
    for (const Ref<RewardTextGroup>& g : RewardTextQueue) g->Render();
    for (const Ref<RewardTextGroup>& g : ImportantRewardTexts) g->Render();
    RewardSparklesAbove.Render();
    TDrawState::Pop();
}

int RewardTextCount() {
    return RewardTextQueue.Count() + ImportantRewardTexts.Count();
}

void ResetRewardTexts() {
    RewardTextQueue.Clear();
    ImportantRewardTexts.Clear();
    RewardSparklesBelow = ParticleGroup{};
    RewardSparklesAbove = ParticleGroup{};
}

} // namespace wispwood
