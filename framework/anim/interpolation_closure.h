#pragma once
// Objects that wrap an easing curve with its two ends, for code that picks
// the curve at run time. With Lock set the progress is clamped to 0..1.
#include "engine/core/ref.h"
#include "framework/anim/easing.h"

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
    // t, clamped to 0..1 when Lock is set.
    float Progress(float t) const;
};

#define WISPWOOD_CLOSURE(Name, Curve)                                                                        \
    class Name : public InterpolationClosure {                                                               \
      public:                                                                                                \
        static Ref<Name> Create(float start, float finish) { return Make<Name>(start, finish); }             \
        float Interpolate(float t) override { return Curve(start, finish, Progress(t)); }                    \
    };

WISPWOOD_CLOSURE(LinearInterpolationClosure, LerpLinear)
WISPWOOD_CLOSURE(JumpInterpolationClosure, LerpJump)
WISPWOOD_CLOSURE(SqrtInterpolationClosure, LerpSqrt)
WISPWOOD_CLOSURE(SquareInterpolationClosure, LerpSquare)
WISPWOOD_CLOSURE(SquareSquareInterpolationClosure, LerpSquareSquare)
WISPWOOD_CLOSURE(ParabolicConcaveInterpolationClosure, LerpParabolicConcave)
WISPWOOD_CLOSURE(ParabolicInterpolationClosure, LerpParabolic)
WISPWOOD_CLOSURE(ExpInterpolationClosure, LerpExp)
WISPWOOD_CLOSURE(DampenInterpolationClosure, LerpDampen)

#undef WISPWOOD_CLOSURE

} // namespace wispwood
