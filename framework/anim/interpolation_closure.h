#pragma once
// Objects that wrap an easing curve with its two ends, for code that picks
// the curve at run time. With Lock set the progress is clamped to 0..1.
#include "engine/core/ref.h"

namespace wispwood {

class InterpolationClosure {
  public:
    virtual ~InterpolationClosure() = default;
    float start = 0;
    float finish = 0;
    int Lock = 0;

    virtual float Interpolate(float t);

  protected:
    template <class T>
    static Ref<T> Make(float start, float finish) {
        auto closure = New<T>();
        closure->start = start;
        closure->finish = finish;
        return closure;
    }
};

#define WISPWOOD_CLOSURE(Name)                                                                               \
    class Name : public InterpolationClosure {                                                               \
      public:                                                                                                \
        static Ref<Name> Create(float start, float finish) { return Make<Name>(start, finish); }             \
        float Interpolate(float t) override;                                                                 \
    };

WISPWOOD_CLOSURE(LinearInterpolationClosure)
WISPWOOD_CLOSURE(JumpInterpolationClosure)
WISPWOOD_CLOSURE(SqrtInterpolationClosure)
WISPWOOD_CLOSURE(SquareInterpolationClosure)
WISPWOOD_CLOSURE(SquareSquareInterpolationClosure)
WISPWOOD_CLOSURE(ParabolicConcaveInterpolationClosure)
WISPWOOD_CLOSURE(ParabolicInterpolationClosure)
WISPWOOD_CLOSURE(ExpInterpolationClosure)
WISPWOOD_CLOSURE(DampenInterpolationClosure)

#undef WISPWOOD_CLOSURE

} // namespace wispwood
