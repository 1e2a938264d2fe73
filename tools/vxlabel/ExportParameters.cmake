# Writes each export's parameter list, as the public header declares it, for
# vxlabel's messages about scripts:
#   { "PrnQty", "int quantity" },
# Run at configure time; the header is a configure dependency.
function(vxlabel_write_export_parameters header output)
  file(READ "${header}" text)
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" " " text "${text}")
  string(REGEX REPLACE "(^|\n)[ \t]*#[^\n]*" "\n" text "${text}")
  string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
  string(REGEX MATCHALL "VXCL_API [^;{}]*" declarations "${text}")
  set(rows "// Generated from vxclcmd.h; do not edit.\n")
  foreach(declaration IN LISTS declarations)
    if(declaration MATCHES
       "VXCL_CALL ([A-Za-z_][A-Za-z0-9_]*) ?\\((.*)\\) ?$")
      string(STRIP "${CMAKE_MATCH_2}" parameters)
      if(parameters STREQUAL "void")
        set(parameters "")
      endif()
      string(APPEND rows "{\"${CMAKE_MATCH_1}\", \"${parameters}\"},\n")
    endif()
  endforeach()
  file(CONFIGURE OUTPUT "${output}" CONTENT "${rows}" @ONLY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${header}")
endfunction()
