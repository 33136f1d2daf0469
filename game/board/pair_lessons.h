#pragma once
// The staged lessons that differ only in how they find their two groups.
// Each keeps searching, update after update, until its pieces are on the
// board.
#include "engine/core/text.h"
#include "game/board/staged_lesson.h"
#include <array>

namespace wispwood {

// The first matching pair of groups of plain pieces.
class TutorialObjectIntro : public TutorialObjectBase {
  public:
    int ReverseGroups = 0; // group B is shown first
    int ReverseAll = 0;    // searched from the bottom, low rows only
    void InitGroups() override;
};

// The pieces at two fixed cells, given as (column, row) one row above the
// cell they are read from.
class TutorialObjectSpecific : public TutorialObjectBase {
  public:
    int ReverseGroups = 0;
    std::array<std::array<int, 2>, 2> coords{};
    void InitGroups() override;
};

// The first two special pieces, or gems, that hang free.
class TutorialObjectPowerup : public TutorialObjectBase {
  public:
    void InitGroups() override;
};

// A low group, then the group whose clearing drops the pieces beneath it.
class TutorialObjectCombo : public TutorialObjectBase {
  public:
    void InitGroups() override;
};

// The two ends of a vine.
class TutorialObjectChains : public TutorialObjectBase {
  public:
    void InitGroups() override;
};

// The lesson about a kind of special piece, with the texts of section
// name + "tutorial".
void StartPowerupTutorial(const Text& name);

} // namespace wispwood
