// The special pieces in the real game scene: locations that bring vines,
// locks, fairy tiles and rainbows, played through real mouse input.
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/board/board.h"
#include "game/board/fairy_flight.h"
#include "game/board/game_score.h"
#include "game/board/groups.h"
#include "game/board/hover_piece.h"
#include "game/board/level_set.h"
#include "game/board/lock_particles.h"
#include "game/board/match_availability.h"
#include "game/board/piece_match.h"
#include "game/board/rainbow_piece.h"
#include "game/board/score_popups.h"
#include "game/board/tutorials.h"
#include "game/board/vine_coin.h"
#include "game/board/vine_pieces.h"
#include "tests/support/game_harness.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class PowerupsInPlay : public ::testing::Test {
  protected:
    test::GameHarness game;

    void StartLocation(const Text& word) {
        ASSERT_TRUE(game.Start({word}));
        ASSERT_TRUE(game.RunUntil([] { return Cast<MainGame>(TopScene()) != nullptr; }, 2000));
        ASSERT_TRUE(game.RunUntil(
            [] { return !TransitionInProgress(0) && CurrentGame && !CurrentGame->Paused(1); }, 600));
        // The locations' lessons would refuse the clicks made here; the
        // lessons are tested on their own.
        ClearTutorials();
    }
    void ClickPiece(const Ref<Piece>& p) {
        game.Click(BoardLeft() + p->GetX() + CellWidth / 2, BoardTop() + p->GetY() + CellHeight / 2);
    }
    static bool Pickable(const Ref<Piece>& p) {
        return p && p->OnBoard && p->Bottom && p->BottomDelay == 0 && p->Valid() && p->y > 0;
    }
    // A reachable partner for the piece outside its own group.
    static Ref<Piece> PartnerOf(const Ref<Piece>& piece) {
        PieceGroup own = SameColourGroup(piece);
        Ref<Piece> partner;
        ForEachPiece([&](const Ref<Piece>& p) {
            if (partner || !Pickable(p) || std::find(own.begin(), own.end(), p) != own.end()) return;
            if (PiecesMatch(piece, p)) partner = p;
        });
        return partner;
    }
    // Plays ordinary matches until the condition holds.
    template <class Done>
    bool PlayUntil(Done done, int matches) {
        for (int i = 0; i < matches && !done(); ++i) {
            GroupPair pair = FindMatchingPair(-1, 1, 0);
            if (pair.size() == 2 && !pair[0].empty() && !pair[1].empty()) {
                ClickPiece(pair[0][0]);
                game.Frames(20);
                ClickPiece(pair[1][0]);
            }
            game.Frames(60);
        }
        return done();
    }
};

TEST_F(PowerupsInPlay, MatchingAVinesHeadsBurnsItAndPaysItsCoin) {
    StartLocation("run8");
    Ref<VineHead> first, second;
    auto headsInReach = [&] {
        first = second = nullptr;
        ForEachPiece([&](const Ref<Piece>& p) {
            auto head = Cast<VineHead>(p);
            if (!head || !Pickable(p) || first) return;
            Ref<Piece> other = PartnerOf(p);
            if (other) first = head, second = Cast<VineHead>(other);
        });
        return first && second;
    };
    ASSERT_TRUE(PlayUntil(headsInReach, 30));
    int vinePieces = 0;
    std::vector<Ref<VineBase>> withCoins;
    ForEachPiece([&](const Ref<Piece>& p) {
        vinePieces += IsKind<VineBase>(p) ? 1 : 0;
        if (auto vine = Cast<VineBase>(p); vine && vine->HasCoin) withCoins.push_back(vine);
    });
    int score = GameScore;
    ClickPiece(first);
    game.Frames(20);
    ClickPiece(second);
    game.Frames(5);
    game.SaveFrame("powerups-vine-burning");
    EXPECT_FALSE(first->OnBoard);
    EXPECT_TRUE(second->OnBoard); // the fire has not reached it yet
    ASSERT_TRUE(game.RunUntil([&] { return !second->OnBoard; }, 600));
    int left = 0;
    ForEachPiece([&](const Ref<Piece>& p) { left += IsKind<VineBase>(p) ? 1 : 0; });
    EXPECT_LT(left, vinePieces);
    game.Frames(200); // released coins pay out
    int burnt = 0;
    for (const auto& vine : withCoins) burnt += vine->_Activated;
    EXPECT_GE(GameScore - score, 150 * burnt);
    if (burnt == 0) ADD_FAILURE() << "the vine carried no coin";
}

