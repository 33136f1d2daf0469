#pragma once
#include "engine/core/text.h"

namespace wispwood {

// The per-user data folder, ending in "/": $XDG_DATA_HOME/Wispwood/, or
// ~/.local/share/Wispwood/ when the variable is unset or empty. Computed on
// every call, so tests can point it elsewhere.
Text UserDataPath();

// Creates the folder with its parents when missing; 1 when it exists after.
int EnsureUserDataFolder();

} // namespace wispwood
