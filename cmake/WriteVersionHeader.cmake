# Writes OUTPUT with the release VERSION and the git description of SOURCE_DIR ("unknown" where
# there is no git, as in a source tarball). Leaves the file alone when nothing changed.
find_package(Git QUIET)
set(description unknown)
if(GIT_FOUND)
  execute_process(COMMAND ${GIT_EXECUTABLE} describe --always --dirty --tags
                  WORKING_DIRECTORY ${SOURCE_DIR} OUTPUT_VARIABLE described
                  RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(rc EQUAL 0 AND NOT described STREQUAL "")
    set(description ${described})
  endif()
endif()
set(text "// Written by the build; do not edit.
#pragma once

namespace reelkeep {

inline constexpr char kReleaseVersion[] = \"${VERSION}\";
inline constexpr char kBuildDescription[] = \"${description}\";

}  // namespace reelkeep
")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUTPUT} "${text}")
endif()
