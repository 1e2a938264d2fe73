# Installs the build into a private prefix, then builds a C host program
# against it twice: through the CMake package and through pkg-config.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(f include/vxclcmd.h share/vxclcmd/ppd/sato-4in-203dpi.ppd)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(GLOB_RECURSE pc ${prefix}/*/vxclcmd.pc)
file(GLOB_RECURSE config ${prefix}/*/vxclcmdConfig.cmake)
if(NOT pc OR NOT config)
  message(FATAL_ERROR "package files missing: '${pc}' '${config}'")
endif()
get_filename_component(libdir ${pc} DIRECTORY)
get_filename_component(libdir ${libdir} DIRECTORY)

# Through the CMake package.
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR}/tests/install/consumer
          -B ${WORK_DIR}/cmake-build -DCMAKE_PREFIX_PATH=${prefix}
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "configuring the consumer failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/cmake-build
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "building the consumer failed")
endif()
execute_process(COMMAND ${WORK_DIR}/cmake-build/consumer RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "the CMake-built consumer failed: ${rc}")
endif()

# Through pkg-config.
find_program(PKG_CONFIG pkg-config REQUIRED)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env PKG_CONFIG_PATH=${libdir}/pkgconfig
          ${PKG_CONFIG} --cflags --libs vxclcmd
  OUTPUT_VARIABLE flags RESULT_VARIABLE rc OUTPUT_STRIP_TRAILING_WHITESPACE)
if(rc)
  message(FATAL_ERROR "pkg-config does not know vxclcmd")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
execute_process(
  COMMAND cc ${SOURCE_DIR}/tests/install/consumer/main.c ${flags}
          -Wl,-rpath,${libdir} -o ${WORK_DIR}/consumer-pc
  RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "building with pkg-config flags failed")
endif()
execute_process(COMMAND ${WORK_DIR}/consumer-pc RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "the pkg-config-built consumer failed: ${rc}")
endif()
