#pragma once
// The built-in text font for developer text: printable ASCII, 5 x 7 glyphs
// in 6 x 8 cells, white on transparent so the drawing colour tints it.
#include "engine/draw/pixmap.h"

namespace wispwood {

constexpr int DevFontFirstChar = 32;
constexpr int DevFontCharCount = 96;
constexpr int DevFontCellWidth = 6;
constexpr int DevFontCellHeight = 8;

// One row of cells, character DevFontFirstChar + i in cell i.
Ref<TPixmap> DevFontSheet();

} // namespace wispwood
