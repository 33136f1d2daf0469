#include "tests/support/test_pictures.h"
#include <algorithm>
#include <cmath>

namespace wispwood::test {

Ref<TPixmap> SoftSprite(int width, int height) {
    auto pixmap = TPixmap::Create(width, height, PF_RGBA8888);
    float cx = width / 2.0f, cy = height / 2.0f, radius = std::min(cx, cy);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / radius;
            int a = static_cast<int>(std::clamp((1.0f - d) * 3.0f, 0.0f, 1.0f) * 255);
            int r = 255 * x / std::max(width - 1, 1), g = 255 * y / std::max(height - 1, 1), b = 160;
            if (x < width / 3 && y < height / 3) r = g = b = 20, a = std::max(a, 200);
            pixmap->WritePixel(x, y, a << 24 | r << 16 | g << 8 | b);
        }
    return pixmap;
}

Ref<TPixmap> Backdrop(int width, int height) {
    static const int bars[] = {0xffffff, 0xffff00, 0x00ffff, 0x00ff00,
                               0xff00ff, 0xff0000, 0x0000ff, 0x202020};
    auto pixmap = TPixmap::Create(width, height, PF_RGBA8888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int colour = bars[x * 8 / std::max(width, 1)];
            if (y >= height / 2) colour = (255 * x / std::max(width - 1, 1)) * 0x010101;
            pixmap->WritePixel(x, y, static_cast<int>(0xff000000u | colour));
        }
    return pixmap;
}

Ref<TPixmap> Checker(int width, int height, int cell, int argbA, int argbB) {
    auto pixmap = TPixmap::Create(width, height, PF_RGBA8888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixmap->WritePixel(x, y, (x / cell + y / cell) % 2 ? argbB : argbA);
    return pixmap;
}

} // namespace wispwood::test
