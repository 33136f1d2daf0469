#include "engine/audio/sample_loaders.h"
#include "engine/io/file_stream.h"

namespace wispwood {

Ref<TAudioSample> LoadAudioSample(const Ref<TStream>& stream) {
    if (!stream) return nullptr;
    int64_t start = stream->Pos();
    if (auto sample = LoadWavSample(*stream)) return sample;
    if (start < 0 || stream->Seek(start) != start) return nullptr;
    return LoadOggSample(*stream);
}

Ref<TAudioSample> LoadAudioSample(const Text& path) {
    Ref<TStream> stream = ReadFile(path);
    if (!stream) return nullptr;
    Ref<TAudioSample> sample = LoadAudioSample(stream);
    stream->Close();
    return sample;
}

} // namespace wispwood
