#pragma once
// Which target the cursor moves to: the nearest one lying in the direction
// pressed, where lying off to the side counts double against it.
#include "framework/navigation/nav_target.h"

namespace wispwood {

// The index of the target the cursor moves to from targets[from] in the
// direction (dx, dy) (not normalised), or -1 when none lies that way.
// Targets of the same group as the one left are passed over; of two equally
// good, the one less off to the side wins, then the one offered first.
int ChooseInDirection(const std::vector<NavTarget>& targets, int from, float dx, float dy);
// The same from a point that is not a target.
int ChooseInDirectionFrom(const std::vector<NavTarget>& targets, float fromX, float fromY, float dx,
                          float dy);

// The index of the target whose pointer point is nearest (x, y) among those
// the filter accepts, or -1.
template <class Filter>
int NearestTarget(const std::vector<NavTarget>& targets, float x, float y, Filter accept) {
    int best = -1;
    float bestDistance = 0;
    for (int i = 0; i < static_cast<int>(targets.size()); ++i) {
        if (!accept(targets[i])) continue;
        float ddx = targets[i].px - x, ddy = targets[i].py - y;
        float distance = ddx * ddx + ddy * ddy;
        if (best < 0 || distance < bestDistance) best = i, bestDistance = distance;
    }
    return best;
}

} // namespace wispwood
