#include "game/board/use_predefined.h"
#include "engine/io/text_routines.h"
#include "game/board/defined_levels.h"
#include "game/board/piece.h"
#include "game/board/predefined_level.h"

namespace wispwood {

Ref<UsePredefined> MakeUsePredefined(const Ref<PredefinedLevel>& layout) {
    auto use = New<UsePredefined>();
    use->level = layout;
    use->PredefinedName = layout->Name;
    use->TileMode = layout->RepeatMode;
    use->Successor = GapPatternNamed(layout->RepeatSuccessor);
    if (use->Successor) use->Successor->reset();
    return use;
}

void UsePredefined::GrabLevel() {
    if (!level) level = FindPredefinedLevel(PredefinedName);
    if (level) PrepareVines(*level);
}

int UsePredefined::LevelY() {
    GrabLevel();
    if (!level) return -1;
    int h = static_cast<int>(level->Pieces.size());
    if (h <= 0) return -1;
    int b;
    switch (TileMode) {
    case kTileRepeat:
        b = y % h;
        break;
    case kTileBackAndForth: {
        // A one-line layout has no way back: it repeats its line.
        int cycle = 2 * h - 2;
        b = cycle > 0 ? y % cycle : 0;
        if (b >= h) b = cycle - b;
        break;
    }
    case kTilePlayOnce:
        if (y >= h) return -1;
        b = y;
        break;
    default:
        b = 0;
        break;
    }
    return h - b - 1;
}

Ref<Piece> UsePredefined::Override(int x) {
    int row = LevelY();
    if (row != -1) return PieceFromLayoutCode(level->GetPiece(x, row));
    return Successor ? Successor->Override(x) : nullptr;
}

int UsePredefined::IsGap(int x) {
    int row = LevelY();
    if (row != -1) return TrimText(level->GetPiece(x, row)).empty() ? 1 : 0;
    return Successor ? Successor->IsGap(x) : 0;
}

void UsePredefined::BoardMovedDown() {
    y += 1;
    GrabLevel();
    int h = level ? static_cast<int>(level->Pieces.size()) : 0;
    if (Successor && h < y) Successor->BoardMovedDown();
}

Text UsePredefined::Name() {
    return PredefinedName;
}

int UsePredefined::ValidSize(int width) {
    GrabLevel();
    return level && width == level->Width ? 1 : 0;
}

} // namespace wispwood
