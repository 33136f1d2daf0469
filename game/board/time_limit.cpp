#include "game/board/time_limit.h"
#include "game/services/profiles.h"

namespace wispwood {

int LevelTime = 0;
int TimeLeft = 0;
int LevelEndTicks = 0;
bool RelaxedLevel = false;

void SetLevelTime(int t) {
    if (RelaxedLevel) {
        LevelTime = TimeLeft = 0;
        return;
    }
    Ref<PlayerProfile> profile = GetCurrentProfile();
    if (profile && profile->InMasterQuest == 1) {
        t /= 2;
        if (t == 0) t = 18000;
    }
    LevelTime = TimeLeft = t;
}

int IsTimed() {
    return LevelTime > 2 ? 1 : 0;
}

int TimeIsUp() {
    return IsTimed() && TimeLeft <= 0 ? 1 : 0;
}

void ResetLevelTimer() {
    LevelTime = TimeLeft = 0;
    LevelEndTicks = 0;
    RelaxedLevel = false;
}

} // namespace wispwood
