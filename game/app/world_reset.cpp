#include "game/app/world_reset.h"
#include "engine/draw/image.h"
#include "engine/input/clock.h"
#include "engine/input/event.h"
#include "engine/input/polled_input.h"
#include "engine/io/random.h"
#include "framework/anim/numeric.h"
#include "framework/data/g_file.h"
#include "framework/gui/gui_text_input.h"
#include "framework/gui/pointer.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "framework/scene/tickers.h"
#include "framework/scene/tunables.h"
#include "game/adventure/counters_row.h"
#include "game/adventure/main_game.h"
#include "game/adventure/quest_map_state.h"
#include "game/app/startup.h"
#include "game/board/board_sound.h"
#include "game/board/combo_groups.h"
#include "game/board/crumble.h"
#include "game/board/gem.h"
#include "game/board/hint.h"
#include "game/board/level_timer.h"
#include "game/board/quota_bottle.h"
#include "game/board/quota_particle.h"
#include "game/level/board_play_state.h"
#include "game/level/level_clock.h"
#include "game/level/level_end.h"
#include "game/services/profiles.h"

namespace wispwood {

void ResetWorld() {
    // The scenes first: a scene still on the stack holds the game state and
    // pictures the resets below let go of, and would keep them alive.
    ResetSceneStack();
    ResetTickers();
    // Start-up's own state and what it set up and loaded: settings,
    // profiles, the loader queue, the frame loop (and its up-calls), every
    // picture set, the fonts, the text tables, the sounds and then the audio
    // output (channels stop before their driver shuts down).
    ResetStartUp();
    // The board and the level being played, with the adventure effects
    // around it.
    ResetBoardPlayState();
    ResetBoardSound();
    ResetComboGroups();
    ResetCrumbleShards();
    ResetHint();
    ResetGuideAnimations();
    ResetLevelClock();
    ResetLevelEnd();
    ResetLevelTimer();
    ResetQuotaParticleCount();
    ResetQuotaParticles();
    ResetQuotaWaves();
    ResetPauseMenuImages();
    ResetGems();
    ResetQuestMapState();
    ResetCountersImages();
    ResetProfiles();
    // The framework's remaining globals.
    ResetInputSnapshot();
    ResetTunables();
    ResetPointer();
    ResetTextBoxTyping();
    ResetFramesPerSecond();
    ResetNodeNameCounter();
    // The engine's: keys and buttons held, events waiting, image defaults,
    // the clock; the random generator last, so that no reset above draws
    // from it after it is seeded.
    ClearKeys();
    ClearMouse();
    FlushEvents();
    ResetImageDefaults();
    ResetClock();
    ResetRandom();
}

} // namespace wispwood
