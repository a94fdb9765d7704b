# The one version of the program is the project version of the top CMakeLists.txt. From it come
# the Debian package's version, the release in the AppStream metainfo, the changelog of the
# package and the Windows version resource, which includes the header made here:
#
#   #include "korvelin_version.h"   (link the target korvelin_version for its include path)
#   FILEVERSION KORVELIN_VERSION_MAJOR,KORVELIN_VERSION_MINOR,KORVELIN_VERSION_PATCH,KORVELIN_VERSION_TWEAK
#   VALUE "FileVersion", KORVELIN_VERSION_STRING
#
# The header holds #define lines only, so that windres reads it as well as a C++ compiler.

# The date of the release of this version, for the metainfo and the package's changelog.
set(KORVELIN_RELEASE_DATE "2026-12-11")

foreach(part MAJOR MINOR PATCH TWEAK)
  set(KORVELIN_VERSION_${part} "${PROJECT_VERSION_${part}}")
  if("${KORVELIN_VERSION_${part}}" STREQUAL "")
    set(KORVELIN_VERSION_${part} 0)
  endif()
endforeach()

configure_file(${PROJECT_SOURCE_DIR}/cmake/korvelin_version.h.in
               ${PROJECT_BINARY_DIR}/generated/korvelin_version.h @ONLY)
add_library(korvelin_version INTERFACE)
target_include_directories(korvelin_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
