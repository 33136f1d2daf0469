#include "engine/io/print_line.h"
#include <cstdio>

namespace wispwood {

void PrintLine(const Text& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace wispwood
