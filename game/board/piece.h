#pragma once
// A piece on the board. Every kind derives from Piece and overrides a few of
// its operations; the fields carry the state that the board steps share
// (reachability, selection, reveal, gold, locks).
//
// Glossary. These are the design's names, kept exactly as written with their
// odd spellings: the rest of the code and the tests use them. Do not correct
// them.
//   LastDrawnx, LastDrawnY  where the piece was last drawn, board-relative,
//                           after its hover lift; effects start from there
//   bouncey, bouncedy       vertical bounce: an offset (0 or less) added to
//                           GetY, and its speed
//   mover                   in the group under the mouse ("mouse over")
//   movercenter             unused, kept 0
//   moverprogress           hover glow, 0..30
//   mOverDistance           hover ripple: steps from the hovered piece within
//                           its group; 9999 where the ripple did not reach
//   MahjongOver             in the selected group
//   MahjongOverProgress     selection glow, 0..30
//   MahjongOverCenter       the piece whose click made the selection; the
//                           selection regrows from it after a row push
//   SPecial                 unused, kept 0
//   HasBorderParticles      unused, kept 0
//   Bottom                  reachable: touches the open space below the stack
//   BottomOutside           touched by the reachability flood (locked too)
//   BottomX, BottomY        the empty cell the flood reached the group from
//   BottomGroupID           shared by one reachable group of a colour
//   BottomDelay             updates until a newly reachable piece can be
//                           picked; -1 while not scheduled
//   BottomFadeIn            reveal, 0..48; drives brightness and the flip
//   Highlightfortutorial    a lesson highlights it (drawn brighter)
//   Particle                the twinkle phase counter, an int, not a particle
//   InJeoprady              mark of the dead-end check (dead_end.cpp, whose
//                           JeopradyGroup is a colour with one reachable group)
//   pid                     unique piece id (GetNewPieceId)
//   OverrideEquivilance     a kind's say in whether two pieces match:
//                           -1 none, 0 or 1 decides
//   MOverValidForHeight     whether hovering lifts the piece
// Elsewhere on the board: PathPossibility::IsEquivilant (path_search.h) is
// "the same steps"; Level::ComicNumbeR (level.h) the comic after the level,
// and Level::_Width, _Speed, _Quota the stored values behind Width(),
// AdvanceSpeed() and Quota(); GameOver::REnder (level_end.h) draws the
// game-over sequence.
#include "engine/core/ref.h"
#include "engine/core/text.h"

namespace wispwood {

class TImage;
class Particle;
class Gem;
class PieceDefinition;

class Piece : public std::enable_shared_from_this<Piece> {
  public:
    Piece();
    virtual ~Piece() = default;
    Piece(const Piece&) = delete;
    Piece& operator=(const Piece&) = delete;

    int Score = 0;
    Text Name = "standard";
    int Color = 0;
    int UnlockerPresent = 0;
    int x = 0;
    int y = 0;
    int Checked = 0;
    float EarthquakeX = 0;
    float EarthquakeY = 0;
    float LastDrawnx = 0;
    float LastDrawnY = 0;
    float bouncedy = 0;
    float bouncey = 0;
    Ref<TImage> OldImage;
    Ref<TImage> Image;
    int Frame = 0;
    int OverrideFrame = 0;
    int mover = 0;
    int movercenter = 0;
    int moverprogress = 0;
    int OnBoard = 1;
    int CreationShine = 0;
    int mOverDistance = 0;
    int HasCombo = 0;
    int DeadRegionGroup = 0;
    int DeadRegionSize = 0;
    int Processed = 0;
    int MahjongOver = 0;
    int MahjongOverProgress = 0;
    int MahjongOverCenter = 0;
    int MarkForDestruction = 0;
    int SPecial = 0;
    int OverrideBrightness = 0;
    int BottomDelay = -1;
    int Bottom = 0;
    int BottomOutside = 0;
    int BottomX = 0;
    int BottomY = 0;
    int BottomGroupID = 0;
    int BottomFadeIn = 0;
    int HasBorderParticles = 0;
    float Height = 0;
    Ref<wispwood::Particle> PieceExplosionParticle;
    int PlayMatchSound = 0;
    int PlayFlip = 0;
    int CreationParticles = 0;
    int Highlightfortutorial = 0;
    int Particle = 0; // twinkle phase, randomised at creation
    int IsGold = 0;
    int GoldFrame = 12;
    int GoldAnimating = 1;
    int InJeoprady = 0;
    int CreatedByTutorial = 0;
    int Modified = 0;
    int Locked = 0;
    int Unlocker = 0;
    int HasGem = 0;
    Ref<wispwood::Gem> GemInstance;
    int pid = 0;
    int NoParticle = 0;
    int CreatedByOverride = 0;
    int CreatedWithLogic = 0;

    virtual void RenderGem(float x, float y);
    virtual void TurnToGold();
    virtual void DoPowerupTwinkle();
    // -1: no opinion; 0 or 1 decides whether the two match.
    virtual int OverrideEquivilance(const Ref<Piece>& other);
    virtual int InvalidForSelection();
    virtual int CanBeNuked();
    virtual void UpdateImage();
    virtual int Valid();
    virtual int CancelBoardMoveUp();
    virtual int MOverValidForHeight();
    virtual void UpdateHeight();
    virtual void Update();
    virtual void UpdateAnimation();
    virtual int GetX();
    virtual int GetY();
    virtual void RenderAt(float x, float y);
    virtual Ref<TImage> GetMyImage(int frame);
    virtual void Render();
    virtual int OnScreen();
    virtual int Normal();
    virtual int PowerupActivate();
    virtual void UnlockSilently();
    // The lock opens after delay updates, its overlay flying off along
    // (dx, dy); a piece carrying the unlocker loses it.
    virtual void Unlock(int delay, float dx, float dy);
    virtual void RemoveFromBoard(int dropUnsupported);
    virtual void MovedDown();
    virtual Ref<PieceDefinition> Definition();
    virtual int FinishLevelIfClicked();
    virtual int BlockGravity();
    virtual int FullBright();

  protected:
    // A kind with its own name and picture.
    Piece(const Text& name, const Ref<TImage>& image);
};

// Whether the piece is of the given kind (or derives from it).
template <class Kind>
bool IsKind(const Piece* piece) {
    return dynamic_cast<const Kind*>(piece) != nullptr;
}
template <class Kind>
bool IsKind(const Ref<Piece>& piece) {
    return dynamic_cast<const Kind*>(piece.get()) != nullptr;
}

} // namespace wispwood
