// mediagen: writes the default media tree.
//   mediagen --family NAME [--family NAME...] --media DIR --preview DIR --data DIR
//            [--stamp FILE] [--jobs N]
//   mediagen --list
// Without --family every registered family runs.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "tools/mediagen/core/family.h"

using namespace wispwood::mediagen;

namespace {
int Usage() {
    std::fprintf(stderr, "usage: mediagen [--family NAME]... --media DIR --preview DIR --data DIR "
                         "[--stamp FILE] [--jobs N] | --list\n");
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    FamilyContext context;
    std::vector<std::string> names;
    std::string stamp;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--list") {
            for (const Family& family : Families()) std::printf("%s\n", family.name.c_str());
            return 0;
        }
        if (i + 1 >= argc) return Usage();
        std::string value = argv[++i];
        if (arg == "--family")
            names.push_back(value);
        else if (arg == "--media")
            context.media_dir = value;
        else if (arg == "--preview")
            context.preview_dir = value;
        else if (arg == "--data")
            context.data_dir = value;
        else if (arg == "--stamp")
            stamp = value;
        else if (arg == "--jobs")
            context.jobs = std::max(1, std::atoi(value.c_str()));
        else
            return Usage();
    }
    if (context.media_dir.empty() || context.preview_dir.empty() || context.data_dir.empty()) return Usage();
    if (names.empty())
        for (const Family& family : Families()) names.push_back(family.name);

    for (const std::string& name : names) {
        const Family* family = FindFamily(name);
        if (!family) {
            std::fprintf(stderr, "mediagen: no family named %s\n", name.c_str());
            return 2;
        }
        auto start = std::chrono::steady_clock::now();
        if (int status = family->run(context); status != 0) {
            std::fprintf(stderr, "mediagen: family %s failed\n", name.c_str());
            return status;
        }
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("mediagen: %s done in %.1f s\n", name.c_str(), seconds);
    }
    if (!stamp.empty()) std::ofstream(stamp) << "done\n";
    return 0;
}
