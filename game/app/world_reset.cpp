#include "game/app/world_reset.h"
#include "engine/audio/audio.h"
#include "engine/draw/image.h"
#include "engine/input/clock.h"
#include "engine/input/event.h"
#include "engine/input/polled_input.h"
#include "engine/io/random.h"
#include "engine/io/write_folder.h"
#include "framework/anim/numeric.h"
#include "framework/data/data_file_report.h"
#include "framework/data/tree_file.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/gui_text_input.h"
#include "framework/gui/pointer.h"
#include "framework/highscores/high_score_table.h"
#include "framework/layout/layout_resource.h"
#include "framework/navigation/nav_cursor.h"
#include "framework/particles/calm_effects.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_playback.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/notices.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/screen_fade.h"
#include "framework/scene/tickers.h"
#include "framework/scene/tunables.h"
#include "framework/sound/sound.h"
#include "game/adventure/background.h"
#include "game/adventure/credits_file.h"
#include "game/adventure/high_score_menu.h"
#include "game/adventure/level_recorder.h"
#include "game/adventure/level_replay.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map.h"
#include "game/adventure/quest_spot.h"
#include "game/adventure/score_tables.h"
#include "game/adventure/spot_levels.h"
#include "game/app/comic_menu.h"
#include "game/app/demo.h"
#include "game/app/jungle_dust.h"
#include "game/app/level_capture.h"
#include "game/app/loader_queue.h"
#include "game/app/loading_scene.h"
#include "game/app/logo_screens.h"
#include "game/app/main_scene.h"
#include "game/app/startup.h"
#include "game/board/beam_rubble_images.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/board_play_state.h"
#include "game/board/board_sound.h"
#include "game/board/column_stacks.h"
#include "game/board/combo_tile_images.h"
#include "game/board/confetti.h"
#include "game/board/creation_override.h"
#include "game/board/crumble.h"
#include "game/board/defined_levels.h"
#include "game/board/effect_images.h"
#include "game/board/extra_life_flight.h"
#include "game/board/fairy_glow_images.h"
#include "game/board/falling_pieces.h"
#include "game/board/game_score.h"
#include "game/board/game_stats.h"
#include "game/board/gem.h"
#include "game/board/gem_images.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_images.h"
#include "game/board/quota_images.h"
#include "game/board/quota_particle.h"
#include "game/board/reward_text.h"
#include "game/board/scroll.h"
#include "game/board/stuck_recovery.h"
#include "game/board/tutorial_images.h"
#include "game/board/tutorials.h"
#include "game/board/vine_coin.h"
#include "game/level/bonus_game.h"
#include "game/level/bonus_images.h"
#include "game/level/game_overlays.h"
#include "game/level/level_clock.h"
#include "game/level/level_end.h"
#include "game/level/score_flight.h"
#include "game/level/tally.h"
#include "game/services/game_fonts.h"
#include "game/services/options_dialog.h"
#include "game/services/profiles.h"
#include "game/services/rank.h"
#include "game/services/save_report.h"
#include "game/services/settings.h"
#include "game/services/sound_tables.h"
#include "game/services/start_flags.h"
#include "game/services/text_table.h"

namespace wispwood {

// One list, each module's reset once, from the top layer down: a reset
// that takes in others of its own module (ResetProfiles the file's state,
// ResetGameBoardState the board's per-game state, ...) stands for them here.
void ResetWorld() {
    // The scenes first: a scene still on the stack holds the game state and
    // pictures the resets below let go of, and would keep them alive.
    ResetSceneStack();
    ResetTickers();

    // The application: start-up, loading, the title screen, developer modes.
    ResetStartUp();
    ResetLoaderQueue();
    ResetLogoScreens();
    ResetLoadingScreen();
    ResetMainScene();
    ResetDemo();
    ResetJungleDust();
    ResetComicImages();
    ResetLevelCapture();

    // The adventure's scenes and what they keep.
    ResetMainGame();
    ResetLevelReplay();
    ResetLevelRecorder();
    ResetQuestMap();
    ResetQuestSpots();
    ResetSpotLevels();
    ResetHighScoreMenu();
    ResetRelaxedHighScores();
    ResetCredits();
    ResetBackgrounds();

    // The level around the board.
    ResetLevelEnd();
    ResetLevelClock();
    ResetClockImages();
    ResetTally();
    ResetScoreFlights();
    ResetBonusGame();
    ResetBonusImages();
    ResetGameOverlays();

    // The board, its rules and their effects; the level timer goes with the
    // level set, after the clock that reads it.
    ResetGameBoardState();
    ResetBoard();
    ResetBoardSound();
    ResetLevels();
    ResetBoardFrame();
    ResetColumnStacks(0);
    ResetFalling();
    ResetStuck();
    ResetGameScore();
    ResetGameStats();
    ResetScroll();
    ResetCreationOverrides();
    ResetRewardTexts();
    ResetExtraLifeFlights();
    ResetConfetti();
    ResetLevelResult();
    ResetGems();
    ResetCoinShine();
    ResetCrumbleShards();
    ResetQuotaParticleCount();
    ClearTutorials();
    ResetPieceDefinitions();
    ResetPredefinedLevels();
    ResetPieceImages();
    ResetTutorialImages();
    ResetBeamRubbleImages();
    ResetFairyGlowImages();
    ResetComboTileImages();
    ResetQuotaImages();
    ResetGemImages();
    ResetEffectImages();

    // The game's services: settings, flags, profiles, options, then the
    // sounds before the audio output (channels stop before their driver
    // shuts down), the fonts and the texts.
    ResetSettings();
    ResetSaveReport();
    ResetStartFlags();
    ResetProfiles();
    ResetRanks();
    ResetOptions();
    ResetSoundTables();
    ResetSoundManager();
    ResetAudio();
    ResetGameFonts();
    ResetFonts();
    ResetTextTable();

    // The framework: the frame loop (and its up-calls), layout, widgets,
    // the pointer, high scores, transitions, calm effects, drawing state, the input
    // snapshot and the named values.
    ResetFrameLoop();
    ResetMainLayout();
    ResetGuiResources();
    ResetTextBoxTyping();
    ResetPointer();
    ResetNavigation();
    ResetHighScores();
    ResetTransitionImages();
    ResetCalmEffects();
    ResetDrawStateStack();
    ResetInputSnapshot();
    ResetInputPlayback();
    ResetNotices();
    ResetDataFileReports();
    ResetTunables();
    ResetFramesPerSecond();
    ResetNodeNameCounter();

    // The engine's: where files are written, keys and buttons held, events
    // waiting, image defaults, the clock; the random generator last, so
    // that no reset above draws from it after it is seeded.
    ResetWriteFolder();
    ClearKeys();
    ClearMouse();
    FlushEvents();
    ResetImageDefaults();
    ResetClock();
    ResetRandom();
}

} // namespace wispwood
