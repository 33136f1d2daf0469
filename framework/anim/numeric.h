#pragma once
// Small numeric routines used with the easing curves.
#include "engine/core/text.h"

namespace wispwood {

float ClampFloat(float v, float lo, float hi);
int ClampInt(int v, int lo, int hi);
// (v - lo) / (hi - lo).
float Normalise(float v, float lo, float hi);
// The target when within step of it, else v moved by step toward it.
float Approach(float v, float target, float step);
// -1, 0 or 1 by the sign of v.
int SignOf(float v);
float Distance(float x1, float y1, float x2, float y2);
// Scales (dx, dy) to the length in place; a zero vector stays zero.
void SetVectorLength(float& dx, float& dy, float length);
// Whether the closed rectangles intersect.
bool RectsOverlap(float x1, float y1, float w1, float h1, float x2, float y2, float w2, float h2);
// Distance from (px, py) to its perpendicular foot on the line through the
// two points, signed by the direction from the point to the foot.
float SignedLineDistance(float x1, float y1, float x2, float y2, float px, float py);
// The text's decimal digits concatenated, as an int.
int DigitsToInt(const Text& text);
// Counts its calls; returns how many there were in the previous whole
// second of the millisecond clock.
int FramesPerSecond();
void ResetFramesPerSecond();

} // namespace wispwood
