#include "tools/autoplay/location_report.h"
#include "engine/draw/pixmap.h"
#include "engine/draw/pixmap_loader.h"
#include <algorithm>
#include <cstdio>

namespace wispwood::autoplay {

namespace {

Text Format(const char* pattern, auto... values) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, values...);
    return buffer;
}

// The first location of each region after the first.
constexpr int RegionStarts[] = {11, 30, 54, 78};

int RegionOf(int location) {
    int region = 0;
    for (int start : RegionStarts) region += location >= start ? 1 : 0;
    return region;
}

void FillRect(TPixmap& image, int x0, int y0, int x1, int y1, int argb) {
    for (int y = std::max(0, y0); y < std::min(image.height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(image.width, x1); ++x) image.WritePixel(x, y, argb);
}

} // namespace

LocationRow SummariseLocation(const std::vector<LocationRun>& runs) {
    LocationRow row;
    if (runs.empty()) return row;
    row.location = runs.front().location;
    row.seeds = static_cast<int>(runs.size());
    double timeLeft = 0, score = 0;
    for (const LocationRun& run : runs) {
        const double left = run.won ? run.timeLeftShare : 0;
        timeLeft += left;
        score += run.score;
        row.won += run.won ? 1 : 0;
        if (run.won) row.medals[std::clamp(run.medal, 0, 2)] += 1;
        row.stuckRecoveries += run.stuckRecoveries;
        row.maxCpuSeconds = std::max(row.maxCpuSeconds, run.cpuSeconds);
        if (row.slowestSeed < 0 || left < row.slowestTimeLeft) {
            row.slowestSeed = run.seed;
            row.slowestTimeLeft = left;
        }
    }
    row.meanTimeLeft = timeLeft / row.seeds;
    row.meanScore = score / row.seeds;
    return row;
}

Text ReportTable(const std::vector<LocationRow>& rows) {
    Text out = "location  won    time left  bronze silver gold  mean score  stuck  slowest seed (left)  cpu max\n";
    for (const LocationRow& r : rows)
        out += Format("%8d  %2d/%-2d  %8.1f%%  %6d %6d %4d  %10.0f  %5d  %5d (%5.1f%%)        %5.2fs\n", r.location,
                      r.won, r.seeds, 100 * r.meanTimeLeft, r.medals[0], r.medals[1], r.medals[2], r.meanScore,
                      r.stuckRecoveries, r.slowestSeed, 100 * r.slowestTimeLeft, r.maxCpuSeconds);
    return out;
}

Text ReportCsv(const std::vector<LocationRow>& rows) {
    Text out = "location,seeds,won,mean_time_left,bronze,silver,gold,mean_score,stuck_recoveries,slowest_seed,"
               "slowest_time_left,max_cpu_seconds\n";
    for (const LocationRow& r : rows)
        out += Format("%d,%d,%d,%.4f,%d,%d,%d,%.1f,%d,%d,%.4f,%.3f\n", r.location, r.seeds, r.won, r.meanTimeLeft,
                      r.medals[0], r.medals[1], r.medals[2], r.meanScore, r.stuckRecoveries, r.slowestSeed,
                      r.slowestTimeLeft, r.maxCpuSeconds);
    return out;
}

std::vector<LocationRow> ParseReportCsv(const Text& csv) {
    std::vector<LocationRow> rows;
    size_t start = 0;
    while (start < csv.size()) {
        size_t end = csv.find('\n', start);
        if (end == Text::npos) end = csv.size();
        const Text line = csv.substr(start, end - start);
        start = end + 1;
        LocationRow r;
        if (std::sscanf(line.c_str(), "%d,%d,%d,%lf,%d,%d,%d,%lf,%d,%d,%lf,%lf", &r.location, &r.seeds, &r.won,
                        &r.meanTimeLeft, &r.medals[0], &r.medals[1], &r.medals[2], &r.meanScore,
                        &r.stuckRecoveries, &r.slowestSeed, &r.slowestTimeLeft, &r.maxCpuSeconds) == 12)
            rows.push_back(r);
    }
    return rows;
}

bool SaveReportChart(const std::vector<LocationRow>& rows, const Text& path) {
    constexpr int BarWidth = 8, Left = 20, Top = 20, PlotHeight = 300, LostBand = 20;
    const int width = Left * 2 + std::max(1, static_cast<int>(rows.size())) * BarWidth;
    const int height = Top * 2 + PlotHeight + LostBand;
    Ref<TPixmap> image = TPixmap::Create(width, height, PF_RGBA8888);
    if (!image) return false;
    image->ClearPixels(0xFFFFFFFF);
    const int baseline = Top + PlotHeight;
    auto levelY = [&](double share) { return baseline - static_cast<int>(share * PlotHeight + 0.5); };
    const int regionColours[] = {static_cast<int>(0xFF6AAF5A), static_cast<int>(0xFF4A90C8),
                                 static_cast<int>(0xFFC8954A), static_cast<int>(0xFF2E7D4F),
                                 static_cast<int>(0xFF8A5AC8)};
    for (size_t i = 0; i < rows.size(); ++i) {
        const LocationRow& r = rows[i];
        const int x = Left + static_cast<int>(i) * BarWidth;
        FillRect(*image, x + 1, levelY(r.meanTimeLeft), x + BarWidth - 1, baseline, regionColours[RegionOf(r.location)]);
        // The worst seed as a dark tick inside the bar.
        const int worst = levelY(r.slowestTimeLeft);
        FillRect(*image, x + 1, worst - 1, x + BarWidth - 1, worst + 1, static_cast<int>(0xFF202020));
        if (r.won < r.seeds) FillRect(*image, x + 1, baseline + 4, x + BarWidth - 1, baseline + LostBand, static_cast<int>(0xFFD03030));
    }
    // Medal thresholds: more than half left is gold, more than a quarter silver.
    FillRect(*image, Left, levelY(0.5), width - Left, levelY(0.5) + 1, static_cast<int>(0xFFD4A017));
    FillRect(*image, Left, levelY(0.25), width - Left, levelY(0.25) + 1, static_cast<int>(0xFF909090));
    FillRect(*image, Left, baseline, width - Left, baseline + 1, static_cast<int>(0xFF000000));
    FillRect(*image, Left - 1, Top, Left, baseline, static_cast<int>(0xFF000000));
    // A tick under every tenth location.
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].location % 10 == 0) {
            const int x = Left + static_cast<int>(i) * BarWidth;
            FillRect(*image, x, baseline, x + 1, baseline + 4, static_cast<int>(0xFF000000));
        }
    return SavePixmapPNG(image, path) != 0;
}

} // namespace wispwood::autoplay
