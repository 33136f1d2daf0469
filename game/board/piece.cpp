#include "game/board/piece.h"
#include "engine/io/random.h"
#include "framework/scene/scene_stack.h"
#include "game/board/board.h"
#include "game/board/board_sound.h"
#include "game/board/creation_shine.h"
#include "game/board/earthquake.h"
#include "game/board/falling_pieces.h"
#include "game/board/gem.h"
#include "game/board/level_set.h"
#include "game/board/lock_particles.h"
#include "game/board/lock_piece.h"
#include "game/board/path_search.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_effects.h"
#include "game/board/powerup.h"
#include "game/board/quota_particle.h"
#include <algorithm>

namespace wispwood {

Piece::Piece() {
    Particle = RandomInt(0, 185);
    pid = GetNewPieceId();
}

Piece::Piece(const Text& name, const Ref<TImage>& image) : Piece() {
    Name = name;
    Image = image;
}

void Piece::RenderGem(float px, float py) {
    (void)px;
    (void)py;
    if (HasGem && GemInstance) GemInstance->Render();
}

void Piece::TurnToGold() {
    if (IsGold == 0) IsGold = 1;
}

void Piece::DoPowerupTwinkle() {
    Particle += 1;
    if (Bottom && CreationShine <= 50 && BottomDelay == 0 && Particle % 100 == 1) {
        float tx = LastDrawnx + static_cast<float>(RandomInt(12, 36));
        float ty = LastDrawnY + static_cast<float>(RandomInt(12, 36));
        PowerupTwinkle(*this, tx, ty);
    }
}

int Piece::OverrideEquivilance(const Ref<Piece>&) {
    return -1;
}

int Piece::InvalidForSelection() {
    return 0;
}

int Piece::CanBeNuked() {
    return 1;
}

void Piece::UpdateImage() {
    if (Name != "standard") return;
    if (!OldImage) OldImage = Image;
    Image = LevelPieceImage(CurrentLevel.get(), Color);
}

int Piece::Valid() {
    return PieceExplosionParticle ? 0 : 1;
}

int Piece::CancelBoardMoveUp() {
    return 0;
}

int Piece::MOverValidForHeight() {
    if (CountSelected() > 0) return Normal() && Color == SelectedColour() ? 1 : 0;
    return Normal() || IsKind<Powerup>(this) ? 1 : 0;
}

void Piece::UpdateHeight() {
    if ((MahjongOver || (mover && MOverValidForHeight())) && !IsGold) {
        Height += 0.15f;
    } else {
        Height -= 0.15f;
    }
    Height = std::clamp(Height, 0.0f, 2.0f);
}

void Piece::Update() {
    // Removal below may drop the grid's reference to this piece.
    Ref<Piece> self = weak_from_this().lock();

    if (IsGold != 0) {
        IsGold += 1;
        if (IsGold > 40) {
            if (GoldAnimating) {
                GoldFrame += 1;
                if (GoldFrame > 24) GoldFrame = 0;
                if (GoldFrame == 12) GoldAnimating = 0;
            }
            if (Locked) UnlockSilently();
        }
        if (IsGold > 100) RemoveFromBoard(1);
    }

    if (PieceExplosionParticle) mover = MahjongOver = MarkForDestruction = 0;

    if (Bottom) {
        if (TransitionInProgress()) {
            if (BottomDelay > 0) {
                BottomDelay = 0;
                BottomFadeIn = 48;
            }
        } else if (BottomDelay == 0) {
            BottomFadeIn = std::min(BottomFadeIn + 1, 48);
        } else if (MahjongOver) {
            if (BottomDelay > 0) BottomDelay = 0;
        } else if (BottomDelay > 0) {
            BottomDelay -= 1;
            if (BottomDelay == 0 && PlayFlip) {
                if ((y != 0 || ScrollOffset > 2.0f) && !IsShaking())
                    PlayBoardSound("media\\sound\\tileflip.ogg");
                PlayFlip = 0;
            }
        }
    } else {
        BottomFadeIn = std::max(BottomFadeIn - 1, 0);
        if (MahjongOver) {
            MahjongOver = 0;
            ClearCurrentPath();
        }
    }

    UpdateHeight();

    if (CreationShine != 0 && !CreationShineHeld()) {
        CreationShine -= 1;
        if (CreationShine < 50 && !CreationParticles) {
            CreationParticles = 1;
            CreationSparkles(*this);
            if (x == 0) PlayBoardSound("media\\sound\\rowcreate.ogg");
        }
    }

    if (mover && !IsGold && CountSelected() == 0) {
        moverprogress += 2;
    } else {
        moverprogress -= 4;
    }
    moverprogress = std::clamp(moverprogress, 0, 30);
    if (MahjongOver && !IsGold) {
        MahjongOverProgress += 2;
    } else {
        MahjongOverProgress -= 4;
    }
    MahjongOverProgress = std::clamp(MahjongOverProgress, 0, 30);

    bouncey += bouncedy;
    bouncedy += 0.05f;
    if (bouncey > 0) bouncey = bouncedy = 0;

    UpdateAnimation();
}

void Piece::UpdateAnimation() {}

int Piece::GetX() {
    return x * CellWidth;
}

int Piece::GetY() {
    return static_cast<int>(static_cast<float>(y * CellHeight) + ScrollOffset + bouncey);
}

Ref<TImage> Piece::GetMyImage(int frame) {
    if (frame <= 9 && OldImage) return OldImage;
    return Image;
}

int Piece::OnScreen() {
    return y != 0 || ScrollOffset >= 4.0f ? 1 : 0;
}

int Piece::Normal() {
    return 1;
}

int Piece::PowerupActivate() {
    return 0;
}

void Piece::UnlockSilently() {
    if (!Locked) return;
    Locked = 0;
    if (OnScreen() && !IsGold) FadeLockOverlay(*this, Unlocker);
}

void Piece::Unlock(int delay, float dx, float dy) {
    if (Locked) {
        Locked = 0;
        FlyLockOverlay(*this, delay, dx, dy);
    }
    // A lock piece's Unlocker tells its lock face from its key face; it
    // keeps it.
    if (Unlocker && !IsKind<LockPiece>(this)) {
        Unlocker = 0;
        FadeLockOverlay(*this, 1);
    }
}

void Piece::RemoveFromBoard(int dropUnsupported) {
    if (!OnBoard) return;
    Ref<Piece> self = weak_from_this().lock();
    if (Board.Inside(x, y) && Board(x, y).get() == this) Board(x, y) = nullptr;
    OnBoard = 0;
    if (!NoParticle) {
        if (IsGold) {
            GoldRemovalEffect(*this);
        } else {
            PieceQuotaParticle(*this, 1);
        }
    }
    if (dropUnsupported == 1) DropUnsupported();
}

void Piece::MovedDown() {}

Ref<PieceDefinition> Piece::Definition() {
    if (!Normal() || Color < 0 || Color >= static_cast<int>(PieceDefinitions.size())) return nullptr;
    return PieceDefinitions[Color];
}

int Piece::FinishLevelIfClicked() {
    return 0;
}

int Piece::BlockGravity() {
    return 0;
}

int Piece::FullBright() {
    return 0;
}

} // namespace wispwood
