# Prints the sample to PDF files through print-pdf and reads them back with poppler's tools:
# the page count the verb reports is the file's, the paper is the one asked for, and the pages
# hold what was asked for. Inputs: CLI, WORK (scratch folder), SAMPLE, PDFINFO, PDFTOTEXT.
file(MAKE_DIRECTORY ${WORK})
# print-pdf reads the user's settings; these runs have their own, empty ones.
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
# Its runtime folder too: Qt would make one in the shared temporary folder and leave it there.
file(MAKE_DIRECTORY ${WORK}/runtime)
file(CHMOD ${WORK}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{XDG_RUNTIME_DIR} ${WORK}/runtime)

function(print_pdf out pagesVar)
  execute_process(COMMAND ${CLI} print-pdf ${SAMPLE} ${WORK}/${out}.pdf ${ARGN}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE said ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "print-pdf ${ARGN} exited with ${rc}: ${err}")
  endif()
  if(NOT said MATCHES "^pages: ([0-9]+)\n$")
    message(FATAL_ERROR "print-pdf said '${said}'")
  endif()
  set(pages ${CMAKE_MATCH_1})
  execute_process(COMMAND ${PDFINFO} ${WORK}/${out}.pdf OUTPUT_VARIABLE info)
  if(NOT info MATCHES "Pages: +${pages}\n")
    message(FATAL_ERROR "print-pdf said ${pages} pages, the file has:\n${info}")
  endif()
  set(${pagesVar} ${pages} PARENT_SCOPE)
  set(info "${info}" PARENT_SCOPE)
endfunction()

function(pdf_text out textVar)
  execute_process(COMMAND ${PDFTOTEXT} -layout ${WORK}/${out}.pdf - OUTPUT_VARIABLE text)
  set(${textVar} "${text}" PARENT_SCOPE)
endfunction()

# The Normal View on Letter paper, numbered pages.
print_pdf(normal pages)
if(NOT info MATCHES "Page size: +612 x 792 pts")
  message(FATAL_ERROR "not Letter paper:\n${info}")
endif()
pdf_text(normal text)
foreach(page RANGE 1 ${pages})
  string(FIND "${text}" "Page Number ${page} of ${pages}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "no 'Page Number ${page} of ${pages}' in the Normal View")
  endif()
endforeach()

print_pdf(a4 ignored --paper a4 --page-numbers 0)
if(NOT info MATCHES "Page size: +595(\\.[0-9]+)? x 842(\\.[0-9]+)? pts")
  message(FATAL_ERROR "not A4 paper:\n${info}")
endif()
pdf_text(a4 text)
if(text MATCHES "Page Number")
  message(FATAL_ERROR "page numbers printed with --page-numbers 0")
endif()

# The selection alone: the first three titles of the title order, not the fourth.
execute_process(COMMAND ${CLI} export text ${SAMPLE} ${WORK}/titles.txt)
file(STRINGS ${WORK}/titles.txt titleLines REGEX "^Title: ")
list(SUBLIST titleLines 0 4 firstFour)
print_pdf(selection pages --mode one-line --select 0,1,2)
if(NOT pages EQUAL 1)
  message(FATAL_ERROR "three selected movies took ${pages} pages")
endif()
pdf_text(selection text)
set(k 0)
foreach(line IN LISTS firstFour)
  string(REGEX REPLACE "^Title: +" "" title "${line}")
  string(FIND "${text}" "${title}" at)
  if(k LESS 3 AND at EQUAL -1)
    message(FATAL_ERROR "selected '${title}' is not printed")
  elseif(k EQUAL 3 AND NOT at EQUAL -1)
    message(FATAL_ERROR "unselected '${title}' is printed")
  endif()
  math(EXPR k "${k} + 1")
endforeach()

# One label three times from position 4 fits the first sheet; the label lists its tape.
print_pdf(labels pages --mode labels --select 0 --copies 3 --start 4)
if(NOT pages EQUAL 1)
  message(FATAL_ERROR "three copies from position 4 took ${pages} pages")
endif()
pdf_text(labels text)
string(REGEX MATCHALL "Tape #:" tapes "${text}")
list(LENGTH tapes copies)
if(NOT copies EQUAL 3)
  message(FATAL_ERROR "${copies} labels printed, not 3")
endif()

# A selected position the catalogue does not show is refused, by name, and nothing is printed.
execute_process(COMMAND ${CLI} print-pdf ${SAMPLE} ${WORK}/past.pdf --select 0,60
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT err MATCHES "position 60 is past the end" OR EXISTS ${WORK}/past.pdf)
  message(FATAL_ERROR "--select 0,60 of 60 movies gave ${rc}: ${err}")
endif()

# Found at 14 points: clipped to their places, labels printed without their "Tape #:" line and
# full ones without their fifth movie. At every label font size every label carries both.
foreach(size 60 110 140)
  file(WRITE ${WORK}/label${size}.ini "[User Data]\nPFace Name=DejaVu Sans\nPFont Size=${size}\n"
             "PFont Weight=400\nPBold=0\nPItalic=0\n")
  print_pdf(labels${size} pages --mode labels --settings ${WORK}/label${size}.ini)
  pdf_text(labels${size} text)
  string(REGEX MATCHALL "Tape #:" tapes "${text}")
  list(LENGTH tapes count)
  if(NOT count EQUAL 20)
    message(FATAL_ERROR "${count} of 20 labels carry 'Tape #:' at ${size} tenths of a point")
  endif()
  foreach(fifth "The Endless Ocean of Island" "Station of Letter" "The Lost Mirror"
                "The Letter of the Heart" "The Last Journey of Garden")
    string(FIND "${text}" "${fifth}" at)
    if(at EQUAL -1)
      message(FATAL_ERROR "the fifth movie '${fifth}' is missing at ${size} tenths of a point")
    endif()
  endforeach()
endforeach()
