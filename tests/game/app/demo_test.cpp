// The title screen's demo through the real program: it waits for thirty
// quiet seconds, plays a location behind its banner, gives way to any input
// at once, finishes by itself, and leaves the player's state and files as
// it found them.
#include "engine/draw/graphics.h"
#include "engine/draw/pixmap.h"
#include "engine/input/key_codes.h"
#include "engine/io/file_system.h"
#include "engine/io/random.h"
#include "framework/draw_state/draw_state.h"
#include "framework/gui/gui_gadget.h"
#include "framework/highscores/high_score_table.h"
#include "framework/scene/input_snapshot.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/score_tables.h"
#include "game/app/demo.h"
#include "game/app/demo_game.h"
#include "game/app/main_scene.h"
#include "game/board/game_score.h"
#include "game/board/level_result.h"
#include "game/level/tally.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/saved_game_path.h"
#include "game/services/settings.h"
#include "tests/support/game_harness.h"
#include "tests/support/golden_image.h"
#include "tests/support/scene_fixture.h"
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace wispwood {
namespace {

const Text kDemoWatcher = "Robin";

// Every file of a folder tree, by path, with its bytes.
std::map<std::string, std::string> FilesUnder(const Text& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root.c_str())) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[entry.path().string()] = bytes.str();
    }
    return files;
}

int Channel(int pixel, int shift) {
    return (pixel >> shift) & 255;
}

bool SameColour(int a, int b) {
    for (int shift : {0, 8, 16})
        if (std::abs(Channel(a, shift) - Channel(b, shift)) > 12) return false;
    return true;
}

class TitleDemo : public ::testing::Test {
  protected:
    test::GameHarness game;

    // The title screen with its first-profile dialog.
    void SetUp() override {
        ASSERT_TRUE(game.Start());
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 2000));
        menu = Cast<MainScene>(TopScene());
    }
    // Game time in updates, ten to a frame as a slow display would run it.
    void Updates(int n) { game.Frames(n / 10, 100); }
    // A name typed into the first-profile dialog and confirmed.
    void MakeProfile() {
        for (char c : kDemoWatcher) {
            game.TypeChar(c);
            game.Frames(1);
        }
        game.PressKey(13);
        Updates(100);
        ASSERT_TRUE(CurrentProfile);
        ASSERT_FALSE(menu->NewProfileDialogOpen());
    }
    void Click(const Ref<guiGadget>& g) {
        ASSERT_TRUE(g);
        game.Click(static_cast<int>(g->x + g->GetWidtH() / 2), static_cast<int>(g->y + g->GetHeight() / 2));
    }
    // Started as the title screen does; the menu is fresh when it comes back.
    void StartDemoNow() {
        ASSERT_EQ(StartDemo(), 1);
        Updates(300);
        ASSERT_TRUE(test::OnTop<DemoGame>());
    }
    void ExpectTitleScreenAtOnce(const char* input) {
        game.Frames(1);
        EXPECT_TRUE(test::OnTop<MainScene>()) << input;
        EXPECT_FALSE(TransitionInProgress()) << input << ": the menu shows at once";
        EXPECT_FALSE(DemoRunning()) << input;
        EXPECT_EQ(CurrentProfile, player) << input;
        EXPECT_EQ(MouseOverridden, 0) << input << ": the mouse is the player's again";
        menu = Cast<MainScene>(TopScene());
    }

    Ref<MainScene> menu;
    Ref<PlayerProfile> player;
};

TEST_F(TitleDemo, StartsAfterThirtyQuietSecondsAndNeverUnderADialog) {
    // A first start waits for a name, however long.
    Updates(DemoIdleUpdates + 200);
    EXPECT_FALSE(DemoRunning());
    ASSERT_TRUE(menu->NewProfileDialogOpen());
    MakeProfile();
    Updates(600); // the buttons rise into place

    Click(menu->OptionsButton);
    Updates(50);
    ASSERT_TRUE(OptionsOpen());
    Updates(DemoIdleUpdates + 200);
    EXPECT_FALSE(DemoRunning()) << "the options dialog is open";
    Click(OptionsCancel);
    Updates(100);
    ASSERT_FALSE(OptionsOpen());

    // A nudge of the mouse starts the thirty seconds again.
    Updates(DemoIdleUpdates - 200);
    EXPECT_FALSE(DemoRunning());
    game.MoveMouseTo(400, 500);
    Updates(DemoIdleUpdates - 100);
    EXPECT_FALSE(DemoRunning()) << "too early after the mouse moved";
    EXPECT_TRUE(test::OnTop<MainScene>());
    Updates(200);
    EXPECT_TRUE(DemoRunning());
    EXPECT_TRUE(game.RunUntil([] { return test::OnTop<DemoGame>() && !TransitionInProgress(); }, 50));
}

