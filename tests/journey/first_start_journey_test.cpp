// A first start as a player makes it, with real input: the program runs on
// a virtual X display with an empty per-user folder. The logos are skipped
// with a key, a first profile is typed, play is pressed (a new player goes
// straight into the first location), the level is left through the pause
// menu and the game is quit from the main menu. The player then comes back
// as one who has reached the quest map: play is pressed with the keys this
// time and the map opens, location 0 is started from it, paused, the music
// is turned down in the options and the level is left. Each step's screen is compared with a golden picture, and
// the files the runs leave behind are checked.
//
// The journey waits for what it will see next rather than for a fixed time:
// it looks at the screen again and again until the step's picture is there
// (or a generous time has passed), so a quick machine runs through it and a
// loaded one only takes longer.
#include "engine/draw/pixmap_loader.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "tests/support/golden_image.h"
#include "tests/support/paths.h"
#include "tests/support/program_run.h"
#include "tests/support/x_session.h"
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace wispwood {
namespace {

using test::WaitSeconds;

struct Area {
    int x, y, width, height;
};

// Where each step's screen holds still: dialogs, buttons and panels. The
// board's pieces, the beams, the dust and the fireflies move or are dealt
// at random, so they stay outside the areas or within the tolerance.
constexpr Area kMenuButtons{290, 195, 220, 225};
constexpr Area kGamePanel{665, 0, 135, 300};
constexpr Area kDialog{205, 85, 390, 425};
constexpr Area kOptions{205, 45, 390, 510}; // the options dialog is taller
constexpr Area kMapTitle{180, 20, 440, 60};
constexpr Area kMapFooter{0, 500, 560, 100};

class Journey : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string missing = test::MissingXTools();
        if (!missing.empty()) GTEST_SKIP() << missing;
        display_ = std::make_unique<test::VirtualDisplay>();
        if (!display_->Ready()) GTEST_SKIP() << "Xvfb did not start a display";
        player_ = std::make_unique<test::XPlayer>(display_->Name());
    }
    void TearDown() override {
        if (game_ > 0) {
            kill(game_, SIGKILL);
            test::WaitFor(game_, 5);
        }
    }

    // The program on the display, through its two logos (each skipped by a
    // key); the loading screen follows.
    void Launch() {
        game_ = test::LaunchGame({"DISPLAY=" + display_->Name(), "SDL_VIDEODRIVER=x11",
                                  "SDL_AUDIODRIVER=dummy", "XDG_DATA_HOME=" + user_.Path()},
                                 {});
        ASSERT_GT(game_, 0);
        WaitSeconds(3);
        player_->Key("space");
        WaitSeconds(3);
        player_->Key("space");
    }

    static test::GoldenTolerance Tolerance(Area area) { return {48, area.width * area.height * 6 / 100}; }
    Ref<TPixmap> ScreenIn(Area area) const {
        Ref<TPixmap> screen = player_->Screenshot();
        return screen ? test::CropPixmap(screen, area.x, area.y, area.width, area.height) : nullptr;
    }

    // Waits until the step's picture shows, at most the given time; whether
    // it did. The screen is looked at again and again. Pixels that change colour noticeably
    // count as different; a few percent of the area may (sparkles and
    // fireflies pass through everything).
    bool Shows(const char* name, Area area, double seconds) {
        player_->MoveTo(790, 590); // no hover glow on the buttons
        const Ref<TPixmap> golden =
            LoadPixmap(test::SourcePath(Text("tests/fixtures/golden/journey-") + name + ".png"));
        if (!golden) return true; // Step reports it (and writes it when asked to)
        const test::GoldenTolerance tolerance = Tolerance(area);
        for (double waited = 0; waited < seconds; waited += 0.5) {
            Ref<TPixmap> now = ScreenIn(area);
            const int differing =
                now ? test::CountDifferingPixels(now, golden, tolerance.channelThreshold) : -1;
            if (differing >= 0 && differing <= tolerance.maxDifferingPixels) return true;
            WaitSeconds(0.5);
        }
        return false;
    }

    // The step's picture, once it shows (up to a generous minute: a loaded
    // machine draws slowly), against its golden picture.
    void Step(const char* name, Area area) {
        Shows(name, area, 60);
        // The picture settles a moment more: a fade may still be ending.
        WaitSeconds(0.5);
        Ref<TPixmap> screen = ScreenIn(area);
        ASSERT_TRUE(screen) << "no screenshot at " << name;
        EXPECT_TRUE(test::MatchesGolden(screen, Text("journey-") + name, Tolerance(area)));
    }

    // Exit, then yes: the menu fades out and the program ends. Asked again
    // if the first answer came before the dialog was there.
    void QuitFromMainMenu() {
        int status = -1;
        for (int attempt = 0; attempt < 2 && status == -1; ++attempt) {
            player_->Click(400, 401);
            WaitSeconds(3);
            player_->Click(330, 329);
            for (int i = 0; i < 200 && status == -1; ++i) {
                int st = 0;
                if (waitpid(game_, &st, WNOHANG) == game_) status = st;
                WaitSeconds(0.1);
            }
        }
        if (status == -1) status = test::WaitFor(game_, 1);
        game_ = -1;
        ASSERT_NE(status, -1) << "the game did not end after quitting from the main menu";
        ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }

    void LeaveLevelThroughPause() {
        player_->Key("Escape");
        Shows("pause", kDialog, 20);
        player_->Click(400, 317); // exit level
        WaitSeconds(1.5);
        player_->Click(330, 415); // yes
    }

    Text Folder() const { return user_.Path() + "/Wispwood/"; }

    std::unique_ptr<test::VirtualDisplay> display_;
    std::unique_ptr<test::XPlayer> player_;
    test::TempDir user_;
    pid_t game_ = -1;
};

