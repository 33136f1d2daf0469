#include "game/services/saved_game_path.h"
#include "engine/io/file_system.h"
#include "engine/io/text_routines.h"
#include "engine/io/write_folder.h"

namespace wispwood {

Text SavedGamePath(const Text& profileName) {
    Text name = TrimText(profileName);
    if (name.empty()) return "";
    for (size_t i = 0; i < name.size(); ++i) {
        int c = CharCode(name, i);
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
        if (!ok) return "";
    }
    return WritablePath("media\\saves\\" + name + ".txt");
}

int DeleteSavedGame(const Text& profileName) {
    Text path = SavedGamePath(profileName);
    return path.empty() ? 0 : DeleteFile(path);
}

} // namespace wispwood
