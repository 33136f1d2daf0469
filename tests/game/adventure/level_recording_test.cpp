// Recordings as files: written and read back whole, damaged ones refused
// with what is wrong, and the recorder keeping the newest few in its folder
// without ever getting in the game's way.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/scene/input_snapshot.h"
#include "game/adventure/level_recorder.h"
#include "game/adventure/spot_levels.h"
#include "game/app/world_reset.h"
#include "game/board/game_score.h"
#include "game/services/profiles.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

LevelRecording ARecording() {
    LevelRecording r;
    r.Location = 42;
    r.MasterQuest = true;
    r.Seed = 1234567;
    r.EnteredWithSlide = false;
    r.Lives = 2;
    r.Score = 5000;
    r.Hints = 0;
    r.Relaxed = true;
    r.Cursor = {true, 120, 340, true, 500, 400};
    SnapshotInput in;
    in.MouseX = 300;
    in.MouseY = 200;
    r.Input.Add(0, in);
    in.ButtonHits[1] = 1;
    r.Input.Add(7, in);
    r.Outcome = LevelOutcome::Lost;
    r.FinalScore = 6150;
    r.Updates = 9000;
    r.Generator = 4242;
    return r;
}

TEST(LevelRecording, IsWrittenAndReadBackWhole) {
    const LevelRecording r = ARecording();
    const Text text = RecordingText(r);
    EXPECT_EQ(
        text,
        "wispwood replay 1\r\nlocation 42\r\nquest master\r\nseed 1234567\r\nentry instant\r\n"
        "lives 2\r\nscore 5000\r\nhints 0\r\nplay relaxed\r\ncursor shown place 120,340 mouse 500,400\r\n"
        "input\r\n"
        "0 p300,200 b0 h- w0\r\n7 c1\r\n"
        "result lost score 6150 updates 9000 generator 4242\r\n");
    LevelRecording read;
    Text error;
    ASSERT_TRUE(ParseRecording(text, read, error)) << error;
    EXPECT_EQ(RecordingText(read), text);
    EXPECT_EQ(read.Input.InputAt(7).ButtonHits[1], 1);
    EXPECT_EQ(read.Cursor, (NavigationCarry{true, 120, 340, true, 500, 400}));
    // A cursor that has not seen the mouse yet.
    LevelRecording fresh = r;
    fresh.Cursor = {};
    ASSERT_TRUE(ParseRecording(RecordingText(fresh), read, error)) << error;
    EXPECT_NE(RecordingText(fresh).find("cursor hidden place 0,0 mouse none\r\n"), Text::npos);
    EXPECT_EQ(read.Cursor, NavigationCarry{});
    // Lines ending in a line feed alone read the same.
    Text bare = text;
    std::erase(bare, '\r');
    ASSERT_TRUE(ParseRecording(bare, read, error)) << error;
    EXPECT_EQ(RecordingText(read), text);
    // A recording from before relaxed play has no play line: it was timed.
    Text older = text;
    older.erase(older.find("play relaxed\r\n"), 14);
    ASSERT_TRUE(ParseRecording(older, read, error)) << error;
    EXPECT_FALSE(read.Relaxed);
    EXPECT_EQ(read.Cursor, r.Cursor);
}

