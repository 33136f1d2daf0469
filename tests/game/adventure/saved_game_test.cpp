// A level saved while it is played, and restored through the game scene.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/text_convert.h"
#include "framework/data/section_file.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/level_in_progress.h"
#include "game/adventure/main_game.h"
#include "game/adventure/saved_game.h"
#include "game/adventure/spot_levels.h"
#include "game/board/board.h"
#include "game/board/game_score.h"
#include "game/board/level_set.h"
#include "game/board/match_availability.h"
#include "game/board/powerup.h"
#include "game/board/quota.h"
#include "game/board/scroll.h"
#include "game/board/time_limit.h"
#include "game/level/level_end.h"
#include "game/level/level_start.h"
#include "game/services/profiles.h"
#include "game/services/saved_game_path.h"
#include "tests/support/ascii_board.h"
#include "tests/support/board_listing.h"
#include "tests/support/game_harness.h"
#include "tests/support/scripted_player.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using test::ListPieces;

class SavedGame : public ::testing::Test {
  protected:
    test::GameHarness game;
    Text path;

    void SetUp() override {
        ASSERT_TRUE(game.Start({"run3"}));
        ASSERT_TRUE(game.RunUntil([] { return Cast<MainGame>(TopScene()) != nullptr; }, 2000));
        ASSERT_TRUE(game.RunUntil([] { return !TransitionInProgress(0); }, 400));
        // A player's own profile: the developer start plays on a temporary one.
        ASSERT_EQ(CreateProfile("Ann"), 1);
        SelectProfileByName("Ann");
        path = SavedGamePath("Ann");
        DeleteFile(path);
    }
    void TearDown() override { DeleteFile(path); }

    // A fresh game scene asked to resume the profile's saved game.
    Ref<MainGame> Resume() {
        ResumeSavePath = path;
        auto scene = Cast<MainGame>(MakeMainGame());
        PushSceneInstantly(scene);
        game.Frames(1);
        return scene;
    }
};

TEST_F(SavedGame, ALevelSavedMidwayComesBackAsItWasAndCountsGetReadyDown) {
    test::PlayMatches(game, 4);
    game.Frames(300);
    ASSERT_EQ(LevelInProgress(), 1);
    CurrentProfile->Lives = 2;
    std::vector<Text> pieces = ListPieces(true);
    int score = GameScore, quota = QuotaCollected, timeLeft = TimeLeft, level = CurrentLevelIndex;
    float scroll = ScrollOffset;
    ASSERT_GT(score, 0);
    ASSERT_LT(timeLeft, LevelTime);
    SaveLevelInProgress();
    ASSERT_EQ(PathKind(path), 1);

    // Whatever happened since, the file brings the level back.
    StartLevel(1, 0);
    GameScore = 0;
    CurrentProfile->Lives = 3;
    Ref<MainGame> scene = Resume();
    EXPECT_EQ(PathKind(path), 0) << "a saved game is resumed at most once";
    EXPECT_EQ(CurrentSpotIndex, 3);
    EXPECT_EQ(CurrentLevelIndex, level);
    EXPECT_EQ(GameScore, score);
    EXPECT_EQ(DisplayedScore, score);
    EXPECT_EQ(QuotaCollected, quota);
    EXPECT_EQ(TimeLeft, timeLeft);
    EXPECT_EQ(CurrentProfile->Lives, 2);
    EXPECT_NEAR(ScrollOffset, scroll, 0.01);
    // The kinds that are not rebuilt (gems, destroyers, ...) leave holes.
    EXPECT_EQ(ListPieces(), pieces);
    EXPECT_GT(scene->GetReady, 140);
    // "GET READY" holds the clock, then play goes on.
    ASSERT_TRUE(game.RunUntil([&] { return scene->GetReady < 80; }, 200));
    EXPECT_EQ(TimeLeft, timeLeft);
    ASSERT_TRUE(game.RunUntil([&] { return scene->GetReady == 0; }, 200));
    game.Frames(100);
    EXPECT_LT(TimeLeft, timeLeft);
}

