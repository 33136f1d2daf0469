// Every text of the text table fits where the game draws it, measured with
// the game's own fonts at the scale it is drawn (the fonts upper-case what
// they draw). The room of each place follows from where the screens put the
// text and from the pictures it is drawn on; texts whose place is not fixed
// by the screens are only checked for their glyphs.
#include "tests/tools/data/data_files.h"
#include "tests/tools/data/font_fixture.h"

#include "engine/io/text_convert.h"
#include "game/services/game_fonts.h"
#include "game/services/profiles.h"
#include "game/services/text_table.h"
#include <algorithm>
#include <gtest/gtest.h>

namespace wispwood::datatest {
namespace {

constexpr int kScreenWidth = 800;
// Texts centred on the board use its centre, which every board width keeps.
constexpr int kBoardCentreX = 323;

struct Place {
    Text where;
    Ref<Font> font;
    float scale = 1;
    int room = 0; // pixels
};

Text FontName(const Ref<Font>& font) {
    return font == BigFont ? "BigFont" : font == TutorialFont ? "TutorialFont" : "MainFont";
}

// A button's label is centred on the plate and drawn at its own scale
// times the button's, like the plate, so the button's scale cancels out.
// FontLength counts half the last glyph beyond its ink, which keeps a
// label that fits clear of the plate's rim.
Place OnButton(const Text& picture, const Ref<Font>& font, float textScale) {
    return {"on " + picture, font, textScale, PictureWidth(picture)};
}

// Centred at centreX over the face of a panel whose left edge is at
// panelLeft.
Place CentredOnPanel(const Text& picture, int panelLeft, int centreX, const Ref<Font>& font, float scale) {
    PanelFace face = FaceOf(picture);
    int left = panelLeft + face.left, right = panelLeft + face.right;
    return {"centred at x " + IntToText(centreX) + " on " + picture, font, scale,
            2 * std::min(centreX - left, right - centreX)};
}

Place CentredOnScreen(int centreX, const Ref<Font>& font, float scale) {
    return {"centred at x " + IntToText(centreX) + " on the screen", font, scale,
            2 * std::min(centreX, kScreenWidth - centreX)};
}

// Left-aligned at x, up to the next thing drawn to its right.
Place FromLeft(int x, int rightEdge, const Text& upTo, const Ref<Font>& font, float scale) {
    return {"from x " + IntToText(x) + " to " + upTo + " at x " + IntToText(rightEdge), font, scale,
            rightEdge - x};
}

class TextsFit : public GameFontsTest {
  protected:
    void SetUp() override {
        GameFontsTest::SetUp();
        LoadTextTable(ShippedPath("Strings.txt"));
    }
    void TearDown() override { GameFontsTest::TearDown(); }

