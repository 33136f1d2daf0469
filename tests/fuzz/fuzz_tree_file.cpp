// libFuzzer target: the tab-indented tree parser and writer.
#include "tests/support/parser_fuzz.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!wispwood::test::FuzzTreeFile(data, size)) std::abort();
    return 0;
}
