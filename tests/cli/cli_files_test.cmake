# Runs reelkeep-cli on whole files and compares the results byte for byte:
# a new catalogue is the golden empty file, the sample is what `generate 60 --seed 1` makes,
# and converting a current-version file gives back the same bytes.
# Inputs: CLI, WORK (scratch folder), GOLDEN_EMPTY, SAMPLE.
file(MAKE_DIRECTORY ${WORK})

function(run)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "reelkeep-cli ${ARGN} exited with ${rc}")
  endif()
endfunction()

function(expect_same actual expected)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${actual} ${expected}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${actual} differs from ${expected}")
  endif()
endfunction()

run(new ${WORK}/new.smf)
expect_same(${WORK}/new.smf ${GOLDEN_EMPTY})
run(generate 60 ${WORK}/generated.smf --seed 1)
expect_same(${WORK}/generated.smf ${SAMPLE})
run(convert ${SAMPLE} ${WORK}/converted.smf)
expect_same(${WORK}/converted.smf ${SAMPLE})
