#include "engine/io/write_folder.h"
#include "engine/io/path.h"

namespace wispwood {

Text WriteFolder;

Text WritablePath(const Text& relative) {
    if (WriteFolder.empty()) return relative;
    // Relative paths use either slash; the stand-in folder is a real path.
    Text tail = relative;
    for (char& c : tail)
        if (c == '\\') c = '/';
    while (!tail.empty() && tail.front() == '/') tail.erase(tail.begin());
    Text base = WriteFolder;
    if (base.back() != '/') base += '/';
    return base + tail;
}

void ResetWriteFolder() {
    WriteFolder.clear();
}

} // namespace wispwood