// A saved level goes on in the mode it started in, whatever the player has
// chosen since; a file from before relaxed play resumes on the clock.
TEST_F(SavedGame, ALevelResumesInTheModeItWasSavedIn) {
    CurrentProfile->Relaxed = true;
    StartLevel(1, 0);
    ASSERT_TRUE(RelaxedLevel);
    ASSERT_FALSE(IsTimed());
    EXPECT_TRUE(CurrentProfile->RelaxedGame);
    ASSERT_EQ(SaveGame(path), 1);
    Text bytes;
    ASSERT_TRUE(LoadText(path, bytes));

    CurrentProfile->Relaxed = false;
    StartLevel(1, 0);
    ASSERT_TRUE(IsTimed());
    Resume();
    EXPECT_TRUE(RelaxedLevel);
    EXPECT_FALSE(IsTimed());

    const size_t key = bytes.find("relaxed = 1\r\n");
    ASSERT_NE(key, Text::npos) << bytes;
    bytes.erase(key, 13);
    ASSERT_EQ(SaveText(path, bytes), 1);
    CurrentProfile->Relaxed = true;
    Resume();
    EXPECT_FALSE(RelaxedLevel);
    EXPECT_TRUE(IsTimed());
}

TEST_F(SavedGame, OnlyTheSimpleKindsAreRebuiltAndARunningSequenceComesBack) {
    test::BuildBoard({"0BSWC", "HOVDX", "ERLK1"});
    Cast<CrumblingPiece>(Board(4, 0))->SetStage(1);
    for (int x = 0; x < 5; ++x)
        for (int y = 0; y < 3; ++y)
            if (Board(x, y)) Board(x, y)->Color = 3;
    Board(0, 0)->Color = 5;
    ASSERT_EQ(SaveGame(path), 1);
    Text bytes;
    ASSERT_TRUE(LoadText(path, bytes));
    EXPECT_NE(bytes.find("standard,0,0,5,0"), Text::npos) << bytes;
    EXPECT_NE(bytes.find("crumbling1,4,0,3,0"), Text::npos) << bytes;
    ASSERT_EQ(LoadGame(path), SavedGameLoad::Resumed);
    EXPECT_EQ(ListPieces(), (std::vector<Text>{"standard@0,0:5", "bomb@1,0:3", "stonepiece@2,0:3",
                                               "stonewall@3,0:3", "crumbling1@4,0:3", "standard@4,2:3"}));
    EXPECT_EQ(Cast<CrumblingPiece>(Board(4, 0))->CrumblingProgress, 1);

    // Saved inside the try-again sequence, it resumes there without the
    // "GET READY" banner.
    SuccessSequence = New<GameSuccess>();
    SuccessSequence->TryAgain = 1;
    SuccessSequence->Ticks = 120;
    ASSERT_EQ(SaveGame(path), 1);
    ResetLevelEnd();
    Ref<MainGame> scene = Resume();
    ASSERT_TRUE(SuccessSequence);
    EXPECT_EQ(SuccessSequence->TryAgain, 1);
    EXPECT_GE(SuccessSequence->Ticks, 120);
    EXPECT_EQ(scene->GetReady, 0);
}

TEST_F(SavedGame, HostileFilesAreRefusedWholeOrPieceByPiece) {
    Ref<LevelSet> set = CurrentLevelSet;
    for (Text bad : {Text("[game]\ntemple = 150\n"), Text("[game]\ntemple = -1\n"),
                     Text("[game]\ntemple = 3\nlevel = 99\n"), Text("[game]\ntemple = 3\nlevel = -2\n")}) {
        SCOPED_TRACE(bad);
        ASSERT_EQ(SaveText(path, bad), 1);
        EXPECT_EQ(LoadGame(path), SavedGameLoad::Unreadable);
        EXPECT_EQ(CurrentLevelSet, set);
    }
    // Through the scene an unreadable file starts the level afresh and is gone.
    Resume();
    EXPECT_EQ(PathKind(path), 0);
    EXPECT_FALSE(ListPieces().empty());

    ASSERT_EQ(SaveText(path,
                       "[game]\ntemple = 3\nlevel = 0\n[board]\ny = nan\n[pieces]\n"
                       "piece1 = standard,0,0,2,0\npiece2 = standard,0,1,8,0\npiece3 = standard,-1,0,1,0\n"
                       "piece4 = standard,99,0,1,0\npiece5 = crumbling7,1,0,0,0\npiece6 = bomb,1,1,-3,0\n"
                       "piece7 = standard,1,2\npiece8 = crumbling1,2,0,4,0\n"),
              1);
    ASSERT_EQ(LoadGame(path), SavedGameLoad::Resumed);
    EXPECT_EQ(ListPieces(), (std::vector<Text>{"standard@0,0:2", "crumbling1@2,0:4"}));
    EXPECT_TRUE(std::isfinite(ScrollOffset));
}

