#include "game/board/board_sound.h"
#include "tests/game/adventure/feedback_fixture.h"
#include "framework/draw_state/draw_state.h"
#include "game/adventure/confetti.h"
#include "game/adventure/extra_life_flight.h"
#include "game/adventure/reward_text.h"
#include "game/adventure/score_flight.h"
#include "game/app/game_fonts.h"
#include "game/board/effect_images.h"
#include "game/board/game_score.h"
#include "game/board/score_panel.h"

namespace wispwood::test {

void FeedbackTest::SetUp() {
    BoardTest::SetUp();
    TDrawState::Reset();
    RecordBoardSounds(&sounds);
}

void FeedbackTest::TearDown() {
    BoardTest::TearDown();
}

} // namespace wispwood::test
