#include "framework/anim/piecewise_function.h"

namespace wispwood {

int TPieceWisePoint::Compare(const TPieceWisePoint& other) const {
    return static_cast<int>(Position - other.Position);
}

// Compare is not a strict weak order (0 ~ 0.6 ~ 1.2 but 0 < 1.2), which
// the standard sorts do not allow; a stable insertion sort is well defined
// with it and keeps equal points in their given order.
void TPieceWiseFunction::Sort() {
    for (size_t i = 1; i < Points.size(); ++i) {
        TPieceWisePoint point = Points[i];
        size_t j = i;
        while (j > 0 && point.Compare(Points[j - 1]) < 0) {
            Points[j] = Points[j - 1];
            --j;
        }
        Points[j] = point;
    }
}

Ref<TPieceWiseFunction>
TPieceWiseFunction::CreateFromArray(const std::vector<std::pair<float, float>>& points) {
    auto function = New<TPieceWiseFunction>();
    function->AddPoints(points);
    return function;
}

Ref<TPieceWiseFunction>
TPieceWiseFunction::CreateFromCumulativeArray(const std::vector<std::pair<float, float>>& points) {
    auto function = New<TPieceWiseFunction>();
    float position = 0;
    for (const auto& [step, value] : points) {
        position += step;
        function->Points.push_back({position, value});
    }
    function->Sort();
    return function;
}

float TPieceWiseFunction::InterpolateLinearly(float x) const {
    if (Points.empty()) return 0;
    if (x <= Points.front().Position) return Points.front().Value;
    if (x >= Points.back().Position) return Points.back().Value;
    for (size_t i = 1; i < Points.size(); ++i) {
        const TPieceWisePoint& hi = Points[i];
        if (x >= hi.Position) continue;
        const TPieceWisePoint& lo = Points[i - 1];
        float span = hi.Position - lo.Position;
        if (span <= 0) return hi.Value;
        return lo.Value + (x - lo.Position) / span * (hi.Value - lo.Value);
    }
    return Points.back().Value;
}

float TPieceWiseFunction::Length() const {
    if (Points.empty()) return 0;
    return Points.back().Position - Points.front().Position;
}

void TPieceWiseFunction::AddPoint(float position, float value) {
    Points.push_back({position, value});
    Sort();
}

void TPieceWiseFunction::AddPoints(const std::vector<std::pair<float, float>>& points) {
    for (const auto& [position, value] : points) Points.push_back({position, value});
    Sort();
}

} // namespace wispwood
