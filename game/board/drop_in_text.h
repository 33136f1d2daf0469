#pragma once
// The big banners of a level's end ("GAME OVER", "TIME UP"): a text
// centred on the board whose letters drop in one after another, 15 updates
// apart, overshooting and settling.
#include "engine/core/text.h"

namespace wispwood {

// Draws text as it stands ticks updates after it began to drop, at alpha.
void DropInText(const Text& text, int ticks, float alpha);

} // namespace wispwood
