#pragma once
// The game text table: every text shown in menus, dialogs, tutorials and
// banners is looked up here by section and key. Sections and keys match
// without regard to letter case and surrounding blanks.
#include "framework/data/game_file.h"
#include <functional>

namespace wispwood {

extern Ref<GameFile> TextTable;
extern Ref<GameFile> DistributionTable;

// The current player's name for the "<name>" placeholder; 0 when no player
// is current (the placeholder then stays in the text). Profiles install it.
using PlayerNameQuery = std::function<int(Text& name)>;
extern PlayerNameQuery CurrentPlayerName;

// A missing or unreadable file leaves the table empty.
void LoadTextTable(const Text& path = "media\\Strings.txt");
void LoadDistributionTable(const Text& path = "data2.dat");

// "" when absent. Every "<name>" is replaced by the current player's name.
Text GetText(const Text& section, const Text& key);
// The values of prefix1, prefix2, ... up to the first missing one (at most
// 128), as written.
TextArray GetTextList(const Text& section, const Text& prefix);
// A value of the distribution table, as written.
Text DataText(const Text& section, const Text& key);

// Empty tables and no player name (start-up state).
void ResetTextTable();

} // namespace wispwood
