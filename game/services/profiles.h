#pragma once
// The player profiles of this machine's user, kept in "playerprofiles.txt"
// in the per-user data folder, and the one being played.
#include "engine/core/tlist.h"
#include "game/services/player_profile.h"
#include <functional>

namespace wispwood {

extern TList<Ref<PlayerProfile>> Profiles;
extern Ref<PlayerProfile> CurrentProfile;
extern int LastProfileID;

Text ProfilesPath();

// Rebuilds Profiles and CurrentProfile from the file.
void LoadProfiles();
// Writes every profile and the current one's id; a failure is said to the
// player (save_report.h).
void SaveProfiles();
// 1 and a new profile with that name, or 0 and nothing when the name is
// not valid.
int CreateProfile(const Text& name);
// 0 for a blank name or one that an existing profile has already (ignoring
// blanks at the ends and letter case).
int NameIsValid(const Text& name);
Ref<PlayerProfile> GetCurrentProfile();
void SetCurrentProfile(const Ref<PlayerProfile>& profile);
void SelectProfileByName(const Text& name);
// Removes the current profile; the one before it (or the new first one)
// becomes current.
void DeleteCurrentProfile();

// Makes CurrentProfile a new temporary profile and returns it: the run,
// images and test switches start play at once, also before any player has
// made a profile. It is in no list, has id 0 and is never written to the
// profiles file.
Ref<PlayerProfile> UseTemporaryProfile();
// The current profile, a temporary one when none is current.
Ref<PlayerProfile> EnsureCurrentProfile();
int IsTemporaryProfile(const Ref<PlayerProfile>& profile);

// No profiles, none current, ids from 1 again (start-up state).
void ResetProfiles();

} // namespace wispwood
