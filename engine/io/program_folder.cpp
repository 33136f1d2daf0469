#include "engine/io/program_folder.h"
#include "engine/io/path.h"
#include <limits.h>
#include <unistd.h>
#include <vector>

namespace wispwood {

Text ProgramPath() {
    std::vector<char> buffer(PATH_MAX + 1);
    ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0 || static_cast<size_t>(n) >= buffer.size() - 1) return "";
    return Text(buffer.data(), static_cast<size_t>(n));
}

int FolderWritable(const Text& path) {
    const Text folder = NormalisePath(path);
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) == 0 ? 1 : 0;
}

int ChangeWorkingFolder(const Text& path) {
    Text folder = NormalisePath(path);
    return !folder.empty() && ::chdir(folder.c_str()) == 0 ? 1 : 0;
}

} // namespace wispwood
