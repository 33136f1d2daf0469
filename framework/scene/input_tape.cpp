#include "framework/scene/input_tape.h"
#include "engine/io/text_convert.h"
#include <algorithm>

namespace wispwood {

bool SameHeldInput(const SnapshotInput& a, const SnapshotInput& b) {
    return a.MouseX == b.MouseX && a.MouseY == b.MouseY && a.ButtonsDown == b.ButtonsDown &&
           a.KeysDown == b.KeysDown && a.WindowInactive == b.WindowInactive;
}

void InputTape::Add(int update, const SnapshotInput& input) {
    static const SnapshotInput kNothingHeld;
    if (!entries_.empty() && update <= entries_.back().Update) return;
    const SnapshotInput& held = entries_.empty() ? kNothingHeld : entries_.back().Input;
    if (!HasPresses(input) && SameHeldInput(input, held)) return;
    entries_.push_back({update, input});
}

SnapshotInput InputTape::InputAt(int update) const {
    if (cursor_ >= entries_.size() || entries_[cursor_].Update > update) cursor_ = 0;
    while (cursor_ + 1 < entries_.size() && entries_[cursor_ + 1].Update <= update) ++cursor_;
    if (entries_.empty() || entries_[cursor_].Update > update) return SnapshotInput{};
    SnapshotInput input = entries_[cursor_].Input;
    if (entries_[cursor_].Update != update) ClearPresses(input);
    return input;
}

namespace {

Text Counted(const Text& token, int count) {
    return count == 1 ? token : token + "*" + IntToText(count);
}

Text EntryLine(const InputTape::Entry& entry, const SnapshotInput& before, bool first) {
    const SnapshotInput& in = entry.Input;
    Text line = IntToText(entry.Update);
    if (first || in.MouseX != before.MouseX || in.MouseY != before.MouseY)
        line += " p" + IntToText(in.MouseX) + "," + IntToText(in.MouseY);
    if (first || in.ButtonsDown != before.ButtonsDown) line += " b" + IntToText(in.ButtonsDown);
    for (int b = 0; b < kSnapshotButtons; ++b)
        if (in.ButtonHits[b]) line += " " + Counted("c" + IntToText(b), in.ButtonHits[b]);
    if (first || in.KeysDown != before.KeysDown) {
        Text keys;
        for (int k : in.KeysDown) keys += (keys.empty() ? "" : ",") + IntToText(k);
        line += " h" + (keys.empty() ? Text("-") : keys);
    }
    for (const KeyPress& press : in.KeyPresses) {
        line += " " + Counted("k" + IntToText(press.Key), press.Count);
        if (press.Modifiers) line += "+" + IntToText(press.Modifiers);
    }
    if (in.Typed) line += " t" + IntToText(in.Typed);
    if (first || in.WindowInactive != before.WindowInactive) line += " w" + IntToText(in.WindowInactive);
    return line;
}

bool TakeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

// "<n>", "<n>*<count>", then "+<modifiers>" where allowed; the whole token.
bool TakePress(std::string_view text, int& value, int& count, int* modifiers) {
    count = 1;
    if (!TakeWholeNumber(text, value)) return false;
    if (TakeChar(text, '*') && (!TakeWholeNumber(text, count) || count < 1)) return false;
    if (modifiers && TakeChar(text, '+') && !TakeWholeNumber(text, *modifiers)) return false;
    return text.empty();
}

bool TakeHeldKeys(std::string_view text, std::vector<int>& keys) {
    keys.clear();
    if (text == "-") return true;
    for (;;) {
        int key = 0;
        if (!TakeWholeNumber(text, key) || key < 0 || key >= kSnapshotKeys) return false;
        if (!keys.empty() && key <= keys.back()) return false;
        keys.push_back(key);
        if (text.empty()) return true;
        if (!TakeChar(text, ',')) return false;
    }
}

bool ReadToken(std::string_view token, SnapshotInput& in) {
    const char kind = token.front();
    token.remove_prefix(1);
    int value = 0, count = 1;
    switch (kind) {
    case 'p':
        return TakeWholeNumber(token, in.MouseX) && TakeChar(token, ',') &&
               TakeWholeNumber(token, in.MouseY) && token.empty();
    case 'b':
        return TakeWholeNumber(token, in.ButtonsDown) && token.empty() && in.ButtonsDown >= 0 &&
               in.ButtonsDown < 1 << kSnapshotButtons;
    case 'c':
        if (!TakePress(token, value, count, nullptr) || value < 0 || value >= kSnapshotButtons) return false;
        in.ButtonHits[value] = count;
        return true;
    case 'h':
        return TakeHeldKeys(token, in.KeysDown);
    case 'k': {
        int modifiers = 0;
        if (!TakePress(token, value, count, &modifiers) || value < 0 || value >= kSnapshotKeys) return false;
        if (!in.KeyPresses.empty() && value <= in.KeyPresses.back().Key) return false;
        in.KeyPresses.push_back({value, count, modifiers});
        return true;
    }
    case 't':
        return TakeWholeNumber(token, in.Typed) && token.empty() && in.Typed > 0;
    case 'w':
        return TakeWholeNumber(token, in.WindowInactive) && token.empty() &&
               (in.WindowInactive == 0 || in.WindowInactive == 1);
    default:
        return false;
    }
}

} // namespace

TextArray InputTape::Lines() const {
    TextArray lines;
    for (size_t i = 0; i < entries_.size(); ++i)
        lines.push_back(EntryLine(entries_[i], i ? entries_[i - 1].Input : SnapshotInput{}, i == 0));
    return lines;
}

bool InputTape::AddLine(const Text& line) {
    std::string_view rest(line);
    Entry entry;
    if (!TakeWholeNumber(rest, entry.Update) || entry.Update < 0) return false;
    if (!entries_.empty() && entry.Update <= entries_.back().Update) return false;
    // The held state goes on from the entry before; presses are the line's own.
    if (!entries_.empty()) {
        entry.Input = entries_.back().Input;
        ClearPresses(entry.Input);
    }
    while (!rest.empty()) {
        if (!TakeChar(rest, ' ')) return false;
        const size_t end = std::min(rest.find(' '), rest.size());
        if (end == 0 || !ReadToken(rest.substr(0, end), entry.Input)) return false;
        rest.remove_prefix(end);
    }
    entries_.push_back(std::move(entry));
    return true;
}

} // namespace wispwood
