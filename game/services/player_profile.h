#pragma once
// A player's profile: the whole adventure progress of one named player.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <vector>

namespace wispwood {

class GameFile;
class Rank;

constexpr int kLocationCount = 100;

class PlayerProfile {
  public:
    virtual ~PlayerProfile() = default;

    // A new profile with the next free id, appended to Profiles.
    static Ref<PlayerProfile> Create();

    int ID = 0;
    Text Name;
    int CurrentMasterQuestAdventure = 0;
    int CurrentAdventure = 0;
    int Lives = 0;
    int Score = 0;
    int Gems = 0;
    int BronzeMedals = 0;
    int SilverMedals = 0;
    int GoldMedals = 0;
    int InMasterQuest = 0;
    std::vector<int> MasterLevelStates = std::vector<int>(kLocationCount, 0);
    std::vector<int> LevelStates = std::vector<int>(kLocationCount, 0);
    int CurrentBackground = 1;
    int Displayedbook = 0;
    int DisplayHowToPlay = 1;
    int Loaded = 0;
    int AutoLevelAmount = 0;
    // The player's choice to play without the clock; each level takes it
    // when it starts.
    bool Relaxed = false;
    // The game in progress (from its first life to the loss of its last)
    // has played a relaxed level, so its score belongs to the relaxed table,
    // where it keeps one row of the score RelaxedScoreKept (0: none yet).
    bool RelaxedGame = false;
    int RelaxedScoreKept = 0;

    // Orders profiles by id.
    int Compare(const PlayerProfile& other) const { return ID - other.ID; }

    virtual int MasterQuestEnabled();
    virtual Ref<wispwood::Rank> Rank();
    virtual void SetLevelState(int index, int state);
    virtual int GetLevelState(int index);
    virtual void Associate(GameFile& file);
    virtual int GetCurrentAdventure();
    virtual void SetCurrentAdventure(int value);
    virtual void HandleAutoLevelingDeath();
    virtual void HandleAutoLevelingSuccess(int a, int b);
    virtual int AutoLevelingCount();

  protected:
    PlayerProfile() = default;
};

// A stored level state as an index into the three medal kinds (0 bronze,
// 1 silver, 2 gold): a hand-edited file may hold any number, which stays
// stored as it is.
int LevelStateIndex(int state);
// The quest location an adventure counter selects: 100 or more means the
// quest is finished, and a hand-edited file may hold any number.
int AdventureLocation(int adventure);

} // namespace wispwood
