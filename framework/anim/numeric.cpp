#include "framework/anim/numeric.h"
#include "engine/input/clock.h"
#include "engine/io/text_convert.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

float ClampFloat(float v, float lo, float hi) {
    return std::min(std::max(v, lo), hi);
}

int ClampInt(int v, int lo, int hi) {
    return std::min(std::max(v, lo), hi);
}

float Normalise(float v, float lo, float hi) {
    return (v - lo) / (hi - lo);
}

int SignOf(float v) {
    return (v > 0) - (v < 0);
}

float Approach(float v, float target, float step) {
    if (std::fabs(v - target) <= step) return target;
    return v < target ? v + step : v - step;
}

float Distance(float x1, float y1, float x2, float y2) {
    float dx = x2 - x1, dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

void SetVectorLength(float& dx, float& dy, float length) {
    float current = std::sqrt(dx * dx + dy * dy);
    if (current == 0) return;
    dx = dx / current * length;
    dy = dy / current * length;
}

bool RectsOverlap(float x1, float y1, float w1, float h1, float x2, float y2, float w2, float h2) {
    return x1 <= x2 + w2 && x2 <= x1 + w1 && y1 <= y2 + h2 && y2 <= y1 + h1;
}

float SignedLineDistance(float x1, float y1, float x2, float y2, float px, float py) {
    float dx = x2 - x1, dy = y2 - y1;
    float lengthSquared = dx * dx + dy * dy;
    float footX = x1, footY = y1;
    if (lengthSquared > 0) {
        float along = ((px - x1) * dx + (py - y1) * dy) / lengthSquared;
        footX = x1 + along * dx;
        footY = y1 + along * dy;
    }
    float angle = std::atan2(footY - py, footX - px);
    float sign = angle > 0 ? 1.0f : (angle < 0 ? -1.0f : 0.0f);
    return Distance(px, py, footX, footY) * sign;
}

int DigitsToInt(const Text& text) {
    Text digits;
    for (char c : text)
        if (c >= '0' && c <= '9') digits.push_back(c);
    return TextToInt(digits);
}

namespace {
int gFpsCount = 0, gFpsLast = 0, gFpsSecondStart = 0;
bool gFpsStarted = false;
} // namespace

int FramesPerSecond() {
    int now = Milliseconds();
    if (!gFpsStarted) {
        gFpsStarted = true;
        gFpsSecondStart = now;
    }
    gFpsCount += 1;
    int elapsed = ElapsedMilliseconds(gFpsSecondStart, now);
    if (elapsed >= 1000) {
        // A second without calls counts as none.
        gFpsLast = elapsed >= 2000 ? 0 : gFpsCount;
        gFpsCount = 0;
        gFpsSecondStart = now;
    }
    return gFpsLast;
}

void ResetFramesPerSecond() {
    gFpsCount = gFpsLast = gFpsSecondStart = 0;
    gFpsStarted = false;
}

} // namespace wispwood
