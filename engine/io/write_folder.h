#pragma once
// Files the game writes beside its media (the exported tunables, the saved
// games in progress, level captures) go where the game may write: the
// installation folder itself, or a per-user folder standing in for it when
// the installation is shared or read-only.
#include "engine/core/text.h"

namespace wispwood {

// "" while the installation folder takes the files; otherwise the folder,
// ending in "/", that stands in for it.
extern Text WriteFolder;

// Where to write the file or folder given relative to the installation
// folder: the path itself, or the same relative path under WriteFolder.
Text WritablePath(const Text& relative);

// Writes beside the media again (start-up state).
void ResetWriteFolder();

} // namespace wispwood
