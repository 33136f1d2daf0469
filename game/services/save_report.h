#pragma once
// What the player is told when something of theirs could not be saved: one
// line on standard error naming the file and why, and a short notice over
// the screen they are looking at. Nothing a player keeps is lost in silence.
#include "engine/core/text.h"

namespace wispwood {

// The write of the file just failed (LastWriteError says why).
void ReportSaveFailure(const Text& path);
// Everything that could not be saved since start-up, as the player is told
// of it; the shutdown, after which no screen follows, shows them in a
// message box.
const TextArray& SaveFailures();

// Start-up state: nothing failed.
void ResetSaveReport();

} // namespace wispwood
