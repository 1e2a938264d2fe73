# The Windows DLL, VXCLCMD.dll: every function of the public header exported
# by its plain name (on 32-bit Windows with __stdcall, the callee removing
# exactly the argument bytes of its declaration), a version resource, and the
# C++ runtime linked in so that the DLL needs nothing beside it.
#
# The module-definition file, and the export table the Windows test host
# checks, are generated from include/vxclcmd.h at build time: an export
# added to the header needs no edit here.

set(VXCL_HEADER ${PROJECT_SOURCE_DIR}/include/vxclcmd.h)
set(VXCL_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
set(VXCL_DEF_FILE ${VXCL_GENERATED_DIR}/vxclcmd.def)
set(VXCL_EXPORT_TABLE ${VXCL_GENERATED_DIR}/vxcl_export_table.h)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(VXCL_STDCALL ON)
else()
  set(VXCL_STDCALL OFF)
endif()

add_custom_command(
  OUTPUT ${VXCL_DEF_FILE} ${VXCL_EXPORT_TABLE}
  COMMAND ${CMAKE_COMMAND} -DHEADER=${VXCL_HEADER} -DDEF_FILE=${VXCL_DEF_FILE}
          -DTABLE_FILE=${VXCL_EXPORT_TABLE}
          -DSTDCALL_DECORATION=${VXCL_STDCALL}
          -P ${PROJECT_SOURCE_DIR}/cmake/GenerateExportTable.cmake
  DEPENDS ${VXCL_HEADER} ${PROJECT_SOURCE_DIR}/cmake/GenerateExportTable.cmake
  COMMENT "Reading the exports of vxclcmd.h")
add_custom_target(vxclcmd_export_table
  DEPENDS ${VXCL_DEF_FILE} ${VXCL_EXPORT_TABLE})

enable_language(RC)
configure_file(${PROJECT_SOURCE_DIR}/cmake/vxclcmd.rc.in
  ${VXCL_GENERATED_DIR}/vxclcmd.rc @ONLY)

target_sources(vxclcmd PRIVATE ${VXCL_DEF_FILE}
                               ${VXCL_GENERATED_DIR}/vxclcmd.rc)
set_target_properties(vxclcmd PROPERTIES OUTPUT_NAME VXCLCMD PREFIX "")
target_link_libraries(vxclcmd_objects PUBLIC winspool gdi32 user32)
# MinGW's GCC 12 takes some std::string concatenations for overlapping
# copies (GCC bug 105329); the warning is false there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(vxclcmd_objects PRIVATE -Wno-restrict)
endif()
target_link_options(vxclcmd PRIVATE -static -static-libgcc -static-libstdc++)

if(VXCL_STDCALL)
  # The linker drops the "@bytes" suffix from the exported names; the import
  # library keeps it on the symbols that C hosts link against, so it is made
  # from the same definitions.
  target_link_options(vxclcmd PRIVATE -Wl,--kill-at)
  if(NOT CMAKE_DLLTOOL)
    message(FATAL_ERROR "dlltool is needed for the import library")
  endif()
  add_custom_command(TARGET vxclcmd POST_BUILD
    COMMAND ${CMAKE_DLLTOOL} -d ${VXCL_DEF_FILE}
            -D $<TARGET_FILE_NAME:vxclcmd> -k -l $<TARGET_LINKER_FILE:vxclcmd>
    COMMENT "Import library with the __stdcall symbols")
endif()

# Hosts built with other tools make their import library from this file.
install(FILES ${VXCL_DEF_FILE} DESTINATION ${CMAKE_INSTALL_LIBDIR})
