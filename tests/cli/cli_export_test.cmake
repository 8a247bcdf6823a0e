# Runs the export verb on the sample and checks the first line of each format byte for byte.
# Inputs: CLI, WORK (scratch folder), SAMPLE.
file(MAKE_DIRECTORY ${WORK})

function(export_first_line kind out)
  execute_process(COMMAND ${CLI} export ${kind} ${SAMPLE} ${WORK}/out.${kind} ${ARGN}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "reelkeep-cli export ${kind} exited with ${rc}")
  endif()
  file(READ ${WORK}/out.${kind} text LIMIT 200)
  string(FIND "${text}" "\n" eol)
  string(SUBSTRING "${text}" 0 ${eol} line)
  set(${out} "${line}" PARENT_SCOPE)
endfunction()

# The line break is checked on the bytes: CMake strings do not keep a carriage return.
export_first_line(csv header --synopsis 0 --custom 2)
set(expected "\"Title\",\"Actors1\",\"Actors2\",\"Actors3\",\"Time\",\"Rating\",\"Counter\",\"Media\",\"Type\",\"Tape #\",\"Year\",")
string(HEX "${expected}" expectedHex)
file(READ ${WORK}/out.csv bytes LIMIT 200 HEX)
string(FIND "${bytes}" "${expectedHex}0d0a" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "CSV header is '${header}'")
endif()

export_first_line(text first)
if(NOT first MATCHES "^Title:    .+$")
  message(FATAL_ERROR "text export starts with '${first}'")
endif()
