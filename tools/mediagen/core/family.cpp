#include "tools/mediagen/core/family.h"

#include <algorithm>

namespace wispwood::mediagen {

namespace {
// Function-local so that registrars in other translation units can use it
// during static initialisation, whatever the order.
std::vector<Family>& Registry() {
    static std::vector<Family> families;
    return families;
}
} // namespace

FamilyRegistrar::FamilyRegistrar(const char* name, FamilyRun run) {
    Registry().push_back(Family{name, run});
    std::sort(Registry().begin(), Registry().end(),
              [](const Family& a, const Family& b) { return a.name < b.name; });
}

const std::vector<Family>& Families() {
    return Registry();
}

const Family* FindFamily(const std::string& name) {
    for (const Family& family : Registry())
        if (family.name == name) return &family;
    return nullptr;
}

} // namespace wispwood::mediagen
