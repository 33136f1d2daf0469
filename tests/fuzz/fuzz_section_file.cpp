// libFuzzer target: the sectioned key/value parser and writer.
#include "tests/support/parser_fuzz.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!wispwood::test::FuzzSectionedFile(data, size)) std::abort();
    return 0;
}
