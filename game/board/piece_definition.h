#pragma once
// Colour definitions: one per piece colour, with its images, its tint and
// the colours that look too much alike to sit next to it.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <vector>

namespace wispwood {

class TImage;
class GameFile;

class PieceDefinition {
  public:
    Text name; // "block-" + colour name
    int index = 0;
    Ref<TImage> image;
    Ref<TImage> Particle;
    int r = 0, g = 0, b = 0;
    // The colours named under this one in the colour file. The set owns
    // every definition, so these do not keep one another alive.
    std::vector<std::weak_ptr<PieceDefinition>> Illegals;
    // 1 where the two colours may not be neighbours, either way round.
    std::vector<int> IllegalsArray;
};

using PieceDefinitionSet = std::vector<Ref<PieceDefinition>>;

// The standard set (PieceDefinitions is this set during play) and each
// set's images as plain arrays in the same order; a level's PieceImages is
// the standard array.
extern PieceDefinitionSet StandardPieceDefinitions;
extern std::vector<Ref<TImage>> StandardPieceImages;
extern std::vector<Ref<TImage>> BonusPieceImages;

constexpr int kStandardColourCount = 8;
// By index: yellow, orange, red, purple, magenta, blue, turquoise, green.
const TextArray& StandardColourNames();
// letter, lettergold.
const TextArray& BonusColourNames();
extern const char* const kStandardColourFolder; // "big"
extern const char* const kBonusColourFolder;    // "bonus"
extern const char* const kColourFilePath;       // "media\illegalcoloursbig.txt"

// Definitions named after the colours, indexed in order, without data.
PieceDefinitionSet CreatePieceDefinitionSet(const TextArray& colourNames);

// Takes each definition's tint and look-alike colours from the colour file:
// one section per definition name with "red", "green" and "blue"; every
// other key of the section names a look-alike colour of the same set.
// Unknown names are ignored; the relation is made symmetric.
void ReadColourDefinitions(GameFile& file, PieceDefinitionSet& set);

// Both sets made afresh (the standard set also becomes PieceDefinitions) with their colour data from the file
// at path. 0 when the file could not be read: the sets then have no tints and no look-alikes.
int LoadColourDefinitions(const Text& path = kColourFilePath);

// The standard set, made without data when nothing was loaded yet.
const PieceDefinitionSet& GetStandardPieceDefinitions();

void ResetPieceDefinitions();

} // namespace wispwood
