#include "game/adventure/background.h"
#include "engine/draw/graphics.h"
#include "engine/draw/image.h"
#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "engine/io/stream.h"
#include "engine/io/text_convert.h"
#include "framework/data/data_file_report.h"
#include "framework/draw_state/draw_state.h"
#include "framework/images/game_image.h"
#include "game/adventure/spot_levels.h"
#include "game/services/start_flags.h"
#include <algorithm>

namespace wispwood {

std::array<Ref<Background>, BackgroundCount> Backgrounds;
std::map<Text, Ref<BackgroundImageCached>> BackgroundImages;

namespace {

// The keywords in the order they are tried; the first one found anywhere
// in a line decides what the line sets.
enum class Key { Header, Image, Mid, Pos, Alpha, Rotation, Scale, Brightness, XFlip, YFlip, Additive, None };

Key KeyOf(const Text& line) {
    static const std::pair<const char*, Key> keys[] = {
        {"[level", Key::Header}, {"image", Key::Image},           {"mid", Key::Mid},
        {"pos", Key::Pos},       {"alpha", Key::Alpha},           {"rotation", Key::Rotation},
        {"scale", Key::Scale},   {"brightness", Key::Brightness}, {"xflip", Key::XFlip},
        {"yflip", Key::YFlip},   {"additive", Key::Additive}};
    for (const auto& [word, key] : keys)
        if (line.find(word) != Text::npos) return key;
    return Key::None;
}

// Every decimal digit of the line, in order, as one number (0 with none,
// and a run too long for a scene number counts as none).
int HeaderNumber(const Text& line) {
    int n = 0;
    bool any = false;
    for (char c : line) {
        if (c < '0' || c > '9') continue;
        any = true;
        n = n * 10 + (c - '0');
        if (n > 1000000) return 0;
    }
    return any ? n : 0;
}

// The text between the first "=" and the next one; none without "=".
bool ValueOf(const Text& line, Text& value) {
    const size_t eq = line.find('=');
    if (eq == Text::npos) return false;
    const size_t next = line.find('=', eq + 1);
    value = line.substr(eq + 1, next == Text::npos ? Text::npos : next - eq - 1);
    return true;
}

Text ReplaceAll(Text text, const Text& what, const Text& with) {
    for (size_t at = text.find(what); at != Text::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

void SetObjectValue(BackgroundObject& o, Key key, const Text& value) {
    switch (key) {
    case Key::Pos: {
        const size_t comma = value.find(',');
        o.x = TextToFloat(value.substr(0, comma));
        if (comma != Text::npos) o.y = TextToFloat(value.substr(comma + 1));
        break;
    }
    case Key::Alpha:
        o.alpha = TextToFloat(value);
        break;
    case Key::Rotation:
        o.rotation = TextToFloat(value);
        break;
    case Key::Scale:
        o.Scale = TextToFloat(value);
        break;
    case Key::Brightness:
        o.brightness = TextToFloat(value);
        break;
    case Key::XFlip:
        o.xflip = 1 - 2 * TextToInt(value);
        break;
    case Key::YFlip:
        o.yflip = 1 - 2 * TextToInt(value);
        break;
    case Key::Additive:
        o.additive = TextToInt(value);
        break;
    default:
        break;
    }
}

} // namespace

void ReadBackgrounds(const Ref<TStream>& stream) {
    if (!stream) return;
    Ref<Background> scene;
    Ref<BackgroundObject> object;
    while (!Eof(stream)) {
        const Text line = stream->ReadLine();
        const Key key = KeyOf(line);
        if (key == Key::None) continue;
        if (key == Key::Header) {
            // A header naming no scene of the table starts none: the lines
            // under it set nothing rather than the scene above it.
            const int n = HeaderNumber(line);
            scene = n >= 1 && n <= BackgroundCount ? New<Background>() : nullptr;
            object = nullptr;
            if (scene) Backgrounds[n - 1] = scene;
            continue;
        }
        Text value;
        if (!scene || !ValueOf(line, value)) continue;
        if (key == Key::Image) {
            scene->BackgroundPath = value;
        } else if (key == Key::Mid) {
            object = New<BackgroundObject>();
            object->Path = value;
            scene->Objects.push_back(object);
        } else if (object) {
            SetObjectValue(*object, key, value);
        }
    }
}

void LoadBackgrounds() {
    const Text path = "media\\background.txt";
    const Text problem = DataFileProblem(path);
    const Text instead = "levels are played without their painted scenery";
    if (!problem.empty()) {
        ReportDataFile(path, problem, instead);
        return;
    }
    ReadBackgrounds(ReadFile(path));
    if (std::none_of(Backgrounds.begin(), Backgrounds.end(),
                     [](const Ref<Background>& b) { return b != nullptr; }))
        ReportDataFile(path, "holds no scenery", instead);
}

Ref<TImage> LoadCachedImage(const Text& path) {
    auto found = BackgroundImages.find(path);
    if (found != BackgroundImages.end()) return found->second->Image;
    auto entry = New<BackgroundImageCached>();
    entry->Path = path;
    if (!path.empty()) {
        const Text jpg = ReplaceAll(path, "png", "jpg");
        if (PathKind(path) == 1) {
            entry->Image = LoadGameImage(path, -1);
        } else if (PathKind(jpg) == 1) {
            entry->Image = LoadGameImage(jpg, -1);
        }
    }
    if (entry->Image) CentreImageHandle(entry->Image);
    BackgroundImages[path] = entry;
    return entry->Image;
}

void Background::Cache() {
    Cached = 1;
    Background_ = LoadCachedImage(BackgroundPath);
    for (const Ref<BackgroundObject>& o : Objects) o->Image = LoadCachedImage(o->Path);
}

void Background::Render() {
    if (BackgroundPath.empty()) return;
    if (!Cached) Cache();
    TDrawState::Push();
    TDrawState::PushBlend(ALPHABLEND);
    TDrawState::Push();
    DrawGameImage(Background_, static_cast<float>(ImageWidth(Background_) / 2),
                  static_cast<float>(ImageHeight(Background_) / 2));
    TDrawState::Pop();
    if (!LowDetail) {
        for (const Ref<BackgroundObject>& o : Objects) {
            SetScale(o->Scale * static_cast<float>(o->xflip), o->Scale * static_cast<float>(o->yflip));
            SetAlpha(o->alpha);
            SetRotation(o->rotation);
            const int g = static_cast<int>(o->brightness * 192);
            SetColor(g, g, g);
            if (o->additive) SetBlend(LIGHTBLEND);
            DrawGameImage(o->Image, o->x + static_cast<float>(ImageWidth(o->Image) / 2),
                          o->y + static_cast<float>(ImageHeight(o->Image) / 2));
            SetBlend(ALPHABLEND);
        }
    }
    TDrawState::Pop();
}

int BackgroundIndexForLocation(int location) {
    const int i = location % 99;
    return i < 0 ? i + 99 : i;
}

void RenderLocationBackground() {
    if (Ref<Background> scene = Backgrounds[BackgroundIndexForLocation(CurrentSpotIndex)]) scene->Render();
}

void ResetBackgrounds() {
    for (Ref<Background>& scene : Backgrounds) scene = nullptr;
    BackgroundImages.clear();
}

} // namespace wispwood
