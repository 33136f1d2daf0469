# wispwood_layer(<target> <folder>...)
# Builds a static library from every source under the given folders. Sources
# are globbed so that adding a file never needs an edit here; CONFIGURE_DEPENDS
# makes a new file trigger a re-glob on the next build.
function(wispwood_layer target)
  set(sources)
  foreach(folder IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.c)
    list(APPEND sources ${found})
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  wispwood_common_headers(${target})
endfunction()

# wispwood_common_headers(<target>)
# The standard headers and the core of the engine that nearly every source
# reads, parsed once per target instead of once per file (a third or so of
# a small file's compile). They are read before each source, so a file that
# forgets to include one of them still compiles here: the headers' own
# includes are what keeps them usable elsewhere.
function(wispwood_common_headers target)
  target_precompile_headers(${target} PRIVATE
    <algorithm> <array> <cmath> <functional> <map> <memory> <string> <unordered_map> <vector>
    ${PROJECT_SOURCE_DIR}/engine/core/ref.h ${PROJECT_SOURCE_DIR}/engine/core/text.h
    ${PROJECT_SOURCE_DIR}/engine/core/tlist.h)
endfunction()
