# The project's own targets get the warnings, and the warnings as errors with KORVELIN_WERROR;
# third-party code (GoogleTest, benchmark, Qt's generated files) is never held to them.
function(korvelin_strict target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # GCC 12 at -O3 takes std::string's own copies for overlapping ones (GCC bug 105651).
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(KORVELIN_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# One layer of src/: a static library whose files include only this layer's folder and the
# layers it links. Each layer is seen through an include root of its own that holds only a link
# to its folder, so an include of a higher layer finds no file and fails to build.
function(korvelin_layer target folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  set(root ${PROJECT_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  add_library(${target} STATIC ${ARG_SOURCES})
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PUBLIC ${ARG_LINKS})
  korvelin_strict(${target})
endfunction()
