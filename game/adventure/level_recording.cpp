#include "game/adventure/level_recording.h"
#include "engine/io/file_stream.h"
#include "engine/io/text_convert.h"
#include <algorithm>
#include <functional>
#include <string_view>

namespace wispwood {

namespace {

constexpr const char* kFirstLine = "wispwood replay 1";

const std::pair<LevelOutcome, const char*> kOutcomeNames[] = {
    {LevelOutcome::Won, "won"},
    {LevelOutcome::Lost, "lost"},
    {LevelOutcome::Left, "left"},
    {LevelOutcome::Playing, "unfinished"},
};

TextArray SplitLines(const Text& text) {
    TextArray lines;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == Text::npos) end = text.size();
        Text line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

// "<word> <rest>": the rest when the line starts with the word.
bool After(const Text& line, const char* word, std::string_view& rest) {
    const std::string_view view(line);
    const std::string_view w(word);
    if (view.size() <= w.size() || view.substr(0, w.size()) != w || view[w.size()] != ' ') return false;
    rest = view.substr(w.size() + 1);
    return true;
}

bool WholeNumberLine(const Text& line, const char* word, int& value) {
    std::string_view rest;
    return After(line, word, rest) && TakeWholeNumber(rest, value) && rest.empty();
}

bool ChoiceLine(const Text& line, const char* word, const char* yes, const char* no, bool& value) {
    std::string_view rest;
    if (!After(line, word, rest)) return false;
    if (rest != yes && rest != no) return false;
    value = rest == yes;
    return true;
}

bool TakePoint(std::string_view& text, int& x, int& y) {
    if (!TakeWholeNumber(text, x) || text.empty() || text.front() != ',') return false;
    text.remove_prefix(1);
    return TakeWholeNumber(text, y);
}

bool TakeWord(std::string_view& text, std::string_view word) {
    if (text.substr(0, word.size()) != word) return false;
    text.remove_prefix(word.size());
    return true;
}

Text CursorLine(const NavigationCarry& c) {
    return Text("cursor ") + (c.Shown ? "shown" : "hidden") + " place " + IntToText(c.X) + "," +
           IntToText(c.Y) + " mouse " +
           (c.MouseSeen ? IntToText(c.MouseX) + "," + IntToText(c.MouseY) : Text("none"));
}

bool CursorFromLine(const Text& line, NavigationCarry& c) {
    std::string_view rest;
    if (!After(line, "cursor", rest)) return false;
    if (TakeWord(rest, "shown"))
        c.Shown = true;
    else if (!TakeWord(rest, "hidden"))
        return false;
    if (!TakeWord(rest, " place ") || !TakePoint(rest, c.X, c.Y) || !TakeWord(rest, " mouse ")) return false;
    c.MouseSeen = rest != "none";
    return !c.MouseSeen || (TakePoint(rest, c.MouseX, c.MouseY) && rest.empty());
}

bool ResultLine(const Text& line, LevelRecording& r) {
    std::string_view rest;
    if (!After(line, "result", rest)) return false;
    const auto named = std::find_if(std::begin(kOutcomeNames), std::end(kOutcomeNames),
                                    [&rest](const auto& entry) { return TakeWord(rest, entry.second); });
    if (named == std::end(kOutcomeNames)) return false;
    r.Outcome = named->first;
    int state = 0;
    if (!TakeWord(rest, " score ") || !TakeWholeNumber(rest, r.FinalScore) || !TakeWord(rest, " updates ") ||
        !TakeWholeNumber(rest, r.Updates) || r.Updates < 0 || !TakeWord(rest, " generator ") ||
        !TakeWholeNumber(rest, state) || !rest.empty())
        return false;
    r.Generator = state;
    return true;
}

} // namespace

Text LevelOutcomeName(LevelOutcome outcome) {
    for (const auto& [o, name] : kOutcomeNames)
        if (o == outcome) return name;
    return "unfinished";
}

Text RecordingText(const LevelRecording& r) {
    TextArray lines = {
        kFirstLine,
        "location " + IntToText(r.Location),
        Text("quest ") + (r.MasterQuest ? "master" : "normal"),
        "seed " + IntToText(r.Seed),
        Text("entry ") + (r.EnteredWithSlide ? "slide" : "instant"),
        "lives " + IntToText(r.Lives),
        "score " + IntToText(r.Score),
        "hints " + IntToText(r.Hints),
        Text("play ") + (r.Relaxed ? "relaxed" : "timed"),
        CursorLine(r.Cursor),
        "input",
    };
    for (const Text& line : r.Input.Lines()) lines.push_back(line);
    lines.push_back("result " + LevelOutcomeName(r.Outcome) + " score " + IntToText(r.FinalScore) +
                    " updates " + IntToText(r.Updates) + " generator " + IntToText(r.Generator));
    Text text;
    for (const Text& line : lines) text += line + "\r\n";
    return text;
}

bool ParseRecording(const Text& text, LevelRecording& recording, Text& error) {
    const TextArray lines = SplitLines(text);
    LevelRecording r;
    int seed = 0;
    // The header: each line in its place.
    const std::function<bool(const Text&)> header[] = {
        [](const Text& line) { return line == kFirstLine; },
        [&r](const Text& line) { return WholeNumberLine(line, "location", r.Location) && r.Location >= 0; },
        [&r](const Text& line) { return ChoiceLine(line, "quest", "master", "normal", r.MasterQuest); },
        [&seed](const Text& line) { return WholeNumberLine(line, "seed", seed); },
        [&r](const Text& line) { return ChoiceLine(line, "entry", "slide", "instant", r.EnteredWithSlide); },
        [&r](const Text& line) { return WholeNumberLine(line, "lives", r.Lives) && r.Lives >= 0; },
        [&r](const Text& line) { return WholeNumberLine(line, "score", r.Score); },
        [&r](const Text& line) { return WholeNumberLine(line, "hints", r.Hints); },
        [&r](const Text& line) { return CursorFromLine(line, r.Cursor); },
        [](const Text& line) { return line == "input"; },
    };
    size_t at = 0;
    auto fail = [&](const Text& what) {
        error = what + " (line " + IntToText(static_cast<int64_t>(at) + 1) + ")";
        return false;
    };
    constexpr size_t kHintsLine = 7;
    for (size_t i = 0; i < std::size(header); ++i) {
        if (at >= lines.size()) return fail("the recording ends before its input");
        if (!header[i](lines[at]))
            return fail(at == 0 ? "not a recording of this form" : "a bad header line");
        ++at;
        // The play line follows the hints, where there is one.
        if (i == kHintsLine && at < lines.size() && lines[at].rfind("play ", 0) == 0) {
            if (!ChoiceLine(lines[at], "play", "relaxed", "timed", r.Relaxed))
                return fail("a bad header line");
            ++at;
        }
    }
    r.Seed = seed;
    for (; at < lines.size() && lines[at].rfind("result", 0) != 0; ++at)
        if (!r.Input.AddLine(lines[at])) return fail("a bad input line");
    if (at >= lines.size()) return fail("the recording has no result");
    if (!ResultLine(lines[at], r)) return fail("a bad result line");
    for (++at; at < lines.size(); ++at)
        if (!lines[at].empty()) return fail("text after the result");
    if (!r.Input.Empty() && r.Input.Entries().back().Update >= r.Updates)
        return fail("input after the last update");
    recording = std::move(r);
    return true;
}

bool LoadRecording(const Text& path, LevelRecording& recording, Text& error) {
    Text text;
    if (!LoadText(path, text)) {
        error = "cannot read " + path;
        return false;
    }
    return ParseRecording(text, recording, error);
}

} // namespace wispwood
