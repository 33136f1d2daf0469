#include "framework/gui/gui_frame.h"
#include "engine/draw/graphics.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include <algorithm>
#include <cmath>

namespace wispwood {

namespace {

// Draws the image so that its top-left pixel lands on (px, py) under the
// rotation and scales, whatever its handle.
void DrawPiece(const Ref<TImage>& image, float px, float py, float degrees, float sx, float sy) {
    if (!image || sx == 0 || sy == 0) return;
    double radians = degrees * 3.14159265358979323846 / 180.0;
    auto s = static_cast<float>(std::sin(radians)), k = static_cast<float>(std::cos(radians));
    float ix = k * sx, iy = -s * sy, jx = s * sx, jy = k * sy;
    float hx = image->handle_x, hy = image->handle_y;
    TDrawState::PushRotation(degrees);
    TDrawState::PushScale(sx, sy);
    DrawGameImage(image, px + hx * ix + hy * iy, py + hx * jx + hy * jy);
}

} // namespace

guiFrame::guiFrame() {
    Clickable = 0;
    DisableMouseOverEffect = 1;
}

void guiFrame::Render() {
    float w = static_cast<float>(width), h = static_cast<float>(height);
    float s = scale;
    float cw = Corner ? static_cast<float>(Corner->width) * s : 0;
    float ch = Corner ? static_cast<float>(Corner->height) * s : 0;
    // Corners meet in the middle of a frame smaller than two of them.
    cw = std::min(cw, w / 2);
    ch = std::min(ch, h / 2);
    float cornerX = Corner && Corner->width > 0 ? cw / static_cast<float>(Corner->width) : 0;
    float cornerY = Corner && Corner->height > 0 ? ch / static_cast<float>(Corner->height) : 0;
    float spanX = w - 2 * cw, spanY = h - 2 * ch;
    int grey = ActivationGrey();

    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushColor(grey, grey, grey);
    TDrawState::PushAlpha(OverallAlpha);
    if (Block && Block->width > 0 && Block->height > 0 && spanX > 0 && spanY > 0)
        DrawPiece(Block, x + cw, y + ch, 0, spanX / static_cast<float>(Block->width),
                  spanY / static_cast<float>(Block->height));
    if (Border && Border->width > 0) {
        float along = static_cast<float>(Border->width);
        if (spanX > 0) {
            DrawPiece(Border, x + cw, y, 0, spanX / along, s);
            DrawPiece(Border, x + cw, y + h, 0, spanX / along, -s);
        }
        if (spanY > 0) {
            DrawPiece(Border, x + w, y + ch, 90, spanY / along, s);
            DrawPiece(Border, x, y + h - ch, -90, spanY / along, s);
        }
    }
    if (Corner) {
        DrawPiece(Corner, x, y, 0, cornerX, cornerY);
        DrawPiece(Corner, x + w, y, 0, -cornerX, cornerY);
        DrawPiece(Corner, x, y + h, 0, cornerX, -cornerY);
        DrawPiece(Corner, x + w, y + h, 0, -cornerX, -cornerY);
    }
    TDrawState::Pop();
    RenderText();
}

} // namespace wispwood
