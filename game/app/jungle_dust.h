#pragma once
// The dust motes of the title screen: specks drifting in the slanted band
// between its two swinging light beams, seen only while a beam is on them.
#include "engine/core/ref.h"
#include "engine/core/tlist.h"

namespace wispwood {

class TImage;

class JungleDust {
  public:
    float x = 0, y = 0;
    float Speed = 0;
    int DirX = 0, DirY = 0; // 1 right / down, 0 left / up
    int ReEvaluate = 0;     // updates until DirY is drawn again
    float BaseAlpha = 0;

    JungleDust();
    virtual ~JungleDust() = default;
    virtual void Update();
    virtual void Render();
    // The light of the brighter beam at the mote.
    virtual float Alpha();
    // The light of one beam, the band between the lines a and b, at (px, py):
    // fading with depth to nothing at length and softly over 10 pixels at
    // the band's sides.
    virtual float DoAlpha(float ax1, float ay1, float ax2, float ay2, float bx1, float by1, float bx2,
                          float by2, float length, float px, float py);

    // A new mote somewhere in the band, added to DustMotes.
    static Ref<JungleDust> Create();
    static void UpdateAll();
    static void RenderAll();
};

extern TList<Ref<JungleDust>> DustMotes;
extern Ref<TImage> DustImage;
// The beams as the title screen last placed them (x and rotation in degrees).
extern float Beam1X, Beam2X, Beam1Angle, Beam2Angle;

// No motes, no picture, beams at rest (start-up state).
void ResetJungleDust();

} // namespace wispwood
