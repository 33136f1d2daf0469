#include "framework/scene/tunables.h"
#include "engine/io/text_convert.h"

namespace wispwood {

ObjectTable<Text> Tunables;
ObjectTable<Text> ActiveTunables;
ObjectTable<Text> ConsoleTunables;

namespace {

void ClearTable(ObjectTable<Text>& table) {
    table = ObjectTable<Text>(KeyFormatter);
}

} // namespace

float GetTunable(const Text& name, const Text& defaultText) {
    if (!Tunables.Formatter) ResetTunables();
    auto stored = Tunables.LookUp(name);
    Text value = stored ? *stored : Text();
    if (value.empty()) {
        value = defaultText;
        Tunables.Add(name, New<Text>(value));
    }
    ActiveTunables.Add(name, New<Text>("default"));
    return TextToFloat(value);
}

float FixedTunable(const Text&, const Text& defaultText) {
    return TextToFloat(defaultText);
}

void ClearActiveTunables() {
    ClearTable(ActiveTunables);
}

void ResetTunables() {
    ClearTable(Tunables);
    ClearTable(ActiveTunables);
    ClearTable(ConsoleTunables);
}

} // namespace wispwood
