#include "tests/support/input_events.h"
#include "engine/input/event.h"

namespace wispwood::test {

void EmitInput(int id, int data, int x, int y, int mods) {
    TEvent event;
    event.id = id;
    event.data = data;
    event.x = x;
    event.y = y;
    event.mods = mods;
    EmitEvent(event);
}

} // namespace wispwood::test
