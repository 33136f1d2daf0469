#include "framework/particles/particle_text.h"
#include "engine/draw/graphics.h"

namespace wispwood {

void ParticleRenderOverrideText::Render(Particle& p) {
    float scaleX = 1;
    float scaleY = 1;
    GetScale(scaleX, scaleY);
    if (UseFont)
        UseFont->FontPrint(txt, p.x, p.y, Center, scaleX);
    else
        PrintText(txt, p.x, p.y, Center, scaleX);
}

} // namespace wispwood
