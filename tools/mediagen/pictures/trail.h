#pragma once
// The quest map's trail (data/quest/trail.txt): the path's centre line, the
// 100 location spots and the five regions that end in temples.
#include <filesystem>
#include <string>
#include <vector>

namespace wispwood::mediagen {

struct TrailPoint {
    double x = 0, y = 0;
};

struct TrailRegion {
    int number = 0;
    int first = 0, last = 0; // spot indices; the last one is the region's temple
    std::string name;
};

struct Trail {
    std::vector<TrailPoint> points; // centre line in order
    std::vector<TrailPoint> spots;  // index = location number
    std::vector<TrailRegion> regions;
    bool IsTemple(int spot) const;
};

bool LoadTrail(const std::filesystem::path& path, Trail& trail, std::string& error);
bool ParseTrail(const std::string& text, Trail& trail, std::string& error);

} // namespace wispwood::mediagen
