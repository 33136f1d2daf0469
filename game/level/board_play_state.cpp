#include "game/level/board_play_state.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/clear_pass.h"
#include "game/board/column_stacks.h"
#include "game/board/confetti.h"
#include "game/board/creation_override.h"
#include "game/board/crumble.h"
#include "game/board/defined_levels.h"
#include "game/board/earthquake.h"
#include "game/board/extra_life_flight.h"
#include "game/board/falling_pieces.h"
#include "game/board/game_score.h"
#include "game/board/game_stats.h"
#include "game/board/hint.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/lock_particles.h"
#include "game/board/new_piece.h"
#include "game/board/outlines.h"
#include "game/board/panel_particles.h"
#include "game/board/path_search.h"
#include "game/board/piece_definition.h"
#include "game/board/quota.h"
#include "game/board/quota_images.h"
#include "game/board/reward_text.h"
#include "game/board/score_popups.h"
#include "game/board/scroll.h"
#include "game/board/selection.h"
#include "game/board/stuck_recovery.h"
#include "game/board/tutorial_images.h"
#include "game/board/tutorials.h"
#include "game/board/vine_coin.h"
#include "game/level/bonus_game.h"
#include "game/level/score_flight.h"
#include "game/level/tally.h"

namespace wispwood {

void ResetBoardPlayState() {
    ResetBoard();
    ResetBoardSound();
    ResetLevels();
    ResetPredefinedLevels();
    ResetPieceDefinitions();
    ResetBoardFrame();
    ResetGameBoardState();
    ResetColumnStacks(0);
    ResetFalling();
    ResetStuck();
    ResetGameScore();
    ResetGameStats();
    ResetScroll();
    ResetCreationOverrides();
    ResetNewPiece();
    ResetRewardTexts();
    ResetScoreFlights();
    ResetExtraLifeFlights();
    ResetConfetti();
    ResetTally();
    ResetLevelResult();
    ResetQuotaImages();
    ResetBonusGame();
    ClearTutorials();
    ResetTutorialImages();
}

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
}

} // namespace wispwood
