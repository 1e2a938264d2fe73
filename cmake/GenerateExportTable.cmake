# Reads the exported functions from the public header, so that the Windows
# DLL's export list and its ABI checks follow the header without upkeep.
#
#   cmake -DHEADER=include/vxclcmd.h -DDEF_FILE=out.def -DTABLE_FILE=out.h
#         [-DSTDCALL_DECORATION=ON] [-DLIBRARY_NAME=VXCLCMD] -P this file
#
# DEF_FILE:   the module-definition file. With STDCALL_DECORATION (32-bit
#             Windows) each name carries its __stdcall suffix "@bytes"; the
#             linker strips it (--kill-at), so every function is exported by
#             its plain name, and a wrong byte count fails the link.
# TABLE_FILE: a C header for the Windows test host: one typedef per export
#             (the header's own parameter list), the table of names with their
#             32-bit argument bytes, and a typed call with every argument 0.
#
# Argument bytes on 32-bit Windows: pointers, int, unsigned, char, short,
# long and float take 4 bytes each, double and 64-bit integers 8. Any other
# parameter type stops the build so that its size is decided, not guessed.

cmake_minimum_required(VERSION 3.25)

if(NOT HEADER OR NOT DEF_FILE OR NOT TABLE_FILE)
  message(FATAL_ERROR "HEADER, DEF_FILE and TABLE_FILE are needed")
endif()
if(NOT LIBRARY_NAME)
  set(LIBRARY_NAME VXCLCMD)
endif()

# The 32-bit stack bytes one parameter takes; "" for an unknown type.
function(vxcl_parameter_bytes type out)
  if(type MATCHES "[*[]")
    set(${out} 4 PARENT_SCOPE)
    return()
  endif()
  string(REGEX REPLACE "(^| )(const|volatile|signed|unsigned)( |$)" " " base
         " ${type} ")
  string(REGEX REPLACE "(^| )(const|volatile|signed|unsigned)( |$)" " " base
         "${base}")
  string(STRIP "${base}" base)
  string(REGEX REPLACE " +" " " base "${base}")
  if(base MATCHES "^(|int|char|short|short int|long|long int|float)$")
    set(${out} 4 PARENT_SCOPE)
  elseif(base MATCHES "^(double|long long|long long int|__int64|int64_t|uint64_t)$")
    set(${out} 8 PARENT_SCOPE)
  else()
    set(${out} "" PARENT_SCOPE)
  endif()
endfunction()

file(READ "${HEADER}" text)
# Comments and preprocessor lines hold no declarations.
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" " " text "${text}")
string(REGEX REPLACE "//[^\n]*" " " text "${text}")
string(REGEX REPLACE "(^|\n)[ \t]*#[^\n]*" "\n" text "${text}")
string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
string(REGEX MATCHALL "VXCL_API [^;{}]*" declarations "${text}")
if(NOT declarations)
  message(FATAL_ERROR "${HEADER}: no exported functions found")
endif()

set(def "; Generated from vxclcmd.h: every export by its plain name.\n")
string(APPEND def "LIBRARY ${LIBRARY_NAME}\nEXPORTS\n")
set(typedefs "")
set(rows "")
set(calls "")
set(names "")
set(index 0)
foreach(declaration IN LISTS declarations)
  if(NOT declaration MATCHES
     "^VXCL_API (.*[^ ]) VXCL_CALL ([A-Za-z_][A-Za-z0-9_]*) ?\\((.*)\\) ?$")
    message(FATAL_ERROR "cannot read the declaration: ${declaration}")
  endif()
  set(result "${CMAKE_MATCH_1}")
  set(name "${CMAKE_MATCH_2}")
  string(STRIP "${CMAKE_MATCH_3}" parameters)
  if(name IN_LIST names)
    message(FATAL_ERROR "${name} is declared twice")
  endif()
  list(APPEND names ${name})

  set(bytes 0)
  set(count 0)
  if(NOT parameters STREQUAL "void" AND NOT parameters STREQUAL "")
    string(REPLACE "," ";" parameter_list "${parameters}")
    foreach(parameter IN LISTS parameter_list)
      string(STRIP "${parameter}" parameter)
      string(REGEX MATCH "[A-Za-z_][A-Za-z0-9_]*$" parameter_name
             "${parameter}")
      string(REGEX REPLACE "[A-Za-z_][A-Za-z0-9_]*$" "" type "${parameter}")
      string(STRIP "${type}" type)
      if(type STREQUAL "" OR parameter_name MATCHES
         "^(void|char|short|int|long|float|double|signed|unsigned|const)$")
        message(FATAL_ERROR "${name}: name every parameter ('${parameter}')")
      endif()
      vxcl_parameter_bytes("${type}" size)
      if(size STREQUAL "")
        message(FATAL_ERROR "${name}: no argument size known for '${type}'; "
                            "add it to ${CMAKE_CURRENT_LIST_FILE}")
      endif()
      math(EXPR bytes "${bytes} + ${size}")
      math(EXPR count "${count} + 1")
    endforeach()
  endif()

  if(STDCALL_DECORATION)
    string(APPEND def "  ${name}@${bytes}\n")
  else()
    string(APPEND def "  ${name}\n")
  endif()
  string(APPEND typedefs
         "typedef ${result}(VXCL_CALL *vxcl_fn_${name})(${parameters});\n")
  string(APPEND rows "    {\"${name}\", ${bytes}, ${count}},\n")
  set(zeros "")
  if(count GREATER 0)
    string(REPEAT "0, " ${count} zeros)
    string(REGEX REPLACE ", $" "" zeros "${zeros}")
  endif()
  if(result STREQUAL "void")
    string(APPEND calls "    case ${index}:\n"
                        "      ((vxcl_fn_${name})fn)(${zeros});\n"
                        "      return 0;\n")
  else()
    string(APPEND calls "    case ${index}:\n"
                        "      return (int)((vxcl_fn_${name})fn)(${zeros});\n")
  endif()
  math(EXPR index "${index} + 1")
endforeach()

set(table "/* Generated from vxclcmd.h; do not edit. */
#ifndef VXCL_EXPORT_TABLE_H
#define VXCL_EXPORT_TABLE_H

#include \"vxclcmd.h\"

${typedefs}
struct VxclExportEntry {
  const char *name;
  int argumentBytes; /* removed by the callee on 32-bit Windows */
  int parameterCount;
};

static const struct VxclExportEntry kVxclExports[] = {
${rows}};

enum { kVxclExportCount = ${index} };

/* Calls export `index` through its declared type, every argument 0. */
static inline int VxclCallWithZeros(int index, void (*fn)(void)) {
  switch (index) {
${calls}  }
  return 0;
}

#endif
")

file(WRITE "${DEF_FILE}" "${def}")
file(WRITE "${TABLE_FILE}" "${table}")
