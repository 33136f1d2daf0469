#pragma once
// The lesson about the level clock: an arrow points at the clock until the
// player clicks after a while, or a long while has passed. It never holds
// the player back.
#include "game/board/staged_lesson.h"

namespace wispwood {

class TutorialObjectTime : public TutorialObjectBase {
  public:
    float t = 0; // updates since the lesson started

    void InitGroups() override;
    void Update() override;
    int PlayerClickDisallow(const Ref<Piece>&) override { return 0; }
};

} // namespace wispwood
