#include "game/board/board_frame.h"
#include "framework/anim/easing.h"
#include "game/board/board.h"
#include <cmath>
#include <cstdlib>

namespace wispwood {

int FrameX = 0;
int FrameStartX = 0;
float FrameProgress = 0;
int FrameSettled = 0;

void SnapBoardFrame() {
    FrameX = FrameStartX = BoardLeft();
    FrameSettled = 1;
}

void UpdateBoardFrame() {
    if (FrameSettled && std::abs(FrameX - BoardLeft()) > 1) {
        FrameSettled = 0;
        FrameProgress = 0;
        FrameStartX = FrameX;
    } else if (!FrameSettled) {
        FrameProgress += 0.015f;
        FrameX = static_cast<int>(LerpSquareSquareClamped(static_cast<float>(FrameStartX),
                                                          static_cast<float>(BoardLeft()), FrameProgress));
        if (std::abs(FrameX - BoardLeft()) <= 1) FrameSettled = 1;
    }
}

int FrameRight() {
    return BoardLeft() + BoardWidth * CellWidth + (BoardLeft() - FrameX);
}

int BoardCentreX() {
    return (FrameX + FrameRight()) / 2;
}

void ResetBoardFrame() {
    FrameX = FrameStartX = 0;
    FrameProgress = 0;
    FrameSettled = 0;
}

} // namespace wispwood
