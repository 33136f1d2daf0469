#include "game/app/profile_dialogs.h"
#include "engine/draw/image.h"
#include "engine/input/key_codes.h"
#include "framework/gui/gui_alive.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/gui_selectable.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/gui/gui_text_input.h"
#include "framework/scene/input_snapshot.h"
#include "game/app/main_scene.h"
#include "game/services/game_fonts.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/saved_game_path.h"
#include "game/services/text_table.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

bool Hit(const Ref<guiGadget>& g) {
    return g && !g->Removed && g->mhit;
}

Ref<guiGadget> DialogButton(guiContainer& c, float x, float y, const Text& key, const Text& grab) {
    Ref<guiGadget> button = c.AddButton(x, y, GuiButtonEmpty);
    if (!button) return nullptr;
    button->DrawnText = GetText("profile", key);
    button->GrabText = grab;
    return button;
}

void CentredLine(guiContainer& c, float x, float y, const Text& text, const Text& grab) {
    Ref<guiTextHeading> line = c.AddText(x, y, text);
    if (!line) return;
    line->GrabText = grab;
    line->DrawnTextCentered = AlignCentre;
}

bool InList(const Ref<PlayerProfile>& profile) {
    for (const auto& p : Profiles)
        if (p->ID == profile->ID && p->Name == profile->Name) return true;
    return false;
}

} // namespace

int ProfileDialogs::ProfileDialogOpen() const {
    return Alive(ProfileContainer) ? 1 : 0;
}

int ProfileDialogs::NewProfileDialogOpen() const {
    return Alive(NewProfileContainer) ? 1 : 0;
}

void ProfileDialogs::OpenProfileDialog(guiContainer& root) {
    ProfileContainer = root.AddContainer();
    if (!ProfileContainer) return;
    // Cancel returns to this state.
    SaveProfiles();
    ProfilesAtOpening = Profiles.ToArray();
    CurrentAtOpening = CurrentProfile;
    PendingSaveDeletions.clear();
    // The dialog panel it is laid out on (the options dialog's own backing
    // is taller, for its extra rows).
    const Ref<TImage>& backing = GuiContainerBacking;
    float bw = backing ? static_cast<float>(ImageWidth(backing)) : 0;
    ProfileSelect = ProfileContainer->AddStatic(std::trunc(400 - bw / 2), 100, backing);
    ProfileOK = DialogButton(*ProfileContainer, 231, 431, "ok", "profileok");
    ProfileNew = DialogButton(*ProfileContainer, 231, 388, "new", "profilenew");
    ProfileDelete = DialogButton(*ProfileContainer, 401, 388, "delete", "profiledelete");
    ProfileCancel = DialogButton(*ProfileContainer, 401, 431, "cancel", "profilecancel");
    ProfileNameStatic.clear();
    InitProfileSelection();
}

void ProfileDialogs::InitProfileSelection() {
    if (!ProfileContainer) return;
    TextArray shown;
    for (const auto& g : ProfileNameStatic) {
        if (g->Removed) continue;
        shown.push_back(g->DrawnText);
        ProfileContainer->Gadgets.Remove(g);
        g->Removed = 1;
    }
    ProfileNameStatic.clear();
    int i = 0, delay = 0;
    for (const auto& profile : Profiles) {
        Ref<guiSelectable> name = ProfileContainer->AddSelectable(
            270, std::trunc(130 + 45.0f * static_cast<float>(i)), MainMenuImages.ProfileName,
            MainMenuImages.ProfileNameSelected, -1, 0);
        ++i;
        if (!name) continue;
        name->DrawnText = profile->Name;
        name->DrawnTextExtraY = 1;
        if (std::find(shown.begin(), shown.end(), profile->Name) == shown.end()) {
            name->DrawnTextScaleIn = 1;
            name->DrawnTextScaleInDelay = delay;
            delay += 10;
        }
        if (profile == CurrentProfile) {
            name->SelectItem(1);
            ProfileContainer->NavStart = name;
        }
        ProfileNameStatic.push_back(name);
    }
}

void ProfileDialogs::CancelProfileDialog() {
    LoadProfiles();
    // A reload that lost profiles (the save at opening did not reach the
    // disk) would lose them for good: the list from the opening stays.
    bool complete = std::all_of(ProfilesAtOpening.begin(), ProfilesAtOpening.end(), InList);
    if (!complete) {
        Profiles.Clear();
        for (const auto& p : ProfilesAtOpening) Profiles.AddLast(p);
        CurrentProfile = CurrentAtOpening;
    }
    // The profiles made in the dialog are gone again, so their names' old
    // saved games stay.
    PendingSaveDeletions.clear();
    ProfileContainer->Destroy();
}

void ProfileDialogs::ConfirmProfileDialog() {
    for (const Text& name : PendingSaveDeletions) DeleteSavedGame(name);
    PendingSaveDeletions.clear();
    SaveProfiles();
    ProfileContainer->Destroy();
}

