// Where the keyboard and pad cursor can stand in the game scene.
#include "framework/gui/gui_container.h"
#include "framework/navigation/gadget_targets.h"
#include "framework/navigation/nav_target.h"
#include "game/adventure/main_game.h"
#include "game/board/board_targets.h"
#include "game/board/level.h"
#include "game/board/level_set.h"
#include "game/level/bonus_targets.h"

namespace wispwood {

void MainGame::NavigationTargets(NavTargets& targets) {
    // A dialog on top (the pause menu, the tally, a confirmation) has the
    // cursor to itself; the board waits under it.
    if (!DialogOpen(*Container) && !Paused(1)) {
        if (CurrentLevel && IsBonusLevel(*CurrentLevel))
            AddBonusTargets(targets);
        else
            AddBoardTargets(targets);
    }
    AddGadgetTargets(*Container, targets);
}

} // namespace wispwood
