// The scene list's reading rules, the location to scene mapping, the
// picture cache with its jpg fallback, and drawing a scene.
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_system.h"
#include "engine/io/memory_stream.h"
#include "framework/draw_state/draw_state.h"
#include "game/adventure/background.h"
#include "game/adventure/spot_levels.h"
#include "game/app/world_reset.h"
#include "game/services/start_flags.h"
#include "tests/support/headless_display.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class Backgrounds_ : public ::testing::Test {
  protected:
    void SetUp() override { ResetWorld(); }
    void TearDown() override {
        ResetWorld();
        LowDetail = 0;
        CurrentSpotIndex = 0;
    }
    static void Read(const Text& text) { ReadBackgrounds(New<TMemoryStream>(text)); }
};

TEST_F(Backgrounds_, EveryLineIsDecidedByTheFirstKeywordItContainsAnywhere) {
    Read("scale=9\n" // before any header: no scene to set
         "[level3]\n"
         "alpha=1\n" // before any object: ignored
         "image=media/bg/three.png\n"
         "mid=media/cut/rock.png\n"
         "pos=12.5,-40\n"
         "the alpha=0.25=0.9\n" // the value ends at the next "="
         "rotation=-6\n"
         "  scale=1.5\n"
         "brightness=1.33\n"
         "xflip=1\n"
         "additive=1\n"
         "mid=media/cut/imagefern.png\n" // "image" is tried before "mid"
         "mid=media/cut/leaf.png\n"
         "pos=7\n"
         "yflip=0\n"
         "scale\n" // no "=": no value
         "nothing here=3\n");
    Ref<Background> scene = Backgrounds[2];
    ASSERT_TRUE(scene);
    EXPECT_EQ(scene->BackgroundPath, "media/cut/imagefern.png");
    ASSERT_EQ(scene->Objects.size(), 2u);
    const BackgroundObject& rock = *scene->Objects[0];
    EXPECT_EQ(rock.Path, "media/cut/rock.png");
    EXPECT_FLOAT_EQ(rock.x, 12.5f);
    EXPECT_FLOAT_EQ(rock.y, -40);
    EXPECT_FLOAT_EQ(rock.alpha, 0.25f);
    EXPECT_FLOAT_EQ(rock.rotation, -6);
    EXPECT_FLOAT_EQ(rock.Scale, 1.5f);
    EXPECT_FLOAT_EQ(rock.brightness, 1.33f);
    EXPECT_EQ(rock.xflip, -1);
    EXPECT_EQ(rock.yflip, 0); // never named: no extent
    EXPECT_EQ(rock.additive, 1);
    const BackgroundObject& leaf = *scene->Objects[1];
    EXPECT_FLOAT_EQ(leaf.x, 7);
    EXPECT_FLOAT_EQ(leaf.y, 0);
    EXPECT_EQ(leaf.yflip, 1);
    EXPECT_FLOAT_EQ(leaf.Scale, 0);
    for (int i = 0; i < BackgroundCount; ++i)
        EXPECT_TRUE(i == 2 || !Backgrounds[i]) << i;
}

TEST_F(Backgrounds_, AHeaderTakesAllItsDigitsAndOneOutsideTheTableSetsNothing) {
    Read("[level 7 of 2]\nimage=seventytwo.png\n"
         "[level100]\nimage=dawn.png\n"
         "[level0]\nimage=zero.png\nmid=x.png\n"
         "[level101]\nimage=past.png\n"
         "[level99999999999999]\nimage=huge.png\n");
    ASSERT_TRUE(Backgrounds[71]);
    EXPECT_EQ(Backgrounds[71]->BackgroundPath, "seventytwo.png");
    ASSERT_TRUE(Backgrounds[99]);
    // The lines under the bad headers leave the scene above them alone.
    EXPECT_EQ(Backgrounds[99]->BackgroundPath, "dawn.png");
    EXPECT_TRUE(Backgrounds[99]->Objects.empty());
    int scenes = 0;
    for (const auto& scene : Backgrounds) scenes += scene ? 1 : 0;
    EXPECT_EQ(scenes, 2);
}

TEST_F(Backgrounds_, LocationsUseTheirHeaderAndTheLastWrapsToTheFirst) {
    EXPECT_EQ(BackgroundIndexForLocation(0), 0);
    EXPECT_EQ(BackgroundIndexForLocation(98), 98);
    EXPECT_EQ(BackgroundIndexForLocation(99), 0);
}

