#pragma once
// The game's own data files (the media tree: locations, levels, texts,
// layouts, scenery and credits lists, fonts, sounds) may be missing or
// damaged in an installation. The game goes on with what it can, and says
// so: one line on standard error per file, naming the file, what is wrong
// with it and what the game does instead.
#include "engine/core/text.h"

namespace wispwood {

// What keeps the file from being read as text data, or empty when nothing
// does: it is missing, cannot be read, is empty, or holds zero bytes.
Text DataFileProblem(const Text& path);
// "wispwood: <path> <problem>; <instead>", said once per file.
void ReportDataFile(const Text& path, const Text& problem, const Text& instead);

class GameFile;
// Reads the structured file from its path; when it cannot be, says why and
// what the game does instead, and returns false.
bool ReadDataFile(GameFile& file, const Text& instead);
// The reports made so far, for tests.
const TextArray& DataFileReports();

// Nothing said yet (start-up state).
void ResetDataFileReports();

} // namespace wispwood
