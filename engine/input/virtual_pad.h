#pragma once
// A game controller the platform believes is plugged in: a script presses
// its buttons and leans its stick, and the game receives the platform's own
// controller events, hot-plugging included. Pad play is tested through the
// same path a real pad takes.
namespace wispwood {

class VirtualPad {
  public:
    // The pad's buttons and axes, numbered as the platform's game
    // controller numbers them.
    enum Button {
        A = 0,
        B = 1,
        X = 2,
        Back = 4,
        Start = 6,
        LeftShoulder = 9,
        Up = 11,
        Down = 12,
        Left = 13,
        Right = 14
    };
    enum Axis { LeftX = 0, LeftY = 1 };

    VirtualPad() = default;
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    // False when the platform cannot make one.
    bool PlugIn();
    void Unplug();
    bool PluggedIn() const { return index_ >= 0; }
    void Hold(Button button);
    void Release(Button button);
    void Lean(Axis axis, int value);
    // The platform's own message that the pad is gone, without the pad
    // letting go of anything first (a cable pulled mid-press).
    void SendRemoved();

  private:
    void* joystick_ = nullptr;
    int index_ = -1;
};

} // namespace wispwood
