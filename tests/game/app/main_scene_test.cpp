// The title screen driven by platform input: the forced first profile, the
// profile dialog and its Cancel, the menu column, the book and the entrance.
#include "engine/draw/image.h"
#include "engine/input/key_codes.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/text_routines.h"
#include "framework/anim/easing.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/gui_selectable.h"
#include "framework/gui/gui_text_input.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/app/main_scene.h"
#include "game/level/level_clock.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/saved_game_path.h"
#include "game/services/start_flags.h"
#include "game/services/user_data.h"
#include "tests/support/menu_fixture.h"
#include <cmath>

namespace wispwood {
namespace {

constexpr int kEnter = 13;

class Menu : public test::MenuTest {
  protected:
    Ref<MainScene> menu;

    // The menu as a later visit sees it: everything in place at once.
    void StartMenu(bool entranceDone = true) {
        if (entranceDone) SlideClock = 999;
        menu = std::static_pointer_cast<MainScene>(MakeMainScene());
        PushSceneInstantly(menu);
        Step(*menu, 2);
    }
    Ref<PlayerProfile> AddProfile(const Text& name) {
        EXPECT_EQ(CreateProfile(name), 1);
        SelectProfileByName(name);
        return CurrentProfile;
    }
    void Click(const Ref<guiGadget>& g) {
        ClickGadget(g);
        Step(*menu, 2);
    }
    // Lets a closing dialog fade out.
    void Settle() { Step(*menu, 40); }
    Text ProfilesFile() const { return ProfilesPath(); }
};

TEST_F(Menu, AFirstStartHoldsTheEntranceUntilAProfileIsMade) {
    StartMenu(false);
    ASSERT_TRUE(menu->NewProfileDialogOpen());
    EXPECT_FALSE(menu->Dialogs.NewProfileCancel); // a first profile must be made
    ASSERT_TRUE(menu->Dialogs.NewProfileOK);
    EXPECT_EQ(menu->Dialogs.NewProfileOK->active, 0);
    float held = SlideClock;
    Key(KeyEscape);
    Step(*menu, 20);
    EXPECT_TRUE(menu->NewProfileDialogOpen());
    EXPECT_EQ(SlideClock, held);
    // A blank name cannot be confirmed, not even with Enter.
    Type(*menu, "  ");
    Key(kEnter);
    Step(*menu, 2);
    EXPECT_EQ(Profiles.Count(), 0);
    Type(*menu, "ann");
    Step(*menu);
    EXPECT_EQ(menu->Dialogs.NewProfileOK->active, 1);
    Key(kEnter);
    Step(*menu, 2);
    ASSERT_TRUE(CurrentProfile);
    EXPECT_EQ(TrimText(CurrentProfile->Name), "Ann");
    EXPECT_FALSE(menu->NewProfileDialogOpen());
    Step(*menu, 10);
    EXPECT_GT(SlideClock, held);
}

TEST_F(Menu, TheColumnMakesRoomForTheMasterQuestAndIsRebuiltOnOk) {
    Ref<PlayerProfile> finished = AddProfile("Quinn");
    finished->CurrentAdventure = 100;
    AddProfile("Pia");
    SelectProfileByName("Quinn");
    StartMenu();
    ASSERT_TRUE(menu->MasterQuestButton);
    const float shift = 0.875f * static_cast<float>(ImageHeight(GuiButtonBig)) - 5;
    EXPECT_EQ(menu->MainButton->_y, 130 + 60);
    EXPECT_EQ(menu->MasterQuestButton->_y, 191 + 60);
    EXPECT_EQ(menu->ProfileButton->_y, std::trunc(201 + shift) + 60);
    EXPECT_EQ(menu->ExitButton->_y, std::trunc(321 + shift) + 60);
    EXPECT_EQ(menu->MainButton->y, menu->MainButton->_y); // in place after the entrance

    Click(menu->ProfileButton);
    ASSERT_TRUE(menu->ProfileDialogOpen());
    ASSERT_EQ(menu->Dialogs.ProfileNameStatic.size(), 2u);
    Click(menu->Dialogs.ProfileNameStatic[1]);
    EXPECT_EQ(CurrentProfile->Name, "Pia");
    EXPECT_TRUE(menu->MasterQuestButton); // only OK rebuilds
    Click(menu->Dialogs.ProfileOK);
    EXPECT_FALSE(menu->MasterQuestButton);
    const float column[] = {130, 201, 241, 281, 321};
    const Ref<guiGadget> buttons[] = {menu->MainButton, menu->ProfileButton, menu->OptionsButton,
                                      menu->HighScoresButton, menu->ExitButton};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(buttons[i]->_y, column[i] + 60) << i;
    // Only the new column is left in the menu.
    int withImage = 0;
    for (const auto& g : menu->guiBase->Gadgets) withImage += g->Image ? 1 : 0;
    EXPECT_EQ(withImage, 5);
}

TEST_F(Menu, CancelBringsBackADeletedProfile) {
    AddProfile("Ann");
    AddProfile("Bo");
    StartMenu();
    Click(menu->ProfileButton);
    Click(menu->Dialogs.ProfileDelete);
    ASSERT_TRUE(menu->Dialogs.DeleteProfileAreYouSure);
    Step(*menu, 30);
    Click(menu->Dialogs.DeleteProfileAreYouSure->yes);
    EXPECT_EQ(Profiles.Count(), 1);
    EXPECT_EQ(CurrentProfile->Name, "Ann");
    Settle();
    Click(menu->Dialogs.ProfileCancel);
    EXPECT_FALSE(menu->ProfileDialogOpen());
    ASSERT_EQ(Profiles.Count(), 2);
    EXPECT_EQ(CurrentProfile->Name, "Bo");
}

TEST_F(Menu, DeletingTheLastProfileAsksForANewOne) {
    AddProfile("Ann");
    StartMenu();
    Click(menu->ProfileButton);
    Click(menu->Dialogs.ProfileDelete);
    Step(*menu, 30);
    Click(menu->Dialogs.DeleteProfileAreYouSure->yes);
    EXPECT_FALSE(CurrentProfile);
    ASSERT_TRUE(menu->NewProfileDialogOpen());
    EXPECT_FALSE(menu->Dialogs.NewProfileCancel);
}

TEST_F(Menu, CancelNeverLosesProfilesWhenTheFileCannotHoldThem) {
    AddProfile("Ann");
    AddProfile("Bo");
    // The profiles file cannot be written or read: the save at opening
    // fails, and the reload finds nothing.
    ASSERT_EQ(CreateDir(ProfilesFile(), 1), 1);
    StartMenu();
    Click(menu->ProfileButton);
    Click(menu->Dialogs.ProfileCancel);
    ASSERT_EQ(Profiles.Count(), 2);
    ASSERT_TRUE(CurrentProfile);
    EXPECT_EQ(CurrentProfile->Name, "Bo");
}

TEST_F(Menu, ANewProfilesOldSavedGameGoesOnlyWhenTheDialogIsConfirmed) {
    AddProfile("Ann");
    StartMenu();
    // The saved games live in the working folder.
    test::TempDir saves;
    test::WorkingFolder inSaves(saves.Path());
    ASSERT_EQ(CreateDir("media\\saves\\", 1), 1);
    ASSERT_EQ(SaveText(SavedGamePath("Bo"), "old game"), 1);

    auto createBo = [&] {
        Click(menu->ProfileButton);
        Click(menu->Dialogs.ProfileNew);
        ASSERT_TRUE(menu->NewProfileDialogOpen());
        Type(*menu, "bo");
        Key(kEnter);
        Step(*menu, 2);
        ASSERT_EQ(Profiles.Count(), 2);
    };
    createBo();
    EXPECT_NE(FileSize(SavedGamePath("Bo")), -1);
    Settle();
    Click(menu->Dialogs.ProfileCancel);
    EXPECT_EQ(Profiles.Count(), 1);
    EXPECT_NE(FileSize(SavedGamePath("Bo")), -1) << "cancelled: the old game stays";

    Settle();
    createBo();
    Settle();
    Click(menu->Dialogs.ProfileOK);
    EXPECT_EQ(FileSize(SavedGamePath("Bo")), -1);
}

TEST_F(Menu, PlayOffersASavedLevelBackAndOnlyAClickedNoThrowsItAway) {
    AddProfile("Ann")->CurrentAdventure = 0;
    StartMenu();
    test::TempDir saves;
    test::WorkingFolder inSaves(saves.Path());
    ASSERT_EQ(CreateDir("media\\saves\\", 1), 1);
    Text path = SavedGamePath("Ann");
    ASSERT_EQ(SaveText(path, "[game]\ntemple = 0\n"), 1);

    Click(menu->MainButton);
    Step(*menu, 30);
    ASSERT_TRUE(menu->ResumeGameAreYouSure);
    Key(KeyEscape);
    Step(*menu, 5);
    EXPECT_EQ(menu->ResumeGameAreYouSure->Value(), 0) << "Escape must not answer";
    EXPECT_NE(FileSize(path), -1);
    ClickGadget(menu->ResumeGameAreYouSure->yes);
    Step(*menu, 2);
    EXPECT_FALSE(menu->ResumeGameAreYouSure);
    // The game scene took the path and, having read the file, deleted it.
    EXPECT_TRUE(Cast<MainGame>(TopScene()));
    EXPECT_TRUE(ResumeSavePath.empty());
    EXPECT_EQ(FileSize(path), -1);
    ResetSceneStack();

    ASSERT_EQ(SaveText(path, "[game]\ntemple = 0\n"), 1);
    StartMenu();
    Click(menu->MainButton);
    Step(*menu, 30);
    ASSERT_TRUE(menu->ResumeGameAreYouSure);
    ClickGadget(menu->ResumeGameAreYouSure->no);
    Step(*menu, 2);
    EXPECT_EQ(FileSize(path), -1);
    EXPECT_TRUE(ResumeSavePath.empty());
    EXPECT_FALSE(menu->ResumeGameAreYouSure);
}

TEST_F(Menu, TheForcedFirstProfileRemovesAnOldSavedGameAtOnce) {
    StartMenu(false);
    test::TempDir saves;
    test::WorkingFolder inSaves(saves.Path());
    ASSERT_EQ(CreateDir("media\\saves\\", 1), 1);
    ASSERT_EQ(SaveText(SavedGamePath("Cy"), "old game"), 1);
    Type(*menu, "cy");
    Key(kEnter);
    Step(*menu, 2);
    ASSERT_TRUE(CurrentProfile);
    EXPECT_EQ(FileSize(SavedGamePath("Cy")), -1);
}

TEST_F(Menu, NewIsRefusedAtFiveProfiles) {
    for (const char* name : {"A", "B", "C", "D", "E"}) AddProfile(name);
    StartMenu();
    Click(menu->ProfileButton);
    Step(*menu);
    EXPECT_EQ(menu->Dialogs.ProfileNew->active, 0);
    Click(menu->Dialogs.ProfileNew);
    EXPECT_FALSE(menu->NewProfileDialogOpen());
}

TEST_F(Menu, TheBookIsThereOnlyOnceTheQuestHasBegun) {
    Ref<PlayerProfile> p = AddProfile("Ann");
    StartMenu();
    EXPECT_EQ(menu->BookActive(), 0);
    EXPECT_EQ(menu->BookButton->disablemouse, 1);
    p->CurrentAdventure = 3;
    Step(*menu);
    EXPECT_EQ(menu->BookActive(), 1);
    EXPECT_EQ(menu->BookButton->disablemouse, 0);
    // A click starts opening the book, with an empty dialog holding the
    // buttons still.
    Click(menu->BookButton);
    EXPECT_GT(menu->BookScaleUp, 0);
    EXPECT_TRUE(menu->guiBase->Child);
    CurrentProfile = nullptr;
    EXPECT_EQ(menu->BookActive(), 0);
}

TEST_F(Menu, TheBookOpensOverTwoHundredUpdates) {
    auto m = New<MainScene>();
    m->BookScaleUp = 0;
    EXPECT_FLOAT_EQ(m->BookButtonScale(), 1);
    EXPECT_EQ(m->BookButtonFrame(), 0);
    EXPECT_FLOAT_EQ(m->BookFadeoutAlpha(), 0);
    m->BookScaleUp = 90;
    EXPECT_EQ(m->BookButtonFrame(), 8); // fully open: the large picture
    m->BookScaleUp = 150;
    EXPECT_FLOAT_EQ(m->BookFadeoutAlpha(), LerpSqrtClamped(0, 1, 0.5f));
    m->BookScaleUp = 270;
    EXPECT_FLOAT_EQ(m->BookButtonScale(), 4);
}

TEST_F(Menu, TheEntranceDropsTheSignAndUncoversTheLogo) {
    AddProfile("Ann");
    StartMenu(false);
    SlideClock = -21; // -20 after the next update: the drop has not begun
    Step(*menu);
    auto [x0, y0] = menu->SignPos();
    EXPECT_NEAR(x0, 150, 1);
    EXPECT_NEAR(y0, -300 + SignSwayA, 1);
    SlideClock = 229; // (229 + 1 + 20) / 250 = 1 after the next update
    Step(*menu);
    auto [x1, y1] = menu->SignPos();
    EXPECT_FLOAT_EQ(x1, 196);
    EXPECT_FLOAT_EQ(y1, 18 + SignSwayA);

    const float w = 0.75f * static_cast<float>(ImageWidth(MainMenuImages.Logo));
    SlideClock = 100;
    EXPECT_FLOAT_EQ(menu->LogoCutoff(), 455 - w / 2);
    SlideClock = 175;
    EXPECT_FLOAT_EQ(menu->LogoCutoff(), 455);
    SlideClock = 250;
    EXPECT_FLOAT_EQ(menu->LogoCutoff(), 455 + w / 2);

    // Sparkles run down the uncovered edge only while it moves.
    SlideClock = 150;
    for (int i = 0; i < 20; ++i) menu->LogoUpdate();
    EXPECT_GT(MenuParticles.AllParticles.Count(), 0);
    MenuParticles = ParticleGroup{};
    SlideClock = 400;
    for (int i = 0; i < 20; ++i) menu->LogoUpdate();
    EXPECT_EQ(MenuParticles.AllParticles.Count(), 0);
}

TEST_F(Menu, TheButtonsRiseInOrder) {
    AddProfile("Ann");
    StartMenu(false);
    SlideClock = 0;
    Step(*menu);
    EXPECT_GT(menu->ExitButton->y, 600); // still below the screen
    EXPECT_EQ(menu->MainButton->DisableMouseOverEffect, 1);
    SlideClock = menu->MainButton->_y / 8 + 200;
    menu->Update();
    EXPECT_FLOAT_EQ(menu->MainButton->y, menu->MainButton->_y);
    EXPECT_EQ(menu->MainButton->DisableMouseOverEffect, 0);
    EXPECT_NE(menu->ExitButton->y, menu->ExitButton->_y); // the lower ones start later
}

TEST_F(Menu, TheGuideFliesToTheBookOnce) {
    Ref<PlayerProfile> p = AddProfile("Ann");
    p->CurrentAdventure = 2;
    LogoTicks = 0;
    StartMenu();
    EXPECT_EQ(menu->DoFairy, 1);
    EXPECT_EQ(p->Displayedbook, 1);
    LogoTicks = 150;
    EXPECT_FLOAT_EQ(menu->FairyX(), 300);
    EXPECT_FLOAT_EQ(menu->FairyY(), -300);
    LogoTicks = 600;
    GuideTicks = 0;
    EXPECT_FLOAT_EQ(menu->FairyX(), 247);
    EXPECT_NEAR(menu->FairyY(), 512 + 10, 1e-3);
    // The next visit does not show it again.
    auto again = New<MainScene>();
    again->Init();
    EXPECT_EQ(again->DoFairy, 0);
}

TEST_F(Menu, TheSelfPlayingModePressesPlayOnlyForAPlayer) {
    TestMode = 1;
    StartMenu(false);
    Step(*menu, 5);
    EXPECT_EQ(TopScene(), menu); // nothing pressed without a player
    Ref<PlayerProfile> p = AddProfile("Ann");
    p->InMasterQuest = 1;
    Step(*menu, 2);
    EXPECT_EQ(p->InMasterQuest, 0); // play was pressed
}

TEST_F(Menu, QuittingFadesOutAndEndsThroughTheExitHook) {
    AddProfile("Ann");
    StartMenu();
    int exits = 0;
    auto saved = FrameUpcalls.Exit;
    FrameUpcalls.Exit = [&exits]() -> int { return ++exits; };
    Click(menu->ExitButton);
    ASSERT_TRUE(menu->ExitAreYouSure);
    Step(*menu, 30);
    Click(menu->ExitAreYouSure->yes);
    EXPECT_GT(menu->Exiting, 0);
    Step(*menu, 148 - menu->Exiting);
    EXPECT_EQ(exits, 0);
    Step(*menu, 5);
    EXPECT_GE(exits, 1);
    FrameUpcalls.Exit = saved;
}

TEST_F(Menu, EscapeBacksOutOfEachDialogAndOnTheBareMenuAsksToQuit) {
    AddProfile("Ann");
    AddProfile("Bo");
    StartMenu();
    // The profile dialog: Escape is its Cancel, selections and all.
    Click(menu->ProfileButton);
    ASSERT_TRUE(menu->ProfileDialogOpen());
    Click(menu->Dialogs.ProfileNameStatic[0]);
    EXPECT_EQ(CurrentProfile->Name, "Ann");
    Key(KeyEscape);
    Step(*menu, 2);
    EXPECT_FALSE(menu->ProfileDialogOpen());
    EXPECT_EQ(CurrentProfile->Name, "Bo");
    EXPECT_FALSE(menu->ExitAreYouSure); // the same Escape does not ask to quit
    Settle();

    // A confirmation over the dialog takes the Escape for itself.
    Click(menu->ProfileButton);
    Click(menu->Dialogs.ProfileDelete);
    ASSERT_TRUE(menu->Dialogs.DeleteProfileAreYouSure);
    Key(KeyEscape);
    Step(*menu, 2);
    EXPECT_TRUE(menu->ProfileDialogOpen());
    EXPECT_EQ(Profiles.Count(), 2);
    Key(KeyEscape);
    Step(*menu, 2);
    EXPECT_FALSE(menu->ProfileDialogOpen());
    Settle();

    // Options take it back as their Cancel, and no more.
    Click(menu->OptionsButton);
    ASSERT_TRUE(OptionsOpen());
    Key(KeyEscape);
    Step(*menu, 2);
    EXPECT_FALSE(OptionsOpen());
    EXPECT_FALSE(menu->ExitAreYouSure);
    Settle();

    // With nothing open it asks whether to quit; Escape there answers no.
    Key(KeyEscape);
    Step(*menu, 2);
    ASSERT_TRUE(menu->ExitAreYouSure);
    Step(*menu, 30);
    Key(KeyEscape);
    Step(*menu, 2);
    EXPECT_EQ(menu->Exiting, 0);
    Settle();
    EXPECT_FALSE(menu->guiBase->Child);
}

} // namespace
} // namespace wispwood
