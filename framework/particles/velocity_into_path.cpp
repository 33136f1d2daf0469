#include "framework/particles/velocity_into_path.h"
#include "framework/anim/easing.h"

namespace wispwood {

Ref<VelocityIntoPath> VelocityIntoPath::Create(float startX, float startY, float endX, float endY) {
    auto path = New<VelocityIntoPath>();
    path->startx = path->realx = startX;
    path->starty = path->realy = startY;
    path->endx = endX;
    path->endy = endY;
    return path;
}

void VelocityIntoPath::Update() {
    realx += dx;
    realy += dy;
    Ticks += 1;
}

int VelocityIntoPath::Finished() const {
    return Ticks > Life ? 1 : 0;
}

std::vector<float> VelocityIntoPath::Pos() const {
    const float progress = static_cast<float>(static_cast<double>(Ticks) / static_cast<double>(Life));
    if (SquareSquare)
        return {LerpSquareSquareClamped(startx, endx, progress),
                LerpSquareSquareClamped(starty, endy, progress)};
    return {LerpSquareClamped(realx, endx, progress), LerpSquareClamped(realy, endy, progress)};
}

} // namespace wispwood
