#include "game/board/piece_match.h"
#include "game/board/board.h"
#include "game/board/gem_piece.h"

namespace wispwood {

int PiecesMatch(const Ref<Piece>& a, const Ref<Piece>& b) {
    if (!a || !b) return 0;
    if (a->Name == "rainbow" || b->Name == "rainbow") return 1;
    if (a->Name != b->Name) return 0;
    const Text& name = a->Name;
    if (name == "standard") return a->Color == b->Color ? 1 : 0;
    if (name == "vinehead") {
        int r = a->OverrideEquivilance(b);
        return r != -1 ? r : 1;
    }
    if (name == "gem") {
        auto ga = Cast<GemPiece>(a), gb = Cast<GemPiece>(b);
        return ga && gb && ga->Pick != gb->Pick ? 1 : 0;
    }
    if (name == "lock") return a->Unlocker != b->Unlocker ? 1 : 0;
    if (name == "stonepiece" || name == "hoverpiece" || name == "vinebody") return 0;
    return 1;
}

int MatchesSelection(const Ref<Piece>& p) {
    Ref<Piece> selected = SelectedPiece();
    return selected ? PiecesMatch(selected, p) : 0;
}

} // namespace wispwood
