#include "framework/gui/gui_container.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "framework/draw_state/draw_state.h"
#include "framework/gui/gui_are_you_sure.h"
#include "framework/gui/gui_darken_screen.h"
#include "framework/gui/gui_frame.h"
#include "framework/gui/gui_resources.h"
#include "framework/gui/gui_selectable.h"
#include "framework/gui/gui_slider.h"
#include "framework/gui/gui_text_heading.h"
#include "framework/gui/gui_text_input.h"
#include "framework/gui/pointer.h"
#include "framework/layout/apply_layout.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace wispwood {

namespace {

constexpr float kFadeOutStep = 0.1f;
constexpr float kFadeInStep = 0.06f;
constexpr float kBackingDarkness = 0.6f;

} // namespace

void guiContainer::SetLayout(const Ref<LayoutElement>& layout) {
    Layout = layout;
    DoLayout();
}

void guiContainer::DoLayout() {
    if (Layout) ApplyLayout(*this, Layout);
}

void guiContainer::Update() {
    if (Removed) return;
    bool root = IsRoot();
    if (root) {
        if (CaptureMouseOver) SetPointerHand(0);
        if (ForcePointerOver) SetPointerHand(1);
    }
    if (Disable) return;
    if (!GameMouseDown(1)) HadMouseUp = 1;
    if (root) MouseTaken = TransitionObscures(GameMouseX(), GameMouseY()) ? 1 : 0;

    if (Destroying) {
        FadeProgress = std::max(0.0f, FadeProgress - kFadeOutStep);
        if (FadeProgress < 0.001f) {
            _Destroy();
            return;
        }
    } else if (Creating) {
        FadeProgress = std::min(1.0f, FadeProgress + kFadeInStep);
    }

    ParticleLayer->Update();
    // Decided before the dialog runs, so the click that closes it does not
    // also reach a gadget underneath.
    int blocked = Destroying || Child ? 1 : 0;
    // A dialog that starts fading out during its own update has had its
    // update for this step.
    std::vector<Ref<guiContainer>> fading;
    for (const auto& c : DestroyingChildren) fading.push_back(c);
    if (Child) Child->Update();
    for (const auto& c : fading) c->Update();
    for (const auto& gadget : Gadgets) {
        if (gadget->Removed) {
            Gadgets.Remove(gadget);
            continue;
        }
        gadget->Update(blocked);
    }
}

int guiContainer::HasActiveChildren() {
    return Child ? 1 : 0;
}

int guiContainer::HasInactiveChildren() {
    return DestroyingChildren.IsEmpty() ? 0 : 1;
}

void guiContainer::Destroy() {
    if (Destroying || Removed) return;
    Destroying = 1;
    Creating = 0;
    if (auto parent = Parent.lock()) {
        if (parent->Child.get() == this) parent->Child = nullptr;
        if (!parent->DestroyingChildren.Contains(shared_from_this()))
            parent->DestroyingChildren.AddLast(shared_from_this());
    }
}

void guiContainer::_Destroy() {
    if (Removed) return;
    Removed = 1;
    Ref<guiContainer> self = shared_from_this(); // alive while the parent lets go
    if (auto parent = Parent.lock()) {
        if (parent->Child == self) parent->Child = nullptr;
        parent->DestroyingChildren.Remove(self);
    }
    if (Child) Child->_Destroy();
    for (const auto& c : DestroyingChildren) c->_Destroy();
    for (const auto& gadget : Gadgets) gadget->Removed = 1;
}

float guiContainer::Alpha() {
    float f = std::clamp(FadeProgress, 0.0f, 1.0f);
    return Destroying ? 1.0f - std::sqrt(1.0f - f) : std::sqrt(f);
}

void guiContainer::RenderGadgets() {
    for (const auto& gadget : Gadgets)
        if (!gadget->Clickable && !gadget->hidden && !gadget->Removed) gadget->Render();
    ParticleLayer->Render();
    for (const auto& gadget : Gadgets)
        if (gadget->Clickable && !gadget->hidden && !gadget->Removed) gadget->PreRender();
    for (const auto& gadget : Gadgets)
        if (gadget->Clickable && !gadget->hidden && !gadget->Removed) gadget->Render();
}

void guiContainer::Render(int skipChildren) {
    if (Disable || Removed) return;
    float alpha = Alpha();
    if (!IsRoot() && DrawBacking)
        DarkenRect(0, 0, static_cast<float>(DrawAreaWidth()), static_cast<float>(DrawAreaHeight()),
                   kBackingDarkness * alpha);
    bool faded = alpha != 1.0f;
    if (faded) {
        TDrawState::Push();
        TDrawState::PushAlpha(alpha);
    }
    RenderGadgets();
    if (!skipChildren) RenderRest();
    if (faded) TDrawState::Pop();
}

void guiContainer::RenderFirst() {
    Render(1);
}

void guiContainer::RenderRest() {
    if (Disable || Removed) return;
    if (Child) Child->Render(0);
    for (const auto& c : DestroyingChildren) c->Render(0);
}

void guiContainer::AddGadget(const Ref<guiGadget>& gadget) {
    gadget->parent = weak_from_this();
    gadget->AssignMouseClickSound(GuiHitSound);
    gadget->AssignMouseOverSound(GuiOverSound);
    Gadgets.AddLast(gadget);
}

