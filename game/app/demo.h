#pragma once
// The title screen's demo: left alone long enough, the title screen lets
// the board bot play a location behind a "DEMO" banner, and any input ends
// it at once. The demo plays on a throwaway profile with random numbers of
// its own, and gives the player's back when it ends, so nothing it does
// reaches the player's progress, their next game or their files.

namespace wispwood {

// 30 s without input on a quiet title screen.
constexpr int DemoIdleUpdates = 3000;

// The locations the demo plays, one each time, in this order and round
// again: boards that show the game off (specials, vines, laid-out levels,
// the regions' scenery), none of them a lesson.
constexpr int DemoLocations[] = {24, 9, 46, 14, 53, 37, 63, 83, 20, 58};

// Puts the player's state aside and pushes the demo scene with the next
// location. 0 when no location of the round exists (a media tree with
// fewer locations) or a demo already runs.
int StartDemo();
// Gives the player's state back: their profile, random numbers, the last
// level result the quest map is waiting for, the saved game to resume, the
// score and the mouse. Does nothing when no demo runs. The demo scene calls
// it when it leaves, and the shutdown before it saves, so a window closed
// during a demo saves the player's own state.
void StopDemo();
// 1 between StartDemo and StopDemo.
int DemoRunning();

// No demo running, the round from its first location (start-up state).
void ResetDemo();

} // namespace wispwood
