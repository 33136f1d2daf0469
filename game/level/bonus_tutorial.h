#pragma once
// The lesson of the first bonus game: a panel that fades with the bonus
// display and changes its text as the game goes on. No arrows, and every
// click is allowed.
#include "game/board/tutorial_object.h"

namespace wispwood {

class TutorialObjectBonus : public TutorialObject {
  public:
    void Update() override;
    int FadeIn() override { return 1; }
    float FadeInAlpha() override;
    float y() override { return 15; }
    void Render() override;
    // The fairies have been hidden: what to do next.
    virtual void SwapText();
    // Every fairy found without a mistake.
    virtual void SwapTextGreat();
};

// Asked on every update of the bonus game's start-up; starts the lesson
// once, while hints are on and no other lesson runs.
void StartBonusTutorial();
// Every running bonus lesson swaps to its second text.
void SwapBonusTutorialText();
// Every running bonus lesson swaps to its closing text.
void SwapBonusTutorialTextGreat();

} // namespace wispwood
