#pragma once
// The closing credits, one entry per line of "media\gameend\credits.txt".
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include "engine/core/tlist.h"

namespace wispwood {

class Credit;
class TStream;

extern TList<Ref<Credit>> Credits;

// Replaces the credits by the lines of the file; a missing or unreadable
// file leaves no credits, and the end of the game shows only its scenery.
void LoadCredits(const Text& path = "media\\gameend\\credits.txt");
// Replaces the credits by the lines of a stream (null: no credits).
void ReadCredits(const Ref<TStream>& stream);
// The sum of the heights of all credits.
float CreditsHeight();

// No credits.
void ResetCredits();

} // namespace wispwood
