#pragma once
// How one cell of a new row is decided (Level::NewPiece): the creation
// overrides, the level's frequencies of gaps, stones, rainbows and
// specials, and the colour draw that keeps look-alike colours apart and
// only sometimes lets a colour repeat its neighbour's.
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

class Level;
class Piece;

// Set while deciding a gem when the one gem already on the board is not a
// pick: the next gem made is a pick.
extern int NextGemIsPick;

// The special kinds the row generator places through its frequency rule.
enum SpecialKind {
    kSpecialBomb,
    kSpecialExtraLife,
    kSpecialDestroyVertical,
    kSpecialDestroyHorizontal,
    kSpecialEarthquake,
    kSpecialGem,
    kSpecialKindCount
};

// The waiting instance of a kind, made on first use.
const Ref<Piece>& SpecialTemplate(SpecialKind kind);
// Hands over the waiting instance and puts a fresh one in its place.
Ref<Piece> TakeSpecialTemplate(SpecialKind kind);

// Whether the template may be placed at frequency f (in 1/5000): by chance
// when none of its kind made by this rule is on the board, likelier the
// further the one there has travelled, never with two. Marks the template
// CreatedWithLogic when it may.
int SpecialRuleAllows(Piece& templ, int f);

// While one of these lives the special rule takes the specials below row 0
// from a list made once, instead of searching the grid for every cell: for
// the row generator, which changes nothing but row 0 while it works.
class SpecialsBelowRowZero {
  public:
    SpecialsBelowRowZero();
    ~SpecialsBelowRowZero();
    SpecialsBelowRowZero(const SpecialsBelowRowZero&) = delete;
    SpecialsBelowRowZero& operator=(const SpecialsBelowRowZero&) = delete;

  private:
    std::vector<Ref<Piece>> pieces_;
    const std::vector<Ref<Piece>>* previous_ = nullptr;
};

// Colour weights for column x of row 0: 0 free, 2 a look-alike of a
// neighbour (taken only after 51 rejected draws), 1 never (a neighbour's own
// colour unless grouping is allowed, and the selected colour below).
std::vector<int> ColourWeights(Level& level, int x, bool groupingAllowed);

struct ColourDraw {
    int colour = 0;
    int draws = 0;
};
// Draws colours uniformly until the weights accept one. When none has been
// accepted after 1000 draws (every colour ruled out) the lowest-weight
// colour drawn is taken, the first drawn among equals.
ColourDraw DrawColour(const std::vector<int>& weights);

// Fresh templates and no pick pending (start-up state).
void ResetNewPiece();

} // namespace wispwood
