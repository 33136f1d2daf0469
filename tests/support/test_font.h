#pragma once
// A small font with hand-picked tables, in memory and as a font folder.
#include "framework/fonts/font.h"
#include <cstdint>

namespace wispwood::test {

// Characters "AB!'", cells of 20 pixels, offsets A 2, B 0, ! -1, ' 5 (so
// the lowest offset is 2), spacing 7 and these advances (row k, column m):
//        end   A   B   !   '
//   A     10  12  11   9   9
//   B     14  13  15  12  12
//   !      6   7   7   5   5
//   '      4   6   6   4   4
Ref<Font> MakeTestFont();

// The glyph sheet's cells are solid: A red, B green, ! blue, ' white.
extern const uint32_t kSheetColours[4];

// The test font's six files in the folder (the glyph sheet only when
// withSheet is set; writing it needs the drawing service's PNG writer).
// Kerning bytes are written as the table above except for the entry of
// A followed by ', written as 200 (read back as 4).
void WriteTestFontFolder(const Text& folder, bool withSheet = false);

} // namespace wispwood::test
