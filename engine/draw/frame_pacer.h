#pragma once
// TFramePacer: holds frames back so that they come no faster than a rate,
// on whichever clock reads the time. Frame times are whole milliseconds
// that share out the second's remainder (16, 17, 17 at 60 Hz), so that a
// second holds exactly the rate's frames. A frame that comes late starts
// the count afresh from its own time: the frames after it are not rushed
// to catch up.

namespace wispwood {

class TFramePacer {
  public:
    // Paces at hz frames a second (none for hz <= 0), the first frame
    // one frame time after the clock reading `now`.
    void Start(int hz, int now);
    // The milliseconds to wait, from the clock reading `now`, before the
    // next frame shows; the pacer counts that frame as shown.
    int WaitBeforeFrame(int now);

    int Rate() const { return hz_; }
    // The shorter of the rate's two frame times.
    int FrameTime() const { return frameTime_; }

  private:
    int hz_ = 0;
    int frameTime_ = 0;
    int remainder_ = 0;
    int accumulated_ = 0;
    int next_ = 0;
};

} // namespace wispwood
