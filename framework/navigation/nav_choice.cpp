#include "framework/navigation/nav_choice.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

// A target must lie at least this far ahead to count as lying that way.
constexpr float kAhead = 0.5f;
constexpr float kSidewaysWeight = 2;

int Choose(const std::vector<NavTarget>& targets, int from, float fromX, float fromY, float dx, float dy) {
    float length = std::sqrt(dx * dx + dy * dy);
    if (length <= 0) return -1;
    dx /= length;
    dy /= length;
    int fromGroup = from >= 0 ? targets[from].group : -1;
    int best = -1;
    float bestCost = 0, bestSideways = 0;
    for (int i = 0; i < static_cast<int>(targets.size()); ++i) {
        if (i == from) continue;
        const NavTarget& t = targets[i];
        if (fromGroup >= 0 && t.group == fromGroup) continue;
        float vx = t.px - fromX, vy = t.py - fromY;
        // Measured to the target's frame, not its middle: a choice whose
        // frame starts a pixel further right in the row above does not lie
        // to the right, and a wide slider above the OK button lies above
        // it, though its middle is off to the side.
        float halfAlong = std::fabs(dx) * t.w / 2 + std::fabs(dy) * t.h / 2;
        float halfAcross = std::fabs(dy) * t.w / 2 + std::fabs(dx) * t.h / 2;
        float ahead = vx * dx + vy * dy;
        if (ahead - halfAlong < kAhead) continue;
        float sideways = std::max(0.0f, std::fabs(vx * dy - vy * dx) - halfAcross);
        float cost = ahead + kSidewaysWeight * sideways;
        if (best < 0 || cost < bestCost || (cost == bestCost && sideways < bestSideways)) {
            best = i;
            bestCost = cost;
            bestSideways = sideways;
        }
    }
    return best;
}

} // namespace

int ChooseInDirection(const std::vector<NavTarget>& targets, int from, float dx, float dy) {
    if (from < 0 || from >= static_cast<int>(targets.size())) return -1;
    return Choose(targets, from, targets[from].px, targets[from].py, dx, dy);
}

int ChooseInDirectionFrom(const std::vector<NavTarget>& targets, float fromX, float fromY, float dx,
                          float dy) {
    return Choose(targets, -1, fromX, fromY, dx, dy);
}

} // namespace wispwood
