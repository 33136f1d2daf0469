#include "game/board/game_over.h"
#include "game/board/board_sound.h"
#include "game/board/drop_in_text.h"
#include "game/services/text_table.h"

namespace wispwood {

Ref<GameOver> GameOverSequence;
int LevelLost = 0;

void GameOver::Update() {
    Ticks += 1;
    if (Ticks == 1) PlayBoardSound("media\\jingles\\gameover.ogg");
    if (Ticks > 400) {
        Ticks = 400;
        LevelLost = 1;
    }
}

void GameOver::REnder() {
    DropInText(GetText("game", "gameover"), Ticks, 1);
}

} // namespace wispwood
