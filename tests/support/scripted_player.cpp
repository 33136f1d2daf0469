#include "tests/support/scripted_player.h"
#include <gtest/gtest.h>
#include "framework/gui/gui_gadget.h"
#include "game/board/board.h"
#include "game/board/match_availability.h"
#include "game/board/piece.h"

namespace wispwood::test {

bool PlayOneMatch(GameHarness& game) {
    GroupPair pair = FindMatchingPair(-1, 1, 0);
    if (pair.size() != 2 || pair[0].empty() || pair[1].empty()) return false;
    for (const auto& group : pair) {
        const Ref<Piece>& p = group[0];
        game.Click(BoardLeft() + p->GetX() + CellWidth / 2, BoardTop() + p->GetY() + CellHeight / 2);
        game.Frames(20);
    }
    game.Frames(60);
    return true;
}

void PlayMatches(GameHarness& game, int count) {
    for (int i = 0; i < count; ++i)
        if (!PlayOneMatch(game)) game.Frames(50);
}

void ClickGadget(GameHarness& game, const Ref<guiGadget>& g) {
    ASSERT_TRUE(g);
    game.Click(static_cast<int>(g->x + g->GetWidtH() / 2), static_cast<int>(g->y + g->GetHeight() / 2));
}

} // namespace wispwood::test
