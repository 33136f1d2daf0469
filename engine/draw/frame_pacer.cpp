#include "engine/draw/frame_pacer.h"
#include <cstdint>

namespace wispwood {

void TFramePacer::Start(int hz, int now) {
    hz_ = hz > 0 ? hz : 0;
    frameTime_ = hz_ ? 1000 / hz_ : 0;
    remainder_ = hz_ ? 1000 - frameTime_ * hz_ : 0;
    accumulated_ = 0;
    next_ = now;
}

int TFramePacer::WaitBeforeFrame(int now) {
    if (!hz_) return 0;
    next_ += frameTime_;
    accumulated_ += remainder_;
    if (accumulated_ >= hz_) {
        accumulated_ -= hz_;
        next_ += 1;
    }
    // Clock readings wrap; the wait is measured as a difference.
    int wait = static_cast<int>(static_cast<uint32_t>(next_) - static_cast<uint32_t>(now));
    if (wait <= 0) {
        next_ = now;
        return 0;
    }
    // A clock that stepped back would hold the frame for as long as it
    // stepped; no frame waits longer than one frame time.
    if (wait > frameTime_ + 1) {
        next_ = now + frameTime_;
        return frameTime_;
    }
    return wait;
}

} // namespace wispwood
