# Checks the manual's PDF as the build made it: a title page, a contents page and
# at least a page per chapter, and every chapter's title in its text.
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
