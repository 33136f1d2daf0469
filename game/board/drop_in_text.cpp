#include "game/board/drop_in_text.h"
#include "engine/draw/draw_driver.h"
#include "framework/anim/easing.h"
#include "framework/draw_state/draw_state.h"
#include "framework/fonts/font.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/services/game_fonts.h"
#include <vector>

namespace wispwood {

namespace {


} // namespace

void DropInText(const Text& text, int ticks, float alpha) {
    CurrentFontScope scope(BigFont);
    std::vector<CharDrawInfo> infos = LayoutText(text, static_cast<float>(BoardCentreX()), 0, AlignMiddle, 1);
    const float rest = static_cast<float>(DrawAreaHeight()) / 2;
    for (size_t i = 0; i < infos.size(); ++i) {
        const float t = static_cast<float>(ticks - 15 * static_cast<int>(i)) / 100.0f;
        infos[i].y += LerpDampenClamped(-10, rest, t);
    }
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::PushAlpha(alpha);
    DrawCharInfos(infos);
    TDrawState::Pop();
}

} // namespace wispwood