void ProfileDialogs::UpdateProfileDialog(guiContainer& root, bool& confirmed) {
    if (!Alive(ProfileContainer)) return;
    for (const auto& name : ProfileNameStatic)
        if (!name->Removed && name->IsSelected()) SelectProfileByName(name->DrawnText);
    // The buttons answer only while no dialog of their own is on top.
    if (ProfileContainer->Child) return;
    if (Hit(ProfileCancel) || GameKeyPresses(KeyEscape)) {
        CancelProfileDialog();
        return;
    }
    if (Hit(ProfileDelete) && CurrentProfile) {
        DeleteProfileAreYouSure = ProfileContainer->AreYouSure(1);
        if (DeleteProfileAreYouSure)
            DeleteProfileAreYouSure->Text = {"Are you sure you want to", "delete this profile?"};
    }
    if (Hit(ProfileOK)) {
        ConfirmProfileDialog();
        confirmed = true;
        return;
    }
    if (ProfileNew) {
        if (Profiles.Count() < kMaxProfiles)
            ProfileNew->Activate();
        else
            ProfileNew->Deactivate();
        if (Hit(ProfileNew) && Profiles.Count() < kMaxProfiles) InitNewProfile(root, 0);
    }
}

void ProfileDialogs::InitNewProfile(guiContainer& root, int first) {
    NewProfileContainer = Alive(ProfileContainer) ? ProfileContainer->AddContainer() : root.AddContainer();
    if (!NewProfileContainer) return;
    guiContainer& c = *NewProfileContainer;
    float h = MainMenuImages.NewContainer ? static_cast<float>(ImageHeight(MainMenuImages.NewContainer)) : 0;
    NewProfileBack = c.AddStatic(208, std::trunc(300 - h / 2), MainMenuImages.NewContainer);
    if (NewProfileBack) NewProfileBack->GrabText = "newbacking";
    CentredLine(c, 397, 239, GetText("profile", first ? "welcome" : "createprofile"), "newprofiletext");
    CentredLine(c, 397, 265, GetText("profile", "entername"), "newprofiletext2");
    NewProfileCancel = nullptr;
    if (first) {
        NewProfileOK = DialogButton(c, 314, 361, "ok", "newokcenter");
    } else {
        NewProfileOK = DialogButton(c, 227, 365, "ok", "newok");
        NewProfileCancel = DialogButton(c, 402, 365, "cancel", "newcancel");
    }
    if (NewProfileOK) NewProfileOK->Deactivate();
    NewProfileTextbox = c.AddTextBox(280, 302, MainMenuImages.TextBox);
    if (NewProfileTextbox) {
        NewProfileTextbox->GrabText = "newtextbox";
        // A pad has no letters: the arrows type on the box, Return confirms.
        NewProfileTextbox->ArrowHint = GetText("profile", "arrowhint");
        c.NavStart = NewProfileTextbox;
    }
}

void ProfileDialogs::CreateTypedProfile() {
    const Text name = NewProfileTextbox ? NewProfileTextbox->Text : Text();
    if (!CreateProfile(name)) return;
    // An old saved game of this name belongs to a deleted profile. While the
    // profile dialog can still take the new profile back, it is kept until
    // the dialog is confirmed.
    if (Alive(ProfileContainer))
        PendingSaveDeletions.push_back(name);
    else
        DeleteSavedGame(name);
    SelectProfileByName(name);
    NewProfileContainer->Destroy();
    if (Alive(ProfileContainer)) InitProfileSelection();
}

void ProfileDialogs::UpdateNewProfileDialog() {
    if (!Alive(NewProfileContainer)) return;
    const Text typed = NewProfileTextbox ? NewProfileTextbox->Text : Text();
    if (NewProfileOK) {
        if (NameIsValid(typed))
            NewProfileOK->Activate();
        else
            NewProfileOK->Deactivate();
    }
    // Options opened on top keep the keys.
    if (OptionsOpen()) return;
    if (Hit(NewProfileOK) || GameKeyPresses(KeyReturn)) {
        CreateTypedProfile();
        return;
    }
    if (NewProfileCancel && (Hit(NewProfileCancel) || GameKeyPresses(KeyEscape)))
        NewProfileContainer->Destroy();
}

void ProfileDialogs::UpdateDeleteConfirmation(guiContainer& root) {
    if (!DeleteProfileAreYouSure || DeleteProfileAreYouSure->Value() == 0) return;
    DeleteCurrentProfile();
    InitProfileSelection();
    DeleteProfileAreYouSure->Destroy();
    DeleteProfileAreYouSure = nullptr;
    if (!CurrentProfile) InitNewProfile(root, 1);
}

bool ProfileDialogs::Update(guiContainer& root) {
    bool confirmed = false;
    UpdateProfileDialog(root, confirmed);
    UpdateNewProfileDialog();
    UpdateDeleteConfirmation(root);
    return confirmed;
}

} // namespace wispwood
