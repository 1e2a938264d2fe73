# The export-table generator on a header of every parameter form, on the
# library's own header, and on a parameter type whose size it does not know.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -P this file
cmake_minimum_required(VERSION 3.25)
set(generator ${SOURCE_DIR}/cmake/GenerateExportTable.cmake)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

function(generate header stdcall result_var)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DHEADER=${header} -DDEF_FILE=${WORK_DIR}/out.def
            -DTABLE_FILE=${WORK_DIR}/out.h -DSTDCALL_DECORATION=${stdcall}
            -P ${generator}
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE errors)
  set(${result_var} ${rc} PARENT_SCOPE)
  set(errors "${errors}" PARENT_SCOPE)
endfunction()

function(expect_file path expected)
  file(READ ${path} actual)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${path}:\n${actual}\nexpected:\n${expected}")
  endif()
endfunction()

file(WRITE ${WORK_DIR}/sample.h [=[
#define VXCL_API __declspec(dllexport)
/* VXCL_API int VXCL_CALL InAComment(double x); */
VXCL_API int VXCL_CALL NoArguments(void);
VXCL_API int VXCL_CALL Mixed(const char *name, unsigned int direction,
                             double x,   /* 8 bytes */
                             char letter, unsigned count, long long big);
VXCL_API void VXCL_CALL Pointers(const char **data, int *out,
                                 unsigned char *buffer);
// VXCL_API int VXCL_CALL InALineComment(int a);
VXCL_API int VXCL_CALL Empty();
]=])

generate(${WORK_DIR}/sample.h ON rc)
if(rc)
  message(FATAL_ERROR "the sample header was refused: ${errors}")
endif()
expect_file(${WORK_DIR}/out.def
"; Generated from vxclcmd.h: every export by its plain name.
LIBRARY VXCLCMD
EXPORTS
  NoArguments@0
  Mixed@32
  Pointers@12
  Empty@0
")
file(READ ${WORK_DIR}/out.h table)
foreach(expected
    [=[{"Mixed", 32, 6}]=]
    [=[typedef void(VXCL_CALL *vxcl_fn_Pointers)(const char **data, int *out, unsigned char *buffer);]=]
    [=[return (int)((vxcl_fn_Mixed)fn)(0, 0, 0, 0, 0, 0);]=]
    [=[((vxcl_fn_Pointers)fn)(0, 0, 0);]=])
  string(FIND "${table}" "${expected}" at)
  if(at LESS 0)
    message(FATAL_ERROR "out.h lacks ${expected}:\n${table}")
  endif()
endforeach()

generate(${WORK_DIR}/sample.h OFF rc)
expect_file(${WORK_DIR}/out.def
"; Generated from vxclcmd.h: every export by its plain name.
LIBRARY VXCLCMD
EXPORTS
  NoArguments
  Mixed
  Pointers
  Empty
")

# Every function of the library's header can be exported.
generate(${SOURCE_DIR}/include/vxclcmd.h ON rc)
if(rc)
  message(FATAL_ERROR "vxclcmd.h cannot be exported: ${errors}")
endif()

# A type of unknown size stops the generator rather than guess.
foreach(declaration "VXCL_API int VXCL_CALL Odd(long double x);"
                    "VXCL_API int VXCL_CALL Odd(struct Point p);"
                    "VXCL_API int VXCL_CALL Odd(int);"
                    "VXCL_API int VXCL_CALL Odd(unsigned int);")
  file(WRITE ${WORK_DIR}/odd.h "${declaration}\n")
  generate(${WORK_DIR}/odd.h ON rc)
  if(NOT rc)
    message(FATAL_ERROR "accepted: ${declaration}")
  endif()
endforeach()
