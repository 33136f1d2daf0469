#pragma once
// Where the fairies hide in each bonus game: one pattern of 4 rows of 5
// flags per bonus game of the quest, chosen by the level's BonusNumber.
// The first bonus game hides four fairies in the corners; the others hide
// ten (one nine, one eleven).

namespace wispwood {

constexpr int BonusColumns = 5;
constexpr int BonusRows = 4;
constexpr int BonusPatternCount = 100;

// Pattern k as rows of '0' and '1' separated by '/', row 0 first.
extern const char* const BonusPatterns[BonusPatternCount];

// 1 when pattern number hides a fairy at (column, row). A number past the
// table (or a cell outside the grid) hides none, so a quest with more
// bonus games than patterns plays an empty grid instead of reading on.
int BonusPatternFlag(int number, int column, int row);

// The fairies of a pattern (0 past the table).
int BonusPatternFairies(int number);

} // namespace wispwood
