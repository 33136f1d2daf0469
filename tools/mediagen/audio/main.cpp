// mediagen_audio <game folder> <preview folder>: writes the sounds, jingles
// and music of the default media tree.
#include "tools/mediagen/audio/audio_set.h"
#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: mediagen_audio <game folder> <preview folder>\n");
        return 2;
    }
    std::string error;
    int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    if (!wispwood::mediagen::GenerateAudioSet(argv[1], argv[2], threads, error)) {
        std::fprintf(stderr, "mediagen_audio: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
