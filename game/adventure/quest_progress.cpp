#include "game/adventure/quest_progress.h"
#include "engine/io/text_convert.h"
#include "game/board/level_result.h"
#include "game/services/profiles.h"
#include "game/services/rank.h"

namespace wispwood {

namespace {

constexpr int kFrontierRevealDelay = 450;
constexpr int kReplayRevealDelay = 300;
constexpr int kGemSpacing = 20;
constexpr int kRankUpPause = 150;
// Where gems go once the table has no further slots.
constexpr float kMaxRankGemX = 545, kMaxRankGemY = 516;

} // namespace

AdventureStep AdvanceAdventure(PlayerProfile& profile) {
    AdventureStep step;
    const int spot = LastPlayedSpot;
    if (spot < 0 || spot > kLastLocation) return step;
    step.spot = spot;
    if (spot == profile.GetCurrentAdventure()) {
        step.frontier = 1;
        profile.SetCurrentAdventure(spot + 1);
        profile.SetLevelState(spot, LastMedal);
        step.reveal = 1;
        step.revealOldState = 0;
        step.revealDelay = kFrontierRevealDelay;
    } else if (LastMedal > profile.GetLevelState(spot)) {
        step.reveal = 1;
        step.revealOldState = profile.GetLevelState(spot);
        step.revealDelay = kReplayRevealDelay;
        profile.SetLevelState(spot, LastMedal);
    }
    return step;
}

std::vector<RewardFlight> BankRewards(PlayerProfile& profile) {
    std::vector<RewardFlight> flights;
    if (LastPlayedSpot < 0) return flights;
    int pause = 0;
    for (int i = 0; i < LastGemsEarned; ++i) {
        const int g = profile.Gems;
        RewardFlight f;
        if (RankFor(g)->MaxRank) {
            f.tx = kMaxRankGemX;
            f.ty = kMaxRankGemY;
        } else {
            GemSlot slot = NextGemSlot(g);
            f.tx = static_cast<float>(slot.x);
            f.ty = static_cast<float>(slot.y);
        }
        f.extraDelay = kGemSpacing * i + pause;
        if (RankFor(g) != RankFor(g + 1)) {
            f.rankUp = 1;
            pause += kRankUpPause;
        }
        flights.push_back(f);
        profile.Gems += 1;
    }
    if (LastMedal == 1 || LastMedal == 2) {
        RewardFlight f;
        f.medal = LastMedal;
        if (LastMedal == 1) {
            profile.SilverMedals += 1;
            f.tx = 504 + 5 * static_cast<float>(IntToText(profile.GoldMedals).size());
        } else {
            profile.GoldMedals += 1;
            f.tx = 470;
        }
        f.ty = 528;
        f.extraDelay = kGemSpacing * LastGemsEarned + (pause > 0 ? 300 : 0) + 200;
        if (LastGemsEarned == 0) f.extraDelay -= 100;
        flights.push_back(f);
    }
    return flights;
}

void ClearLastResult() {
    LastMedal = 0;
    LastPlayedSpot = -1;
    LastGemsEarned = 0;
}

int BankUnconsumedLevelResult() {
    if (LastPlayedSpot < 0) return 0;
    Ref<PlayerProfile> profile = CurrentProfile;
    if (!profile) {
        ClearLastResult();
        return 0;
    }
    AdvanceAdventure(*profile);
    BankRewards(*profile);
    ClearLastResult();
    return 1;
}

} // namespace wispwood
