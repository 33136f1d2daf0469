#include "game/level/score_panel.h"
#include "engine/io/text_convert.h"
#include "framework/fonts/font.h"
#include "framework/images/game_image.h"
#include "framework/scene/tunables.h"
#include "game/board/effect_images.h"
#include "game/board/game_score.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/panel_particles.h"
#include "game/level/score_flight.h"
#include "game/services/game_fonts.h"
#include "game/services/profiles.h"

namespace wispwood {


namespace {

float Fixed(const char* name, const char* value) {
    return FixedTunable(name, value);
}

void RenderScore() {
    PrintText("SCORE", Fixed("scoretextx", "697"), Fixed("scoretexty", "16"), AlignLeft,
              Fixed("scoretextscale", "0.75"));
    Text score = IntToText(DisplayedScore);
    float scale = Fixed("scorescale", "1.0");
    // Centred on the width of as many zeros as it has digits, so the number
    // stays put while its digits change.
    float x = Fixed("scorex", "721") - CurrentFontLength(Text(score.size(), '0'), scale) / 2;
    PrintText(score, x, Fixed("scorey", "40"), AlignLeft, scale);
}

void RenderGemCounter(const PlayerProfile& profile) {
    PrintText("GEMS", Fixed("gemstextx", "699"), Fixed("gemstexty", "174"), AlignLeft, 0.75f);
    float x = Fixed("gemsx", "666"), y = Fixed("gemsy", "200") + Fixed("gemoffsety", "-13");
    DrawGameImage(EffectImages.GemsIcon, x, y);
    float w = EffectImages.GemsIcon ? static_cast<float>(ImageWidth(EffectImages.GemsIcon)) : 0;
    // The level's gems count as soon as they reach the counter.
    PrintText("X " + IntToText(profile.Gems + GemsCollected), x + w, Fixed("gemsy", "200"), AlignLeft, 1);
}

void RenderLives(const PlayerProfile& profile) {
    PrintText("LIVES", Fixed("livestextx", "702"), Fixed("livestexty", "93"), AlignLeft,
              Fixed("livestextscale", "0.75"));
    float x = Fixed("livesx", "660"), y = Fixed("livesy", "111");
    float w = EffectImages.LivesIcon ? static_cast<float>(ImageWidth(EffectImages.LivesIcon)) : 0;
    if (profile.Lives <= 3) {
        for (int i = 0; i < profile.Lives; ++i)
            DrawGameImage(EffectImages.LivesIcon, x + w * static_cast<float>(i), y);
        return;
    }
    x += Fixed("livespushx", "14");
    DrawGameImage(EffectImages.LivesIcon, x, y);
    PrintText("X " + IntToText(profile.Lives), x + w, y, AlignLeft, Fixed("livesscale", "1.0"));
}

} // namespace

void RenderScorePanel() {
    CurrentFontScope font(MainFont);
    RenderScore();
    if (CurrentProfile) {
        bool gemsShown = (CurrentLevel && CurrentLevel->n >= 1) || CurrentProfile->InMasterQuest;
        if (gemsShown) RenderGemCounter(*CurrentProfile);
        RenderLives(*CurrentProfile);
    }
    PanelParticles.Render();
    RenderScoreFlights();
}

} // namespace wispwood
