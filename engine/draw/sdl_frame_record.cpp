#include "engine/draw/sdl_driver_internal.h"

namespace wispwood::sdl {

void FrameRecord::Keep(DrawOp op, const std::shared_ptr<TextureSheet>& sheet, int frame) {
    op.hash = HashKey(op.key);
    if (sheet && sheet->drawnInFrame != frame) {
        sheet->drawnInFrame = frame;
        sheets_.push_back(sheet);
    }
    ops_.push_back(op);
}

std::vector<SDL_Rect> FrameRecord::Damage(int width, int height) const {
    if (lastKept_ && PaintsWholeCanvas(ops_, width, height)) return FrameDamage(lastOps_, ops_, width, height);
    return {SDL_Rect{0, 0, width, height}};
}

void FrameRecord::FrameDrawn() {
    lastKept_ = true;
    std::swap(ops_, lastOps_);
    std::swap(sheets_, lastSheets_);
    ops_.clear(), sheets_.clear();
}

void FrameRecord::DrawRestAtOnce() {
    ops_.clear(), sheets_.clear();
    drawingAtOnce_ = true;
}

void FrameRecord::FrameNotKept() {
    drawingAtOnce_ = lastKept_ = false;
    lastOps_.clear(), lastSheets_.clear();
}

void FrameRecord::Clear() {
    ops_.clear(), lastOps_.clear(), sheets_.clear(), lastSheets_.clear();
    lastKept_ = drawingAtOnce_ = false;
}

} // namespace wispwood::sdl
