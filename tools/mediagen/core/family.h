#pragma once
// A family is one independent part of the media tree (pictures, fonts,
// sounds, ...). Families register themselves at start-up; the driver runs the
// one the build step names, so each can be rebuilt on its own.
#include <filesystem>
#include <string>
#include <vector>

namespace wispwood::mediagen {

struct FamilyContext {
    std::filesystem::path media_dir;   // the game's media folder (outputs)
    std::filesystem::path preview_dir; // contact sheets for people to review
    std::filesystem::path data_dir;    // the source tree's data/ (inputs)
    int jobs = 2;                      // worker threads a family may use
};

// Returns 0 on success; anything else fails the build step. Errors are
// printed to standard error by the family.
using FamilyRun = int (*)(const FamilyContext& context);

struct Family {
    std::string name;
    FamilyRun run = nullptr;
};

const std::vector<Family>& Families();
const Family* FindFamily(const std::string& name);

struct FamilyRegistrar {
    FamilyRegistrar(const char* name, FamilyRun run);
};

} // namespace wispwood::mediagen

// Registers a family under a name; place it once in a .cpp of the family.
#define WISPWOOD_MEDIA_FAMILY(NAME, RUN)                                                                     \
    static const ::wispwood::mediagen::FamilyRegistrar wispwood_media_family_registrar_ {                    \
        NAME, RUN                                                                                            \
    }
