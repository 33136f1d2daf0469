#include "tools/mediagen/pictures/trail.h"

#include "tools/mediagen/core/raster.h"
#include <fstream>
#include <iterator>
#include <sstream>

namespace wispwood::mediagen {

bool Trail::IsTemple(int spot) const {
    for (const TrailRegion& region : regions)
        if (region.last == spot) return true;
    return false;
}

bool ParseTrail(const std::string& text, Trail& trail, std::string& error) {
    trail = Trail{};
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string kind;
        if (!(words >> kind) || kind[0] == '#') continue;
        bool ok = true;
        if (kind == "point") {
            TrailPoint p;
            ok = bool(words >> p.x >> p.y);
            trail.points.push_back(p);
        } else if (kind == "spot") {
            int index = -1;
            TrailPoint p;
            ok = bool(words >> index >> p.x >> p.y) && index == int(trail.spots.size());
            trail.spots.push_back(p);
        } else if (kind == "region") {
            TrailRegion region;
            ok = bool(words >> region.number >> region.first >> region.last);
            std::getline(words >> std::ws, region.name);
            trail.regions.push_back(region);
        } else {
            ok = false;
        }
        if (!ok) {
            error = "trail line " + std::to_string(number) + " is not understood: " + line;
            return false;
        }
    }
    if (trail.points.size() < 2 || trail.spots.empty() || trail.regions.empty()) {
        error = "the trail needs points, spots and regions";
        return false;
    }
    for (const TrailRegion& region : trail.regions)
        if (region.first > region.last || region.last >= int(trail.spots.size())) {
            error = "trail region " + std::to_string(region.number) + " names spots that do not exist";
            return false;
        }
    return true;
}

bool LoadTrail(const std::filesystem::path& path, Trail& trail, std::string& error) {
    std::string text;
    return ReadWholeFile(path, text, error) && ParseTrail(text, trail, error);
}

} // namespace wispwood::mediagen
