#pragma once
// Reading and writing "playerprofiles.txt" so that a crash or a damaged
// disk never costs a player their progress: the previous good file is kept
// as "playerprofiles.txt.bak" and read when the main one cannot be, and a
// file that neither can replace is moved aside rather than overwritten.
#include "engine/core/ref.h"
#include "engine/core/text.h"

namespace wispwood {

class GameFile;

Text ProfilesBackupPath();

// The profiles file to load from: the main file when it reads as a profiles
// file, else the backup (said once on standard error), else an empty file.
Ref<GameFile> ReadProfilesFile();

// Called before each save: the first time, moves an unreadable main file
// aside when no backup could stand in for it; then keeps the current main
// file as the backup when it is a good one.
void PrepareProfilesSave();

// Start-up state: nothing read yet, nothing to move aside.
void ResetProfilesFile();

} // namespace wispwood