Ref<guiContainer> guiContainer::AddContainer() {
    if (Child || Destroying || Removed) return nullptr;
    auto c = New<guiContainer>();
    c->Parent = weak_from_this();
    c->Creating = 1;
    c->FadeProgress = 0;
    c->DrawBacking = 1;
    Child = c;
    return c;
}

Ref<guiGadget> guiContainer::AddButton(float x, float y, const Ref<TImage>& image,
                                       const Ref<TImage>& overImage) {
    auto g = Place<guiGadget>(x, y, image);
    g->MouseOver = overImage;
    return g;
}

Ref<guiGadget> guiContainer::AddClickableArea(float x, float y, int w, int h) {
    auto g = Place<guiGadget>(x, y, nullptr);
    g->width = w;
    g->height = h;
    return g;
}

Ref<guiTextHeading> guiContainer::AddText(float x, float y, const Text& text) {
    auto g = Place<guiTextHeading>(x, y, nullptr);
    g->DrawnText = text;
    return g;
}

Ref<guiGadget> guiContainer::AddStatic(float x, float y, const Ref<TImage>& image) {
    auto g = Place<guiGadget>(x, y, image);
    g->Clickable = 0;
    return g;
}

Ref<guiTextInput> guiContainer::AddTextBox(float x, float y, const Ref<TImage>& image) {
    return Place<guiTextInput>(x, y, image);
}

Ref<guiSlider> guiContainer::AddSlider(float x, float y, const Ref<TImage>& track, const Ref<TImage>& knob,
                                       int knobX, int knobY, int trackLength) {
    auto g = Place<guiSlider>(x, y, track);
    g->ChildImage = knob;
    g->ChildX = knobX;
    g->ChildY = knobY;
    g->SliderWidth = trackLength;
    return g;
}

Ref<guiSelectable> guiContainer::AddSelectable(float x, float y, const Ref<TImage>& image,
                                               const Ref<TImage>& overlay, int group, int drawOverlay) {
    bool groupTaken = false;
    for (const auto& gadget : Gadgets) {
        auto other = std::dynamic_pointer_cast<guiSelectable>(gadget);
        if (other && other->Group == group) groupTaken = true;
    }
    auto g = Place<guiSelectable>(x, y, image);
    g->Overlay = overlay;
    g->Group = group;
    g->DrawOverlay = drawOverlay;
    if (!groupTaken) g->SelectItem(1);
    return g;
}

Ref<guiDarkenScreen> guiContainer::AddDarkenScreen() {
    return Place<guiDarkenScreen>(0, 0, nullptr);
}

Ref<guiFrame> guiContainer::AddFrame(float x, float y, int w, int h, const Ref<TImage>& corner,
                                     const Ref<TImage>& border, const Ref<TImage>& block) {
    auto g = Place<guiFrame>(x, y, nullptr);
    g->width = w;
    g->height = h;
    g->Corner = corner;
    g->Border = border;
    g->Block = block;
    return g;
}

Ref<guiAreYouSure> guiContainer::AreYouSure(int kind) {
    auto c = AddContainer();
    if (!c) return nullptr;
    // The dialog darkens the screen itself, more slowly than a plain one.
    c->DrawBacking = 0;
    auto dialog = New<guiAreYouSure>();
    dialog->screendarkening = c->AddDarkenScreen();
    dialog->screendarkening->Alpha = 0;
    const Ref<TImage>& backingImage = GuiContainerBacking;
    float bw = backingImage ? static_cast<float>(backingImage->width) : 0;
    float bh = backingImage ? static_cast<float>(backingImage->height) : 0;
    dialog->basex = std::trunc((static_cast<float>(ScreenWidth) - bw) / 2);
    dialog->basey = std::trunc((static_cast<float>(ScreenHeight) - bh) / 2);
    dialog->backing = c->AddStatic(dialog->basex, dialog->basey, backingImage);
    auto button = [&](const char* text) {
        auto b = c->AddButton(0, 0, GuiButtonEmptySmall);
        b->DrawnText = text;
        return b;
    };
    if (kind == 1) {
        dialog->yes = button("yes");
        dialog->no = button("no");
    } else if (kind == 2) {
        dialog->ok = button("ok");
    }
    // Last, so that it sees this update's clicks on its buttons.
    c->AddGadget(dialog);
    // A stray Select must not confirm what the player did not mean to.
    c->NavStart = dialog->no ? dialog->no : dialog->ok;
    dialog->PlaceButtons();
    return dialog;
}

Ref<guiGadget> guiContainer::FirstUnderMouse(bool activeOnly) {
    for (const auto& gadget : Gadgets)
        if (gadget->Clickable && (gadget->active || !activeOnly) && !gadget->IgnoreOver && !gadget->Removed &&
            gadget->MouseIsOver())
            return gadget;
    return nullptr;
}

Ref<guiGadget> guiContainer::guiOver() {
    return FirstUnderMouse(false);
}

guiContainer& guiContainer::TopDialog() {
    guiContainer* top = this;
    while (top->Child) top = top->Child.get();
    return *top;
}

Ref<guiGadget> guiContainer::guiOverActive() {
    return TopDialog().FirstUnderMouse(true);
}

} // namespace wispwood
