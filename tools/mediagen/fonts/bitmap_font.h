#pragma once
// The game's bitmap font folder: five data files and a glyph sheet. The
// layout of every byte is fixed by the game's font loader.
#include <map>
#include <string>
#include <vector>

#include "tools/mediagen/core/raster.h"

namespace wispwood::mediagen {

struct BitmapFont {
    int cell = 32;                         // square glyph cells
    std::string chars;                     // glyph order, no blanks
    std::vector<std::vector<int>> advance; // [k][m], k 0..N-1, m 0..N (m = 0: nothing follows)
    std::vector<int> left_pixel;           // per glyph, stored but unused by the game
    std::vector<int> offset;               // per glyph, vertical offset in pixels
    int spacing = 10;                      // advance of characters not in the set
    Raster sheet;                          // cells row by row
};

// The five data files and font.png, keyed by file name.
std::map<std::string, std::string> EncodeFontFolder(const BitmapFont& font);

// The characters every game text needs (capitals only: text is upper-cased).
extern const char kFontCharacters[];

} // namespace wispwood::mediagen
