#pragma once
// Reading a font folder: "dimensions.dat", "characters.dat", "kerning.dat",
// "spacing.dat" and "offsets.dat" beside the glyph sheet "font.png".
#include "framework/fonts/font.h"

namespace wispwood {

// The path of a file in a font folder: the folder normalised, then "\" and
// the name.
Text FontFilePath(const Text& folder, const Text& name);

// Every table of the font but its glyph sheet; null when a file is missing
// or holds less than the character set needs, with the reason in `problem`.
Ref<Font> ReadFontTables(const Text& folder, Text* problem = nullptr);

// The font with its glyph sheet; null when anything is missing, after the
// reason was written to standard error. The first font loaded while none
// is current becomes the current font.
Ref<Font> LoadFont(const Text& folder);

} // namespace wispwood
