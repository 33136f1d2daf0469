#include "game/services/text_table.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/data_file_report.h"
#include "game/services/profiles.h"

namespace wispwood {

Ref<GameFile> TextTable;
Ref<GameFile> DistributionTable;

namespace {

constexpr int kMaxListLength = 128;
const Text Placeholder = "<name>";

// Lookups before start-up has loaded the tables read as empty.
GameFile& Table(Ref<GameFile>& table) {
    if (!table) table = GameFile::Create("");
    return *table;
}

} // namespace

void LoadTextTable(const Text& path) {
    TextTable = GameFile::Create(path);
    const Text instead = "menus, dialogs and lessons show no text";
    if (ReadDataFile(*TextTable, instead) && TextTable->Nodes().GetBranches().size() <= 1)
        ReportDataFile(path, "holds no texts", instead);
}

void LoadDistributionTable(const Text& path) {
    DistributionTable = GameFile::Create(path);
    DistributionTable->Read();
}

Text GetText(const Text& section, const Text& key) {
    GameFile& table = Table(TextTable);
    table.SetNode(section);
    Text value = table.GetData(key);
    if (!CurrentProfile || value.find(Placeholder) == Text::npos) return value;
    return ReplaceText(value, Placeholder, CurrentProfile->Name);
}

TextArray GetTextList(const Text& section, const Text& prefix) {
    GameFile& table = Table(TextTable);
    table.SetNode(section);
    TextArray values;
    for (int i = 1; i <= kMaxListLength; ++i) {
        Text key = prefix + IntToText(i);
        if (!table.DataExists(key)) break;
        values.push_back(table.GetData(key));
    }
    return values;
}

Text DataText(const Text& section, const Text& key) {
    GameFile& table = Table(DistributionTable);
    table.SetNode(section);
    return table.GetData(key);
}

void ResetTextTable() {
    TextTable = nullptr;
    DistributionTable = nullptr;
}

} // namespace wispwood
