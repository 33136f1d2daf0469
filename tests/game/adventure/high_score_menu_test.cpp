// The high-score screen: which scores take a slot, how the rows fade in,
// the sparks that write a new entry, and when the entry enters the table.
#include "engine/draw/graphics.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/input/key_codes.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/gui/gui_container.h"
#include "framework/highscores/high_score_table.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/high_score_menu.h"
#include "game/adventure/high_score_spark.h"
#include "game/adventure/score_tables.h"
#include "game/services/profiles.h"
#include "game/services/text_table.h"
#include "game/services/user_data.h"
#include "tests/support/menu_fixture.h"
#include "tests/support/scene_fixture.h"

namespace wispwood {
namespace {

class HighScoreScreen : public test::MenuTest {
  protected:
    Ref<HighScoreMenu> screen;
    Ref<test::ProbeScene> below = New<test::ProbeScene>();

    void SetUp() override {
        test::MenuTest::SetUp();
        HighScoreMenu::Load();
        PushSceneInstantly(below);
    }
    void Offer(const Text& name, int score, const Text& extra = "4,2,1") {
        PendingEntry = 1;
        PendingName = name;
        PendingScore = score;
        PendingExtra = extra;
    }
    void Show() {
        screen = New<HighScoreMenu>();
        PushSceneInstantly(screen);
    }
    void Run(int updates) { Step(*screen, updates); }
    bool Left() const { return TopScene() != screen; }
    int Sparks(int addingChar) const {
        int n = 0;
        for (const auto& s : HighScoreSparks) n += s->AddingChar == addingChar ? 1 : 0;
        return n;
    }
};

TEST_F(HighScoreScreen, AFreshTableHoldsTenDefaultScores) {
    ASSERT_TRUE(HighScores);
    ASSERT_EQ(HighScores->SlotNumber(), 10);
    EXPECT_EQ(HighScores->ScoreAtSlot(0), 50000);
    EXPECT_EQ(HighScores->ScoreAtSlot(8), 7500);
    EXPECT_EQ(HighScores->ScoreAtSlot(9), 5000);
    for (int i = 0; i < 10; ++i) EXPECT_FALSE(HighScores->NameAtSlot(i).empty()) << i;
    EXPECT_EQ(HighScores->OriginPath, UserDataPath() + "highscores.dat");
}

TEST_F(HighScoreScreen, AnEqualScoreDoesNotQualify) {
    Offer("Ann", 5000);
    Show();
    EXPECT_EQ(PendingEntry, 0); // taken
    EXPECT_EQ(NewSlot, 0);
    EXPECT_TRUE(NameCharScales.empty());
    EXPECT_EQ(Sparks(0), 20); // only the decoration
    Run(700);
    EXPECT_EQ(Sparks(1) + Sparks(2), 0);
    EXPECT_EQ(screen->JinglePlayed, 0);
}

TEST_F(HighScoreScreen, RowsFadeInOneAfterAnotherRowOneBrightest) {
    Show();
    EXPECT_FLOAT_EQ(screen->HighlightAlpha(1), 1.45f);
    EXPECT_FLOAT_EQ(screen->HighlightAlpha(10), 1.0f);
    screen->Ticks = 220;
    EXPECT_FLOAT_EQ(screen->FadeInAlpha(1), 0);
    screen->Ticks = 250; // halfway: the bump at its top
    EXPECT_FLOAT_EQ(screen->FadeInAlpha(1), 0.75f + 1);
    screen->Ticks = 280;
    EXPECT_FLOAT_EQ(screen->FadeInAlpha(1), 1);
    EXPECT_FLOAT_EQ(screen->FadeInAlpha(10), 0);
    screen->Ticks = 400;
    EXPECT_FLOAT_EQ(screen->FadeInAlpha(10), 0);
    screen->Ticks = 460;
    EXPECT_FLOAT_EQ(screen->FadeInAlpha(10), 1);
}

TEST_F(HighScoreScreen, SparksWriteTheNewEntryLetterByLetter) {
    Offer("Ann", 45000);
    Show();
    EXPECT_EQ(NewSlot, 2);
    EXPECT_EQ(NameCharScales, std::vector<int>(3, 0));
    EXPECT_EQ(ScoreCharScales, std::vector<int>(5, 0));
    Run(599);
    EXPECT_EQ(Sparks(1), 0);
    Run(1);
    EXPECT_EQ(Sparks(1), 3);
    EXPECT_EQ(Sparks(2), 5 + 5); // digits and the counters
    EXPECT_EQ(screen->JinglePlayed, 1);
    // The first letter starts at once and lands after 100 updates; the last
    // starts 20 updates later.
    Run(100);
    EXPECT_EQ(NameCharScales[0], 1);
    EXPECT_EQ(NameCharScales[2], 0);
    Run(30);
    EXPECT_EQ(NameCharScales, std::vector<int>(3, 1));
    Run(60);
    EXPECT_EQ(ScoreCharScales, std::vector<int>(5, 1));
    EXPECT_EQ(ExtrasArrived, 5);
    EXPECT_EQ(Sparks(1) + Sparks(2), 0); // landed sparks are dropped
    // The table shown is the one from before the entry.
    EXPECT_EQ(ShownTable->ScoreAtSlot(1), 40000);
    EXPECT_EQ(HighScores->ScoreAtSlot(1), 40000);
}

TEST_F(HighScoreScreen, OkAddsTheEntryEvenBeforeItIsWritten) {
    Offer("Ann", 45000, "4,2,1");
    Show();
    Run(30);
    ClickGadget(screen->OK);
    Run(2);
    EXPECT_TRUE(Left());
    EXPECT_EQ(HighScores->NameAtSlot(1), "Ann");
    EXPECT_EQ(HighScores->ScoreAtSlot(1), 45000);
    EXPECT_EQ(HighScores->ExtraDataAtSlot(1), "4,2,1");
    EXPECT_EQ(HighScores->ScoreAtSlot(9), 7500); // the lowest fell off
}

// A qualifying score is the player's however the screen is left: by
// Escape (a pad's B) before it is written in, or by the screen's own
// time-out; and it goes in once.
TEST_F(HighScoreScreen, LeavingWithoutOkStillKeepsTheEntryOnce) {
    Offer("Ann", 45000);
    Show();
    Run(10);
    Key(KeyEscape);
    Run(3);
    EXPECT_TRUE(Left());
    EXPECT_EQ(HighScores->NameAtSlot(1), "Ann");
    EXPECT_EQ(HighScores->ScoreAtSlot(1), 45000);
    EXPECT_EQ(HighScores->ScoreAtSlot(2), 40000);

    ResetSceneStack();
    PushSceneInstantly(below);
    Offer("Bo", 42000);
    Show();
    screen->Ticks = HighScoreMenu::kLeaveAfterTicks;
    Run(3);
    EXPECT_TRUE(Left());
    EXPECT_EQ(HighScores->NameAtSlot(2), "Bo");
    EXPECT_EQ(HighScores->ScoreAtSlot(3), 40000);

    // Nothing pending: leaving adds nothing.
    ResetSceneStack();
    PushSceneInstantly(below);
    Show();
    Key(KeyEscape);
    Run(3);
    EXPECT_EQ(HighScores->ScoreAtSlot(1), 45000);
    EXPECT_EQ(HighScores->ScoreAtSlot(2), 42000);
}

TEST_F(HighScoreScreen, ASparkFliesFreeThenSettlesOnItsTarget) {
    auto spark = HighScoreMenuDisplayParticle::Create(400, 50, -5, -5, 170, 159);
    spark->Delay = 3;
    for (int i = 0; i < 3; ++i) spark->Update();
    EXPECT_FLOAT_EQ(spark->Progress, 0);
    EXPECT_EQ(spark->StartParticles, 1);
    spark->Update();
    EXPECT_EQ(spark->StartParticles, 0);
    EXPECT_FLOAT_EQ(spark->Alpha(), 0.2f);
    for (int i = 0; i < 9; ++i) spark->Update();
    EXPECT_NEAR(spark->Alpha(), 2, 1e-3);
    EXPECT_LT(spark->x, 400); // drifting left with its free flight
    while (!spark->Invalid) spark->Update();
    EXPECT_GT(spark->Progress, 1);
    EXPECT_LT(spark->Progress, 1.02f);
    EXPECT_NEAR(spark->x, 170, 1);
    EXPECT_NEAR(spark->y, 159, 1);
}

TEST_F(HighScoreScreen, TheNewEntryIsDrawnInTheGapItOpened) {
    Offer("Ann", 45000, "4,2,1");
    Show();
    Run(500);
    Cls();
    screen->Render();
    Ref<TPixmap> before = test::GrabScreen();
    Run(300); // the rows have moved down and the entry is written
    Cls();
    screen->Render();
    Ref<TPixmap> after = test::GrabScreen();
    CreateDir(Text(WISPWOOD_BINARY_DIR) + "/test-output", 1);
    SavePixmapPNG(after, Text(WISPWOOD_BINARY_DIR) + "/test-output/high-score-entry.png");
    // Row 2 now holds the new name and score.
    auto rowDiffers = [&](int top) {
        int changed = 0;
        for (int y = top; y < top + 24; ++y)
            for (int x = 180; x < 500; ++x)
                changed += before->ReadPixel(x, y) != after->ReadPixel(x, y) ? 1 : 0;
        return changed;
    };
    EXPECT_GT(rowDiffers(166 + 32), 400);
}

TEST_F(HighScoreScreen, TheTableIsWrittenWhereItCameFrom) {
    HighScores->AddScore("Zed", 99999, "1,1,1");
    ASSERT_EQ(SaveHighScores(), 1);
    ResetHighScores();
    HighScoreMenu::Load();
    EXPECT_EQ(HighScores->NameAtSlot(0), "Zed");
    EXPECT_EQ(HighScores->ScoreAtSlot(9), 7500);
}

// The relaxed games have a table of their own: the screen shows the one the
// current player's games go to, turns to the other on its button, and a
// relaxed game's final score replaces the row it kept as it went.
TEST_F(HighScoreScreen, TheRelaxedTableIsShownApartAndTakesTheRelaxedGamesScore) {
    ASSERT_TRUE(RelaxedHighScores);
    EXPECT_EQ(RelaxedHighScores->OriginPath, UserDataPath() + "relaxedscores.dat");
    CreateProfile("Ann");
    SelectProfileByName("Ann");
    CurrentProfile->Relaxed = true;
    Show();
    EXPECT_EQ(screen->Shown, ScoreTable::Relaxed);
    EXPECT_EQ(ShownTable->NameAtSlot(0), "Kira"); // a fresh relaxed table's names are its own
    ASSERT_TRUE(screen->OtherTable);
    EXPECT_EQ(screen->OtherTable->DrawnText, GetText("highscores", "showtimed"));
    RelaxedHighScores->AddScore("Ann", 60000, "1,0,0");
    Run(30);
    ClickGadget(screen->OtherTable);
    Run(2);
    EXPECT_EQ(screen->Shown, ScoreTable::Timed);
    EXPECT_EQ(ShownTable->NameAtSlot(0), "Ada"); // the timed table's rows
    EXPECT_EQ(screen->OtherTable->DrawnText, GetText("highscores", "showrelaxed"));
    ClickGadget(screen->OtherTable);
    Run(2);
    EXPECT_EQ(ShownTable->NameAtSlot(0), "Ann");
    Key(KeyEscape);
    Run(1);

    // The game ends with 70000: its row of 60000 makes way, and the timed
    // table never sees it.
    ResetSceneStack();
    PushSceneInstantly(below);
    Offer("Ann", 70000, "5,0,0");
    PendingTable = ScoreTable::Relaxed;
    PendingReplaces = 60000;
    Show();
    EXPECT_EQ(screen->Shown, ScoreTable::Relaxed);
    EXPECT_EQ(NewSlot, 1);
    EXPECT_FALSE(screen->OtherTable);             // the screen stays on the table being written
    EXPECT_EQ(ShownTable->ScoreAtSlot(0), 50000); // its old row is out of the way
    ClickGadget(screen->OK);
    Run(2);
    EXPECT_EQ(RelaxedHighScores->ScoreAtSlot(0), 70000);
    EXPECT_EQ(RelaxedHighScores->ScoreAtSlot(1), 50000);
    EXPECT_EQ(RelaxedHighScores->ScoreExists("Ann", 60000), 0);
    EXPECT_EQ(HighScores->ScoreExists("Ann", 70000), 0);
    ASSERT_EQ(SaveRelaxedHighScores(), 1);
    auto kept = THighScoreTable::LoadKept(UserDataPath() + "relaxedscores.dat");
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->NameAtSlot(0), "Ann");
}

// A relaxed game keeps one row, brought up to its score as it goes.
TEST_F(HighScoreScreen, ARelaxedGameKeepsOneRowUpToDate) {
    CreateProfile("Ann");
    SelectProfileByName("Ann");
    PlayerProfile& ann = *CurrentProfile;
    KeepRelaxedGameScore(ann, 52000);
    KeepRelaxedGameScore(ann, 61000);
    EXPECT_EQ(ann.RelaxedScoreKept, 61000);
    EXPECT_EQ(RelaxedHighScores->ScoreAtSlot(0), 61000);
    EXPECT_EQ(RelaxedHighScores->ScoreExists("Ann", 52000), 0);
    EXPECT_EQ(RelaxedHighScores->ScoreAtSlot(9), 7500); // the defaults below it, one fewer
    EXPECT_EQ(HighScores->ScoreAtSlot(0), 50000);
}

// The relaxed table is kept like the timed one: a file cut short is set
// aside and the backup the last save left is read instead.
TEST_F(HighScoreScreen, ADamagedRelaxedTableComesBackFromItsBackup) {
    RelaxedHighScores->AddScore("Zed", 99999, "1,1,1");
    ASSERT_EQ(SaveRelaxedHighScores(), 1);
    RelaxedHighScores->AddScore("Yve", 88888, "1,1,1");
    ASSERT_EQ(SaveRelaxedHighScores(), 1); // the first save is the backup now
    const Text path = UserDataPath() + "relaxedscores.dat";
    Text bytes;
    ASSERT_TRUE(LoadText(path, bytes));
    ASSERT_EQ(SaveText(path, bytes.substr(0, bytes.size() / 2)), 1);
    ResetRelaxedHighScores();
    LoadScoreTables();
    EXPECT_EQ(RelaxedHighScores->NameAtSlot(0), "Zed");
    EXPECT_EQ(RelaxedHighScores->OriginPath, path);
    EXPECT_EQ(FileSize(path + ".damaged"), static_cast<int64_t>(bytes.size() / 2));
}

} // namespace
} // namespace wispwood
