#include "game/board/board_play_state.h"
#include "framework/scene/tickers.h"
#include "game/board/board_particles.h"
#include "game/board/clear_pass.h"
#include "game/board/crumble.h"
#include "game/board/earthquake.h"
#include "game/board/hint.h"
#include "game/board/lock_particles.h"
#include "game/board/new_piece.h"
#include "game/board/outlines.h"
#include "game/board/panel_particles.h"
#include "game/board/path_search.h"
#include "game/board/quota.h"
#include "game/board/score_popups.h"
#include "game/board/selection.h"
#include "game/board/vine_coin.h"

namespace wispwood {

void ResetGameBoardState() {
    ResetBoardParticles();
    ResetPaths();
    ResetHintState();
    ResetQuotaState();
    ResetScorePopups();
    ResetPanelParticles();
    ResetOutlines();
    ResetSelection();
    ResetClearPass();
    ResetCrumble();
    ResetEarthquake();
    ResetVineCoins();
    ResetLockParticles();
    // Both draw from the game's generator when first made: the specials
    // waiting for the row generator, and the named tickers that time the
    // glints on the board, the bottle and the gems. Kept from a last game,
    // they would leave those draws out and play the same seed differently.
    ResetNewPiece();
    ResetTickers();
}

} // namespace wispwood
