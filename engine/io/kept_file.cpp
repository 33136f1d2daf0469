#include "engine/io/kept_file.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/text_convert.h"
#include <cstdio>

namespace wispwood {

namespace {

// A free name beside the file; an earlier damaged copy is never replaced.
Text AsideName(const Text& path) {
    const Text base = path + ".damaged";
    if (PathKind(base) == 0) return base;
    for (int n = 2;; ++n) {
        const Text candidate = base + IntToText(n);
        if (PathKind(candidate) == 0) return candidate;
    }
}

} // namespace

Text BackupPathOf(const Text& path) {
    return path + ".bak";
}

Text SetFileAside(const Text& path) {
    const Text aside = AsideName(path);
    if (std::rename(path.c_str(), aside.c_str()) != 0) return Text();
    SyncFolderOf(path);
    return aside;
}

int RefreshBackup(const Text& path) {
    Text bytes;
    return LoadText(path, bytes) && SaveText(BackupPathOf(path), bytes) ? 1 : 0;
}

} // namespace wispwood
