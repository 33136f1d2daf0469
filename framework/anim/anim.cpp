#include "framework/anim/anim.h"
#include "engine/io/random.h"
#include <set>

namespace wispwood {

int TAnimStretchFrameSet::Length() const {
    return static_cast<int>(std::max(frame.size(), im.size() > 1 ? im.size() : size_t{0}));
}

Ref<TAnimStretch> TAnimStretch::CreateFromFrameSequence(const Ref<TImage>& image,
                                                        const std::vector<int>& frames) {
    auto set = New<TAnimStretchFrameSet>();
    set->im.push_back(image);
    set->frame = frames;
    if (set->frame.empty())
        for (int i = 0; i < ImageFrameCount(image); ++i) set->frame.push_back(i);
    auto stretch = New<TAnimStretch>();
    stretch->Frames.push_back(set);
    return stretch;
}

Ref<TAnimStretch> TAnimStretch::CreateFromImageSequence(const std::vector<Ref<TImage>>& images) {
    auto set = New<TAnimStretchFrameSet>();
    set->im = images;
    set->frame.assign(images.size(), 0);
    auto stretch = New<TAnimStretch>();
    stretch->Frames.push_back(set);
    return stretch;
}

const TAnimStretchFrameSet* TAnimStretch::Set() const {
    if (Frames.empty()) return nullptr;
    int index =
        CurrentFrameSet >= 0 && CurrentFrameSet < static_cast<int>(Frames.size()) ? CurrentFrameSet : 0;
    return Frames[index].get();
}

void TAnimStretch::Restart() {
    CurrentFrameSet = CurrentFrame = CurrentFrameTicks = Repeats = 0;
    CurrentDirection = 1;
    ToBridgeStretch = nullptr;
}

void TAnimStretch::NextFrameSet() {
    if (!Frames.empty()) CurrentFrameSet = (CurrentFrameSet + 1) % static_cast<int>(Frames.size());
}

void TAnimStretch::CountRepeat() {
    Repeats += 1;
    if (NumberOfRepeats < 0 || Repeats < NumberOfRepeats || Bridges.empty()) return;
    size_t pick = 0;
    if (Bridges.size() > 1) {
        float total = 0;
        for (const auto& bridge : Bridges) total += bridge ? bridge->StretchProbability : 0;
        if (total > 0) {
            float roll = static_cast<float>(RandomFloat(0, total));
            while (pick + 1 < Bridges.size() && roll >= Bridges[pick]->StretchProbability)
                roll -= Bridges[pick++]->StretchProbability;
        }
    }
    ToBridgeStretch = Bridges[pick];
}

void TAnimStretch::Step() {
    const TAnimStretchFrameSet* set = Set();
    int last = set ? set->Length() - 1 : 0;
    if (last < 0) last = 0;
    switch (PlayThroughMethod) {
    case 0:
        if (CurrentFrame >= last) {
            CurrentFrame = 0;
            CountRepeat();
        } else {
            CurrentFrame += 1;
        }
        break;
    case 2:
    case 3: {
        bool changeAtEnd = PlayThroughMethod == 2;
        if (CurrentDirection > 0 && CurrentFrame >= last) {
            CurrentDirection = -1;
            if (changeAtEnd) {
                CountRepeat();
                NextFrameSet();
            }
        } else if (CurrentDirection < 0 && CurrentFrame <= 0) {
            CurrentDirection = 1;
            if (!changeAtEnd) {
                CountRepeat();
                NextFrameSet();
            }
        }
        if (last > 0) CurrentFrame += CurrentDirection;
        if (CurrentFrame > last) CurrentFrame = last;
        if (CurrentFrame < 0) CurrentFrame = 0;
        break;
    }
    case 4:
        if (CurrentFrame < last) CurrentFrame += 1;
        break;
    default:
        CurrentFrame += CurrentDirection;
        if (CurrentFrame > last) CurrentFrame = 0;
        if (CurrentFrame < 0) CurrentFrame = last;
        break;
    }
    if (FrameTickSpeedReevaluate)
        FrameTickSpeed = RandomInt(FrameTickSpeedReevaluateLow, FrameTickSpeedReevaluateHigh);
}

void TAnimStretch::Update() {
    CurrentFrameTicks += 1;
    if (CurrentFrameTicks > FrameTickSpeed || SpeedThrough) {
        CurrentFrameTicks = 0;
        Step();
    }
}

Ref<TImage> TAnimStretch::Image() const {
    const TAnimStretchFrameSet* set = Set();
    if (!set || set->im.empty()) return nullptr;
    if (set->im.size() == 1) return set->im[0];
    size_t step = static_cast<size_t>(std::max(CurrentFrame, 0));
    return step < set->im.size() ? set->im[step] : set->im.back();
}

int TAnimStretch::Frame() const {
    const TAnimStretchFrameSet* set = Set();
    if (!set || set->frame.empty()) return 0;
    size_t step = static_cast<size_t>(std::max(CurrentFrame, 0));
    return step < set->frame.size() ? set->frame[step] : set->frame.back();
}

Ref<TAnim> TAnim::CreateFromImage(const Ref<TImage>& image) {
    auto anim = New<TAnim>();
    anim->SetAnimStretch(TAnimStretch::CreateFromFrameSequence(image));
    return anim;
}

namespace {

void CollectChain(const Ref<TAnimStretch>& stretch, std::set<Ref<TAnimStretch>>& seen) {
    if (!stretch || !seen.insert(stretch).second) return;
    for (const auto& next : stretch->Bridges) CollectChain(next, seen);
    CollectChain(stretch->ToBridgeStretch, seen);
}

} // namespace

TAnim::~TAnim() {
    std::set<Ref<TAnimStretch>> chain;
    CollectChain(CurrentAnimStretch, chain);
    for (const auto& stretch : chain) {
        stretch->Bridges.clear();
        stretch->ToBridgeStretch = nullptr;
    }
}

void TAnim::SetAnimStretch(const Ref<TAnimStretch>& stretch) {
    CurrentAnimStretch = stretch;
}

void TAnim::Update() {
    if (!CurrentAnimStretch) return;
    CurrentAnimStretch->Update();
    if (Ref<TAnimStretch> next = CurrentAnimStretch->ToBridgeStretch) {
        CurrentAnimStretch->ToBridgeStretch = nullptr;
        CurrentAnimStretch->Repeats = 0;
        next->Restart();
        CurrentAnimStretch = next;
    }
}

Ref<TImage> TAnim::Image() const {
    return CurrentAnimStretch ? CurrentAnimStretch->Image() : nullptr;
}
int TAnim::Frame() const {
    return CurrentAnimStretch ? CurrentAnimStretch->Frame() : 0;
}

} // namespace wispwood
