// Which locations the map shows, and the unlocking after a completed level:
// a temple sends a flight to every location of the next region, one after
// another; then (or straight after an ordinary location) the marker walks
// to the new frontier.
#include "framework/scene/scene_stack.h"
#include "game/adventure/gem_particle.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/quest_map_state.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/temple_particle.h"
#include "game/services/profiles.h"

namespace wispwood {

namespace {

// Where the unlocking flights leave from: the glow at the guide's feet.
constexpr float kTempleFlightX = 634, kTempleFlightY = 488;
constexpr int kFirstRevealTicks = 100, kRevealSpacing = 20;
constexpr int kSpotUnlockEnd = 500, kSpotUnlockAfterTemple = 100;

} // namespace

void QuestMap::InitQuestSpots() {
    const int adventure = CurrentProfile ? CurrentProfile->GetCurrentAdventure() : 0;
    // Straight after the frontier was completed, the region is counted from
    // the location just finished, so a completed temple hides the region
    // behind it until the unlock reveals it. A replay starts an unlock of
    // nothing and counts from the frontier like an entry from the menu.
    const bool frontierCompleted = UnlockingSpot != -1 && UnlockRunning();
    const int regionStart = frontierCompleted ? adventure - 1 : adventure;
    int temples = 0, bonuses = 0, i = 0;
    for (const Ref<QuestSpot>& spot : QuestSpots) {
        spot->n = i;
        if (spot->DoBonus()) spot->BonusNumber = bonuses++;
        if (i < adventure) spot->Finished = 1;
        if (i >= regionStart) {
            spot->HideSmall = temples;
            if (spot->Big) temples += 1;
        }
        if (spot->Finished && FinishSequence == 0) spot->InitGadget(*Container);
        ++i;
    }
    float small = 0, done = 0;
    for (const Ref<QuestSpot>& spot : QuestSpots) {
        if (spot->Big) {
            spot->SmallDotsTotal = small;
            spot->SmallDotsComplete = done;
            small = done = 0;
        } else {
            small += 1;
            if (spot->Finished) done += 1;
        }
    }
}

void QuestMap::HandleUnlocking() {
    if (TransitionInProgress() || GemParticle::Any(1, 0)) return;
    if (TempleUnlockTicks != 0) {
        TempleUnlockTicks += 1;
        const int adventure = CurrentProfile ? CurrentProfile->GetCurrentAdventure() : 0;
        bool pending = false;
        int k = 1;
        for (const Ref<QuestSpot>& spot : QuestSpots) {
            if (spot->HideSmall == 1) {
                if ((k - adventure) * kRevealSpacing + kFirstRevealTicks < TempleUnlockTicks) {
                    spot->HideSmall = 0;
                    TempleParticle::Create(kTempleFlightX, kTempleFlightY, spot, 1);
                } else {
                    pending = true;
                }
            }
            ++k;
        }
        if (!pending && !TempleParticle::AnyUnlocking(nullptr)) {
            TempleUnlockTicks = 0;
            SpotUnlockTicks = kSpotUnlockAfterTemple;
        }
    } else if (SpotUnlockTicks != 0) {
        SpotUnlockTicks += 1;
        if (SpotUnlockTicks > kSpotUnlockEnd) SpotUnlockTicks = 0;
    }
}

} // namespace wispwood