TEST(LevelRecording, ADamagedFileIsRefusedWithWhatIsWrong) {
    const Text good = RecordingText(ARecording());
    auto replaced = [&good](const Text& from, const Text& to) {
        Text t = good;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    const std::pair<Text, Text> damaged[] = {
        {"", "ends before its input"},
        {replaced("replay 1", "replay 2"), "not a recording of this form"},
        {replaced("quest master", "quest hard"), "a bad header line (line 3)"},
        {replaced("seed 1234567", "seed 12x"), "a bad header line (line 4)"},
        {replaced("lives 2\r\n", ""), "a bad header line (line 6)"},
        {replaced("7 c1", "7 c9"), "a bad input line (line 13)"},
        {replaced("play relaxed", "play fast"), "a bad header line (line 9)"},
        {replaced("mouse 500,400", "mouse 500"), "a bad header line (line 10)"},
        {replaced("shown place", "seen place"), "a bad header line (line 10)"},
        {replaced("result lost score 6150 updates 9000 generator 4242\r\n", ""), "no result"},
        {replaced("result lost", "result drawn"), "a bad result line"},
        {replaced(" generator 4242", ""), "a bad result line"},
        {replaced("updates 9000", "updates 7"), "input after the last update"},
        {good + "0 p1,1\r\n", "text after the result"},
        {good.substr(0, good.find("result") + 15), "a bad result line"},
    };
    for (const auto& [text, what] : damaged) {
        LevelRecording read = ARecording();
        read.Seed = 99;
        Text error;
        EXPECT_FALSE(ParseRecording(text, read, error)) << what;
        EXPECT_NE(error.find(what), Text::npos) << error;
        EXPECT_EQ(read.Seed, 99) << "a refused file changes nothing";
    }
    LevelRecording read;
    Text error;
    EXPECT_FALSE(LoadRecording("/no/such/recording.txt", read, error));
    EXPECT_NE(error.find("cannot read"), Text::npos);
}

class LevelRecorder : public ::testing::Test {
  protected:
    test::TempDir dir;
    void SetUp() override {
        ResetWorld();
        UseTemporaryProfile()->Lives = 3;
    }
    void TearDown() override { ResetWorld(); }

    // A game at the location, its input at a few updates, ended so.
    static void RecordAGame(int location, LevelOutcome outcome) {
        CurrentSpotIndex = location;
        GameScore = 100;
        StartLevelRecording();
        for (int u = 0; u < 5; ++u) {
            TakenInput.MouseX = 10 * u;
            RecordLevelInput(u);
        }
        GameScore = 250;
        FinishLevelRecording(outcome, 5);
    }
};

TEST_F(LevelRecorder, KeepsTheNewestRecordingsEachInAFileOfItsOwn) {
    const Text folder = dir.File("replays/");
    RecordLevelsIn(folder, 3);
    for (int location : {4, 5, 6, 7, 8}) RecordAGame(location, LevelOutcome::Won);
    EXPECT_EQ(ListDirectory(folder),
              (TextArray{"000003-location6.txt", "000004-location7.txt", "000005-location8.txt"}));
    EXPECT_EQ(LastLevelRecordingPath(), folder + "000005-location8.txt");

    LevelRecording read;
    Text error;
    ASSERT_TRUE(LoadRecording(LastLevelRecordingPath(), read, error)) << error;
    EXPECT_EQ(read.Location, 8);
    EXPECT_EQ(read.Lives, 3);
    EXPECT_EQ(read.Score, 100);
    EXPECT_EQ(read.Outcome, LevelOutcome::Won);
    EXPECT_EQ(read.FinalScore, 250);
    EXPECT_EQ(read.Updates, 5);
    // The pointer at 0, 0 in the first update is where a recording starts.
    EXPECT_EQ(read.Input.Entries().size(), 4u);
    EXPECT_FALSE(read.EnteredWithSlide) << "no transition ran at its first update";

    // Files that are not its own are left alone and do not count.
    ASSERT_EQ(SaveText(folder + "notes.txt", "mine"), 1);
    RecordAGame(9, LevelOutcome::Left);
    EXPECT_EQ(ListDirectory(folder), (TextArray{"000004-location7.txt", "000005-location8.txt",
                                                "000006-location9.txt", "notes.txt"}));
    // The player's choice of relaxed play goes with the game.
    CurrentProfile->Relaxed = true;
    RecordAGame(10, LevelOutcome::Won);
    ASSERT_TRUE(LoadRecording(LastLevelRecordingPath(), read, error)) << error;
    EXPECT_TRUE(read.Relaxed);
}

TEST_F(LevelRecorder, AFolderThatCannotBeWrittenRecordsNothingAndTheGameGoesOn) {
    RecordLevelsIn(dir.Unwritable("replays"), 3);
    RecordAGame(4, LevelOutcome::Won);
    EXPECT_EQ(LastLevelRecordingPath(), "");
    EXPECT_FALSE(RecordingLevel());
    // With no folder at all nothing is recorded.
    RecordLevelsIn("", 3);
    StartLevelRecording();
    EXPECT_FALSE(RecordingLevel());
}

} // namespace
} // namespace wispwood
