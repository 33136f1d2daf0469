#include "tools/mediagen/pictures/story_text.h"

#include "tools/mediagen/core/raster.h"
#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace wispwood::mediagen {

namespace {

constexpr const char* kSettings[] = {"hollow", "brook", "glen", "pines", "rise", "dawn"};
constexpr const char* kCharacters[] = {"guide", "pip", "fern", "ember", "bluebell", "gloom"};

std::string Trimmed(const std::string& s) {
    size_t a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    size_t b = s.find_last_not_of(" \t");
    return s.substr(a, b - a + 1);
}

bool ParseSlot(const std::string& word, Slot& slot) {
    if (word == "left")
        slot = Slot::Left;
    else if (word == "middle")
        slot = Slot::Middle;
    else if (word == "right")
        slot = Slot::Right;
    else
        return false;
    return true;
}

// The checks that need a whole chapter or the whole file.
bool CheckStory(const Story& story, std::string& error) {
    if (int(story.chapters.size()) != kStoryChapters) {
        error = "the story needs " + std::to_string(kStoryChapters) + " chapters, it has " +
                std::to_string(story.chapters.size());
        return false;
    }
    for (const StoryChapter& chapter : story.chapters) {
        const std::string name = "chapter " + std::to_string(chapter.number);
        if (chapter.title.empty()) {
            error = name + " has no title";
            return false;
        }
        if (chapter.pages.empty() || chapter.pages.size() > 2) {
            error = name + " needs one or two pages";
            return false;
        }
        for (const StoryPage& page : chapter.pages)
            if (int(page.panels.size()) != kPanelsPerPage) {
                error = name + " has a page without exactly " + std::to_string(kPanelsPerPage) + " panels";
                return false;
            }
    }
    return true;
}

} // namespace

const StoryFigure* StoryPanel::Find(const std::string& who) const {
    for (const StoryFigure& f : figures)
        if (f.who == who) return &f;
    return nullptr;
}

bool IsSetting(const std::string& name) {
    return std::find(std::begin(kSettings), std::end(kSettings), name) != std::end(kSettings);
}

bool IsCharacter(const std::string& who) {
    return std::find(std::begin(kCharacters), std::end(kCharacters), who) != std::end(kCharacters);
}

int TempleKind(const std::string& who) {
    if (who.size() == 7 && who.rfind("temple", 0) == 0 && who[6] >= '1' && who[6] <= '5') return who[6] - '1';
    return -1;
}

bool ParseStory(const std::string& text, Story& story, std::string& error) {
    story = Story{};
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    auto fail = [&](const std::string& why) {
        error = "story line " + std::to_string(number) + ": " + why;
        return false;
    };
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string kind;
        if (!(words >> kind) || kind[0] == '#') continue;
        std::string rest;
        std::getline(words >> std::ws, rest);
        rest = Trimmed(rest);
        StoryChapter* chapter = story.chapters.empty() ? nullptr : &story.chapters.back();
        StoryPage* page = chapter && !chapter->pages.empty() ? &chapter->pages.back() : nullptr;
        StoryPanel* panel = page && !page->panels.empty() ? &page->panels.back() : nullptr;
        if (kind == "chapter") {
            std::istringstream parts(rest);
            StoryChapter next;
            if (!(parts >> next.number)) return fail("a chapter needs its number");
            if (next.number != int(story.chapters.size()) + 1)
                return fail("chapters must be numbered 1, 2, ... in order");
            std::getline(parts >> std::ws, next.title);
            next.title = Trimmed(next.title);
            story.chapters.push_back(next);
        } else if (kind == "page") {
            if (!chapter) return fail("a page must follow a chapter");
            if (page && int(page->panels.size()) != kPanelsPerPage)
                return fail("the page before needs exactly " + std::to_string(kPanelsPerPage) + " panels");
            chapter->pages.emplace_back();
        } else if (kind == "panel") {
            if (!page) return fail("a panel must follow a page");
            if (int(page->panels.size()) == kPanelsPerPage) return fail("a page holds three panels");
            if (!IsSetting(rest)) return fail("unknown setting '" + rest + "'");
            StoryPanel next;
            next.setting = rest;
            page->panels.push_back(next);
        } else if (!panel) {
            return fail("'" + kind + "' must follow a panel");
        } else if (kind == "figure") {
            std::istringstream parts(rest);
            StoryFigure figure;
            std::string slot, flag;
            if (!(parts >> figure.who >> slot)) return fail("a figure needs a name and a place");
            if (!IsCharacter(figure.who) && TempleKind(figure.who) < 0)
                return fail("unknown figure '" + figure.who + "'");
            if (!ParseSlot(slot, figure.slot)) return fail("a figure stands left, middle or right");
            while (parts >> flag) {
                if (flag == "lit" && (TempleKind(figure.who) >= 0 || figure.who == "gloom"))
                    figure.lit = true;
                else if (flag == "small")
                    figure.small = true;
                else
                    return fail("unknown figure option '" + flag + "'");
            }
            for (const StoryFigure& other : panel->figures)
                if (other.slot == figure.slot || other.who == figure.who)
                    return fail("two figures share a place or a name");
            panel->figures.push_back(figure);
        } else if (kind == "caption") {
            if (!panel->caption.empty()) return fail("a panel has one caption");
            if (rest.empty()) return fail("an empty caption");
            panel->caption = rest;
        } else if (kind == "say") {
            std::istringstream parts(rest);
            StoryLine said;
            parts >> said.who;
            std::getline(parts >> std::ws, said.text);
            said.text = Trimmed(said.text);
            const StoryFigure* speaker = panel->Find(said.who);
            if (!speaker || !IsCharacter(said.who))
                return fail("'" + said.who + "' is not in the panel to speak");
            if (said.text.empty()) return fail("an empty line of speech");
            panel->speech.push_back(said);
        } else {
            return fail("unknown keyword '" + kind + "'");
        }
    }
    return CheckStory(story, error);
}

bool LoadStory(const std::filesystem::path& path, Story& story, std::string& error) {
    std::string text;
    return ReadWholeFile(path, text, error) && ParseStory(text, story, error);
}

} // namespace wispwood::mediagen
