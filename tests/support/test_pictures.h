#pragma once
// Pictures for drawing tests: each has features that show when something is
// placed, tinted or blended wrongly.
#include "engine/draw/pixmap.h"

namespace wispwood::test {

// A disc with a soft edge (alpha from 255 in the middle to 0 outside), a
// colour gradient across it and a dark notch at the top left, so turns and
// mirrors are visible.
Ref<TPixmap> SoftSprite(int width, int height);

// Vertical colour bars over a horizontal grey ramp, opaque.
Ref<TPixmap> Backdrop(int width, int height);

// Squares of two colours, cell pixels each, opaque.
Ref<TPixmap> Checker(int width, int height, int cell, int argbA, int argbB);

} // namespace wispwood::test
