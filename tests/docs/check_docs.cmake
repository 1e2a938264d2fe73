# Every export of the public header and every result code must be
# documented: each export in the declarations page (its C, VB6/.NET and
# Python declarations), each code by its public name somewhere in docs/.
# Both lists are read from their files, so a new export or code fails here
# until it is written down.
file(READ ${SOURCE_DIR}/include/vxclcmd.h header)
file(READ ${SOURCE_DIR}/include/vxclcmd_results.def results)
file(READ ${SOURCE_DIR}/docs/declarations.md declarations)
file(GLOB pages ${SOURCE_DIR}/docs/*.md)
set(docs "")
foreach(page ${pages})
  file(READ ${page} text)
  string(APPEND docs "${text}\n")
endforeach()

string(REGEX MATCHALL "VXCL_API[^;(]*VXCL_CALL[ \t\r\n]+[A-Za-z_][A-Za-z0-9_]*\\("
       declared "${header}")
string(REGEX MATCHALL "\nVXCL_RESULT\\([A-Za-z0-9_]+," rows "${results}")
list(LENGTH declared export_count)
list(LENGTH rows code_count)
if(export_count LESS 30 OR code_count LESS 80)
  message(FATAL_ERROR "read only ${export_count} exports and ${code_count} "
                      "result codes: has the header's form changed?")
endif()

set(missing "")
foreach(d ${declared})
  string(REGEX REPLACE ".*VXCL_CALL[ \t\r\n]+([A-Za-z0-9_]+)\\(" "\\1" name "${d}")
  # As a whole word, so PrnInit is not found inside PrnInitCX208.
  if(NOT declarations MATCHES "(^|[^A-Za-z0-9_])${name}([^A-Za-z0-9_]|$)")
    list(APPEND missing "export ${name} (docs/declarations.md)")
  endif()
endforeach()
foreach(r ${rows})
  string(REGEX REPLACE "\nVXCL_RESULT\\(([A-Za-z0-9_]+)," "\\1" name "${r}")
  if(NOT docs MATCHES "(^|[^A-Za-z0-9_])${name}([^A-Za-z0-9_]|$)")
    list(APPEND missing "result code ${name} (docs/, regenerate docs/result-codes.md with vxlabel codes)")
  endif()
endforeach()
if(missing)
  list(JOIN missing "\n  " text)
  message(FATAL_ERROR "not documented:\n  ${text}")
endif()
message(STATUS "${export_count} exports and ${code_count} result codes documented")
