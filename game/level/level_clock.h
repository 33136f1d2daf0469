#pragma once
// The level clock around the board: the count-down while a level runs, the
// hurry warning with the guide pointing at the clock, and after a win the
// time bonus drained from the time left and the medal it earned.
#include "framework/particles/particle.h"

namespace wispwood {

extern int TimeUpArmed;
extern int TimeBonus;
extern int TimeBonusDone;
extern int TimeRanOut;
extern int BonusStartTick;
extern int MedalShown;
extern float TickPitch;
extern int GuideTicks;
extern ParticleGroup MedalShine;

// More than three quarters of a timed level's time has gone.
int Hurry();
// 2 gold, 1 silver, 0 bronze for the time left now.
int MedalKind();

// One update of the clock while the board runs.
void UpdateTimer();
// Once per game update: the time bonus, the medal, the guide. With
// pointing set the guide's pointing animation runs whatever the clock says
// (the main menu's guide points at the book).
void UpdateHud(int pointing = 0);
// The guide's wings and pointing back to their first frames.
void ResetGuideAnimations();
void RenderClock();
// The guide at (x, y): its pointing frame with its wings over it, as the
// clock's animation has them now (the tally's fairy shows it too).
void RenderGuide(float x, float y);

// The clock, the guide and their pictures.
void LoadClockImages();
// Start of a game: the counters, the shine and the guide.
void ResetLevelClock();
// The clock's and the guide's pictures let go (start-up state).
void ResetClockImages();

} // namespace wispwood
