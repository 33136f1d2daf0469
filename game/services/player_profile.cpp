#include "game/services/player_profile.h"
#include "engine/io/print_line.h"
#include "framework/data/section_file.h"
#include "game/services/profiles.h"
#include "game/services/rank.h"
#include <algorithm>

namespace wispwood {

namespace {

// Ids of the play code index these arrays; a stored list is never shorter
// than the locations it is indexed with.
void PadStates(std::vector<int>& states) {
    if (states.size() < kLocationCount) states.resize(kLocationCount, 0);
}

// A flag is stored as 0 or 1; a file without the key reads as off.
void AssociateFlag(GameFile& file, bool& flag, const Text& key) {
    int value = flag ? 1 : 0;
    file.AssociateInt(value, key);
    flag = value != 0;
}

} // namespace

Ref<PlayerProfile> PlayerProfile::Create() {
    Ref<PlayerProfile> profile(new PlayerProfile());
    profile->ID = ++LastProfileID;
    Profiles.AddLast(profile);
    return profile;
}

int PlayerProfile::MasterQuestEnabled() {
    return CurrentAdventure >= 100 ? 1 : 0;
}

Ref<Rank> PlayerProfile::Rank() {
    return Ranks.empty() ? nullptr : Ranks.front();
}

void PlayerProfile::SetLevelState(int index, int state) {
    std::vector<int>& states = InMasterQuest == 1 ? MasterLevelStates : LevelStates;
    if (index < 0 || index >= static_cast<int>(states.size())) return;
    if (states[index] < state) states[index] = state;
}

int PlayerProfile::GetLevelState(int index) {
    const std::vector<int>& states = InMasterQuest == 1 ? MasterLevelStates : LevelStates;
    if (index < 0 || index >= static_cast<int>(states.size())) return 0;
    return states[index];
}

void PlayerProfile::Associate(GameFile& file) {
    file.AssociateString(Name, "name");
    file.AssociateInt(CurrentMasterQuestAdventure, "currentmasterquestadventure");
    file.AssociateInt(CurrentAdventure, "currentadventure");
    file.AssociateInt(Lives, "lives");
    file.AssociateInt(Score, "score");
    file.AssociateInt(CurrentBackground, "currentbackground");
    file.AssociateInt(DisplayHowToPlay, "displayhowtoplay");
    file.AssociateInt(Displayedbook, "displayedbook");
    file.AssociateInt(Gems, "gemscollected");
    file.AssociateInt(BronzeMedals, "bronzemedals");
    file.AssociateInt(SilverMedals, "silvermedals");
    file.AssociateInt(GoldMedals, "goldmedals");
    file.AssociateInt(InMasterQuest, "inmasterquest");
    file.AssociateIntArray(MasterLevelStates, "masterlevelstates", -1);
    if (file.AssociateReading) PadStates(MasterLevelStates);
    file.AssociateIntArray(LevelStates, "levelstates", kLocationCount);
    file.AssociateInt(AutoLevelAmount, "autolevelamount");
    AssociateFlag(file, Relaxed, "relaxed");
    AssociateFlag(file, RelaxedGame, "relaxedgame");
    file.AssociateInt(RelaxedScoreKept, "relaxedscore");
    if (RelaxedScoreKept < 0) RelaxedScoreKept = 0;
}

int PlayerProfile::GetCurrentAdventure() {
    return InMasterQuest == 1 ? CurrentMasterQuestAdventure : CurrentAdventure;
}

void PlayerProfile::SetCurrentAdventure(int value) {
    (InMasterQuest == 1 ? CurrentMasterQuestAdventure : CurrentAdventure) = value;
}

void PlayerProfile::HandleAutoLevelingDeath() {
    PrintLine("adding auto leveling death thingie");
    AutoLevelAmount += 25;
}

void PlayerProfile::HandleAutoLevelingSuccess(int a, int b) {
    float r = static_cast<float>(a) / static_cast<float>(b);
    if (r < 0.25f) {
        AutoLevelAmount += 10;
    } else if (r > 0.5f) {
        AutoLevelAmount -= 10;
    }
}

int PlayerProfile::AutoLevelingCount() {
    return AutoLevelAmount;
}

int LevelStateIndex(int state) {
    return std::clamp(state, 0, 2);
}

int AdventureLocation(int adventure) {
    return std::clamp(adventure, 0, kLocationCount - 1);
}

} // namespace wispwood
