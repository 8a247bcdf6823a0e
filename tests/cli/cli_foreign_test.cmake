# Runs the import verb on other programs' files: a GCstar file into a new catalogue and a
# Tellico archive into the sample, each read back through export csv, and the refusals, which
# must fail and write nothing. Inputs: CLI, WORK (scratch folder), SAMPLE, DATA (the samples),
# AMC (an Ant Movie Catalog file).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run out_var)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "reelkeep-cli ${ARGN} exited with ${rc}: ${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

run(out import gcstar ${DATA}/films.gcs ${WORK}/films.smf)
if(NOT out STREQUAL "imported: 2\nleft out: actors after the third: 1\nleft out: genres after the first: 1\nleft out: images: 1\nleft out: loans: 1\nleft out: original: 1\nleft out: personal ratings: 1\n")
  message(FATAL_ERROR "gcstar import printed '${out}'")
endif()
run(out export csv ${WORK}/films.smf ${WORK}/films.csv --custom 1 --custom 2 --custom 3 --custom 4)
file(READ ${WORK}/films.csv text HEX)
string(CONCAT expected
  "\"Title\",\"Actors1\",\"Actors2\",\"Actors3\",\"Time\",\"Rating\",\"Counter\",\"Media\",\"Type\",\"Tape #\",\"Synopsis\",\"Director\",\"Year\",\"Studio\",\"Country\",\r\n"
  "\"Nordlicht über Tromsø\",\"Kari Lund\",\"Per Aas\",\"Siri Vik\",\"102\",\"12+\",\"Shelf B\",\"DVD\",\"Drama\",\"3\",\"A ferry captain\r\nwaits out the polar night.\",\"Ingrid Holm\",\"1998\",\"\",\"Norway\",\r\n"
  "\"Second Reel\",\"\",\"\",\"\",\"133\",\"\",\"\",\"VHS\",\"\",\"7\",\"\",\"\",\"\",\"\",\"\",\r\n")
string(HEX "${expected}" expected)
if(NOT text STREQUAL expected)
  message(FATAL_ERROR "the GCstar movies came in as ${text} (hex)")
endif()

# The sample's fourth heading is Condition: the country has no field there.
run(out import tellico ${DATA}/videos.tc ${WORK}/more.smf --into ${SAMPLE})
if(NOT out MATCHES "^imported: 2\nleft out: Country: 1\n")
  message(FATAL_ERROR "tellico import into the sample printed '${out}'")
endif()
run(out export csv ${WORK}/more.smf ${WORK}/more.csv --filter movie-name=Harbour --custom 1 --custom 3)
file(READ ${WORK}/more.csv text)
if(NOT text MATCHES "\"Harbour Lights\",\"Liz Hale\",\"Tom Ward\",\"\",\"96\",\"PG-13\",\"\",\"DVD\",\"Thriller\",\"1\",\"Fog over the docks & a missing ship.\",\"Ann Roe, Ben Poe\",\"Northern Pictures\",")
  message(FATAL_ERROR "the Tellico movie came in as '${text}'")
endif()
run(out info ${WORK}/more.smf)
if(NOT out MATCHES "records: 62\nheading1: Director\nheading2: Year\nheading3: Studio\nheading4: Condition\n")
  message(FATAL_ERROR "the sample did not keep its movies and headings: ${out}")
endif()

run(out import amc ${AMC} ${WORK}/amc.smf)
if(NOT out MATCHES "^imported: [1-9]")
  message(FATAL_ERROR "amc import printed '${out}'")
endif()

file(WRITE ${WORK}/cut.gcs "<collection type=\"GCfilms\"><item title=\"A\"/><item")
foreach(bad "tellico;${DATA}/no-tellico.tc" "gcstar;${DATA}/videos.xml" "gcstar;${WORK}/cut.gcs"
            "datacrow;${WORK}/missing.xml" "amiga;${DATA}/films.gcs")
  list(GET bad 0 format)
  list(GET bad 1 in)
  execute_process(COMMAND ${CLI} import ${format} ${in} ${WORK}/bad.smf RESULT_VARIABLE rc
                  OUTPUT_QUIET ERROR_QUIET)
  if(rc EQUAL 0 OR EXISTS ${WORK}/bad.smf)
    message(FATAL_ERROR "import ${format} ${in} exited with ${rc} and wrote a file")
  endif()
endforeach()
