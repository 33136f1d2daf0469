#pragma once
// The staged lesson about a pair of groups: an arrow shows group A until
// the player selects it, then a second arrow shows group B until it is
// cleared. Only the group being shown may be clicked.
#include "game/board/board.h"
#include "game/board/pointy_arrow.h"
#include "game/board/tutorial_object.h"

namespace wispwood {

enum LessonStage { LessonSearching = 0, LessonGroupA = 1, LessonGroupB = 2, LessonFinished = 3 };

// Updates a lesson may search for its groups before it gives up (3 s).
constexpr int kLessonSearchPatience = 300;

class TutorialObjectBase : public TutorialObject {
  public:
    TutorialObjectBase();

    int Stage = LessonSearching;
    int SearchTicks = 0; // updates spent looking for the lesson's groups
    int Initialised = 0;
    PieceGroup GroupA, GroupB;
    Ref<Piece> PieceTargetA, PieceTargetB; // the last piece of each group
    Ref<PointyArrow> ArrowA, ArrowB;

    void Update() override;
    void Render() override;
    int PlayerClickDisallow(const Ref<Piece>& piece) override;
    // Takes the two groups of a pair and their last pieces. False, with
    // nothing taken, unless both groups hold pieces: the lesson then stays
    // in its search and tries again next update.
    bool GetGroup(const std::vector<PieceGroup>& pair);

  protected:
    // Points the arrows at the centres of the groups.
    void ArrowsAtGroupCentres();

  private:
    int AllowedFor(const Ref<Piece>& piece) const;
    void ShowGroupA();
    void ShowGroupB();
};

// The centre of a group's cells on screen ((0, 0) shifted onto the screen
// for an empty group).
void GroupCentre(const PieceGroup& group, float& x, float& y);
// The centre of a piece's cell on screen.
void CellCentre(Piece& piece, float& x, float& y);

} // namespace wispwood
