# Checks that the PDF tool refuses a manual page the Manual menu's browser would
# show wrongly, and leaves no PDF behind: each case copies the manual, spoils
# one page and expects the tool to fail with its own message.
#
#     cmake -DVERKTYG=<tovana_manualpdf_verktyg> -DMANUAL=<manual folder> -DARBETE=<scratch> -P <this file>

set(sida "<!DOCTYPE html>\r\n<html>\r\n<head><meta charset=\"windows-1252\"><title>T</title></head>\r\n<body>\r\n<h1>Special</h1>\r\n</body>\r\n</html>\r\n")
set(fall_namn utf8 lf meta bild)
set(fall_utf8 "${sida}")
string(REPLACE "<h1>Special</h1>" "<h1>Speciellt för år</h1>" fall_utf8 "${fall_utf8}")
string(REPLACE "\r\n" "\n" fall_lf "${sida}")
string(REPLACE "<meta charset=\"windows-1252\">" "" fall_meta "${sida}")
string(REPLACE "</h1>" "</h1>\r\n<p><img src=\"bilder/saknas.png\"></p>" fall_bild "${sida}")
set(svar_utf8 "sparad som UTF-8")
set(svar_lf "inte slutar med CR LF")
set(svar_meta "saknar <meta")
set(svar_bild "som saknas")

foreach(fall ${fall_namn})
  set(mapp "${ARBETE}/${fall}")
  file(REMOVE_RECURSE "${mapp}")
  file(COPY "${MANUAL}/" DESTINATION "${mapp}")
  file(WRITE "${mapp}/sarskilda.html" "${fall_${fall}}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen "${VERKTYG}" "${mapp}" 2.0
            "${mapp}/manualTovana.pdf"
    RESULT_VARIABLE fel ERROR_VARIABLE besked)
  if(NOT fel)
    message(FATAL_ERROR "${fall}: the tool accepted the spoilt page")
  endif()
  string(FIND "${besked}" "${svar_${fall}}" plats)
  if(plats EQUAL -1)
    message(FATAL_ERROR "${fall}: expected \"${svar_${fall}}\", got: ${besked}")
  endif()
  if(EXISTS "${mapp}/manualTovana.pdf" OR EXISTS "${mapp}/manualTovana.pdf.tmp")
    message(FATAL_ERROR "${fall}: a PDF was left behind")
  endif()
  file(REMOVE_RECURSE "${mapp}")
endforeach()
