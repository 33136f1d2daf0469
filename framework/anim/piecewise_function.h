#pragma once
// Piecewise-linear functions given as points.
#include "engine/core/ref.h"
#include <utility>
#include <vector>

namespace wispwood {

class TPieceWisePoint {
  public:
    float Position = 0;
    float Value = 0;

    // trunc(Position - other.Position): points closer than 1 apart compare
    // equal and keep their given order.
    int Compare(const TPieceWisePoint& other) const;
};

class TPieceWiseFunction {
  public:
    std::vector<TPieceWisePoint> Points; // sorted by position

    // Points as [position, value] pairs.
    static Ref<TPieceWiseFunction> CreateFromArray(const std::vector<std::pair<float, float>>& points);
    // Points as [step, value] pairs: each position is the previous one plus
    // its step (the first step counts from 0).
    static Ref<TPieceWiseFunction>
    CreateFromCumulativeArray(const std::vector<std::pair<float, float>>& points);

    // The first value at or before the first point, the last value at or
    // after the last one, linear in between. 0 without points.
    float InterpolateLinearly(float x) const;
    float Length() const;
    void AddPoint(float position, float value);
    void AddPoints(const std::vector<std::pair<float, float>>& points);
    void Clear() { Points.clear(); }

  private:
    void Sort();
};

} // namespace wispwood
