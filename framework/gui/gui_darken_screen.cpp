#include "framework/gui/gui_darken_screen.h"
#include "framework/draw_state/draw_state.h"

namespace wispwood {

guiDarkenScreen::guiDarkenScreen() {
    Clickable = 0;
    IgnoreOver = 1;
    DisableMouseOverEffect = 1;
}

void guiDarkenScreen::Render() {
    DarkenRect(Drawx, Drawy, Drawwidth, Drawheight, Alpha * OverallAlpha);
}

void DarkenRect(float x, float y, float w, float h, float alpha) {
    if (alpha <= 0) return;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushAlpha(alpha);
    TDrawState::PushColor(0, 0, 0);
    TDrawState::PushScale(1, 1);
    TDrawState::PushRotation(0);
    DrawRect(x, y, w, h);
    TDrawState::Pop();
}

} // namespace wispwood
