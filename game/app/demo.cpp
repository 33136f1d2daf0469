#include "game/app/demo.h"
#include "engine/io/random.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/spot_levels.h"
#include "game/app/demo_game.h"
#include "game/board/game_score.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/services/profiles.h"
#include <cstdint>
#include <iterator>
#include <optional>

namespace wispwood {

namespace {

// What the demo's game would otherwise leave behind for the player.
struct PlayersState {
    Ref<PlayerProfile> Profile;
    // The generator goes on from here after the demo, as if the player had
    // never left the title screen: the demo draws from a seed of its own and
    // leaves the player's sequence untouched.
    int32_t Seed = 0;
    int SpotIndex = 0;
    // A won demo level records its result for the quest map, which would
    // hand its medal and gems to the player on the next visit (or the
    // shutdown would bank it).
    int LastPlayedSpot = -1, LastMedal = 0, LastGemsEarned = 0, GemsCollected = 0, ResultRecorded = 0;
    int GameScore = 0, DisplayedScore = 0;
    Text ResumeSavePath;
};

std::optional<PlayersState> gPlayers;
int gDemoRound = 0; // demos started since the program started

PlayersState CapturePlayersState() {
    PlayersState s;
    s.Profile = CurrentProfile;
    s.Seed = RandomSeed();
    s.SpotIndex = CurrentSpotIndex;
    s.LastPlayedSpot = LastPlayedSpot;
    s.LastMedal = LastMedal;
    s.LastGemsEarned = LastGemsEarned;
    s.GemsCollected = GemsCollected;
    s.ResultRecorded = ResultRecorded;
    s.GameScore = GameScore;
    s.DisplayedScore = DisplayedScore;
    s.ResumeSavePath = ResumeSavePath;
    return s;
}

void RestorePlayersState(const PlayersState& s) {
    SetCurrentProfile(s.Profile);
    SeedRandom(s.Seed);
    CurrentSpotIndex = s.SpotIndex;
    LastPlayedSpot = s.LastPlayedSpot;
    LastMedal = s.LastMedal;
    LastGemsEarned = s.LastGemsEarned;
    GemsCollected = s.GemsCollected;
    ResultRecorded = s.ResultRecorded;
    GameScore = s.GameScore;
    DisplayedScore = s.DisplayedScore;
    ResumeSavePath = s.ResumeSavePath;
}

// The next location of the round that the game has, or -1.
int NextDemoLocation() {
    constexpr int count = static_cast<int>(std::size(DemoLocations));
    for (int tried = 0; tried < count; ++tried) {
        const int location = DemoLocations[(gDemoRound + tried) % count];
        if (LocationExists(location)) {
            gDemoRound += tried;
            return location;
        }
    }
    return -1;
}

// The location's own level alone: the demo ends with its tally, before
// the bonus game some locations go on to.
Ref<LevelSet> DemoLevels(int location) {
    std::vector<Ref<Level>> levels = SpotAt(location)->CreateLevels();
    auto set = New<LevelSet>();
    if (!levels.empty()) set->Levels.push_back(levels.front());
    return set;
}

} // namespace

int StartDemo() {
    if (gPlayers) return 0;
    const int location = NextDemoLocation();
    if (location < 0) return 0;
    gPlayers = CapturePlayersState();
    // A throwaway player: lives, score, medals, gems and lessons seen go to
    // it, and the profile file never lists it. It also plays the normal
    // timed quest whatever the player's own options are.
    UseTemporaryProfile();
    // Each round plays its location differently.
    SeedRandom(1 + gDemoRound * 7919 + location * 104729);
    gDemoRound += 1;
    CurrentSpotIndex = location;
    CurrentLevelSet = DemoLevels(location);
    ResumeSavePath.clear();
    PushScene(New<DemoGame>());
    return 1;
}

void StopDemo() {
    if (!gPlayers) return;
    RestorePlayersState(*gPlayers);
    gPlayers.reset();
    ReleaseMouse();
}

int DemoRunning() {
    return gPlayers ? 1 : 0;
}

void ResetDemo() {
    gPlayers.reset();
    gDemoRound = 0;
}

} // namespace wispwood
