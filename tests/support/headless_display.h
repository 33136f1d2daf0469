#pragma once
// A display for tests: SDL's dummy video driver and software renderer, so
// drawing produces real pixels without a screen. Opening it gives a fresh
// drawing context and start-up image defaults; the window is reused between
// tests, which keeps them fast.
#include "engine/draw/graphics.h"
#include <gtest/gtest.h>

namespace wispwood::test {

// Opens (or reopens) the headless display; fails the test when it cannot.
Ref<TDrawContext> OpenHeadlessDisplay(int width = ScreenWidth, int height = ScreenHeight);

// The back buffer, whole (800 x 600 unless opened smaller).
Ref<TPixmap> GrabScreen();

// A fixture whose tests start on a cleared headless display.
class HeadlessDisplayTest : public ::testing::Test {
  protected:
    void SetUp() override;
};

// A pixmap of one colour (0xAARRGGBB), format RGBA.
Ref<TPixmap> SolidPixmap(int width, int height, int argb);

} // namespace wispwood::test
