# Fails when a file of the core library includes a Qt header: the core must build and run
# without Qt.
file(GLOB_RECURSE files ${CORE_DIR}/*.h ${CORE_DIR}/*.cpp)
foreach(f IN LISTS files)
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(hits)
    message(FATAL_ERROR "Qt include in core file ${f}: ${hits}")
  endif()
endforeach()
