#pragma once
// A private per-user folder for a benchmark that runs the real program, so
// that it never reads or writes the developer's own profiles; removed when
// the benchmark ends.
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace wispwood {

struct BenchUserFolder {
    std::filesystem::path path;
    BenchUserFolder() {
        char pattern[] = "/tmp/wispwood-bench-XXXXXX";
        if (mkdtemp(pattern)) path = pattern;
        setenv("XDG_DATA_HOME", path.c_str(), 1);
    }
    ~BenchUserFolder() {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
};

} // namespace wispwood
