#include "framework/particles/glow_logic.h"
#include "framework/anim/numeric.h"
#include <cmath>
#include <numbers>

namespace wispwood {

void GlowLogic::Update() {
    t += Speed;
}

float GlowLogic::Glow() const {
    const double u = t * 1.5;
    auto sinDeg = [](double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); };
    const double s = 1 + (sinDeg(u) + sinDeg(u / 2.4) + sinDeg(u / 1.8) + sinDeg((u + 2.0) * 4.0)) / 6.0;
    return Low + ClampFloat(static_cast<float>(s / 1.64), 0, 1) * (High - Low);
}

} // namespace wispwood
