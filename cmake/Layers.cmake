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
  # Eight files to a unit: the headers they share are parsed once for all
  # of them. A helper's name in a file's anonymous namespace is therefore
  # that file's alone (tests/check_unit_names.sh).
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
endfunction()
