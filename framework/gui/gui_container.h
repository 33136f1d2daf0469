#pragma once
// guiContainer: a scene's widgets. A scene owns one root container; a
// container owns its gadgets (in creation order), an optional active child
// container (a dialog on top, which blocks this container's gadgets), the
// child containers still fading out, and a particle layer for the hover
// sparkles. Containers fade in when created and fade out when destroyed.
#include "engine/core/tlist.h"
#include "framework/gui/gui_gadget.h"
#include "framework/particles/particle.h"
#include <memory>

namespace wispwood {

class LayoutElement;
class guiAreYouSure;
class guiDarkenScreen;
class guiFrame;
class guiSelectable;
class guiSlider;
class guiTextHeading;
class guiTextInput;

class guiContainer : public std::enable_shared_from_this<guiContainer> {
  public:
    int Creating = 0;          // fading in
    int Destroying = 0;        // fading out
    float FadeProgress = 1.0f; // 0 invisible, 1 fully shown
    // The left button has been seen up since the container appeared (the
    // hover burst waits for it, so a dialog opened by a click does not
    // burst under the pointer).
    int HadMouseUp = 0;
    int Removed = 0;     // faded out and torn down
    int DrawBacking = 0; // a dialog with a backing darkens the screen behind it
    Ref<ParticleGroup> ParticleLayer = std::make_shared<ParticleGroup>();
    std::weak_ptr<guiContainer> Parent;
    Ref<guiContainer> Child; // the active dialog
    TList<Ref<guiContainer>> DestroyingChildren;
    TList<Ref<guiGadget>> Gadgets;
    int Disable = 0; // no updates, no drawing
    // Root containers choose the pointer: the arrow each update when
    // CaptureMouseOver is set, the hand throughout when ForcePointerOver.
    int CaptureMouseOver = 1;
    int ForcePointerOver = 0;
    Ref<LayoutElement> Layout;
    // Where the keyboard and pad cursor starts in this container when it
    // opens (framework/navigation); none: its first gadget with a picture.
    std::weak_ptr<guiGadget> NavStart;

    virtual ~guiContainer() = default;

    // Keeps the layout and places the gadgets by it.
    virtual void SetLayout(const Ref<LayoutElement>& layout);
    virtual void DoLayout();
    virtual void Update();
    // The dialog on top: the innermost open child, or this container.
    guiContainer& TopDialog();
    virtual int HasActiveChildren();
    virtual int HasInactiveChildren();
    // Starts fading out; the container is torn down when the fade ends.
    virtual void Destroy();
    // Tears down at once: detaches from the parent, marks every gadget
    // removed, and does the same for its own dialogs.
    virtual void _Destroy();
    // This container's own gadgets and sparkles...
    virtual void RenderFirst();
    // ... and then its dialogs.
    virtual void RenderRest();
    virtual void Render(int skipChildren = 0);
    virtual float Alpha();

    // A dialog on top of this container, fading in and darkening the screen
    // behind it; null while another dialog is open here or this container
    // is going away.
    virtual Ref<guiContainer> AddContainer();
    virtual Ref<guiGadget> AddButton(float x, float y, const Ref<TImage>& image,
                                     const Ref<TImage>& overImage = nullptr);
    virtual Ref<guiGadget> AddClickableArea(float x, float y, int w, int h);
    virtual Ref<guiTextHeading> AddText(float x, float y, const Text& text);
    // A picture that does not react to the mouse.
    virtual Ref<guiGadget> AddStatic(float x, float y, const Ref<TImage>& image);
    virtual Ref<guiTextInput> AddTextBox(float x, float y, const Ref<TImage>& image);
    // A track with a knob at (knobX, knobY) from the gadget's corner at value
    // 0, moving trackLength pixels to the right at value 1.
    virtual Ref<guiSlider> AddSlider(float x, float y, const Ref<TImage>& track, const Ref<TImage>& knob,
                                     int knobX, int knobY, int trackLength);
    // The first selectable of its group in this container starts selected.
    virtual Ref<guiSelectable> AddSelectable(float x, float y, const Ref<TImage>& image,
                                             const Ref<TImage>& overlay, int group, int drawOverlay);
    virtual Ref<guiDarkenScreen> AddDarkenScreen();
    virtual Ref<guiFrame> AddFrame(float x, float y, int w, int h, const Ref<TImage>& corner,
                                   const Ref<TImage>& border, const Ref<TImage>& block);
    // A confirmation dialog: kind 1 asks yes or no, kind 2 shows an ok
    // button. Null when a dialog is already open here.
    virtual Ref<guiAreYouSure> AreYouSure(int kind);

    // The first clickable gadget under the mouse that is not left out of
    // the queries, in creation order; null when none.
    virtual Ref<guiGadget> guiOver();
    // The same for the topmost open dialog, counting active gadgets only.
    virtual Ref<guiGadget> guiOverActive();

    // Adds a gadget made elsewhere: it joins the list and takes the shared
    // click and hover sounds.
    void AddGadget(const Ref<guiGadget>& gadget);
    bool IsRoot() const { return Parent.expired(); }

  private:
    void RenderGadgets();
    Ref<guiGadget> FirstUnderMouse(bool activeOnly);
    // A new gadget of the kind at (x, y) with the picture, added.
    template <class T>
    Ref<T> Place(float x, float y, const Ref<TImage>& image) {
        auto g = New<T>();
        g->x = x;
        g->y = y;
        g->Image = image;
        AddGadget(g);
        return g;
    }
};

} // namespace wispwood
