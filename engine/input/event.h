#pragma once
// Events: platform messages, timer ticks and anything else the program
// emits. Every emitted event is passed to the hooks, then kept in a ring of
// the 256 most recent events for PollEvent.
#include "engine/core/ref.h"
#include <functional>

namespace wispwood {

constexpr int EventAppSuspend = 257;   // window lost focus or was minimised
constexpr int EventAppResume = 258;    // window active again
constexpr int EventAppTerminate = 259; // close request: close button or SIGINT/SIGTERM
constexpr int EventKeyDown = 513;      // data = key code
constexpr int EventKeyUp = 514;
constexpr int EventKeyChar = 515;    // data = character code
constexpr int EventMouseDown = 1025; // data = button: 1 left, 2 right, 3 middle
constexpr int EventMouseUp = 1026;
constexpr int EventMouseMove = 1027;  // x, y
constexpr int EventMouseWheel = 1028; // data = notches, positive away from the user
constexpr int EventTimerTick = 2049;  // source = the timer, data = its firings so far

// Bits of TEvent::mods.
constexpr int ModifierShift = 1;
constexpr int ModifierControl = 2;
constexpr int ModifierAlt = 4;
constexpr int ModifierSystem = 8;

class TEvent {
  public:
    int id = 0;
    Ref<void> source;
    int data = 0;
    int mods = 0;
    int x = 0;
    int y = 0;
    Ref<void> extra;
};

constexpr int EventQueueSize = 256;

using EventHook = std::function<void(const TEvent&)>;
// Hooks run in the order added; the handle removes one again.
int AddEventHook(EventHook hook);
void RemoveEventHook(int handle);

// Runs the hooks, then queues the event. When the ring is full the oldest
// waiting event is dropped: a program that never polls still finds the
// latest events there.
void EmitEvent(const TEvent& event);

// Takes the next queued event as the current one and returns its id; with
// the queue empty, processes pending platform messages first and returns 0
// when that brings nothing.
int PollEvent();
// Like PollEvent, but waits (sleeping through the installed clock) until an
// event arrives.
int WaitEvent();
const TEvent& CurrentEvent();
int EventID();
int EventData();
int EventX();
int EventY();
// Drops every queued event.
void FlushEvents();

// Empties the queue and the current event and removes every hook.
void ResetEvents();

} // namespace wispwood
