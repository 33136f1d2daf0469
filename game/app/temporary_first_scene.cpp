#include "game/app/temporary_first_scene.h"
#include "engine/draw/graphics.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include "game/adventure/quest_map.h"
#include "game/app/game_fonts.h"
#include "game/app/profiles.h"

namespace wispwood {

int TemporaryFirstScene::Update() {
    if (GameKeyPresses(27) && ExitHook) ExitHook();
    // The play path: Enter or a click opens the quest map.
    if (GameKeyPresses(13) || GameMouseClicks(1)) {
        EnsureCurrentProfile();
        PushScene(MakeQuestMap());
    }
    return 0;
}

int TemporaryFirstScene::Render() {
    SetBlend(SOLIDBLEND);
    SetColor(12, 28, 24);
    DrawRect(0, 0, GraphicsWidth(), GraphicsHeight());
    SetBlend(ALPHABLEND);
    SetColor(230, 220, 170);
    if (BigFont) BigFont->FontPrint("Wispwood", 400, 220, AlignCentre);
    SetColor(255, 255, 255);
    if (MainFont) MainFont->FontPrint("Everything is loaded.", 400, 300, AlignCentre);
    SetColor(150, 170, 160);
    if (TutorialFont) TutorialFont->FontPrint("Press Enter to open the quest map.", 400, 350, AlignCentre);
    if (TutorialFont) TutorialFont->FontPrint("Press Escape to quit.", 400, 390, AlignCentre);
    return 0;
}

Ref<GameLoop> MakeTemporaryFirstScene() { return New<TemporaryFirstScene>(); }

} // namespace wispwood
