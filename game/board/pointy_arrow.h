#pragma once
// The bouncing arrow of a lesson: it points at a spot on screen from a
// direction, bobs towards it and away, and fades in and out.
#include "engine/core/ref.h"

namespace wispwood {

class TImage;

class PointyArrow {
  public:
    virtual ~PointyArrow() = default;

    Ref<TImage> Image;
    float x = 0; // the point the arrow points at
    float y = 0;
    float Rotation = 0;
    float DistLow = 92;
    float DistHigh = 98;
    int DistPeriod = 120;
    // From the target towards the arrow's body, in degrees.
    float Angle = -135;
    int Ticks = 0;
    float Alpha = 0;
    int Killing = 0;
    int Killed = 0; // faded out after Kill
    int Hide = 0;

    // Fades out for good.
    virtual void Kill();
    // Bobs and fades by one update.
    virtual void Update();
    virtual void Render();
    // Where the arrow's handle is drawn.
    virtual float GetX();
    virtual float GetY();
    // How far the arrow stands from its target this update.
    virtual float Dist();
};

} // namespace wispwood
