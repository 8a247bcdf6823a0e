# The compiler warnings of Reelkeep's own code. They live on one interface target that every
# library, program, test and benchmark of the project links, so third-party code (Qt's headers,
# GoogleTest, Google Benchmark) is never held to them and no target can miss them.
option(REELKEEP_WARNINGS_AS_ERRORS "Fail the build on any compiler warning" OFF)

add_library(reelkeep_warnings INTERFACE)
target_compile_options(reelkeep_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow)
# g++ 12 reports -Wrestrict inside std::string code that is correct (a known false positive).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(reelkeep_warnings INTERFACE -Wno-restrict)
endif()
if(REELKEEP_WARNINGS_AS_ERRORS)
  target_compile_options(reelkeep_warnings INTERFACE -Werror)
endif()

# Fails the configuration when a target under dir compiles code without reelkeep_warnings.
# Qt's object libraries of compiled resources hold generated code only and are left out.
function(reelkeep_check_warnings dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$"
       AND NOT target MATCHES "_resources_[0-9]+$")
      get_target_property(libs ${target} LINK_LIBRARIES)
      if(NOT "reelkeep_warnings" IN_LIST libs)
        message(FATAL_ERROR "${target} does not link reelkeep_warnings")
      endif()
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    reelkeep_check_warnings(${subdir})
  endforeach()
endfunction()
