#include "tools/mediagen/audio/audio_set.h"
#include "tools/mediagen/audio/dsp.h"
#include "tools/mediagen/audio/ogg_vorbis.h"
#include "tools/mediagen/core/family.h"
#include "tools/mediagen/core/raster.h"
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <thread>

namespace wispwood::mediagen {

namespace {

// Loudness targets: effects and jingles alike on their loudest moment; the
// in-game music sits well under them over its whole length, and the menu
// theme is mastered louder (the game plays it at a third of the volume).
constexpr float kEffectLoudness = -14.0f, kJingleLoudness = -15.0f, kMusicLoudness = -21.0f;

const char* KindName(AudioKind kind) {
    switch (kind) {
    case AudioKind::Effect:
        return "effect";
    case AudioKind::Jingle:
        return "jingle";
    case AudioKind::Music:
        return "music";
    }
    return "";
}

} // namespace

MasterSettings MasterSettingsFor(const AudioItem& item) {
    MasterSettings s;
    switch (item.kind) {
    case AudioKind::Effect:
        s.loudnessDb = kEffectLoudness + item.trimDb;
        s.fadeIn = 0.0015;
        s.fadeOut = 0.01;
        s.quality = 0.5f;
        break;
    case AudioKind::Jingle:
        s.loudnessDb = kJingleLoudness + item.trimDb;
        s.fadeIn = 0.002;
        s.fadeOut = 0.05;
        s.quality = 0.4f;
        break;
    case AudioKind::Music:
        s.loudnessDb = kMusicLoudness + item.trimDb;
        s.shortTerm = false;
        s.maxLimitingDb = 3.0f;
        s.fadeIn = 0.02;
        s.fadeOut = 1.5;
        s.quality = 0.3f;
        break;
    }
    return s;
}

std::string GenerateAudioFile(const AudioItem& item) {
    Pcm pcm = item.make();
    // A fixed serial per file keeps the bytes stable and the streams distinct.
    return MasterAndEncode(pcm, MasterSettingsFor(item), uint32_t(HashName(item.path) & 0x7FFFFFFF));
}

AudioMeasure MeasureAudio(const Pcm& heard, AudioKind kind) {
    AudioMeasure m;
    m.seconds = heard.Seconds();
    m.peakDb = GainToDb(Peak(heard));
    m.rmsDb = GainToDb(Rms(heard));
    m.loudnessDb = GainToDb(MeasureLoudness(heard, kind != AudioKind::Music));
    return m;
}

bool GenerateAudioSet(const std::filesystem::path& mediaDir, const std::filesystem::path& previewDir,
                      int threads, std::string& error) {
    const auto& items = AudioCatalog();
    struct Done {
        std::string bytes;
        AudioMeasure measure;
    };
    std::vector<Done> done(items.size());
    // The long pieces go first so that the short ones fill in around them.
    std::vector<size_t> order;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].kind == AudioKind::Music) order.push_back(i);
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].kind != AudioKind::Music) order.push_back(i);
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t k; (k = next++) < order.size();) {
            const AudioItem& item = items[order[k]];
            Done& d = done[order[k]];
            d.bytes = GenerateAudioFile(item);
            if (auto heard = DecodeWithGameDecoder(d.bytes)) d.measure = MeasureAudio(*heard, item.kind);
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < std::max(1, threads); ++t) pool.emplace_back(work);
    work();
    for (auto& t : pool) t.join();

    std::ostringstream sheet;
    sheet << "Wispwood audio: " << items.size() << " files\n"
          << "Levels are of the decoded file: peak and RMS in dBFS; loudness is the loudest 100 ms\n"
          << "(effects, jingles) or the whole file (music), K-weighted.\n\n";
    size_t total = 0;
    char line[512];
    for (size_t i = 0; i < items.size(); ++i) {
        const AudioItem& item = items[i];
        const std::string relative = std::string(item.path).substr(std::string("media/").size());
        if (done[i].bytes.empty() || !WriteFileIfChanged(mediaDir / relative, done[i].bytes)) {
            error = std::string("cannot write ") + item.path;
            return false;
        }
        total += done[i].bytes.size();
        const AudioMeasure& m = done[i].measure;
        std::snprintf(line, sizeof line,
                      "%-38s %-6s %6.2f s  peak %6.1f  rms %6.1f  loud %6.1f  %6zu bytes  %s\n", item.path,
                      KindName(item.kind), m.seconds, m.peakDb, m.rmsDb, m.loudnessDb, done[i].bytes.size(),
                      item.description);
        sheet << line;
    }
    sheet << "\nTotal " << total << " bytes\n";
    if (!WriteFileIfChanged(previewDir / "audio.txt", sheet.str())) {
        error = "cannot write " + (previewDir / "audio.txt").string();
        return false;
    }
    return true;
}

namespace {

int RunAudio(const FamilyContext& context) {
    std::string error;
    if (!GenerateAudioSet(context.media_dir, context.preview_dir, context.jobs, error)) {
        std::fprintf(stderr, "mediagen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

} // namespace

WISPWOOD_MEDIA_FAMILY("audio", RunAudio);

} // namespace wispwood::mediagen
