#include "game/board/level.h"
#include "engine/io/random.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/piece_definition.h"
#include <algorithm>

namespace wispwood {

namespace {

// The locations of comics 1 to 5; location 0 also shows a comic, unnumbered.
constexpr int kComicLocations[5] = {10, 29, 53, 77, 99};

int ComicAt(int location) {
    for (int i = 0; i < 5; ++i)
        if (kComicLocations[i] == location) return i + 1;
    return 0;
}

} // namespace

int Level::HasComic() {
    return n == 0 || ComicAt(n) != 0 ? 1 : 0;
}

int Level::ComicNumbeR() {
    return ComicAt(n);
}

int Level::BonusColor() {
    // The list comes from the location file; an entry outside the bonus
    // colours would index past them.
    if (BonusColors.empty()) return 0;
    int pick = BonusColors[RandomInt(0, static_cast<int>(BonusColors.size()) - 1)] - 1;
    return std::clamp(pick, 0, static_cast<int>(BonusColourNames().size()) - 1);
}

int Level::Quota() {
    return _Quota;
}

float Level::AdvanceSpeed() {
    return _Speed;
}

int Level::MaxColor() {
    // The location file gives one entry per level of the set (the last one
    // repeated); the count bounds colour indices, so it stays within the
    // standard colours.
    if (Colors.empty()) return 0;
    int i = std::clamp(CurrentLevelIndex, 0, static_cast<int>(Colors.size()) - 1);
    return std::clamp(Colors[i], 0, kStandardColourCount);
}

Ref<Piece> Level::NewPieceQuotaFinished(int) {
    LastRowComplete = 1;
    return nullptr;
}

int Level::Width() {
    return _Width;
}

Ref<TImage> LevelPieceImage(const Level* level, int colour) {
    if (!level || colour < 0 || colour >= static_cast<int>(level->PieceImages.size())) return nullptr;
    return level->PieceImages[colour];
}

} // namespace wispwood
