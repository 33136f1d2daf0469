// The board scenery: a scene per location and one for the end screen, every
// cut-out fully described, neighbours that look different, and every
// picture among those the media generator paints.
#include "tests/tools/data/data_files.h"

#include "engine/io/text_convert.h"
#include <gtest/gtest.h>
#include <map>

namespace wispwood::datatest {
namespace {

struct Cutout {
    Text path;
    std::map<Text, Text> fields;
};

struct Scene {
    int header = 0;
    Text image;
    std::vector<Cutout> cutouts;
    Text Look() const {
        Text look = image;
        for (const auto& c : cutouts) {
            look += "|" + c.path;
            for (const auto& [k, v] : c.fields) look += "," + k + "=" + v;
        }
        return look;
    }
};

// Read as the scene loader reads: the first keyword found anywhere in the
// line decides, and the value runs from the first "=" to the next.
std::map<int, Scene> ReadScenes(std::vector<Text>* problems) {
    const Text keywords[] = {"[level", "image",      "mid",   "pos",   "alpha",   "rotation",
                             "scale",  "brightness", "xflip", "yflip", "additive"};
    std::map<int, Scene> scenes;
    Scene* scene = nullptr;
    for (const Text& line : ReadRawLines(ShippedPath("background.txt")).lines) {
        Text word;
        for (const Text& k : keywords)
            if (line.find(k) != Text::npos) {
                word = k;
                break;
            }
        if (word.empty()) {
            if (!line.empty()) problems->push_back("ignored line: " + line);
            continue;
        }
        if (word == "[level") {
            Text digits;
            for (char c : line)
                if (c >= '0' && c <= '9') digits += c;
            int n = TextToInt(digits);
            if (scenes.count(n)) problems->push_back("scene " + digits + " given twice");
            scene = &scenes[n];
            scene->header = n;
            continue;
        }
        size_t eq = line.find('=');
        if (eq == Text::npos || !scene) {
            problems->push_back("no value or no scene: " + line);
            continue;
        }
        // The loader takes the value as it stands, so "=" must not be padded
        // and the keyword must be the line's own.
        Text key = line.substr(0, eq);
        Text value = line.substr(eq + 1, line.find('=', eq + 1) - eq - 1);
        if (key != word) problems->push_back("keyword \"" + word + "\" decides the line: " + line);
        if (value.empty() || value.front() == ' ' || value.back() == ' ')
            problems->push_back("padded or empty value: " + line);
        if (word == "image")
            scene->image = value;
        else if (word == "mid")
            scene->cutouts.push_back({value, {}});
        else if (scene->cutouts.empty())
            problems->push_back("a field before any cut-out: " + line);
        else
            scene->cutouts.back().fields[word] = value;
    }
    return scenes;
}

TEST(Scenery, EveryLocationAndTheEndScreenHaveAFullScene) {
    std::vector<Text> problems;
    auto scenes = ReadScenes(&problems);
    for (const Text& p : problems) ADD_FAILURE() << p;
    ASSERT_EQ(scenes.size(), 100u);
    for (int header = 1; header <= 100; ++header) {
        ASSERT_TRUE(scenes.count(header)) << "scene " << header;
        const Scene& s = scenes[header];
        EXPECT_FALSE(s.image.empty()) << "scene " << header;
        for (const auto& c : s.cutouts) {
            // A field left out reads as 0: no size, no alpha, or black.
            for (const char* field :
                 {"pos", "alpha", "rotation", "scale", "brightness", "xflip", "yflip", "additive"})
                EXPECT_TRUE(c.fields.count(field))
                    << "scene " << header << " " << c.path << " lacks " << field;
            if (c.fields.count("scale")) {
                EXPECT_GT(TextToFloat(c.fields.at("scale")), 0.0f);
            }
            if (c.fields.count("alpha")) {
                EXPECT_GT(TextToFloat(c.fields.at("alpha")), 0.0f);
            }
            if (c.fields.count("brightness")) {
                float b = TextToFloat(c.fields.at("brightness"));
                EXPECT_GT(b, 0.5f);
                EXPECT_LE(b, 1.34f); // 1.33 already draws at full white
            }
            if (c.fields.count("pos")) {
                EXPECT_NE(c.fields.at("pos").find(','), Text::npos);
            }
        }
    }
}

TEST(Scenery, NeighbouringLocationsLookDifferent) {
    std::vector<Text> problems;
    auto scenes = ReadScenes(&problems);
    // Location n is played before scene n mod 99 + 1.
    for (int n = 0; n < 99; ++n) {
        int a = n % 99 + 1, b = (n + 1) % 99 + 1;
        if (!scenes.count(a) || !scenes.count(b)) continue;
        EXPECT_NE(scenes[a].image, scenes[b].image) << "locations " << n << " and " << n + 1;
        EXPECT_NE(scenes[a].Look(), scenes[b].Look()) << "locations " << n << " and " << n + 1;
    }
}

TEST(Scenery, EveryPictureIsOneTheGeneratorPaints) {
    std::vector<Text> problems;
    auto scenes = ReadScenes(&problems);
    std::vector<Text> pictures;
    for (const auto& [header, s] : scenes) {
        pictures.push_back(s.image);
        for (const auto& c : s.cutouts) pictures.push_back(c.path);
    }
    ASSERT_FALSE(pictures.empty());
    bool absent = false;
    for (const Text& picture : pictures) {
        EXPECT_TRUE(IsListedPicture(picture)) << picture << " is not among the generated pictures";
        auto state = GeneratedPicture(picture);
        absent |= state == PictureState::TreeAbsent;
        if (state == PictureState::Missing) ADD_FAILURE() << picture << " was not generated";
    }
    if (absent) GTEST_SKIP() << "the scenery pictures are not generated yet";
}

} // namespace
} // namespace wispwood::datatest
