#include "engine/io/file_system.h"
#include "engine/io/path.h"
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wispwood {

int PathKind(const Text& path) {
    struct stat st;
    if (::stat(ResolvePathCase(path).c_str(), &st) != 0) return 0;
    if (S_ISDIR(st.st_mode)) return 2;
    return 1;
}

int64_t FileSize(const Text& path) {
    struct stat st;
    if (::stat(ResolvePathCase(path).c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return -1;
    return static_cast<int64_t>(st.st_size);
}

namespace {

// Creation works on the path as given, so existence is checked exactly.
bool IsExactDirectory(const Text& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

int CreateDir(const Text& path, int recurse) {
    Text normal = NormalisePath(path);
    if (normal.empty()) return 0;
    if (IsExactDirectory(normal)) return 1;
    if (recurse) {
        Text parent = DirectoryPart(normal);
        if (!parent.empty() && parent != normal && !CreateDir(parent, 1)) return 0;
    }
    if (::mkdir(normal.c_str(), 0777) != 0 && errno != EEXIST) return 0;
    return IsExactDirectory(normal) ? 1 : 0;
}

int DeleteFile(const Text& path) {
    Text resolved = ResolvePathCase(path);
    struct stat st;
    if (::stat(resolved.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return 0;
    return ::unlink(resolved.c_str()) == 0 ? 1 : 0;
}

TextArray ListDirectory(const Text& path, int skipDots) {
    TextArray names;
    Text resolved = ResolvePathCase(path);
    DIR* dir = ::opendir(resolved.empty() ? "." : resolved.c_str());
    if (!dir) return names;
    while (struct dirent* entry = ::readdir(dir)) {
        Text name = entry->d_name;
        if (skipDots && (name == "." || name == "..")) continue;
        names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace wispwood
