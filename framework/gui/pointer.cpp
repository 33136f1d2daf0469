#include "framework/gui/pointer.h"
#include "engine/draw/graphics.h"
#include "framework/anim/ticker.h"
#include "framework/draw_state/draw_state.h"
#include "framework/gui/gui_resources.h"
#include "framework/images/game_image.h"
#include "framework/navigation/nav_cursor.h"
#include "framework/scene/frame_loop.h"

namespace wispwood {

int MouseTaken = 0;
int PointerAlphaOverride = 0;
float PointerAlpha = 1.0f;

namespace {
int gHand = 0;
int64_t gShapeUpdate = -1;
} // namespace

void SetPointerHand(int hand) {
    gHand = hand;
    gShapeUpdate = UpdateCount;
}

int PointerIsHand() {
    return gHand && gShapeUpdate == UpdateCount ? 1 : 0;
}

void DrawGamePointer(int x, int y) {
    // The keyboard and pad cursor stands in for the pointer while in use
    // on something.
    if (NavigationTarget()) {
        DrawNavigationCursor();
        return;
    }
    int hand = PointerIsHand();
    const Ref<TImage>& image = hand ? GuiPointerHand : GuiPointer;
    if (!image) return;
    // The scene may leave any drawing state behind; the pointer is always
    // drawn plainly at its own alpha.
    TDrawState::Push();
    SetColor(255, 255, 255);
    SetTransform(0, 1, 1);
    SetOrigin(0, 0);
    SetViewport(0, 0, DrawAreaWidth(), DrawAreaHeight());
    SetBlend(ALPHABLEND);
    SetAlpha(PointerAlphaOverride ? PointerAlpha : 1.0f);
    float left = hand ? x - 8.0f : x - 5.0f;
    float top = hand ? y - 2.0f : static_cast<float>(y);
    DrawGameImage(image, left + image->handle_x, top + image->handle_y);
    TDrawState::Pop();
}

void InstallGamePointer() {
    FrameUpcalls.DrawMousePointer = DrawGamePointer;
}

void ResetPointer() {
    MouseTaken = 0;
    PointerAlphaOverride = 0;
    PointerAlpha = 1.0f;
    gHand = 0;
    gShapeUpdate = -1;
}

} // namespace wispwood
