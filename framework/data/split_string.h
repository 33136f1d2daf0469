#pragma once
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include "framework/data/text_formatter.h"

namespace wispwood {

// Splits at the first character of separator, making at most maxSplits
// splits (-1: no limit); later separators stay in the last part. An empty
// separator matches nothing. Each part is passed through the formatter when
// one is given.
TextArray SplitString(const Text& text, const Text& separator, const Ref<TextFormatter>& formatter = nullptr,
                      int maxSplits = -1);

// The text repeated count times; empty for count <= 0.
Text RepeatString(const Text& text, int count);

} // namespace wispwood
