#pragma once
// Score popups: every score change of play goes through one, which adds
// its points at once and shows them over the board.
#include "framework/anim/piecewise_function.h"
#include "framework/particles/particle.h"

namespace wispwood {

extern ParticleGroup ScorePopups;

// A pop-in with a 10 % overshoot, times scale.
class ScaleInFunc : public Func {
  public:
    ScaleInFunc();
    float scale = 1.0f;
    Ref<TPieceWiseFunction> pw;
    float f(float x) override;
};

// Fades in over the first tenth and out over the last fifth.
class ScaleInAlphaFunc : public Func {
  public:
    ScaleInAlphaFunc();
    Ref<TPieceWiseFunction> pw;
    float f(float x) override;
};

// Adds points to GameScore and shows them centred on (x, y), screen
// coordinates. 0 points do nothing and give null; else the text particle.
Ref<Particle> ShowPoints(int points, float x, float y, float scale, int rises, int life, int excellent);
// Popups that do not rise move down with the board by v.
void ScrollPopups(float v);
// 1 while a popup still waits to appear.
int PopupsWaiting();

void ResetScorePopups();

} // namespace wispwood