TEST_F(TitleDemo, AKeyAClickOrAMoveEndsItAtOnceAndThePlayerHasTheirStateBack) {
    MakeProfile();
    player = CurrentProfile;

    // The state the demo sets aside comes back as it was.
    const int32_t seed = RandomSeed();
    LastPlayedSpot = 7;
    GameScore = 1234;
    ResumeSavePath = "somewhere";
    ASSERT_EQ(StartDemo(), 1);
    EXPECT_NE(CurrentProfile, player);
    EXPECT_EQ(StartDemo(), 0) << "one demo at a time";
    StopDemo();
    EXPECT_EQ(RandomSeed(), seed);
    EXPECT_EQ(CurrentProfile, player);
    EXPECT_EQ(LastPlayedSpot, 7);
    EXPECT_EQ(GameScore, 1234);
    EXPECT_EQ(ResumeSavePath, "somewhere");
    LastPlayedSpot = -1;
    ResumeSavePath.clear();
    // The demo sees it was stopped and leaves, once its fade in is over.
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 30));
    menu = Cast<MainScene>(TopScene());

    StartDemoNow();
    game.PressKey('A');
    ExpectTitleScreenAtOnce("a key");

    // The click that ends the demo is not a click on the menu as well.
    StartDemoNow();
    Click(menu->MainButton);
    ExpectTitleScreenAtOnce("a click");
    Updates(100);
    EXPECT_TRUE(test::OnTop<MainScene>()) << "the click went on to the play button";

    StartDemoNow();
    game.MoveMouseTo(123, 321);
    ExpectTitleScreenAtOnce("a move");
    EXPECT_EQ(GameMouseX(), 123);
    EXPECT_EQ(GameMouseY(), 321);
}

TEST_F(TitleDemo, TheBannerIsDrawnOverTheBoard) {
    MakeProfile();
    StartDemoNow();
    const Ref<TPixmap> frame = game.Grab();

    // The banner alone, settled, on black.
    SeedRandom(99);
    DemoBanner banner;
    for (int i = 0; i < 300; ++i) banner.Update(false);
    TDrawState::Push();
    SetColor(0, 0, 0);
    DrawRect(0, 0, 800, 600);
    TDrawState::Pop();
    banner.Render();
    const Ref<TPixmap> alone = GrabPixmap(0, 0, 800, 600);
    EXPECT_TRUE(test::MatchesGolden(alone, "demo-banner", {4, 40}));

    // The plate hides the board where it stands, on both sides of its word.
    const int x = static_cast<int>(banner.CentreX()), y = static_cast<int>(banner.CentreY());
    for (int dx : {-85, 85}) {
        EXPECT_FALSE(SameColour(ReadPixel(alone, x + dx, y), 0)) << "no plate at " << dx;
        EXPECT_TRUE(SameColour(ReadPixel(frame, x + dx, y), ReadPixel(alone, x + dx, y)))
            << "the demo's frame shows no banner at " << dx;
    }
}

TEST_F(TitleDemo, PlaysItsLevelToTheEndAndLeavesThePlayersFilesAsTheyWere) {
    MakeProfile();
    player = CurrentProfile;
    player->CurrentAdventure = 12;
    player->Lives = 2;
    player->Score = 4321;
    player->Gems = 3;
    player->SilverMedals = 1;
    player->GoldMedals = 4;
    player->LevelStates[3] = 2;
    player->DisplayHowToPlay = 1;
    player->Displayedbook = 1;
    // Every file a shutdown writes, written as it would write it.
    SaveProfiles();
    SaveProfiles();
    SaveSettings();
    SaveHighScores();
    SaveHighScores();
    SaveRelaxedHighScores();
    SaveRelaxedHighScores();
    Updates(50);
    const auto files = FilesUnder(game.User().Path());
    ASSERT_FALSE(files.empty());

    StartDemoNow();
    // Won with the bot's clicks; the tally counts up and its "ok" is
    // clicked for the player, who sees the menu again.
    ASSERT_TRUE(game.RunUntil([] { return TallyAwaitsOk() != 0; }, 1500, 100)) << "no win within 150 s";
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 40, 100));
    EXPECT_FALSE(DemoRunning());

    EXPECT_EQ(CurrentProfile, player);
    EXPECT_EQ(player->CurrentAdventure, 12);
    EXPECT_EQ(player->Lives, 2);
    EXPECT_EQ(player->Score, 4321);
    EXPECT_EQ(player->Gems, 3);
    EXPECT_EQ(player->GoldMedals, 4);
    EXPECT_EQ(player->LevelStates[3], 2);
    EXPECT_EQ(player->LevelStates[24], 0);
    EXPECT_EQ(player->DisplayHowToPlay, 1);
    EXPECT_EQ(LastPlayedSpot, -1) << "the quest map would hand the demo's medal to the player";
    EXPECT_EQ(FilesUnder(game.User().Path()), files);

    // Closing the window during a demo saves the player's own state, and
    // no level in progress.
    StartDemoNow();
    std::raise(SIGTERM);
    ASSERT_TRUE(game.RunUntil([&] { return game.Ended(); }, 100));
    EXPECT_EQ(PathKind(SavedGamePath(kDemoWatcher)), 0);
    EXPECT_EQ(FilesUnder(game.User().Path()), files);
}

} // namespace
} // namespace wispwood
