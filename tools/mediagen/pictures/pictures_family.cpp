// The pictures family: paints every entry of the catalogue on worker threads,
// encodes it by its extension and writes the contact sheets.
#include <atomic>
#include <cstdio>
#include <mutex>
#include <thread>

#include "tools/mediagen/core/family.h"
#include "tools/mediagen/pictures/catalogue.h"
#include "tools/mediagen/pictures/comic_pages.h"
#include "tools/mediagen/pictures/contact_sheet.h"
#include "tools/mediagen/pictures/story_text.h"
#include "tools/mediagen/pictures/trail.h"

namespace wispwood::mediagen {

namespace {

int RunPictures(const FamilyContext& context) {
    Trail trail;
    std::string error;
    if (!LoadTrail(context.data_dir / "quest" / "trail.txt", trail, error)) {
        std::fprintf(stderr, "mediagen: %s\n", error.c_str());
        return 1;
    }
    Story story;
    if (!LoadStory(context.data_dir / "story.txt", story, error)) {
        std::fprintf(stderr, "mediagen: %s\n", error.c_str());
        return 1;
    }
    PictureInputs inputs;
    inputs.trail = &trail;
    inputs.story = &story;

    Catalogue catalogue = FullCatalogue(story);
    std::vector<Raster> results(catalogue.size());
    std::atomic<size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex report;
    auto worker = [&] {
        for (size_t i = next++; i < catalogue.size(); i = next++) {
            const PictureEntry& entry = catalogue[i];
            Raster raster = entry.paint(inputs);
            std::string bytes = entry.path.ends_with(".jpg") ? EncodeJpeg(raster, 90) : EncodePng(raster);
            // The catalogue paths start with "media/"; the media folder is that folder.
            std::string relative = entry.path.substr(entry.path.find('/') + 1);
            if (bytes.empty() || !WriteFileIfChanged(context.media_dir / relative, bytes)) {
                std::lock_guard<std::mutex> lock(report);
                std::fprintf(stderr, "mediagen: could not write %s\n", entry.path.c_str());
                failed = true;
            }
            results[i] = std::move(raster);
        }
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < context.jobs; ++t) threads.emplace_back(worker);
    worker();
    for (std::thread& thread : threads) thread.join();
    if (failed) return 1;
    RemoveUnusedComicPages(story, context.media_dir);
    return WriteContactSheets(catalogue, results, context.preview_dir) ? 0 : 1;
}

} // namespace

WISPWOOD_MEDIA_FAMILY("pictures", RunPictures);

} // namespace wispwood::mediagen
