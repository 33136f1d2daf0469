#pragma once
// Periodic timers on the installed clock. A timer fires hz times a second
// from its creation; the firings are counted, not queued, so a program that
// stalls catches up by count. While events are processed, each timer with
// new firings emits one tick event.
#include "engine/input/event.h"
#include <cstdint>
#include <memory>

namespace wispwood {

class TTimer : public std::enable_shared_from_this<TTimer> {
  public:
    TTimer(double hz, Ref<TEvent> event);

    // Firings since creation.
    int Ticks();
    // Waits until the timer has fired since the last Wait, then returns the
    // number of firings since that call. 0 at once for a stopped timer.
    int Wait();
    void Stop();

    // Emits the tick event when there were firings since the last time.
    void EmitPendingTick();

  private:
    void Catch();

    double hz_;
    Ref<TEvent> event_; // emitted instead of the plain tick when given
    int lastReading_;
    int64_t elapsed_ = 0; // milliseconds since creation
    int64_t ticks_ = 0;
    int64_t waited_ = 0;
    int64_t emitted_ = 0;
    bool stopped_ = false;
};

// A timer firing hz times a second, or null when hz is not positive. Each
// firing emits the given event, or a tick event whose source is the timer.
Ref<TTimer> CreateTimer(double hz, Ref<TEvent> event = nullptr);

// Emits the tick events of every live timer; part of processing events.
void PumpTimers();
// Forgets every timer.
void ResetTimers();

} // namespace wispwood
