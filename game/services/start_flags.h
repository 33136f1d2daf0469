#pragma once
// Developer modes chosen by the command line, and the low-memory mode.
#include "engine/core/text.h"

namespace wispwood {

extern int RunMode;         // start a location directly after loading
extern int RunLocation;     // ... this one
extern int TestMode;        // accelerated updates and automatic play
extern int ImagesMode;      // capture every location's board, then end
extern int ComicsMode;      // open the comic collection after loading
extern int ForceLowDepth;   // full screen at 16 bits
extern int LowDetail;       // draw less
extern bool ReplayMode;     // play the recorded game ReplayPath, then end
extern bool ReplayHeadless; // ... at once, without a window, and say how it ended
extern Text ReplayPath;

// Applies the first word after the program name: a word containing "run"
// (any letter case) sets RunMode with the word's digits as the location
// (saturating rather than overflowing), else "test" sets TestMode, else
// "images" sets ImagesMode, else "comics" sets ComicsMode. Other words have
// no effect.
void ApplyCommandWord(const Text& word);
// "replay FILE" sets ReplayMode and ReplayPath, "replay FILE --headless"
// ReplayHeadless too; false for words that ask for a replay but do not
// name a file (or add something else).
bool ApplyReplayWords(const TextArray& words);

void ResetStartFlags();

} // namespace wispwood
