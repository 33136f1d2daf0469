#pragma once
// A lesson: a framed panel of text above the board, with a heading, that
// may hold the player to certain pieces while it runs. Subclasses add the
// arrows and decide when the lesson is over.
#include "engine/core/ref.h"
#include "engine/core/text.h"

namespace wispwood {

class guiContainer;
class guiGadget;
class guiTextHeading;
class Piece;

class TutorialObject : public std::enable_shared_from_this<TutorialObject> {
  public:
    virtual ~TutorialObject() = default;

    Text txt; // "POWERUP" for the lessons about special pieces
    // The blocks of lines the panel can show; block 0 first.
    std::vector<TextArray> TextBoxText;
    Ref<guiContainer> Container;
    Ref<guiGadget> Backing; // the frame, which also draws the current block
    Ref<guiTextHeading> Heading;
    Text HeadingText;

    // Builds the panel and lays it out once.
    virtual void Init();
    // The panel's layout; subclasses run it first in their own update.
    virtual void Update();
    // 1 when the panel follows FadeInAlpha.
    virtual int FadeIn() { return 0; }
    virtual float FadeInAlpha() { return 1.0f; }
    // The panel's top-left corner: centred over the board.
    virtual float x();
    virtual float y() { return 30; }
    virtual void Render() {}
    // 1 when the lesson keeps the player off the piece; with null, off
    // whatever is under the mouse.
    virtual int PlayerClickDisallow(const Ref<Piece>& piece);
    virtual void InitGroups() {}

  protected:
    // Block i of the texts, or no lines when there is no such block.
    TextArray Block(size_t i) const;
    // Takes this lesson out of the running list.
    void RemoveSelf();
};

// The texts of a lesson from its section of the text table: the heading
// and the blocks of lines under the given keys.
void FillLessonTexts(TutorialObject& lesson, const Text& section, const TextArray& keys);

} // namespace wispwood
