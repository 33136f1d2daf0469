// Plays one location's board in a window, or unattended for a number of
// frames with screenshots (the headless check runs it that way).
#include "engine/core/runtime_error.h"
#include "engine/draw/graphics.h"
#include "engine/draw/pixmap_loader.h"
#include "engine/input/clock.h"
#include "engine/io/print_line.h"
#include "engine/io/random.h"
#include "engine/io/text_convert.h"
#include "framework/scene/frame_loop.h"
#include "game/app/loader_queue.h"
#include "game/app/startup.h"
#include "game/board/game_score.h"
#include "game/board/level_set.h"
#include "tools/boardview/board_view.h"
#include "tools/boardview/location_level.h"
#include <cstdio>
#include <set>

namespace {

using namespace wispwood;

struct Options {
    int location = 4;
    int frames = 0; // 0: play in a window until Escape
    bool autoplay = false;
    int seed = kRandomStartSeed;
    Text screenshot; // prefix of the PNGs written at the shot frames
    std::set<int> shots;
};

void Usage() {
    PrintLine("Usage: boardview [--location N] [--autoplay] [--seed S]");
    PrintLine("                 [--frames N --screenshot PREFIX --shots F1,F2,...]");
    PrintLine("Runs from the game folder (build/game). Escape quits; C fires confetti;");
    PrintLine("P saves the frame shown as boardview-N.png.");
    PrintLine("With --frames the view runs that many 10 ms frames on a stepped clock,");
    PrintLine("saves PREFIX-F.png at each shot frame and prints the score.");
}

bool Parse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        Text a = argv[i];
        auto next = [&]() -> Text { return i + 1 < argc ? Text(argv[++i]) : Text(); };
        if (a == "--location") {
            o.location = TextToInt(next());
        } else if (a == "--frames") {
            o.frames = TextToInt(next());
        } else if (a == "--autoplay") {
            o.autoplay = true;
        } else if (a == "--seed") {
            o.seed = TextToInt(next());
        } else if (a == "--screenshot") {
            o.screenshot = next();
        } else if (a == "--shots") {
            Text list = next();
            size_t start = 0;
            while (start <= list.size()) {
                size_t comma = list.find(',', start);
                o.shots.insert(TextToInt(list.substr(start, comma - start)));
                if (comma == Text::npos) break;
                start = comma + 1;
            }
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!Parse(argc, argv, o)) {
        Usage();
        return 2;
    }
    try {
        Ref<TManualClock> clock;
        if (o.frames > 0) {
            clock = New<TManualClock>(100000);
            SetClock(clock);
        }
        if (!StartUp({})) {
            std::fprintf(stderr, "boardview: no display\n");
            return 1;
        }
        for (int i = 0; i < LoaderCount; ++i) RunLoadStep(i);
        Ref<Level> level = LevelFromLocation(o.location);
        if (!level) {
            std::fprintf(stderr, "boardview: no location %d in media/quest/coords.txt\n", o.location);
            return 1;
        }
        SeedRandom(o.seed);
        CurrentLevelSet = New<LevelSet>();
        CurrentLevelSet->Levels = {level};
        StartLevel(1, 0);
        auto view = New<BoardView>(o.autoplay);
        if (o.frames == 0) {
            RunGameLoop(view);
            return 0;
        }
        BeginGameLoop(view);
        for (int f = 1; f <= o.frames; ++f) {
            clock->Advance(10);
            RunFrame();
            if (o.shots.count(f) && !o.screenshot.empty())
                SavePixmapPNG(GrabPixmap(0, 0, GraphicsWidth(), GraphicsHeight()),
                              o.screenshot + "-" + IntToText(f) + ".png");
        }
        PrintLine("updates " + IntToText(view->Updates()) + " matches " + IntToText(view->Matches()) +
                  " score " + IntToText(GameScore));
        return view->Updates() > 0 ? 0 : 1;
    } catch (const RuntimeError& error) {
        std::fprintf(stderr, "boardview: %s\n", error.what());
        return 1;
    }
}
