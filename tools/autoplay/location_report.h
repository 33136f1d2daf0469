#pragma once
// The runs of each location summed up as one row of the report, and the
// report written as a text table, as CSV and as a chart.
#include "engine/core/text.h"
#include "tools/autoplay/location_run.h"
#include <vector>

namespace wispwood::autoplay {

struct LocationRow {
    int location = 0;
    int seeds = 0;
    int won = 0;
    double meanTimeLeft = 0; // over every seed; a lost seed counts as none left
    int medals[3] = {0, 0, 0};
    double meanScore = 0;
    int stuckRecoveries = 0;
    int slowestSeed = -1; // the seed with the least time left
    double slowestTimeLeft = 0;
    double maxCpuSeconds = 0;
};

// The runs of one location (any order).
LocationRow SummariseLocation(const std::vector<LocationRun>& runs);

Text ReportTable(const std::vector<LocationRow>& rows);
Text ReportCsv(const std::vector<LocationRow>& rows);
// Rows read back from ReportCsv's text; lines that do not parse are left out.
std::vector<LocationRow> ParseReportCsv(const Text& csv);
// Writes the chart: one bar per location for the mean time left, coloured
// by region, with the silver and gold thresholds drawn across and lost
// seeds marked in red below the bar. False when it could not be saved.
bool SaveReportChart(const std::vector<LocationRow>& rows, const Text& path);

} // namespace wispwood::autoplay