TEST_F(Journey, AFirstStartAndAReturnToTheMapLeaveTheirFilesAndScreens) {
    Launch();
    // The first-profile dialog takes the name; Enter confirms it. Typed
    // again while loading is still running: in the menu the keys do nothing.
    bool menu = false;
    for (int i = 0; i < 12 && !menu; ++i) {
        player_->Type("ivy");
        WaitSeconds(0.5);
        player_->Key("Return");
        menu = Shows("menu", kMenuButtons, 5);
    }
    Step("menu", kMenuButtons);
    player_->Click(400, 225); // play
    Step("first-level", kGamePanel);
    LeaveLevelThroughPause();
    Shows("menu", kMenuButtons, 30);
    ASSERT_NO_FATAL_FAILURE(QuitFromMainMenu());

    Text config, profiles;
    ASSERT_TRUE(LoadText(Folder() + "config.txt", config));
    EXPECT_EQ(config.substr(0, 4), "[]\r\n");
    EXPECT_NE(config.find("soundvolume = 1.0\r\n"), Text::npos);
    EXPECT_NE(config.find("musicvolume = 0.8\r\n"), Text::npos);
    ASSERT_TRUE(LoadText(Folder() + "playerprofiles.txt", profiles));
    EXPECT_NE(profiles.find("name = Ivy\r\n"), Text::npos) << profiles;
    EXPECT_NE(profiles.find("current = 1\r\n"), Text::npos);
    // Ten default entries: a count, then per entry a score, a name and an
    // empty extra text.
    EXPECT_GT(FileSize(Folder() + "highscores.dat"), 4 + 10 * 12);

    // Back as a player who has won the first location: play opens the map.
    const size_t unplayed = profiles.find("currentadventure = 0\r\n");
    ASSERT_NE(unplayed, Text::npos);
    profiles[unplayed + 19] = '1';
    ASSERT_EQ(SaveText(Folder() + "playerprofiles.txt", profiles), 1);
    Launch();
    Shows("menu", kMenuButtons, 60);
    // Play with the keys this time: the first arrow brings the cursor up on
    // play, Return presses it.
    player_->Key("Down");
    WaitSeconds(0.5);
    player_->Key("Return");
    Step("map-title", kMapTitle);
    Step("map-footer", kMapFooter);
    player_->Click(47, 477); // location 0's spot
    Step("level", kGamePanel);
    player_->Key("Escape");
    Step("pause", kDialog);
    player_->Click(400, 189); // options
    Step("options", kOptions);
    player_->Drag(443, 419, 350, 419); // the music slider's knob, to the left
    Step("options-music-down", kOptions);
    player_->Click(298, 495); // ok
    Shows("pause", kDialog, 20);
    player_->Click(400, 317); // exit level
    WaitSeconds(1.5);
    player_->Click(330, 415); // yes
    Shows("menu", kMenuButtons, 30);
    ASSERT_NO_FATAL_FAILURE(QuitFromMainMenu());

    ASSERT_TRUE(LoadText(Folder() + "config.txt", config));
    const size_t at = config.find("musicvolume = ");
    ASSERT_NE(at, Text::npos) << config;
    const double music = std::stod(config.substr(at + 14));
    EXPECT_LT(music, 0.7) << "the lowered music volume was not kept";
    EXPECT_GT(music, 0.2);
    ASSERT_TRUE(LoadText(Folder() + "playerprofiles.txt", profiles));
    EXPECT_NE(profiles.find("name = Ivy\r\n"), Text::npos) << profiles;
}

} // namespace
} // namespace wispwood
