#include "framework/draw_state/draw_state.h"
#include "game/board/board_sound.h"
#include "game/board/confetti.h"
#include "game/board/effect_images.h"
#include "game/board/extra_life_flight.h"
#include "game/board/game_score.h"
#include "game/board/reward_text.h"
#include "game/level/score_flight.h"
#include "game/level/score_panel.h"
#include "game/services/game_fonts.h"
#include "tests/support/feedback_fixture.h"

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
