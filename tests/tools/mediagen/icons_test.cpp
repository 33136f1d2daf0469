// The program's icons as the desktop shows them: one per hicolor size, each
// exactly its size, a tile with clear corners and the lettering's light
// face inside.
#include <gtest/gtest.h>

#include "engine/draw/pixmap_loader.h"
#include "tests/support/paths.h"
#include "tools/mediagen/icons/icon_sizes.h"

namespace wispwood::mediagen {
namespace {

int AlphaOf(uint32_t argb) {
    return int(argb >> 24);
}

TEST(Icons, EverySizeIsASquareTileWithClearCorners) {
    for (int size : kIconSizes) {
        Ref<TPixmap> icon = LoadPixmap(wispwood::test::GamePath("media/icons/" + IconFileName(size)));
        ASSERT_TRUE(icon) << size;
        EXPECT_EQ(icon->width, size);
        EXPECT_EQ(icon->height, size);
        for (auto [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}})
            EXPECT_EQ(AlphaOf(uint32_t(icon->ReadPixel(x, y))), 0) << size << " corner " << x << "," << y;
        EXPECT_EQ(AlphaOf(uint32_t(icon->ReadPixel(size / 2, size / 8 + 1))), 255) << size;
        // The pale letter reads at every size: some near-white pixels.
        int light = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                uint32_t argb = uint32_t(icon->ReadPixel(x, y));
                if (((argb >> 16) & 255) > 150 && ((argb >> 8) & 255) > 180 && (argb & 255) > 220) ++light;
            }
        EXPECT_GT(light, size * size / 40) << size;
    }
}

} // namespace
} // namespace wispwood::mediagen
