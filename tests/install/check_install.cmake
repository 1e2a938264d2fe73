# Installs the build into a private prefix outside the build tree, moves
# the installed tree elsewhere, then runs the installed vxlabel and builds
# a C host program against the moved tree twice: through the CMake package
# and through pkg-config. Nothing runs with LD_LIBRARY_PATH: installed
# programs find the installed library by their own run path.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(temp $ENV{TMPDIR})
if(NOT temp)
  set(temp /tmp)
endif()
string(RANDOM LENGTH 12 token)
set(outside ${temp}/vxclcmd-install-${token})
set(installed ${outside}/installed)
set(prefix ${outside}/moved)
set(clean_env ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH
              --unset=PKG_CONFIG_PATH --unset=CMAKE_PREFIX_PATH)

macro(fail text)
  file(REMOVE_RECURSE ${outside})
  message(FATAL_ERROR "${text}")
endmacro()

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${installed}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  fail("cmake --install failed")
endif()
file(RENAME ${installed} ${prefix})

# The installed tool, from the moved tree.
execute_process(
  COMMAND ${clean_env} ${prefix}/bin/vxlabel run
          ${SOURCE_DIR}/examples/first_label.vxl
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(rc OR NOT out MATCHES "PrnEnd")
  fail("the installed vxlabel failed (${rc}): ${err}${out}")
endif()
foreach(f include/vxclcmd.h share/vxclcmd/ppd/sato-4in-203dpi.ppd)
  if(NOT EXISTS ${prefix}/${f})
    fail("not installed: ${f}")
  endif()
endforeach()
file(GLOB_RECURSE pc ${prefix}/*/vxclcmd.pc)
file(GLOB_RECURSE config ${prefix}/*/vxclcmdConfig.cmake)
if(NOT pc OR NOT config)
  fail("package files missing: '${pc}' '${config}'")
endif()
get_filename_component(libdir ${pc} DIRECTORY)
get_filename_component(libdir ${libdir} DIRECTORY)

# Through the CMake package.
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/install/consumer
          -B ${WORK_DIR}/cmake-build -DCMAKE_PREFIX_PATH=${prefix}
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  fail("configuring the consumer failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-build
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  fail("building the consumer failed")
endif()
execute_process(COMMAND ${clean_env} ${WORK_DIR}/cmake-build/consumer RESULT_VARIABLE rc)
if(rc)
  fail("the CMake-built consumer failed: ${rc}")
endif()

# Through pkg-config.
find_program(PKG_CONFIG pkg-config REQUIRED)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${libdir}/pkgconfig
          ${PKG_CONFIG} --cflags --libs vxclcmd
  OUTPUT_VARIABLE flags RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
if(rc)
  fail("pkg-config does not know vxclcmd")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
execute_process(
  COMMAND cc ${SOURCE_DIR}/tests/install/consumer/main.c ${flags}
          -Wl,-rpath,${libdir} -o ${WORK_DIR}/consumer-pc
  RESULT_VARIABLE rc)
if(rc)
  fail("building with pkg-config flags failed")
endif()
execute_process(COMMAND ${clean_env} ${WORK_DIR}/consumer-pc RESULT_VARIABLE rc)
if(rc)
  fail("the pkg-config-built consumer failed: ${rc}")
endif()
file(REMOVE_RECURSE ${outside})
