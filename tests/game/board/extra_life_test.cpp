#include "game/board/extra_life.h"
#include "game/board/extra_life_flight.h"
#include "game/board/panel_particles.h"
#include "game/board/powerup.h"
#include "game/services/profiles.h"
#include "tests/game/board/clear_pass_fixture.h"

namespace wispwood {
namespace {

class ExtraLives : public test::ClearPassWorldTest {
  protected:
    void SetUp() override {
        test::ClearPassWorldTest::SetUp();
        ASSERT_TRUE(CreateProfile("Ann"));
        SelectProfileByName("Ann");
        ASSERT_TRUE(CurrentProfile);
        CurrentProfile->Lives = 2;
    }
};

TEST_F(ExtraLives, AMatchedPairFliesToTheCornersAndGivesOneLife) {
    Board({
        "1111",
        "X22X",
    });
    Match({{0, 1}, {3, 1}});
    EXPECT_EQ(PieceAt(0, 1), nullptr);
    EXPECT_EQ(PieceAt(3, 1), nullptr);
    EXPECT_EQ(BoardEffects.AllParticles.Count(), 0);
    ASSERT_EQ(ExtraLifeFlights.Count(), 2);
    int onLeft = 0;
    for (const auto& f : ExtraLifeFlights) {
        onLeft += f->Onleft;
        EXPECT_EQ(f->y, CellHeight + CellHeight / 2);
    }
    EXPECT_EQ(onLeft, 1);
    EXPECT_EQ(CurrentProfile->Lives, 2);

    for (int i = 0; i < 400 && !ExtraLifeFlights.IsEmpty(); ++i) UpdateExtraLifeFlights();
    EXPECT_TRUE(ExtraLifeFlights.IsEmpty());
    EXPECT_EQ(CurrentProfile->Lives, 3);
    EXPECT_EQ(PanelParticles.AllParticles.Count(), 60);
}

} // namespace
} // namespace wispwood
