#pragma once
// Helpers for framed sheets: painting each cell of a grid with a callback.
#include <functional>

#include "tools/mediagen/core/canvas.h"

namespace wispwood::mediagen {

// Paints `frames` cells of cw x ch, `columns` per row, numbered row by row;
// the callback draws frame f with the origin at the cell's top-left corner
// and drawing clipped to the cell.
Raster FramedSheet(int cw, int ch, int frames, int columns, const std::function<void(cairo_t*, int)>& paint);

// Paints a single picture with the callback.
Raster Single(int w, int h, const std::function<void(cairo_t*)>& paint);

} // namespace wispwood::mediagen
