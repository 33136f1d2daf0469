#pragma once
// Text routines. Positions are 1-based, as the data code counts them.
#include "engine/core/text.h"

namespace wispwood {

// Position of the first occurrence of sub at or after start, or 0.
int FindText(const Text& text, const Text& sub, int start = 1);
// count characters from the 1-based start; a negative count means to the end.
Text Substring(const Text& text, int start, int count = -1);
Text LeftText(const Text& text, int count);
Text RightText(const Text& text, int count);
// Right-aligns in n characters: spaces on the left, or the last n characters.
Text PadLeft(const Text& text, int n);
// Left-aligns in n characters: spaces on the right, or the first n characters.
Text PadRight(const Text& text, int n);
// Every occurrence, left to right, not overlapping.
Text ReplaceText(const Text& text, const Text& find, const Text& with);
// Drops characters with codes up to 32 at both ends.
Text TrimText(const Text& text);
// ASCII letters only; every other code is kept.
Text LowerText(const Text& text);
Text UpperText(const Text& text);

} // namespace wispwood
