# Runs the import verb: the sample's own export comes back through a new catalogue with the
# same values, a spreadsheet file with a problem line gives the report lines, and wrong
# arguments fail. Inputs: CLI, WORK (scratch folder), SAMPLE.
file(MAKE_DIRECTORY ${WORK})

function(run out_var err_var)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "reelkeep-cli ${ARGN} exited with ${rc}: ${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
endfunction()

function(expect_failure)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
  if(rc EQUAL 0)
    message(FATAL_ERROR "reelkeep-cli ${ARGN} succeeded")
  endif()
endfunction()

# The movie lines of an export as hex, without its heading line (the headings differ).
function(export_body in out_var)
  run(out err export csv ${in} ${WORK}/body.csv --custom 1 --custom 2 --custom 3 --custom 4)
  file(READ ${WORK}/body.csv hex HEX)
  string(FIND "${hex}" "2c0d0a" at)
  math(EXPR at "${at} + 6")
  string(SUBSTRING "${hex}" ${at} -1 body)
  set(${out_var} "${body}" PARENT_SCOPE)
endfunction()

set(columns --custom 1 --custom 2 --custom 3 --custom 4)
run(out err export csv ${SAMPLE} ${WORK}/sample.csv ${columns})
run(out err import csv ${WORK}/sample.csv ${WORK}/copy.smf --map Director=custom1
    --map Year=custom2 --map 14=custom3 --map condition=custom4)
if(NOT out MATCHES "^imported: 60\nskipped: 0\ncolumn: Title -> movie-name\n.*column: Director -> custom1\n")
  message(FATAL_ERROR "import of the sample's export printed '${out}'")
endif()
export_body(${SAMPLE} expected)
export_body(${WORK}/copy.smf actual)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "the sample's movies did not come back from its export")
endif()

file(WRITE ${WORK}/sheet.csv
  "Title;Cast;Studio;Tape\nOne;\"Ann; Bob\";Acme;1\nTwo;;;2;extra\n")
run(out err import csv ${WORK}/sheet.csv ${WORK}/sheet.smf --into ${SAMPLE} --map Studio=custom3)
if(NOT out MATCHES "^imported: 1\nskipped: 1\n" OR NOT err MATCHES "sheet.csv: line 3: left out, too many fields\n")
  message(FATAL_ERROR "spreadsheet import printed '${out}' and '${err}'")
endif()
run(out err info ${WORK}/sheet.smf)
if(NOT out MATCHES "records: 61\n")
  message(FATAL_ERROR "the spreadsheet's movie was not added: ${out}")
endif()
run(out err export csv ${WORK}/sheet.smf ${WORK}/sheet-out.csv --filter movie-name=One --custom 3)
file(READ ${WORK}/sheet-out.csv text)
if(NOT text MATCHES "\"One\",\"Ann\",\"Bob\",\"\",\"\",\"\",\"\",\"\",\"\",\"1\",\"\",\"Acme\",")
  message(FATAL_ERROR "the spreadsheet's movie came in as '${text}'")
endif()

# The explicit mapping displaces the column that named the field; every column is accounted for.
file(WRITE ${WORK}/crew.csv "Title,Director,Year\nA,Dir,1990\n")
run(out err import csv ${WORK}/crew.csv ${WORK}/crew.smf --map Director=title)
if(NOT out STREQUAL "imported: 1\nskipped: 0\ncolumn left out: Title\ncolumn: Director -> movie-name\ncolumn left out: Year\n")
  message(FATAL_ERROR "the displaced column was reported as '${out}'")
endif()
# Nothing is said to be imported when the catalogue could not be saved.
execute_process(COMMAND ${CLI} import csv ${WORK}/crew.csv ${WORK}/no/such/crew.smf
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_QUIET)
if(rc EQUAL 0 OR out MATCHES "imported")
  message(FATAL_ERROR "a failed save printed '${out}' with status ${rc}")
endif()

expect_failure(import csv ${WORK}/sheet.csv)
expect_failure(import csv ${WORK}/sheet.csv ${WORK}/x.smf --map Title=bogus)
expect_failure(import csv ${WORK}/sheet.csv ${WORK}/x.smf --map Nowhere=title)
expect_failure(import csv ${WORK}/absent.csv ${WORK}/x.smf)
# Without a column going to a field every movie would come in empty.
file(WRITE ${WORK}/unnamed.csv "Foo,Bar\nA,B\n")
expect_failure(import csv ${WORK}/unnamed.csv ${WORK}/x.smf)
