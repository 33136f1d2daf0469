// The story the comic pages tell (data/story.txt): the parser's checks, and
// for every shipped panel a layout whose words stay inside their boxes and
// leave the figures their room.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/paths.h"
#include "tools/mediagen/pictures/comic_lettering.h"
#include "tools/mediagen/pictures/comic_pages.h"
#include "tools/mediagen/pictures/story_text.h"

namespace wispwood::mediagen {
namespace {

Story ShippedStory() {
    Story story;
    std::string error;
    EXPECT_TRUE(LoadStory(test::SourcePath("data/story.txt"), story, error)) << error;
    return story;
}

// A valid story of six one-page chapters, with extra lines for chapter 6.
std::string SmallStory(const std::string& last_chapter_extra = "") {
    std::string text = "# six chapters\n";
    for (int c = 1; c <= kStoryChapters; ++c) {
        text += "chapter " + std::to_string(c) + " Title " + std::to_string(c) + "\npage\n";
        for (int p = 0; p < kPanelsPerPage; ++p) text += "panel hollow\nfigure pip left\ncaption Hello.\n";
        if (c == kStoryChapters) text += last_chapter_extra;
    }
    return text;
}

TEST(Story, TellsSixChaptersOfOneOrTwoPagesWithTitles) {
    Story story = ShippedStory();
    ASSERT_EQ(story.chapters.size(), size_t(kStoryChapters));
    for (int c = 0; c < kStoryChapters; ++c) {
        const StoryChapter& chapter = story.chapters[c];
        EXPECT_EQ(chapter.number, c + 1);
        EXPECT_FALSE(chapter.title.empty());
        ASSERT_GE(chapter.pages.size(), 1u);
        ASSERT_LE(chapter.pages.size(), 2u);
        for (const StoryPage& page : chapter.pages) {
            ASSERT_EQ(page.panels.size(), size_t(kPanelsPerPage));
            for (const StoryPanel& panel : page.panels)
                EXPECT_FALSE(panel.caption.empty() && panel.speech.empty())
                    << "chapter " << chapter.number << " has a panel without words";
        }
    }
}

TEST(Story, ParserNamesTheLineOfEveryMistake) {
    Story story;
    std::string error;
    ASSERT_TRUE(ParseStory(SmallStory(), story, error)) << error;

    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {SmallStory("say fern Hi\n"), "'fern' is not in the panel"},
        {SmallStory("say pip\n"), "an empty line of speech"},
        {SmallStory("figure pip right\n"), "share a place or a name"},
        {SmallStory("figure ember middle sparkly\n"), "unknown figure option"},
        {SmallStory("figure dragon middle\n"), "unknown figure 'dragon'"},
        {SmallStory("caption Again.\n"), "one caption"},
        {SmallStory("panel hollow\n"), "three panels"},
        {SmallStory("thought pip Hmm\n"), "unknown keyword 'thought'"},
        {SmallStory("chapter 8 Too far\n"), "in order"},
        {"chapter 1 One\npage\npanel moon\n", "unknown setting 'moon'"},
        {"chapter 1 One\npage\npanel hollow\npage\n", "exactly 3 panels"},
        {"panel hollow\n", "story line 1: a panel must follow a page"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(ParseStory(c.text, story, error)) << c.expected;
        EXPECT_NE(error.find(c.expected), std::string::npos) << error;
        EXPECT_EQ(error.rfind("story line ", 0), 0u) << error;
    }
    // Whole-story checks: chapters missing, or a chapter of three pages.
    EXPECT_FALSE(ParseStory("chapter 1 Alone\npage\n", story, error));
    std::string three_pages = SmallStory("page\n");
    for (int p = 0; p < kPanelsPerPage; ++p) three_pages += "panel dawn\ncaption x\n";
    three_pages += "page\n";
    for (int p = 0; p < kPanelsPerPage; ++p) three_pages += "panel dawn\ncaption x\n";
    EXPECT_FALSE(ParseStory(three_pages, story, error));
    EXPECT_NE(error.find("one or two pages"), std::string::npos) << error;
}

void ExpectLinesInside(const LetteredBox& box, const std::string& where) {
    for (const SetLine& line : box.lines) {
        EXPECT_GE(line.x, box.box.x + box.padding - 0.5) << where << ": " << line.text;
        EXPECT_LE(line.x + line.width, box.box.Right() - box.padding + 0.5) << where << ": " << line.text;
        EXPECT_LE(line.baseline, box.box.Bottom()) << where << ": " << line.text;
    }
}

void ExpectInsidePanel(const Box& box, const PanelLayout& layout, const std::string& where) {
    EXPECT_GE(box.x, 0) << where;
    EXPECT_GE(box.y, 0) << where;
    EXPECT_LE(box.Right(), layout.width) << where;
    EXPECT_LE(box.Bottom(), layout.height) << where;
}

TEST(Story, EveryPanelKeepsItsWordsInsideTheirBoxesAndClearOfTheFigures) {
    Story story = ShippedStory();
    for (const StoryChapter& chapter : story.chapters)
        for (size_t p = 0; p < chapter.pages.size(); ++p)
            for (int i = 0; i < kPanelsPerPage; ++i) {
                const std::string where = "chapter " + std::to_string(chapter.number) + " page " +
                                          std::to_string(p + 1) + " panel " + std::to_string(i + 1);
                const PanelBox size = ComicPanelBox(i);
                const StoryPanel& panel = chapter.pages[p].panels[i];
                const PanelLayout layout =
                    LayOutPanel(panel, p == 0 && i == 0 ? chapter.title : "", size.w, size.h);
                std::vector<Box> boxes;
                if (layout.has_caption) {
                    ExpectLinesInside(layout.caption, where + " caption");
                    ExpectInsidePanel(layout.caption.box, layout, where + " caption");
                    boxes.push_back(layout.caption.box);
                }
                ASSERT_EQ(layout.bubbles.size(), panel.speech.size());
                for (const PlacedBubble& b : layout.bubbles) {
                    ExpectLinesInside(b.text, where + " " + b.who);
                    ExpectInsidePanel(b.text.box, layout, where + " " + b.who);
                    // the tail points down at the speaker, below the bubble
                    EXPECT_GT(b.tip_y, b.text.box.Bottom() + 6) << where << " " << b.who;
                    EXPECT_LE(b.text.lines.size(), 3u) << where << " " << b.who << " says too much";
                    boxes.push_back(b.text.box);
                }
                for (size_t a = 0; a < boxes.size(); ++a)
                    for (size_t c = a + 1; c < boxes.size(); ++c)
                        EXPECT_FALSE(boxes[a].Overlaps(boxes[c])) << where << ": boxes " << a << " and " << c;
                for (const PlacedFigure& f : layout.figures) {
                    if (!IsCharacter(f.figure.who) || f.figure.who == "gloom" || f.figure.small) continue;
                    EXPECT_GE(f.size, size.h * 0.3) << where << ": " << f.figure.who << " is squeezed";
                    EXPECT_LE(f.cy + f.size / 2, size.h) << where << ": " << f.figure.who;
                }
            }
}

TEST(Story, TheGeneratedTreeHoldsExactlyThePagesOfTheStory) {
    Story story = ShippedStory();
    for (const StoryChapter& chapter : story.chapters)
        for (int p = 0; p < 2; ++p) {
            const bool exists = std::filesystem::exists(test::GamePath(ComicPageName(chapter.number, p)));
            EXPECT_EQ(exists, p < int(chapter.pages.size())) << ComicPageName(chapter.number, p);
        }
}

} // namespace
} // namespace wispwood::mediagen
