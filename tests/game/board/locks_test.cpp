// Locks and keys on a drawn board: the regions a key holds, the silent
// opening of a region that lost its key, and a key's burst opening its
// locks in order of distance.
#include "engine/draw/image.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/clear_pass.h"
#include "game/board/groups.h"
#include "game/board/lock_particles.h"
#include "game/board/locks.h"
#include "game/board/piece.h"
#include "game/board/quota_images.h"
#include "tests/support/ascii_board.h"
#include <algorithm>

namespace wispwood {
namespace {

using test::BuildBoard;
using test::DrawBoard;
using test::Picture;

class Locks : public test::BoardTest {
  protected:
    std::vector<Text> sounds;
    void SetUp() override {
        test::BoardTest::SetUp();
        RecordBoardSounds(&sounds);
        ScrollOffset = 10; // every row on screen
    }
    void TearDown() override {
        QuotaImages.DoneThin = nullptr;
        test::BoardTest::TearDown();
    }
    // '*' in the keys picture puts the unlocker on that cell's piece.
    void Board(const Picture& rows, const Picture& keys) {
        BuildBoard(rows);
        for (int y = 0; y < static_cast<int>(keys.size()); ++y)
            for (int x = 0; x < static_cast<int>(keys[y].size()); ++x)
                if (keys[y][x] == '*') PieceAt(x, y)->Unlocker = 1;
    }
    Picture LockState(int rows) {
        return DrawBoard(rows, [](const Piece& p) { return p.Locked ? 'l' : p.Unlocker ? 'k' : '-'; });
    }
    // The delay each lock's flying overlay waits, by cell.
    std::vector<std::pair<int, int>> FlightDelays() {
        std::vector<std::pair<int, int>> delays;
        for (const auto& p : LockParticles.AllParticles)
            if (p->TotalLife == 300) delays.emplace_back(static_cast<int>(p->x) / CellWidth, p->Delayed);
        return delays;
    }
};

TEST_F(Locks, AFloodTakesTheLockedPiecesJoinedToTheKey) {
    Board({"1aa.b", "1a1.a", "2222a"}, {"*...", "", ""});
    PieceGroup region;
    ClearChecked();
    LockFlood(PieceAt(0, 0), 0, region);
    // Unlocked pieces stop the flood, so the right-hand locks stay out.
    EXPECT_EQ(region.size(), 3u);
    for (const auto& p : region) EXPECT_EQ(p->Locked, 1);

    // With keys included, a key inside the region is taken too.
    Board({"1aa", "..1"}, {"*..", "..*"});
    PieceAt(2, 1)->Locked = 0;
    region.clear();
    ClearChecked();
    LockFlood(PieceAt(0, 0), 1, region);
    EXPECT_EQ(region.size(), 3u);
    EXPECT_TRUE(std::find(region.begin(), region.end(), PieceAt(2, 1)) != region.end());
}

TEST_F(Locks, ARegionWithoutAKeyOpensSilentlyInTheNextUpdate) {
    Board({"1aa.aa", "222222"}, {"*....."});
    UpdateLocks();
    EXPECT_EQ(LockState(1), (Picture{"kll.--"}));
    // Each opened lock's overlay fades where it was.
    EXPECT_EQ(LockParticles.AllParticles.Count(), 2);
    for (const auto& p : LockParticles.AllParticles) EXPECT_EQ(p->TotalLife, 60);

    // The key leaves: its locks follow on the next update.
    PieceAt(0, 0)->RemoveFromBoard(0);
    UpdateLocks();
    EXPECT_EQ(LockState(1), (Picture{".--.--"}));
    // The overlays run their course in the lock particle group.
    for (int i = 0; i < 61; ++i) UpdateLocks();
    EXPECT_EQ(LockParticles.AllParticles.Count(), 0);
}

TEST_F(Locks, AKeysBurstOpensItsLocksNearestFirstAsTheRingReachesThem) {
    auto ring = New<TImage>();
    ring->width = 64;
    QuotaImages.DoneThin = ring;
    Board({"1aaaa", "22222"}, {"*"});
    BurstPiece(PieceAt(0, 0), 0, 10);
    EXPECT_EQ(sounds, (std::vector<Text>{"media\\sound\\flowerpop.ogg"}));
    EXPECT_EQ(LockState(1), (Picture{"k----"}));
    // 40 updates, then 12 per ring width of distance: 48, 96, 144, 192 px.
    EXPECT_EQ(FlightDelays(), (std::vector<std::pair<int, int>>{{1, 49}, {2, 58}, {3, 67}, {4, 76}}));
    // The ring waits the same 40 updates and grows past the farthest lock.
    ASSERT_EQ(BoardTwinkles.AllParticles.Count(), 1);
    Ref<Particle> burst = BoardTwinkles.AllParticles.First();
    EXPECT_EQ(burst->Delayed, 40);
    EXPECT_FLOAT_EQ(burst->TotalLife, 60 + 192.0f / 10);
}

TEST_F(Locks, AKeyBurstWithoutARingPictureStillOpensItsLocksInOrder) {
    // A missing or empty ring picture has no width to measure the ring by.
    for (bool missing : {true, false}) {
        QuotaImages.DoneThin = missing ? nullptr : New<TImage>();
        LockParticles.AllParticles.Clear();
        Board({"1aa", "222"}, {"*"});
        KeyBurst(PieceAt(0, 0));
        std::vector<std::pair<int, int>> delays = FlightDelays();
        ASSERT_EQ(delays.size(), 2u) << missing;
        EXPECT_EQ(delays[0], (std::pair<int, int>{1, 40 + 12 * 48}));
        EXPECT_EQ(delays[1], (std::pair<int, int>{2, 40 + 12 * 96}));
        EXPECT_EQ(LockState(1), (Picture{"k--"}));
    }
}

} // namespace
} // namespace wispwood
