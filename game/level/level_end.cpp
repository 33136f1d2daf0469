#include "game/level/level_end.h"
#include "framework/anim/easing.h"
#include "framework/anim/numeric.h"
#include "framework/scene/tunables.h"
#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/board_sound.h"
#include "game/board/confetti.h"
#include "game/board/drop_in_text.h"
#include "game/board/falling_pieces.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/outlines.h"
#include "game/board/piece.h"
#include "game/board/quota.h"
#include "game/board/reward_text.h"
#include "game/board/time_limit.h"
#include "game/level/bonus_game.h"
#include "game/level/level_start.h"
#include "game/level/tally.h"
#include "game/services/profiles.h"
#include "game/services/text_table.h"

namespace wispwood {

Ref<GameSuccess> SuccessSequence;
int LevelWon = 0;

namespace {

// The lowest piece's top on screen, or 0 when the grid is empty.
int LowestPieceY() {
    const int row = LowestOccupiedRow();
    for (int x = 0; x < Board.Width(); ++x)
        if (Board.Inside(x, row) && Board(x, row)) return Board(x, row)->GetY();
    return 0;
}

void StartSuccess(int tryAgain) {
    SuccessSequence = New<GameSuccess>();
    SuccessSequence->TryAgain = tryAgain;
}

} // namespace

void GameSuccess::Update() {
    if (!TextCreated && Ticks > 390) {
        TextCreated = 1;
        if (TryAgain) rt = CreateRewardText(GetText("game", "tryagain"), "", 1, 1, 1);
    }
    Ticks += 1;

    if (TryAgain) {
        if (Ticks <= 100) {
            OldCurrentPops = QuotaCollected;
        } else {
            const float t = static_cast<float>(Ticks - 100) / 200.0f;
            QuotaCollected =
                static_cast<int>(LerpSquareSquareClamped(static_cast<float>(OldCurrentPops), 0, t));
        }
    }

    // The board accelerates upwards out of view.
    if (CountPieces() > 0 && LowestPieceY() >= -CellHeight) {
        ForEachPiece([](const Ref<Piece>& p) { p->MahjongOver = 0; });
        FadeOutline(0, 0);
        ScrollOffset -= Board_dy;
        Board_dy += 0.02f;
    }

    if (Armed) {
        const bool gone = CountPieces() == 0 || LowestPieceY() < -CellHeight;
        if (gone && (Ticks > 400 || !TryAgain)) {
            Done = 1;
            for (int x = 0; x < Board.Width(); ++x)
                for (int y = 0; y < Board.Height(); ++y) Board(x, y) = nullptr;
        }
    }
    Armed = 1;

    if (!Done) return;
    // The sequence ends here whatever follows; a tally or the next level
    // takes over. It stays alive to the end of this update.
    Ref<GameSuccess> self = SuccessSequence;
    SuccessSequence = nullptr;
    if (StartLevel(0, TryAgain)) {
        DecideMedal();
        StartTally();
    }
}

void GameSuccess::Render() {
    if (!TryAgain) return;
    const float b = ClampFloat(Ticks <= 300 ? 100.0f : static_cast<float>(400 - Ticks), 0, 100);
    DropInText(GetText("game", "timeout"), Ticks, LerpSquareClamped(0, 1, b / 100));
}

void StartSuccessSequence() {
    if (!SuccessSequence && !GameOverSequence) StartSuccess(0);
}

void UpdateGameOver() {
    if (SuccessSequence) return;
    if (GameOverSequence) {
        GameOverSequence->Update();
        return;
    }
    if (!TimeIsUp()) return;
    Ref<PlayerProfile> profile = GetCurrentProfile();
    if (profile && profile->Lives > 1) {
        profile->Lives -= 1;
        StartSuccess(1);
    } else {
        if (profile) profile->Lives = 0;
        GameOverSequence = New<GameOver>();
    }
}

void UpdateSuccess() {
    if (GameOverSequence) return;
    if (SuccessSequence) {
        SuccessSequence->Update();
        return;
    }
    if (!CurrentLevel) return;
    if (IsBonusLevel(*CurrentLevel)) {
        // Once the set is finished the tally is up and the level stays won.
        if (BonusGameOver() && !CurrentTally) StartSuccessSequence();
        return;
    }
    Level& level = *CurrentLevel;
    if (!QuotaReached() || !level.DoneQuotaBottleEffect) return;
    level.ConfettiEffect += 1;
    if (level.ConfettiEffect == 350) {
        ConfettiCannon(GetTunable("posx1", "669"), GetTunable("posy1", "596"), GetTunable("angle1", "45"), 0,
                       0);
        PlayBoardSound("media\\sound\\confettishoot.ogg");
    }
    if (level.ConfettiEffect == 380) {
        PlayBoardSound("media\\sound\\confettishoot.ogg");
        ConfettiCannon(GetTunable("posx2", "40"), GetTunable("posy2", "596"), GetTunable("angle2", "135"), 0,
                       0);
    }
    // Once the set is finished the tally is up and the level stays won; it
    // is not won again.
    if (level.ConfettiEffect >= 381 && CountPieces() == 0 && !AnyPieceFalling() && !CurrentTally)
        StartSuccess(0);
}

void RenderGameOver() {
    if (GameOverSequence) GameOverSequence->REnder();
}

void RenderSuccess() {
    if (SuccessSequence) SuccessSequence->Render();
}

int TryAgainActive() {
    return SuccessSequence && SuccessSequence->TryAgain ? 1 : 0;
}

float TryAgainProgress() {
    return TryAgainActive() ? static_cast<float>(SuccessSequence->Ticks) / 400.0f : 0.0f;
}

int LevelEndHoldsScroll() {
    return SuccessSequence ? 1 : 0;
}

int LevelEnding() {
    return GameOverSequence || SuccessSequence ? 1 : 0;
}

void ResetLevelEnd() {
    GameOverSequence = nullptr;
    SuccessSequence = nullptr;
    LevelWon = LevelLost = 0;
}

} // namespace wispwood
