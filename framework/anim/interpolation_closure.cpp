#include "framework/anim/interpolation_closure.h"
#include <algorithm>

namespace wispwood {

float InterpolationClosure::Interpolate(float) {
    return 0;
}

float InterpolationClosure::Progress(float t) const {
    return Lock ? std::clamp(t, 0.0f, 1.0f) : t;
}

} // namespace wispwood
