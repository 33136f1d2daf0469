#include "engine/io/path.h"
#include "engine/io/text_routines.h"
#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace wispwood {

Text NormalisePath(const Text& path) {
    Text out = path;
    std::replace(out.begin(), out.end(), '\\', '/');
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

namespace {

bool Exists(const Text& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

// Entries of the folder whose names equal the given one ignoring case: the
// exact spelling first, then the others in byte order, so the choice is
// repeatable.
TextArray EntriesIgnoringCase(const Text& folder, const Text& name) {
    TextArray matches;
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return matches;
    Text wanted = LowerText(name);
    while (struct dirent* entry = ::readdir(dir)) {
        Text candidate = entry->d_name;
        if (candidate != name && LowerText(candidate) == wanted) matches.push_back(candidate);
    }
    ::closedir(dir);
    std::sort(matches.begin(), matches.end());
    return matches;
}

Text Join(const Text& folder, const Text& name) {
    if (folder.empty()) return name;
    if (folder == "/") return "/" + name;
    return folder + "/" + name;
}

// Depth-first over the case variants of each component, so that a file is
// found even when two folders differ only in case ("Load" and "load") and
// the file sits in the other one.
bool Resolve(const Text& folder, const TextArray& parts, size_t index, Text& out) {
    if (index == parts.size()) {
        out = folder;
        return true;
    }
    const Text& part = parts[index];
    Text exact = Join(folder, part);
    if (Exists(exact) && Resolve(exact, parts, index + 1, out)) return true;
    if (part == "." || part == "..") return false;
    for (const Text& variant : EntriesIgnoringCase(folder, part))
        if (Resolve(Join(folder, variant), parts, index + 1, out)) return true;
    return false;
}

} // namespace

Text ResolvePathCase(const Text& path) {
    Text normal = NormalisePath(path);
    if (normal.empty() || Exists(normal)) return normal;
    TextArray parts;
    size_t start = 0;
    Text root;
    if (normal[0] == '/') {
        root = "/";
        start = 1;
    }
    while (start <= normal.size()) {
        size_t slash = normal.find('/', start);
        if (slash == Text::npos) slash = normal.size();
        if (slash > start) parts.push_back(normal.substr(start, slash - start));
        start = slash + 1;
    }
    Text resolved;
    return Resolve(root, parts, 0, resolved) ? resolved : normal;
}

Text FileNamePart(const Text& path) {
    Text normal = NormalisePath(path);
    size_t slash = normal.rfind('/');
    return slash == Text::npos ? normal : normal.substr(slash + 1);
}

Text DirectoryPart(const Text& path) {
    Text normal = NormalisePath(path);
    size_t slash = normal.rfind('/');
    if (slash == Text::npos) return Text();
    if (slash == 0) return "/";
    return normal.substr(0, slash);
}

} // namespace wispwood
