#include "engine/draw/pixmap.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

constexpr int Orange = static_cast<int>(0x80ff8040u);

TEST(Pixmap, EveryFormatReadsBackWhatWasWrittenWithinItsChannels) {
    struct Case {
        int format;
        int expected;
    } cases[] = {
        {PF_BGRA8888, Orange},
        {PF_RGBA8888, Orange},
        {PF_BGR888, static_cast<int>(0xffff8040u)},
        {PF_RGB888, static_cast<int>(0xffff8040u)},
        {PF_A8, static_cast<int>(0x80ffffffu)},
    };
    for (auto c : cases) {
        auto pixmap = TPixmap::Create(3, 2, c.format);
        ASSERT_TRUE(pixmap);
        pixmap->WritePixel(2, 1, Orange);
        EXPECT_EQ(pixmap->ReadPixel(2, 1), c.expected) << "format " << c.format;
        EXPECT_EQ(pixmap->ReadPixel(0, 0) & 0xffffff, c.format == PF_A8 ? 0xffffff : 0)
            << "format " << c.format;
    }
    auto grey = TPixmap::Create(1, 1, PF_I8);
    grey->WritePixel(0, 0, static_cast<int>(0xff7f7f7fu));
    EXPECT_EQ(static_cast<uint32_t>(grey->ReadPixel(0, 0)), 0xff7f7f7fu);
}

TEST(Pixmap, ReadsAndWritesOutsideThePictureAreHarmless) {
    auto pixmap = TPixmap::Create(2, 2, PF_RGBA8888);
    pixmap->ClearPixels(-1);
    for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 2}, {1 << 30, 1 << 30}}) {
        pixmap->WritePixel(x, y, 0);
        EXPECT_EQ(pixmap->ReadPixel(x, y), 0);
    }
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(pixmap->ReadPixel(x, y), -1);
    EXPECT_EQ(ReadPixel(nullptr, 0, 0), 0);
    EXPECT_EQ(PixmapWidth(nullptr), 0);
    EXPECT_FALSE(TPixmap::Create(-1, 4, PF_RGBA8888));
    EXPECT_FALSE(TPixmap::Create(4, 4, 7));
    EXPECT_FALSE(TPixmap::Create(1 << 20, 1 << 20, PF_RGBA8888));
}

TEST(Pixmap, WindowSharesPixelsIsClippedAndOutlivesItsParent) {
    Ref<TPixmap> window;
    {
        auto pixmap = TPixmap::Create(8, 8, PF_RGB888);
        pixmap->ClearPixels(static_cast<int>(0xff000000u));
        window = pixmap->Window(6, 5, 10, 2);
        EXPECT_EQ(window->width, 2);
        EXPECT_EQ(window->height, 2);
        window->WritePixel(1, 1, static_cast<int>(0xff123456u));
        EXPECT_EQ(static_cast<uint32_t>(pixmap->ReadPixel(7, 6)), 0xff123456u);
        EXPECT_EQ(window->capacity, 0);
    }
    EXPECT_EQ(static_cast<uint32_t>(window->ReadPixel(1, 1)), 0xff123456u);
}

TEST(Pixmap, PasteConvertsFormatsAndClipsAtEveryEdge) {
    auto target = TPixmap::Create(4, 4, PF_RGBA8888);
    target->ClearPixels(0);
    auto source = TPixmap::Create(3, 3, PF_BGR888);
    source->ClearPixels(static_cast<int>(0xff00ff00u));
    target->Paste(source, -1, 2);
    int painted = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            bool inside = x <= 1 && y >= 2;
            EXPECT_EQ(static_cast<uint32_t>(target->ReadPixel(x, y)), inside ? 0xff00ff00u : 0u)
                << x << "," << y;
            painted += inside;
        }
    EXPECT_EQ(painted, 4);
    target->Paste(source, 10, 10);
    target->Paste(nullptr, 0, 0);
}

TEST(Pixmap, CopyAndConvertAreIndependentOfTheOriginal) {
    auto pixmap = TPixmap::Create(2, 1, PF_RGBA8888);
    pixmap->WritePixel(0, 0, Orange);
    auto copy = pixmap->Copy();
    auto bgra = pixmap->Convert(PF_BGRA8888);
    pixmap->WritePixel(0, 0, 0);
    EXPECT_EQ(copy->ReadPixel(0, 0), Orange);
    EXPECT_EQ(bgra->ReadPixel(0, 0), Orange);
    EXPECT_EQ(bgra->format, PF_BGRA8888);
    EXPECT_EQ(bgra->PixelPtr(0, 0)[0], 0x40);
    EXPECT_EQ(bgra->PixelPtr(0, 0)[2], 0xff);
}

} // namespace
} // namespace wispwood
