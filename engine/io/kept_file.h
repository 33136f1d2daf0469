#pragma once
// A player's file kept safe across damage: its last good version stays
// beside it as "name.bak", and a file found damaged is set aside under a
// free name ("name.damaged", then "name.damaged2", ...) instead of being
// written over, so that nothing of it is lost.
#include "engine/core/text.h"

namespace wispwood {

Text BackupPathOf(const Text& path);
// Moves the file aside; the name it has now, or empty when it could not be
// moved (it then stays where it is).
Text SetFileAside(const Text& path);
// Before a save: the file as it is becomes the backup (the caller has
// checked that it is a good one). 1 when the backup was written.
int RefreshBackup(const Text& path);

} // namespace wispwood
