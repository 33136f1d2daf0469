#pragma once
// The path that joins the selected group to the hovered one: the shortest
// route through the open space and, among the shortest, the one with the
// fewest turns. It is recomputed every update and grows tile by tile.
#include "engine/core/tlist.h"
#include "game/board/board.h"
#include <vector>

namespace wispwood {

// One cell of the search grid.
class MatchPath {
  public:
    int IsPiece = 0;
    int IsSource = 0;
    int IsDest = 0;
    int SourceX = 0;
    int SourceY = 0;
    int Distance = -1; // steps from the nearest source; -1 unreached
};

class PathStep {
  public:
    int x = 0;
    int y = 0;
};

// One candidate path, from the destination piece to the source piece.
class PathPossibility {
  public:
    virtual ~PathPossibility() = default;

    int SourceX = 0;
    int SourceY = 0;
    int SquareX = 0;
    int SquareY = 0;
    int Distance = 0;
    int Turns = 0;
    int ComparingTurns = 0;
    int CurrentStep = 0;
    std::vector<PathStep> Steps;
    int Ticks = 0;
    int TicksOut = 0;
    int r = 0, g = 0, b = 0;
    int Rainbow = 0;

    // Shows the whole path at once.
    virtual void MaxTicks();
    // Follows the board down one row.
    virtual void MoveDown();
    // Updates between the appearance of consecutive tiles; only for a
    // positive distance (adjacent groups have no tiles to draw).
    virtual float PathTileDelay();
    virtual int IsEquivilant(const PathPossibility& other);
    virtual void AddStep(int x, int y);
    virtual void RenderPath();
    // Direction from step a to step b: 4 left, 2 right, 1 above, 3 below, 0 same.
    static int Num(const PathStep& a, const PathStep& b);
    // By Turns when ComparingTurns is set, else by Distance; ascending.
    virtual int Compare(const PathPossibility& other);

    // The tiles RenderPath draws: one per step between the two end cells.
    struct Tile {
        int x, y;       // the cell
        int corner;     // 1 the corner tile, 0 the straight one
        float rotation; // degrees
        float alpha;    // 0 to 2 as the path grows
    };
    std::vector<Tile> Tiles();
};

extern Ref<PathPossibility> CurrentPath;
extern Ref<PathPossibility> HintPath;
extern TList<Ref<PathPossibility>> FadingPaths;

struct Direction {
    int dx, dy;
};
extern const Direction DirectionsVerticalFirst[4];
extern const Direction DirectionsHorizontalFirst[4];

// The hint's two groups (empty when no hint is shown).
extern std::vector<PieceGroup> HintGroups;

// Recomputes the path: between the selected and the hovered group
// (hintMode 0) or between the hint's two groups (hintMode 1).
void ComputeMatchPath(int hintMode);
void SetCurrentPath(const Ref<PathPossibility>& p);
void SetHintPath(const Ref<PathPossibility>& p);
// Drops the current path at once (its selection was lost).
void ClearCurrentPath();
void MovePathsDown();
void AgeFadingPaths();
void RenderPaths();

// No paths (start-up state).
void ResetPaths();

} // namespace wispwood
