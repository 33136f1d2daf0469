// Summing seeds up into report rows, and the rows as CSV and as a chart.
#include "engine/draw/pixmap.h"
#include "engine/draw/pixmap_loader.h"
#include "tests/support/paths.h"
#include "tools/autoplay/location_report.h"
#include <gtest/gtest.h>

namespace wispwood::autoplay {
namespace {

LocationRun SeedRun(int location, int seed, bool won, double left, int medal, int score = 1000) {
    LocationRun run;
    run.location = location, run.seed = seed, run.won = won, run.timeLeftShare = left, run.medal = medal;
    run.score = score;
    return run;
}

TEST(AutoplayReport, ALostSeedCountsAsNoTimeLeftAndEarnsNoMedal) {
    std::vector<LocationRun> runs = {SeedRun(7, 0, true, 0.8, 2, 3000), SeedRun(7, 1, true, 0.3, 1, 1000),
                                     SeedRun(7, 2, false, 0.9, 2, 500)};
    runs[1].stuckRecoveries = 2;
    runs[1].cpuSeconds = 0.4;
    LocationRow row = SummariseLocation(runs);
    EXPECT_EQ(row.location, 7);
    EXPECT_EQ(row.seeds, 3);
    EXPECT_EQ(row.won, 2);
    EXPECT_NEAR(row.meanTimeLeft, (0.8 + 0.3) / 3, 1e-9);
    EXPECT_EQ(row.medals[0], 0);
    EXPECT_EQ(row.medals[1], 1);
    EXPECT_EQ(row.medals[2], 1);
    EXPECT_NEAR(row.meanScore, 1500, 1e-9);
    EXPECT_EQ(row.stuckRecoveries, 2);
    EXPECT_EQ(row.slowestSeed, 2); // the lost one
    EXPECT_EQ(row.slowestTimeLeft, 0);
    EXPECT_NEAR(row.maxCpuSeconds, 0.4, 1e-9);
    EXPECT_EQ(SummariseLocation({}).seeds, 0);
}

TEST(AutoplayReport, TheCsvHasOneRowPerLocationAndTheChartShowsBarsAndLosses) {
    std::vector<LocationRow> rows = {SummariseLocation({SeedRun(0, 0, true, 1.0, 0)}),
                                     SummariseLocation({SeedRun(1, 0, true, 0.6, 2), SeedRun(1, 1, false, 0, 0)})};
    Text csv = ReportCsv(rows);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 3);
    EXPECT_NE(csv.find("\n0,1,1,1.0000,1,0,0,"), Text::npos);
    EXPECT_NE(csv.find("\n1,2,1,0.3000,0,0,1,"), Text::npos);
    EXPECT_NE(ReportTable(rows).find(" 1/2 "), Text::npos);
    // Read back, the CSV gives the same rows (to its precision).
    std::vector<LocationRow> back = ParseReportCsv(csv + "not,a,row\n");
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].won, 1);
    EXPECT_EQ(back[1].medals[2], 1);
    EXPECT_NEAR(back[1].meanTimeLeft, 0.3, 1e-9);
    EXPECT_EQ(ReportCsv(back), csv);

    test::TempDir folder;
    Text path = folder.Path() + "/chart.png";
    ASSERT_TRUE(SaveReportChart(rows, path));
    Ref<TPixmap> chart = LoadPixmap(path);
    ASSERT_TRUE(chart);
    // Bars are 8 wide from x 20, the plot 300 high from y 20.
    const int baseline = 320;
    EXPECT_NE(chart->ReadPixel(24, baseline - 290) & 0xFFFFFF, 0xFFFFFF); // location 0 full
    EXPECT_NE(chart->ReadPixel(32, baseline - 80) & 0xFFFFFF, 0xFFFFFF);  // location 1 at 30 %
    EXPECT_EQ(chart->ReadPixel(32, baseline - 120) & 0xFFFFFF, 0xFFFFFF); // and not above
    EXPECT_EQ(chart->ReadPixel(24, baseline + 12) & 0xFFFFFF, 0xFFFFFF);  // no loss at 0
    EXPECT_EQ(chart->ReadPixel(32, baseline + 12) & 0xFFFFFF, 0xD03030);  // a loss at 1
    EXPECT_FALSE(SaveReportChart(rows, folder.Unwritable("chart.png")));
}

} // namespace
} // namespace wispwood::autoplay
