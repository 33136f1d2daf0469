#pragma once
// A spark of the high-score screen: it bursts out, flies free for a moment
// and is eased onto its target over 100 updates, trailing twinkles. Sparks
// that carry a letter or digit of a new entry make it appear on landing.
#include "engine/core/ref.h"

namespace wispwood {

class HighScoreMenuDisplayParticle {
  public:
    int Invalid = 0; // landed; the screen drops it
    float startx = 0, starty = 0;
    float x = 0, y = 0;                                 // drawn position
    float Progress = 0;                                 // 0 to 1 from start to target
    float realx = 0, realy = 0, realdy = 0, realdx = 0; // free flight
    float lastframex = 0, lastframey = 0;
    int Ticks = 0;
    float targetx = 0, targety = 0;
    int DriftLeft = 0;
    int AddingChar = 0; // 0 decoration, 1 a letter of the name, 2 a digit or counter
    int AddingCharNumber = 0;
    int AddingExtras = 0; // delivers to the counters
    int Delay = 0;        // updates before it starts
    int StartParticles = 1;

    // Starting at (sx, sy) with the free-flight velocity (dx, dy), bound
    // for (tx, ty).
    static Ref<HighScoreMenuDisplayParticle> Create(float sx, float sy, float dx, float dy, float tx,
                                                    float ty);

    void Update();
    void Render();
    float Alpha() const;
};

} // namespace wispwood
