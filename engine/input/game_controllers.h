#pragma once
// Game controllers (pads) play as the keyboard does: the d-pad and the left
// stick press the arrow keys, A presses Return, B and Back press Escape,
// Start presses Pause and X presses Backspace. Everything above the engine
// therefore sees one kind of input, and whatever records keys records pad
// play too. Pads present when the display opens are taken, and so are pads
// plugged in later; a pad pulled out lets go of every key it held.
union SDL_Event;

namespace wispwood {

// The left stick presses its direction once it leans past PressAt and lets
// go only when it comes back within ReleaseAt, so a stick resting near the
// threshold does not chatter.
class StickAxis {
  public:
    static constexpr int PressAt = 16000;
    static constexpr int ReleaseAt = 10000;
    // The direction held after the axis moved to value: -1, 0 or 1.
    int Move(int value);
    int Held() const { return held_; }

  private:
    int held_ = 0;
};

// Starts the platform's controller support (once) and takes every pad
// present. Called when the display opens.
void OpenGameControllers();
// The pads in use.
int GameControllerCount();
// Closes every pad and forgets the keys they held, without key events (the
// polled state is reset with it). The platform's support stays started.
void ResetGameControllers();

// Turns a controller event into key events; false for any other event.
bool TranslateControllerEvent(const SDL_Event& event);

} // namespace wispwood
