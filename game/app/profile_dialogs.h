#pragma once
// The title screen's profile dialogs: choosing, creating and deleting
// players (at most five), and the first-profile dialog that a new player
// cannot leave without making one. The title screen owns them and runs them
// each update; they open inside its widget root.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <vector>

namespace wispwood {

class guiAreYouSure;
class guiContainer;
class guiGadget;
class guiSelectable;
class guiTextInput;
class PlayerProfile;

class ProfileDialogs {
  public:
    static constexpr int kMaxProfiles = 5;

    Ref<guiContainer> ProfileContainer;
    Ref<guiGadget> ProfileSelect;
    std::vector<Ref<guiSelectable>> ProfileNameStatic;
    Ref<guiGadget> ProfileOK, ProfileNew, ProfileDelete, ProfileCancel;
    Ref<guiContainer> NewProfileContainer;
    Ref<guiGadget> NewProfileBack, NewProfileOK, NewProfileCancel;
    Ref<guiTextInput> NewProfileTextbox;
    Ref<guiAreYouSure> DeleteProfileAreYouSure;

    // root: the title screen's widget root.
    void OpenProfileDialog(guiContainer& root);
    // The names in the profile dialog again, a new one growing in.
    void InitProfileSelection();
    // The new-profile dialog, over the profile dialog when it is open; the
    // first one (first 1) has no Cancel.
    void InitNewProfile(guiContainer& root, int first);
    // One update of whichever dialog is open, then of the delete
    // confirmation. True when the profile dialog was confirmed now: the
    // player may have changed, and with them the title screen's buttons.
    bool Update(guiContainer& root);

    // 1 while the dialog exists and is not fading out.
    int ProfileDialogOpen() const;
    int NewProfileDialogOpen() const;

  private:
    void UpdateProfileDialog(guiContainer& root, bool& confirmed);
    void CancelProfileDialog();
    void ConfirmProfileDialog();
    void UpdateNewProfileDialog();
    void CreateTypedProfile();
    void UpdateDeleteConfirmation(guiContainer& root);

    // Saved games of names taken by new profiles, deleted once the profile
    // dialog is confirmed (its Cancel takes the new profiles back).
    TextArray PendingSaveDeletions;
    // The profiles as the dialog found them: a Cancel whose reload does not
    // bring them all back keeps these instead.
    std::vector<Ref<PlayerProfile>> ProfilesAtOpening;
    Ref<PlayerProfile> CurrentAtOpening;
};

} // namespace wispwood
