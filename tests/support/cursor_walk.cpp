#include "tests/support/cursor_walk.h"
#include "engine/input/key_codes.h"
#include "framework/gui/gui_slider.h"
#include "framework/gui/gui_text_input.h"
#include "framework/navigation/nav_choice.h"
#include "framework/navigation/nav_cursor.h"
#include "framework/scene/scene_stack.h"
#include <deque>

namespace wispwood::test {

namespace {

struct Arrow {
    int key, dx, dy;
};
const Arrow kArrows[] = {
    {KeyArrowLeft, -1, 0}, {KeyArrowUp, 0, -1}, {KeyArrowRight, 1, 0}, {KeyArrowDown, 0, 1}};

// On a slider the arrows across move its knob, on a text box every arrow
// types: neither leaves it that way.
bool ArrowLeaves(const NavTarget& t, const Arrow& a) {
    if (std::dynamic_pointer_cast<guiTextInput>(t.gadget)) return false;
    if (std::dynamic_pointer_cast<guiSlider>(t.gadget)) return a.dx == 0;
    return true;
}

} // namespace

NavTargets OfferedTargets() {
    NavTargets targets;
    if (Ref<GameLoop> top = TopScene()) top->NavigationTargets(targets);
    return targets;
}

int NextArrowTowards(const TargetWanted& wanted) {
    NavTargets targets = OfferedTargets();
    const NavTarget* on = NavigationTarget();
    if (!NavigationCursorShown() || !on) return KeyArrowDown; // the first arrow only shows it
    int from = targets.Find(on->key.get());
    if (from < 0) return -1;
    // Breadth first over the presses, remembering each target's first one.
    const int n = static_cast<int>(targets.Items.size());
    std::vector<int> firstKey(n, 0);
    std::vector<bool> seen(n, false);
    std::deque<int> queue{from};
    seen[from] = true;
    while (!queue.empty()) {
        int i = queue.front();
        queue.pop_front();
        if (wanted(targets.Items[i])) return i == from ? 0 : firstKey[i];
        for (const Arrow& a : kArrows) {
            if (!ArrowLeaves(targets.Items[i], a)) continue;
            int next =
                ChooseInDirection(targets.Items, i, static_cast<float>(a.dx), static_cast<float>(a.dy));
            if (next < 0 || seen[next]) continue;
            seen[next] = true;
            firstKey[next] = i == from ? a.key : firstKey[i];
            queue.push_back(next);
        }
    }
    return -1;
}

TargetWanted Is(const Ref<void>& key) {
    return [key](const NavTarget& t) { return t.key == key; };
}

} // namespace wispwood::test
