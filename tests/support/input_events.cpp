#include "tests/support/input_events.h"
#include "engine/input/event.h"

namespace wispwood::test {

void EmitInput(int id, int data, int x, int y) {
    TEvent event;
    event.id = id;
    event.data = data;
    event.x = x;
    event.y = y;
    EmitEvent(event);
}

} // namespace wispwood::test
