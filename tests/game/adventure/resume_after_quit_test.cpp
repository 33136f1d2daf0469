// A level in progress survives the program being told to stop: location 3
// is played from the quest map, the process receives SIGTERM, and a second
// start of the program, asked through the main menu, brings the same board,
// score and time left back.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_gadget.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/spot_levels.h"
#include "game/app/main_scene.h"
#include "game/board/game_score.h"
#include "game/board/time_limit.h"
#include "game/services/profiles.h"
#include "game/services/saved_game_path.h"
#include "tests/support/board_listing.h"
#include "tests/support/game_harness.h"
#include "tests/support/scene_fixture.h"
#include "tests/support/scripted_player.h"
#include <csignal>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

void Settle(test::GameHarness& game) {
    ASSERT_TRUE(game.RunUntil([] { return !TransitionInProgress(0); }, 400));
}

struct LevelSnapshot {
    std::vector<Text> pieces;
    int score = 0, timeLeft = 0, spot = -1;
};

const Text kPlayer = "Wren";

TEST(ResumeAfterQuit, ALevelStoppedBySigtermComesBackAsItWasThroughTheMenu) {
    Text profiles;
    LevelSnapshot before;
    const Text path = SavedGamePath(kPlayer);
    DeleteFile(path);
    {
        test::GameHarness game;
        ASSERT_TRUE(game.Start({}));
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 2000));
        Settle(game);
        ASSERT_EQ(CreateProfile(kPlayer), 1);
        SelectProfileByName(kPlayer);
        CurrentProfile->CurrentAdventure = 3;
        PushScene(MakeQuestMap());
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<QuestMap>(); }, 200));
        Settle(game);
        test::ClickGadget(game, Cast<QuestMap>(TopScene())->QuestContinue);
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainGame>(); }, 200));
        Settle(game);
        ASSERT_EQ(CurrentSpotIndex, 3);
        test::PlayMatches(game, 4);
        game.Frames(300);
        ASSERT_GT(GameScore, 0) << "the scripted player made no match";

        std::raise(SIGTERM);
        ASSERT_TRUE(game.RunUntil([&] { return game.Ended(); }, 100)) << "SIGTERM did not end the program";
        before = {test::ListPieces(true), GameScore, TimeLeft, CurrentSpotIndex};
        ASSERT_EQ(PathKind(path), 1) << "no saved game at " << path;
        ASSERT_TRUE(LoadText(game.User().Path() + "/Wispwood/playerprofiles.txt", profiles));
    }

    // The second start: a new per-user folder holding what the first left.
    test::GameHarness game;
    ASSERT_EQ(CreateDir(game.User().Path() + "/Wispwood/", 1), 1);
    ASSERT_EQ(SaveText(game.User().Path() + "/Wispwood/playerprofiles.txt", profiles), 1);
    ASSERT_TRUE(game.Start({}));
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainScene>(); }, 2000));
    Settle(game);
    auto menu = Cast<MainScene>(TopScene());
    ASSERT_TRUE(CurrentProfile);
    ASSERT_EQ(CurrentProfile->Name, kPlayer);
    game.Frames(500); // the entrance: the buttons rise into place
    test::ClickGadget(game, menu->MainButton);
    ASSERT_TRUE(game.RunUntil([&] { return menu->ResumeGameAreYouSure != nullptr; }, 100));
    game.Frames(50);
    test::ClickGadget(game, menu->ResumeGameAreYouSure->yes);
    ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainGame>(); }, 200));
    auto scene = Cast<MainGame>(TopScene());
    EXPECT_EQ(PathKind(path), 0) << "a saved game is resumed at most once";
    EXPECT_EQ(CurrentSpotIndex, before.spot);
    EXPECT_EQ(GameScore, before.score);
    EXPECT_EQ(TimeLeft, before.timeLeft);
    EXPECT_EQ(test::ListPieces(), before.pieces);
    EXPECT_GT(scene->GetReady, 0);
    DeleteFile(path);
}

} // namespace
} // namespace wispwood
