#include "game/services/save_report.h"
#include "engine/io/file_stream.h"
#include "engine/io/path.h"
#include "framework/scene/notices.h"
#include "game/services/game_fonts.h"
#include "game/services/text_table.h"
#include <algorithm>
#include <cstdio>

namespace wispwood {

namespace {

TextArray gFailures;

Text WithFile(Text text, const Text& file) {
    const size_t at = text.find("<file>");
    if (at != Text::npos) text.replace(at, 6, file);
    return text;
}

} // namespace

void ReportSaveFailure(const Text& path) {
    const Text why = LastWriteError().empty() ? Text("unknown reason") : LastWriteError();
    std::fprintf(stderr, "wispwood: could not save %s: %s\n", path.c_str(), why.c_str());
    const Text said = path + " (" + why + ")";
    if (std::find(gFailures.begin(), gFailures.end(), said) == gFailures.end()) gFailures.push_back(said);
    Text notice = WithFile(GetText("save", "failed"), FileNamePart(path));
    if (notice.empty()) notice = "Could not save " + FileNamePart(path);
    PostNotice(notice, MainFont);
}

const TextArray& SaveFailures() {
    return gFailures;
}

void ResetSaveReport() {
    TextArray().swap(gFailures);
}

} // namespace wispwood
