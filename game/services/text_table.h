#pragma once
// The game text table: every text shown in menus, dialogs, tutorials and
// banners is looked up here by section and key. Sections and keys match
// without regard to letter case and surrounding blanks.
#include "framework/data/section_file.h"

namespace wispwood {

extern Ref<GameFile> TextTable;
extern Ref<GameFile> DistributionTable;

// A missing or unreadable file leaves the table empty.
void LoadTextTable(const Text& path = "media\\Strings.txt");
void LoadDistributionTable(const Text& path = "data2.dat");

// "" when absent. Every "<name>" is replaced by the current player's name;
// without a current player it stays in the text.
Text GetText(const Text& section, const Text& key);
// The values of prefix1, prefix2, ... up to the first missing one (at most
// 128), as written.
TextArray GetTextList(const Text& section, const Text& prefix);
// A value of the distribution table, as written.
Text DataText(const Text& section, const Text& key);

// Empty tables (start-up state).
void ResetTextTable();

} // namespace wispwood
