#include "game/adventure/quest_map.h"
#include "engine/input/key_codes.h"
#include "framework/gui/gui_alive.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/navigation/gadget_targets.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/gem_particle.h"
#include "game/adventure/quest_map_state.h"
#include "game/adventure/quest_progress.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/spot_levels.h"
#include "game/adventure/temple_particle.h"
#include "game/board/level_result.h"
#include "game/board/reward_text.h"
#include "game/services/profiles.h"
#include "game/services/sound_tables.h"
#include "game/services/start_flags.h"
#include "game/services/text_table.h"
#include <algorithm>

namespace wispwood {

// Revealed again by a pop, the map is made afresh, so every return to it
// takes the level result anew.
QuestMap::QuestMap() : GameLoop(NewScene<QuestMap>) {
    Container = New<guiContainer>();
    DeleteFromStack = 1;
    Scene = MenuMusicScene;
}

Ref<GameLoop> MakeQuestMap() {
    return New<QuestMap>();
}

int QuestMap::Load() {
    LoadQuestSpots();
    LoadQuestMapImages();
    return 0;
}

int ContinueSpotIndex() {
    const int adventure = CurrentProfile ? CurrentProfile->GetCurrentAdventure() : 0;
    return std::clamp(adventure, 0, kLastLocation);
}

int TestModeChoice(int visits) {
    if (visits <= 0) return -1;
    const int k = (visits - 1) % (kLastLocation + 1);
    Ref<QuestSpot> spot = SpotAt(k);
    return spot && spot->Gadget ? k : -1;
}

int QuestMap::ToEscape(int) {
    return GameKeyPresses(KeyEscape) ? 1 : 0;
}

void QuestMap::NavigationTargets(NavTargets& targets) {
    AddGadgetTargets(*Container, targets);
}

void QuestMap::TakeLevelResult() {
    Ref<PlayerProfile> profile = EnsureCurrentProfile();
    AdventureStep step = AdvanceAdventure(*profile);
    Ref<QuestSpot> played = SpotAt(step.spot);
    if (played && step.reveal) played->QueueReveal(step.revealOldState, step.revealDelay);
    if (played && step.frontier) {
        if (played->Big) {
            TempleUnlockTicks = 1;
        } else {
            SpotUnlockTicks = 1;
        }
        if (step.spot == kLastLocation) InitFinishSequence();
    }
    const float fromX = played ? played->x : 0, fromY = played ? played->y : 0;
    for (const RewardFlight& f : BankRewards(*profile)) {
        Ref<GemParticle> g = GemParticle::Create(fromX, fromY, f.tx, f.ty, f.medal);
        g->Delay += f.extraDelay;
        g->RankUp = f.rankUp;
    }
}

int QuestMap::Init() {
    ForgetTheLastVisit();
    if (LastPlayedSpot >= 0) TakeLevelResult();
    MiscInitShit();
    InitQuestSpots();
    AddButtons();
    ClearLastResult();
    return 0;
}

void QuestMap::ForgetTheLastVisit() {
    GemParticles.Clear();
    TempleParticles.Clear();
    for (const Ref<QuestSpot>& spot : QuestSpots) spot->Reset();
    TempleUnlockTicks = SpotUnlockTicks = 0;
    UnlockingSpot = LastPlayedSpot;
    Ref<PlayerProfile> profile = EnsureCurrentProfile();
    ShownGems = profile->Gems;
    ShownSilverMedals = profile->SilverMedals;
    ShownGoldMedals = profile->GoldMedals;
    FinishSequence = 0;
}

void QuestMap::AddButtons() {
    QuestBack = Container->AddButton(19, 553, GuiButtonEmpty, nullptr);
    QuestContinue = Container->AddButton(616, 553, GuiButtonEmpty, nullptr);
    QuestBack->DrawnText = GetText("map", "back");
    QuestContinue->DrawnText = GetText("map", "continue");
    Container->NavStart = QuestContinue;
    if (FinishSequence != 0) {
        for (const Ref<guiGadget>& b : {QuestBack, QuestContinue}) {
            b->active = 0;
            b->hidden = 1;
        }
    }
}

void QuestMap::MiscInitShit() {
    if (TestMode) TestModeVisits += 1;
    TempleParticles.Clear();
    ResetRewardTexts();
    QuestParticles = ParticleGroup{};
}

void QuestMap::UpdateTestMode() {
    if (!TestMode || TestModeVisits == 0 || UnlockRunning() || FinishSequence != 0) return;
    const int k = TestModeChoice(TestModeVisits);
    if (k >= 0) {
        SpotAt(k)->Gadget->mhit = 1;
    } else if (Alive(QuestContinue)) {
        QuestContinue->mhit = 1;
    }
}

int QuestMap::Update() {
    Animate();
    if (FinishSequence != 0) UpdateFinishSequence();
    QuestParticles.Update();
    Container->Update();
    UpdateTestMode();
    // The closing sequence leaves by itself; its buttons are hidden.
    // Escape leaves the map as "back" does.
    if (FinishSequence == 0 && Alive(QuestBack) && (QuestBack->mhit || ToEscape(0))) {
        Ref<GameLoop> top = TopScene();
        if (top.get() == this) PopScene(top, 1);
        return 0;
    }
    const bool leaving = FinishSequence == 0 && Alive(QuestContinue) && QuestContinue->mhit &&
                         StartQuestLevel(ContinueSpotIndex());
    UpdateSpots(leaving);
    HandleUnlocking();
    return 0;
}

void QuestMap::Animate() {
    Ticks += 1;
    if (MarkerAnim) MarkerAnim->Update();
    if (GuideAnim) GuideAnim->Update();
    MapGlow.Update();
    TempleParticle::UpdateAll();
    UpdateRewardTexts();
    GemParticle::UpdateAll();
}

void QuestMap::UpdateSpots(bool leaving) {
    // A finished location replays when clicked, unless the map is already
    // leaving for a level.
    int i = 0;
    for (const Ref<QuestSpot>& spot : QuestSpots) {
        spot->Update();
        if (!leaving && spot->Gadget && spot->Gadget->mhit) leaving = StartQuestLevel(i) != 0;
        ++i;
    }
}

void ResetQuestMap() {
    GemParticles.Clear();
    TempleParticles.Clear();
    ResetQuestMapState();
}

Ref<QuestSpot> QuestMap::NextQuestSpot(const Ref<QuestSpot>& spot) {
    return wispwood::NextQuestSpot(spot);
}

Ref<QuestSpot> QuestMap::PreviousQuestSpot(const Ref<QuestSpot>& spot) {
    return wispwood::PreviousQuestSpot(spot);
}

} // namespace wispwood
