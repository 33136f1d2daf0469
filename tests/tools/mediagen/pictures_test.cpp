// The generated picture tree as the game loads it: every file the game asks
// for opens with the game's own loaders under its exact name, with the size
// and the frame layout its code relies on.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <fstream>
#include <sstream>

#include "engine/draw/image.h"
#include "engine/io/file_system.h"
#include "framework/images/game_image.h"
#include "game/app/world_reset.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include "tests/tools/mediagen/raw_bytes.h"
#include "tools/mediagen/core/style.h"

namespace wispwood::mediagen {
namespace {

struct Required {
    std::string path;
    int width = 0, height = 0;
    int cell_width = 0, cell_height = 0, frames = 0;
};

std::vector<Required> RequiredPictures() {
    std::ifstream in(wispwood::test::FixturePath("media/required_pictures.txt"));
    std::vector<Required> list;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        Required r;
        words >> r.path >> r.width >> r.height >> r.cell_width >> r.cell_height >> r.frames;
        list.push_back(r);
    }
    return list;
}

// The start-up image defaults (filtered, never masked) on the headless
// display, so textures are made as in the game.
class GeneratedPictures : public wispwood::test::HeadlessDisplayTest {
  protected:
    void SetUp() override {
        HeadlessDisplayTest::SetUp();
        SetDefaultImageFlags(FILTEREDIMAGE);
        SetKeepDecodedPixels(true); // the tests read the loaded frames' pixels
    }
    void TearDown() override { ResetWorld(); }

