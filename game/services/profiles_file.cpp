#include "game/services/profiles_file.h"
#include "engine/io/file_stream.h"
#include "engine/io/text_convert.h"
#include "framework/data/section_file.h"
#include "game/services/profiles.h"
#include <cstdio>
#include <sys/stat.h>

namespace wispwood {

namespace {

// Set when the main file was present but unreadable and no backup stood in
// for it: the next save moves it aside instead of writing over it.
bool SetAsidePending = false;

bool Exists(const Text& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Every save starts with a section line, and text never holds a zero byte;
// a file that was cut short or zero-filled by a crash fails one of the two.
bool LooksLikeProfiles(const Text& bytes) {
    if (bytes.find('\0') != Text::npos) return false;
    for (size_t line = 0; line < bytes.size(); line = bytes.find('\n', line) + 1) {
        if (bytes[line] == '[') return true;
        if (bytes.find('\n', line) == Text::npos) break;
    }
    return false;
}

Ref<GameFile> ReadGood(const Text& path) {
    Text bytes;
    if (!LoadText(path, bytes) || !LooksLikeProfiles(bytes)) return nullptr;
    auto file = GameFile::Create(path);
    if (!file->Read()) return nullptr;
    return file;
}

// A free name beside the file; an earlier damaged copy is never replaced.
Text AsideName(const Text& path) {
    Text base = path + ".damaged";
    if (!Exists(base)) return base;
    for (int n = 2;; ++n) {
        Text candidate = base + IntToText(n);
        if (!Exists(candidate)) return candidate;
    }
}

} // namespace

Text ProfilesBackupPath() {
    return ProfilesPath() + ".bak";
}

Ref<GameFile> ReadProfilesFile() {
    Text path = ProfilesPath();
    RemoveStaleTemporaries(path);
    RemoveStaleTemporaries(ProfilesBackupPath());
    if (auto main = ReadGood(path)) return main;
    if (!Exists(path)) return GameFile::Create(path);
    if (auto backup = ReadGood(ProfilesBackupPath())) {
        std::fprintf(stderr, "wispwood: %s could not be read; the profiles were loaded from %s\n",
                     path.c_str(), ProfilesBackupPath().c_str());
        backup->Path = path;
        return backup;
    }
    if (!SetAsidePending)
        std::fprintf(stderr, "wispwood: %s could not be read; it will be kept aside\n", path.c_str());
    SetAsidePending = true;
    return GameFile::Create(path);
}

void PrepareProfilesSave() {
    Text path = ProfilesPath();
    if (SetAsidePending) {
        SetAsidePending = false;
        if (Exists(path) && !ReadGood(path)) {
            std::rename(path.c_str(), AsideName(path).c_str());
            SyncFolderOf(path);
        }
    }
    Text bytes;
    if (ReadGood(path) && LoadText(path, bytes)) SaveText(ProfilesBackupPath(), bytes);
}

void ResetProfilesFile() {
    SetAsidePending = false;
}

} // namespace wispwood
