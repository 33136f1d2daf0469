#pragma once
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

// A flight from a start point into a target. The plain variant leaves along
// its velocity and is pulled ever harder into the target; the curved one
// eases in and out between the two points.
class VelocityIntoPath {
  public:
    int Ticks = 0;
    int Life = 100;
    float startx = 0;
    float starty = 0;
    float endx = 0;
    float endy = 0;
    float realx = 0;
    float realy = 0;
    float dx = 0;
    float dy = 0;
    int SquareSquare = 0;

    static Ref<VelocityIntoPath> Create(float startX, float startY, float endX, float endY);
    void Update();
    int Finished() const;
    // The current point as {x, y}.
    std::vector<float> Pos() const;
};

} // namespace wispwood