// Values no game ever wrote are brought within bounds on the way in: the
// level plays on, and the next save writes only sound values.
TEST_F(SavedGame, OutOfRangeValuesResumeWithinBoundsAndSaveBackSound) {
    ASSERT_EQ(SaveText(path, "[player]\nscore = 2147483647\nlives = 2000000000\n"
                             "[board]\ny = 1e30\ncurrentspeed = 1e30\n"
                             "[pieces]\npiece1 = standard,0,0,2,2147483647\npiece2 = standard,1,0,2,-40\n"
                             "piece3 = standard,0,1,3,nan\npiece4 = standard,2,0,99999999999,0\n"
                             "[game]\ntemple = 3\nlevel = 0\npops = -7\ntimeleft = 99999999\n"
                             "[level]\nfirststonewall = 12\nnewpiecestonewall = -1\n"),
              1);
    Ref<MainGame> scene = Resume();
    ASSERT_EQ(CurrentSpotIndex, 3);
    EXPECT_GE(GameScore, 0);
    EXPECT_LE(GameScore, 999999999);
    EXPECT_LE(CurrentProfile->Lives, 999);
    EXPECT_LE(CurrentSpeed, 4.0f);
    EXPECT_EQ(QuotaCollected, 0);
    EXPECT_LE(TimeLeft, LevelTime);
    EXPECT_EQ(CurrentLevel->FirstStoneWall, 1);
    EXPECT_EQ(CurrentLevel->NewPieceStoneWall, 1);
    ForEachPiece([](const Ref<Piece>& p) {
        EXPECT_GE(p->CreationShine, 0);
        EXPECT_LE(p->CreationShine, 100);
    });
    // The pieces fade in, the banner goes, and the board takes matches.
    ASSERT_TRUE(game.RunUntil([&] { return scene->GetReady == 0 && CountShining() == 0; }, 600));
    const int score = GameScore;
    test::PlayMatches(game, 2);
    EXPECT_GT(GameScore, score); // counting on from the bound, far from overflow
    SaveLevelInProgress();
    auto saved = GameFile::Create(path);
    ASSERT_EQ(saved->Read(), 1);
    saved->SetNode("player");
    EXPECT_GE(TextToInt(saved->GetData("score")), 0);
    saved->SetNode("board");
    EXPECT_LE(TextToFloat(saved->GetData("currentspeed")), 4.0f);
    EXPECT_LE(TextToFloat(saved->GetData("y")), static_cast<float>(CellHeight));
}

// A file with nothing but its level resumes the level as a fresh game
// would have it, and a sequence saved with impossible ticks still ends.
TEST_F(SavedGame, MissingValuesKeepTheFreshGamesAndSequencesStillEnd) {
    test::PlayMatches(game, 1);
    ASSERT_GT(GameScore, CurrentProfile->Score);
    ASSERT_EQ(SaveText(path, "[game]\ntemple = 3\nlevel = 0\n"), 1);
    Ref<MainGame> scene = Resume();
    EXPECT_EQ(GameScore, CurrentProfile->Score);
    EXPECT_EQ(CurrentProfile->Lives, 3);
    EXPECT_GT(scene->GetReady, 140);
    EXPECT_TRUE(ListPieces().empty());

    ASSERT_EQ(SaveText(path, "[game]\ntemple = 3\nlevel = 0\n[gamesuccess]\nticks = -2000000000\n"
                             "tryagain = 5\n"),
              1);
    scene = Resume();
    ASSERT_TRUE(SuccessSequence);
    EXPECT_EQ(SuccessSequence->TryAgain, 1);
    EXPECT_GE(SuccessSequence->Ticks, 0);
    // The try-again sequence runs its course and restarts the level.
    ASSERT_TRUE(game.RunUntil([] { return SuccessSequence == nullptr; }, 2000));
}

TEST_F(SavedGame, OnlyTheCurrentProfilesOwnSavedGameIsReadOrDeleted) {
    Text other = SavedGamePath("Bob");
    test::PlayMatches(game, 1);
    ASSERT_EQ(SaveGame(other), 1);
    ResumeSavePath = other;
    PushSceneInstantly(MakeMainGame());
    game.Frames(1);
    EXPECT_EQ(PathKind(other), 1);
    DeleteFile(other);
    // A temporary profile, the developer modes and a finished level are
    // never saved.
    SetCurrentProfile(UseTemporaryProfile());
    EXPECT_EQ(LevelInProgress(), 0);
    SelectProfileByName("Ann");
    EXPECT_EQ(LevelInProgress(), 1);
    LevelWon = 1;
    EXPECT_EQ(LevelInProgress(), 0);
}

} // namespace
} // namespace wispwood
