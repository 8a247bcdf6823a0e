# reelkeep_version: the header both programs print their version from. The git description is
# taken at every build, not only at configure time, so it never goes stale; the header is
# rewritten only when its text changes, so an unchanged description recompiles nothing.
set(REELKEEP_VERSION_DIR ${CMAKE_BINARY_DIR}/generated)
set(REELKEEP_VERSION_HEADER ${REELKEEP_VERSION_DIR}/reelkeep_version.h)
add_custom_target(reelkeep_version_header
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} -DOUTPUT=${REELKEEP_VERSION_HEADER}
          -DVERSION=${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}
          -P ${CMAKE_CURRENT_LIST_DIR}/WriteVersionHeader.cmake
  BYPRODUCTS ${REELKEEP_VERSION_HEADER}
  COMMENT "Checking the git description"
  VERBATIM)
add_library(reelkeep_version INTERFACE)
target_include_directories(reelkeep_version INTERFACE ${REELKEEP_VERSION_DIR})
add_dependencies(reelkeep_version reelkeep_version_header)
