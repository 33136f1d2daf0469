#pragma once
// A scene that runs the board's steps in the game scene's order, without
// the quota, clock and level end around them.
#include "framework/scene/game_loop.h"

namespace wispwood {

class BoardView : public GameLoop {
  public:
    // With autoplay set the view clicks matching pairs by itself, fires a
    // confetti cannon and shows a reward text, for unattended runs.
    explicit BoardView(bool autoplay) : autoplay_(autoplay) {}
    int Init() override;
    int Update() override;
    int Render() override;

    int Updates() const { return updates_; }
    int Matches() const { return matches_; }

  private:
    void Autoplay();
    void Celebrate();

    bool autoplay_;
    int updates_ = 0;
    int matches_ = 0;
    int nextClick_ = 200;
    int clickStage_ = 0;
};

} // namespace wispwood
