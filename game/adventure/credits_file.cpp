#include "game/adventure/credits_file.h"
#include "engine/io/file_stream.h"
#include "engine/io/stream.h"
#include "framework/data/data_file_report.h"
#include "game/adventure/credit.h"

namespace wispwood {

TList<Ref<Credit>> Credits;

void ReadCredits(const Ref<TStream>& stream) {
    // Loading twice must not show every line twice.
    Credits.Clear();
    if (!stream) return;
    while (!Eof(stream)) {
        const int64_t before = StreamPos(stream);
        const Text line = stream->ReadLine();
        // A stream that fails to read would otherwise never reach its end.
        if (StreamPos(stream) == before) break;
        Credits.AddLast(Credit::Create(line));
    }
}

void LoadCredits(const Text& path) {
    const Text problem = DataFileProblem(path);
    if (!problem.empty()) {
        Credits.Clear();
        ReportDataFile(path, problem, "the closing credits are empty");
        return;
    }
    Ref<TStream> stream = ReadFile(path);
    ReadCredits(stream);
    if (stream) stream->Close();
}

float CreditsHeight() {
    float sum = 0;
    for (const Ref<Credit>& credit : Credits) sum += credit->Height();
    return sum;
}

void ResetCredits() {
    Credits.Clear();
}

} // namespace wispwood
