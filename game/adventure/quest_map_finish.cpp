// The closing sequence after the last location: the map's locations burst
// one after another, the congratulations show, and the end of the game
// follows.
#include "engine/io/random.h"
#include "framework/gui/gui_gadget.h"
#include "framework/particles/particle_logic.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/end_game_screen.h"
#include "game/adventure/gem_particle.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/quest_map_state.h"
#include "game/adventure/quest_spot.h"
#include "game/board/board_sound.h"
#include "game/board/effect_images.h"
#include "game/board/reward_text.h"
#include "game/services/profiles.h"
#include "game/services/text_table.h"

namespace wispwood {

namespace {

constexpr int kJingleTick = 5, kCongratsTick = 200, kCompletedTick = 500, kEndTick = 1200;
constexpr int kBurstStart = 100, kBurstSpacing = 8;
constexpr float kOffScreen = 9999;

Text ReplacedAll(Text text, const Text& from, const Text& to) {
    for (size_t at = text.find(from); at != Text::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

void SpotBurst(const QuestSpot& spot, int count, float spread) {
    for (int i = 0; i < count; ++i) {
        const float dx = spread > 0 ? static_cast<float>(RandomFloat(-spread, spread)) : 0;
        const float dy = spread > 0 ? static_cast<float>(RandomFloat(-spread, spread)) : 0;
        Ref<Particle> p = AddTwinkle(QuestParticles, spot.x + dx, spot.y + dy, 0, EffectImages.Twinkle, 5, 1);
        if (auto twinkle = std::dynamic_pointer_cast<TwinkleExtraLogic>(p->ExtraLogic)) twinkle->OverallScale = 0.6f;
    }
}

} // namespace

void QuestMap::UpdateFinishSequence() {
    for (const Ref<guiGadget>& b : {QuestBack, QuestContinue}) {
        if (!b) continue;
        b->active = 0;
        b->hidden = 1;
        b->y = kOffScreen;
    }
    if (!GemParticle::Any(1, 0)) FinishSequence += 1;
    if (FinishSequence == kJingleTick) PlayBoardSound("media\\jingles\\questcompleted.ogg");
    if (FinishSequence == kCongratsTick) {
        const Text name = CurrentProfile ? CurrentProfile->Name : Text();
        CreateRewardText(ReplacedAll(GetText("misc", "congrats"), "<name>", name), "", 1, 1, 1);
    }
    if (FinishSequence == kCompletedTick) {
        Ref<RewardTextGroup> group =
            CreateRewardText(GetText("misc", "questcompleted"), GetText("misc", "masterunlocked"), 1, 1, 1);
        bool first = true;
        for (const Ref<RewardText>& line : group->Instances) {
            line->x = 800 / 2.0f;
            line->Infinite = 1;
            if (!first) line->scale = 0.75f;
            first = false;
        }
    }
    if (FinishSequence > kEndTick) {
        // The map leaves the stack, so the end screen's button reveals the
        // title screen.
        PushScene(MakeEndGameScreen(), 0, 0);
        DeleteFromStack = 1;
        return;
    }
    const int k = (FinishSequence - kBurstStart) / kBurstSpacing;
    Ref<QuestSpot> spot = SpotAt(k);
    if (!spot) return;
    if (k == 100) {
        SpotBurst(*spot, 60, 80);
    } else if (spot->Big) {
        SpotBurst(*spot, 20, 50);
    } else {
        SpotBurst(*spot, 1, 0);
    }
}

} // namespace wispwood
