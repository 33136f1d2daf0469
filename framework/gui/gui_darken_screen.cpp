#include "framework/gui/gui_darken_screen.h"
#include "framework/draw_state/draw_state.h"

namespace wispwood {

guiDarkenScreen::guiDarkenScreen() {
    Clickable = 0;
    IgnoreOver = 1;
    DisableMouseOverEffect = 1;
}

void guiDarkenScreen::Render() {
    if (Alpha <= 0) return;
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushAlpha(Alpha * OverallAlpha);
    TDrawState::PushColor(0, 0, 0);
    TDrawState::PushScale(1, 1);
    TDrawState::PushRotation(0);
    DrawRect(Drawx, Drawy, Drawwidth, Drawheight);
    TDrawState::Pop();
}

} // namespace wispwood
