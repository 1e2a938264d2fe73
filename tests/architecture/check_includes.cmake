# Every #include "..." under src/ follows the one-way order of the folders:
#
#   raster, language  <-  platform  <-  job  <-  graphics, text, barcode,
#   models  <-  exports;  preview  <-  raster, language, platform
#
# A folder is the first part of a path under src/ (platform/cups belongs to
# platform, preview/barcode to preview). A folder may include itself and
# what its row below names; "include" is the public header vxclcmd.h and
# its list of result codes.
#   cmake -DSOURCE_DIR=... -P this file
cmake_minimum_required(VERSION 3.25)

set(allowed_raster "")
set(allowed_language "")
set(allowed_platform raster language)
set(allowed_job platform raster language include)
set(allowed_graphics job platform raster language include)
set(allowed_text job platform raster language include)
set(allowed_barcode job platform raster language include)
set(allowed_models job platform raster language include)
set(allowed_preview platform raster language)
set(allowed_exports graphics text barcode models preview job platform raster
                    language include)
set(folders raster language platform job graphics text barcode models preview
            exports)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}/src
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp)
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" from "${source}")
  if(NOT from IN_LIST folders)
    if(NOT source MATCHES "/")
      continue()  # files beside the folders (none today) are not checked
    endif()
    string(APPEND faults "\n  ${source}: folder ${from} has no row")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/src/${source} lines
       REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" target "${line}")
    if(target STREQUAL "vxclcmd.h" OR target STREQUAL "vxclcmd_results.def")
      set(to include)
    elseif(target MATCHES "^([^/]+)/")
      set(to ${CMAKE_MATCH_1})
    else()
      string(APPEND faults "\n  ${source}: \"${target}\" names no folder")
      continue()
    endif()
    if(NOT to STREQUAL from AND NOT to IN_LIST allowed_${from})
      string(APPEND faults "\n  ${source}: ${from} may not include \"${target}\"")
    endif()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "includes against the order of the folders:${faults}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files follow the order of the folders")