    // The picture as the game's decoder gives it, for pixel tests.
    static Ref<TPixmap> Pixels(const std::string& path) { return LoadPixmap(wispwood::test::GamePath(path)); }
};

int Alpha(const Ref<TPixmap>& p, int x, int y) {
    return int(uint32_t(ReadPixel(p, x, y)) >> 24);
}

TEST_F(GeneratedPictures, EveryRequiredPictureLoadsWithItsGeometry) {
    std::vector<Required> list = RequiredPictures();
    ASSERT_GE(list.size(), 230u);
    for (const Required& r : list) {
        SCOPED_TRACE(r.path);
        const Text path = wispwood::test::GamePath(r.path);
        if (r.frames > 0) {
            // Cells are cut row by row; the loader fails when the sheet holds
            // fewer than the code asks for. A cell is one texture, never split.
            Ref<TImage> sheet = LoadGameFramedImage(path, r.cell_width, r.cell_height, 0, r.frames);
            ASSERT_TRUE(sheet);
            EXPECT_EQ(ImageFrameCount(sheet), r.frames);
            EXPECT_EQ(ImageWidth(sheet), r.cell_width);
            EXPECT_EQ(ImageHeight(sheet), r.cell_height);
            EXPECT_LE(r.cell_width, SplitImageStep);
            EXPECT_LE(r.cell_height, SplitImageStep);
            Ref<TPixmap> whole = LoadPixmap(path);
            EXPECT_EQ(PixmapWidth(whole), r.width);
            EXPECT_EQ(PixmapHeight(whole), r.height);
        } else {
            Ref<TImage> image = LoadGameImage(path);
            ASSERT_TRUE(image);
            EXPECT_EQ(ImageWidth(image), r.width);
            EXPECT_EQ(ImageHeight(image), r.height);
        }
        // The name promises the format: 8-bit PNG or baseline JPEG, each
        // read by its own decoder.
        std::string bytes = probe::ReadBytes(path);
        const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
        if (r.path.ends_with(".jpg")) {
            EXPECT_TRUE(LoadPixmapJPEG(data, bytes.size()));
            EXPECT_EQ(probe::JpegFrameMarker(bytes), 0xC0);
        } else {
            EXPECT_TRUE(LoadPixmapPNG(data, bytes.size()));
            EXPECT_EQ(probe::PngBitDepth(bytes), 8);
        }
    }
}

TEST_F(GeneratedPictures, BothLoadFoldersExistWithTheirExactCase) {
    for (const char* path :
         {"media/Load/Logo.jpg", "media/Load/Logo2.jpg", "media/load/loading.jpg",
          "media/load/loading-bar.png", "media/mainmenu/logoA.png", "media/comics/Scene-1.jpg"})
        EXPECT_TRUE(Pixels(path)) << path;
}

// Pixel tests read the colour of transparent pixels too, so a transparent
// pixel is 0,0,0,0 and not a colour with no alpha.
TEST_F(GeneratedPictures, TransparentPixelsAreAllZero) {
    for (const Required& r : RequiredPictures()) {
        if (r.path.ends_with(".jpg")) continue;
        Ref<TPixmap> p = Pixels(r.path);
        ASSERT_TRUE(p) << r.path;
        size_t bad = 0;
        for (int y = 0; y < p->height; ++y)
            for (int x = 0; x < p->width; ++x) {
                uint32_t argb = uint32_t(p->ReadPixel(x, y));
                if ((argb >> 24) == 0 && argb != 0) ++bad;
            }
        EXPECT_EQ(bad, 0u) << r.path;
    }
}

// A painter that leaves its drawing context broken loses every frame drawn
// after it, so no cell of a sheet may come out empty.
TEST_F(GeneratedPictures, EveryFrameOfASheetShowsSomething) {
    for (const Required& r : RequiredPictures()) {
        if (r.frames <= 0 || r.path.ends_with(".jpg")) continue;
        Ref<TPixmap> p = Pixels(r.path);
        ASSERT_TRUE(p) << r.path;
        int columns = p->width / r.cell_width;
        for (int f = 0; f < r.frames; ++f) {
            int left = r.cell_width * (f % columns), top = r.cell_height * (f / columns);
            int visible = 0;
            for (int y = top; y < top + r.cell_height; ++y)
                for (int x = left; x < left + r.cell_width; ++x) visible += Alpha(p, x, y) > 0;
            EXPECT_GT(visible, 0) << r.path << " frame " << f;
        }
    }
}

TEST_F(GeneratedPictures, TransitionCornersCoverTheirTriangleOnly) {
    struct Corner {
        const char* path;
        int covered_x, covered_y, clear_x, clear_y;
    } corners[] = {{"media/screenfade/topleft.png", 20, 20, 490, 490},
                   {"media/screenfade/topright.png", 491, 20, 21, 490},
                   {"media/screenfade/bottomleft.png", 20, 491, 490, 21},
                   {"media/screenfade/bottomright.png", 491, 491, 21, 21}};
    for (const Corner& c : corners) {
        Ref<TPixmap> p = Pixels(c.path);
        ASSERT_TRUE(p) << c.path;
        EXPECT_EQ(Alpha(p, c.covered_x, c.covered_y), 255) << c.path;
        EXPECT_EQ(Alpha(p, c.clear_x, c.clear_y), 0) << c.path;
    }
}

// The title logo and the sign get sparkles only where the lowest byte of
// ReadPixel (blue) is above 128, and their reveal only spans columns with
// pixels of alpha 2 or more.
TEST_F(GeneratedPictures, LogoAndSignHaveSparklingPixels) {
    for (const char* path : {"media/mainmenu/logo.png", "media/mainmenu/logoA.png"}) {
        Ref<TPixmap> p = Pixels(path);
        ASSERT_TRUE(p) << path;
        int sparkling = 0;
        for (int y = 0; y < p->height; ++y)
            for (int x = 0; x < p->width; ++x) {
                int argb = p->ReadPixel(x, y);
                if (Alpha(p, x, y) >= 2 && (argb & 255) > 128) ++sparkling;
            }
        EXPECT_GT(sparkling, 500) << path;
    }
}

TEST_F(GeneratedPictures, PivotsAndTipsSitWhereTheCodeDrawsThem) {
    // the clock hand points up from the picture's centre
    Ref<TPixmap> hand = Pixels("media/game/timer-hand.png");
    ASSERT_TRUE(hand);
    EXPECT_GT(Alpha(hand, 8, 10), 128);
    EXPECT_GT(Alpha(hand, 8, 28), 128);
    EXPECT_EQ(Alpha(hand, 8, 50), 0);
    // the tutorial arrow's tip is its top centre
    Ref<TPixmap> arrow = Pixels("media/tutorial/arrow.png");
    EXPECT_GT(Alpha(arrow, 20, 3), 0);
    EXPECT_EQ(Alpha(arrow, 3, 3), 0);
    // cursors: the arrow's tip is (5, 0), the finger's tip (8, 2)
    EXPECT_GT(Alpha(Pixels("media/gui/pointer.png"), 5, 1), 0);
    EXPECT_GT(Alpha(Pixels("media/gui/pointerhand.png"), 8, 2), 0);
    // the cobweb strand starts at its left middle
    EXPECT_GT(Alpha(Pixels("media/game/cobweb.png"), 1, 12), 0);
    // the bottle's neck is 41 px: narrow above, wide below
    Ref<TPixmap> mask = Pixels("media/game/quotabottlemask.png");
    EXPECT_EQ(Alpha(mask, 20, 30), 0);
    EXPECT_GT(Alpha(mask, 20, 150), 0);
}

std::array<int, 3> Rgb(const Ref<TPixmap>& p, int x, int y) {
    int argb = p->ReadPixel(x, y);
    return {argb >> 16 & 255, argb >> 8 & 255, argb & 255};
}

double Luma(const std::array<int, 3>& c) {
    return 0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2];
}