TEST_F(PowerupsInPlay, AKeysBurstOpensTheLocksOfItsRegion) {
    StartLocation("run6");
    Ref<Piece> key, partner;
    auto keyInReach = [&] {
        key = partner = nullptr;
        ForEachPiece([&](const Ref<Piece>& p) {
            if (key || !p->Unlocker || !Pickable(p)) return;
            Ref<Piece> other = PartnerOf(p);
            bool guards = false;
            for (int d = 0; d < 4; ++d) {
                Ref<Piece> n = CellAt(p->x + (d == 0) - (d == 1), p->y + (d == 2) - (d == 3));
                guards = guards || (n && n->Locked);
            }
            if (other && guards) key = p, partner = other;
        });
        return key != nullptr;
    };
    ASSERT_TRUE(PlayUntil(keyInReach, 40));
    ClickPiece(key);
    game.Frames(20);
    ClickPiece(partner);
    game.Frames(30);
    int flying = 0;
    for (const auto& p : LockParticles.AllParticles) flying += p->TotalLife == 300 ? 1 : 0;
    EXPECT_GT(flying, 0);
    game.Frames(60);
    game.SaveFrame("powerups-locks-opening");
}

TEST_F(PowerupsInPlay, AFairyTileLeftWithoutColouredNeighboursFliesFree) {
    StartLocation("run13");
    Ref<HoverPiece> tile;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (!tile && p->y > 0 && IsKind<HoverPiece>(p)) tile = Cast<HoverPiece>(p);
    });
    ASSERT_TRUE(tile);
    // The stuck recovery and the beams take pieces away like this.
    for (int d = 0; d < 4; ++d) {
        Ref<Piece> n = CellAt(tile->x + (d == 0) - (d == 1), tile->y + (d == 2) - (d == 3));
        if (n && n->Normal()) n->RemoveFromBoard(0);
    }
    int score = GameScore;
    game.Frames(2);
    EXPECT_FALSE(tile->OnBoard);
    EXPECT_EQ(GameScore - score, 250);
    int fairies = 0;
    for (const auto& p : ScorePopups.AllParticles) fairies += Cast<FairyFlyLogic>(p->ExtraLogic) ? 1 : 0;
    EXPECT_EQ(fairies, 1);
    game.Frames(40);
    game.SaveFrame("powerups-fairy-free");
}

TEST_F(PowerupsInPlay, ARainbowMatchesAGroupOfAnyColour) {
    StartLocation("run15");
    Ref<Piece> rainbow, other;
    auto rainbowInReach = [&] {
        rainbow = other = nullptr;
        ForEachPiece([&](const Ref<Piece>& p) {
            if (!rainbow && IsKind<RainbowPiece>(p) && Pickable(p)) rainbow = p;
        });
        if (rainbow) other = PartnerOf(rainbow);
        return rainbow && other;
    };
    ASSERT_TRUE(PlayUntil(rainbowInReach, 60));
    ClickPiece(rainbow);
    game.Frames(20);
    EXPECT_EQ(RainbowSelected(), 1);
    ClickPiece(other);
    game.Frames(2);
    EXPECT_TRUE(rainbow->PieceExplosionParticle);
    EXPECT_TRUE(other->PieceExplosionParticle || !other->OnBoard);
    game.Frames(30);
    game.SaveFrame("powerups-rainbow-burst");
    EXPECT_FALSE(rainbow->OnBoard);
}

} // namespace
} // namespace wispwood
