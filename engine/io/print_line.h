#pragma once
#include "engine/core/text.h"

namespace wispwood {

// The text and a line end on standard output.
void PrintLine(const Text& text);

} // namespace wispwood
