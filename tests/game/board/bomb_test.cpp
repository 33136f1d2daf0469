#include "game/board/powerup.h"
#include "tests/game/board/clear_pass_fixture.h"
#include <algorithm>
#include <set>

namespace wispwood {
namespace {

class Bombs : public test::ClearPassWorldTest {};

TEST_F(Bombs, APairBurstsEveryReachableColouredPieceOnceWithRisingPoints) {
    // The 4s sit behind stones, out of the player's reach.
    Board({
        "12341S44",
        "2B331S44",
        "5.3B.SSS",
    });
    std::set<Piece*> reachable;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->Bottom && p->Normal()) reachable.insert(p.get());
    });
    ASSERT_GE(reachable.size(), 4u);
    ASSERT_FALSE(reachable.count(PieceAt(6, 0).get()));
    auto first = Cast<Bomb>(PieceAt(1, 1)), second = Cast<Bomb>(PieceAt(3, 2));

    Match({{1, 1}, {3, 2}});
    EXPECT_EQ(PieceAt(1, 1), nullptr);
    EXPECT_EQ(PieceAt(3, 2), nullptr);
    EXPECT_EQ(first->Activated + second->Activated, 2);
    std::set<Piece*> burst;
    std::vector<int> scores;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->PieceExplosionParticle) burst.insert(p.get()), scores.push_back(p->Score);
    });
    EXPECT_EQ(burst, reachable);
    // One burst per piece, worth 10, 20, 30 ...
    EXPECT_EQ(BoardEffects.AllParticles.Count(), static_cast<int>(reachable.size()));
    EXPECT_EQ(TilesPopped->n, static_cast<int>(reachable.size()));
    std::sort(scores.begin(), scores.end());
    for (size_t i = 0; i < scores.size(); ++i) EXPECT_EQ(scores[i], 10 * static_cast<int>(i + 1));
    EXPECT_GT(Played("media\\sound\\powerupsound.ogg"), 0);

    // A bomb goes off once.
    EXPECT_EQ(first->Activate(), 0);
    EXPECT_EQ(BoardEffects.AllParticles.Count(), static_cast<int>(reachable.size()));
}

} // namespace
} // namespace wispwood
