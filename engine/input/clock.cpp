#include "engine/input/clock.h"
#include <chrono>
#include <thread>

namespace wispwood {
namespace {

Ref<TClock>& Installed() {
    static Ref<TClock> clock = New<TSystemClock>();
    return clock;
}

} // namespace

int TSystemClock::Milliseconds() {
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<int>(static_cast<uint32_t>(ms.count()));
}

void TSystemClock::Delay(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SetClock(Ref<TClock> clock) {
    Installed() = clock ? std::move(clock) : New<TSystemClock>();
}

const Ref<TClock>& CurrentClock() {
    return Installed();
}

void ResetClock() {
    SetClock(nullptr);
}

int Milliseconds() {
    return Installed()->Milliseconds();
}

void Delay(int ms) {
    if (ms > 0) Installed()->Delay(ms);
}

int ElapsedMilliseconds(int from, int to) {
    auto difference = static_cast<int32_t>(static_cast<uint32_t>(to) - static_cast<uint32_t>(from));
    return difference > 0 ? difference : 0;
}

} // namespace wispwood
