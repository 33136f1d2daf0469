#include "framework/data/data_file_report.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "framework/data/section_file.h"
#include <algorithm>
#include <cstdio>

namespace wispwood {

namespace {

TextArray gReports;
TextArray gReported; // the files already spoken of

} // namespace

Text DataFileProblem(const Text& path) {
    if (PathKind(path) != 1) return "is missing";
    Text bytes;
    if (!LoadText(path, bytes)) return "cannot be read";
    if (bytes.empty()) return "is empty";
    if (bytes.find('\0') != Text::npos) return "holds zero bytes, so it is not text";
    return Text();
}

void ReportDataFile(const Text& path, const Text& problem, const Text& instead) {
    if (std::find(gReported.begin(), gReported.end(), path) != gReported.end()) return;
    gReported.push_back(path);
    const Text line = "wispwood: " + path + " " + problem + "; " + instead;
    gReports.push_back(line);
    std::fprintf(stderr, "%s\n", line.c_str());
}

bool ReadDataFile(GameFile& file, const Text& instead) {
    const Text problem = DataFileProblem(file.Path);
    if (problem.empty() && file.Read()) return true;
    ReportDataFile(file.Path, problem.empty() ? "cannot be read" : problem, instead);
    return false;
}

const TextArray& DataFileReports() {
    return gReports;
}

void ResetDataFileReports() {
    TextArray().swap(gReports);
    TextArray().swap(gReported);
}

} // namespace wispwood
