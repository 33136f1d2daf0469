// The world reset puts the whole process back as it started: a level
// played through the real program, then ResetWorld, leaves every
// process-wide variable of the game with the value it had before start-up.
#include "engine/draw/graphics.h"
#include "engine/input/polled_input.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/main_game.h"
#include "game/app/world_reset.h"
#include "game/board/board.h"
#include "game/board/match_availability.h"
#include "game/board/piece.h"
#include "tests/support/game_harness.h"
#include "tests/support/state_census.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

// Left out of the comparison, with the reason.
bool LeftOut(const std::string& change) {
    static const char* const kLeftOut[] = {
        // The platform connections: the display with its back end, its
        // font (and the pixmap bytes that keeps alive) and its error box,
        // the input it feeds and the clocks. A world reset keeps them
        // running (a fixture that opened them closes them), and the
        // engine's own tests check their resets.
        "wispwood::sdl::",
        "wispwood::(anonymous namespace)::gDriver ",
        "wispwood::(anonymous namespace)::gDevFont ",
        "wispwood::(anonymous namespace)::gPixmapBytes ",
        "wispwood::(anonymous namespace)::gPresenter ",
        "wispwood::(anonymous namespace)::Events()::state ",
        "wispwood::(anonymous namespace)::Polled()::state ",
        "wispwood::(anonymous namespace)::Window()::state ",
        "wispwood::(anonymous namespace)::Installed()::clock ",
        "wispwood::(anonymous namespace)::PacingClock()::clock ",
        // Constant tables and shared stateless helpers, made once on first
        // use and never changed.
        "wispwood::(anonymous namespace)::PopInCurve()::curve ",
        "wispwood::(anonymous namespace)::TutorialLayouts()::layouts ",
        "wispwood::StandardColourNames[abi:cxx11]()::names ",
        "wispwood::BonusColourNames[abi:cxx11]()::names ",
        "wispwood::ShinyEffect::Singleton()::shared ",
        "wispwood::TwinkleAlpha::Shared()::shared ",
        // The named values are kept in tables that look their keys up
        // without regard to case; the reset gives them that formatter
        // where the start has none yet (it is set on first use).
        "wispwood::Tunables[abi:cxx11] ",
        "wispwood::ActiveTunables[abi:cxx11] ",
        "wispwood::ConsoleTunables[abi:cxx11] ",
    };
    for (const char* name : kLeftOut)
        if (change.rfind(name, 0) == 0) return true;
    return false;
}

void PlayAFewMatches(test::GameHarness& game) {
    for (int i = 0; i < 5; ++i) {
        GroupPair pair = FindMatchingPair(-1, 1, 0);
        if (pair.size() != 2 || pair[0].empty() || pair[1].empty()) break;
        for (const PieceGroup& group : pair) {
            const Ref<Piece>& p = group[0];
            game.Click(BoardLeft() + p->GetX() + CellWidth / 2, BoardTop() + p->GetY() + CellHeight / 2);
            game.Frames(20);
        }
        game.Frames(100);
    }
}

TEST(WorldReset, APlayedLevelLeavesEveryProcessWideVariableAsTheProgramStarted) {
    if (::testing::UnitTest::GetInstance()->test_to_run_count() != 1)
        GTEST_SKIP() << "compares with the state the process started with, so it runs alone (as CTest runs it)";
    const test::StateCensus before = test::StateCensus::Take();
    ASSERT_GT(before.Count(), 300u);
    {
        test::GameHarness game;
        ASSERT_TRUE(game.Start({"run0"}));
        ASSERT_TRUE(game.RunUntil([] { return Cast<MainGame>(TopScene()) != nullptr; }, 2000));
        game.Frames(300);
        PlayAFewMatches(game);
    } // the harness ends with the world reset
    CloseGraphics();
    ResetInput();
    int changed = 0;
    for (const std::string& change : test::StateCensus::Take().ChangedSince(before)) {
        if (LeftOut(change)) continue;
        ADD_FAILURE() << change << " is not back at its start value";
        ++changed;
    }
    EXPECT_EQ(changed, 0);
}

} // namespace
} // namespace wispwood
