#include "tests/support/x_session.h"
#include "engine/draw/pixmap_loader.h"
#include "tests/support/paths.h"
#include "tests/support/program_run.h"
#include <algorithm>
#include <chrono>
#include <csignal>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace wispwood::test {

namespace {

bool Exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::string Socket(int number) {
    return "/tmp/.X11-unix/X" + std::to_string(number);
}

} // namespace

void WaitSeconds(double seconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(seconds * 1000)));
}

std::string MissingXTools() {
    std::string missing;
    for (const char* tool : {"Xvfb", "xdotool", "import"})
        if (FindOnPath(tool).empty()) missing += std::string(missing.empty() ? "" : ", ") + tool;
    return missing.empty() ? "" : "needs " + missing + " on PATH to drive the game with real input";
}

VirtualDisplay::VirtualDisplay() {
    // A number away from the usual :0 and :99, and from other test runs.
    for (int n = 170 + static_cast<int>(getpid() % 50); n < 260; ++n) {
        if (Exists(Socket(n)) || Exists("/tmp/.X" + std::to_string(n) + "-lock")) continue;
        number_ = n;
        break;
    }
    if (number_ < 0) return;
    pid_ = Launch(FindOnPath("Xvfb"), "", {}, {Name(), "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    for (int i = 0; i < 100 && pid_ > 0 && !Exists(Socket(number_)); ++i) WaitSeconds(0.1);
}

VirtualDisplay::~VirtualDisplay() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    WaitFor(pid_, 10);
}

std::string VirtualDisplay::Name() const {
    std::string name = ":";
    name += std::to_string(number_);
    return name;
}

bool VirtualDisplay::Ready() const {
    return pid_ > 0 && Exists(Socket(number_));
}

XPlayer::XPlayer(std::string display) : display_(std::move(display)) {}

void XPlayer::Do(const std::vector<std::string>& args) const {
    pid_t pid = Launch(FindOnPath("xdotool"), "", {"DISPLAY=" + display_}, args);
    if (pid > 0) WaitFor(pid, 10);
}

void XPlayer::Key(const std::string& key) const {
    Do({"key", key});
}

void XPlayer::Type(const std::string& text) const {
    Do({"type", "--delay", "120", text});
}

void XPlayer::MoveTo(int x, int y) const {
    Do({"mousemove", std::to_string(x), std::to_string(y)});
}

void XPlayer::Click(int x, int y) const {
    MoveTo(x, y);
    WaitSeconds(0.3); // the game sees the pointer arrive before the press
    Do({"click", "1"});
}

void XPlayer::Drag(int x1, int y1, int x2, int y2) const {
    MoveTo(x1, y1);
    WaitSeconds(0.3);
    Do({"mousedown", "1"});
    for (int step = 1; step <= 5; ++step) {
        WaitSeconds(0.1);
        MoveTo(x1 + (x2 - x1) * step / 5, y1 + (y2 - y1) * step / 5);
    }
    WaitSeconds(0.3);
    Do({"mouseup", "1"});
}

Ref<TPixmap> XPlayer::Screenshot() const {
    TempDir folder;
    const std::string file = folder.File("screen.png");
    pid_t pid = Launch(FindOnPath("import"), "", {"DISPLAY=" + display_}, {"-window", "root", file});
    if (pid <= 0 || WaitFor(pid, 20) != 0) return nullptr;
    return LoadPixmap(file);
}

Ref<TPixmap> CropPixmap(const Ref<TPixmap>& picture, int x, int y, int width, int height) {
    if (!picture) return nullptr;
    const int x0 = std::clamp(x, 0, picture->width), y0 = std::clamp(y, 0, picture->height);
    const int x1 = std::clamp(x + width, x0, picture->width),
              y1 = std::clamp(y + height, y0, picture->height);
    Ref<TPixmap> part = TPixmap::Create(x1 - x0, y1 - y0, PF_RGBA8888);
    for (int row = y0; row < y1; ++row)
        for (int column = x0; column < x1; ++column)
            part->WritePixel(column - x0, row - y0, picture->ReadPixel(column, row));
    return part;
}

} // namespace wispwood::test
