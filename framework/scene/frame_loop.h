#pragma once
// The frame loop: 100 updates per second of the top scene, one drawing per
// frame, the per-update services and the end-of-frame housekeeping.
#include "framework/scene/game_loop.h"
#include <cstdint>
#include <functional>

namespace wispwood {

extern int LastFrameTime;
extern int UpdateBacklog;
extern int FastUpdates;

// The frame loop's calls up into the layers above it. The scene layer sits
// below the sound manager, the widgets and the game (they include its
// headers), so it cannot name their functions; each owner installs its step
// here instead. An empty step is skipped: the frame goes on without it.
// ResetFrameLoop empties them all.
struct FrameLoopUpcalls {
    // Every update, with the top scene's wanted music: the sound manager's
    // housekeeping (InstallSoundHousekeeping). Empty: sounds are left as
    // they are.
    std::function<void(const Ref<MusicScene>&)> SoundHousekeeping;
    // After the scene is drawn, for scenes that show a pointer: the widgets
    // draw the game's mouse pointer at the position (InstallGamePointer).
    // Empty: no pointer is drawn.
    std::function<void(int x, int y)> DrawMousePointer;
    // Every update right after the input snapshot, before the scene sees it:
    // the keys that work on every screen (InstallComfortKeys, in the game).
    // Empty: no key is handled ahead of the scenes.
    std::function<void()> GlobalKeys;
    // Every update after the global keys, before the scene sees the
    // snapshot: the keyboard and pad cursor, which stands the pointer on
    // its target and turns Select into a click (InstallNavigation). Empty:
    // the keys reach the scenes as they are.
    std::function<void()> Navigate;
    // When the window's close button (or SIGINT/SIGTERM) asks to quit while
    // CloseAllowed: start-up installs one that saves and ends the program.
    // Empty, or returning 0: the program ends at once.
    std::function<int()> Exit;
};
extern FrameLoopUpcalls FrameUpcalls;
extern int CloseAllowed;

// After this many updates without input, only one display frame in
// IdleFrameStride is drawn, until the player acts again.
constexpr int IdleAfterUpdates = 500;
constexpr int IdleFrameStride = 4;
// Whether the frame about to be drawn is left out (counting it).
bool LeaveOutIdleFrame(bool displayHasScreen);

// Pushes the scene without a transition, gives it Init and runs frames for
// ever. Called again from inside an update it only hands the scene over:
// the running loop goes on with it.
void RunGameLoop(const Ref<GameLoop>& scene);
// The start of RunGameLoop without the endless part, for code that drives
// the frames itself (the test harness).
void BeginGameLoop(const Ref<GameLoop>& scene);

// One frame: catch up updates by the clock, draw, present, housekeeping.
void RunFrame();
// The number of updates this frame runs for the given elapsed time
// (consuming the backlog as the frame does).
int UpdatesForElapsed(int elapsedMs);
// The per-update services followed by the top scene's Update.
void RunOneUpdate();

void ResetFrameLoop();

} // namespace wispwood
