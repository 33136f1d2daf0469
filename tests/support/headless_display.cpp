#include "tests/support/headless_display.h"
#include <cstdlib>

namespace wispwood::test {

Ref<TDrawContext> OpenHeadlessDisplay(int width, int height) {
    // Tests are meant to run without a screen; a developer's own display
    // would change the renderer and so the pixels.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
    ResetImageDefaults();
    auto context = OpenGraphics(width, height, 0, 0, 0);
    EXPECT_TRUE(context) << "the headless display did not open";
    return context;
}

Ref<TPixmap> GrabScreen() {
    auto context = CurrentGraphics();
    if (!context) return nullptr;
    return GrabPixmap(0, 0, context->width, context->height);
}

void HeadlessDisplayTest::SetUp() {
    ASSERT_TRUE(OpenHeadlessDisplay());
}

Ref<TPixmap> SolidPixmap(int width, int height, int argb) {
    auto pixmap = TPixmap::Create(width, height, PF_RGBA8888);
    pixmap->ClearPixels(argb);
    return pixmap;
}

} // namespace wispwood::test
