#include "game/services/user_data.h"
#include "engine/io/file_system.h"
#include "engine/io/path.h"
#include <cstdlib>

namespace wispwood {

Text UserDataPath() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    Text base;
    if (xdg && *xdg) {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = Text(home && *home ? home : ".") + "/.local/share";
    }
    return NormalisePath(base) + "/Wispwood/";
}

int EnsureUserDataFolder() {
    Text folder = UserDataPath();
    if (PathKind(folder) == 2) return 1;
    return CreateDir(folder, 1);
}

} // namespace wispwood
