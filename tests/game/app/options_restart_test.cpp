// The options a player chooses in the title screen's dialog, relaxed play
// and calm effects, are there again when the game is started anew: the
// effects from the settings file, relaxed play from the player's profile.
#include "engine/io/file_stream.h"
#include "framework/gui/gui_selectable.h"
#include "framework/particles/calm_effects.h"
#include "framework/scene/scene_stack.h"
#include "game/app/main_scene.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "game/services/user_data.h"
#include "tests/support/game_harness.h"
#include "tests/support/scene_fixture.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

struct KeptOptionFiles {
    Text config, profiles;
};

void ClickOptionsGadget(test::GameHarness& game, const Ref<guiGadget>& g) {
    ASSERT_TRUE(g);
    game.Click(static_cast<int>(g->x + g->GetWidtH() / 2), static_cast<int>(g->y + g->GetHeight() / 2));
    game.Frames(3);
}

// Through the logos into the title screen, and its options dialog open.
void OpenOptionsFromTitle(test::GameHarness& game) {
    ASSERT_TRUE(game.Start());
    // Ten updates a frame through the logos and the loading screen.
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>() && !TransitionInProgress(0); }, 600, 100));
    auto menu = Cast<MainScene>(TopScene());
    ASSERT_TRUE(game.RunUntil(
        [&] { return menu->OptionsButton && !menu->OptionsButton->DisableMouseOverEffect; }, 1000));
    game.Frames(50);
    ClickOptionsGadget(game, menu->OptionsButton);
    ASSERT_EQ(OptionsOpen(), 1);
    game.Frames(4, 100);
}

TEST(OptionsAcrossARestart, RelaxedPlayAndCalmEffectsAreKeptByTheProfileAndTheSettings) {
    KeptOptionFiles kept;
    {
        test::GameHarness game;
        ASSERT_EQ(EnsureUserDataFolder(), 1);
        ASSERT_EQ(CreateProfile("Ann"), 1);
        SelectProfileByName("Ann");
        SaveProfiles();
        ResetProfiles();
        OpenOptionsFromTitle(game);
        ASSERT_TRUE(RelaxedOffTick && RelaxedOffTick->IsSelected());
        ASSERT_TRUE(FullEffectsTick && FullEffectsTick->IsSelected());
        EXPECT_EQ(RelaxedOnTick->active, 1);
        ClickOptionsGadget(game, RelaxedOnTick);
        ClickOptionsGadget(game, CalmEffectsTick);
        EXPECT_TRUE(CurrentProfile->Relaxed);
        EXPECT_TRUE(CalmEffects) << "the effects change at once";
        game.SaveFrame("options-dialog");
        ClickOptionsGadget(game, OptionsOK);
        // Written at once, not only at exit.
        ASSERT_TRUE(LoadText(UserDataPath() + "config.txt", kept.config));
        ASSERT_TRUE(LoadText(UserDataPath() + "playerprofiles.txt", kept.profiles));
        EXPECT_NE(kept.config.find("calmeffects = 1"), Text::npos) << kept.config;
        EXPECT_NE(kept.profiles.find("relaxed = 1"), Text::npos) << kept.profiles;
    }
    test::GameHarness game;
    ASSERT_EQ(EnsureUserDataFolder(), 1);
    ASSERT_EQ(SaveText(UserDataPath() + "config.txt", kept.config), 1);
    ASSERT_EQ(SaveText(UserDataPath() + "playerprofiles.txt", kept.profiles), 1);
    OpenOptionsFromTitle(game);
    EXPECT_TRUE(CalmEffects);
    ASSERT_TRUE(CurrentProfile);
    EXPECT_TRUE(CurrentProfile->Relaxed);
    EXPECT_TRUE(RelaxedOnTick->IsSelected());
    EXPECT_TRUE(CalmEffectsTick->IsSelected());

    // Cancel gives both back as the dialog found them.
    ClickOptionsGadget(game, RelaxedOffTick);
    ClickOptionsGadget(game, FullEffectsTick);
    EXPECT_FALSE(CalmEffects);
    ClickOptionsGadget(game, OptionsCancel);
    EXPECT_TRUE(CurrentProfile->Relaxed);
    EXPECT_TRUE(CalmEffects);
}

} // namespace
} // namespace wispwood
