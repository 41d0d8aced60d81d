# Checks the manual's PDF as the build made it: a title page, a contents page and
# at least a page per chapter, every chapter's title in its text, and each
# chapter opening the page the contents gives for it.
#
#     cmake -DPDF=<manualTovana.pdf> -DKAPITEL="Tovana i korthet;Kontoplanen;..." -P <this file>

if(NOT EXISTS "${PDF}")
  message(FATAL_ERROR "The manual's PDF was not made: ${PDF}")
endif()

execute_process(COMMAND pdfinfo "${PDF}" OUTPUT_VARIABLE info RESULT_VARIABLE fel)
if(fel)
  message(FATAL_ERROR "pdfinfo cannot read ${PDF}")
endif()
string(REGEX MATCH "Pages: +([0-9]+)" _ "${info}")
set(sidor "${CMAKE_MATCH_1}")
list(LENGTH KAPITEL antal)
math(EXPR minst "${antal} + 2")
if(sidor LESS minst)
  message(FATAL_ERROR "${PDF} has ${sidor} pages, fewer than ${minst} for ${antal} chapters")
endif()

execute_process(COMMAND pdftotext -enc UTF-8 "${PDF}" - OUTPUT_VARIABLE text RESULT_VARIABLE fel)
if(fel)
  message(FATAL_ERROR "pdftotext cannot read ${PDF}")
endif()
foreach(titel "Tovana – manual" "Innehåll" ${KAPITEL})
  string(FIND "${text}" "${titel}" plats)
  if(plats EQUAL -1)
    message(FATAL_ERROR "\"${titel}\" is missing from ${PDF}")
  endif()
endforeach()

# Every chapter starts on the page the contents gives for it.
execute_process(COMMAND pdftotext -enc UTF-8 -f 2 -l 2 "${PDF}" - OUTPUT_VARIABLE innehall)
set(nummer 0)
foreach(titel ${KAPITEL})
  math(EXPR nummer "${nummer} + 1")
  if(NOT innehall MATCHES "${nummer}\\. ${titel}[ \t\r\n]+([0-9]+)")
    message(FATAL_ERROR "\"${titel}\" has no page number in the contents of ${PDF}")
  endif()
  set(sida "${CMAKE_MATCH_1}")
  execute_process(COMMAND pdftotext -enc UTF-8 -f ${sida} -l ${sida} "${PDF}" -
                  OUTPUT_VARIABLE sidtext)
  string(STRIP "${sidtext}" sidtext)
  string(FIND "${sidtext}" "${titel}" plats)
  if(NOT plats EQUAL 0)
    message(FATAL_ERROR "\"${titel}\" does not open page ${sida} of ${PDF}, as the contents says")
  endif()
endforeach()
