#pragma once
// The story the comic pages tell (data/story.txt): six chapters, each of one
// or two pages of three panels; every panel names its setting and the
// figures standing in it, and carries a caption and lines of speech. The
// file's own header documents the format.
#include <filesystem>
#include <string>
#include <vector>

namespace wispwood::mediagen {

enum class Slot { Left, Middle, Right };

struct StoryFigure {
    std::string who; // guide, pip, fern, ember, bluebell, gloom, temple1 .. temple5
    Slot slot = Slot::Middle;
    bool lit = false;   // a temple with its lantern burning, the gloom turned gold
    bool small = false; // drawn at half size
};

struct StoryLine {
    std::string who; // one of the panel's figures
    std::string text;
};

struct StoryPanel {
    std::string setting; // hollow, brook, glen, pines, rise, dawn
    std::vector<StoryFigure> figures;
    std::string caption; // may be empty
    std::vector<StoryLine> speech;
    const StoryFigure* Find(const std::string& who) const;
};

constexpr int kPanelsPerPage = 3;

struct StoryPage {
    std::vector<StoryPanel> panels; // wide top panel, then bottom left and right
};

struct StoryChapter {
    int number = 0;
    std::string title;
    std::vector<StoryPage> pages; // one or two
};

struct Story {
    std::vector<StoryChapter> chapters; // numbered 1 .. 6 in order
};

constexpr int kStoryChapters = 6;

bool ParseStory(const std::string& text, Story& story, std::string& error);
bool LoadStory(const std::filesystem::path& path, Story& story, std::string& error);

bool IsSetting(const std::string& name);
bool IsCharacter(const std::string& who); // a figure that can speak
int TempleKind(const std::string& who);   // 0 .. 4 for temple1 .. temple5, else -1

} // namespace wispwood::mediagen