TEST_F(Backgrounds_, TheGeneratedSceneListNamesEveryLocationsScene) {
    test::WorkingFolder game(test::GamePath(""));
    ASSERT_TRUE(game.Entered());
    LoadBackgrounds();
    for (int i = 0; i < BackgroundCount; ++i) {
        ASSERT_TRUE(Backgrounds[i]) << "header " << i + 1;
        EXPECT_FALSE(Backgrounds[i]->BackgroundPath.empty()) << "header " << i + 1;
    }
}

class BackgroundDrawing : public test::HeadlessDisplayTest {
  protected:
    test::TempDir dir;
    void SetUp() override {
        test::HeadlessDisplayTest::SetUp();
        TDrawState::Reset();
        ResetWorld();
    }
    void TearDown() override {
        ResetWorld();
        LowDetail = 0;
        CurrentSpotIndex = 0;
    }
    Text Picture(const Text& name, int w, int h, int argb) {
        const Text path = dir.File(name);
        EXPECT_EQ(SavePixmapPNG(test::SolidPixmap(w, h, argb), path), 1);
        return path;
    }
    static int At(int x, int y) { return ReadPixel(test::GrabScreen(), x, y) & 0xffffff; }
    // A scene of a dark backdrop with one white square at (100, 100).
    Ref<Background> Scene() {
        auto scene = New<Background>();
        scene->BackgroundPath = Picture("backdrop.png", 800, 600, static_cast<int>(0xff102030u));
        auto square = New<BackgroundObject>();
        square->Path = Picture("square.png", 20, 20, static_cast<int>(0xffffffffu));
        square->x = square->y = 100;
        square->alpha = square->Scale = square->brightness = 1;
        square->xflip = square->yflip = 1;
        scene->Objects.push_back(square);
        return scene;
    }
    static void Clear() {
        SetClsColor(0, 0, 0);
        Cls();
    }
};

TEST_F(BackgroundDrawing, APictureIsLoadedOnceAndAMissingPngFallsBackToItsJpg) {
    // A PNG file stored under the jpg name stands in for the jpg.
    ASSERT_EQ(SavePixmapPNG(test::SolidPixmap(30, 10, static_cast<int>(0xff00ff00u)), dir.File("moss.jpg")),
              1);
    Ref<TImage> image = LoadCachedImage(dir.File("moss.png"));
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageWidth(image), 30);
    EXPECT_EQ(LoadCachedImage(dir.File("moss.png")), image);
    EXPECT_EQ(BackgroundImages.size(), 1u);
    EXPECT_FALSE(LoadCachedImage(dir.File("none.png")));
    EXPECT_FALSE(LoadCachedImage(""));
}

TEST_F(BackgroundDrawing, CutOutsAreGreyAtBrightnessOneAndLeftOutInLowDetail) {
    Ref<Background> scene = Scene();
    Clear();
    scene->Render();
    EXPECT_EQ(At(5, 5), 0x102030);
    EXPECT_EQ(At(110, 110), 0xc0c0c0);
    EXPECT_EQ(At(795, 595), 0x102030);

    scene->Objects[0]->brightness = 1.33f;
    Clear();
    scene->Render();
    EXPECT_EQ(At(110, 110), 0xffffff);

    LowDetail = 1;
    Clear();
    scene->Render();
    EXPECT_EQ(At(110, 110), 0x102030);
}

TEST_F(BackgroundDrawing, ALocationWhosePictureIsMissingStaysOnThePlainBackdrop) {
    auto scene = New<Background>();
    scene->BackgroundPath = dir.File("gone.png");
    auto cut = New<BackgroundObject>();
    cut->Path = dir.File("gone-too.png");
    cut->alpha = cut->Scale = cut->brightness = 1;
    cut->xflip = cut->yflip = 1;
    scene->Objects.push_back(cut);
    Backgrounds[0] = scene;
    CurrentSpotIndex = 99; // wraps to the first scene
    Clear();
    RenderLocationBackground();
    EXPECT_EQ(scene->Cached, 1);
    EXPECT_EQ(At(400, 300), 0);
    CurrentSpotIndex = 5; // no scene at all
    RenderLocationBackground();
    EXPECT_EQ(At(400, 300), 0);
}

} // namespace
} // namespace wispwood
