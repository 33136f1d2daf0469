#include "game/app/temporary_first_scene.h"
#include "engine/draw/graphics.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_snapshot.h"

namespace wispwood {

int TemporaryFirstScene::Update() {
    if (GameKeyPresses(27) && ExitHook) ExitHook();
    return 0;
}

int TemporaryFirstScene::Render() {
    SetBlend(SOLIDBLEND);
    SetColor(12, 28, 24);
    DrawRect(0, 0, GraphicsWidth(), GraphicsHeight());
    SetBlend(ALPHABLEND);
    SetColor(230, 220, 170);
    DrawText("Wispwood", 360, 280);
    SetColor(150, 170, 160);
    DrawText("Everything is loaded. Press Escape to quit.", 230, 310);
    return 0;
}

Ref<GameLoop> MakeTemporaryFirstScene() { return New<TemporaryFirstScene>(); }

} // namespace wispwood
