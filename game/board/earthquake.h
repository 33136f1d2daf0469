#pragma once
// The earthquake: for 270 updates the board shakes, debris falls from its
// top and reachable pieces drop out one by one, ever faster; then it
// settles over 50 updates. Clicks do nothing while it shakes.
namespace wispwood {

struct ShakeOffset {
    float x = 0;
    float y = 0;
};

extern int QuakeTicks;     // 0: no quake, else updates since it started
extern int AfterShake;     // 50 down to 0 after a quake
extern int QuakeStep;      // grows every update of a quake
extern int QuakeCountdown; // a piece drops when the steps have used it up
extern ShakeOffset ShakeVector;

// Starts a quake unless one runs.
void StartEarthquake();
// The board step, every update while the board runs.
void UpdateEarthquake();
int IsShaking();
int IsAfterShaking();
// A new random offset for drawing a piece, growing over the quake's first
// half and dying away in the after-shake; none when the board is still or
// effects are calm.
ShakeOffset CurrentShake();

void ResetEarthquake();

} // namespace wispwood
