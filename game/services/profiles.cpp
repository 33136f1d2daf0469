#include "game/services/profiles.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/section_file.h"
#include "game/services/profiles_file.h"
#include "game/services/user_data.h"
#include <algorithm>
#include <set>

namespace wispwood {

TList<Ref<PlayerProfile>> Profiles;
Ref<PlayerProfile> CurrentProfile;
int LastProfileID = 0;

namespace {

// Only this file makes them, so a profile read from or written to the file
// is never one.
class TemporaryProfile : public PlayerProfile {
  public:
    TemporaryProfile() { Name = "Player"; }
};

Text NameKey(const Text& name) {
    return LowerText(TrimText(name));
}

void SortProfilesById() {
    std::vector<Ref<PlayerProfile>> sorted = Profiles.ToArray();
    std::stable_sort(
        sorted.begin(), sorted.end(),
        [](const Ref<PlayerProfile>& a, const Ref<PlayerProfile>& b) { return a->Compare(*b) < 0; });
    Profiles.Clear();
    for (const auto& p : sorted) Profiles.AddLast(p);
}

} // namespace

Text ProfilesPath() {
    return UserDataPath() + "playerprofiles.txt";
}

void LoadProfiles() {
    Profiles.Clear();
    // A profile that was current before is no longer in the list.
    CurrentProfile = nullptr;
    auto file = ReadProfilesFile();
    file->AssociateReading = 1;
    file->SetNode("");
    int currentId = TextToInt(file->GetData("current"));
    // Two sections can name the same id ("1" and "01", or two names that
    // are not numbers); the later one gets a fresh id so that the next save
    // keeps both.
    std::set<int> seen;
    std::vector<Ref<PlayerProfile>> collided;
    for (const auto& branch : file->Nodes().GetBranches()) {
        if (branch.Name.empty()) continue;
        file->SetNode(branch.Name);
        Ref<PlayerProfile> profile = PlayerProfile::Create();
        profile->Associate(*file);
        profile->ID = TextToInt(branch.Name);
        profile->Loaded = 1;
        if (!seen.insert(profile->ID).second) {
            collided.push_back(profile);
            continue;
        }
        // "current" = 0 means that no profile is current.
        if (currentId != 0 && profile->ID == currentId) CurrentProfile = profile;
        LastProfileID = std::max(LastProfileID, profile->ID);
    }
    for (const auto& profile : collided) profile->ID = ++LastProfileID;
    SortProfilesById();
}

void SaveProfiles() {
    PrepareProfilesSave();
    auto file = GameFile::Create(ProfilesPath());
    file->AssociateReading = 0;
    file->SetNode("");
    // A temporary profile stands in for "none current".
    bool realCurrent = CurrentProfile && !IsTemporaryProfile(CurrentProfile);
    file->AddData("current", IntToText(realCurrent ? CurrentProfile->ID : 0));
    for (const auto& profile : Profiles) {
        if (IsTemporaryProfile(profile)) continue;
        file->SetNode(IntToText(profile->ID));
        profile->Associate(*file);
    }
    WriteProfilesFile(*file);
}

int CreateProfile(const Text& name) {
    if (!NameIsValid(name)) return 0;
    PlayerProfile::Create()->Name = name;
    return 1;
}

int NameIsValid(const Text& name) {
    Text key = NameKey(name);
    if (key.empty()) return 0;
    for (const auto& profile : Profiles)
        if (NameKey(profile->Name) == key) return 0;
    return 1;
}

Ref<PlayerProfile> GetCurrentProfile() {
    return CurrentProfile;
}

void SetCurrentProfile(const Ref<PlayerProfile>& profile) {
    CurrentProfile = profile;
}

Ref<PlayerProfile> UseTemporaryProfile() {
    CurrentProfile = New<TemporaryProfile>();
    return CurrentProfile;
}

Ref<PlayerProfile> EnsureCurrentProfile() {
    return CurrentProfile ? CurrentProfile : UseTemporaryProfile();
}

int IsTemporaryProfile(const Ref<PlayerProfile>& profile) {
    return dynamic_cast<const TemporaryProfile*>(profile.get()) ? 1 : 0;
}

void SelectProfileByName(const Text& name) {
    Text key = NameKey(name);
    for (const auto& profile : Profiles)
        if (NameKey(profile->Name) == key) CurrentProfile = profile;
}

void DeleteCurrentProfile() {
    int i = 0, at = 0;
    for (const auto& profile : Profiles) {
        if (profile == CurrentProfile) {
            at = i;
            break;
        }
        ++i;
    }
    Profiles.Remove(CurrentProfile);
    CurrentProfile = nullptr;
    int j = std::max(0, at - 1);
    if (j < Profiles.Count()) CurrentProfile = Profiles.ValueAtIndex(j);
}

void ResetProfiles() {
    Profiles.Clear();
    CurrentProfile = nullptr;
    LastProfileID = 0;
}

} // namespace wispwood
