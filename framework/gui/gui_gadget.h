#pragma once
// guiGadget: one widget of a guiContainer. It hit-tests itself against the
// game mouse of the input snapshot, glows and sparkles while hovered,
// reports clicks for the update in which they happen (mhit, rmhit), fades
// its colour when activated or deactivated and draws an optional label.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include <memory>

namespace wispwood {

class TImage;
class Font;
class Sound;
class guiContainer;

class guiGadget : public std::enable_shared_from_this<guiGadget> {
  public:
    int IgnoreOver = 0; // left out of the under-the-mouse queries
    Text LayoutName;    // the layout element that positions the gadget

    // The label. With DrawnTextCentered 0 it is centred on the gadget;
    // otherwise DrawnTextCentered is the font alignment and the label is
    // anchored at the gadget's top-left corner plus the extra offsets.
    int DrawnTextCentered = 0;
    Ref<Font> DrawnTextFont; // null: the current font
    int DrawnTextNewLinesTransition = 0;
    TextArray DrawnTextNewLines; // lines waiting to replace DrawnTextLines
    TextArray DrawnTextLines;    // when not empty, drawn instead of DrawnText
    Text DrawnText;
    float DrawnTextScale = 0.9f;
    float DrawnTextExtraX = 0;
    float DrawnTextExtraY = 0;
    int DrawnTextScaleIn = 0; // characters pop in one after another
    int DrawnTextScaleInDelay = 0;

    float x = 0; // top-left
    float y = 0;
    float _x = 0;
    float _y = 0;
    int width = 0; // the size when there is no image
    int height = 0;
    Ref<TImage> Image;
    Ref<TImage> MouseOver; // drawn instead of Image while hovered
    int disablemouse = 0;
    int mhit = 0;             // left-clicked this update
    int rmhit = 0;            // right-clicked this update
    int mover = 0;            // under the mouse this update
    float moverduration = 0;  // hover glow, 0 to 0.3
    int active = 1;           // inactive gadgets are greyed and ignore the mouse
    int activeprogress = 999; // the colour fade runs while below 80
    int hidden = 0;
    int level = 0;
    int Removed = 0;
    float OverallAlpha = 1.0f;
    int UpdateRegardless = 0;
    int LastMouseOver = 0;
    float scale = 1.0f; // drawn scaled about the centre
    float userticks = 0;
    int ticks = 0; // updates since creation or the last change of the label
    int Clickable = 1;
    std::weak_ptr<guiContainer> parent;
    // When set, x and y follow the tunables GrabText + "x" and + "y".
    Text GrabText;
    Ref<Sound> OverSound;
    Ref<Sound> HitSound;
    int DisableMouseOverEffect = 0;
    int DoneMouseOverParticles = 0;
    float MouseOverEffectOffsetY = 0;
    float MouseOverEffectScale = 1.0f;

    virtual ~guiGadget() = default;

    virtual void AssignMouseClickSound(const Ref<Sound>& sound);
    virtual void AssignMouseOverSound(const Ref<Sound>& sound);
    virtual void StripSounds();
    // blocked: a dialog above, or the container fading out.
    virtual void Update(int blocked);
    virtual void UpdateMouseOverParticles();
    // The hover glow, drawn beneath every clickable gadget.
    virtual void PreRender();
    virtual void Render();
    virtual void Activate();
    virtual void Deactivate();
    // The lines replace the current ones after a short pause.
    virtual void ChangeDrawnTextLines(const TextArray& lines);
    // The size used for hit tests, layout and drawing: the image's, else
    // width and height.
    virtual float GetWidtH();
    virtual float GetHeight();

    // Under the game mouse, and not behind a running screen transition.
    int MouseIsOver();
    Ref<guiContainer> Parent() const { return parent.lock(); }

  protected:
    // The image at the current colour, alpha and hover scale, centred on
    // the gadget, times grow and lowered by offsetY.
    void RenderImage(const Ref<TImage>& image, float grow = 1, float offsetY = 0);
    void RenderText();
    // The colour level of the activation fade, 0.6 to 1 of 255.
    int ActivationGrey() const;
    // The drawing scale: scale, grown a little by the hover glow.
    float HoverScale() const;
    // The label's font: DrawnTextFont, else the current font.
    Ref<Font> LabelFont() const;
    // The image alpha-blended at the activation grey, scaled by c about its
    // centre, which lands on (cx, cy).
    void DrawGreyed(const Ref<TImage>& image, float cx, float cy, float c, float alpha) const;

  private:
    void AddSparkle(float strength);
    Text lastDrawnText_;
};

} // namespace wispwood
