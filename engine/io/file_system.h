#pragma once
// File system calls. Paths are normalised first; reads, queries and listings
// resolve letter case as ResolvePathCase does, writes use the path as given.
#include "engine/core/text.h"
#include <cstdint>

namespace wispwood {

// 0 none, 1 file, 2 directory.
int PathKind(const Text& path);
// Bytes, or -1 when there is no such file.
int64_t FileSize(const Text& path);
// 1 when the folder exists afterwards. With recurse, missing parents too.
int CreateDir(const Text& path, int recurse = 0);
// 1 when a file was deleted.
int DeleteFile(const Text& path);
// Names of the folder's entries in byte order; "." and ".." left out when
// skipDots is set. Empty when the folder cannot be read.
TextArray ListDirectory(const Text& path, int skipDots = 1);

} // namespace wispwood
