#include "game/board/board.h"
#include "game/board/creation_override.h"
#include "game/board/level_set.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/quota.h"
#include "game/board/row_push.h"
#include "tests/support/environment_variable.h"
#include "tests/support/row_world.h"

namespace wispwood {
namespace {

using test::BuildBoard;
using test::Picture;

// A level whose cell rule plays back rows drawn as pictures, one per
// attempt (the last one repeating).
class ScriptedLevel : public Level {
  public:
    std::vector<Text> rows;
    int cells = 0;
    Ref<Piece> NewPiece(int x, int) override {
        int attempt = cells++ / BoardWidth;
        const Text& row = rows[std::min<size_t>(attempt, rows.size() - 1)];
        return x < static_cast<int>(row.size()) ? test::PieceForChar(row[x]) : nullptr;
    }
};

// Counts its MovedDown calls.
class Counting : public Piece {
  public:
    int moved = 0;
    void MovedDown() override { ++moved; }
};

// Follows the board down until it has been asked once.
class OneRowLeft : public CreationOverride {
  public:
    int rows = 0;
    void BoardMovedDown() override {
        ++rows;
        CreationOverride::BoardMovedDown();
    }
};

class RowPush : public test::RowsTest {
  protected:
    Ref<ScriptedLevel> level = New<ScriptedLevel>();
    void Script(const std::vector<Text>& rows) {
        level->rows = rows;
        level->cells = 0;
    }
    void SetUp() override {
        test::RowsTest::SetUp();
        test::SelectTestLevel(8, 4, level);
    }
};

TEST_F(RowPush, ARowIsAcceptedForItsChangesFromCellToCell) {
    struct Case {
        Text row;
        int accepted; // attempts to an accepted row, 0 none
    };
    // j runs against k standard pieces: accepted when j > k / 4 + 2 or j >= k.
    const Case cases[] = {
        {"01010101", 1}, // 8 runs, 8 pieces
        {"00110011", 0}, // 4 runs: not above 8 / 4 + 2
        {"00110012", 1}, // 5 runs
        {"0.1.0.1.", 1}, // 8 runs for 4 pieces
        {"000111..", 0}, // 3 runs for 6 pieces: neither above 6 / 4 + 2 nor 6
        {"001122BB", 1}, // specials are not pieces and differ: 5 runs, 6 pieces
        {"........", 1}, // one run, no pieces
        {"BBBBBBBB", 1}, // specials never match: 8 runs, no pieces
    };
    for (const auto& c : cases) {
        ResetBoardGrid(8, 32);
        Script({c.row});
        EXPECT_EQ(CreateTopRow(0) != 0, c.accepted != 0) << c.row;
        EXPECT_EQ(test::RowColours(0), [&] {
            Text t = c.row;
            for (char& ch : t) ch = ch == 'B' ? '*' : ch;
            return t;
        }()) << "the last attempt stays";
    }
}

TEST_F(RowPush, ARejectedRowIsMadeAgainUntilOneFits) {
    Script({"00110011", "00110011", "01230123"});
    EXPECT_EQ(CreateTopRow(0), 3);
    EXPECT_EQ(test::RowColours(0), "01230123");
    EXPECT_EQ(level->cells, 24);
    for (int x = 0; x < 8; ++x) {
        EXPECT_EQ(PieceAt(x, 0)->x, x);
        EXPECT_EQ(PieceAt(x, 0)->y, 0);
    }
    // None fits: all the attempts, and the last one stays.
    Script({"00000000"});
    EXPECT_EQ(CreateTopRow(0), 0);
    EXPECT_EQ(level->cells, 8 * kTopRowAttempts);
    EXPECT_EQ(test::RowColours(0), "00000000");
}

TEST_F(RowPush, ARowMayNotJoinAGroupSpanningHalfTheBoardOrTwoThirdsDown) {
    // Width 8: a group's columns may lie at most 3 apart, its rows at most 4.
    BuildBoard({"........", "...2222."});
    Script({"01230123"});
    EXPECT_EQ(CreateTopRow(0), 1); // the 2 at x=6 joins them: still columns 3 to 6
    Script({"01220103", "01230123"});
    EXPECT_EQ(CreateTopRow(0), 2); // the 2s at x=2 and 3 join them: columns 2 to 6
    BuildBoard({"........", "3.......", "3.......", "3.......", "3.......", "3......."});
    Script({"30123012", "01230123"});
    EXPECT_EQ(CreateTopRow(0), 2); // rows 0 to 5
    BuildBoard({"........", "3.......", "3.......", "3.......", "3......."});
    Script({"30123012"});
    EXPECT_EQ(CreateTopRow(0), 1); // rows 0 to 4 is still fine
}

TEST_F(RowPush, ThrownOutRowsAreReportedOnlyToTheDeveloperLog) {
    BuildBoard({"........", "...2222."});
    Script({"01220103", "00110011", "01230123"});
    testing::internal::CaptureStdout();
    {
        test::SavedEnvironmentVariable quiet("WISPWOOD_DEBUG_ROWS");
        unsetenv("WISPWOOD_DEBUG_ROWS");
        CreateTopRow(0);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    Script({"01220103", "00110011", "01230123"});
    testing::internal::CaptureStdout();
    {
        test::SavedEnvironmentVariable loud("WISPWOOD_DEBUG_ROWS", "1");
        CreateTopRow(0);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "!!\nthrowingout 4,8\n");
}

TEST_F(RowPush, AfterTheQuotaEffectNewPiecesTurnGoldUnlessTheRingStillSpreads) {
    level->DoneQuotaBottleEffect = 1;
    Script({"01230123"});
    CreateTopRow(0);
    EXPECT_NE(PieceAt(0, 0)->IsGold, 0);
    Ref<Particle> ring = QuotaDrops.AddParticle();
    ring->ExtraLogic = New<KillPiecesUnderNeath>();
    Script({"01230123"});
    CreateTopRow(0);
    EXPECT_EQ(PieceAt(0, 0)->IsGold, 0);
}

TEST_F(RowPush, PushingShiftsTheStackAndMakesANewRow) {
    BuildBoard({"01230123", "2.......", "1.......", "3......."}, 4);
    Ref<Piece> bottom = PieceAt(0, 3);
    Ref<Piece> top = PieceAt(1, 0);
    Script({"32103210"});
    PushRowDown();
    EXPECT_EQ(test::RowColours(0), "32103210");
    EXPECT_EQ(test::RowColours(1), "01230123");
    EXPECT_EQ(test::RowColours(3), "1.......");
    EXPECT_EQ(top->y, 1);
    EXPECT_EQ(PieceAt(1, 1), top);
    EXPECT_NE(PieceAt(0, 3), bottom) << "the last row falls off";
}

TEST_F(RowPush, EveryPieceHearsOnceThatItMovedDown) {
    BuildBoard({"........", "........"});
    std::vector<Ref<Counting>> pieces;
    for (int x = 0; x < 3; ++x) {
        auto p = New<Counting>();
        p->x = x;
        p->y = x;
        Board(x, x) = p;
        pieces.push_back(p);
    }
    Script({"01230123"});
    PushRowDown();
    for (const auto& p : pieces) {
        EXPECT_EQ(p->moved, 1);
        EXPECT_EQ(p->Processed, 1);
    }
}

TEST_F(RowPush, DeadRegionsAreMeasuredBeforeTheShift) {
    BuildBoard({"0.......", "1.......", "2......."});
    Ref<Piece> p = PieceAt(0, 1);
    Script({"01230123"});
    PushRowDown();
    EXPECT_NE(p->DeadRegionGroup, 0);
    EXPECT_EQ(p->DeadRegionSize, 0 + 1 + 2);
}

TEST_F(RowPush, NewReachablePiecesShowAtOnceAndMatchingOnesTakeUpTheRevealBelow) {
    // After the push row 1 holds the old row 0; everything under it is open.
    BuildBoard({"0.1.2.3."});
    auto below = [](int x, int delay, int fade) {
        Ref<Piece> b = PieceAt(x, 0);
        b->BottomDelay = delay;
        b->BottomFadeIn = fade;
    };
    below(0, 20, 10); // scheduled: the new piece waits 15 updates longer
    below(2, 0, 48);  // shown: the new piece too
    below(4, 0, 40);  // flipping: 15 behind
    below(6, 0, 10);  // just started: 5 updates' wait
    Script({"00112233"});
    PushRowDown();
    auto state = [](int x) {
        return std::make_pair(PieceAt(x, 0)->BottomDelay, PieceAt(x, 0)->BottomFadeIn);
    };
    // Columns 1, 3, 5 and 7 are open below: reachable, shown at once, but
    // each takes up the state of its matching neighbour along the row.
    EXPECT_EQ(state(0), std::make_pair(35, 0));
    EXPECT_EQ(state(1), std::make_pair(35, 0));
    EXPECT_EQ(state(2), std::make_pair(0, 48));
    EXPECT_EQ(state(3), std::make_pair(0, 48));
    EXPECT_EQ(state(4), std::make_pair(0, 25));
    EXPECT_EQ(state(5), std::make_pair(0, 25));
    EXPECT_EQ(state(6), std::make_pair(5, 0));
    EXPECT_EQ(state(7), std::make_pair(5, 0));
}

TEST_F(RowPush, AnUnscheduledPieceBelowPassesOnItsRevealOnlyWhenReachable) {
    // After the push: the 0s of column 0 are open below; the 1 under the new
    // 1 is shut in by the 0, the 2s and the new row.
    BuildBoard({"012.....", ".2......"});
    PieceAt(0, 0)->BottomFadeIn = 7;
    PieceAt(1, 0)->BottomFadeIn = 9;
    Script({"013....."});
    PushRowDown();
    ASSERT_EQ(test::RowColours(1), "012.....");
    EXPECT_EQ(PieceAt(0, 0)->BottomDelay, -1);
    EXPECT_EQ(PieceAt(0, 0)->BottomFadeIn, 7);
    EXPECT_EQ(PieceAt(1, 1)->Bottom, 0);
    EXPECT_EQ(PieceAt(1, 0)->BottomDelay, -1);
    EXPECT_EQ(PieceAt(1, 0)->BottomFadeIn, 0);
}

TEST_F(RowPush, OverridesFollowThePushAndLeaveWhenSpent) {
    auto once = New<OneRowLeft>();
    auto waiting = New<CreationOverridePiece>();
    waiting->p = test::PieceForChar('B');
    waiting->x = 3;
    waiting->y = 1;
    once->Pieces.AddLast(waiting);
    ActiveOverrides.AddLast(once);
    Script({"01230123"});
    PushRowDown();
    EXPECT_EQ(once->rows, 1);
    EXPECT_EQ(waiting->y, 0);
    EXPECT_EQ(ActiveOverrides.Count(), 1);
    PushRowDown();
    EXPECT_EQ(ActiveOverrides.Count(), 0);
}

} // namespace
} // namespace wispwood
