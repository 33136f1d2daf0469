// testcard [--fullscreen] [--size WxH] [--frames N] [--switch-at N] [--screenshot FILE]
// Draws the test card until Escape or the window closes (or N frames). F
// (or frame N of --switch-at) switches between window and full screen.
// --screenshot saves the back buffer of the last frame as a PNG.
#include "engine/core/runtime_error.h"
#include "engine/draw/graphics.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/input/clock.h"
#include "engine/input/key_codes.h"
#include "engine/input/polled_input.h"
#include "tools/testcard/test_card.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

using namespace wispwood;

int main(int argc, char** argv) {
    int width = 800, height = 600, depth = 0, frames = -1, switchAt = -1;
    const char* screenshot = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--fullscreen"))
            depth = 32;
        else if (!std::strcmp(argv[i], "--size") && i + 1 < argc)
            std::sscanf(argv[++i], "%dx%d", &width, &height);
        else if (!std::strcmp(argv[i], "--frames") && i + 1 < argc)
            frames = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--switch-at") && i + 1 < argc)
            switchAt = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--screenshot") && i + 1 < argc)
            screenshot = argv[++i];
        else {
            std::fprintf(stderr, "usage: testcard [--fullscreen] [--size WxH] [--frames N] [--switch-at N] "
                                 "[--screenshot FILE]\n");
            return 2;
        }
    }
    try {
        if (!OpenGraphics(width, height, depth, 60, 0)) {
            std::fprintf(stderr, "testcard: no display could be opened\n");
            return 1;
        }
        HideMouse();
        testcard::TestCard card;
        int started = Milliseconds(), counted = 0;
        float fps = 0;
        for (int frame = 0; frames < 0 || frame < frames; ++frame) {
            if (KeyPresses(KeyEscape) || CloseRequested()) break;
            if (KeyPresses('F') || frame == switchAt) {
                depth = GraphicsIsFullScreen() ? 0 : 32;
                if (!OpenGraphics(width, height, depth, 60, 0)) return 1;
                HideMouse();
            }
            card.Draw(frame, fps);
            if (screenshot && frame + 1 == frames) SavePixmapPNG(GrabPixmap(0, 0, 800, 600), screenshot);
            Flip(-1);
            ++counted;
            int elapsed = ElapsedMilliseconds(started, Milliseconds());
            if (elapsed >= 500) {
                fps = counted * 1000.0f / elapsed;
                started = Milliseconds(), counted = 0;
            }
        }
    } catch (const RuntimeError& error) {
        PresentRuntimeError(error.what());
        return 1;
    }
    return 0;
}
