#pragma once
// The test card: every feature of the drawing service in one 800 x 600
// picture, with labels saying what each part should look like.
#include "engine/draw/image.h"

namespace wispwood::testcard {

class TestCard {
  public:
    // Loads (paints) the pictures; needs an open display.
    TestCard();
    // Draws the whole card; frame counts up and animates the turning parts.
    void Draw(int frame, float framesPerSecond);

  private:
    void DrawBackground();
    void DrawBlendPanels();
    void DrawTransforms(int frame);
    void DrawBrightening();
    void DrawClipping(int frame);
    void DrawPointer();

    Ref<TImage> arrow_;
    Ref<TImage> disc_;
    Ref<TImage> panel_;
    Ref<TImage> poster_; // larger than one texture
};

} // namespace wispwood::testcard
