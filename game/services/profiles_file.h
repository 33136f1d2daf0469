#pragma once
// Reading and writing "playerprofiles.txt" so that a crash or a damaged
// disk never costs a player their progress: the file says how long it is,
// so that one cut short shows; the previous good file is kept as
// "playerprofiles.txt.bak" and read when the main one is damaged or gone;
// and a damaged file is moved aside ("playerprofiles.txt.damaged") rather
// than written over. Each of these is said on standard error.
#include "engine/core/ref.h"
#include "engine/core/text.h"

namespace wispwood {

class GameFile;

Text ProfilesBackupPath();

// The profiles file to load from: the main file when it is whole, else the
// backup, else an empty file. A damaged main file is set aside first.
Ref<GameFile> ReadProfilesFile();

// Called before each save: the current main file becomes the backup when it
// is whole.
void PrepareProfilesSave();

// Writes the file with its length in the root section; a failure is
// reported to the player (save_report.h). 1 on success.
int WriteProfilesFile(GameFile& file);

// Why the bytes are not a whole profiles file, or empty when they are.
Text ProfilesFileProblem(const Text& bytes);

} // namespace wispwood
