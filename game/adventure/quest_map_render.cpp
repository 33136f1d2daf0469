// Drawing the quest map, back to front.
#include "engine/draw/graphics.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_container.h"
#include "framework/images/game_image.h"
#include "game/adventure/gem_particle.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/quest_map_state.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/rank_panel.h"
#include "game/board/reward_text.h"
#include "game/services/game_fonts.h"
#include "game/services/profiles.h"
#include <cmath>

namespace wispwood {

namespace {

constexpr float kGuideX = 598, kGuideY = 390;
constexpr float kGlowX = 631, kGlowY = 494;
constexpr float kTitleX = 402, kTitleY = 27, kTitleScale = 0.9f;
constexpr int kMarkerWalkStart = 250, kMarkerWalkTicks = 50;
constexpr double kDegrees = 3.14159265358979323846 / 180.0;

} // namespace

Text QuestMapTitle(const Text& name) {
    const Text possessive = !name.empty() && name.back() == 's' ? name + "'" : name + "'s";
    return possessive + " QUEST MAP";
}

bool QuestMap::MarkerPosition(float& x, float& y) {
    const int adventure = CurrentProfile ? CurrentProfile->GetCurrentAdventure() : 0;
    Ref<QuestSpot> spot = SpotAt(adventure);
    if (!spot) return false;
    Ref<QuestSpot> previous = PreviousQuestSpot(spot);
    if (!previous) previous = spot;
    x = spot->x;
    y = spot->y;
    if (SpotUnlockTicks > kMarkerWalkStart) {
        const float t = static_cast<float>(SpotUnlockTicks - kMarkerWalkStart) / kMarkerWalkTicks;
        x = LerpSquareSquareClamped(previous->x, spot->x, t);
        y = LerpSquareSquareClamped(previous->y, spot->y, t);
    } else if (UnlockRunning()) {
        x = previous->x;
        y = previous->y;
    }
    return true;
}

void QuestMap::RenderQuestLocation() {
    float x = 0, y = 0;
    if (!MarkerAnim || !MarkerPosition(x, y)) return;
    const float bob = 2 * static_cast<float>(std::sin(Ticks / 1.5 * kDegrees));
    DrawGameImage(MarkerAnim->Image(), x, y + bob, MarkerAnim->Frame());
}

void QuestMap::RenderPanel() {
    RenderRankPanel(ShownGems, ShownSilverMedals, ShownGoldMedals);
}

int QuestMap::Render() {
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    RenderMap();
    RenderLocations();
    Container->Render();
    RenderPanel();
    RenderQuestLocation();
    GemParticle::RenderAll();
    QuestParticles.Render();
    TDrawState::Pop();
    RenderTitle();
    return 0;
}

// The painted map in its two layers with the guide and the glow behind
// him between them.
void QuestMap::RenderMap() {
    const QuestMapImageSet& m = QuestMapImages;
    DrawGameImage(m.Layer1, 0, 0);
    if (GuideAnim) DrawGameImage(GuideAnim->Image(), kGuideX, kGuideY, GuideAnim->Frame());
    const float g = MapGlow.Glow();
    TDrawState::Push();
    TDrawState::PushBlend(LIGHTBLEND);
    TDrawState::PushAlpha(g + 1);
    const float glowScale = std::sqrt(std::max(1.5f * g, 0.0f));
    TDrawState::PushScale(glowScale, glowScale);
    DrawGameImage(m.Glow, kGlowX, kGlowY);
    TDrawState::Pop();
    DrawGameImage(m.Layer2, 0, 0);
}

// The temples first, so that the small locations sit over them.
void QuestMap::RenderLocations() {
    for (const Ref<QuestSpot>& spot : QuestSpots)
        if (spot->Big) spot->Render();
    for (const Ref<QuestSpot>& spot : QuestSpots)
        if (!spot->Big) spot->Render();
}

void QuestMap::RenderTitle() {
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    if (BigFont && CurrentProfile && !CurrentProfile->Name.empty())
        BigFont->FontPrintCareful(QuestMapTitle(CurrentProfile->Name), kTitleX, kTitleY, AlignCentre, kTitleScale);
    RenderRewardTexts();
    TDrawState::Pop();
}

} // namespace wispwood
