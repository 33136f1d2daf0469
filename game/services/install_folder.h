#pragma once
// The installation folder: the folder holding the media tree, which the
// game makes its working folder so that every media path resolves from it,
// whatever folder the player started the program in.
#include "engine/core/text.h"

namespace wispwood {

enum class InstallLayout {
    None,   // no media found: the working folder is used as it is
    Beside, // the media tree next to the program (the build folder)
    Shared, // the program in .../bin, the media in .../share/wispwood
};

struct InstallFolder {
    Text Path;
    InstallLayout Layout = InstallLayout::None;
};

// Where the media of the program at programPath are: beside it, or in
// ../share/wispwood relative to its folder.
InstallFolder FindInstallFolder(const Text& programPath);

// Finds the running program's installation folder and enters it; the
// layout found (None leaves the working folder alone).
InstallLayout EnterInstallFolder();

// Decides where the files written beside the media go: into the
// installation folder while it takes them, under the per-user folder when
// it does not. A shared installation is never written into, even by an
// administrator's run. Returns the chosen WriteFolder.
Text ChooseWriteFolder(InstallLayout layout);

} // namespace wispwood
