#pragma once
// The game's three fonts.
#include "framework/fonts/font.h"

namespace wispwood {

extern Ref<Font> MainFont;
extern Ref<Font> TutorialFont;
extern Ref<Font> BigFont;

// Loads the three font folders, each replacing the font of its name, and
// makes MainFont current. A folder that does not load is reported and its
// font stays as it was; a font that never loaded is blank (it measures 0
// and draws nothing), so the game keeps running.
void LoadFonts();

void ResetGameFonts();

} // namespace wispwood
