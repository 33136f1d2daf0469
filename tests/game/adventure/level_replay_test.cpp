// Recorded games played again through the real game scene end exactly as
// they did: the regression games of tests/fixtures/replays (the bot's wins
// and games played by mouse and keys, left through the pause menu), one of
// them showing every kind of special piece play makes, at once and drawn
// at the game's pace; a game played through the real screens and frames;
// the same games after others in the process; and none of it touching the
// player's profile or files.
#include "engine/input/key_codes.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_playback.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/level_recorder.h"
#include "game/adventure/level_replay.h"
#include "game/adventure/main_game.h"
#include "game/adventure/spot_levels.h"
#include "game/app/loader_queue.h"
#include "game/board/board.h"
#include "game/board/game_score.h"
#include "game/board/gem_piece.h"
#include "game/board/hover_piece.h"
#include "game/board/lock_piece.h"
#include "game/board/powerup.h"
#include "game/board/rainbow_piece.h"
#include "game/board/stone_pieces.h"
#include "game/board/vine_pieces.h"
#include "game/level/tally.h"
#include "game/services/profiles.h"
#include "game/services/settings.h"
#include "tests/support/game_harness.h"
#include "tests/support/paths.h"
#include "tests/support/scene_fixture.h"
#include "tests/support/scripted_player.h"
#include <csignal>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace wispwood {
namespace {

LevelRecording Fixture(const Text& name) {
    LevelRecording recording;
    Text error;
    EXPECT_TRUE(LoadRecording(test::FixturePath("replays/" + name), recording, error))
        << name << ": " << error;
    return recording;
}

void ExpectEndsAsRecorded(const ReplayResult& result, const LevelRecording& recording, const Text& what) {
    EXPECT_TRUE(EndsAsRecorded(result, recording)) << ReplaySummary(what, result, recording);
}

// The game started as the program starts it, its pictures and sounds
// loaded as the loading screen would.
class Replays : public ::testing::Test {
  protected:
    test::GameHarness game;
    void SetUp() override {
        ASSERT_TRUE(game.Start());
        RunEveryLoadStep();
    }
};

TEST_F(Replays, EveryRegressionGameEndsAsRecorded) {
    const TextArray names = ListDirectory(test::FixturePath("replays"));
    ASSERT_GE(names.size(), 5u);
    for (const Text& name : names) {
        const LevelRecording recording = Fixture(name);
        ExpectEndsAsRecorded(PlayRecordingAtOnce(recording), recording, name);
    }
    // A recording whose game went otherwise is told apart, and one played
    // relaxed (no clock, so no time bonus) plays relaxed.
    LevelRecording changed = Fixture("location17-chunk-gaps.txt");
    changed.FinalScore += 10;
    EXPECT_FALSE(EndsAsRecorded(PlayRecordingAtOnce(changed), changed));
    LevelRecording relaxed = Fixture("location47-master-quest.txt");
    relaxed.Relaxed = true;
    const ReplayResult played = PlayRecordingAtOnce(relaxed);
    EXPECT_EQ(played.Outcome, LevelOutcome::Won);
    EXPECT_LT(played.Score, relaxed.FinalScore);
}

// The kinds of special piece play makes, by their classes. Extra lives,
// stone walls and crumbling pieces are left out: no row, layout or lesson
// makes them (the last two come back only from a saved game).
std::set<Text> SpecialKindsOnTheBoard() {
    std::set<Text> kinds;
    ForEachPiece([&kinds](const Ref<Piece>& p) {
        Piece* piece = p.get();
        if (IsKind<Bomb>(piece)) kinds.insert("bomb");
        if (IsKind<DestroyHorizontalPiece>(piece)) kinds.insert("row destroyer");
        if (IsKind<DestroyVerticalPiece>(piece)) kinds.insert("column destroyer");
        if (IsKind<Earthquake>(piece)) kinds.insert("earthquake");
        if (IsKind<VineBase>(piece)) kinds.insert("vine");
        if (IsKind<HoverPiece>(piece)) kinds.insert("hover piece");
        if (IsKind<RainbowPiece>(piece)) kinds.insert("rainbow piece");
        if (IsKind<LockPiece>(piece)) kinds.insert(piece->Unlocker ? "lock" : "key");
        if (IsKind<StonePiece>(piece)) kinds.insert("stone piece");
        if (auto* gem = dynamic_cast<GemPiece*>(piece)) kinds.insert(gem->Pick ? "pickaxe" : "gem");
        if (piece->Normal() && piece->Locked) kinds.insert("locked piece");
        if (piece->Normal() && piece->Unlocker) kinds.insert("flower");
    });
    return kinds;
}

TEST_F(Replays, ALateGameShowsEveryKindOfPieceAndEndsAsRecorded) {
    const LevelRecording recording = Fixture("location99-bombs-vines-locks-and-gems.txt");
    ResetSceneStack();
    PushSceneInstantly(New<test::ProbeScene>());
    ASSERT_TRUE(BeginLevelReplay(recording));
    std::set<Text> seen;
    for (int update = 0; LevelReplayRunning() && update < recording.Updates + 10; ++update) {
        RunOneUpdate();
        if (update % 5 == 0)
            for (const Text& kind : SpecialKindsOnTheBoard()) seen.insert(kind);
    }
    EXPECT_FALSE(LevelReplayRunning());
    ExpectEndsAsRecorded(LastReplayResult(), recording, "bombs, vines, locks and gems");
    EXPECT_EQ(seen, (std::set<Text>{"bomb", "row destroyer", "column destroyer", "earthquake", "vine",
                                    "hover piece", "rainbow piece", "lock", "key", "stone piece", "gem",
                                    "pickaxe", "locked piece", "flower"}));
}

// Drawn at the game's pace, a game plays as it does at once: its quakes
// shake the board in every frame drawn and its banners' letters grow in,
// and neither may move the game's generator.
TEST_F(Replays, AGameDrawnAtItsPacePlaysAsItDoesAtOnce) {
    const LevelRecording recording = Fixture("location22-earthquakes.txt");
    ResetSceneStack();
    PushSceneInstantly(New<test::ProbeScene>());
    ASSERT_TRUE(BeginLevelReplay(recording));
    ASSERT_TRUE(game.RunUntil([] { return !LevelReplayRunning(); }, recording.Updates, 100));
    ExpectEndsAsRecorded(LastReplayResult(), recording, "drawn");
}

// Nothing a game leaves behind changes the next one: the same recording
// after other games in the process plays the same.
TEST_F(Replays, AGamePlaysTheSameAfterOtherGamesInTheProcess) {
    const LevelRecording chunks = Fixture("location17-chunk-gaps.txt");
    const ReplayResult first = PlayRecordingAtOnce(chunks);
    PlayRecordingAtOnce(Fixture("location99-bombs-vines-locks-and-gems.txt"));
    PlayRecordingAtOnce(Fixture("location15-with-bonus-game.txt"));
    const ReplayResult again = PlayRecordingAtOnce(chunks);
    EXPECT_EQ(again.Score, first.Score);
    EXPECT_EQ(again.Updates, first.Updates);
    ExpectEndsAsRecorded(again, chunks, "after other games");
}

// A game played through the real screens and frames, with the pointer
// gliding between clicks, a pause and frames of varying length, is
// recorded; played again at once without drawing, and again through frames
// of another length, it ends the same.
TEST_F(Replays, AGamePlayedThroughTheScreensReplaysExactlyAtAnyFrameRate) {
    ResetSceneStack();
    PushSceneInstantly(New<test::ProbeScene>());
    EnsureCurrentProfile()->Lives = 3;
    CurrentSpotIndex = 9;
    LoadSpotLevels(9);
    ASSERT_TRUE(PushScene(MakeMainGame(), 0, 0));
    ASSERT_TRUE(RecordingLevel());
    auto scene = Cast<MainGame>(TopScene());
    for (int i = 0; i < 4; ++i) {
        game.MoveMouseTo(100 + 30 * i, 200 + 20 * i);
        game.Frames(3, i % 2 ? 30 : 10);
        test::PlayOneMatch(game);
        if (i == 1) {
            game.PressKey('P');
            game.Frames(40, 17);
            test::ClickGadget(game, scene->BackButton);
            game.Frames(40, 17);
        }
    }
    game.Frames(40, 50);
    ASSERT_GT(GameScore, 0) << "the scripted player made no match";
    // Leave through the pause menu.
    game.PressKey(KeyEscape);
    game.Frames(40);
    test::ClickGadget(game, scene->ExitButton);
    game.Frames(40);
    ASSERT_TRUE(scene->ExitAreYouSure);
    test::ClickGadget(game, scene->ExitAreYouSure->yes);
    game.Frames(5);
    ASSERT_TRUE(scene->Exited);
    ASSERT_FALSE(RecordingLevel());

    LevelRecording recording;
    Text error;
    ASSERT_TRUE(LoadRecording(LastLevelRecordingPath(), recording, error)) << error;
    EXPECT_EQ(recording.Location, 9);
    EXPECT_TRUE(recording.EnteredWithSlide);
    EXPECT_EQ(recording.Outcome, LevelOutcome::Left);
    ExpectEndsAsRecorded(PlayRecordingAtOnce(recording), recording, "at once");

    ResetSceneStack();
    PushSceneInstantly(New<test::ProbeScene>());
    ASSERT_TRUE(BeginLevelReplay(recording));
    ASSERT_TRUE(game.RunUntil([] { return !LevelReplayRunning(); }, recording.Updates, 70));
    ExpectEndsAsRecorded(LastReplayResult(), recording, "through frames of 70 ms");
}

// Whoever watches stops the replay with Escape; the game never sees the
// key, and the input is the platform's again.
TEST_F(Replays, TheWatchersEscapeStopsTheReplay) {
    const LevelRecording recording = Fixture("location47-master-quest.txt");
    ResetSceneStack();
    PushSceneInstantly(New<test::ProbeScene>());
    ASSERT_TRUE(BeginLevelReplay(recording));
    for (int update = 0; update < 300; ++update) RunOneUpdate();
    ASSERT_TRUE(LevelReplayRunning());
    game.PressKey(KeyEscape);
    RunOneUpdate();
    EXPECT_EQ(GameKeyPresses(KeyEscape), 0);
    RunOneUpdate();
    EXPECT_FALSE(LevelReplayRunning());
    EXPECT_TRUE(LastReplayResult().Stopped);
    EXPECT_EQ(LastReplayResult().Updates, 300);
    EXPECT_FALSE(EndsAsRecorded(LastReplayResult(), recording));
    EXPECT_FALSE(InputPlaybackActive());
}

// The replay plays with a profile of its own, and leaves where the game
// would go on to the quest map or the menu: the player's profile keeps its
// progress, and no file of the player's is written.
TEST_F(Replays, AReplayLeavesThePlayersProfileAndFilesAlone) {
    ASSERT_EQ(CreateProfile("Ash"), 1);
    SelectProfileByName("Ash");
    Ref<PlayerProfile> player = CurrentProfile;
    player->Lives = 1;
    player->Score = 777;
    player->CurrentAdventure = 5;
    player->Relaxed = true;
    SaveProfiles();
    SetHints(0);
    const Text folder = game.User().Path() + "/Wispwood/";
    auto files = [&folder] {
        std::map<Text, Text> found;
        for (const Text& name : ListDirectory(folder)) LoadText(folder + name, found[name]);
        return found;
    };
    const std::map<Text, Text> before = files();

    for (const char* name :
         {"location15-with-bonus-game.txt", "location17-left-through-the-pause-menu.txt"}) {
        const LevelRecording recording = Fixture(name);
        ExpectEndsAsRecorded(PlayRecordingAtOnce(recording), recording, name);
    }
    EXPECT_EQ(CurrentProfile, player);
    EXPECT_EQ(player->Lives, 1);
    EXPECT_EQ(player->Score, 777);
    EXPECT_EQ(player->CurrentAdventure, 5);
    EXPECT_TRUE(player->Relaxed);
    EXPECT_EQ(GetHints(), 0);
    EXPECT_FALSE(InputPlaybackActive());
    EXPECT_EQ(files(), before);
}

// The desktop stops the program halfway through a game: the game is
// recorded unfinished, and its replay stops where it stopped, as it was.
TEST(UnfinishedReplay, AGameStoppedWithTheProgramReplaysToWhereItStopped) {
    LevelRecording recording;
    {
        test::GameHarness game;
        ASSERT_TRUE(game.Start({"run9"}));
        ASSERT_TRUE(game.RunUntil([] { return test::OnTop<MainGame>(); }, 2000));
        test::PlayMatches(game, 2);
        std::raise(SIGTERM);
        ASSERT_TRUE(game.RunUntil([&game] { return game.Ended(); }, 100));
        Text error;
        ASSERT_TRUE(LoadRecording(LastLevelRecordingPath(), recording, error)) << error;
    }
    EXPECT_EQ(recording.Outcome, LevelOutcome::Playing);
    EXPECT_GT(recording.Updates, 100);
    test::GameHarness game;
    ASSERT_TRUE(game.Start());
    RunEveryLoadStep();
    ExpectEndsAsRecorded(PlayRecordingAtOnce(recording), recording, "unfinished");
}

} // namespace
} // namespace wispwood
