#pragma once
// TAnim: plays frames of images at a rate in updates, looping, ping-ponging
// or holding, and can chain into further stretches (a wave that plays once,
// repeats a middle part three times, then settles).
#include "engine/draw/image.h"
#include <vector>

namespace wispwood {

class TAnimStretchFrameSet {
  public:
    std::vector<Ref<TImage>> im; // one image for all steps, or one per step
    std::vector<int> frame;      // the frame number of each step
    int PingPongNoRepeat = 0;

    int Length() const;
};

class TAnimStretch {
  public:
    std::vector<Ref<TAnimStretchFrameSet>> Frames;
    int CurrentFrameSet = 0;
    int CurrentFrame = 0; // the step within the frame set
    int CurrentFrameTicks = 0;
    int CurrentDirection = 1;
    int FrameTickSpeed = 0; // a step lasts FrameTickSpeed + 1 updates
    int SpeedThrough = 0;   // step on every update
    // 0 loop, 2 ping-pong changing set at the last step, 3 ping-pong changing
    // set at the first step, 4 hold the last step; others step by direction.
    int PlayThroughMethod = 0;
    int NumberOfRepeats = -1; // -1: for ever
    // Stretches this one can chain into once its repeats are done, each
    // chosen with weight StretchProbability (the first when all are 0).
    std::vector<Ref<TAnimStretch>> Bridges;
    float StretchProbability = 0;
    int FrameTickSpeedReevaluate = 0; // pick a new speed after every step
    int FrameTickSpeedReevaluateLow = 0;
    int FrameTickSpeedReevaluateHigh = 0;
    Ref<TAnimStretch> ToBridgeStretch; // set when the stretch hands over

    int Repeats = 0; // repeats completed

    // One frame set over the image; no frame numbers means all its frames.
    static Ref<TAnimStretch> CreateFromFrameSequence(const Ref<TImage>& image,
                                                     const std::vector<int>& frames = {});
    // One frame set of separate images, frame 0 of each.
    static Ref<TAnimStretch> CreateFromImageSequence(const std::vector<Ref<TImage>>& images);

    void Update();
    // Back to the first step of the first set.
    void Restart();
    Ref<TImage> Image() const;
    int Frame() const;

  private:
    const TAnimStretchFrameSet* Set() const;
    void Step();
    void CountRepeat();
    void NextFrameSet();
};

class TAnim {
  public:
    Ref<TAnimStretch> CurrentAnimStretch;

    TAnim() = default;
    // Stretches that bridge into each other hold each other for ever: an
    // animation owns its chain and cuts it when it goes (at exit too, for a
    // program-wide one), so the chain goes with it. Copies would share it.
    ~TAnim();
    TAnim(const TAnim&) = delete;
    TAnim& operator=(const TAnim&) = delete;

    // An animation over all frames of the image.
    static Ref<TAnim> CreateFromImage(const Ref<TImage>& image);

    void SetAnimStretch(const Ref<TAnimStretch>& stretch);
    void Update();
    Ref<TImage> Image() const;
    int Frame() const;
};

} // namespace wispwood
