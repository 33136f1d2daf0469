#pragma once
// Shared helpers of the data validator: the shipped text data read with the
// game's own file parsers, and the facts about the generated media tree that
// the checks need.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include "framework/data/section_file.h"
#include <vector>

namespace wispwood::datatest {

// data/media/<relative> in the source tree: the files as they ship.
Text ShippedPath(const Text& relative);

// A sectioned file read with the game's reader; fails the test when the
// file cannot be read.
Ref<GameFile> ReadSectioned(const Text& relative);

// The non-root section names in the order the game enumerates them.
std::vector<Text> SectionNames(const GameFile& file);

// A location-file list ("4,5") as the location reader makes it: the parts
// converted, then the last part once more; the default when the value is
// empty.
std::vector<int> IntList(GameFile& file, const Text& key, const std::vector<int>& fallback);
std::vector<float> FloatList(GameFile& file, const Text& key);

// Every line of a file, without its line end, and whether every line ended
// in CR LF.
struct RawLines {
    std::vector<Text> lines;
    bool allCrLf = true;
};
RawLines ReadRawLines(const Text& path);

// The pictures the media generator paints: every path listed in
// data/media-names.txt (forward slashes, as written there).
std::vector<Text> GeneratedPictureNames();
bool IsListedPicture(const Text& path);

// A picture named by a data file, checked against the generated tree. The
// generated tree counts as absent, and the check as skipped, only while the
// folder that holds the picture has not been generated at all.
enum class PictureState { Present, Missing, TreeAbsent };
PictureState GeneratedPicture(const Text& mediaPath);

// Board geometry the locations must respect.
struct LocationParams {
    int n = 0;
    int big = 0;
    Text sprite;
    int x = 0, y = 0;
    std::vector<int> boardWidth, colors, quota, time, modifier, vineModifier, blockyVines;
    std::vector<int> gem, bomb, vertical, horizontal, quake, stone, rainbow;
    std::vector<float> speed, groupFactor;
    int Width() const { return boardWidth[0]; }
    int Cell() const { return Width() <= 12 ? 48 : 40; }
    bool DoBonus() const { return n != 0 && (n % 5 == 0 || big == 1); }
};
std::vector<LocationParams> ReadLocations();
// The shipped locations, read once.
const std::vector<LocationParams>& ShippedLocations();

// A predefined layout: rows of two-character cells with backquotes removed
// ("" for a hole), cut by the game's layout reader.
struct LayoutGrid {
    Text name;
    int width = 0, height = 0, repeatMode = 0;
    Text successor;
    std::vector<std::vector<Text>> rawCells; // cells before removing backquotes
    std::vector<std::vector<Text>> cells;    // after, "" for a hole
    bool Empty() const;
    Text At(int x, int y) const; // "" outside
};
std::vector<LayoutGrid> ReadLayouts();

// Gap patterns by their 1-based number: the name a layout's successor uses
// and the widths the pattern is made for.
Text GapPatternName(int pattern);
bool GapPatternFits(int pattern, int width);
int GapPatternByName(const Text& name); // 0 when none matches

} // namespace wispwood::datatest
