#pragma once
// The confirmation dialog: a darkened screen, a backing picture, lines of
// text popping in and "yes" and "no" buttons (or one "ok" button). It lives
// in a container of its own on top of the container that opened it.
#include "framework/gui/gui_gadget.h"

namespace wispwood {

class guiDarkenScreen;
class guiFrame;

class guiAreYouSure : public guiGadget {
  public:
    Ref<guiDarkenScreen> screendarkening;
    Ref<guiGadget> backing;
    Ref<guiFrame> TextBacking; // an optional frame behind the text
    Ref<guiGadget> yes;
    Ref<guiGadget> no;
    Ref<guiGadget> ok;
    int value_ = 0;     // 0 open, 1 yes or ok, 2 no when NoImportant
    float Progress = 0; // how far the screen has darkened, 0 to 1
    int Killing = 0;    // closing
    TextArray Text = {"Are You Sure You Want To Quit?"};
    int TicksTime = 0; // updates since opening
    float DarkTime = 15.0f;
    float ExtraHeight = 0; // moves the buttons further down
    float basex = 0;       // the backing's top-left corner
    float basey = 0;
    int fixedwidth = 0; // lines wider than fixedwidthwidth are shrunk to fit
    int fixedwidthwidth = 0;
    int CanEscape = 1; // Escape answers "no"
    int AutoKill = 0;  // the dialog closes itself once answered
    // "no" answers 2 and leaves the dialog open instead of closing it.
    int NoImportant = 0;

    guiAreYouSure();
    void Update(int blocked) override;
    void Render() override;
    // The buttons.
    void Activate() override;
    void Deactivate() override;
    // Hides the dialog and stops it reacting, at once.
    void Disable();
    // Starts closing the dialog (its container fades out).
    void Destroy();
    int Value() const { return value_; }
    // 1 until it starts closing.
    int Alive() const;

    // The vertical distance between the tops of two text lines.
    float LineStep();
    // The text and the buttons below it are centred in the backing.
    float TextTop();
    float LineWidthLimit();
    void PlaceButtons();
};

} // namespace wispwood
