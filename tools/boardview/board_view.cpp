#include "tools/boardview/board_view.h"
#include "engine/draw/graphics.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/input/key_codes.h"
#include "engine/io/text_convert.h"
#include "framework/draw_state/draw_state.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/tunables.h"
#include "game/adventure/confetti.h"
#include "game/adventure/extra_life_flight.h"
#include "game/adventure/reward_text.h"
#include "game/adventure/score_flight.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/board_particles.h"
#include "game/board/board_render.h"
#include "game/board/crumble.h"
#include "game/board/game_score.h"
#include "game/board/hint.h"
#include "game/board/match_availability.h"
#include "game/board/outlines.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/score_panel.h"
#include "game/board/score_popups.h"
#include "game/board/scroll.h"
#include "game/board/selection.h"

namespace wispwood {

namespace {

void PointAt(const Ref<Piece>& p) {
    OverrideMouse(BoardLeft() + p->GetX() + CellWidth / 2, BoardTop() + p->GetY() + CellHeight / 2);
}

} // namespace

int BoardView::Init() {
    ResetRewardTexts();
    ResetScoreFlights();
    ResetExtraLifeFlights();
    ResetConfetti();
    SnapBoardFrame();
    return 0;
}

void BoardView::Autoplay() {
    if (updates_ < nextClick_) return;
    if (clickStage_ == 0) {
        GroupPair pair = FindMatchingPair(-1, 1, 1);
        if (pair.size() != 2 || pair[0].empty() || pair[1].empty()) {
            nextClick_ = updates_ + 50;
            return;
        }
        PointAt(pair[0][0]);
        ForceMouseClicks(1);
        clickStage_ = 1;
        nextClick_ = updates_ + 60;
    } else if (clickStage_ == 1) {
        // Hover the partner for a while first, so its path and outline show.
        Ref<Piece> selected = SelectedPiece();
        GroupPair pair = selected ? FindMatchingPair(selected->Color, 1, 1) : GroupPair{};
        if (pair.size() != 2) {
            clickStage_ = 0;
            return;
        }
        const Ref<Piece>& other = pair[0][0]->MahjongOver ? pair[1][0] : pair[0][0];
        PointAt(other);
        clickStage_ = 2;
        nextClick_ = updates_ + 40;
    } else {
        ForceMouseClicks(1);
        ++matches_;
        clickStage_ = 0;
        nextClick_ = updates_ + 160;
    }
}

void BoardView::Celebrate() {
    CreateRewardText("SILVER COMBO", "", 0, 0, 0);
    ConfettiCannon(GetTunable("posx1", "669"), GetTunable("posy1", "596"), GetTunable("angle1", "45"), 1, 0);
}

int BoardView::Update() {
    if (GameKeyPresses(27) && ExitHook) ExitHook();
    ++updates_;
    if (autoplay_) {
        Autoplay();
        if (updates_ == 700) Celebrate();
    } else if (GameKeyPresses(KeyA + 'C' - 'A')) {
        Celebrate();
    }
    // P keeps the last frame shown, for looking at a session afterwards.
    if (GameKeyPresses(KeyA + 'P' - 'A'))
        SavePixmapPNG(GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight()),
                      "boardview-" + IntToText(updates_) + ".png");
    CountDisplayedScore();
    ScorePopups.Update();
    PanelParticles.Update();
    UpdateScoreFlights(0);
    UpdateRewardTexts();
    ShardParticles.Update();
    BoardEffects.Update();
    BoardTwinkles.Update();
    UpdateConfetti();
    AgeFadingPaths();
    UpdateHint();
    UpdateOutlines();
    UpdateBoardFrame();
    UpdateExtraLifeFlights();
    FadeSelectionIfIdle();
    ComputeMatchPath(0);
    ScrollBoard();
    BoardUpdate();
    return 0;
}

int BoardView::Render() {
    SetBlend(SOLIDBLEND);
    SetColor(18, 34, 30);
    DrawRect(0, 0, GraphicsWidth(), GraphicsHeight());
    SetColor(255, 255, 255);
    RenderBoardFrame();
    RenderBoard();
    RenderPaths();
    TDrawState::Push();
    TDrawState::PushOrigin(static_cast<float>(BoardLeft()), static_cast<float>(BoardTop()));
    TDrawState::PushBlend(ALPHABLEND);
    RenderOutlines();
    ShardParticles.Render();
    TDrawState::Pop();
    ScorePopups.Render();
    RenderRewardTexts();
    TDrawState::Push();
    TDrawState::PushOrigin(static_cast<float>(BoardLeft()), 0);
    RenderExtraLifeFlights();
    TDrawState::Pop();
    RenderScorePanel();
    RenderConfettiA();
    return 0;
}

} // namespace wispwood
