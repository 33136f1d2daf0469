#pragma once
// A one-line text box typed into from the keyboard: digits, letters and
// spaces only, capitalised at the start of each word, as wide as its
// picture allows.
#include "framework/gui/gui_gadget.h"

namespace wispwood {

// 1 while a text box takes typing: one did in this update or the one
// before (keys handled ahead of the scenes see the previous update's boxes).
int TextBoxTyping();
void ResetTextBoxTyping();

class guiTextInput : public guiGadget {
  public:
    wispwood::Text Text;
    int MaxTextWidth = 0; // at scale 1; 0 or less: the picture's width - 20
    // Shown under the box while the keyboard and pad cursor is on it.
    wispwood::Text ArrowHint;

    void Update(int blocked) override;
    void Render() override;

    // The typed character for the key code, or 0 for a key that types
    // nothing here.
    static int KeyCharacter(int key);
    // Applies one typed character with the capitalisation and space rules.
    void TypeCharacter(int character);
    // Drops characters from the end until the text fits.
    void FitText();
    // Typing with the arrows alone, as a pad must: Up and Down turn the
    // last character through the letters, the digits and space, Right adds
    // a letter and Left takes the last one away.
    void EditByArrows(int dx, int dy);
    float TextLimit();
};

} // namespace wispwood
