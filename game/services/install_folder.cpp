#include "game/services/install_folder.h"
#include "engine/io/file_system.h"
#include "engine/io/path.h"
#include "engine/io/program_folder.h"
#include "engine/io/write_folder.h"
#include "game/services/user_data.h"

namespace wispwood {

namespace {

bool HoldsMedia(const Text& folder) {
    return PathKind(folder + "/media") == 2;
}

// "a/b/bin/.." becomes "a/b", so the folder reads well in messages.
Text ParentOf(const Text& folder) {
    Text parent = DirectoryPart(folder);
    return parent.empty() ? "." : parent;
}

} // namespace

InstallFolder FindInstallFolder(const Text& programPath) {
    if (programPath.empty()) return {};
    Text programFolder = ParentOf(NormalisePath(programPath));
    if (HoldsMedia(programFolder)) return {programFolder, InstallLayout::Beside};
    Text shared = ParentOf(programFolder) + "/share/wispwood";
    if (HoldsMedia(shared)) return {shared, InstallLayout::Shared};
    return {};
}

InstallLayout EnterInstallFolder() {
    InstallFolder found = FindInstallFolder(ProgramPath());
    if (found.Layout == InstallLayout::None || !ChangeWorkingFolder(found.Path)) return InstallLayout::None;
    return found.Layout;
}

Text ChooseWriteFolder(InstallLayout layout) {
    bool besideMedia = layout != InstallLayout::Shared && FolderWritable(".");
    WriteFolder = besideMedia ? Text() : UserDataPath();
    return WriteFolder;
}

} // namespace wispwood
