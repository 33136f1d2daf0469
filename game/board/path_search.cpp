#include "game/board/path_search.h"
#include "game/board/board.h"
#include "game/board/piece.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_match.h"
#include "game/board/rainbow_piece.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

Ref<PathPossibility> CurrentPath;
Ref<PathPossibility> HintPath;
TList<Ref<PathPossibility>> FadingPaths;
std::vector<PieceGroup> HintGroups;

const Direction DirectionsVerticalFirst[4] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}};
const Direction DirectionsHorizontalFirst[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};

void PathPossibility::MaxTicks() {
    Ticks = 300;
}

void PathPossibility::MoveDown() {
    SourceY += 1;
    SquareY += 1;
    for (PathStep& step : Steps) step.y += 1;
}

float PathPossibility::PathTileDelay() {
    if (Distance <= 0) return 0;
    float d = static_cast<float>(Distance);
    return (20.0f + std::log(10.0f * d)) / d;
}

int PathPossibility::IsEquivilant(const PathPossibility& other) {
    if (CurrentStep != other.CurrentStep) return 0;
    for (int i = 0; i < CurrentStep; ++i)
        if (Steps[i].x != other.Steps[i].x || Steps[i].y != other.Steps[i].y) return 0;
    return 1;
}

void PathPossibility::AddStep(int sx, int sy) {
    if (CurrentStep >= static_cast<int>(Steps.size())) return;
    Steps[CurrentStep] = PathStep{sx, sy};
    ++CurrentStep;
}

int PathPossibility::Num(const PathStep& a, const PathStep& b) {
    if (b.x < a.x) return 4;
    if (b.x > a.x) return 2;
    if (b.y < a.y) return 1;
    if (b.y > a.y) return 3;
    return 0;
}

int PathPossibility::Compare(const PathPossibility& other) {
    return ComparingTurns ? Turns - other.Turns : Distance - other.Distance;
}

std::vector<PathPossibility::Tile> PathPossibility::Tiles() {
    std::vector<Tile> tiles;
    int n = CurrentStep;
    float d = PathTileDelay();
    for (int i = 1; i <= n - 2; ++i) {
        int e = Num(Steps[i], Steps[i - 1]);
        int f = Num(Steps[i], Steps[i + 1]);
        if (e > f) std::swap(e, f);
        if (f == 4 && e == 1) e = 4;
        float grow = (static_cast<float>(Ticks - (n - 1)) + static_cast<float>(i) * d) / 5.0f;
        Tile tile;
        tile.x = Steps[i].x;
        tile.y = Steps[i].y;
        tile.corner = f == e + 1 || f == e ? 1 : 0;
        tile.rotation = static_cast<float>((e - 1) * 90);
        tile.alpha = 2.0f * std::clamp(grow, 0.0f, 1.0f);
        tiles.push_back(tile);
    }
    return tiles;
}

