#include "framework/navigation/nav_cursor.h"
#include "engine/input/key_codes.h"
#include "framework/gui/gui_container.h"
#include "framework/gui/gui_slider.h"
#include "framework/gui/gui_text_input.h"
#include "framework/navigation/nav_choice.h"
#include "framework/navigation/nav_frame.h"
#include "framework/navigation/nav_keys.h"
#include "framework/navigation/nav_target.h"
#include "framework/scene/frame_loop.h"
#include "framework/scene/game_loop.h"
#include "framework/scene/global_keys.h"
#include "framework/scene/input_snapshot.h"
#include "framework/scene/scene_stack.h"
#include <algorithm>
#include <memory>
#include <vector>

namespace wispwood {

namespace {

// Targets the cursor stood on, most recent first: closing a dialog brings
// it back to the widget that opened it, ending a pause to the group it was
// on.
constexpr size_t kRemembered = 8;

struct NavState {
    bool shown = false;
    // The scene whose targets these are: a new scene starts afresh.
    std::weak_ptr<GameLoop> scene;
    bool everStood = false;
    // The player chose where the cursor stands (moved, selected or
    // pointed); until then it follows the screen's start, or a stopgap
    // while the screen names none (see ChooseAgain).
    bool settled = false;
    // This update's targets and the one the cursor is on (-1: none).
    NavTargets targets;
    int current = -1;
    // The target's object, kept weakly: a widget or piece that goes away
    // is never mistaken for a new one made in its place.
    std::weak_ptr<void> key;
    // The container of the target when it is a widget.
    std::weak_ptr<guiContainer> holder;
    bool onWidget = false;
    float x = 0, y = 0; // the pointer's place on the target
    std::vector<std::weak_ptr<void>> remembered;
    NavKeyReader keys;
    bool mouseSeen = false;
    int mouseX = 0, mouseY = 0; // where the mouse itself was last seen
    NavFrame frame;
};

NavState& Nav() {
    static NavState state;
    return state;
}

const NavTarget* Current() {
    NavState& s = Nav();
    return s.current >= 0 ? &s.targets.Items[s.current] : nullptr;
}

void Remember(const std::shared_ptr<void>& key) {
    auto& list = Nav().remembered;
    if (!key) return;
    list.erase(std::remove_if(list.begin(), list.end(),
                              [&](const std::weak_ptr<void>& w) { return w.expired() || w.lock() == key; }),
               list.end());
    list.insert(list.begin(), key);
    if (list.size() > kRemembered) list.resize(kRemembered);
}

void StandOn(int index) {
    NavState& s = Nav();
    std::shared_ptr<void> old = s.key.lock();
    s.current = index;
    if (index < 0) return;
    const NavTarget& t = s.targets.Items[index];
    // A stopgap is not a place to come back to.
    if (old && old != t.key && s.settled) Remember(old);
    s.everStood = true;
    s.key = t.key;
    s.onWidget = t.gadget != nullptr;
    s.holder = t.gadget ? t.gadget->parent : std::weak_ptr<guiContainer>();
    s.x = t.px;
    s.y = t.py;
}

// Where the cursor goes when its target is gone or it is shown again, and
// whether that is a place the player chose (settled). Until they choose one
// by moving, selecting or pointing, the cursor follows the screen's start
// as it changes (a lesson names its group once it has found it), or a
// stopgap while the screen names none (its buttons still sliding in, its
// board still filling).
int ChooseAgain(bool fromMouse, bool& settled) {
    NavState& s = Nav();
    const std::vector<NavTarget>& items = s.targets.Items;
    settled = true;
    if (items.empty()) return -1;
    if (fromMouse) {
        for (int i = 0; i < static_cast<int>(items.size()); ++i)
            if (items[i].Contains(static_cast<float>(s.mouseX), static_cast<float>(s.mouseY))) return i;
    }
    if (s.settled)
        if (int i = s.targets.Find(s.key.lock().get()); i >= 0) return i;
    for (const auto& w : s.remembered)
        if (auto key = w.lock())
            if (int i = s.targets.Find(key.get()); i >= 0) return i;
    // The same kind of place as the one that went: a group on the board
    // that burst gives way to the nearest group, a deleted name to the
    // nearest widget of its dialog.
    if (s.settled && s.everStood) {
        Ref<guiContainer> holder = s.holder.lock();
        int near = NearestTarget(items, s.x, s.y, [&](const NavTarget& t) {
            return s.onWidget ? t.gadget && holder && t.gadget->Parent() == holder : !t.gadget;
        });
        if (near >= 0) return near;
    }
    settled = false;
    if (int i = s.targets.Find(s.targets.Start.get()); i >= 0) return i;
    for (int i = 0; i < static_cast<int>(items.size()); ++i)
        if (items[i].gadget && items[i].gadget->Image) return i;
    return 0;
}

void StandAgain(bool fromMouse) {
    NavState& s = Nav();
    bool settled = false;
    int index = ChooseAgain(fromMouse, settled);
    StandOn(index);
    s.settled = settled;
}

// The mouse moved or clicked: the player is using it.
bool MouseUsed() {
    NavState& s = Nav();
    bool moved = s.mouseSeen && (SnapshotMouseX != s.mouseX || SnapshotMouseY != s.mouseY);
    s.mouseSeen = true;
    s.mouseX = SnapshotMouseX;
    s.mouseY = SnapshotMouseY;
    for (int b = 1; b < kSnapshotButtons; ++b)
        if (SnapshotMouseHits[b]) return true;
    return moved;
}

void Hide() {
    NavState& s = Nav();
    s.shown = false;
    ReleasePointer();
}

// A new scene: what the cursor stood on and remembers belongs to the old
// one. Whether it is shown carries over, as the player's choice of input.
void EnterScene(const Ref<GameLoop>& top) {
    NavState& s = Nav();
    if (s.scene.lock() == top) return;
    s.scene = top;
    s.key.reset();
    s.holder.reset();
    s.onWidget = false;
    s.everStood = false;
    s.settled = false;
    s.remembered.clear();
    s.keys.Reset();
}

// Arrows on a slider move its knob; on a text box they type.
bool ArrowsHandledByTarget(const NavCommands& c) {
    const NavTarget* t = Current();
    if (!t || !t->gadget) return false;
    if (auto slider = std::dynamic_pointer_cast<guiSlider>(t->gadget); slider && c.dx != 0 && c.dy == 0) {
        slider->StepByKeys(c.dx);
        return true;
    }
    if (auto box = std::dynamic_pointer_cast<guiTextInput>(t->gadget)) {
        box->EditByArrows(c.dx, c.dy);
        return true;
    }
    return false;
}

bool OnTextBox() {
    const NavTarget* t = Current();
    return t && std::dynamic_pointer_cast<guiTextInput>(t->gadget) != nullptr;
}

void Select(const NavCommands& c) {
    if (!Current()) return;
    if (c.select || c.erase) Nav().settled = true;
    // Return on a text box confirms what was typed, as its dialog decides.
    if (c.select && !OnTextBox()) {
        ForceMouseClicks(1);
        ConsumeKeyPress(KeyReturn, KeyReturn);
        ConsumeKeyPress(KeySpace, ' ');
    }
    if (c.erase) {
        ForceMouseClicks(2);
        ConsumeKeyPress(KeyBackspace, KeyBackspace);
    }
}

} // namespace

void UpdateNavigation() {
    NavState& s = Nav();
    if (MouseUsed() && s.shown) Hide();
    Ref<GameLoop> top = TopScene();
    EnterScene(top);
    NavCommands c = s.keys.Read(TextBoxTyping() != 0);

    s.targets = NavTargets();
    s.current = -1;
    // A hidden cursor costs nothing until an arrow asks for it (the mouse
    // player and the self-playing mode never do).
    if (!s.shown && !c.Moves()) return;
    if (top) top->NavigationTargets(s.targets);
    if (!s.shown) {
        // The first arrow only brings the cursor back, on what the mouse
        // points at or where it was; Return and Space keep their own use.
        if (s.targets.Empty()) return;
        s.shown = true;
        StandAgain(true);
        s.frame.Snap(Current());
    } else {
        StandAgain(false);
        if (c.Moves() && !ArrowsHandledByTarget(c)) {
            int next = ChooseInDirection(s.targets.Items, s.current, static_cast<float>(c.dx),
                                         static_cast<float>(c.dy));
            if (next >= 0) StandOn(next);
            s.settled = true;
        }
        Select(c);
    }
    // With nothing to stand on the pointer stays where the cursor was, so
    // the mouse's old place does not come back to life.
    PlacePointer(static_cast<int>(s.x), static_cast<int>(s.y));
    s.frame.Follow(Current());
}

void InstallNavigation() {
    FrameUpcalls.Navigate = UpdateNavigation;
}

int NavigationCursorShown() {
    return Nav().shown ? 1 : 0;
}

const NavTarget* NavigationTarget() {
    return Nav().shown ? Current() : nullptr;
}

void DrawNavigationCursor() {
    NavState& s = Nav();
    if (!s.shown) return;
    const NavTarget* t = Current();
    auto box = t ? std::dynamic_pointer_cast<guiTextInput>(t->gadget) : nullptr;
    s.frame.Draw(box ? box->ArrowHint : Text());
}

void LoadNavigationImages() {
    LoadNavFrameImages();
}

NavigationCarry CarriedNavigation() {
    const NavState& s = Nav();
    return {s.shown, static_cast<int>(s.x), static_cast<int>(s.y), s.mouseSeen, s.mouseX, s.mouseY};
}

void CarryNavigation(const NavigationCarry& carry) {
    NavState& s = Nav();
    s.shown = carry.Shown;
    s.x = static_cast<float>(carry.X);
    s.y = static_cast<float>(carry.Y);
    s.mouseSeen = carry.MouseSeen;
    s.mouseX = carry.MouseX;
    s.mouseY = carry.MouseY;
    if (s.shown)
        PlacePointer(carry.X, carry.Y);
    else
        ReleasePointer();
}

void ResetNavigation() {
    Nav() = NavState();
    ResetNavFrameImages();
}

} // namespace wispwood
