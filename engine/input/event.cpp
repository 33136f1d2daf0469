#include "engine/input/event.h"
#include "engine/input/clock.h"
#include "engine/input/system_events.h"
#include <array>
#include <vector>

namespace wispwood {
namespace {

struct HookEntry {
    int handle;
    EventHook hook;
};

struct EventState {
    std::vector<HookEntry> hooks;
    int nextHandle = 1;
    std::array<TEvent, EventQueueSize> ring;
    int head = 0; // oldest waiting event
    int count = 0;
    TEvent current;
};

EventState& Events() {
    static EventState state;
    return state;
}

bool TakeQueued() {
    EventState& s = Events();
    if (s.count == 0) return false;
    s.current = std::move(s.ring[s.head]);
    s.ring[s.head] = TEvent();
    s.head = (s.head + 1) % EventQueueSize;
    --s.count;
    return true;
}

} // namespace

int AddEventHook(EventHook hook) {
    EventState& s = Events();
    s.hooks.push_back({s.nextHandle, std::move(hook)});
    return s.nextHandle++;
}

void RemoveEventHook(int handle) {
    auto& hooks = Events().hooks;
    std::erase_if(hooks, [handle](const HookEntry& e) { return e.handle == handle; });
}

void EmitEvent(const TEvent& event) {
    EventState& s = Events();
    // A hook may add or remove hooks; run over a snapshot.
    std::vector<HookEntry> hooks = s.hooks;
    for (const HookEntry& entry : hooks) entry.hook(event);
    if (s.count == EventQueueSize) {
        s.head = (s.head + 1) % EventQueueSize;
        --s.count;
    }
    s.ring[(s.head + s.count) % EventQueueSize] = event;
    ++s.count;
}

int PollEvent() {
    if (!TakeQueued()) {
        PumpSystemEvents();
        if (!TakeQueued()) {
            Events().current = TEvent();
            return 0;
        }
    }
    return Events().current.id;
}

int WaitEvent() {
    for (;;) {
        if (int id = PollEvent()) return id;
        Delay(1);
    }
}

const TEvent& CurrentEvent() {
    return Events().current;
}
int EventID() {
    return Events().current.id;
}
int EventData() {
    return Events().current.data;
}
int EventX() {
    return Events().current.x;
}
int EventY() {
    return Events().current.y;
}

void FlushEvents() {
    EventState& s = Events();
    s.ring.fill(TEvent());
    s.head = 0;
    s.count = 0;
}

void ResetEvents() {
    FlushEvents();
    Events().hooks.clear();
    Events().current = TEvent();
}

} // namespace wispwood
