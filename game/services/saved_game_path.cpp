#include "game/services/saved_game_path.h"
#include "engine/io/file_system.h"
#include "engine/io/text_routines.h"
#include "engine/io/write_folder.h"

namespace wispwood {

Text SavedGamePath(const Text& profileName) {
    Text name = TrimText(profileName);
    if (name.empty()) return "";
    static const char kHex[] = "0123456789abcdef";
    Text file;
    for (size_t i = 0; i < name.size(); ++i) {
        int c = CharCode(name, i);
        bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ';
        if (plain) {
            file += static_cast<char>(c);
        } else {
            file += '_';
            file += kHex[(c >> 4) & 15];
            file += kHex[c & 15];
        }
    }
    return WritablePath("media\\saves\\" + file + ".txt");
}

int DeleteSavedGame(const Text& profileName) {
    Text path = SavedGamePath(profileName);
    return path.empty() ? 0 : DeleteFile(path);
}

} // namespace wispwood
