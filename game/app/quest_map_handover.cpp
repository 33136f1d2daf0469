#include "game/app/quest_map_handover.h"
#include "game/adventure/spot_levels.h"
#include "game/app/player_profile.h"
#include "game/app/profiles.h"

namespace wispwood {

// Until the quest map exists the game starts the location the profile has
// reached in the quest it is playing.
int PushQuestMap() {
    Ref<PlayerProfile> profile = CurrentProfile;
    int location = profile ? AdventureLocation(profile->GetCurrentAdventure()) : 0;
    return StartQuestLevel(location);
}

} // namespace wispwood
