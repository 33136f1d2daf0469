// Where one frame differs from the last: a screen that barely moves is
// redrawn only around what moved.
#include "engine/draw/sdl_driver_internal.h"
#include <cstring>

namespace wispwood::sdl {

namespace {

// Damage is gathered on a grid of tiles this many pixels wide.
constexpr int TileSide = 16;
// More rectangles than this are drawn as their bounding box: every region
// walks the whole frame's calls.
constexpr size_t MostRegions = 12;

uint64_t Mix(uint64_t h, uint64_t word) {
    h ^= word;
    h *= 0x9e3779b97f4a7c15ull;
    return h ^ (h >> 29);
}

class TileGrid {
  public:
    TileGrid(int width, int height)
        : width_(width), height_(height), columns_((width + TileSide - 1) / TileSide),
          rows_((height + TileSide - 1) / TileSide), marked_(static_cast<size_t>(columns_) * rows_, false) {}

    void Mark(const SDL_Rect& r) {
        if (r.w <= 0 || r.h <= 0) return;
        int x0 = std::max(r.x, 0) / TileSide, x1 = std::min(r.x + r.w - 1, width_ - 1) / TileSide;
        int y0 = std::max(r.y, 0) / TileSide, y1 = std::min(r.y + r.h - 1, height_ - 1) / TileSide;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) marked_[static_cast<size_t>(y) * columns_ + x] = true;
    }

    // Runs of marked tiles, row by row; a run under one of the same columns
    // grows that rectangle downwards.
    std::vector<SDL_Rect> Rectangles() const {
        std::vector<SDL_Rect> tiles; // in tile units
        std::vector<size_t> open;    // of the row above
        for (int y = 0; y < rows_; ++y) {
            std::vector<size_t> row;
            for (int x = 0; x < columns_;) {
                if (!marked_[static_cast<size_t>(y) * columns_ + x]) {
                    ++x;
                    continue;
                }
                int start = x;
                while (x < columns_ && marked_[static_cast<size_t>(y) * columns_ + x]) ++x;
                auto above = std::find_if(open.begin(), open.end(), [&](size_t i) {
                    return tiles[i].x == start && tiles[i].w == x - start;
                });
                if (above != open.end()) {
                    tiles[*above].h += 1;
                    row.push_back(*above);
                } else {
                    tiles.push_back({start, y, x - start, 1});
                    row.push_back(tiles.size() - 1);
                }
            }
            open = std::move(row);
        }
        SDL_Rect canvas{0, 0, width_, height_};
        for (SDL_Rect& r : tiles) {
            SDL_Rect pixels{r.x * TileSide, r.y * TileSide, r.w * TileSide, r.h * TileSide};
            SDL_IntersectRect(&pixels, &canvas, &r);
        }
        return tiles;
    }

  private:
    int width_, height_, columns_, rows_;
    std::vector<bool> marked_;
};

} // namespace

uint64_t HashKey(const DrawOp::Key& key) {
    uint64_t words[sizeof(DrawOp::Key) / 8 + 1] = {};
    std::memcpy(words, &key, sizeof key);
    uint64_t h = 0x84222325cbf29ce4ull;
    for (uint64_t w : words) h = Mix(h, w);
    return h;
}

bool DrawOp::Same(const DrawOp& other) const {
    return hash == other.hash && std::memcmp(&key, &other.key, sizeof key) == 0;
}

std::vector<SDL_Rect> FrameDamage(const std::vector<DrawOp>& before, const std::vector<DrawOp>& now,
                                  int width, int height) {
    // The old calls by hash, then place, to find the next match after the
    // last one matched.
    std::vector<std::pair<uint64_t, uint32_t>> byHash(before.size());
    for (size_t i = 0; i < before.size(); ++i) byHash[i] = {before[i].hash, static_cast<uint32_t>(i)};
    std::sort(byHash.begin(), byHash.end());
    std::vector<bool> kept(before.size(), false);

    TileGrid grid(width, height);
    size_t next = 0; // the first old call that can still match
    for (const DrawOp& op : now) {
        // Mostly the frames run alike call for call.
        if (next < before.size() && before[next].Same(op)) {
            kept[next++] = true;
            continue;
        }
        auto at = std::lower_bound(byHash.begin(), byHash.end(), std::make_pair(op.hash, uint32_t(next)));
        for (; at != byHash.end() && at->first == op.hash && !before[at->second].Same(op); ++at) {
        }
        if (at != byHash.end() && at->first == op.hash) {
            kept[at->second] = true;
            next = at->second + 1;
        } else {
            grid.Mark(op.bounds);
        }
    }
    for (size_t i = 0; i < before.size(); ++i)
        if (!kept[i]) grid.Mark(before[i].bounds);

    std::vector<SDL_Rect> regions = grid.Rectangles();
    if (regions.size() > MostRegions) {
        SDL_Rect all = regions[0];
        for (const SDL_Rect& r : regions) SDL_UnionRect(&all, &r, &all);
        regions = {all};
    }
    int64_t area = 0;
    for (const SDL_Rect& r : regions) area += int64_t(r.w) * r.h;
    if (area * 100 > WholeRedrawPercent * width * height) regions = {SDL_Rect{0, 0, width, height}};
    return regions;
}

bool PaintsWholeCanvas(const std::vector<DrawOp>& ops, int width, int height) {
    // The whole pixels under each unturned call that copies without
    // blending (large pictures come in several).
    std::vector<SDL_Rect> painted;
    for (const DrawOp& op : ops) {
        const DrawOp::Key& k = op.key;
        if (k.kind == DrawOp::Kind::Clear) return true;
        if (k.mode != SDL_BLENDMODE_NONE || painted.size() >= 64) continue;
        if (!Upright(k)) continue;
        const SDL_Vertex* v = k.vertices;
        float left = std::ceil(v[0].position.x), right = std::floor(v[2].position.x),
              top = std::ceil(v[0].position.y), bottom = std::floor(v[2].position.y);
        if (!(left >= -1e6f && right <= 1e6f && top >= -1e6f && bottom <= 1e6f)) continue;
        SDL_Rect inner{int(left), int(top), int(right - left), int(bottom - top)}, r;
        if (SDL_IntersectRect(&inner, &k.clip, &r)) painted.push_back(r);
    }
    // Band by band between the rectangles' top and bottom edges, the spans
    // that cross the band must cover the width.
    std::vector<int> edges{0, height};
    for (const SDL_Rect& r : painted) edges.push_back(r.y), edges.push_back(r.y + r.h);
    std::sort(edges.begin(), edges.end());
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
        int top = edges[i], bottom = edges[i + 1];
        if (top == bottom || bottom <= 0 || top >= height) continue;
        std::vector<std::pair<int, int>> spans;
        for (const SDL_Rect& r : painted)
            if (r.y <= top && r.y + r.h >= bottom) spans.push_back({r.x, r.x + r.w});
        std::sort(spans.begin(), spans.end());
        int reach = 0;
        for (auto [from, to] : spans)
            if (from <= reach) reach = std::max(reach, to);
        if (reach < width) return false;
    }
    return true;
}

} // namespace wispwood::sdl
