# The export and import tables of VXCLCMD.dll, read with objdump -p:
#   - exactly the functions of the generated module-definition file, each by
#     its plain name (no "@bytes" suffix, no leading underscore);
#   - only system DLLs imported, so that the DLL needs nothing beside it.
#
#   cmake -DOBJDUMP=... -DDLL=VXCLCMD.dll -DDEF_FILE=vxclcmd.def -P this file
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${OBJDUMP} -p ${DLL} OUTPUT_VARIABLE dump
                RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "objdump -p ${DLL} failed")
endif()

string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)*" table
       "${dump}")
string(REGEX MATCHALL "\\[ *[0-9]+\\] [^\n]+" rows "${table}")
set(exported)
foreach(row IN LISTS rows)
  string(REGEX REPLACE "^\\[ *[0-9]+\\] " "" name "${row}")
  list(APPEND exported "${name}")
endforeach()

file(STRINGS ${DEF_FILE} lines REGEX "^  [A-Za-z_]")
set(expected)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^  ([A-Za-z0-9_]+).*" "\\1" name "${line}")
  list(APPEND expected "${name}")
endforeach()

list(SORT exported)
list(SORT expected)
if(NOT exported STREQUAL expected)
  set(extra ${exported})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  list(REMOVE_ITEM missing ${exported})
  message(FATAL_ERROR "export table differs from vxclcmd.h\n"
                      "  not declared: ${extra}\n  not exported: ${missing}")
endif()
list(LENGTH exported count)
message(STATUS "${count} exports, by their plain names: ${exported}")

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
set(system_dlls kernel32.dll user32.dll gdi32.dll winspool.drv advapi32.dll
    msvcrt.dll version.dll shell32.dll ole32.dll)
foreach(import IN LISTS imports)
  string(REGEX REPLACE "^DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll_lower)
  if(NOT dll_lower IN_LIST system_dlls AND NOT dll_lower MATCHES "^api-ms-win-")
    message(FATAL_ERROR "${DLL} imports ${dll}, which Windows does not ship")
  endif()
  message(STATUS "imports ${dll}")
endforeach()
