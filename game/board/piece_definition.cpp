#include "game/board/piece_definition.h"
#include "engine/io/text_convert.h"
#include "engine/io/text_routines.h"
#include "framework/data/data_file_report.h"
#include "framework/data/section_file.h"
#include "game/board/board.h"

namespace wispwood {

PieceDefinitionSet StandardPieceDefinitions;
std::vector<Ref<TImage>> StandardPieceImages;
std::vector<Ref<TImage>> BonusPieceImages;

const char* const kStandardColourFolder = "big";
const char* const kBonusColourFolder = "bonus";
const char* const kColourFilePath = "media\\illegalcoloursbig.txt";

const TextArray& StandardColourNames() {
    static const TextArray names = {"yellow",  "orange", "red",       "purple",
                                    "magenta", "blue",   "turquoise", "green"};
    return names;
}

const TextArray& BonusColourNames() {
    static const TextArray names = {"letter", "lettergold"};
    return names;
}

PieceDefinitionSet CreatePieceDefinitionSet(const TextArray& colourNames) {
    PieceDefinitionSet set;
    for (size_t i = 0; i < colourNames.size(); ++i) {
        auto def = New<PieceDefinition>();
        def->name = "block-" + colourNames[i];
        def->index = static_cast<int>(i);
        def->IllegalsArray.assign(colourNames.size(), 0);
        set.push_back(def);
    }
    return set;
}

void ReadColourDefinitions(GameFile& file, PieceDefinitionSet& set) {
    auto byName = [&](const Text& key) -> Ref<PieceDefinition> {
        for (const auto& def : set)
            if (LowerText(def->name) == "block-" + LowerText(TrimText(key))) return def;
        return nullptr;
    };
    for (const auto& def : set) {
        def->Illegals.clear();
        def->IllegalsArray.assign(set.size(), 0);
    }
    for (const auto& def : set) {
        if (!file.SetNode(def->name)) continue;
        def->r = TextToInt(file.GetData("red"));
        def->g = TextToInt(file.GetData("green"));
        def->b = TextToInt(file.GetData("blue"));
        for (const auto& [key, entry] : file.Data->CurrentNode->Data) {
            if (key == "red" || key == "green" || key == "blue") continue;
            Ref<PieceDefinition> other = byName(entry.Value->Name);
            if (!other) continue;
            def->Illegals.push_back(other);
            def->IllegalsArray[other->index] = 1;
            other->IllegalsArray[def->index] = 1;
        }
    }
}

int LoadColourDefinitions(const Text& path) {
    StandardPieceDefinitions = CreatePieceDefinitionSet(StandardColourNames());
    BonusPieceDefinitions = CreatePieceDefinitionSet(BonusColourNames());
    PieceDefinitions = StandardPieceDefinitions;
    auto file = GameFile::Create(path);
    if (!ReadDataFile(*file,
                      "the pieces keep their plain tints, and look-alike colours may sit side by side"))
        return 0;
    ReadColourDefinitions(*file, StandardPieceDefinitions);
    ReadColourDefinitions(*file, BonusPieceDefinitions);
    return 1;
}

const PieceDefinitionSet& GetStandardPieceDefinitions() {
    if (StandardPieceDefinitions.empty())
        StandardPieceDefinitions = CreatePieceDefinitionSet(StandardColourNames());
    return StandardPieceDefinitions;
}

void ResetPieceDefinitions() {
    StandardPieceDefinitions.clear();
    StandardPieceImages.clear();
    BonusPieceImages.clear();
    PieceDefinitions.clear();
    BonusPieceDefinitions.clear();
}

} // namespace wispwood
