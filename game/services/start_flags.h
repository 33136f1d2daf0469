#pragma once
// Developer modes chosen by the command line, and the low-memory mode.
#include "engine/core/text.h"

namespace wispwood {

extern int RunMode;       // start a location directly after loading
extern int RunLocation;   // ... this one
extern int TestMode;      // accelerated updates and automatic play
extern int ImagesMode;    // capture every location's board, then end
extern int ComicsMode;    // open the comic collection after loading
extern int ForceLowDepth; // full screen at 16 bits
extern int LowDetail;     // draw less

// Applies the first word after the program name: a word containing "run"
// (any letter case) sets RunMode with the word's digits as the location
// (saturating rather than overflowing), else "test" sets TestMode, else
// "images" sets ImagesMode, else "comics" sets ComicsMode. Other words have
// no effect.
void ApplyCommandWord(const Text& word);

void ResetStartFlags();

} // namespace wispwood
