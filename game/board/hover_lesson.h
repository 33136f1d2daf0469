#pragma once
// The lesson about a fairy caught on its tile: an arrow shows the tile
// until the fairy is freed; meanwhile only the two colours that free it
// may be clicked.
#include "game/board/pointy_arrow.h"
#include "game/board/tutorial_object.h"

namespace wispwood {

class TutorialObjectHover : public TutorialObject {
  public:
    TutorialObjectHover();

    Ref<PointyArrow> ArrowA;
    int FoundLastPieces = 0;
    Ref<Piece> PieceA, PieceB, PieceHover;

    void Update() override;
    void Render() override;
    int PlayerClickDisallow(const Ref<Piece>& piece) override;
};

} // namespace wispwood
