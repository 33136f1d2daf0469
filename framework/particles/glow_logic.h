#pragma once

namespace wispwood {

// A pulsating value between Low and High for glowing highlights.
class GlowLogic {
  public:
    float High = 0.8f;
    float Low = 0.2f;
    double t = 404.0;
    double Speed = 1.0;

    void Update();
    float Glow() const;
};

} // namespace wispwood