namespace {

using SearchGrid = Grid<MatchPath>;

bool RowOccupied(int y) {
    for (int x = 0; x < BoardWidth; ++x)
        if (CellAt(x, y)) return true;
    return false;
}

bool InGroup(const PieceGroup& group, const Ref<Piece>& piece) {
    return std::find(group.begin(), group.end(), piece) != group.end();
}

// Breadth first from every source at once. The result is the fixed point
// of relaxing each source's neighbours depth first: the fewest steps
// through empty cells from the nearest source.
void MeasureDistances(SearchGrid& grid) {
    static const int dx[4] = {-1, 0, 0, 1}; // left, up, down, right
    static const int dy[4] = {0, -1, 1, 0};
    std::vector<std::pair<int, int>> queue;
    for (int x = 0; x < grid.Width(); ++x)
        for (int y = 0; y < grid.Height(); ++y)
            if (grid(x, y).IsSource) queue.emplace_back(x, y);
    for (size_t head = 0; head < queue.size(); ++head) {
        auto [cx, cy] = queue[head];
        MatchPath& cell = grid(cx, cy);
        for (int k = 0; k < 4; ++k) {
            int nx = cx + dx[k], ny = cy + dy[k];
            if (!grid.Inside(nx, ny)) continue;
            MatchPath& next = grid(nx, ny);
            if (next.IsPiece || next.Distance != -1) continue;
            next.Distance = cell.Distance + 1;
            next.SourceX = cell.SourceX;
            next.SourceY = cell.SourceY;
            queue.emplace_back(nx, ny);
        }
    }
}

void TracePath(SearchGrid& grid, PathPossibility& path, int cx, int cy, int px, int py, bool first) {
    for (;;) {
        if (first) path.AddStep(px, py);
        path.AddStep(cx, cy);
        MatchPath& cell = grid(cx, cy);
        if (cell.IsSource) return;
        const Direction* table = cx == px ? DirectionsVerticalFirst : DirectionsHorizontalFirst;
        bool moved = false;
        for (int i = 0; i < 4; ++i) {
            int nx = cx + table[i].dx, ny = cy + table[i].dy;
            if (!grid.Inside(nx, ny)) continue;
            MatchPath& next = grid(nx, ny);
            if (next.Distance == -1 || !(next.Distance < cell.Distance || next.IsSource)) continue;
            if (i >= 2) path.Turns += 1;
            px = cx;
            py = cy;
            cx = nx;
            cy = ny;
            first = false;
            moved = true;
            break;
        }
        if (!moved) return;
    }
}

Ref<PathPossibility> SearchPath(int hintMode) {
    int n = BoardRows;
    for (int y = BoardRows; y >= 0; --y) {
        if (RowOccupied(y)) break;
        n = y + 1;
    }
    SearchGrid grid(BoardWidth, n);
    bool hintGroups = hintMode == 1 && HintGroups.size() == 2;
    bool haveSource = false, haveMatch = false;
    int r = 255, g = 255, b = 255, rainbow = 0;
    for (int x = 0; x < grid.Width(); ++x)
        for (int y = 0; y < grid.Height(); ++y) {
            const Ref<Piece>& piece = CellAt(x, y);
            if (!piece) continue;
            MatchPath& cell = grid(x, y);
            cell.IsPiece = 1;
            if (hintMode == 1) {
                if (hintGroups) {
                    cell.IsSource = InGroup(HintGroups[0], piece) ? 1 : 0;
                    cell.IsDest = InGroup(HintGroups[1], piece) ? 1 : 0;
                }
            } else {
                cell.IsSource = piece->MahjongOver ? 1 : 0;
                cell.IsDest = piece->mover ? 1 : 0;
            }
            if ((cell.IsSource || cell.IsDest) && IsKind<RainbowPiece>(piece)) rainbow = 1;
            if (cell.IsSource) {
                cell.SourceX = x;
                cell.SourceY = y;
                cell.Distance = 0;
                Ref<PieceDefinition> def = piece->Definition();
                r = def ? def->r : 255;
                g = def ? def->g : 255;
                b = def ? def->b : 255;
                haveSource = true;
            }
            if (cell.IsDest && !haveMatch) haveMatch = hintMode == 1 || MatchesSelection(piece);
        }
    if (!haveSource || !haveMatch) return nullptr;

    MeasureDistances(grid);

    static const int cdx[5] = {-1, 0, 0, 0, 1};
    static const int cdy[5] = {0, -1, 0, 1, 0};
    std::vector<PathPossibility> candidates;
    candidates.reserve(64);
    for (int x = 0; x < grid.Width(); ++x)
        for (int y = 0; y < grid.Height(); ++y) {
            if (!grid(x, y).IsDest) continue;
            for (int k = 0; k < 5; ++k) {
                int nx = x + cdx[k], ny = y + cdy[k];
                if (!grid.Inside(nx, ny) || grid(nx, ny).Distance == -1) continue;
                PathPossibility& c = candidates.emplace_back();
                c.SourceX = x;
                c.SourceY = y;
                c.SquareX = nx;
                c.SquareY = ny;
                c.Distance = grid(nx, ny).Distance;
            }
        }
    if (candidates.empty()) return nullptr;

    // Shortest first; ties keep creation order. Only the shortest are traced,
    // and the first with the fewest turns wins.
    int shortest = candidates[0].Distance;
    for (const auto& c : candidates) shortest = std::min(shortest, c.Distance);
    PathPossibility* best = nullptr;
    for (PathPossibility& c : candidates) {
        if (c.Distance != shortest) continue;
        c.CurrentStep = 0;
        c.Steps.assign(size_t(c.Distance) + 2, PathStep{});
        TracePath(grid, c, c.SquareX, c.SquareY, c.SourceX, c.SourceY, true);
        c.r = r;
        c.g = g;
        c.b = b;
        c.Rainbow = rainbow;
        c.ComparingTurns = 1;
        if (!best || c.Turns < best->Turns) best = &c;
    }
    return New<PathPossibility>(*best);
}

void Replace(Ref<PathPossibility>& slot, const Ref<PathPossibility>& p) {
    if (!p) {
        if (slot) FadingPaths.AddLast(slot);
        slot = nullptr;
        return;
    }
    if (slot && slot->IsEquivilant(*p)) {
        slot->Ticks += 1;
        return;
    }
    if (slot) FadingPaths.AddLast(slot);
    slot = p;
    slot->Ticks = 0;
}

} // namespace

void ComputeMatchPath(int hintMode) {
    Ref<PathPossibility> best = SearchPath(hintMode);
    if (hintMode == 1) {
        SetHintPath(best);
    } else {
        SetCurrentPath(best);
    }
}

void SetCurrentPath(const Ref<PathPossibility>& p) {
    AgeFadingPaths();
    Replace(CurrentPath, p);
}

// The hint's search runs every update too; fading paths age once per
// update, with the current path's search, so that they fade over 20.
void SetHintPath(const Ref<PathPossibility>& p) {
    Replace(HintPath, p);
}

void ClearCurrentPath() {
    CurrentPath = nullptr;
}

void MovePathsDown() {
    if (CurrentPath) CurrentPath->MoveDown();
    for (const auto& p : FadingPaths) p->MoveDown();
}

void AgeFadingPaths() {
    for (const auto& p : FadingPaths) {
        p->TicksOut += 1;
        if (p->TicksOut > 20) FadingPaths.Remove(p);
    }
}

void ResetPaths() {
    CurrentPath = nullptr;
    HintPath = nullptr;
    FadingPaths.Clear();
    HintGroups.clear();
}

} // namespace wispwood
