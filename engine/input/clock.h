#pragma once
// The millisecond clock and sleeping. Everything that measures time reads it
// through here, so tests can install a manual clock and step it instead of
// sleeping. Clock values are 32-bit and wrap; compare them only through
// ElapsedMilliseconds.
#include "engine/core/ref.h"
#include <cstdint>

namespace wispwood {

class TClock {
  public:
    virtual ~TClock() = default;
    virtual int Milliseconds() = 0;
    virtual void Delay(int ms) = 0;
};

// The platform's monotonic clock; Delay sleeps.
class TSystemClock : public TClock {
  public:
    int Milliseconds() override;
    void Delay(int ms) override;
};

// A clock that moves only when told to. Delay advances it instead of
// sleeping, so a loop that sleeps each frame runs at full speed in a test
// while seeing the time it would have seen.
class TManualClock : public TClock {
  public:
    explicit TManualClock(int start = 0) : now_(static_cast<uint32_t>(start)) {}
    int Milliseconds() override { return static_cast<int>(now_); }
    void Delay(int ms) override { Advance(ms); }
    void Advance(int ms) {
        if (ms > 0) now_ += static_cast<uint32_t>(ms);
    }
    void Set(int ms) { now_ = static_cast<uint32_t>(ms); }

  private:
    uint32_t now_;
};

// Installs the clock that Milliseconds and Delay use; null restores the
// system clock.
void SetClock(Ref<TClock> clock);
const Ref<TClock>& CurrentClock();
void ResetClock();

int Milliseconds();
// Does nothing for ms <= 0.
void Delay(int ms);

// Milliseconds from one clock reading to a later one, correct across the
// wrap of the 32-bit value. A clock that stepped backwards gives 0, never a
// negative or huge interval.
int ElapsedMilliseconds(int from, int to);

} // namespace wispwood
