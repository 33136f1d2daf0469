#pragma once
// Where the running program lives and whether a folder takes new files.
#include "engine/core/text.h"

namespace wispwood {

// The full path of the running program's file (symbolic links resolved);
// "" when the system does not say.
Text ProgramPath();
// 1 when the folder exists and the process may create files in it.
int FolderWritable(const Text& path);
// Makes the folder the working folder; 1 on success.
int ChangeWorkingFolder(const Text& path);

} // namespace wispwood
