// autoplay: plays locations with the bot and reports how they went.
//   autoplay --location N --seeds K      one location
//   autoplay --all --seeds K             every location
//   autoplay --sample --seeds K          ten locations spread over the regions
//   --master                             the master quest (half the time)
//   --fast                               clicks at the bot's quickest, no looking
//   --csv FILE, --png FILE               also write the table and the chart
//   --game DIR                           the installation folder (media/)
//   --record DIR                         also record every game, played to its end, into DIR
//   --replot CSV                         table and chart of an earlier CSV
// Exits with 1 when any seed was lost.
#include "engine/io/file_system.h"
#include "game/adventure/level_recorder.h"
#include "game/adventure/quest_spot.h"
#include "tools/autoplay/autoplay_session.h"
#include "tools/autoplay/location_report.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace wispwood;
using namespace wispwood::autoplay;

namespace {

constexpr int SampleLocations[] = {3, 9, 15, 24, 33, 47, 60, 71, 85, 99};

int Usage() {
    std::fprintf(stderr, "usage: autoplay (--location N | --all | --sample) [--seeds K] [--master] [--fast] "
                         "[--csv FILE] [--png FILE] [--game DIR] [--record DIR]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> locations;
    int seeds = 20;
    bool master = false, all = false, sample = false, fast = false;
    Text csvPath, pngPath, replotPath, recordFolder, gameFolder = WISPWOOD_GAME_DIR;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (!std::strcmp(a, "--location") && hasValue)
            locations.push_back(std::atoi(argv[++i]));
        else if (!std::strcmp(a, "--seeds") && hasValue)
            seeds = std::max(1, std::atoi(argv[++i]));
        else if (!std::strcmp(a, "--all"))
            all = true;
        else if (!std::strcmp(a, "--sample"))
            sample = true;
        else if (!std::strcmp(a, "--master"))
            master = true;
        else if (!std::strcmp(a, "--fast"))
            fast = true;
        else if (!std::strcmp(a, "--csv") && hasValue)
            csvPath = argv[++i];
        else if (!std::strcmp(a, "--png") && hasValue)
            pngPath = argv[++i];
        else if (!std::strcmp(a, "--game") && hasValue)
            gameFolder = argv[++i];
        else if (!std::strcmp(a, "--replot") && hasValue)
            replotPath = argv[++i];
        else if (!std::strcmp(a, "--record") && hasValue)
            recordFolder = argv[++i];
        else
            return Usage();
    }
    // Output paths are taken before the working folder moves to the game.
    if (!csvPath.empty()) csvPath = std::filesystem::absolute(csvPath).string();
    if (!pngPath.empty()) pngPath = std::filesystem::absolute(pngPath).string();
    if (!recordFolder.empty()) recordFolder = std::filesystem::absolute(recordFolder).string();
    if (!replotPath.empty()) {
        std::ifstream in(replotPath);
        std::stringstream text;
        text << in.rdbuf();
        std::vector<LocationRow> rows = ParseReportCsv(text.str());
        std::printf("%s", ReportTable(rows).c_str());
        if (!pngPath.empty() && !SaveReportChart(rows, pngPath)) return 2;
        return rows.empty() ? 2 : 0;
    }
    if (!OpenSession(gameFolder)) {
        std::fprintf(stderr, "autoplay: the game could not start from %s\n", gameFolder.c_str());
        return 2;
    }
    if (!recordFolder.empty()) RecordLevelsIn(recordFolder, 1 << 30);
    if (all)
        for (int n = 0; n < 100; ++n)
            if (LocationExists(n)) locations.push_back(n);
    if (sample) locations.insert(locations.end(), std::begin(SampleLocations), std::end(SampleLocations));
    if (locations.empty()) return Usage();

    std::vector<LocationRow> rows;
    int lost = 0;
    for (int location : locations) {
        if (!LocationExists(location)) {
            std::fprintf(stderr, "autoplay: no location %d\n", location);
            return 2;
        }
        std::vector<LocationRun> runs;
        for (int seed = 0; seed < seeds; ++seed) {
            runs.push_back(PlayLocation(location, seed, master, fast, !recordFolder.empty()));
            if (!recordFolder.empty())
                std::fprintf(stderr, "recorded %s\n", LastLevelRecordingPath().c_str());
        }
        rows.push_back(SummariseLocation(runs));
        lost += rows.back().seeds - rows.back().won;
        std::fprintf(stderr, "%s", ReportTable({rows.back()}).substr(ReportTable({}).size()).c_str());
    }
    std::printf("%s%s quest: %d of %d seeds lost\n", ReportTable(rows).c_str(), master ? "master" : "normal",
                lost, static_cast<int>(locations.size()) * seeds);
    if (!csvPath.empty()) std::ofstream(csvPath) << ReportCsv(rows);
    if (!pngPath.empty() && !SaveReportChart(rows, pngPath))
        std::fprintf(stderr, "autoplay: chart not saved\n");
    std::fflush(stdout);
    // The game's own shutdown would save profiles and settings; a report
    // run leaves the user folder as it found it.
    std::_Exit(lost > 0 ? 1 : 0);
}
