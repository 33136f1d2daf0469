#pragma once
// A real X session for journeys that drive the built program as a player
// would: a virtual X server on a display of its own, input sent through
// xdotool, and screenshots of the whole screen grabbed with ImageMagick.
#include "engine/draw/pixmap.h"
#include <string>
#include <sys/types.h>
#include <vector>

namespace wispwood::test {

// What a journey needs on PATH, or a message naming what is missing.
std::string MissingXTools();

// A virtual X server, ended with the object.
class VirtualDisplay {
  public:
    VirtualDisplay();
    ~VirtualDisplay();
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;
    bool Ready() const;
    std::string Name() const;

  private:
    int number_ = -1;
    pid_t pid_ = -1;
};

// Mouse, keyboard and screen of one display.
class XPlayer {
  public:
    explicit XPlayer(std::string display);
    void Key(const std::string& key) const;
    void Type(const std::string& text) const;
    void MoveTo(int x, int y) const;
    void Click(int x, int y) const;
    // Presses on (x1, y1), moves to (x2, y2) in steps and lets go there.
    void Drag(int x1, int y1, int x2, int y2) const;
    // The whole screen now, or null when it could not be grabbed.
    Ref<TPixmap> Screenshot() const;

  private:
    void Do(const std::vector<std::string>& args) const;
    std::string display_;
};

// The part of a picture inside a rectangle (clipped to the picture).
Ref<TPixmap> CropPixmap(const Ref<TPixmap>& picture, int x, int y, int width, int height);

void WaitSeconds(double seconds);

} // namespace wispwood::test
