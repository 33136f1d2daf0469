// The generated picture tree: every file the game loads exists under its exact
// name, decodes, and has the size and frame layout the game's code relies on.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "tests/support/paths.h"
#include "tests/tools/mediagen/decode.h"
#include "tools/mediagen/core/style.h"

namespace wispwood::mediagen {
namespace {

using test::Decoded;
using test::DecodePicture;

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

Decoded Load(const std::string& path) {
    return DecodePicture(wispwood::test::GamePath(path));
}

TEST(Pictures, EveryRequiredPictureDecodesWithItsGeometry) {
    std::vector<Required> list = RequiredPictures();
    ASSERT_GE(list.size(), 230u);
    for (const Required& r : list) {
        SCOPED_TRACE(r.path);
        Decoded d = Load(r.path);
        ASSERT_TRUE(d.ok);
        bool jpeg_name = r.path.size() > 4 && r.path.substr(r.path.size() - 4) == ".jpg";
        EXPECT_EQ(d.png, !jpeg_name);
        if (d.png)
            EXPECT_EQ(d.bit_depth, 8);
        else
            EXPECT_FALSE(d.progressive);
        EXPECT_EQ(d.raster.width, r.width);
        EXPECT_EQ(d.raster.height, r.height);
        if (r.frames > 0) {
            // the loader cuts row by row and fails when the grid holds too few cells
            int cells = (d.raster.width / r.cell_width) * (d.raster.height / r.cell_height);
            EXPECT_GE(cells, r.frames);
            EXPECT_LE(r.cell_width, 512);
            EXPECT_LE(r.cell_height, 512);
        }
    }
}

TEST(Pictures, BothLoadFoldersExistWithTheirExactCase) {
    for (const char* path :
         {"media/Load/Logo.jpg", "media/Load/Logo2.jpg", "media/load/loading.jpg",
          "media/load/loading-bar.png", "media/mainmenu/logoA.png", "media/comics/Scene-1.jpg"})
        EXPECT_TRUE(Load(path).ok) << path;
}

TEST(Pictures, TransparentPixelsAreAllZero) {
    for (const Required& r : RequiredPictures()) {
        Decoded d = Load(r.path);
        if (!d.png) continue;
        size_t bad = 0;
        for (size_t i = 0; i < d.raster.rgba.size(); i += 4)
            if (d.raster.rgba[i + 3] == 0 && (d.raster.rgba[i] | d.raster.rgba[i + 1] | d.raster.rgba[i + 2]))
                ++bad;
        EXPECT_EQ(bad, 0u) << r.path;
    }
}

int Alpha(const Raster& r, int x, int y) {
    return r.At(x, y)[3];
}

TEST(Pictures, TransitionCornersCoverTheirTriangleOnly) {
    struct Corner {
        const char* path;
        int covered_x, covered_y, clear_x, clear_y;
    } corners[] = {{"media/screenfade/topleft.png", 20, 20, 490, 490},
                   {"media/screenfade/topright.png", 491, 20, 21, 490},
                   {"media/screenfade/bottomleft.png", 20, 491, 490, 21},
                   {"media/screenfade/bottomright.png", 491, 491, 21, 21}};
    for (const Corner& c : corners) {
        Decoded d = Load(c.path);
        ASSERT_TRUE(d.ok) << c.path;
        EXPECT_EQ(Alpha(d.raster, c.covered_x, c.covered_y), 255) << c.path;
        EXPECT_EQ(Alpha(d.raster, c.clear_x, c.clear_y), 0) << c.path;
    }
}

// The title logo and the sign get sparkles only where the blue byte is above 128.
TEST(Pictures, LogoAndSignHaveSparklingPixels) {
    for (const char* path : {"media/mainmenu/logo.png", "media/mainmenu/logoA.png"}) {
        Decoded d = Load(path);
        ASSERT_TRUE(d.ok);
        int sparkling = 0;
        for (size_t i = 0; i < d.raster.rgba.size(); i += 4)
            if (d.raster.rgba[i + 3] >= 2 && d.raster.rgba[i + 2] > 128) ++sparkling;
        EXPECT_GT(sparkling, 500) << path;
    }
}

TEST(Pictures, PivotsAndTipsSitWhereTheCodeDrawsThem) {
    // the clock hand points up from the picture's centre
    Decoded hand = Load("media/game/timer-hand.png");
    ASSERT_TRUE(hand.ok);
    EXPECT_GT(Alpha(hand.raster, 8, 10), 128);
    EXPECT_GT(Alpha(hand.raster, 8, 28), 128);
    EXPECT_EQ(Alpha(hand.raster, 8, 50), 0);
    // the tutorial arrow's tip is its top centre
    Decoded arrow = Load("media/tutorial/arrow.png");
    EXPECT_GT(Alpha(arrow.raster, 20, 3), 0);
    EXPECT_EQ(Alpha(arrow.raster, 3, 3), 0);
    // cursors: the arrow's tip is (5, 0), the finger's tip (8, 2)
    EXPECT_GT(Alpha(Load("media/gui/pointer.png").raster, 5, 1), 0);
    EXPECT_GT(Alpha(Load("media/gui/pointerhand.png").raster, 8, 2), 0);
    // the cobweb strand starts at its left middle
    EXPECT_GT(Alpha(Load("media/game/cobweb.png").raster, 1, 12), 0);
    // the bottle's neck is 41 px: narrow above, wide below
    Decoded mask = Load("media/game/quotabottlemask.png");
    EXPECT_EQ(Alpha(mask.raster, 20, 30), 0);
    EXPECT_GT(Alpha(mask.raster, 20, 150), 0);
}

double Luma(const uint8_t* p) {
    return 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2];
}

// Frame 0 is what unreachable pieces show at 80/255: every colour must keep
// its own hue there, and its symbol must stand out from the tile around it.
TEST(Pictures, PieceColoursStayDistinctAndReadableWhenDarkened) {
    std::vector<std::array<double, 3>> means;
    for (int c = 0; c < 8; ++c) {
        const PieceColour& pc = PieceColourAt(c);
        Decoded d = Load(std::string("media/blocks/big/") + pc.name + ".png");
        ASSERT_TRUE(d.ok);
        for (int frame = 0; frame < 25; ++frame) {
            int ox = (frame % 5) * 52, oy = (frame / 5) * 52;
            int coloured = 0;
            for (int y = 0; y < 52; ++y)
                for (int x = 0; x < 52; ++x) {
                    const uint8_t* p = d.raster.At(ox + x, oy + y);
                    int hi = std::max({p[0], p[1], p[2]}), lo = std::min({p[0], p[1], p[2]});
                    if (p[3] > 200 && hi - lo > 60) ++coloured;
                }
            EXPECT_GT(coloured, 40) << pc.name << " frame " << frame; // even edge-on
        }
        std::array<double, 3> sum{0, 0, 0};
        double lo = 255, hi = 0;
        int n = 0;
        for (int y = 8; y < 42; ++y)
            for (int x = 8; x < 42; ++x) {
                const uint8_t* p = d.raster.At(x, y);
                for (int k = 0; k < 3; ++k) sum[k] += p[k] * 80.0 / 255;
                double l = Luma(p) * 80 / 255;
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

TEST(Pictures, NamesTheDataFilesMayUseExist) {
    std::ifstream in(wispwood::test::SourcePath("data/media-names.txt"));
    std::string line;
    int named = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string word;
        while (words >> word)
            if (word.rfind("media/", 0) == 0) {
                EXPECT_TRUE(Load(word).ok) << word;
                ++named;
            }
    }
    EXPECT_GE(named, 30);
}

TEST(Pictures, TreeStaysWithinItsSizeBudget) {
    uint64_t total = 0;
    for (const Required& r : RequiredPictures())
        total += test::ReadBytes(wispwood::test::GamePath(r.path)).size();
    EXPECT_LT(total, 25u * 1024 * 1024);
}

} // namespace
} // namespace wispwood::mediagen
