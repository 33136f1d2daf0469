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

// Called with the top scene's wanted music set before every update; the
// sound manager installs it.
extern std::function<void(const Ref<MusicScene>&)> SoundHousekeeping;
// Draws the game's mouse pointer at the given position; the widgets
// install it.
extern std::function<void(int x, int y)> DrawMousePointer;

// Runs when the window's close button (or SIGINT/SIGTERM) asks to quit;
// start-up installs one that saves and ends the program. A hook that
// returns 0 (or none) ends the program at once.
extern std::function<int()> ExitHook;
extern int CloseAllowed;

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