    static void ExpectFits(const Text& label, const Text& text, const Place& place) {
        EXPECT_NE(text, "") << label;
        EXPECT_EQ(MissingGlyphs(*place.font, text), "") << label << " \"" << text << "\"";
        int width = place.font->FontLength(text, place.scale);
        EXPECT_LE(width, place.room) << label << " \"" << text << "\" is " << width << " pixels wide in "
                                     << FontName(place.font) << " at scale " << place.scale << ", "
                                     << place.where << " it has " << place.room;
    }
    static void ExpectTextFits(const Text& section, const Text& key, const Place& place) {
        ExpectFits(section + "/" + key, GetText(section, key), place);
    }
};

TEST_F(TextsFit, ButtonLabelsFitTheirPlates) {
    ExpectTextFits("mainmenu", "play", OnButton("media/gui/button-big.png", BigFont, 0.8f));
    ExpectTextFits("mainmenu", "masterquest", OnButton("media/gui/button-big.png", BigFont, 0.6f));
    for (const char* key : {"profile", "options", "highscores", "exit"})
        ExpectTextFits("mainmenu", key, OnButton("media/gui/button-mainmenu.png", MainFont, 0.9f));

    const Place wide = OnButton("media/gui/button-empty.png", MainFont, 0.9f);
    for (const char* key : {"ok", "new", "delete", "cancel"}) ExpectTextFits("profile", key, wide);
    for (const char* key : {"options", "exit", "back"}) ExpectTextFits("main", key, wide);
    for (const char* key : {"back", "continue"}) ExpectTextFits("map", key, wide);
    ExpectTextFits("templecomplete", "ok", wide);
    ExpectTextFits("gameend", "whatever", wide);

    const Place small = OnButton("media/gui/button-empty-small.png", MainFont, 0.9f);
    ExpectTextFits("highscores", "ok", small);
    for (const char* key : {"showrelaxed", "showtimed"})
        ExpectTextFits("highscores", key, OnButton("media/gui/button-empty-small.png", MainFont, 0.8f));
    ExpectTextFits("comics", "back", small);
    for (const char* key : {"ok", "cancel"})
        ExpectTextFits("options", key, OnButton("media/gui/button-empty-small.png", MainFont, 0.8f));

    const Place side = OnButton("media/gui/button-sidebar.png", MainFont, 0.9f);
    ExpectTextFits("main", "menu", side);
    for (const char* key : {"next", "ok"}) ExpectTextFits("comics", key, side);

    for (const char* key : {"fullscreen", "windowed", "hintson", "hintsoff", "relaxedoff", "relaxedon",
                            "effectsfull", "effectscalm"})
        ExpectTextFits("options", key, OnButton("media/gui/selectable.png", MainFont, 0.8f));
}

TEST_F(TextsFit, DialogTextsStayOnTheirPanels) {
    // The new-profile panel stands at x 208; its two lines are centred at x 397.
    for (const char* key : {"welcome", "createprofile", "entername"})
        ExpectTextFits("profile", key,
                       CentredOnPanel("media/profilemenu/newcontainer.png", 208, 397, MainFont, 0.9f));

    // The options dialog and the pause menu are centred on the screen; the
    // layout centres their headings, and the slider labels are centred over
    // the sliders at x 282.
    const Text backing = "media/options/backing.png";
    const int backingLeft = (kScreenWidth - PictureWidth(backing)) / 2;
    const Place heading = CentredOnPanel(backing, backingLeft, kScreenWidth / 2, BigFont, 0.9f);
    ExpectTextFits("options", "heading", heading);
    ExpectTextFits("main", "paused", heading);
    ExpectTextFits("options", "nextlevel",
                   CentredOnPanel(backing, backingLeft, kScreenWidth / 2, MainFont, 0.7f));
    const int sliderCentre = 282 + PictureWidth("media/gui/slider.png") / 2;
    for (const char* key : {"soundvolume", "musicvolume", "voicevolume"})
        ExpectTextFits("options", key, CentredOnPanel(backing, backingLeft, sliderCentre, MainFont, 0.8f));

    // The exit confirmation prints its lines at full size on the dialog
    // backing centred on the screen.
    const Text container = "media/gui/container.png";
    const int containerLeft = (kScreenWidth - PictureWidth(container)) / 2;
    for (const char* key : {"quit1", "quit2", "quit3"})
        ExpectTextFits("prompts", key,
                       CentredOnPanel(container, containerLeft, kScreenWidth / 2, MainFont, 1));
}

// The character of `chars` whose run of `count` is the widest in `font`.
char WidestOf(const Ref<Font>& font, const Text& chars, int count) {
    char widest = chars[0];
    for (char c : chars)
        if (font->FontLength(Text(count, c)) > font->FontLength(Text(count, widest))) widest = c;
    return widest;
}

// The widest name the new-profile text box accepts: it drops characters
// while the name is wider than the box less 20 pixels at full size.
Text WidestName() {
    const int room = PictureWidth("media/profilemenu/textbox.png") - 20;
    const char widest = WidestOf(MainFont, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 8);
    Text name;
    while (MainFont->FontLength(name + widest) <= room) name += widest;
    return name;
}

TEST_F(TextsFit, BannersStayOnTheScreen) {
    const Place board = CentredOnScreen(kBoardCentreX, BigFont, 1);
    ExpectTextFits("game", "gameover", board);
    ExpectTextFits("game", "timeout", board);
    ExpectTextFits("game", "tryagain", board);
    ExpectTextFits("game", "nomatches", CentredOnScreen(kBoardCentreX, BigFont, 0.75f));
    // Rewards that are not important sit small at the top.
    ExpectTextFits("reward", "extralife", CentredOnScreen(kBoardCentreX, BigFont, 0.7f));
    // The demo's word on its plate, drawn at 0.9 of the plate's size, and
    // the way back under it.
    ExpectTextFits("demo", "banner",
                   {"on the demo's plate", BigFont, 0.8f,
                    static_cast<int>(0.9f * static_cast<float>(PictureWidth("media/gui/button-big.png")))});
    ExpectTextFits("demo", "leave", CentredOnScreen(kBoardCentreX, MainFont, 0.7f));

    // The quest map centres its messages on the screen; the second line of
    // the quest-completed message is smaller.
    const Place map = CentredOnScreen(kScreenWidth / 2, BigFont, 1);
    ExpectTextFits("ranks", "rankup", map);
    ExpectTextFits("misc", "questcompleted", map);
    ExpectTextFits("misc", "masterunlocked", CentredOnScreen(kScreenWidth / 2, BigFont, 0.75f));
    // The congratulation greets the player by name.
    const Text name = WidestName();
    ASSERT_EQ(CreateProfile(name), 1);
    SelectProfileByName(name);
    EXPECT_NE(GetText("misc", "congrats").find(name), Text::npos);
    ExpectTextFits("misc", "congrats", map);
}

TEST_F(TextsFit, TallyTextsStayOnTheTallyPanel) {
    // The panel's left edge is at x 32. The time bonus is at most 200 steps
    // of 100 points: five digits.
    const Text panel = "media/game/level-container.png";
    const int faceRight = 32 + FaceOf(panel).right;
    ExpectFits("timebonusdisplay/timebonus",
               GetText("timebonusdisplay", "timebonus") + " " + Text(5, WidestOf(BigFont, "0123456789", 5)),
               FromLeft(193, faceRight, "the panel's edge", BigFont, 0.75f));
    for (const char* key : {"goldmedal", "silvermedal"})
        ExpectTextFits("timebonusdisplay", key, FromLeft(191, faceRight, "the panel's edge", BigFont, 0.75f));
    // The heading is centred over the board, on the panel; which font draws
    // it is left to the tally, so it fits in either.
    for (const Ref<Font>& font : {MainFont, BigFont})
        ExpectTextFits("timebonusdisplay", "levelcomplete",
                       CentredOnPanel(panel, 32, kBoardCentreX, font, 1));
}

TEST_F(TextsFit, RankPanelTextsKeepClearOfTheCountersAndSlots) {
    // The panel is drawn at (217, 515): the rank's name from x 217 + 48 up
    // to the counters at x 509; "next rank" from x 230 up to the first gem
    // slot at x 371; the highest rank has no slots.
    const TextArray names = GetTextList("ranks", "rank");
    ASSERT_FALSE(names.empty());
    for (size_t i = 0; i < names.size(); ++i)
        ExpectFits("ranks/rank" + IntToText(static_cast<int>(i) + 1), names[i],
                   FromLeft(217 + 48, 509, "the counters", BigFont, 0.6f));
    ExpectTextFits("ranks", "nextrank", FromLeft(230, 371, "the first gem slot", BigFont, 0.5f));
    ExpectTextFits("ranks", "maxrank", FromLeft(272, kScreenWidth, "the screen's edge", BigFont, 0.5f));
}

// A lesson's panel: the heading centred 272 pixels from the panel's left
// edge, the lines in the tutorial font below it, each centred there with
// its middle at 94 pixels from the panel's top plus one line per line.
TEST_F(TextsFit, LessonTextsFitTheHelpPanel) {
    const Text panel = "media/help/helpcontainer.png";
    const PanelFace face = FaceOf(panel);
    const Place heading = CentredOnPanel(panel, 0, 272, MainFont, 0.9f);
    const Place line = CentredOnPanel(panel, 0, 272, TutorialFont, 0.9f);
    const float lineHeight = static_cast<float>(TutorialFont->FontHeight(0.9f));
    const char* const lessons[] = {
        "basictutorial",      "gemtutorial",        "poweruptutorial",      "timetutorial",
        "combotutorial",      "flowertutorial",     "chainstutorial",       "bombtutorial",
        "hovertutorial",      "rainbowtutorial",    "rainbowhovertutorial", "keytutorial",
        "earthquaketutorial", "horizontaltutorial", "chains2tutorial",      "bonustutorial",
    };
    int blocks = 0;
    for (const char* section : lessons) {
        ExpectTextFits(section, "heading", heading);
        for (const char* prefix : {"firstgroup", "secondgroup", "thirdgroup"}) {
            const TextArray lines = GetTextList(section, prefix);
            if (lines.empty()) continue;
            ++blocks;
            for (size_t i = 0; i < lines.size(); ++i)
                ExpectFits(Text(section) + "/" + prefix + IntToText(static_cast<int>(i) + 1), lines[i], line);
            const float bottom = 94 + lineHeight * (static_cast<float>(lines.size()) - 0.5f);
            EXPECT_LE(bottom, static_cast<float>(face.bottom))
                << section << "/" << prefix << ": " << lines.size() << " lines reach below the panel's face";
        }
    }
    EXPECT_GE(blocks, 30);
}

// Texts whose place the screens leave open are at least drawable: every
// character of every text has a glyph in each of the game's fonts.
TEST_F(TextsFit, EveryTextHasItsGlyphs) {
    int texts = 0;
    for (const auto& section : TextTable->Nodes().ObjectEnumerator())
        for (const auto& entry : section->Data.ObjectEnumerator()) {
            for (const Ref<Font>& font : {MainFont, TutorialFont, BigFont})
                EXPECT_EQ(MissingGlyphs(*font, entry->Data), "")
                    << section->Name << "/" << entry->Name << " in " << FontName(font);
            ++texts;
        }
    EXPECT_GE(texts, 100);
}

} // namespace
} // namespace wispwood::datatest
