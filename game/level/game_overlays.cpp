#include "game/level/game_overlays.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include <vector>

namespace wispwood {

namespace {

std::vector<Ref<TImage>> gOverlays; // in the order of GameOverlay's loading list below

} // namespace

void LoadGameOverlays() {
    gOverlays = LoadImageList(
        {"overlaytopleft.png", "overlayright.png", "overlaybottomleft.png", "overlaybottomleftmask.png"},
        "media\\game");
}

void RenderGameOverlay(GameOverlay which) {
    size_t i = static_cast<size_t>(which);
    if (i >= gOverlays.size() || !gOverlays[i]) return;
    const Ref<TImage>& image = gOverlays[i];
    float x = 0, y = 0;
    if (which == GameOverlay::Right) x = static_cast<float>(GraphicsWidth() - ImageWidth(image));
    if (which == GameOverlay::BottomLeft || which == GameOverlay::BottomLeftMask)
        y = static_cast<float>(GraphicsHeight() - ImageHeight(image));
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    DrawGameImage(image, x, y);
    TDrawState::Pop();
}

void ResetGameOverlays() {
    gOverlays.clear();
}

} // namespace wispwood
