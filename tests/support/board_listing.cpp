#include "tests/support/board_listing.h"
#include "game/board/board.h"
#include "game/board/piece.h"

namespace wispwood::test {

namespace {

bool Rebuilt(const Text& name) {
    return name == "standard" || name == "bomb" || name == "stonepiece" || name.rfind("crumbling", 0) == 0 ||
           name.rfind("stonewall", 0) == 0;
}

} // namespace

std::vector<Text> ListPieces(bool onlyRebuiltKinds) {
    std::vector<Text> out;
    for (int x = 0; x < BoardWidth; ++x)
        for (int y = 0; y < BoardHeight; ++y)
            if (Ref<Piece> p = Board(x, y); p && (!onlyRebuiltKinds || Rebuilt(p->Name)))
                out.push_back(p->Name + "@" + std::to_string(x) + "," + std::to_string(y) + ":" +
                              std::to_string(p->Color));
    return out;
}

} // namespace wispwood::test
