#pragma once
// Named layout values. Code asks for a value by name with a default; the
// first default asked for under a name holds for the whole run.
#include "framework/data/object_table.h"

namespace wispwood {

// Every name ever asked for, with its current value text.
extern ObjectTable<Text> Tunables;
// The names asked for since the last scene change (values "default").
extern ObjectTable<Text> ActiveTunables;
// Names and values exported at shutdown.
extern ObjectTable<Text> ConsoleTunables;

float GetTunable(const Text& name, const Text& defaultText);
// The default as a float; the name only documents the value.
float FixedTunable(const Text& name, const Text& defaultText);

void ClearActiveTunables();
// Start-up state: all three tables empty.
void ResetTunables();

} // namespace wispwood