// Each colour sheet as the board loads it: 25 flip frames of 52 x 52. The
// flip keeps the colour visible in every frame, and frame 0, which
// unreachable pieces show at 80/255, keeps each colour's own hue and a
// symbol that stands out from the tile around it.
TEST_F(GeneratedPictures, PieceColoursStayDistinctAndReadableWhenDarkened) {
    std::vector<std::array<double, 3>> means;
    for (int c = 0; c < 8; ++c) {
        const PieceColour& pc = PieceColourAt(c);
        Ref<TImage> sheet = LoadGameFramedImage(
            wispwood::test::GamePath(std::string("media/blocks/big/") + pc.name + ".png"), 52, 52, 0, 25);
        ASSERT_TRUE(sheet) << pc.name;
        for (int frame = 0; frame < 25; ++frame) {
            Ref<TPixmap> p = LockImage(sheet, frame);
            int coloured = 0;
            for (int y = 0; y < 52; ++y)
                for (int x = 0; x < 52; ++x) {
                    auto rgb = Rgb(p, x, y);
                    int hi = std::max({rgb[0], rgb[1], rgb[2]}), lo = std::min({rgb[0], rgb[1], rgb[2]});
                    if (Alpha(p, x, y) > 200 && hi - lo > 60) ++coloured;
                }
            EXPECT_GT(coloured, 40) << pc.name << " frame " << frame; // even edge-on
        }
        Ref<TPixmap> first = LockImage(sheet, 0);
        std::array<double, 3> sum{0, 0, 0};
        double lo = 255, hi = 0;
        int n = 0;
        for (int y = 8; y < 42; ++y)
            for (int x = 8; x < 42; ++x) {
                auto rgb = Rgb(first, x, y);
                for (int k = 0; k < 3; ++k) sum[k] += rgb[k] * 80.0 / 255;
                double l = Luma(rgb) * 80 / 255;
                lo = std::min(lo, l), hi = std::max(hi, l);
                ++n;
            }
        for (double& s : sum) s /= n;
        means.push_back(sum);
        EXPECT_GT(hi - lo, 30) << pc.name << ": the symbol does not stand out when darkened";
    }
    for (int a = 0; a < 8; ++a)
        for (int b = a + 1; b < 8; ++b) {
            double d =
                std::hypot(means[a][0] - means[b][0], means[a][1] - means[b][1], means[a][2] - means[b][2]);
            EXPECT_GT(d, 6) << PieceColourAt(a).name << " vs " << PieceColourAt(b).name;
        }
}

TEST_F(GeneratedPictures, NamesTheDataFilesMayUseExist) {
    std::ifstream in(wispwood::test::SourcePath("data/media-names.txt"));
    std::string line;
    int named = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string word;
        while (words >> word)
            if (word.rfind("media/", 0) == 0) {
                EXPECT_TRUE(Pixels(word)) << word;
                ++named;
            }
    }
    EXPECT_GE(named, 30);
}

TEST(Pictures, TreeStaysWithinItsSizeBudget) {
    int64_t total = 0;
    for (const Required& r : RequiredPictures()) total += FileSize(wispwood::test::GamePath(r.path));
    EXPECT_LT(total, 25 * 1024 * 1024);
}

} // namespace
} // namespace wispwood::mediagen
