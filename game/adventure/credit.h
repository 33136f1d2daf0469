#pragma once
// One line of the closing credits: its text without the size and picture
// markers, and how large it is drawn.
#include "engine/core/ref.h"
#include "engine/core/text.h"

namespace wispwood {

class Credit {
  public:
    Text txt;
    int Size = 0; // 0 normal, 1 medium heading, 2 large heading
    // The line carried the picture marker; kept for the data, never drawn.
    int DisplayImages = 0;

    virtual ~Credit() = default;

    // A credit from one line of the credits file. "<M>" makes a medium
    // heading, "<L>" a large one, "<I>" marks pictures; the markers may
    // stand anywhere and are not shown.
    static Ref<Credit> Create(const Text& line);
    // The vertical room the line takes; 0 when its font is not loaded.
    virtual float Height();
    // Centred on the screen with y the middle of the line; lines far off
    // the screen are skipped.
    virtual void Render(float y);
};

} // namespace wispwood
