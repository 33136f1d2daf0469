// A first start as a player makes it, with real input: the program runs on
// a virtual X display with an empty per-user folder; the logos are skipped
// with a key, a first profile is typed, play is pressed, the level is left
// through the pause menu and the game is quit from the main menu. The
// files the run must leave behind are checked afterwards.
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "tests/support/paths.h"
#include "tests/support/program_run.h"
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace wispwood {
namespace {

void Wait(double seconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(seconds * 1000)));
}

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// A virtual X server on a display number of its own, ended with the object.
class VirtualDisplay {
  public:
    explicit VirtualDisplay(const std::string& xvfb) {
        for (int n = 170 + static_cast<int>(getpid() % 50); n < 260; ++n) {
            if (Exists("/tmp/.X11-unix/X" + std::to_string(n)) ||
                Exists("/tmp/.X" + std::to_string(n) + "-lock"))
                continue;
            number_ = n;
            break;
        }
        if (number_ < 0) return;
        pid_ = test::Launch(xvfb, "", {}, {Name(), "-screen", "0", "800x600x24", "-nolisten", "tcp"});
        for (int i = 0; i < 100 && pid_ > 0; ++i) {
            if (Exists("/tmp/.X11-unix/X" + std::to_string(number_))) return;
            Wait(0.1);
        }
    }
    ~VirtualDisplay() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        test::WaitFor(pid_, 10);
    }
    bool Ready() const { return pid_ > 0 && Exists("/tmp/.X11-unix/X" + std::to_string(number_)); }
    std::string Name() const { return ":" + std::to_string(number_); }

  private:
    int number_ = -1;
    pid_t pid_ = -1;
};

class Player {
  public:
    Player(std::string xdotool, std::string display)
        : xdotool_(std::move(xdotool)), display_(std::move(display)) {}
    void Do(const std::vector<std::string>& args) const {
        pid_t pid = test::Launch(xdotool_, "", {"DISPLAY=" + display_}, args);
        ASSERT_GT(pid, 0);
        test::WaitFor(pid, 10);
    }
    void Key(const std::string& key) const { Do({"key", key}); }
    void Type(const std::string& text) const { Do({"type", "--delay", "120", text}); }
    void Click(int x, int y) const {
        Do({"mousemove", std::to_string(x), std::to_string(y)});
        Wait(0.3);
        Do({"click", "1"});
    }

  private:
    std::string xdotool_, display_;
};

TEST(FirstStartJourney, AFirstProfileAPlayAndAQuitLeaveTheirFiles) {
    const std::string xvfb = test::FindOnPath("Xvfb"), xdotool = test::FindOnPath("xdotool");
    if (xvfb.empty() || xdotool.empty())
        GTEST_SKIP() << "needs Xvfb and xdotool on PATH to drive the game with real input";
    VirtualDisplay display(xvfb);
    if (!display.Ready()) GTEST_SKIP() << "Xvfb did not start a display";
    test::TempDir user;
    pid_t game = test::LaunchGame({"DISPLAY=" + display.Name(), "SDL_VIDEODRIVER=x11",
                                   "SDL_AUDIODRIVER=dummy", "XDG_DATA_HOME=" + user.Path()},
                                  {});
    ASSERT_GT(game, 0);
    Player player(xdotool, display.Name());

    // The waits are generous: other tests may be running beside this one.
    // Two logos, each skipped by a key; then the loading screen.
    Wait(3);
    player.Key("space");
    Wait(3);
    player.Key("space");
    Wait(30);
    // The first-profile dialog takes the name; Enter confirms it. Typed a
    // second time in case loading was still running: in the menu the keys
    // do nothing.
    for (int i = 0; i < 2; ++i) {
        player.Type("ivy");
        Wait(0.5);
        player.Key("Return");
        Wait(8);
    }
    player.Click(400, 225); // play
    Wait(15);
    player.Key("Escape"); // the pause menu
    Wait(3);
    player.Click(400, 317); // exit level
    Wait(3);
    player.Click(330, 415); // yes
    Wait(8);
    // Exit, then yes: the menu fades out and the program ends. Asked again
    // if the first answer came before the dialog was there.
    int status = -1;
    for (int attempt = 0; attempt < 2 && status == -1; ++attempt) {
        player.Click(400, 401);
        Wait(3);
        player.Click(330, 329);
        for (int i = 0; i < 200 && status == -1; ++i) {
            int st = 0;
            if (waitpid(game, &st, WNOHANG) == game) status = st;
            Wait(0.1);
        }
    }
    if (status == -1) status = test::WaitFor(game, 1);
    ASSERT_NE(status, -1) << "the game did not end after quitting from the main menu";
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);

    const Text folder = user.Path() + "/Wispwood/";
    Text config, profiles;
    ASSERT_TRUE(LoadText(folder + "config.txt", config));
    EXPECT_EQ(config.substr(0, 4), "[]\r\n");
    EXPECT_NE(config.find("soundvolume = 1.0\r\n"), Text::npos);
    ASSERT_TRUE(LoadText(folder + "playerprofiles.txt", profiles));
    EXPECT_NE(profiles.find("name = Ivy\r\n"), Text::npos) << profiles;
    EXPECT_NE(profiles.find("current = 1\r\n"), Text::npos);
    // Ten default entries: a count, then per entry a score, a name and an
    // empty extra text.
    EXPECT_GT(FileSize(folder + "highscores.dat"), 4 + 10 * 12);
}

} // namespace
} // namespace wispwood
